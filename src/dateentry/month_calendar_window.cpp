#include "dateentry/month_calendar_window.h"

#include "engine/clock.h"
#include "engine/datetext.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>

#include <algorithm>

#include "widgets/system_colors.h"

namespace vz {

namespace {

const QColor TodayCircleColor(0xC0, 0x20, 0x20);

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// The day-of-week header names: the short names without a closing full stop.
QString headerName(const RegionalSettings& rs, int sundayBased) {
    QString name = qs(rs.shortDayNames[static_cast<std::size_t>(sundayBased)]);
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    return name;
}

int isoWeek(std::int64_t day) {
    // The Thursday of the day's Monday-based week decides the year the week belongs to.
    const int mondayBased = (dayOfWeekOfDayNumber(day) + 5) % 7;
    const std::int64_t thursday = day - mondayBased + 3;
    const DecodedDate d = decodeDayNumber(thursday);
    const std::int64_t jan1 = dayNumberOf(d.year, 1, 1).value_or(thursday);
    return static_cast<int>((thursday - jan1) / 7 + 1);
}

} // namespace

MonthCalendarWindow::MonthCalendarWindow(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags) {
    const QPalette pal = palette();
    m_colors = {pal.color(QPalette::Window),
                pal.color(QPalette::WindowText),
                pal.color(QPalette::Highlight),
                QColor(Qt::white),
                QColor(Qt::white),
                grayTextColor(pal)};
    m_firstDay = mondayBasedFirstDay(processSettings());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    const std::int64_t now = today();
    m_selStart = m_selEnd = m_anchor = now;
    const DecodedDate d = decodeDayNumber(now);
    m_year = d.year;
    m_month = d.month;
    refreshDayState();
}

void MonthCalendarWindow::setStyles(unsigned styles) {
    if (styles == m_styles)
        return;
    m_styles = styles;
    if (!(m_styles & MCS_MULTISELECT))
        m_selEnd = m_selStart;
    refreshDayState();
    updateGeometry();
    update();
}

void MonthCalendarWindow::setBorder(bool border) {
    if (border == m_border)
        return;
    m_border = border;
    updateGeometry();
    update();
}

void MonthCalendarWindow::setColor(int index, const QColor& color) {
    if (index < 0 || index > 5 || m_colors[static_cast<std::size_t>(index)] == color)
        return;
    m_colors[static_cast<std::size_t>(index)] = color;
    update();
}

QColor MonthCalendarWindow::color(int index) const {
    return index >= 0 && index <= 5 ? m_colors[static_cast<std::size_t>(index)] : QColor();
}

void MonthCalendarWindow::setFirstDayOfWeek(int mondayBased) {
    mondayBased = std::clamp(mondayBased, 0, 6);
    if (mondayBased == m_firstDay)
        return;
    m_firstDay = mondayBased;
    refreshDayState();
    update();
}

void MonthCalendarWindow::setRange(std::int64_t lower, std::int64_t upper) {
    m_lower = lower;
    m_upper = upper;
    update();
}

bool MonthCalendarWindow::inRange(std::int64_t day) const {
    return day >= (m_lower != 0 ? m_lower : MinDayNumber) &&
           day <= (m_upper != 0 ? m_upper : MaxDayNumber);
}

bool MonthCalendarWindow::setCurSel(std::int64_t day) {
    if (!inRange(day))
        return false;
    m_selStart = m_selEnd = m_anchor = day;
    const DecodedDate d = decodeDayNumber(day);
    setDisplayed(d.year, d.month);
    update();
    return true;
}

bool MonthCalendarWindow::setSelRange(std::int64_t first, std::int64_t last) {
    if (first > last)
        std::swap(first, last);
    if (!inRange(first) || !inRange(last) || last - first >= m_maxSelCount)
        return false;
    m_selStart = m_anchor = first;
    m_selEnd = last;
    const DecodedDate d = decodeDayNumber(first);
    setDisplayed(d.year, d.month);
    update();
    return true;
}

void MonthCalendarWindow::showMonth(int year, int month) {
    const std::int64_t first = reducedDay(year, month, 1);
    if (first != 0)
        setCurSel(first);
}

void MonthCalendarWindow::setDisplayed(int year, int month) {
    if (year == m_year && month == m_month)
        return;
    m_year = year;
    m_month = month;
    refreshDayState();
}

std::int64_t MonthCalendarWindow::gridStart() const {
    return firstGridDay(m_year, m_month, m_firstDay);
}

void MonthCalendarWindow::refreshDayState() {
    m_boldDays.clear();
    if (!(m_styles & MCS_DAYSTATE))
        return;
    const int index = m_year * 12 + m_month - 2; // the previous month
    m_boldDays = dayState(index / 12, index % 12 + 1, 3);
}

void MonthCalendarWindow::setDrawFocused(bool focused) {
    if (focused == m_drawFocused)
        return;
    m_drawFocused = focused;
    update();
}

std::int64_t MonthCalendarWindow::today() const {
    return wholeDay(appClock().now());
}

// ---- geometry -------------------------------------------------------------------------------

CalendarMetrics MonthCalendarWindow::metrics() const {
    const QFontMetrics fm(font());
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics bm(bold);
    const RegionalSettings& rs = processSettings();
    CalendarMetrics m;
    m.lineHeight = fm.height();
    m.cellTextWidth = bm.horizontalAdvance(QStringLiteral("00"));
    for (int d = 0; d < 7; ++d)
        m.cellTextWidth = std::max(m.cellTextWidth, fm.horizontalAdvance(headerName(rs, d)));
    int widestMonth = 0;
    for (const std::string& name : rs.longMonthNames)
        widestMonth = std::max(widestMonth, bm.horizontalAdvance(qs(name)));
    m.spaceWidth = bm.horizontalAdvance(QLatin1Char(' '));
    m.titleTextWidth = widestMonth + m.spaceWidth + bm.horizontalAdvance(QStringLiteral("0000"));
    m.todayTextWidth =
        bm.horizontalAdvance(QString::fromLatin1(TodayLabel) + QLatin1Char(' ') +
                             qs(dateToStr(static_cast<double>(*dayNumberOf(2000, 12, 28)), rs)));
    m.monthTextWidth =
        bm.horizontalAdvance(qs(rs.longMonthNames[static_cast<std::size_t>(m_month - 1)]));
    m.yearTextWidth = bm.horizontalAdvance(QString::number(m_year));
    m.weekNumbers = m_styles & MCS_WEEKNUMBERS;
    m.todayLine = !(m_styles & MCS_NOTODAY);
    return m;
}

QSize MonthCalendarWindow::minReqSize() const {
    const CalendarSize s = minimumCalendarSize(metrics());
    const int border = m_border ? 2 : 0;
    return {s.width + border, s.height + border};
}

CalendarLayout MonthCalendarWindow::calendarLayout() const {
    const int border = m_border ? 1 : 0;
    CalendarLayout l = layoutCalendar(metrics(), width() - 2 * border, height() - 2 * border);
    if (border != 0) {
        for (CalRect* r : {&l.title, &l.prevButton, &l.nextButton, &l.titleMonth, &l.titleYear,
                           &l.header, &l.weekColumn, &l.grid, &l.todayLine}) {
            r->x += border;
            r->y += border;
        }
    }
    return l;
}

CalendarHitInfo MonthCalendarWindow::hitTest(QPoint pos) const {
    return hitTestCalendar(calendarLayout(), gridStart(), pos.x(), pos.y());
}

// ---- painting -------------------------------------------------------------------------------

void MonthCalendarWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const CalendarLayout l = calendarLayout();
    const RegionalSettings& rs = processSettings();
    const auto toQ = [](const CalRect& r) {
        return QRect(r.x, r.y, r.w, r.h);
    };
    QFont bold = font();
    bold.setBold(true);

