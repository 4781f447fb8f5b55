#include "platform/Canvas.h"

#include "platform/Utf8.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {
QRgb ToQRgb(TColor c)
{
    const TColor v = ColorToRGB(c);
    return qRgb(GetRValue(v), GetGValue(v), GetBValue(v));
}
TColor FromQRgb(QRgb p) { return RGB(qRed(p), qGreen(p), qBlue(p)); }
} // namespace

int TFont::Size() const { return int(std::lround(Height * 72.0 / 96.0)); }

void TFont::SetSize(int points) { Height = int(std::lround(points * 96.0 / 72.0)); }

QFont TFont::ToQFont() const
{
    QFont f(QString::fromStdString(Name));
    f.setPixelSize(Height > 0 ? Height : 1);
    f.setBold(Style & fsBold);
    f.setItalic(Style & fsItalic);
    f.setUnderline(Style & fsUnderline);
    f.setStrikeOut(Style & fsStrikeOut);
    if (FixedPitch) {
        f.setFixedPitch(true);
        f.setStyleHint(QFont::TypeWriter);
    }
    f.setKerning(false);
    return f;
}

TCanvas::TCanvas(QImage* image) : Image(image) {}

TRect TCanvas::Clip() const
{
    const TRect all{0, 0, Width(), Height()};
    return HasClip ? Intersect(all, ClipRect) : all;
}

void TCanvas::SetClip(const TRect& r)
{
    HasClip = true;
    ClipRect = r;
}

void TCanvas::ClearClip() { HasClip = false; }

TRect TCanvas::ToDevice(const TRect& r) const
{
    if (Scale() == 1.0) return r;
    const int w = Width(), h = Height();
    return {r.Left >= w ? Image->width() : ToDevice(r.Left), r.Top >= h ? Image->height() : ToDevice(r.Top),
            r.Right >= w ? Image->width() : ToDevice(r.Right), r.Bottom >= h ? Image->height() : ToDevice(r.Bottom)};
}

TColor TCanvas::GetPixel(int x, int y) const
{
    if (!Image || x < 0 || y < 0 || x >= Width() || y >= Height()) return 0xFFFFFFFF;
    return FromQRgb(Image->pixel(ToDevice(x), ToDevice(y)));
}

void TCanvas::SetPixel(int x, int y, TColor c)
{
    if (!Image || !Clip().Contains(x, y)) return;
    if (Scale() == 1.0) {
        Image->setPixel(x, y, ToQRgb(c));
        return;
    }
    FillSpan({x, y, x + 1, y + 1}, c);
}

void TCanvas::PlotDevice(QRgb* line, int x, QRgb pen)
{
    const QRgb old = line[x] & 0xFFFFFF;
    QRgb v = pen;
    switch (Pen.Mode) {
    case pmCopy: v = pen; break;
    case pmXor: v = old ^ pen; break;
    case pmNot: v = ~old; break;
    case pmNotXor: v = ~(old ^ pen); break;
    }
    line[x] = 0xFF000000 | (v & 0xFFFFFF);
}

void TCanvas::PlotPen(int x, int y)
{
    if (!Image || !Clip().Contains(x, y)) return;
    const QRgb pen = ToQRgb(Pen.Color) & 0xFFFFFF;
    if (Scale() == 1.0) {
        PlotDevice(reinterpret_cast<QRgb*>(Image->scanLine(y)), x, pen);
        return;
    }
    const TRect d = ToDevice(TRect{x, y, x + 1, y + 1});
    for (int dy = d.Top; dy < d.Bottom; ++dy) {
        auto* line = reinterpret_cast<QRgb*>(Image->scanLine(dy));
        for (int dx = d.Left; dx < d.Right; ++dx) PlotDevice(line, dx, pen);
    }
}

void TCanvas::MoveTo(int x, int y) { Pos = {x, y}; }

