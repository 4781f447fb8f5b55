#pragma once
// A progress bar in three runs, left to right: the share answered correctly, the share
// answered wrongly, and what is still to come in the control's own colour, inside a white
// frame. It draws whatever counts it is given; nothing is clamped.
#include "platform/CanvasControl.h"

#include <cstdint>

class TRightWrongDoneIndicator : public TCanvasControl {
    Q_OBJECT
public:
    explicit TRightWrongDoneIndicator(QWidget* parent = nullptr);

    int32_t NumTotal() const { return FNumTotal; }
    int32_t NumRight() const { return FNumRight; }
    int32_t NumWrong() const { return FNumWrong; }
    TColor RightColor() const { return FRightColor; }
    TColor WrongColor() const { return FWrongColor; }

    // Each assignment of a new value repaints at once; the same value does nothing.
    void SetNumTotal(int32_t n);
    void SetNumRight(int32_t n);
    void SetNumWrong(int32_t n);
    void SetRightColor(TColor c);
    void SetWrongColor(TColor c);

    // The background of the interior is Color(): the parent's colour until one is assigned.

    // The column where a run of `count` items out of `total` ends on a control `width`
    // pixels wide, rounded half to even; limited to just outside the control so that any
    // count stays drawable.
    static int RunEnd(long double count, int32_t total, int width);

protected:
    void Paint() override;

private:
    void SetCount(int32_t& field, int32_t n);

    int32_t FNumTotal = 0;
    int32_t FNumRight = 0;
    int32_t FNumWrong = 0;
    TColor FRightColor = clBlack;
    TColor FWrongColor = clBlack;
};
