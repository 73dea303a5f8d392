#include "app/grid_model.h"

#include "app/event_glyphs.h"

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
    if (!index.isValid())
        return {};
    const int row = index.row() + 1;
    if (m_grid.isBlank(row) && role != Qt::DisplayRole)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        // A yearly event shows the occurrence it counts to; the grid keeps the first one.
        if (index.column() == DateCol && !m_grid.cells.cell(OccurrenceDateCol, row).empty())
            return QString::fromStdString(m_grid.cells.cell(OccurrenceDateCol, row));
        return QString::fromStdString(m_grid.cells.cell(index.column(), row));
    case Qt::DecorationRole:
        return index.column() == DescriptionCol ? QVariant(eventOptionsIcon(m_grid, row))
                                                : QVariant();
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        // A screen reader hears what the glyph shows.
        if (const QString tip = eventOptionsToolTip(m_grid, row); !tip.isEmpty())
            return tip;
        return {};
    default:
        return {};
    }
}

QVariant EventGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // The heading row has a fixed height and its columns fixed widths, and the row headings are
    // hidden, so a heading's own size is never used: without this the view measures every
    // heading, on each change, in a bold face it never draws, and loads that face at the start
    // only for that.
    if (role == Qt::SizeHintRole)
        return QSize(0, 0);
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return QString::fromStdString(m_grid.cells.cell(section, 0));
}

void EventGridModel::setCell(int row, int column, const std::string& text) {
    std::string& cell = m_grid.cells.cell(column, row);
    if (cell == text)
        return;
    if (row == 0) {
        cell = text;
        emit headerDataChanged(Qt::Horizontal, column, column);
        return;
    }
    const QModelIndex at = index(row - 1, column == OccurrenceDateCol ? DateCol : column);
    const bool shows = column >= static_cast<int>(m_changeShows.size()) ||
                       !m_changeShows[static_cast<std::size_t>(column)] ||
                       m_changeShows[static_cast<std::size_t>(column)](at, cell, text);
    cell = text;
    if (shows)
        emit dataChanged(at, at, {Qt::DisplayRole});
}

void EventGridModel::setChangeJudge(int column, ChangeShows judge) {
    m_changeShows.at(static_cast<std::size_t>(column)) = std::move(judge);
}

void EventGridModel::gridChanged() {
    emit headerDataChanged(Qt::Horizontal, 0, EventGridCols - 1);
    emit dataChanged(index(0, 0), index(rowCount() - 1, EventGridCols - 1));
    emit rowsChanged();
}

} // namespace vz
