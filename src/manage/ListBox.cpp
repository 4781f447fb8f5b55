#include "manage/ListBox.h"

#include "platform/Utf8.h"

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
    auto* item = new QListWidgetItem(QStringFromUtf8(name));
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
    if (!(Snapshot() == before)) UserChanged(before);
}

void TListBox::mousePressEvent(QMouseEvent* e)
{
    // Only the left button selects, as in the system's list boxes. Any other button moving
    // the focused item would, unseen, change the file that Save writes to.
    if (e->button() != Qt::LeftButton) {
        e->accept();
        return;
    }
    const State before = Snapshot();
    FRefused.reset();
    QListWidget::mousePressEvent(e);
    if (itemAt(e->position().toPoint()) && !UserChanged(before)) FRefused = before;
}

void TListBox::mouseReleaseEvent(QMouseEvent* e)
{
    QListWidget::mouseReleaseEvent(e);
    // The view may finish a click's selection on the release; a refused one stays undone.
    if (FRefused && e->button() == Qt::LeftButton) {
        Restore(*FRefused);
        FRefused.reset();
    }
}

bool TListBox::UserChanged(const State& before)
{
    if (OnCanChange && !OnCanChange()) {
        Restore(before);
        return false;
    }
    if (OnClick) OnClick();
    return true;
}

void TListBox::Restore(const State& s)
{
    clearSelection();
    for (int row : s.Selected)
        if (QListWidgetItem* it = item(row)) it->setSelected(true);
    const QModelIndex current = s.Current >= 0 ? model()->index(s.Current, 0) : QModelIndex();
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
}

void TListBox::focusInEvent(QFocusEvent* e)
{
    // A list with no focused item keeps none when it gets the focus; the first arrow key then
    // starts at the top.
    const bool none = !currentIndex().isValid();
    QListWidget::focusInEvent(e);
    if (none && currentIndex().isValid()) selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}