void TCanvas::LineTo(int x, int y)
{
    const int x0 = Pos.X, y0 = Pos.Y;
    Pos = {x, y};
    if (Pen.Style == psClear) return;
    const int w = std::max(1, Pen.Width);
    // Bresenham from the start point up to, not including, the end point.
    int dx = std::abs(x - x0), sx = x0 < x ? 1 : -1;
    int dy = -std::abs(y - y0), sy = y0 < y ? 1 : -1;
    int err = dx + dy;
    int cx = x0, cy = y0, n = 0;
    while (!(cx == x && cy == y)) {
        if (Pen.Style == psSolid || n % 2 == 0) {
            if (w == 1) {
                PlotPen(cx, cy);
            } else {
                for (int oy = -(w / 2); oy < w - w / 2; ++oy)
                    for (int ox = -(w / 2); ox < w - w / 2; ++ox) PlotPen(cx + ox, cy + oy);
            }
        }
        ++n;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            cx += sx;
        }
        if (e2 <= dx) {
            err += dx;
            cy += sy;
        }
    }
}

void TCanvas::FillSpan(const TRect& r, TColor color)
{
    if (!Image) return;
    const TRect c = ToDevice(Intersect(r, Clip()));
    if (c.IsEmpty()) return;
    const QRgb v = ToQRgb(color);
    for (int y = c.Top; y < c.Bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(Image->scanLine(y));
        std::fill(line + c.Left, line + c.Right, v);
    }
}

void TCanvas::FillRect(const TRect& r)
{
    if (Brush.Style == bsClear) return;
    FillSpan(r, Brush.Color);
}

void TCanvas::FrameRect(const TRect& r)
{
    if (r.IsEmpty()) return;
    FillSpan({r.Left, r.Top, r.Right, r.Top + 1}, Brush.Color);
    FillSpan({r.Left, r.Bottom - 1, r.Right, r.Bottom}, Brush.Color);
    FillSpan({r.Left, r.Top, r.Left + 1, r.Bottom}, Brush.Color);
    FillSpan({r.Right - 1, r.Top, r.Right, r.Bottom}, Brush.Color);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    if (Pen.Style == psClear) {
        if (Brush.Style == bsSolid) FillSpan({left, top, right - 1, bottom - 1}, Brush.Color);
        return;
    }
    const int w = std::max(1, Pen.Width);
    if (Brush.Style == bsSolid) FillSpan({left + w, top + w, right - w, bottom - w}, Brush.Color);
    const TPoint saved = Pos;
    const int inset = w / 2;
    const int l = left + inset, t = top + inset, r = right - 1 - (w - 1 - inset), b = bottom - 1 - (w - 1 - inset);
    if (r < l || b < t) {
        Pos = saved;
        return;
    }
    if (w == 1 && Pen.Style == psSolid && Pen.Mode == pmCopy) {
        FillSpan({left, top, right, top + 1}, Pen.Color);
        FillSpan({left, bottom - 1, right, bottom}, Pen.Color);
        FillSpan({left, top, left + 1, bottom}, Pen.Color);
        FillSpan({right - 1, top, right, bottom}, Pen.Color);
    } else {
        MoveTo(l, t);
        LineTo(r, t);
        LineTo(r, b);
        LineTo(l, b);
        LineTo(l, t);
        if (r == l && b == t) PlotPen(l, t);
    }
    Pos = saved;
}

void TCanvas::DrawFocusRect(const TRect& r)
{
    if (!Image || r.IsEmpty()) return;
    const TRect c = Clip();
    // Every other pixel along the outline, inverted; the pattern repeats across the
    // surface so a second call over the same rectangle restores the pixels exactly.
    auto flip = [&](int x, int y) {
        if (!c.Contains(x, y) || ((x + y) & 1)) return;
        const TRect d = ToDevice(TRect{x, y, x + 1, y + 1});
        for (int dy = d.Top; dy < d.Bottom; ++dy) {
            auto* line = reinterpret_cast<QRgb*>(Image->scanLine(dy));
            for (int dx = d.Left; dx < d.Right; ++dx) line[dx] = 0xFF000000 | (~line[dx] & 0xFFFFFF);
        }
    };
    for (int x = r.Left; x < r.Right; ++x) {
        flip(x, r.Top);
        if (r.Bottom - 1 != r.Top) flip(x, r.Bottom - 1);
    }
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
        flip(r.Left, y);
        if (r.Right - 1 != r.Left) flip(r.Right - 1, y);
    }
}

