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

namespace vz {

namespace {

QString selectedDateText(const MonthCalendarWindow* calendar) {
    const RegionalSettings& rs = processSettings();
    return QString::fromStdString(
        formatDateTime(rs.longDateFormat, combineDateAndTime(calendar->curSel(), 0), rs));
}

// The selected day, which is also the one the keyboard moves from.
class FocusedDayAccessible final : public QAccessibleInterface {
public:
    explicit FocusedDayAccessible(MonthCalendarWindow* calendar) : m_calendar(calendar) {}

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
        return t == QAccessible::Name && m_calendar ? selectedDateText(m_calendar) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!m_calendar)
            return {};
        return QRect(m_calendar->mapToGlobal(QPoint(0, 0)), m_calendar->size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!m_calendar)
            return s;
        s.selectable = true;
        s.selected = true;
        s.focusable = true;
        // The calendar never takes the keyboard focus; its selection is drawn as focused.
        s.focused = m_calendar->isVisible();
        s.invisible = !m_calendar->isVisible();
        return s;
    }

private:
    QPointer<MonthCalendarWindow> m_calendar;
};

class CalendarAccessible final : public QAccessibleWidget {
public:
    explicit CalendarAccessible(MonthCalendarWindow* calendar)
        : QAccessibleWidget(calendar, QAccessible::Grouping) {
        // The calendar tells of its own changes only once somebody has asked for it.
        if (auto* dp = qobject_cast<TdpMonthCalendar*>(calendar))
            QObject::connect(dp, &TdpMonthCalendar::changed, dp, [dp] { announce(dp); });
    }
    ~CalendarAccessible() override {
        if (m_dayId != 0)
            QAccessible::deleteAccessibleInterface(m_dayId);
    }

    QString text(QAccessible::Text t) const override {
        QString s = QAccessibleWidget::text(t);
        if (!s.isEmpty())
            return s;
        if (t == QAccessible::Name)
            return monthTitle();
        if (t == QAccessible::Description || t == QAccessible::Value)
            return selectedDateText(calendar());
        return s;
    }

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        if (index != 0)
            return nullptr;
        if (m_dayId == 0)
            m_dayId =
                QAccessible::registerAccessibleInterface(new FocusedDayAccessible(calendar()));
        return QAccessible::accessibleInterface(m_dayId);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child == this->child(0) ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

private:
    static void announce(MonthCalendarWindow* calendar) {
        for (QAccessible::Event type :
             {QAccessible::NameChanged, QAccessible::DescriptionChanged}) {
            QAccessibleEvent event(calendar, type);
            notifyAccessibility(event);
        }
        QAccessibleInterface* self = QAccessible::queryAccessibleInterface(calendar);
        if (QAccessibleInterface* day = self ? self->child(0) : nullptr) {
            QAccessibleEvent event(day, QAccessible::NameChanged);
            notifyAccessibility(event);
        }
    }

    MonthCalendarWindow* calendar() const { return static_cast<MonthCalendarWindow*>(object()); }
    QString monthTitle() const {
        const RegionalSettings& rs = processSettings();
        const int month = calendar()->displayedMonth();
        if (month < 1 || month > 12)
            return {};
        return QString::fromStdString(rs.longMonthNames[static_cast<std::size_t>(month - 1)]) +
               QLatin1Char(' ') + QString::number(calendar()->displayedYear());
    }

    mutable QAccessible::Id m_dayId = 0;
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
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction() && widget()->isEnabled())
            emit static_cast<TdpDateComboButton*>(widget())->pressed();
    }
};

} // namespace

QAccessibleInterface* calendarAccessibleFactory(const QString&, QObject* object) {
    if (auto* button = qobject_cast<TdpDateComboButton*>(object))
        return new DropButtonAccessible(button);
    if (auto* calendar = qobject_cast<MonthCalendarWindow*>(object))
        return new CalendarAccessible(calendar);
    return nullptr;
}

} // namespace vz
