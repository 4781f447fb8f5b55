#include "editor/view/CellPainter.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
// The pixel a fill with `c` writes.
QRgb Opaque(TColor c)
{
    const TColor v = ColorToRGB(c);
    return 0xFF000000 | qRgb(GetRValue(v), GetGValue(v), GetBValue(v));
}

// `n` pixels, 16 bytes at a time: a cell's row is a few dozen bytes, too short for a call
// to memcpy to pay for itself, and a screen has hundreds of thousands of them.
inline void CopyPixels(QRgb* to, const QRgb* from, int n)
{
    int i = 0;
    for (; i + 4 <= n; i += 4) std::memcpy(to + i, from + i, 16);
    for (; i < n; ++i) to[i] = from[i];
}
} // namespace

TCellPainter::TGlyphs& TCellPainter::GlyphsFor(const TFont& font, TColor background, qreal scale)
{
    auto same = [&](const TGlyphs& g) { return g.Background == background && g.Scale == scale && g.Font == font; };
    if (Last && same(*Last)) return *Last;
    for (const auto& s : Sets)
        if (same(*s)) return *(Last = s.get());
    // Formatting processors may hand out many colours; keep the cache bounded.
    if (Sets.size() >= 64) Sets.erase(Sets.begin());
    auto s = std::make_unique<TGlyphs>();
    s->Font = font;
    s->Background = background;
    s->Scale = scale;
    Sets.push_back(std::move(s));
    return *(Last = Sets.back().get());
}

TCellPainter::TGlyph& TCellPainter::Glyph(TGlyphs& g, std::string_view ch)
{
    // One or two bytes below U+0100.
    const auto* b = reinterpret_cast<const unsigned char*>(ch.data());
    const int latin = ch.size() == 1 ? b[0] : ch.size() == 2 && b[0] >= 0xC2 && b[0] <= 0xC3 ? (b[0] & 0x1F) << 6 | (b[1] & 0x3F) : -1;
    TGlyph& glyph = latin >= 0 ? g.Latin[size_t(latin)] : g.Others[ch];
    if (!glyph.Made) {
        TCanvas probe;
        probe.Font = g.Font;
        const std::string text(ch);
        const int w = probe.TextWidth(text), h = probe.TextHeight(text);
        if (w > 0 && h > 0) {
            // Rendered with room around the box, to catch what the glyph draws outside it.
            const int m = h;
            QImage img(int(std::ceil((w + 2 * m) * g.Scale)), int(std::ceil((h + 2 * m) * g.Scale)),
                       QImage::Format_RGB32);
            img.setDevicePixelRatio(g.Scale);
            const QRgb bg = Opaque(g.Background);
            img.fill(bg);
            TCanvas c(&img);
            c.Font = g.Font;
            c.Brush.Color = g.Background;
            c.Brush.Style = bsSolid;
            c.TextOut(m, m, text);
            const TRect box = c.ToDevice(Bounds(m, m, w, h));
            glyph.Image = img.copy(ToQRect(box));
            glyph.Width = glyph.Image.width();
            glyph.Height = glyph.Image.height();
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const QRgb px = img.pixel(x, y);
                    if (!box.Contains(x, y) && px != bg) glyph.Overhangs.push_back({x - box.Left, y - box.Top, px});
                }
            glyph.Overhanging = !glyph.Overhangs.empty();
            glyph.InkOnlyAbove = std::all_of(glyph.Overhangs.begin(), glyph.Overhangs.end(),
                                             [](const TOverhang& o) { return o.DY < 0; });
        }
        glyph.Made = true;
    }
    return glyph;
}

void TCellPainter::TextOut(TCanvas& canvas, int x, int y, std::string_view ch)
{
    QImage* target = canvas.GetImage();
    if (!target) return;
    TGlyphs& set = GlyphsFor(canvas.Font, canvas.Brush.Color, canvas.Scale());
    const TGlyph& cell = Glyph(set, ch);
    const QImage& glyph = cell.Image;
    if (glyph.isNull()) return;
    x = canvas.ToDevice(x);
    y = canvas.ToDevice(y);
    DrawOverhangs(*target, cell, x, y);
    // Rows are addressed from the image's first byte: asking the image for each row checks
    // for a shared copy every time, which costs as much as copying the row.
    uchar* const bits = target->bits();
    const qsizetype stride = target->bytesPerLine();
    const int width = target->width(), height = target->height();
    const int left = std::max(x, 0), right = std::min(x + glyph.width(), width);
    const int top = std::max(y, 0), bottom = std::min(y + glyph.height(), height);
    if (left >= right || top >= bottom) return;
    const qsizetype glyphStride = glyph.bytesPerLine();
    const uchar* from = glyph.constBits() + (top - y) * glyphStride + (left - x) * 4;
    uchar* to = bits + top * stride + left * 4;
    for (int row = top; row < bottom; ++row, from += glyphStride, to += stride)
        CopyPixels(reinterpret_cast<QRgb*>(to), reinterpret_cast<const QRgb*>(from), right - left);
}

void TCellPainter::DrawOverhangs(QImage& target, const TGlyph& glyph, int x, int y)
{
    if (!glyph.Overhanging) return;
    uchar* const bits = target.bits();
    const qsizetype stride = target.bytesPerLine();
    const int width = target.width(), height = target.height();
    for (const TOverhang& o : glyph.Overhangs) {
        const int px = x + o.DX, py = y + o.DY;
        if (px >= 0 && py >= 0 && px < width && py < height)
            reinterpret_cast<QRgb*>(bits + py * stride)[px] = o.Pixel;
    }
}

