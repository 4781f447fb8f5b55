#pragma once
// Draws single characters (each given as its UTF-8) the way TCanvas::TextOut does with a solid brush (the character's
// advance box filled with the brush colour, the glyph over it in the font colour), from
// images rendered once per character, font and background. Painting a screen full of cells
// then costs one row copy per pixel row of each cell instead of a text layout per character,
// and a cell drawn alone looks exactly like the same cell drawn as part of a whole repaint.
// Ink outside the box is kept too and drawn as it falls on the background colour.
// On a canvas with a device pixel ratio the glyphs are rendered at that ratio, so a cell
// copies device pixels and the text is as sharp as the canvas's own.
#include "platform/Canvas.h"

#include <QImage>
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TCellPainter {
public:
    // `ch` at (x, y) on `canvas`, with the canvas's font and brush colour.
    void TextOut(TCanvas& canvas, int x, int y, std::string_view ch);
    // What filling `cell` with `background` and then TextOut at its top-left corner leave,
    // written in one pass, each pixel once. False, with nothing drawn, when the glyph does not
    // keep to the cell (it is larger, or has ink outside its box): that ink falls on other
    // cells, which only the fill first and TextOut after leave as they should.
    bool CellOut(TCanvas& canvas, const TRect& cell, TColor background, std::string_view ch);
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
        QImage Image;
        std::vector<TOverhang> Overhangs;
        // For CellOut: the glyph at the top-left corner of a fill, as large as the largest
        // cell asked for with that fill, so a cell is one copy per pixel row.
        QImage Cell;
        TColor CellFill = 0;
        // The image's size, asked for every cell.
        int Width = 0, Height = 0;
        bool Made = false;
    };
    // Latin-1 by its code point, at once; every other character by its text.
    struct TGlyphs {
        TFont Font;
        TColor Background = 0;
        qreal Scale = 1.0;
        std::array<TGlyph, 256> Latin;
        std::unordered_map<std::string, TGlyph> Others;
    };
    TGlyphs& GlyphsFor(const TFont& font, TColor background, qreal scale);
    TGlyph& Glyph(TGlyphs& g, std::string_view ch);
    // The glyph's cell image with `fill` around it, at least w x h device pixels.
    static const QImage& CellImage(TGlyph& glyph, TColor fill, int w, int h);

    std::vector<std::unique_ptr<TGlyphs>> Sets;
    TGlyphs* Last = nullptr;
};
