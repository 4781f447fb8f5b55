#pragma once
// The line-number gutter at the left of a TTextEditorEx: a horizontal gradient or a plain
// background, the numbers of the editor's visible rows, and a click that selects the line
// beside it. While the editor scrolls it draws a cheap picture (one fill, two numbers); the
// editor's settle timer brings the full one back.
#include "editor/ruler/RulerLink.h"
#include "platform/Rounding.h"

#include <string>
#include <vector>

class TTextEditorEx;
class TRulerMenu;

enum TSurfaceType { stGradient = 0, stSolid = 1 };

// The arithmetic of the picture, apart from any window so it can be checked on its own.
namespace RulerLayout {
// The colour of gradient column x (0 <= x <= width) between two plain RGB colours: column 0
// is `from` exactly, the others step by (to - from) / width per channel. A width of 0 or
// less has no steps: every column is `from`.
TColor GradientColumn(TColor from, TColor to, int x, int width);
// Black or white, whichever reads on the surface behind the numbers (the right-hand end of a
// gradient, or the plain colour).
TColor ContrastColor(TSurfaceType surface, TColor color, TColor gradientColor);
// The number of whole text rows in `height` pixels; none for a row height of 0 or less.
int WholeRows(int height, int lineHeight);
// The 1-based rows that carry a number: every `every`-th one (by its magnitude). A spacing of
// 0 numbers no row.
std::vector<int> NumberedRows(int rows, int every);
// The left edge of a number `textWidth` wide: right-aligned a quarter of the width in.
inline int NumberLeft(int width, int textWidth) { return width - textWidth - width / 4; }
} // namespace RulerLayout

class TRuler : public TRulerBase {
    Q_OBJECT
public:
    explicit TRuler(QWidget* parent = nullptr);
    ~TRuler() override;

    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& f);

    TSurfaceType SurfaceType() const { return FSurfaceType; }
    void SetSurfaceType(TSurfaceType v);
    TColor Color() const { return FColor; }
    void SetColor(TColor v);
    TColor GradientColor() const { return FGradientColor; }
    void SetGradientColor(TColor v);
    bool UseEditorFont() const { return FUseEditorFont; }
    void SetUseEditorFont(bool v);
    TTextEditorEx* TextEditorEx() const { return FEditor; }
    void SetTextEditorEx(TTextEditorEx* e);
    bool ShowLineNumbers() const { return FShowLineNumbers; }
    void SetShowLineNumbers(bool v);
    int LineNumberEvery() const { return FLineNumberEvery; }
    void SetLineNumberEvery(int v);

    // The ruler's own pop-up menu, opened by the right button.
    TRulerMenu* PopupMenu() const { return FPopupMenu; }

    // Takes over another ruler's look (not its editor) and repaints.
    void Assign(const TRuler& other);

    // TRulerBase: what the editor calls.
    bool ShowsLineNumbers() const override;
    // Repaints at once when numbers are shown and an editor is set.
    void RefreshLineNumbers() override;

protected:
    void Paint() override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    template <typename T>
    void SetSurfaceValue(T& field, T value);
    void UpdateContrastColor();
    void PaintBackgroundGradient(int w, int h);
    void SelectNumberFont();
    void DrawNumber(int row, int number, int w, int lh);

    TFont FFont;
    TSurfaceType FSurfaceType = stGradient;
    TColor FColor = clBtnShadow;
    TColor FGradientColor = clBtnFace;
    bool FUseEditorFont = false;
    TTextEditorEx* FEditor = nullptr;
    bool FShowLineNumbers = true;
    int FLineNumberEvery = 1;
    TRulerMenu* FPopupMenu = nullptr;
};
