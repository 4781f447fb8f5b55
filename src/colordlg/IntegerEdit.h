#pragma once
// A one-line edit for a whole number no greater than Max: typing takes only digits,
// backspace and the full stop; Up and Down step the value within Min and Max and select the
// text; any text that arrives (typed, pasted or assigned) is cleaned to the decimal form of
// its value, and text that is no number becomes Min. OnChange reports only cleaned text.
#include <QLineEdit>
#include <functional>

class TIntegerEdit : public QLineEdit {
    Q_OBJECT
public:
    using TNotify = std::function<void(QObject* sender)>;
    using TKeyHandler = std::function<void(QObject* sender, QKeyEvent* key)>;

    explicit TIntegerEdit(QWidget* parent = nullptr);

    int Min = 0;
    int Max = 0;

    TNotify OnChange;
    TKeyHandler OnKeyDown;
    TKeyHandler OnKeyPress;
    TKeyHandler OnKeyUp;

    // The whole number a text stands for: optional sign and decimal digits within 32 bits.
    static bool ToInteger(const QString& text, int& value);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    void ChangeStep();
    bool ArrowStep(QKeyEvent* e);
    static bool TypesCharacter(const QKeyEvent* e);

    // Set by an Up or Down step, read by the key release that follows: one flag for every
    // integer edit, as only one has the keyboard at a time.
    static bool SteppedByArrow;
};
