#include "dateentry/dp_month_calendar.h"

#include "dateentry/dp_datetime_picker.h"
#include "engine/clock.h"
#include "engine/convert_error.h"
#include "engine/datetext.h"
#include "platform/messages.h"
#include "platform/window_system.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include "widgets/system_colors.h"

namespace vz {

TdpDateTimeColors TdpDateTimeColors::defaults(const QPalette& palette) {
    // Window, window text, active caption, white, white, inactive caption text. The days stand
    // on the fixed white: a window text that does not read there (a dark theme's) gives way to
    // black.
    const QColor monthBack(Qt::white);
    return {palette.color(QPalette::Window),
            readableOn(palette.color(QPalette::WindowText), monthBack, Qt::black),
            palette.color(QPalette::Active, QPalette::Highlight),
            QColor(Qt::white),
            QColor(Qt::white),
            grayTextColor(palette)};
}

void TdpDateTimeColors::assign(const TdpDateTimeColors& other) {
    TextColor = other.TextColor;
    TitleBackColor = other.TitleBackColor;
    TitleTextColor = other.TitleTextColor;
    MonthBackColor = other.MonthBackColor;
    TrailingTextColor = other.TrailingTextColor;
}

TdpMonthCalendar::TdpMonthCalendar(QWidget* parent, Qt::WindowFlags flags)
    : MonthCalendarWindow(parent, flags), m_date(appClock().now()),
      m_colors(TdpDateTimeColors::defaults(palette())), m_monthMenu(new TCalendarPopupMenu(this)),
      m_yearMenu(new TCalendarPopupMenu(this)) {
    setCalColors(m_colors);
    setOptions(m_options);
    setFirstDayOfWeek(TdpFirstDayOfWeek::dpdowLocaleDefault);
    selectDay(wholeDay(m_date));
}

// ---- properties -----------------------------------------------------------------------------

void TdpMonthCalendar::setCalColors(const TdpDateTimeColors& colors) {
    m_colors = colors;
    const QColor* all[] = {&m_colors.BackColor,      &m_colors.TextColor,
                           &m_colors.TitleBackColor, &m_colors.TitleTextColor,
                           &m_colors.MonthBackColor, &m_colors.TrailingTextColor};
    for (int i = 0; i < 6; ++i)
        setColor(i, *all[i]);
}

void TdpMonthCalendar::setOptions(TdpMonthCalOptions options) {
    m_options = options;
    // The option bits are the control's style bits.
    setStyles(options &
              (mdoDayState | mdoMultiSelect | mdoWeekNumbers | mdoNoTodayCircle | mdoNoToday));
}

void TdpMonthCalendar::setFirstDayOfWeek(TdpFirstDayOfWeek day) {
    MonthCalendarWindow::setFirstDayOfWeek(day == TdpFirstDayOfWeek::dpdowLocaleDefault
                                               ? mondayBasedFirstDay(processSettings())
                                               : static_cast<int>(day));
}

void TdpMonthCalendar::setOnCalcBoldDay(TdpCalcBoldDay handler) {
    m_calcBoldDay = std::move(handler);
    refreshDayState();
    update();
}

DateLimits TdpMonthCalendar::effectiveLimits() const {
    return DateLimits::of(m_minDate, m_maxDate);
}

bool TdpMonthCalendar::outsideLimits(std::int64_t day) const {
    return (m_maxDate != 0 && day > wholeDay(m_maxDate)) ||
           (m_minDate != 0 && day < wholeDay(m_minDate));
}

void TdpMonthCalendar::setMinDate(TDateTime date) {
    checkLimitPair(date, m_maxDate, processSettings());
    m_minDate = date;
    setRange(m_minDate != 0 ? wholeDay(m_minDate) : 0, m_maxDate != 0 ? wholeDay(m_maxDate) : 0);
}

void TdpMonthCalendar::setMaxDate(TDateTime date) {
    checkLimitPair(m_minDate, date, processSettings());
    m_maxDate = date;
    setRange(m_minDate != 0 ? wholeDay(m_minDate) : 0, m_maxDate != 0 ? wholeDay(m_maxDate) : 0);
}

void TdpMonthCalendar::setDate(TDateTime date) {
    const std::int64_t day = wholeDay(date);
    if (day == wholeDay(m_date))
        return;
    if (day == 0) {
        update();
        return;
    }
    checkExplicitLimits(date, m_minDate, m_maxDate, processSettings());
    selectDay(day);
}

void TdpMonthCalendar::selectDay(std::int64_t day) {
    if (m_maxDate != 0)
        day = std::min(day, wholeDay(m_maxDate));
    day = std::max(day, m_minDate != 0 ? wholeDay(m_minDate) : FirstFieldDay);
    if (setCurSel(day))
        m_date = combineDateAndTime(day, timeOfDay(m_date));
}

// ---- notifications --------------------------------------------------------------------------

void TdpMonthCalendar::doChange() {
    Q_EMIT changed();
}

void TdpMonthCalendar::selChange(std::int64_t start, std::int64_t end) {
    if (m_minDate != 0 && start < wholeDay(m_minDate))
        start = wholeDay(m_minDate);
    const bool single = !(Options() & mdoMultiSelect);
    if (single)
        end = start;
    if (start == end) {
        if (start != curSel())
            setCurSel(start);
        m_date = combineDateAndTime(start, timeOfDay(m_date));
    }
    if (single)
        doChange();
}

std::vector<std::uint32_t> TdpMonthCalendar::dayState(int year, int month, int count) {
    std::vector<std::uint32_t> masks(static_cast<std::size_t>(std::min(count, 14)), 0u);
    if (!m_calcBoldDay)
        return masks;
    for (std::uint32_t& mask : masks) {
        if (year >= 1 && year <= 9999)
            for (int d = 1; d <= daysInMonth(year, month); ++d)
                if (m_calcBoldDay(year, month, d))
                    mask |= 1u << (d - 1);
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    return masks;
}

// ---- keys -----------------------------------------------------------------------------------

bool TdpMonthCalendar::handleKey(QKeyEvent* event) {
    if (event->modifiers() & Qt::ControlModifier)
        return false;
    CalendarKey key;
    switch (event->key()) {
    case Qt::Key_PageUp:
        key = CalendarKey::PageUp;
        break;
    case Qt::Key_PageDown:
        key = CalendarKey::PageDown;
        break;
    case Qt::Key_Left:
        key = CalendarKey::Left;
        break;
    case Qt::Key_Right:
        key = CalendarKey::Right;
        break;
    case Qt::Key_Up:
        key = CalendarKey::Up;
        break;
    case Qt::Key_Down:
        key = CalendarKey::Down;
        break;
    default:
        return false;
    }
    const bool paging = key == CalendarKey::PageUp || key == CalendarKey::PageDown;
    if (Options() & mdoMultiSelect) {
        if (paging)
            return true;
        if (event->modifiers() & Qt::ShiftModifier)
            return false; // the control extends the selection itself
    }
    const std::int64_t from = paging ? curSel() : wholeDay(m_date);
    const std::int64_t previous = wholeDay(m_date);
    const std::int64_t target = calendarKeyTarget(key, from);
    try {
        checkExplicitDayLimits(target, m_minDate, m_maxDate, processSettings());
        setDate(static_cast<double>(target));
    } catch (const EDateTimeError&) {
        selectDay(previous);
        throw;
    }
    doChange();
    return true;
}

void TdpMonthCalendar::forwardKey(QKeyEvent* event) {
    if (!handleKey(event))
        keyPressEvent(event);
}

// ---- mouse ----------------------------------------------------------------------------------

bool TdpMonthCalendar::menuShowing() const {
    return m_monthMenu->isShowing() || m_yearMenu->isShowing();
}

void TdpMonthCalendar::clearMenuFlags() {
    m_monthMenuWasShowing = m_yearMenuWasShowing = false;
    m_monthMenuJustShown = m_yearMenuJustShown = false;
}

void TdpMonthCalendar::mousePressEvent(QMouseEvent* event) {
    press(event);
}

void TdpMonthCalendar::mouseDoubleClickEvent(QMouseEvent* event) {
    press(event);
}

void TdpMonthCalendar::press(QMouseEvent* event) {
    m_monthMenuWasShowing = m_monthMenu->isShowing();
    m_yearMenuWasShowing = m_yearMenu->isShowing();
    const CalendarHitInfo hit = hitTest(event->position().toPoint());
    const bool own = hit.hit == CalendarHit::TitleMonth || hit.hit == CalendarHit::TitleYear ||
                     hit.hit == CalendarHit::TitleBtnPrev || hit.hit == CalendarHit::TitleBtnNext ||
                     (hit.hit == CalendarHit::CalendarDay && outsideLimits(hit.day));
    if (own) {
        ownClick(event, hit);
        return;
    }
    const DecodedDate d = decodeDayNumber(hit.day);
    Q_EMIT calendarMouseDown(event->button(), d.year, d.month,
                             hit.hit == CalendarHit::CalendarDay ? d.day : 0);
    m_monthMenuJustShown = m_yearMenuJustShown = false;
    MonthCalendarWindow::mousePressEvent(event);
}

void TdpMonthCalendar::ownClick(QMouseEvent* event, const CalendarHitInfo& hit) {
    const bool onDay = hit.hit == CalendarHit::CalendarDay;
    const DecodedDate d = decodeDayNumber(onDay ? hit.day : wholeDay(m_date));
    Q_EMIT calendarMouseDown(event->button(), d.year, d.month, onDay ? d.day : 0);
    if (event->button() != Qt::LeftButton)
        return;
    switch (hit.hit) {
    case CalendarHit::CalendarDay:
        setDate(static_cast<double>(m_maxDate != 0 && hit.day > wholeDay(m_maxDate)
                                        ? wholeDay(m_maxDate)
                                        : wholeDay(m_minDate)));
        clearMenuFlags();
        doChange();
        break;
    case CalendarHit::TitleBtnPrev:
    case CalendarHit::TitleBtnNext: {
        const bool next = hit.hit == CalendarHit::TitleBtnNext;
        const ArrowTarget target =
            next ? nextMonthTarget(monthRange(), wholeDay(m_date), monthDelta(), effectiveLimits())
                 : previousMonthTarget(monthRange(), wholeDay(m_date), monthDelta(),
                                       effectiveLimits());
        if (target.stoppedAtLimit)
            beep();
        setDate(static_cast<double>(target.day));
        doChange();
        break;
    }
    case CalendarHit::TitleYear:
        if ((m_yearMenuWasShowing || m_yearMenuJustShown) && m_titleYear == displayedYear() &&
            m_titleMonth == displayedMonth()) {
            m_yearMenuWasShowing = m_yearMenuJustShown = false;
            return;
        }
        showYearMenu();
        break;
    case CalendarHit::TitleMonth:
        if ((m_monthMenuWasShowing || m_monthMenuJustShown) && m_titleYear == displayedYear() &&
            m_titleMonth == displayedMonth()) {
            m_monthMenuWasShowing = m_monthMenuJustShown = false;
            return;
        }
        showMonthMenu();
        break;
    default:
        m_monthMenuJustShown = m_yearMenuJustShown = false;
        break;
    }
}

void TdpMonthCalendar::mouseMoveEvent(QMouseEvent* event) {
    const CalendarHitInfo hit = hitTest(event->position().toPoint());
    if (hit.hit == CalendarHit::CalendarDay && outsideLimits(hit.day))
        return;
    MonthCalendarWindow::mouseMoveEvent(event);
}

void TdpMonthCalendar::mouseReleaseEvent(QMouseEvent* event) {
    const CalendarHitInfo hit = hitTest(event->position().toPoint());
    const bool swallowed = hit.hit == CalendarHit::CalendarDay && outsideLimits(hit.day);
    if (!swallowed)
        MonthCalendarWindow::mouseReleaseEvent(event);
    const DecodedDate d = decodeDayNumber(hit.day);
    Q_EMIT calendarMouseUp(event->button(), d.year, d.month,
                           hit.hit == CalendarHit::CalendarDay ? d.day : 0);
}

void TdpMonthCalendar::showEvent(QShowEvent* event) {
    clearMenuFlags();
    MonthCalendarWindow::showEvent(event);
}

void TdpMonthCalendar::hideEvent(QHideEvent* event) {
    clearMenuFlags();
    MonthCalendarWindow::hideEvent(event);
}

// ---- menus ----------------------------------------------------------------------------------

namespace {

// A click that closes a menu on the title must not open it again; the flag lives until the
// event loop turns, so only that very click sees it.
void holdUntilNextTurn(QObject* context, bool& flag) {
    flag = true;
    QTimer::singleShot(0, context, [&flag] { flag = false; });
}

} // namespace

void TdpMonthCalendar::showMonthMenu() {
    m_titleYear = displayedYear();
    m_titleMonth = displayedMonth();
    const int day = decodeDayNumber(wholeDay(m_date)).day;
    m_monthMenu->setItems(
        monthMenu(processSettings(), m_titleYear, m_titleMonth, day, effectiveLimits()));
    const CalendarLayout l = calendarLayout();
    const QPoint at = mapToGlobal(QPoint(l.titleMonth.right(), l.titleMonth.bottom() + 1));
    const int chosen = m_monthMenu->popup(at, true);
    if (chosen < 0) {
        holdUntilNextTurn(this, m_monthMenuJustShown);
        return;
    }
    const int month = m_monthMenu->items()[static_cast<std::size_t>(chosen)].value;
    if (month != m_titleMonth)
        showMonth(m_titleYear, month);
    setDate(static_cast<double>(reducedDay(m_titleYear, month, day)));
    doChange();
}

void TdpMonthCalendar::showYearMenu() {
    m_titleYear = displayedYear();
    m_titleMonth = displayedMonth();
    const int day = decodeDayNumber(wholeDay(m_date)).day;
    const auto items = yearMenu(m_yearOptions, m_titleYear, m_titleMonth, day, effectiveLimits());
    m_yearMenu->setItems(items);
    const CalendarLayout l = calendarLayout();
    QPoint at = mapToGlobal(QPoint(l.titleYear.x, l.titleYear.bottom() + 1));
    if (m_yearOptions.ShowEditYear && m_yearOptions.YearsPerColumn > 1) {
        const int dpi = screen() ? static_cast<int>(screen()->logicalDotsPerInch()) : 96;
        at.rx() -= fontMetrics().horizontalAdvance(
                       QString::fromUtf8(PopupYearLabel.data(), PopupYearLabel.size())) +
                   45 * dpi / 96;
    }
    const int chosen = m_yearMenu->popup(at, false);
    if (chosen < 0) {
        holdUntilNextTurn(this, m_yearMenuJustShown);
        return;
    }
    const CalendarMenuItem& item = items[static_cast<std::size_t>(chosen)];
    if (!item.editYear) {
        chooseYear(item.value);
        return;
    }
    // Ask until the answer is a year within the limits (or the question is cancelled).
    const DateLimits limits = effectiveLimits();
    const int lowest = decodeDayNumber(limits.lower).year;
    const int highest = decodeDayNumber(limits.upper).year;
    QString title = QString::fromUtf8(EnterYearPrompt.data(), EnterYearPrompt.size());
    if (m_minDate != 0 || m_maxDate != 0)
        title += QStringLiteral(" (%1-%2)").arg(lowest).arg(highest);
    for (;;) {
        bool ok = false;
        const QString answer = QInputDialog::getText(this, title, title, QLineEdit::Normal,
                                                     QString::number(m_titleYear), &ok);
        if (!ok)
            return;
        bool number = false;
        const int year = answer.trimmed().toInt(&number);
        if (number && year >= lowest && year <= highest) {
            chooseYear(year);
            return;
        }
    }
}

void TdpMonthCalendar::chooseYear(int year) {
    const DecodedDate d = decodeDayNumber(wholeDay(m_date));
    if (year != m_titleYear)
        showMonth(year, m_titleMonth);
    const std::int64_t target = effectiveLimits().clamp(reducedDay(year, m_titleMonth, d.day));
    setDate(static_cast<double>(target));
    doChange();
}

// ---- the drop-down form ---------------------------------------------------------------------

namespace {

Qt::WindowFlags popupCalendarFlags() {
    if (compositorPlacesWindows())
        return Qt::Popup | Qt::FramelessWindowHint;
    return Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
}

} // namespace

TdpPopupCalendar::TdpPopupCalendar(TdpDBDateTimePicker* field)
    : TdpMonthCalendar(field, popupCalendarFlags()), m_field(field) {
    if (!isPopup())
        setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setBorderStyle(TdpBorderStyle::bsSingle);
    setDrawFocused(true);
}

void TdpPopupCalendar::doChange() {
    TdpMonthCalendar::doChange();
    if (!m_field->isReadOnly()) {
        m_field->setModified(true);
        m_field->setDate(Date());
    }
}

bool TdpPopupCalendar::event(QEvent* event) {
    // A pop-up receives the keyboard while it is up; the keys are the field's as they are
    // elsewhere (it sends the calendar's own keys back through forwardKey).
    const QEvent::Type type = event->type();
    if (isPopup() && (type == QEvent::KeyPress || type == QEvent::KeyRelease ||
                      type == QEvent::ShortcutOverride || type == QEvent::InputMethod))
        return QCoreApplication::sendEvent(m_field, event);
    return TdpMonthCalendar::event(event);
}

void TdpPopupCalendar::mousePressEvent(QMouseEvent* event) {
    // A press outside a pop-up comes to the pop-up; it closes the calendar keeping its date.
    // A press on the field's own button would open it again when it is passed on: it is spent.
    if (isPopup() && !rect().contains(event->position().toPoint())) {
        const QPoint at = m_field->button()->mapFromGlobal(event->globalPosition().toPoint());
        setAttribute(Qt::WA_NoMouseReplay, m_field->button()->rect().contains(at));
        close();
        return;
    }
    TdpMonthCalendar::mousePressEvent(event);
}

void TdpPopupCalendar::closeEvent(QCloseEvent* event) {
    // Closed by the window system (a click elsewhere, the window deactivated): the field closes
    // up as after any click outside, keeping the date.
    TdpMonthCalendar::closeEvent(event);
    if (isVisible())
        guarded([this] { m_field->CloseUp(true); });
}

void TdpPopupCalendar::mouseReleaseEvent(QMouseEvent* event) {
    TdpMonthCalendar::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const CalendarHit hit = hitTest(event->position().toPoint()).hit;
    if (hit == CalendarHit::CalendarDay || hit == CalendarHit::CalendarBackground ||
        hit == CalendarHit::TodayLink)
        m_field->CloseUp(true);
}

} // namespace vz
