#include "app/event_menu.h"

#include "engine/occurrence.h"
#include "engine/reminders.h"
#include "platform/autostart.h"
#include "platform/messages.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QMenu>

#include <algorithm>

namespace vz {

namespace {

struct Offer {
    int minutes;
    const char* text;
    const char* name;
};
constexpr Offer Offers[] = {
    {0, "At the time", "RemindAtTime1"},      {15, "15 minutes before", "Remind15Minutes1"},
    {60, "1 hour before", "Remind1Hour1"},    {1440, "1 day before", "Remind1Day1"},
    {10080, "1 week before", "Remind1Week1"},
};

QString capitalised(const std::string& text) {
    QString result = QString::fromStdString(text);
    if (!result.isEmpty())
        result[0] = result[0].toUpper();
    return result;
}

} // namespace

const std::vector<int>& EventMenu::offeredLeads() {
    static const std::vector<int> leads = [] {
        std::vector<int> all;
        for (const Offer& offer : Offers)
            all.push_back(offer.minutes);
        return all;
    }();
    return leads;
}

EventMenu::EventMenu(QMenu* menu, EventGrid& grid, std::function<int()> currentRow,
                     std::function<void()> changed)
    : QObject(menu), m_menu(menu), m_grid(grid), m_currentRow(std::move(currentRow)),
      m_changed(std::move(changed)) {
    m_menu->addSeparator();
    m_everyYear = m_menu->addAction(QStringLiteral("Every year"));
    m_everyYear->setObjectName(QStringLiteral("EveryYear1"));
    m_everyYear->setCheckable(true);
    connect(m_everyYear, &QAction::triggered, this, [this](bool on) { setRepeat(on); });

    m_remindMenu = m_menu->addMenu(QStringLiteral("Remind me"));
    m_remindMenu->setObjectName(QStringLiteral("RemindMe1"));
    m_remindMenu->menuAction()->setObjectName(QStringLiteral("RemindMeItem1"));
    for (const Offer& offer : Offers) {
        QAction* item = m_remindMenu->addAction(QString::fromLatin1(offer.text));
        item->setObjectName(QString::fromLatin1(offer.name));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this,
                [this, minutes = offer.minutes](bool on) { setLead(minutes, on); });
        m_offered.push_back(item);
    }

    m_menu->addSeparator();
    m_startAtLogin = m_menu->addAction(QStringLiteral("Start at login"));
    m_startAtLogin->setObjectName(QStringLiteral("StartAtLogin1"));
    m_startAtLogin->setCheckable(true);
    connect(m_startAtLogin, &QAction::triggered, this, [this](bool on) { setStartAtLogin(on); });

    connect(m_menu, &QMenu::aboutToShow, this, [this] { guarded([this] { refresh(); }); });
}

void EventMenu::refresh() {
    const int row = m_currentRow();
    const bool listed = !m_grid.isBlank(row);
    m_everyYear->setEnabled(listed);
    m_remindMenu->menuAction()->setEnabled(listed);
    m_everyYear->setChecked(listed && repeatsYearly(m_grid.cells.cell(RepeatCol, row)));
    const std::vector<int> leads =
        listed ? leadTimes(m_grid.cells.cell(RemindCol, row)) : std::vector<int>{};
    const auto has = [&leads](int minutes) {
        return std::find(leads.begin(), leads.end(), minutes) != leads.end();
    };
    for (std::size_t i = 0; i < m_offered.size(); ++i)
        m_offered[i]->setChecked(has(Offers[i].minutes));
    // A lead time set in the file that the menu does not offer shows checked; unchecking it
    // removes it.
    for (QAction* extra : m_extra)
        delete extra;
    m_extra.clear();
    const std::vector<int>& offered = offeredLeads();
    for (const int minutes : leads) {
        if (std::find(offered.begin(), offered.end(), minutes) != offered.end())
            continue;
        QAction* item = m_remindMenu->addAction(capitalised(leadPhrase(minutes)));
        item->setObjectName(QStringLiteral("RemindOther%1").arg(minutes));
        item->setCheckable(true);
        item->setChecked(true);
        connect(item, &QAction::triggered, this,
                [this, minutes](bool on) { setLead(minutes, on); });
        m_extra.push_back(item);
    }
    m_startAtLogin->setChecked(startsAtLogin());
}

void EventMenu::setRepeat(bool yearly) {
    const int row = m_currentRow();
    if (m_grid.isBlank(row))
        return;
    m_grid.cells.cell(RepeatCol, row) = yearly ? std::string(YearlyRepeat) : std::string();
    m_changed();
}

void EventMenu::setLead(int minutes, bool on) {
    const int row = m_currentRow();
    if (m_grid.isBlank(row))
        return;
    std::string& remind = m_grid.cells.cell(RemindCol, row);
    remind = withLeadTime(remind, minutes, on);
    m_changed();
}

void EventMenu::setStartAtLogin(bool on) {
    guarded([on] { vz::setStartAtLogin(on, QCoreApplication::applicationFilePath()); });
}

void EventMenu::popupFromKeyboard(QAbstractItemView* view) {
    QRect at = view->visualRect(view->currentIndex());
    if (!at.isValid())
        at = QRect(QPoint(0, 0), QSize(1, 1));
    m_menu->popup(view->viewport()->mapToGlobal(at.bottomLeft()));
}

} // namespace vz
