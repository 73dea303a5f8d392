// The main window's yearly events and reminders: the context menu's items for them, the
// scheduler that shows reminders, and the moment a row counts to.
#include "app/main_window.h"

#include "app/event_menu.h"
#include "app/grid_model.h"
#include "app/reminder_scheduler.h"
#include "engine/clock.h"
#include "engine/datetext.h"
#include "engine/occurrence.h"
#include "engine/reminders.h"
#include "platform/messages.h"
#include "platform/single_instance.h"
#include "store/event_store.h"

#include <QTableView>

namespace vz {

void TfrmMain::setupReminders() {
    m_eventMenu = new EventMenu(
        PopupMenu1, m_grid, [this] { return currentRow(); },
        [this] {
            // Saved at once, like an edit.
            m_model->gridChanged();
            writeGrid();
            doDateDiff();
        });
    m_reminders = new ReminderScheduler(
        m_grid, this, [this](const ReminderScheduler::EventKey& key, const QString& token) {
            showEventOf(std::get<0>(key), std::get<1>(key), std::get<2>(key), token);
        });
    connect(m_model, &EventGridModel::rowsChanged, m_reminders, &ReminderScheduler::eventsChanged);
}

TDateTime TfrmMain::rowMoment(int row, TDateTime instant, TDateTime now) const {
    return eventMoment(instant, repeatsYearly(m_grid.cells.cell(RepeatCol, row)), now);
}

std::string TfrmMain::yearlyLine(int row) const {
    if (m_grid.isBlank(row) || !repeatsYearly(m_grid.cells.cell(RepeatCol, row)))
        return {};
    const RegionalSettings& rs = processSettings();
    TDateTime first = 0;
    double time = 0;
    if (!tryStrToDate(m_grid.cells.cell(DateCol, row), rs, currentYear(), first) ||
        !tryStrToTime(m_grid.cells.cell(TimeCol, row), rs, time))
        return {};
    first = combineDateAndTime(static_cast<std::int64_t>(first), time);
    const TDateTime moment = rowMoment(row, first, appClock().now());
    return yearlyReportLine(m_grid.cells.cell(DateCol, row), yearsSince(first, moment));
}

void TfrmMain::showEventOf(const std::string& description, const std::string& date,
                           const std::string& time, const QString& token) {
    for (int r = FirstEventRow; r <= LastEventRow && !m_grid.isBlank(r); ++r) {
        if (m_grid.cells.cell(DescriptionCol, r) == description &&
            m_grid.cells.cell(DateCol, r) == date && m_grid.cells.cell(TimeCol, r) == time) {
            setCurrentRow(r);
            doDateDiff();
            break;
        }
    }
    if (isMinimized())
        showNormal();
    bringToFront(this, token);
}

} // namespace vz
