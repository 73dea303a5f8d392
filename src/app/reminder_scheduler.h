// Tells the user when an event's reminder falls due. It looks at the clock once a second; until
// the next due moment it learned when the list last changed, a look only compares two numbers,
// so ticking costs nothing. When it finds due moments passed since it last looked (the time came,
// the machine woke from sleep, the clock was set forward) each reminder is shown once, as a
// desktop notification or, without a notification service, in the program's own window.
//
// The moment it last looked is kept in the user's settings beside the window's placement
// (section "Reminders", value "LastLooked"), so reminders that fell due while the program was
// not running are shown at the next start; it is written when a reminder was shown and when the
// program ends, never on a tick.
#pragma once

#include "engine/reminders.h"
#include "store/event_grid.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace vz {

class DesktopNotifier;
class ReminderWindow;

class ReminderScheduler : public QObject {
    Q_OBJECT
public:
    using EventKey = std::tuple<std::string, std::string, std::string>; // description, date, time

    // window: the main window (owner of the reminder window, marked as wanting attention);
    // showEvent: brings it to the front with the event of that key selected (with the desktop's
    // activation token, when it gave one).
    using ShowEvent = std::function<void(const EventKey&, const QString& token)>;
    ReminderScheduler(const EventGrid& grid, QWidget* window, ShowEvent showEvent);
    ~ReminderScheduler() override;

    // After the list was loaded: shows what fell due since the last run, then looks every second.
    void start();
    // The list changed (loaded, edited, sorted, reminders set).
    void eventsChanged();
    // One look at the clock.
    void look();
    // Keeps the moment last looked for the next run.
    void saveLastLooked();

private:
    void show(const DueReminder& due, TDateTime now);
    void showOwnWindow(const QString& summary, const QString& body, quint32 tag);
    void activate(quint32 tag, const QString& token);

    const EventGrid& m_grid;
    QWidget* m_window;
    ShowEvent m_showEvent;
    DesktopNotifier* m_notifier;
    QPointer<ReminderWindow> m_ownWindow;
    QTimer m_timer;
    std::vector<ReminderEvent> m_events;
    std::vector<EventKey> m_keys; // of m_events, by index
    bool m_started = false;
    std::int64_t m_lastLookedMs = 0;
    std::optional<std::int64_t> m_nextDueMs;
    quint32 m_lastTag = 0;
    QHash<quint32, EventKey> m_shown; // what each tag reminded of
};

} // namespace vz
