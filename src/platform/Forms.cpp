#include "platform/Forms.h"

#include "platform/Application.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>

TForm::TForm(QWidget* owner) : QDialog(owner)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void TForm::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    RunGuarded([this] { FormShow(); });
    RunGuarded([this] { FormActivate(); });
}

void TForm::changeEvent(QEvent* e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) RunGuarded([this] { FormActivate(); });
}

int TForm::ShowModal()
{
    FModalResult = mrNone;
    setModal(true);
    exec();
    return FModalResult == mrNone ? int(mrCancel) : FModalResult;
}

void TForm::SetModalResult(int result)
{
    FModalResult = result;
    if (result != mrNone && isVisible()) {
        if (!ApproveClose()) {
            FModalResult = mrNone;
            return;
        }
        const QScopedValueRollback<bool> approved(FCloseApproved, true);
        if (isModal())
            QDialog::done(result);
        else
            close();
    }
}

bool TForm::ApproveClose() { return FCloseApproved || !isVisible() || CloseQuery(); }

void TForm::done(int r)
{
    if (!ApproveClose()) return;
    const QScopedValueRollback<bool> approved(FCloseApproved, true);
    if (FModalResult == mrNone) FModalResult = (r == QDialog::Accepted) ? int(mrOk) : int(mrCancel);
    QDialog::done(r);
}

void TForm::SetClientSize(int width, int height)
{
    if (FFixed)
        setFixedSize(width, height);
    else
        resize(width, height);
}

void TForm::SetFixedFrame(bool fixed)
{
    FFixed = fixed;
    // Spelt out rather than left to the defaults: a dialog frame with a title and a close
    // button, and nothing to minimise or maximise.
    if (fixed)
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint);
    else
        setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
    if (fixed) setFixedSize(size());
    else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

QRect TForm::ScreenRect() const
{
    QScreen* s = screen();
    if (!s) s = QGuiApplication::primaryScreen();
    return s ? s->geometry() : QRect(0, 0, 1024, 768);
}

namespace {
QMargins FrameOf(const QWidget* w)
{
    const QRect f = w->frameGeometry();
    const QRect g = w->geometry();
    return QMargins(g.x() - f.x(), g.y() - f.y(), f.x() + f.width() - g.x() - g.width(),
                    f.y() + f.height() - g.y() - g.height());
}
} // namespace

QMargins TForm::FrameMargins() const
{
    if (isVisible()) {
        const QMargins own = FrameOf(this);
        if (!own.isNull()) return own;
    }
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        if (w == this || !w->isVisible() || (w->windowFlags() & Qt::FramelessWindowHint)) continue;
        const Qt::WindowType type = w->windowType();
        if (type != Qt::Window && type != Qt::Dialog) continue;
        const QMargins other = FrameOf(w);
        if (!other.isNull()) return other;
    }
    return {};
}

void TForm::CenterFrameOnScreen()
{
    const QRect screen = ScreenRect();
    const QMargins m = FrameMargins();
    const int outerWidth = width() + m.left() + m.right();
    const int outerHeight = height() + m.top() + m.bottom();
    // move() places the frame's corner.
    move(screen.x() + screen.width() / 2 - outerWidth / 2, screen.y() + screen.height() / 2 - outerHeight / 2);
}

void TForm::CenterOnScreen()
{
    const QRect screenRect = ScreenRect();
    const QSize frame = frameGeometry().size().isValid() && isVisible() ? frameGeometry().size() : size();
    move(screenRect.x() + screenRect.width() / 2 - frame.width() / 2,
         screenRect.y() + screenRect.height() / 2 - frame.height() / 2);
}

void TForm::SetDefaultButton(QPushButton* b)
{
    FDefault = b;
    if (b) b->setDefault(true);
}

void TForm::SetCancelButton(QAbstractButton* b) { FCancel = b; }

void TForm::SetButtonResult(QAbstractButton* b, int result)
{
    connect(b, &QAbstractButton::clicked, this, [this, result] { SetModalResult(result); });
}

void TForm::SetCloseButton(QPushButton* b, int result)
{
    SetDefaultButton(b);
    SetCancelButton(b);
    SetButtonResult(b, result);
}

void TForm::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        if (FCancel && FCancel->isEnabled() && FCancel->isVisible()) FCancel->click();
        e->accept();
        return;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == Qt::NoModifier) {
        // A focused button takes Enter itself; elsewhere Enter presses the default button.
        auto* focused = qobject_cast<QAbstractButton*>(focusWidget());
        if (focused && focused->isEnabled()) focused->click();
        else if (FDefault && FDefault->isEnabled() && FDefault->isVisible()) FDefault->click();
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TForm::reject()
{
    // Esc reaches us through keyPressEvent; what remains is the window being closed.
    if (!ApproveClose()) return;
    const QScopedValueRollback<bool> approved(FCloseApproved, true);
    if (FModalResult == mrNone) FModalResult = mrCancel;
    QDialog::reject();
}

void TForm::closeEvent(QCloseEvent* e)
{
    if (!ApproveClose()) {
        e->ignore();
        return;
    }
    const QScopedValueRollback<bool> approved(FCloseApproved, true);
    if (FModalResult == mrNone) FModalResult = mrCancel;
    QDialog::closeEvent(e);
}

void Place(QWidget* w, int left, int top, int width, int height) { w->setGeometry(left, top, width, height); }

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                        int height)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    Place(b, left, top, width, height);
    return b;
}

namespace {
class AnchorKeeper : public QObject {
public:
    AnchorKeeper(QWidget* w, TAnchors anchors) : QObject(w), W(w), Anchors(anchors)
    {
        Capture();
        w->parentWidget()->installEventFilter(this);
    }
    void Capture()
    {
        const QWidget* p = W->parentWidget();
        const QRect g = W->geometry();
        Left = g.x();
        Top = g.y();
        RightGap = p->width() - (g.x() + g.width());
        BottomGap = p->height() - (g.y() + g.height());
        Width = g.width();
        Height = g.height();
    }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o == W->parentWidget() && e->type() == QEvent::Resize) Apply();
        return false;
    }
    void Apply()
    {
        const QWidget* p = W->parentWidget();
        int x = Left, w = Width, y = Top, h = Height;
        if ((Anchors & akRight) && (Anchors & akLeft)) w = p->width() - RightGap - Left;
        else if (Anchors & akRight) x = p->width() - RightGap - Width;
        if ((Anchors & akBottom) && (Anchors & akTop)) h = p->height() - BottomGap - Top;
        else if (Anchors & akBottom) y = p->height() - BottomGap - Height;
        W->setGeometry(x, y, std::max(0, w), std::max(0, h));
    }
    QWidget* W;
    TAnchors Anchors;
    int Left = 0, Top = 0, RightGap = 0, BottomGap = 0, Width = 0, Height = 0;
};
} // namespace

void SetAnchors(QWidget* w, TAnchors anchors)
{
    if (!w->parentWidget()) return;
    for (QObject* child : w->children())
        if (auto* keeper = dynamic_cast<AnchorKeeper*>(child)) delete keeper;
    new AnchorKeeper(w, anchors);
}
