// TsuiProgressBar: a native progress bar; the position is kept in Min..Max.
#pragma once
#include "Control.h"

namespace dorvane {

class TsuiProgressBar : public TControl {
public:
    TsuiProgressBar(HWND parent, std::string name, int x, int y, int width, int height);

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    // Clamped to Min..Max.
    void SetPosition(int position);
    void SetMin(int min);
    void SetMax(int max);
    void SetRange(int min, int max);

protected:
    void HandleCreated() override { Apply(); }

private:
    void Apply();

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};

}  // namespace dorvane
