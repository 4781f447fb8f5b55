#include "manage/ListBox.h"

#include "platform/Win1252.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

TListBox::TListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSortingEnabled(false);
}

void TListBox::AddName(const std::string& name)
{
    auto* item = new QListWidgetItem(ToQString(name));
    item->setData(Qt::UserRole, QByteArray(name.data(), qsizetype(name.size())));
    addItem(item);
}

std::string TListBox::NameAt(int row) const
{
    const QListWidgetItem* it = item(row);
    if (!it) return {};
    const QByteArray bytes = it->data(Qt::UserRole).toByteArray();
    return std::string(bytes.constData(), size_t(bytes.size()));
}

std::vector<int> TListBox::SelectedRows() const
{
    std::vector<int> rows;
    for (int i = 0; i < count(); ++i)
        if (item(i)->isSelected()) rows.push_back(i);
    return rows;
}

void TListBox::keyPressEvent(QKeyEvent* e)
{
    if (OnKeyDown && OnKeyDown(e->key())) {
        e->accept();
        return;
    }
    const State before = Snapshot();
    QListWidget::keyPressEvent(e);
    if (OnClick && !(Snapshot() == before)) OnClick();
}

void TListBox::mousePressEvent(QMouseEvent* e)
{
    // Only the left button selects, as in the system's list boxes. Any other button moving
    // the focused item would, unseen, change the file that Save writes to.
    if (e->button() != Qt::LeftButton) {
        e->accept();
        return;
    }
    QListWidget::mousePressEvent(e);
    if (OnClick && e->button() == Qt::LeftButton && itemAt(e->position().toPoint())) OnClick();
}

void TListBox::focusInEvent(QFocusEvent* e)
{
    // A list with no focused item keeps none when it gets the focus; the first arrow key then
    // starts at the top.
    const bool none = !currentIndex().isValid();
    QListWidget::focusInEvent(e);
    if (none && currentIndex().isValid()) selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}
