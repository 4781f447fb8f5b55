#include "editor/CellPainter.h"

#include <cstring>

TCellPainter::TGlyphs& TCellPainter::GlyphsFor(const TFont& font, TColor background)
{
    if (Last && Last->Background == background && Last->Font == font) return *Last;
    for (const auto& s : Sets)
        if (s->Background == background && s->Font == font) return *(Last = s.get());
    // Formatting processors may hand out many colours; keep the cache bounded.
    if (Sets.size() >= 64) Sets.erase(Sets.begin());
    auto s = std::make_unique<TGlyphs>();
    s->Font = font;
    s->Background = background;
    Sets.push_back(std::move(s));
    return *(Last = Sets.back().get());
}

const QImage& TCellPainter::Glyph(TGlyphs& g, unsigned char ch)
{
    if (!g.Made[ch]) {
        TCanvas probe;
        probe.Font = g.Font;
        const std::string text(1, char(ch));
        const int w = probe.TextWidth(text), h = probe.TextHeight(text);
        if (w > 0 && h > 0) {
            QImage img(w, h, QImage::Format_RGB32);
            TCanvas c(&img);
            c.Font = g.Font;
            c.Brush.Color = g.Background;
            c.Brush.Style = bsSolid;
            c.TextOut(0, 0, text);
            g.Images[ch] = std::move(img);
        }
        g.Made[ch] = true;
    }
    return g.Images[ch];
}

void TCellPainter::TextOut(TCanvas& canvas, int x, int y, unsigned char ch)
{
    QImage* target = canvas.GetImage();
    if (!target) return;
    const QImage& glyph = Glyph(GlyphsFor(canvas.Font, canvas.Brush.Color), ch);
    if (glyph.isNull()) return;
    const int left = std::max(x, 0), right = std::min(x + glyph.width(), target->width());
    const int top = std::max(y, 0), bottom = std::min(y + glyph.height(), target->height());
    if (left >= right || top >= bottom) return;
    const size_t bytes = size_t(right - left) * 4;
    for (int row = top; row < bottom; ++row)
        std::memcpy(target->scanLine(row) + left * 4, glyph.constScanLine(row - y) + (left - x) * 4, bytes);
}

void TCellPainter::Clear()
{
    Sets.clear();
    Last = nullptr;
}
