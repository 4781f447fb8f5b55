#pragma once
// A drawing surface with the rules of the classic Windows device context, over a QImage
// (RGB32): lines leave their end point undrawn, rectangles and fills exclude their right and
// bottom edges, text is drawn opaque over the brush or transparent, the focus rectangle is
// XOR-drawn so a second call restores the pixels.
//
// Coordinates are logical pixels. An image with a device pixel ratio above 1 (a high-density
// screen) holds that many device pixels per logical one: fills, lines and pixel writes cover
// every device pixel of the logical pixels they name, text is rendered at device resolution,
// and a pixel read returns the first device pixel of the logical one. At ratio 1 a logical
// pixel is a pixel of the image.
#include "platform/Color.h"
#include "platform/Geometry.h"

#include <QFont>
#include <QImage>
#include <cmath>
#include <string>

enum TPenMode { pmCopy, pmXor, pmNot, pmNotXor };
enum TPenStyle { psSolid, psDot, psClear };
enum TBrushStyle { bsSolid, bsClear };

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenMode Mode = pmCopy;
    TPenStyle Style = psSolid;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

// A font by face name and pixel height (the em height; a point is 96/72 of a pixel).
struct TFont {
    std::string Name = "Tahoma";
    int Height = 11;
    TFontStyles Style = 0;
    TColor Color = clWindowText;
    bool FixedPitch = false;

    int Size() const;            // points, rounded
    void SetSize(int points);
    QFont ToQFont() const;
    friend bool operator==(const TFont&, const TFont&) = default;
};

class TCanvas {
public:
    explicit TCanvas(QImage* image = nullptr);

    void SetImage(QImage* image) { Image = image; }
    QImage* GetImage() const { return Image; }
    int Width() const { return Image ? ToLogical(Image->width()) : 0; }
    int Height() const { return Image ? ToLogical(Image->height()) : 0; }

    // Device pixels per logical pixel: the image's device pixel ratio.
    qreal Scale() const { return Image ? Image->devicePixelRatio() : 1.0; }
    // The device pixel where the logical coordinate `v` begins.
    int ToDevice(int v) const
    {
        const qreal s = Scale();
        return s == 1.0 ? v : int(std::floor(v * s + 0.5));
    }
    // The device pixels `r` covers; an edge at or past the surface's own edge takes the
    // image's last device pixel with it, however the ratio rounds.
    TRect ToDevice(const TRect& r) const;

    TPen Pen;
    TBrush Brush;
    TFont Font;

    void MoveTo(int x, int y);
    void LineTo(int x, int y); // the end point stays undrawn and becomes the pen position
    TPoint PenPos() const { return Pos; }

    // Outline with the pen inside [Left, Right) x [Top, Bottom), interior with the brush.
    // With a clear pen the filled area loses its right and bottom rows, as on Windows.
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void FillRect(const TRect& r);     // the brush over [Left, Right) x [Top, Bottom)
    void FrameRect(const TRect& r);    // one-pixel frame in the brush colour
    void DrawFocusRect(const TRect& r);

    // Texts are the program's own (UTF-8).
    // Text at (x, y) as its top-left corner; opaque over its own extent with a solid brush.
    void TextOut(int x, int y, const std::string& text);
    // Text clipped to `r`; with a solid brush the whole of `r` is filled first.
    void TextRect(const TRect& r, int x, int y, const std::string& text);
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;

    TColor GetPixel(int x, int y) const; // -1 (0xFFFFFFFF) outside the surface
    void SetPixel(int x, int y, TColor c);

    // Copies `src` of `source` onto `dest` of this canvas, scaled when the sizes differ.
    // Overlapping copies within one canvas work.
    void CopyRect(const TRect& dest, const TCanvas& source, const TRect& src);
    // Draws an image with its alpha channel at (x, y).
    void Draw(int x, int y, const QImage& image);

    // Restricts drawing to `r` until ClearClip (intersected with the surface).
    void SetClip(const TRect& r);
    void ClearClip();

private:
    // Logical pixels in `device` pixels, for an image of ⌈logical × ratio⌉ device pixels.
    int ToLogical(int device) const
    {
        const qreal s = Scale();
        return s == 1.0 ? device : int(std::floor(device / s + 1e-6));
    }
    void PlotPen(int x, int y);
    void PlotDevice(QRgb* line, int x, QRgb pen);
    void FillSpan(const TRect& r, TColor color);
    TRect Clip() const;

    QImage* Image = nullptr;
    TPoint Pos;
    bool HasClip = false;
    TRect ClipRect;
};

// Saves a canvas's pen, brush and font and puts them back when it goes out of scope.
class TCanvasStateSaver {
public:
    explicit TCanvasStateSaver(TCanvas& c) : C(c), Pen(c.Pen), Brush(c.Brush), Font(c.Font) {}
    ~TCanvasStateSaver()
    {
        C.Pen = Pen;
        C.Brush = Brush;
        C.Font = Font;
    }
    TCanvasStateSaver(const TCanvasStateSaver&) = delete;
    TCanvasStateSaver& operator=(const TCanvasStateSaver&) = delete;

private:
    TCanvas& C;
    TPen Pen;
    TBrush Brush;
    TFont Font;
};
