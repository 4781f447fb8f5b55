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

const TCellPainter::TGlyph& TCellPainter::Glyph(TGlyphs& g, std::string_view ch)
{
    // One or two bytes below U+0100.
    const auto* b = reinterpret_cast<const unsigned char*>(ch.data());
    const int latin = ch.size() == 1 ? b[0] : ch.size() == 2 && b[0] >= 0xC2 && b[0] <= 0xC3 ? (b[0] & 0x1F) << 6 | (b[1] & 0x3F) : -1;
    TGlyph& glyph = latin >= 0 ? g.Latin[size_t(latin)] : g.Others[std::string(ch)];
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
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const QRgb px = img.pixel(x, y);
                    if (!box.Contains(x, y) && px != bg) glyph.Overhangs.push_back({x - box.Left, y - box.Top, px});
                }
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
    // Rows are addressed from the image's first byte: asking the image for each row checks
    // for a shared copy every time, which costs as much as copying the row.
    uchar* const bits = target->bits();
    const qsizetype stride = target->bytesPerLine();
    const int width = target->width(), height = target->height();
    for (const TOverhang& o : cell.Overhangs) {
        const int px = x + o.DX, py = y + o.DY;
        if (px >= 0 && py >= 0 && px < width && py < height)
            reinterpret_cast<QRgb*>(bits + py * stride)[px] = o.Pixel;
    }
    const int left = std::max(x, 0), right = std::min(x + glyph.width(), width);
    const int top = std::max(y, 0), bottom = std::min(y + glyph.height(), height);
    if (left >= right || top >= bottom) return;
    const size_t bytes = size_t(right - left) * 4;
    const qsizetype glyphStride = glyph.bytesPerLine();
    const uchar* from = glyph.constBits() + (top - y) * glyphStride + (left - x) * 4;
    uchar* to = bits + top * stride + left * 4;
    for (int row = top; row < bottom; ++row, from += glyphStride, to += stride) std::memcpy(to, from, bytes);
}

bool TCellPainter::CellOut(TCanvas& canvas, const TRect& cell, TColor background, std::string_view ch)
{
    QImage* target = canvas.GetImage();
    if (!target) return true;
    TGlyphs& set = GlyphsFor(canvas.Font, canvas.Brush.Color, canvas.Scale());
    const TGlyph& shape = Glyph(set, ch);
    const QImage& glyph = shape.Image;
    const int x = canvas.ToDevice(cell.Left), y = canvas.ToDevice(cell.Top);
    if (!shape.Overhangs.empty() || glyph.width() > canvas.ToDevice(cell.Right) - x ||
        glyph.height() > canvas.ToDevice(cell.Bottom) - y)
        return false;
    // The fill reaches the image's edge as a fill of the cell would.
    const TRect d = canvas.ToDevice(cell);
    const int left = std::max(d.Left, 0), right = std::min(d.Right, target->width());
    const int top = std::max(d.Top, 0), bottom = std::min(d.Bottom, target->height());
    if (left >= right || top >= bottom) return true;
    const QRgb fill = Opaque(background);
    // The glyph's columns and rows on the image; the cell's other pixels are the fill.
    const int inkLeft = std::clamp(x, left, right), inkRight = std::clamp(x + glyph.width(), inkLeft, right);
    const int inkBottom = inkLeft < inkRight ? std::clamp(y + glyph.height(), top, bottom) : top;
    const size_t inkBytes = size_t(inkRight - inkLeft) * 4;
    const qsizetype stride = target->bytesPerLine(), glyphStride = glyph.bytesPerLine();
    uchar* to = target->bits() + top * stride;
    const uchar* from = inkBottom > top ? glyph.constBits() + (top - y) * glyphStride + (inkLeft - x) * 4 : nullptr;
    for (int row = top; row < bottom; ++row, to += stride) {
        auto* line = reinterpret_cast<QRgb*>(to);
        if (row < inkBottom) {
            std::fill(line + left, line + inkLeft, fill);
            std::memcpy(line + inkLeft, from, inkBytes);
            std::fill(line + inkRight, line + right, fill);
            from += glyphStride;
        } else {
            std::fill(line + left, line + right, fill);
        }
    }
    return true;
}

void TCellPainter::Clear()
{
    Sets.clear();
    Last = nullptr;
}
