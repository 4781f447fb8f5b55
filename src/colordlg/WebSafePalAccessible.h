#pragma once
// The web-safe palette as screen readers see it: a table of its rows and columns of cells,
// each named by its colour's code ("#CC9933") with a Press action that picks it, as a click
// on it does. The cells are drawn, so each is an interface of its own, made when first asked
// for and kept by Qt's accessibility cache until the palette goes.
#include "colordlg/ColorModel.h"
#include "colordlg/WebSafePal.h"

#include <QAccessibleWidget>

#include <array>

class TWebSafePalAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TWebSafePalAccessible(TWebSafePal* palette);
    ~TWebSafePalAccessible() override;

    void* interface_cast(QAccessible::InterfaceType t) override;
    int childCount() const override { return WebSafeCells; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // ---- QAccessibleTableInterface: no caption, no headers, nothing selected ----
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Palette()->Cols(); }
    int rowCount() const override { return Palette()->Rows(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    TWebSafePal* Palette() const { return static_cast<TWebSafePal*>(widget()); }

private:
    static constexpr int WebSafeCells = WebSafeCount;
    mutable std::array<QAccessible::Id, WebSafeCells> Cells{};
};
