#pragma once
// Pieces the program's own windows share: the program's icon, a plain rectangle shape, the
// 32-pixel icon image, the base of the dialog boxes with their icon band, and labels that show
// the program's texts.
#include "platform/Color.h"
#include "platform/Forms.h"

#include <QIcon>
#include <QLabel>
#include <QWidget>
#include <string>

// A filled rectangle with a one-pixel outline, like the classic shape control.
class TShape : public QWidget {
    Q_OBJECT
public:
    TShape(QWidget* parent, TColor brush, TColor pen);
    TColor BrushColor() const { return FBrush; }
    TColor PenColor() const { return FPen; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    TColor FBrush;
    TColor FPen;
};

// The program's icon, in the sizes a window's frame and the task bar ask for.
QIcon ProgramIcon();
// The application's icon at 32 x 32, centred in its box, drawn with its transparency.
QLabel* MakeIconImage(QWidget* parent, const QString& name, int left, int top);

// The base of the program's three dialog boxes (message, question, input): the program's name
// and icon on the frame, a fixed frame, and the icon band.
class TDialogBox : public TForm {
    Q_OBJECT
public:
    TShape* Shape1 = nullptr; // the panel beside the icon, outlined in the highlight colour
    TShape* Shape2 = nullptr; // the highlight-coloured square behind the icon
    QLabel* Icon = nullptr;

    // The message and question boxes hold their controls in a client area inside a border.
    static constexpr int BorderWidth = 5;
    QWidget* Client = nullptr;
    int ClientWidth() const { return Client->width(); }

protected:
    TDialogBox(QWidget* owner, const QString& name);
    // The client area, `width` x `height`, and the window around it with its border.
    void MakeClient(int width, int height);
    // The client area and the window around it made `width` wide.
    void SetClientWidth(int width);
    // The band in `parent`: the 41-pixel square at `square` with the icon (named `iconName`)
    // 4 pixels in, over the panel at `panel`.
    void MakeIconBand(QWidget* parent, QPoint square, const QRect& panel, const QString& iconName);
};

// A plain panel: a named child widget placed at left, top, width, height, anchored to the
// parent's edges named in `anchors` (none: it stays where it is put).
QWidget* MakePanel(QWidget* parent, const QString& name, int left, int top, int width, int height, TAnchors anchors = 0);

// A label that sizes itself to its text. Without a buddy an ampersand is shown as itself;
// with one, "&x" marks the accelerator that focuses the buddy.
QLabel* MakeAutoLabel(QWidget* parent, const QString& name, int left, int top, const QString& text);
void SetLabelText(QLabel* label, const std::string& text);
