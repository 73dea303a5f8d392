#include "app/grid_model.h"

namespace vz {

EventGridModel::EventGridModel(EventGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid) {}

int EventGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : EventGridRows - 1;
}

int EventGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : EventGridCols;
}

QVariant EventGridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return QString::fromStdString(m_grid.cells.cell(index.column(), index.row() + 1));
}

QVariant EventGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return QString::fromStdString(m_grid.cells.cell(section, 0));
}

void EventGridModel::setCell(int row, int column, const std::string& text) {
    if (m_grid.cells.cell(column, row) == text)
        return;
    m_grid.cells.cell(column, row) = text;
    if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, column, column);
    } else {
        const QModelIndex at = index(row - 1, column);
        emit dataChanged(at, at, {Qt::DisplayRole});
    }
}

void EventGridModel::gridChanged() {
    emit headerDataChanged(Qt::Horizontal, 0, EventGridCols - 1);
    emit dataChanged(index(0, 0), index(rowCount() - 1, EventGridCols - 1), {Qt::DisplayRole});
}

} // namespace vz
