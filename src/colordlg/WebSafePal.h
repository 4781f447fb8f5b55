#pragma once
// The 216 web-safe colours as a grid of touching cells inside a one-pixel bevel frame. The
// colour under the pointer is reported while it hovers (OnMouseOverColor) and the colour
// pressed or dragged over with the left button is picked (OnPicColor). Cols x Rows is always
// 216.
#include "colordlg/PickControl.h"

#include <array>
#include <functional>
#include <optional>

enum TFrameStyle { fsOutset, fsInset };

class TWebSafePal : public TPickControl {
    Q_OBJECT
public:
    using TColorEvent = std::function<void(QObject* sender, TColor color)>;

    explicit TWebSafePal(QWidget* parent = nullptr);

    TFrameStyle FrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle v);
    int Cols() const { return FCols; }
    int Rows() const { return FRows; }
    // Taken only when it divides 216 (the other count follows); anything else changes nothing.
    void SetCols(int v);
    void SetRows(int v);

    // The cell size of the last paint.
    int CellWidth() const { return FCellWidth; }
    int CellHeight() const { return FCellHeight; }

    // The colour of the cell under client point (x, y); none on the frame or beyond the last
    // whole cell.
    std::optional<TColor> ColorAtPoint(int x, int y) const;
    bool InCellsArea(int x, int y) const { return x >= 1 && x <= width() - 2 && y >= 1 && y <= height() - 2; }
    // The colour of the cell `index` (row by row), and picking it as a click on it does.
    TColor CellColor(int index) const { return FColors[size_t(index)]; }
    void PickCell(int index);

    TColorEvent OnPicColor;
    TColorEvent OnMouseOverColor;

protected:
    void Paint() override;
    void Press(QMouseEvent* e) override;
    void MouseMove(QMouseEvent* e) override;

private:
    static bool Divides216(int v) { return v > 0 && 216 % v == 0; }

    TFrameStyle FFrameStyle = fsInset;
    int FCols = 18;
    int FRows = 12;
    int FCellWidth = 0;
    int FCellHeight = 0;
    std::array<TColor, 216> FColors{};
};
