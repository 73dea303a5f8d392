#include "dateentry/calendar_layout.h"

#include <algorithm>

namespace vz {

namespace {

struct Bands {
    int margin, cellW, cellH, titleH, headerH, todayH, columns;
};

Bands bandsOf(const CalendarMetrics& m) {
    Bands b{};
    b.margin = std::max(3, m.lineHeight / 4);
    b.cellW = m.cellTextWidth + std::max(6, m.lineHeight / 2);
    b.cellH = m.lineHeight + std::max(3, m.lineHeight / 4);
    b.titleH = m.lineHeight + 2 * b.margin + 4;
    b.headerH = m.lineHeight + 4;
    b.todayH = m.todayLine ? m.lineHeight + 2 * b.margin : 0;
    b.columns = m.weekNumbers ? 8 : 7;
    return b;
}

} // namespace

CalendarSize minimumCalendarSize(const CalendarMetrics& m) {
    const Bands b = bandsOf(m);
    const int button = b.titleH;
    const int width = std::max({b.columns * b.cellW, m.titleTextWidth + 2 * button + 2 * b.margin,
                                m.todayTextWidth + 2 * b.cellW}) +
                      2 * b.margin;
    const int height = b.titleH + b.headerH + 1 + 6 * b.cellH + b.todayH + b.margin;
    return {width, height};
}

CalendarLayout layoutCalendar(const CalendarMetrics& m, int width, int height) {
    const Bands b = bandsOf(m);
    const CalendarSize min = minimumCalendarSize(m);
    width = std::max(width, min.width);
    height = std::max(height, min.height);
    CalendarLayout l;
    l.margin = b.margin;
    l.cellWidth = b.cellW;
    l.cellHeight = b.cellH;
    l.title = {0, 0, width, b.titleH};
    const int button = b.titleH - 2 * b.margin;
    l.prevButton = {b.margin, b.margin, button, button};
    l.nextButton = {width - b.margin - button, b.margin, button, button};
    const int textW = m.monthTextWidth + m.spaceWidth + m.yearTextWidth;
    const int textX = (width - textW) / 2;
    const int textY = (b.titleH - m.lineHeight) / 2;
    l.titleMonth = {textX, textY, m.monthTextWidth, m.lineHeight};
    l.titleYear = {textX + m.monthTextWidth + m.spaceWidth, textY, m.yearTextWidth, m.lineHeight};

    const int weeksW = b.columns * b.cellW;
    const int left = (width - weeksW) / 2;
    const int dayLeft = left + (m.weekNumbers ? b.cellW : 0);
    const int top = b.titleH + (height - min.height) / 2;
    l.header = {dayLeft, top, 7 * b.cellW, b.headerH};
    l.grid = {dayLeft, top + b.headerH + 1, 7 * b.cellW, 6 * b.cellH};
    if (m.weekNumbers)
        l.weekColumn = {left, l.grid.y, b.cellW, l.grid.h};
    if (m.todayLine)
        l.todayLine = {left, height - b.todayH - b.margin / 2, weeksW, b.todayH};
    return l;
}

CalRect dayCell(const CalendarLayout& l, int index) {
    return {l.grid.x + index % 7 * l.cellWidth, l.grid.y + index / 7 * l.cellHeight, l.cellWidth,
            l.cellHeight};
}

CalendarHitInfo hitTestCalendar(const CalendarLayout& l, std::int64_t firstGridDay, int x, int y) {
    if (l.title.contains(x, y)) {
        if (l.prevButton.contains(x, y))
            return {CalendarHit::TitleBtnPrev};
        if (l.nextButton.contains(x, y))
            return {CalendarHit::TitleBtnNext};
        if (l.titleMonth.contains(x, y))
            return {CalendarHit::TitleMonth};
        if (l.titleYear.contains(x, y))
            return {CalendarHit::TitleYear};
        return {CalendarHit::TitleBackground};
    }
    if (l.header.contains(x, y))
        return {CalendarHit::DayOfWeek};
    if (l.grid.contains(x, y)) {
        const int index = (y - l.grid.y) / l.cellHeight * 7 + (x - l.grid.x) / l.cellWidth;
        return {CalendarHit::CalendarDay, firstGridDay + index};
    }
    if (l.weekColumn.w > 0 && l.weekColumn.contains(x, y))
        return {CalendarHit::WeekNumber, firstGridDay + (y - l.grid.y) / l.cellHeight * 7};
    if (l.todayLine.h > 0 && l.todayLine.contains(x, y))
        return {CalendarHit::TodayLink};
    if (x >= 0 && y >= 0 && x < l.title.w &&
        y < std::max(l.grid.bottom(), l.todayLine.bottom()) + l.margin)
        return {CalendarHit::CalendarBackground};
    return {CalendarHit::Nowhere};
}

} // namespace vz
