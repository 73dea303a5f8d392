#include "dateentry/calendar_accessible.h"

#include "dateentry/dp_datetime_picker.h"
#include "dateentry/dp_month_calendar.h"
#include "dateentry/month_calendar_window.h"
#include "engine/datetext.h"
#include "engine/datetime.h"
#include "engine/regional.h"

#include "platform/accessibility_events.h"

#include <QAccessibleWidget>

#include <QPointer>
#include <QWindow>
#include <array>

namespace vz {

namespace {

QString dateText(std::int64_t day) {
    // The weeks around January of the year 1 and December 9999 reach past the calendar.
    if (day < MinDayNumber || day > MaxDayNumber)
        return {};
    const RegionalSettings& rs = processSettings();
    return QString::fromStdString(
        formatDateTime(rs.longDateFormat, combineDateAndTime(day, 0), rs));
}

constexpr int GridDays = 42; // six weeks

// One day of the six weeks the calendar shows, named by its date in full. The selected day is
// the focused one: the calendar never takes the keyboard focus, the field it drops from keeps it
// and passes the keys on, so a reader follows the day as it would in a calendar of its own.
class DayAccessible final : public QAccessibleInterface {
public:
    DayAccessible(MonthCalendarWindow* calendar, int index)
        : m_calendar(calendar), m_index(index) {}

    std::int64_t day() const { return m_calendar ? m_calendar->gridStart() + m_index : 0; }
    bool isValid() const override { return !m_calendar.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return m_calendar ? m_calendar->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return m_calendar ? QAccessible::queryAccessibleInterface(m_calendar.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && m_calendar ? dateText(day()) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!m_calendar)
            return {};
        const CalRect cell = dayCell(m_calendar->calendarLayout(), m_index);
        return QRect(m_calendar->mapToGlobal(QPoint(cell.x, cell.y)), QSize(cell.w, cell.h));
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!m_calendar)
            return s;
        s.selectable = true;
        s.focusable = true;
        s.selected = s.focused = day() == m_calendar->curSel();
        s.invisible = !m_calendar->isVisible();
        return s;
    }

private:
    QPointer<MonthCalendarWindow> m_calendar;
    int m_index;
};

class CalendarAccessible final : public QAccessibleWidget {
public:
    explicit CalendarAccessible(MonthCalendarWindow* calendar)
        : QAccessibleWidget(calendar, QAccessible::Grouping) {
        // The calendar tells of its own changes only once somebody has asked for it.
        if (auto* dp = qobject_cast<TdpMonthCalendar*>(calendar))
            QObject::connect(dp, &TdpMonthCalendar::changed, dp, [dp] { announceCalendar(dp); });
    }
    ~CalendarAccessible() override {
        for (QAccessible::Id id : m_dayIds)
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override {
        QString s = QAccessibleWidget::text(t);
        if (!s.isEmpty())
            return s;
        if (t == QAccessible::Name)
            return monthTitle();
        if (t == QAccessible::Description || t == QAccessible::Value)
            return dateText(calendar()->curSel());
        return s;
    }

    // A drop-down calendar belongs to its field's drop-down button: a Wayland pop-up is no
    // window of the application's, so it is found from the field instead.
    QAccessibleInterface* parent() const override {
        if (auto* popup = qobject_cast<TdpPopupCalendar*>(calendar()))
            if (popup->field())
                return QAccessible::queryAccessibleInterface(popup->field()->button());
        return QAccessibleWidget::parent();
    }

    int childCount() const override { return GridDays; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= GridDays)
            return nullptr;
        QAccessible::Id& id = m_dayIds[static_cast<std::size_t>(index)];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(new DayAccessible(calendar(), index));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < GridDays; ++i)
            if (m_dayIds[static_cast<std::size_t>(i)] != 0 && child == this->child(i))
                return i;
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        return child(static_cast<int>(calendar()->curSel() - calendar()->gridStart()));
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const CalendarHitInfo hit = calendar()->hitTest(calendar()->mapFromGlobal(QPoint(x, y)));
        return hit.hit == CalendarHit::CalendarDay
                   ? child(static_cast<int>(hit.day - calendar()->gridStart()))
                   : nullptr;
    }

private:
    MonthCalendarWindow* calendar() const { return static_cast<MonthCalendarWindow*>(object()); }
    QString monthTitle() const {
        const RegionalSettings& rs = processSettings();
        const int month = calendar()->displayedMonth();
        if (month < 1 || month > 12)
            return {};
        return QString::fromStdString(rs.longMonthNames[static_cast<std::size_t>(month - 1)]) +
               QLatin1Char(' ') + QString::number(calendar()->displayedYear());
    }

    mutable std::array<QAccessible::Id, GridDays> m_dayIds{};
};

const QString DropDownName = QStringLiteral("Calendar");

// The date field's drop-down button, which takes no focus: pressing it through an assistive
// technology does what a click does.
class DropButtonAccessible final : public QAccessibleWidget {
public:
    explicit DropButtonAccessible(TdpDateComboButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty())
            s = DropDownName;
        return s;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = static_cast<TdpDateComboButton*>(widget())->isPushed();
        s.expandable = true;
        s.expanded = openCalendar() != nullptr;
        s.collapsed = !s.expanded;
        return s;
    }
    // The open calendar hangs below the button, as a combo box's list does.
    int childCount() const override { return openCalendar() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && openCalendar() ? QAccessible::queryAccessibleInterface(openCalendar())
                                            : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child == this->child(0) ? 0 : -1;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction() && widget()->isEnabled())
            emit static_cast<TdpDateComboButton*>(widget())->pressed();
    }

private:
    TdpPopupCalendar* openCalendar() const {
        auto* field = qobject_cast<TdpDBDateTimePicker*>(widget()->parentWidget());
        return field && field->isDroppedDown() ? field->calendar() : nullptr;
    }
};

} // namespace

void announceCalendar(MonthCalendarWindow* calendar) {
    if (!calendar)
        return;
    for (QAccessible::Event type : {QAccessible::NameChanged, QAccessible::DescriptionChanged}) {
        QAccessibleEvent event(calendar, type);
        notifyAccessibility(event);
    }
    QAccessibleInterface* self = QAccessible::queryAccessibleInterface(calendar);
    QAccessibleInterface* day = self && calendar->isVisible() ? self->focusChild() : nullptr;
    if (!day)
        return;
    for (QAccessible::Event type : {QAccessible::Focus, QAccessible::Selection}) {
        QAccessibleEvent event(day, type);
        notifyAccessibility(event);
    }
}

QAccessibleInterface* calendarAccessibleFactory(const QString&, QObject* object) {
    if (auto* button = qobject_cast<TdpDateComboButton*>(object))
        return new DropButtonAccessible(button);
    if (auto* calendar = qobject_cast<MonthCalendarWindow*>(object))
        return new CalendarAccessible(calendar);
    return nullptr;
}

} // namespace vz
