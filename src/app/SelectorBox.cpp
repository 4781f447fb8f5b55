#include "app/SelectorBox.h"

#include "platform/Utf8.h"

#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

// The edit part. A key is handled whole before anyone hears of the edit it made, so the
// handlers see the completed entry, not the typed prefix.
class TSelectorEdit : public QLineEdit {
public:
    TSelectorEdit(TSelectorBox* box) : QLineEdit(box), Box(box) {}

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        const bool isReturn = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
        // A completion is shown whole, its completed part selected: Enter takes it as it
        // stands. Left to itself the edit would put back whatever its completer last offered
        // (stale once the program has set another text) and keep the key from the window's
        // default button, so a second Enter would be needed to run it.
        if (isReturn && hasSelectedText()) end(false);
        Box->BeforeKey(isReturn);
        QLineEdit::keyPressEvent(e);
        Box->AfterKey();
    }

private:
    TSelectorBox* Box;
};

TSelectorBox::TSelectorBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setLineEdit(new TSelectorEdit(this));
    // Enter belongs to the window's default button; it must never add the text as an item.
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(8);
    Completer = new QCompleter(model(), this);
    Completer->setCompletionMode(QCompleter::InlineCompletion);
    Completer->setCaseSensitivity(Qt::CaseInsensitive);
    setCompleter(Completer);

    connect(lineEdit(), &QLineEdit::textEdited, this, &TSelectorBox::OnTextEdited);
    connect(Completer, qOverload<const QString&>(&QCompleter::highlighted), this, [this] { Completed = true; });
    connect(this, &QComboBox::activated, this, &TSelectorBox::OnActivated);
}

std::string TSelectorBox::Text() const { return Utf8FromQString(currentText()); }

void TSelectorBox::SetText(const std::string& text)
{
    const QSignalBlocker blockBox(this);
    const QSignalBlocker blockEdit(lineEdit());
    setEditText(QStringFromUtf8(text));
}

void TSelectorBox::SetItems(const std::vector<std::string>& names)
{
    const QSignalBlocker blockBox(this);
    const QSignalBlocker blockEdit(lineEdit());
    const QString text = currentText();
    clear();
    QStringList items;
    items.reserve(qsizetype(names.size()));
    for (const std::string& n : names) items.append(QStringFromUtf8(n));
    addItems(items);
    setCurrentIndex(-1);
    setEditText(text);
}

void TSelectorBox::ClearAll()
{
    const QSignalBlocker blockBox(this);
    const QSignalBlocker blockEdit(lineEdit());
    clear();
    setEditText(QString());
}

std::vector<std::string> TSelectorBox::Items() const
{
    std::vector<std::string> out;
    for (int i = 0; i < count(); ++i) out.push_back(Utf8FromQString(itemText(i)));
    return out;
}

void TSelectorBox::BeforeKey(bool isReturn)
{
    ++KeyDepth;
    EditedInKey = false;
    Completed = false;
    ReturnPressed = isReturn;
}

void TSelectorBox::AfterKey()
{
    --KeyDepth;
    ReturnPressed = false;
    if (!EditedInKey) return;
    EditedInKey = false;
    if (Completed) MatchCompletionToEntry();
    emit UserChanged();
}

void TSelectorBox::OnTextEdited()
{
    if (KeyDepth > 0) {
        EditedInKey = true;
        return;
    }
    // Paste from the context menu, drag and drop, input methods.
    emit UserChanged();
}

void TSelectorBox::OnActivated()
{
    // Enter only confirms the text; it does not pick anything.
    if (ReturnPressed) return;
    emit UserChanged();
}

void TSelectorBox::MatchCompletionToEntry()
{
    // The completer keeps the typed letters' case; the entry it completed to is meant, so
    // show the entry itself, select it, and keep the completed part selected.
    QLineEdit* edit = lineEdit();
    const QString text = edit->text();
    const int typed = edit->hasSelectedText() ? edit->selectionStart() : int(text.size());
    for (int i = 0; i < count(); ++i) {
        if (itemText(i).compare(text, Qt::CaseInsensitive) != 0) continue;
        const QSignalBlocker blockBox(this);
        const QSignalBlocker blockEdit(edit);
        setCurrentIndex(i);
        edit->setText(itemText(i));
        edit->setSelection(int(itemText(i).size()), typed - int(itemText(i).size()));
        return;
    }
}
