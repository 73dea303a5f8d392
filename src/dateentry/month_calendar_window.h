// A month-calendar control of our own: one month in six weeks under a title band with the month,
// the year and two arrow buttons, a day-of-week header, an optional week-number column and a
// today line. It selects and reports a day (or a range), keeps to a lower and upper limit, draws
// bold days from a day-state query and answers what lies under a point. Subclasses receive its
// notifications through the two virtual functions.
#pragma once

#include "dateentry/calendar_layout.h"
#include "dateentry/calendar_math.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <cstdint>
#include <vector>

namespace vz {

// Window styles.
enum MonthCalStyle : unsigned {
    MCS_DAYSTATE = 1,
    MCS_MULTISELECT = 2,
    MCS_WEEKNUMBERS = 4,
    MCS_NOTODAYCIRCLE = 8,
    MCS_NOTODAY = 16,
};

// Colour indices.
enum MonthCalColor : int {
    MCSC_BACKGROUND = 0,
    MCSC_TEXT = 1,
    MCSC_TITLEBK = 2,
    MCSC_TITLETEXT = 3,
    MCSC_MONTHBK = 4,
    MCSC_TRAILINGTEXT = 5,
};

inline constexpr const char* TodayLabel = "Today:";

class MonthCalendarWindow : public QWidget {
    Q_OBJECT

public:
    explicit MonthCalendarWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    void setStyles(unsigned styles);
    unsigned styles() const { return m_styles; }
    void setBorder(bool border);
    void setColor(int index, const QColor& color);
    QColor color(int index) const;
    void setFirstDayOfWeek(int mondayBased);
    int firstDayOfWeek() const { return m_firstDay; }
    // Limits as day numbers; 0 means none.
    void setRange(std::int64_t lower, std::int64_t upper);
    void setMaxSelCount(int count) { m_maxSelCount = std::max(1, count); }

    // Selects a day and shows its month; false (nothing changes) outside the limits.
    bool setCurSel(std::int64_t day);
    std::int64_t curSel() const { return m_selStart; }
    bool setSelRange(std::int64_t first, std::int64_t last);
    std::int64_t selEnd() const { return m_selEnd; }
    // Shows a month with its first day selected.
    void showMonth(int year, int month);
    int displayedYear() const { return m_year; }
    int displayedMonth() const { return m_month; }
    MonthSpan monthRange() const { return monthSpan(m_year, m_month); }
    int monthDelta() const { return 1; }
    std::int64_t gridStart() const;

    QSize minReqSize() const;
    CalendarHitInfo hitTest(QPoint pos) const;
    CalendarLayout calendarLayout() const;
    // Draws the selection as focused although the keyboard focus lies elsewhere.
    void setDrawFocused(bool focused);

    QSize sizeHint() const override { return minReqSize(); }
    QSize minimumSizeHint() const override { return minReqSize(); }

protected:
    // Notifications: the selection changed by the user; the bold days of count months from
    // (year, month) on, one bit per day.
    virtual void selChange(std::int64_t start, std::int64_t end);
    virtual std::vector<std::uint32_t> dayState(int year, int month, int count);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

    bool inRange(std::int64_t day) const;
    void refreshDayState();

private:
    CalendarMetrics metrics() const;
    std::int64_t today() const;
    void userSelect(std::int64_t day, bool extend);
    void setDisplayed(int year, int month);

    unsigned m_styles = MCS_DAYSTATE;
    bool m_border = false;
    bool m_drawFocused = false;
    std::array<QColor, 6> m_colors;
    int m_firstDay = 6;
    std::int64_t m_lower = 0;
    std::int64_t m_upper = 0;
    int m_maxSelCount = 7;
    std::int64_t m_selStart = 0;
    std::int64_t m_selEnd = 0;
    std::int64_t m_anchor = 0;
    int m_year = 2000;
    int m_month = 1;
    bool m_dragging = false;
    std::vector<std::uint32_t> m_boldDays; // previous, displayed and next month
};

} // namespace vz