void TCellPainter::InkAbove(TCanvas& canvas, int x, int y, std::string_view ch, const TRect& clip)
{
    QImage* target = canvas.GetImage();
    if (!target) return;
    const TGlyph& glyph = Glyph(GlyphsFor(canvas.Font, canvas.Brush.Color, canvas.Scale()), ch);
    if (!glyph.Overhanging) return;
    x = canvas.ToDevice(x);
    y = canvas.ToDevice(y);
    const TRect d = canvas.ToDevice(clip);
    const int left = std::max(d.Left, 0), right = std::min(d.Right, target->width());
    const int top = std::max(d.Top, 0), bottom = std::min(d.Bottom, target->height());
    for (const TOverhang& o : glyph.Overhangs) {
        const int px = x + o.DX, py = y + o.DY;
        if (o.DY < 0 && px >= left && py >= top && px < right && py < bottom)
            reinterpret_cast<QRgb*>(target->scanLine(py))[px] = o.Pixel;
    }
}

void TCellPainter::MakeCell(TGlyph& glyph, TColor fill, int w, int h)
{
    if (!glyph.CellBits || glyph.CellFill != fill || glyph.CellWidth < w || glyph.CellHeight < h) {
        // Cells of one grid differ by a device pixel where the ratio rounds: the image keeps
        // the largest, and a smaller cell copies its top-left part.
        if (glyph.CellBits && glyph.CellFill == fill) {
            w = std::max(w, glyph.CellWidth);
            h = std::max(h, glyph.CellHeight);
        }
        QImage cell(w, h, QImage::Format_RGB32);
        cell.fill(Opaque(fill));
        const QImage& ink = glyph.Image;
        for (int row = 0; row < std::min(h, ink.height()); ++row)
            CopyPixels(reinterpret_cast<QRgb*>(cell.scanLine(row)), reinterpret_cast<const QRgb*>(ink.constScanLine(row)),
                       std::min(w, ink.width()));
        glyph.Cell = std::move(cell);
        glyph.CellFill = fill;
        glyph.CellWidth = w;
        glyph.CellHeight = h;
        glyph.CellStride = glyph.Cell.bytesPerLine();
        glyph.CellBits = glyph.Cell.constBits();
    }
}

bool TCellPainter::CellOut(TCanvas& canvas, const TRect& cell, TColor background, std::string_view ch)
{
    QImage* target = canvas.GetImage();
    if (!target) return true;
    TGlyphs& set = GlyphsFor(canvas.Font, canvas.Brush.Color, canvas.Scale());
    TGlyph& shape = Glyph(set, ch);
    const int x = canvas.ToDevice(cell.Left), y = canvas.ToDevice(cell.Top);
    if (!shape.InkOnlyAbove || shape.Width > canvas.ToDevice(cell.Right) - x ||
        shape.Height > canvas.ToDevice(cell.Bottom) - y)
        return false;
    // Above the cell, apart from it: the order does not matter.
    DrawOverhangs(*target, shape, x, y);
    // The fill reaches the image's edge as a fill of the cell would.
    const TRect d = canvas.ToDevice(cell);
    const int left = std::max(d.Left, 0), right = std::min(d.Right, target->width());
    const int top = std::max(d.Top, 0), bottom = std::min(d.Bottom, target->height());
    if (left >= right || top >= bottom) return true;
    // Past that test the cell begins where its glyph does (d.Left == x, d.Top == y).
    MakeCell(shape, background, d.Right - x, d.Bottom - y);
    const qsizetype stride = target->bytesPerLine(), imageStride = shape.CellStride;
    uchar* to = target->bits() + top * stride + left * 4;
    const uchar* from = shape.CellBits + (top - y) * imageStride + (left - x) * 4;
    // A row of cells is drawn cell after cell, each down its pixel rows: to the processor
    // that is dozens of short strided writes it cannot foresee, each waiting for its line of
    // the image. Asking now for the lines of the cell after next, at each row, lets them
    // arrive while this cell and the next are copied (a full repaint takes about a third less).
    const int n = right - left;
    const size_t ahead = size_t(n) * 4 * 2;
    for (int row = top; row < bottom; ++row, to += stride, from += imageStride) {
        __builtin_prefetch(to + ahead, 1);
        __builtin_prefetch(to + ahead + size_t(n) * 4 - 1, 1);
        CopyPixels(reinterpret_cast<QRgb*>(to), reinterpret_cast<const QRgb*>(from), n);
    }
    return true;
}

void TCellPainter::Prefetch(const TCanvas& canvas, std::string_view next, std::string_view later)
{
    if (next.size() <= 2 && later.size() <= 2) return;
    if (!Last || Last->Background != canvas.Brush.Color || !(Last->Font == canvas.Font)) return;
    if (const TGlyph* g = later.size() > 2 ? Last->Others.Find(later) : nullptr) __builtin_prefetch(g);
    const TGlyph* glyph = next.size() > 2 ? Last->Others.Find(next) : nullptr;
    if (!glyph || !glyph->CellBits) return;
    const size_t rowBytes = size_t(glyph->CellWidth) * 4;
    for (int row = 0; row < glyph->CellHeight; ++row) {
        const uchar* p = glyph->CellBits + row * glyph->CellStride;
        __builtin_prefetch(p);
        __builtin_prefetch(p + rowBytes - 1);
    }
}

void TCellPainter::Clear()
{
    Sets.clear();
    Last = nullptr;
}
