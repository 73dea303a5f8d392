// The event grid as a Qt table model: the view's rows are the grid's event rows 1 to 25, its
// header is the grid's heading row 0. The grid itself stays the one copy of the list.
#pragma once

#include "store/event_grid.h"

#include <QAbstractTableModel>

#include <array>
#include <functional>

namespace vz {

class EventGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit EventGridModel(EventGrid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Sets a cell of the grid (row 0 is the heading row), repainting it only when it changed.
    // Where a column has a judge of changes, the judge repaints what shows and says whether
    // the view should still be told (false: the judge saw to it).
    void setCell(int row, int column, const std::string& text);
    using ChangeShows = std::function<bool(const QModelIndex& index, const std::string& before,
                                           const std::string& after)>;
    void setChangeJudge(int column, ChangeShows judge);
    // After the grid was changed as a whole (loaded, sorted, rows moved).
    void gridChanged();

signals:
    // The events may have changed (after gridChanged()): not sent for the cells of a tick.
    void rowsChanged();

private:
    EventGrid& m_grid;
    std::array<ChangeShows, EventGridCols> m_changeShows;
};

} // namespace vz
