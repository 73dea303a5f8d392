// The list's context menu beyond Add, Edit and Delete: "Every year" and "Remind me" for the
// selected event, and "Start at login" for the program. Each change is saved at once.
#pragma once

#include "store/event_grid.h"

#include <QObject>

#include <functional>
#include <vector>

class QAbstractItemView;
class QAction;
class QMenu;

namespace vz {

class EventMenu : public QObject {
    Q_OBJECT
public:
    // currentRow: the selected event row; changed: saves the list after an event was changed.
    EventMenu(QMenu* menu, EventGrid& grid, std::function<int()> currentRow,
              std::function<void()> changed);

    // Opens the menu under the selected row, as the Menu key and Shift+F10 do.
    void popupFromKeyboard(QAbstractItemView* view);

    // The standard lead times the menu offers, in minutes.
    static const std::vector<int>& offeredLeads();

private:
    void refresh();
    void setRepeat(bool yearly);
    void setLead(int minutes, bool on);
    void setStartAtLogin(bool on);

    QMenu* m_menu;
    EventGrid& m_grid;
    std::function<int()> m_currentRow;
    std::function<void()> m_changed;
    QAction* m_everyYear = nullptr;
    QMenu* m_remindMenu = nullptr;
    std::vector<QAction*> m_offered;
    std::vector<QAction*> m_extra; // lead times from the file the menu does not offer
    QAction* m_startAtLogin = nullptr;
};

} // namespace vz
