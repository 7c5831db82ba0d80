#pragma once
// The grid: a report-view list whose cells are edited in place, each column by its own
// editor (none, a line edit, an editable drop-down with a fixed list).

#include <QStyledItemDelegate>
#include <QTableWidget>
#include <functional>
#include <vector>

#include "platform/window.h"

namespace platform::qt {

class Grid final : public QTableWidget {
  public:
    // `itemChanged` is told of the row that lost the focus (its old state focused and
    // selected), after the editor that was open in it has given the cell its text, and then
    // of the row that took it (old state 0).
    Grid(QWidget* parent, std::function<void(int row, unsigned oldState)> itemChanged);

    void insertColumn(int column, const GridColumn& spec);
    void insertRow(int row);
    void setCellText(int row, int column, const QString& text);
    QString cellText(int row, int column) const;
    const GridColumn* columnSpec(int column) const;
    bool editing() const { return state() == EditingState; }

  protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

  private:
    std::function<void(int row, unsigned oldState)> itemChanged_;
    std::vector<GridColumn> columns_;
};

// Makes each column's editor and moves the text between it and the cell.
class GridDelegate final : public QStyledItemDelegate {
  public:
    explicit GridDelegate(Grid& grid) : QStyledItemDelegate(&grid), grid_(grid) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  private:
    Grid& grid_;
};

}  // namespace platform::qt
