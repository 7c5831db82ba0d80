#include "platform/qt/qt_grid.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>

namespace platform::qt {

namespace {

QString qs(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

}  // namespace

Grid::Grid(QWidget* parent, std::function<void(int row, unsigned oldState)> itemChanged)
    : QTableWidget(parent), itemChanged_(std::move(itemChanged)) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setShowGrid(false);
    verticalHeader()->hide();
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    setItemDelegate(new GridDelegate(*this));
}

void Grid::insertColumn(int column, const GridColumn& spec) {
    column = std::clamp(column, 0, columnCount());
    columns_.insert(columns_.begin() + column, spec);
    QTableWidget::insertColumn(column);
    auto* header = new QTableWidgetItem(qs(spec.heading));
    header->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setHorizontalHeaderItem(column, header);
    if (spec.width <= 0)
        hideColumn(column);
    else
        setColumnWidth(column, spec.width);
    for (int row = 0; row < rowCount(); ++row) setCellText(row, column, QString());
}

void Grid::insertRow(int row) {
    row = std::clamp(row, 0, rowCount());
    QTableWidget::insertRow(row);
    for (int column = 0; column < columnCount(); ++column) setCellText(row, column, QString());
}

void Grid::setCellText(int row, int column, const QString& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return;
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (columns_[column].editor != CellEditor::None) flags |= Qt::ItemIsEditable;
        cell->setFlags(flags);
        cell->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setItem(row, column, cell);
    }
    cell->setText(text);
}

QString Grid::cellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

const GridColumn* Grid::columnSpec(int column) const {
    return column >= 0 && column < static_cast<int>(columns_.size()) ? &columns_[column]
                                                                     : nullptr;
}

void Grid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    // The base commits and closes the editor of the previous cell first.
    QTableWidget::currentChanged(current, previous);
    if (current.row() == previous.row()) return;
    if (previous.isValid()) itemChanged_(previous.row(), kItemFocused | kItemSelected);
    if (current.isValid()) itemChanged_(current.row(), 0);
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    const GridColumn* spec = grid_.columnSpec(index.column());
    if (!spec || spec->editor == CellEditor::None) return nullptr;
    if (spec->editor == CellEditor::Edit) return new QLineEdit(parent);
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const auto& item : spec->items) combo->addItem(qs(item));
    (void)option;
    return combo;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const int listed = combo->findText(text);
        combo->setCurrentIndex(listed);
        combo->setEditText(text);
        combo->lineEdit()->selectAll();
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(text);
        edit->selectAll();
    }
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        model->setData(index, combo->currentText(), Qt::EditRole);
    else if (auto* edit = qobject_cast<QLineEdit*>(editor))
        model->setData(index, edit->text(), Qt::EditRole);
}

}  // namespace platform::qt
