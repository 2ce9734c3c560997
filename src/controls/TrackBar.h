// TsuiTrackBar: a native track bar with a position kept in a range.
// OnChange runs once for every real change of the position: a setter that
// moves it (a new position, or a new minimum or maximum that clamps it) and
// each user move. Setting the position it already has raises nothing.
#pragma once
#include <functional>
#include "Control.h"

namespace dorvane {

class TsuiTrackBar : public TControl {
public:
    enum class Orientation { Horizontal, Vertical };

    TsuiTrackBar(HWND parent, std::string name, int x, int y, int width, int height,
                 Orientation orientation = Orientation::Horizontal);

    int Position() const { return position_; }
    // Clamped to Min..Max.
    void SetPosition(int position);
    int Min() const { return min_; }
    int Max() const { return max_; }
    // A minimum above the maximum lifts the maximum with it, and the other
    // way round, so the range is never empty.
    void SetMin(int min);
    void SetMax(int max);
    void SetRange(int min, int max);
    // The step of Page Up/Page Down and of a click beside the thumb.
    int PageSize() const { return page_size_; }
    void SetPageSize(int page_size);
    int LineSize() const { return line_size_; }
    void SetLineSize(int line_size);
    // A tick every `frequency` positions, drawn only while ticks are shown.
    int Frequency() const { return frequency_; }
    void SetFrequency(int frequency);
    bool TicksVisible() const { return ticks_visible_; }
    void SetTicksVisible(bool visible);

    std::function<void()> OnChange;

protected:
    bool Notify(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void HandleCreated() override;

private:
    void ApplyRange();
    void ApplyTicks();
    void MoveTo(int position);

    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    int page_size_ = 2;
    int line_size_ = 1;
    int frequency_ = 1;
    bool ticks_visible_ = true;
};

}  // namespace dorvane
