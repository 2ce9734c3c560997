// TsuiEdit: a native single-line edit field. OnChange follows the native
// change notice, so it runs for text set by code as well as for typing;
// OnEnter and OnExit when the focus enters or leaves; OnKeyPress for every
// typed character, where setting the key to 0 swallows it.
#pragma once
#include <functional>
#include "Control.h"

namespace dorvane {

class TsuiEdit : public TControl {
public:
    TsuiEdit(HWND parent, std::string name, int x, int y, int width, int height,
             const std::string& text = {});

    std::string Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }

    int SelStart() const;
    int SelLength() const;
    void SetSelection(int start, int length);
    void SelectAll() { SetSelection(0, -1); }

    // A field without its window yet raises OnChange itself, as the window's
    // change notice would.
    void SetCaption(const std::string& text) override;

    bool ReadOnly() const;
    void SetReadOnly(bool read_only);
    // Neither typing nor pasting makes Text() longer than max_bytes bytes;
    // text set by code is not cut.
    void SetMaxBytes(int max_bytes);

    std::function<void()> OnChange;
    std::function<void()> OnEnter;
    std::function<void()> OnExit;
    std::function<void(char& key)> OnKeyPress;

protected:
    bool WndProc(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void FontChanged() override;
    void HandleCreated() override;

private:
    void ApplyMaxBytes();
    int max_bytes_ = 0;  // 0: the native control's own limit
    bool read_only_ = false;
};

}  // namespace dorvane