int TCanvas::TextWidth(const std::string& text) const
{
    return QFontMetrics(Font.ToQFont()).horizontalAdvance(QStringFromUtf8(text));
}

int TCanvas::TextHeight(const std::string&) const { return QFontMetrics(Font.ToQFont()).height(); }

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    if (!Image) return;
    const QFont f = Font.ToQFont();
    const QFontMetrics fm(f);
    const QString s = QStringFromUtf8(text);
    if (Brush.Style == bsSolid) FillSpan(Bounds(x, y, fm.horizontalAdvance(s), fm.height()), Brush.Color);
    QPainter p(Image);
    p.setClipRect(ToQRect(Clip()));
    p.setFont(f);
    p.setPen(ToQColor(Font.Color));
    p.drawText(QPoint(x, y + fm.ascent()), s);
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text)
{
    if (!Image) return;
    const TRect clip = Intersect(r, Clip());
    if (Brush.Style == bsSolid) FillSpan(clip, Brush.Color);
    if (clip.IsEmpty()) return;
    const QFont f = Font.ToQFont();
    const QFontMetrics fm(f);
    QPainter p(Image);
    p.setClipRect(ToQRect(clip));
    p.setFont(f);
    p.setPen(ToQColor(Font.Color));
    p.drawText(QPoint(x, y + fm.ascent()), QStringFromUtf8(text));
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& src)
{
    if (!Image || !source.Image || dest.IsEmpty() || src.IsEmpty()) return;
    // An unscaled copy from inside the source moves rows directly: scrolling moves nearly
    // the whole picture, and a copy through a temporary image doubles that work.
    const TRect sourceAll{0, 0, source.Width(), source.Height()};
    if (dest.Width() == src.Width() && dest.Height() == src.Height() && Intersect(src, sourceAll) == src &&
        Scale() == source.Scale() && Image->format() == QImage::Format_RGB32 &&
        source.Image->format() == QImage::Format_RGB32) {
        const TRect logical = Intersect(dest, Clip());
        if (logical.IsEmpty()) return;
        // In device pixels; at a fractional ratio the two rectangles may round to sizes one
        // pixel apart, and the copy takes what both have.
        const TRect d = ToDevice(logical);
        const int sx = source.ToDevice(src.Left + (logical.Left - dest.Left));
        const int sy = source.ToDevice(src.Top + (logical.Top - dest.Top));
        const int width = std::min(d.Width(), source.Image->width() - sx);
        const int height = std::min(d.Height(), source.Image->height() - sy);
        if (width <= 0 || height <= 0) return;
        const size_t bytes = size_t(width) * 4;
        uchar* to = Image->bits(); // detaches first, so `from` below reads the same buffer
        const qsizetype toStride = Image->bytesPerLine();
        const uchar* from = source.Image->constBits();
        const qsizetype fromStride = source.Image->bytesPerLine();
        auto row = [&](int i) {
            std::memmove(to + (d.Top + i) * toStride + d.Left * 4, from + (sy + i) * fromStride + sx * 4, bytes);
        };
        // Within one image, rows moving down are copied bottom first so none is overwritten
        // before it has been read.
        if (source.Image == Image && d.Top > sy)
            for (int i = height - 1; i >= 0; --i) row(i);
        else
            for (int i = 0; i < height; ++i) row(i);
        return;
    }
    // The part keeps the source's ratio, so the painter places it by its logical size.
    const QImage part = source.Image->copy(ToQRect(source.ToDevice(src)));
    QPainter p(Image);
    p.setClipRect(ToQRect(Clip()));
    p.setCompositionMode(QPainter::CompositionMode_Source);
    if (dest.Width() == src.Width() && dest.Height() == src.Height())
        p.drawImage(QPoint(dest.Left, dest.Top), part);
    else
        p.drawImage(ToQRect(dest), part);
}

void TCanvas::Draw(int x, int y, const QImage& image)
{
    if (!Image) return;
    QPainter p(Image);
    p.setClipRect(ToQRect(Clip()));
    p.drawImage(QPoint(x, y), image);
}
