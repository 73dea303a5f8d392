// The month calendar of the date field: our month-calendar control with limits that raise an
// error, the six movement keys, mouse clicks kept within the limits, the title's month and year
// menus, colours and options; and its drop-down form that belongs to a date field.
#pragma once

#include "dateentry/calendar_popup_menu.h"
#include "dateentry/month_calendar_window.h"
#include "engine/datetime.h"

#include <QColor>
#include <QPointer>

#include <functional>

class QKeyEvent;

namespace vz {

class TdpDBDateTimePicker;

enum TdpMonthCalOption : unsigned {
    mdoDayState = 1,
    mdoMultiSelect = 2,
    mdoWeekNumbers = 4,
    mdoNoTodayCircle = 8,
    mdoNoToday = 16,
};
using TdpMonthCalOptions = unsigned;

enum class TdpFirstDayOfWeek {
    dpdowMonday,
    dpdowTuesday,
    dpdowWednesday,
    dpdowThursday,
    dpdowFriday,
    dpdowSaturday,
    dpdowSunday,
    dpdowLocaleDefault,
};

enum class TdpBorderStyle { bsNone, bsSingle };

// The six colours of the calendar, by colour index; only the last five are copied by assign().
struct TdpDateTimeColors {
    QColor BackColor;
    QColor TextColor;
    QColor TitleBackColor;
    QColor TitleTextColor;
    QColor MonthBackColor;
    QColor TrailingTextColor;

    static TdpDateTimeColors defaults(const QPalette& palette);
    void assign(const TdpDateTimeColors& other);
    bool operator==(const TdpDateTimeColors&) const = default;
};

using TdpCalcBoldDay = std::function<bool(int year, int month, int day)>;

class TdpMonthCalendar : public MonthCalendarWindow {
    Q_OBJECT

public:
    explicit TdpMonthCalendar(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    TDateTime Date() const { return m_date; }
    // Throws EDateTimeError beyond a set limit.
    void setDate(TDateTime date);
    TDateTime MinDate() const { return m_minDate; }
    TDateTime MaxDate() const { return m_maxDate; }
    // Throws EDateTimeError when the lower limit would lie above the upper one.
    void setMinDate(TDateTime date);
    void setMaxDate(TDateTime date);

    void setBorderStyle(TdpBorderStyle style) { setBorder(style == TdpBorderStyle::bsSingle); }
    const TdpDateTimeColors& CalColors() const { return m_colors; }
    void setCalColors(const TdpDateTimeColors& colors);
    TdpMonthCalOptions Options() const { return m_options; }
    void setOptions(TdpMonthCalOptions options);
    void setFirstDayOfWeek(TdpFirstDayOfWeek day);
    const TdpPopupYearOptions& PopupYearOptions() const { return m_yearOptions; }
    void setPopupYearOptions(const TdpPopupYearOptions& options) { m_yearOptions = options; }
    void setMaxSelectCount(int count) { setMaxSelCount(count); }
    void setOnCalcBoldDay(TdpCalcBoldDay handler);

    // The six movement keys (without Ctrl); true when the key was one of them. Throws
    // EDateTimeError when the key would move past a limit (the date stays).
    bool handleKey(QKeyEvent* event);
    // A key sent on from the date field: the six keys, else the control's own key handling.
    void forwardKey(QKeyEvent* event);

    bool menuShowing() const;
    TCalendarPopupMenu* monthMenuWidget() const { return m_monthMenu; }
    TCalendarPopupMenu* yearMenuWidget() const { return m_yearMenu; }

Q_SIGNALS:
    void changed();
    void calendarMouseDown(Qt::MouseButton button, int year, int month, int day);
    void calendarMouseUp(Qt::MouseButton button, int year, int month, int day);

protected:
    virtual void doChange();
    void selChange(std::int64_t start, std::int64_t end) override;
    std::vector<std::uint32_t> dayState(int year, int month, int count) override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

    DateLimits effectiveLimits() const;
    bool outsideLimits(std::int64_t day) const;

private:
    void press(QMouseEvent* event);
    void ownClick(QMouseEvent* event, const CalendarHitInfo& hit);
    void showMonthMenu();
    void showYearMenu();
    void chooseYear(int year);
    void selectDay(std::int64_t day);
    void clearMenuFlags();

    TDateTime m_date = 0;
    TDateTime m_minDate = 0;
    TDateTime m_maxDate = 0;
    TdpDateTimeColors m_colors;
    TdpMonthCalOptions m_options = mdoDayState;
    TdpPopupYearOptions m_yearOptions;
    TdpCalcBoldDay m_calcBoldDay;
    TCalendarPopupMenu* m_monthMenu = nullptr;
    TCalendarPopupMenu* m_yearMenu = nullptr;
    int m_titleYear = 0;
    int m_titleMonth = 0;
    bool m_monthMenuWasShowing = false;
    bool m_yearMenuWasShowing = false;
    bool m_monthMenuJustShown = false;
    bool m_yearMenuJustShown = false;
};

// The drop-down calendar of a date field: a window that never takes the keyboard focus from its
// field, copies every change into it and closes it on a click on a day or the today line.
// Where the compositor places windows it is a real pop-up of the field's window (its menus then
// nest on it); the compositor closes it on a click elsewhere or when the window loses
// activation, and the keys it receives belong to the field.
class TdpPopupCalendar final : public TdpMonthCalendar {
    Q_OBJECT

public:
    explicit TdpPopupCalendar(TdpDBDateTimePicker* field);
    TdpDBDateTimePicker* field() const { return m_field; }
    bool isPopup() const { return windowType() == Qt::Popup; }

protected:
    void doChange() override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    TdpDBDateTimePicker* m_field;
};

} // namespace vz
