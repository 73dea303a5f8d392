#include "app/reminder_scheduler.h"

#include "app/reminder_window.h"
#include "engine/clock.h"
#include "engine/datetext.h"
#include "engine/occurrence.h"
#include "platform/messages.h"
#include "platform/notifications.h"
#include "platform/registry_ini.h"
#include "store/event_store.h"

#include <QApplication>

namespace vz {

namespace {

const QString SettingsSection = QStringLiteral("Reminders");
const QString LastLookedIdent = QStringLiteral("LastLooked");
constexpr int LookInterval = 1000;

} // namespace

ReminderScheduler::ReminderScheduler(const EventGrid& grid, QWidget* window, ShowEvent showEvent)
    : QObject(window), m_grid(grid), m_window(window), m_showEvent(std::move(showEvent)),
      m_notifier(new DesktopNotifier(this)) {
    m_timer.setInterval(LookInterval);
    connect(&m_timer, &QTimer::timeout, this, [this] { guarded([this] { look(); }); });
    connect(m_notifier, &DesktopNotifier::activated, this, &ReminderScheduler::activate);
    connect(m_notifier, &DesktopNotifier::unanswered, this, &ReminderScheduler::showOwnWindow);
}

ReminderScheduler::~ReminderScheduler() = default;

void ReminderScheduler::start() {
    const std::int64_t nowMs = instantMs(appClock().now());
    m_lastLookedMs = nowMs;
    // Without a moment kept (the first run) nothing is owed from before; a moment ahead of the
    // clock (it was set back since) owes nothing either.
    QString stamp;
    try {
        stamp =
            RegistryIni(ProgramSettingsKey).ReadString(SettingsSection, LastLookedIdent, QString());
    } catch (const std::exception&) {
        // A value of the wrong shape counts as absent.
    }
    if (const auto kept = parseMomentStamp(stamp.toStdString()))
        m_lastLookedMs = std::min(instantMs(*kept), nowMs);
    m_started = true;
    eventsChanged();
    look();
    m_timer.start();
}

void ReminderScheduler::eventsChanged() {
    const RegionalSettings& rs = processSettings();
    const int year = currentYear();
    m_events.clear();
    m_keys.clear();
    for (int r = FirstEventRow; r <= LastEventRow && !m_grid.isBlank(r); ++r) {
        std::vector<int> leads = leadTimes(m_grid.cells.cell(RemindCol, r));
        if (leads.empty())
            continue;
        // The stored date, so a yearly event counts from its first occurrence.
        const std::int32_t day = eventDay(m_grid, r, rs, year);
        double time = 0;
        if (day == 0 || !tryStrToTime(m_grid.cells.cell(TimeCol, r), rs, time))
            continue;
        m_events.push_back({combineDateAndTime(day, time),
                            repeatsYearly(m_grid.cells.cell(RepeatCol, r)), std::move(leads), r});
        m_keys.emplace_back(m_grid.cells.cell(DescriptionCol, r), m_grid.cells.cell(DateCol, r),
                            m_grid.cells.cell(TimeCol, r));
    }
    m_nextDueMs.reset();
    if (const auto next = nextDueMoment(m_events, instantFromMs(m_lastLookedMs)))
        m_nextDueMs = instantMs(*next);
}

void ReminderScheduler::look() {
    if (!m_started)
        return;
    const TDateTime now = appClock().now();
    const std::int64_t nowMs = instantMs(now);
    if (nowMs >= m_lastLookedMs && (!m_nextDueMs || nowMs < *m_nextDueMs)) {
        m_lastLookedMs = nowMs;
        return;
    }
    const std::vector<DueReminder> due = dueReminders(m_events, instantFromMs(m_lastLookedMs), now);
    // After the clock went back, looking resumes from the new time: what falls due from there
    // is shown again when its time comes.
    m_lastLookedMs = nowMs;
    m_nextDueMs.reset();
    if (const auto next = nextDueMoment(m_events, now))
        m_nextDueMs = instantMs(*next);
    for (const DueReminder& reminder : due)
        show(reminder, now);
    if (!due.empty())
        saveLastLooked();
}

void ReminderScheduler::saveLastLooked() {
    if (!m_started)
        return;
    RegistryIni(ProgramSettingsKey)
        .WriteString(SettingsSection, LastLookedIdent,
                     QString::fromStdString(momentStamp(instantFromMs(m_lastLookedMs))));
}

void ReminderScheduler::show(const DueReminder& due, TDateTime now) {
    const EventKey& key = m_keys[due.event];
    const quint32 tag = ++m_lastTag;
    m_shown.insert(tag, key);
    m_notifier->notify(QString::fromStdString(std::get<0>(key)),
                       QString::fromStdString(reminderBody(due, now, processSettings())), tag);
}

void ReminderScheduler::showOwnWindow(const QString& summary, const QString& body, quint32 tag) {
    if (!m_ownWindow) {
        m_ownWindow = new ReminderWindow(m_window);
        m_ownWindow->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_ownWindow, &ReminderWindow::showRequested, this,
                [this](quint32 tag) { activate(tag, {}); });
    }
    m_ownWindow->addReminder(summary, body, tag);
    m_ownWindow->show();
    m_ownWindow->raise();
    QApplication::alert(m_window);
}

void ReminderScheduler::activate(quint32 tag, const QString& token) {
    const auto found = m_shown.constFind(tag);
    if (found != m_shown.constEnd())
        guarded([&] { m_showEvent(found.value(), token); });
}

} // namespace vz