    p.fillRect(rect(), m_colors[MCSC_BACKGROUND]);
    const QRect month = toQ(l.header).united(toQ(l.grid)).united(toQ(l.weekColumn));
    p.fillRect(QRect(0, l.title.bottom(), width(), height() - l.title.bottom()),
               m_colors[MCSC_MONTHBK]);

    // Title band: month and year between the two arrow buttons.
    p.fillRect(toQ(l.title), m_colors[MCSC_TITLEBK]);
    p.setFont(bold);
    p.setPen(m_colors[MCSC_TITLETEXT]);
    p.drawText(toQ(l.titleMonth), Qt::AlignLeft | Qt::AlignVCenter,
               qs(rs.longMonthNames[static_cast<std::size_t>(m_month - 1)]));
    p.drawText(toQ(l.titleYear), Qt::AlignLeft | Qt::AlignVCenter, QString::number(m_year));
    p.setRenderHint(QPainter::Antialiasing);
    for (const bool next : {false, true}) {
        const QRectF b = toQ(next ? l.nextButton : l.prevButton);
        const double s = b.height() / 4.0;
        const QPointF c = b.center();
        QPainterPath arrow;
        arrow.moveTo(c.x() + (next ? -s / 2 : s / 2), c.y() - s);
        arrow.lineTo(c.x() + (next ? s : -s), c.y());
        arrow.lineTo(c.x() + (next ? -s / 2 : s / 2), c.y() + s);
        arrow.closeSubpath();
        p.fillPath(arrow, m_colors[MCSC_TITLETEXT]);
    }
    p.setRenderHint(QPainter::Antialiasing, false);

