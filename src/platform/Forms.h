#pragma once
// Windows and dialogs with the classic form behaviour: modal results, a default button that
// Enter presses and a cancel button that Esc presses, client sizes and positions in pixels,
// centring, fixed frames, and controls anchored to the edges of their parent.
#include "platform/Geometry.h"

#include <QDialog>
#include <QPointer>

class QAbstractButton;
class QPushButton;

enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

enum TAnchor : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;

class TForm : public QDialog {
    Q_OBJECT
public:
    explicit TForm(QWidget* owner = nullptr);

    // Shows the form modally and returns its modal result (Cancel for the close box).
    int ShowModal();
    int ModalResult() const { return FModalResult; }
    // A non-zero result closes a modal form, as on Windows.
    void SetModalResult(int result);

    void SetClientSize(int width, int height);
    void SetFixedFrame(bool fixed); // no resizing, no minimise or maximise
    void CenterOnScreen();
    // The screen the form is on (its centre), or the primary one.
    QRect ScreenRect() const;
    // The window manager's frame around the form. Before the form is first framed, that of
    // another framed window of the program that is showing, as a desktop frames its dialogs
    // alike; none when there is no such window.
    QMargins FrameMargins() const;
    // Moves the form to the centre of its screen as a whole window, frame included.
    void CenterFrameOnScreen();

    void SetDefaultButton(QPushButton* b);
    void SetCancelButton(QAbstractButton* b);
    // Clicking `b` closes the modal form with `result`.
    void SetButtonResult(QAbstractButton* b, int result);
    // The one button that both Enter and Esc press, closing the modal form with `result`.
    void SetCloseButton(QPushButton* b, int result);

protected:
    // Asked once before the form closes, whichever way it is closed (close box, Esc, a
    // button's modal result, the program); false keeps it open.
    virtual bool CloseQuery() { return true; }
    // The form's handlers, called from here alone: FormShow each time the program shows the
    // form (coming back from being minimised is no showing), then FormActivate, which runs
    // again whenever the form becomes the active window. What they throw goes to the general
    // error report.
    virtual void FormShow() {}
    virtual void FormActivate() {}

    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;
    void done(int r) override;

private:
    int FModalResult = mrNone;
    bool FFixed = false;
    bool FCloseApproved = false; // set while a close already answered CloseQuery
    bool ApproveClose();
    QPointer<QPushButton> FDefault;
    QPointer<QAbstractButton> FCancel;
};

// Places a control by left, top, width and height within its parent.
void Place(QWidget* w, int left, int top, int width, int height);
// A push button named `name` showing `caption`, placed by left, top, width and height.
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                        int height);
// Keeps `w` at its current distances to the parent's edges named in `anchors`: anchored to
// left and right it stretches, to right only it moves, and likewise vertically.
void SetAnchors(QWidget* w, TAnchors anchors);
