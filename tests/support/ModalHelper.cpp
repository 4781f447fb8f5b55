#include "ModalHelper.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <memory>

void WhenModal(std::function<void(QWidget*)> action, int timeoutMs)
{
    auto* timer = new QTimer(qApp);
    auto elapsed = std::make_shared<QElapsedTimer>();
    elapsed->start();
    // Held as a guarded pointer: a dialog built after `before` is destroyed may reuse its
    // address, and must still count as the next one.
    QPointer<QWidget> before = QApplication::activeModalWidget();
    QObject::connect(timer, &QTimer::timeout, [timer, action, elapsed, timeoutMs, before] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != before && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        } else if (elapsed->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

void ClickButton(QWidget* dialog, const QString& name)
{
    for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) {
        if (b->objectName() == name || b->text() == name) {
            b->click();
            return;
        }
    }
}

QWidget* WaitForModal(int timeoutMs, QWidget* except)
{
    QWidget* found = nullptr;
    (void)QTest::qWaitFor([&] {
        QWidget* m = QApplication::activeModalWidget();
        if (m && m != except && m->isVisible()) found = m;
        return found != nullptr;
    }, timeoutMs);
    return found;
}
