#pragma once
// Answers modal dialogs in tests: `WhenModal` waits (without blocking the nested event loop)
// for the next modal widget to appear and runs `action` on it.
#include <QAbstractButton>
#include <QApplication>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

// Calls `action` with the next active modal widget once it is shown (polling every 10 ms,
// giving up after `timeoutMs`). Returns at once; the action runs inside the dialog's loop.
void WhenModal(std::function<void(QWidget*)> action, int timeoutMs = 5000);

// Clicks the child button of `dialog` whose objectName is `name` (or whose text is `name`).
void ClickButton(QWidget* dialog, const QString& name);

// Waits for the modal widget other than `except`, up to `timeoutMs`; nullptr if none came.
QWidget* WaitForModal(int timeoutMs = 2000, QWidget* except = nullptr);