    // Day-of-week header with a rule under it.
    p.setFont(font());
    p.setPen(m_colors[MCSC_TITLEBK]);
    const int sundayFirst = (m_firstDay + 1) % 7;
    for (int c = 0; c < 7; ++c) {
        const QRect cell(l.header.x + c * l.cellWidth, l.header.y, l.cellWidth, l.header.h);
        p.drawText(cell, Qt::AlignCenter, headerName(rs, (sundayFirst + c) % 7));
    }
    p.drawLine(month.left() + 2, l.header.bottom(), month.right() - 2, l.header.bottom());

    // The six weeks.
    const std::int64_t first = gridStart();
    const std::int64_t now = today();
    const MonthSpan shown = monthRange();
    for (int i = 0; i < GridDays; ++i) {
        const std::int64_t day = first + i;
        const QRect cell = toQ(dayCell(l, i));
        const int dayOfMonth = gridCellDay(day, shown);
        const bool trailing = day < shown.first || day > shown.last;
        const bool selected = day >= m_selStart && day <= m_selEnd;
        bool isBold = false;
        if (!m_boldDays.empty()) {
            const int monthIndex = day < shown.first ? 0 : day > shown.last ? 2 : 1;
            isBold = (m_boldDays[static_cast<std::size_t>(monthIndex)] >> (dayOfMonth - 1)) & 1u;
        }
        if (selected) {
            p.fillRect(cell.adjusted(1, 1, -1, -1), m_colors[MCSC_TITLEBK]);
            p.setPen(m_colors[MCSC_TITLETEXT]);
        } else {
            p.setPen(trailing || !inRange(day) ? m_colors[MCSC_TRAILINGTEXT] : m_colors[MCSC_TEXT]);
        }
        p.setFont(isBold ? bold : font());
        p.drawText(cell, Qt::AlignCenter, QString::number(dayOfMonth));
        if (day == now && !(m_styles & MCS_NOTODAYCIRCLE)) {
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(TodayCircleColor, 1.2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(cell).adjusted(0.5, 1.5, -0.5, -1.5));
            p.setRenderHint(QPainter::Antialiasing, false);
        }
        if (selected && m_drawFocused && day == m_selStart) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = cell.adjusted(1, 1, -1, -1);
            focus.backgroundColor = m_colors[MCSC_TITLEBK];
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
        }
    }

    if (m_styles & MCS_WEEKNUMBERS) {
        p.setFont(font());
        p.setPen(m_colors[MCSC_TITLEBK]);
        for (int row = 0; row < 6; ++row) {
            const QRect cell(l.weekColumn.x, l.grid.y + row * l.cellHeight, l.cellWidth,
                             l.cellHeight);
            p.drawText(cell, Qt::AlignCenter, QString::number(isoWeek(first + row * 7)));
        }
        p.drawLine(l.weekColumn.right() - 1, l.grid.y, l.weekColumn.right() - 1, l.grid.bottom());
    }

    if (!(m_styles & MCS_NOTODAY)) {
        const QRect line = toQ(l.todayLine);
        const int mark = l.cellWidth;
        const QRect swatch(line.left() + 4, line.top() + 2, mark - 6, line.height() - 4);
        if (!(m_styles & MCS_NOTODAYCIRCLE)) {
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(TodayCircleColor, 1.2));
            p.drawEllipse(QRectF(swatch).adjusted(0.5, 1.5, -0.5, -1.5));
            p.setRenderHint(QPainter::Antialiasing, false);
        }
        p.setFont(bold);
        p.setPen(m_colors[MCSC_TEXT]);
        p.drawText(line.adjusted(mark + 2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromLatin1(TodayLabel) + QLatin1Char(' ') +
                       qs(dateToStr(static_cast<double>(now), rs)));
    }

    if (m_border) {
        p.setPen(palette().color(QPalette::Shadow));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// ---- user actions ---------------------------------------------------------------------------

void MonthCalendarWindow::userSelect(std::int64_t day, bool extend) {
    if (!inRange(day))
        return;
    if (extend && (m_styles & MCS_MULTISELECT)) {
        const std::int64_t lo = std::min(m_anchor, day);
        const std::int64_t hi = std::max(m_anchor, day);
        if (hi - lo >= m_maxSelCount)
            return;
        m_selStart = lo;
        m_selEnd = hi;
        const DecodedDate d = decodeDayNumber(day);
        setDisplayed(d.year, d.month);
        update();
    } else {
        if (day == m_selStart && day == m_selEnd)
            return selChange(m_selStart, m_selEnd);
        setCurSel(day);
    }
    selChange(m_selStart, m_selEnd);
}

void MonthCalendarWindow::selChange(std::int64_t, std::int64_t) {}

std::vector<std::uint32_t> MonthCalendarWindow::dayState(int, int, int) {
    return {};
}

void MonthCalendarWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const CalendarHitInfo hit = hitTest(event->position().toPoint());
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    switch (hit.hit) {
    case CalendarHit::CalendarDay:
        m_dragging = true;
        userSelect(hit.day, extend);
        break;
    case CalendarHit::TitleBtnPrev:
    case CalendarHit::TitleBtnNext:
        userSelect(sameDayMonthsAway(m_selStart, hit.hit == CalendarHit::TitleBtnNext
                                                     ? monthDelta()
                                                     : -monthDelta()),
                   false);
        break;
    case CalendarHit::TodayLink:
        userSelect(today(), false);
        break;
    default:
        break;
    }
}

void MonthCalendarWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void MonthCalendarWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging || !(event->buttons() & Qt::LeftButton))
        return;
    const CalendarHitInfo hit = hitTest(event->position().toPoint());
    if (hit.hit == CalendarHit::CalendarDay && hit.day != m_selStart &&
        hit.day >= monthRange().first && hit.day <= monthRange().last)
        userSelect(hit.day, m_styles & MCS_MULTISELECT);
}

void MonthCalendarWindow::mouseReleaseEvent(QMouseEvent*) {
    m_dragging = false;
}

void MonthCalendarWindow::keyPressEvent(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const std::int64_t from = shift ? (m_selStart == m_anchor ? m_selEnd : m_selStart) : m_selStart;
    std::int64_t target = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        target = calendarKeyTarget(CalendarKey::Left, from);
        break;
    case Qt::Key_Right:
        target = calendarKeyTarget(CalendarKey::Right, from);
        break;
    case Qt::Key_Up:
        target = calendarKeyTarget(CalendarKey::Up, from);
        break;
    case Qt::Key_Down:
        target = calendarKeyTarget(CalendarKey::Down, from);
        break;
    case Qt::Key_PageUp:
        target = sameDayMonthsAway(m_selStart, ctrl ? -12 : -1);
        break;
    case Qt::Key_PageDown:
        target = sameDayMonthsAway(m_selStart, ctrl ? 12 : 1);
        break;
    case Qt::Key_Home:
        target = monthRange().first;
        break;
    case Qt::Key_End:
        target = monthRange().last;
        break;
    default:
        event->ignore();
        return;
    }
    const std::int64_t lower = m_lower != 0 ? m_lower : FirstFieldDay;
    const std::int64_t upper = m_upper != 0 ? m_upper : LastFieldDay;
    userSelect(std::clamp(target, lower, upper),
               shift && event->key() != Qt::Key_PageUp && event->key() != Qt::Key_PageDown);
}

void MonthCalendarWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
        if (width() < minReqSize().width() || height() < minReqSize().height())
            resize(size().expandedTo(minReqSize()));
    }
    QWidget::changeEvent(event);
}

} // namespace vz
