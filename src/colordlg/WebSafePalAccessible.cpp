#include "colordlg/WebSafePalAccessible.h"

#include "colordlg/ColorModel.h"

#include <QPointer>

namespace {
// One cell, by its place in the palette's order (row by row).
class TPaletteCellAccessible : public QAccessibleInterface,
                               public QAccessibleTableCellInterface,
                               public QAccessibleActionInterface {
public:
    TPaletteCellAccessible(TWebSafePal* palette, int index) : Palette(palette), Index(index) {}

    bool isValid() const override { return Palette; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table()->window(); }
    QAccessibleInterface* parent() const override { return table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !Palette) return {};
        return QString::fromStdString(ColorToHex(Palette->CellColor(Index)));
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invalid = !Palette;
        s.invisible = s.offscreen = !Palette || !Palette->isVisible();
        s.disabled = Palette && !Palette->isEnabled();
        return s;
    }
    QRect rect() const override
    {
        if (!Palette) return {};
        const int w = Palette->CellWidth(), h = Palette->CellHeight();
        const QPoint at = Palette->mapToGlobal(QPoint(columnIndex() * w + 1, rowIndex() * h + 1));
        return {at, QSize(w, h)};
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
        if (t == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    // ---- QAccessibleTableCellInterface ----
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return Palette ? Index % Palette->Cols() : 0; }
    int rowIndex() const override { return Palette ? Index / Palette->Cols() : 0; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return QAccessible::queryAccessibleInterface(Palette.data()); }

    // ---- QAccessibleActionInterface ----
    QStringList actionNames() const override
    {
        return Palette && Palette->isEnabled() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && Palette && Palette->isEnabled()) Palette->PickCell(Index);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<TWebSafePal> Palette;
    int Index;
};
} // namespace

TWebSafePalAccessible::TWebSafePalAccessible(TWebSafePal* palette) : QAccessibleWidget(palette, QAccessible::Table) {}

TWebSafePalAccessible::~TWebSafePalAccessible()
{
    for (QAccessible::Id id : Cells)
        if (id) QAccessible::deleteAccessibleInterface(id);
}

void* TWebSafePalAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QAccessibleInterface* TWebSafePalAccessible::child(int index) const
{
    if (index < 0 || index >= WebSafeCells) return nullptr;
    QAccessible::Id& id = Cells[size_t(index)];
    if (!id) id = QAccessible::registerAccessibleInterface(new TPaletteCellAccessible(Palette(), index));
    return QAccessible::accessibleInterface(id);
}

int TWebSafePalAccessible::indexOfChild(const QAccessibleInterface* c) const
{
    for (int i = 0; i < WebSafeCells; ++i)
        if (Cells[size_t(i)] && QAccessible::accessibleInterface(Cells[size_t(i)]) == c) return i;
    return -1;
}

QAccessibleInterface* TWebSafePalAccessible::childAt(int x, int y) const
{
    const QPoint p = Palette()->mapFromGlobal(QPoint(x, y));
    const int w = Palette()->CellWidth(), h = Palette()->CellHeight();
    if (!Palette()->InCellsArea(p.x(), p.y()) || w <= 0 || h <= 0) return nullptr;
    return cellAt((p.y() - 1) / h, (p.x() - 1) / w);
}

QAccessibleInterface* TWebSafePalAccessible::cellAt(int row, int column) const
{
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return nullptr;
    return child(row * columnCount() + column);
}
