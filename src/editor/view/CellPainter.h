#pragma once
// Draws single characters (each given as its UTF-8) the way TCanvas::TextOut does with a solid brush (the character's
// advance box filled with the brush colour, the glyph over it in the font colour), from
// images rendered once per character, font and background. Painting a screen full of cells
// then costs one row copy per pixel row of each cell instead of a text layout per character,
// and a cell drawn alone looks exactly like the same cell drawn as part of a whole repaint.
// Ink outside the box is kept too and drawn as it falls on the background colour.
// On a canvas with a device pixel ratio the glyphs are rendered at that ratio, so a cell
// copies device pixels and the text is as sharp as the canvas's own.
#include "editor/view/ShortTextMap.h"
#include "platform/Canvas.h"

#include <QImage>
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TCellPainter {
public:
    // `ch` at (x, y) on `canvas`, with the canvas's font and brush colour.
    void TextOut(TCanvas& canvas, int x, int y, std::string_view ch);
    // What filling `cell` with `background` and then TextOut at its top-left corner leave,
    // written in one pass, each pixel once. Ink the glyph puts above its box (a fallback font
    // taller than the editor's own reaches a pixel into the line above) is drawn there too:
    // a picture is drawn from the top down, so what lies above is drawn already. False, with
    // nothing drawn, when the glyph is larger than the cell or has ink beside or below it:
    // that ink falls on cells not drawn yet, which only the fill first and TextOut after
    // leave as they should.
    bool CellOut(TCanvas& canvas, const TRect& cell, TColor background, std::string_view ch);
    // The ink of `ch` above a box at (x, y), as TextOut and CellOut draw it, where it falls
    // inside `clip`: what a redrawn line above took away.
    void InkAbove(TCanvas& canvas, int x, int y, std::string_view ch, const TRect& clip);
    // Asks for what CellOut will read for the characters after the one drawn now, with the
    // canvas's font and brush, so that it is on its way while that one is drawn: the pixels
    // of `next`, and the glyph of `later`, whose pixels are asked for at the next call.
    // Latin-1 glyphs are few and stay in the cache; a screen of Chinese shows a thousand
    // others, each of whose pixels would otherwise be waited for.
    void Prefetch(const TCanvas& canvas, std::string_view next, std::string_view later);
    // Forgets every rendered glyph (system colours may have changed).
    void Clear();

private:
    // Ink a glyph puts outside its box (a descender's hook, an italic slant), as drawn over
    // the background; offsets in device pixels.
    struct TOverhang {
        int DX, DY;
        QRgb Pixel;
    };
    struct TGlyph {
        // What CellOut reads for every cell comes first, on one cache line: on a screen of
        // Chinese most cells show a character not met since the last repaint, and each
        // further line read waits on memory.
        bool Made = false;
        // It has overhangs, and every one lies above its box.
        bool Overhanging = false;
        bool InkOnlyAbove = true;
        // The image's size.
        int Width = 0, Height = 0;
        // The cell image's fill, size and pixels, as the image holds them.
        TColor CellFill = 0;
        int CellWidth = 0, CellHeight = 0;
        qsizetype CellStride = 0;
        const uchar* CellBits = nullptr;
        QImage Image;
        std::vector<TOverhang> Overhangs;
        // For CellOut: the glyph at the top-left corner of a fill, as large as the largest
        // cell asked for with that fill, so a cell is one copy per pixel row.
        QImage Cell;
    };
    // Latin-1 by its code point, at once; every other character by its text.
    struct TGlyphs {
        TFont Font;
        TColor Background = 0;
        qreal Scale = 1.0;
        std::array<TGlyph, 256> Latin;
        TShortTextMap<TGlyph> Others;
    };
    TGlyphs& GlyphsFor(const TFont& font, TColor background, qreal scale);
    TGlyph& Glyph(TGlyphs& g, std::string_view ch);
    // Gives the glyph a cell image with `fill` around it, at least w x h device pixels,
    // unless it has one.
    static void MakeCell(TGlyph& glyph, TColor fill, int w, int h);
    // The glyph's ink outside its box, for a box at device pixel (x, y) of `target`.
    static void DrawOverhangs(QImage& target, const TGlyph& glyph, int x, int y);

    std::vector<std::unique_ptr<TGlyphs>> Sets;
    TGlyphs* Last = nullptr;
};
