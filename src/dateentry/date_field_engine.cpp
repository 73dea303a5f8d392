#include "dateentry/date_field_engine.h"

#include "dateentry/paste_date.h"
#include "engine/convert_error.h"
#include "engine/datetext.h"

#include <algorithm>
#include <cmath>

namespace vz {

namespace {

// Case folding for the first letter of a name: ASCII and Latin-1 letters.
char32_t foldCase(char32_t c) {
    if ((c >= U'a' && c <= U'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return c - 32;
    return c;
}

bool startsWithLetter(std::string_view name, char32_t ch) {
    return !name.empty() && foldCase(firstCodePoint(name)) == foldCase(ch);
}

bool isNumeric(ElementKind k) {
    return k == ElementKind::Day || k == ElementKind::Month || k == ElementKind::MonthName ||
           k == ElementKind::Year || k == ElementKind::Hour || k == ElementKind::Minute ||
           k == ElementKind::Second;
}

bool isMonth(ElementKind k) {
    return k == ElementKind::Month || k == ElementKind::MonthName;
}

int wrap(int value, int low, int high) {
    const int span = high - low + 1;
    return ((value - low) % span + span) % span + low;
}

} // namespace

DateFieldEngine::DateFieldEngine(const RegionalSettings& rs, DateFieldOptions options)
    : m_rs(rs), m_options(std::move(options)) {
    rebuildElements();
}

void DateFieldEngine::setSettings(const RegionalSettings& rs) {
    m_rs = rs;
    rebuildElements();
}

void DateFieldEngine::setDataType(TdpDataType type) {
    m_options.UnboundDataType = type;
    rebuildElements();
}

void DateFieldEngine::setDateFormat(TDateFormat format) {
    m_options.DateFormat = format;
    rebuildElements();
}

void DateFieldEngine::setDisplayFormat(std::string_view format) {
    m_options.DisplayFormat = std::string(format);
    rebuildElements();
}

void DateFieldEngine::setLimits(TDateTime minDate, TDateTime maxDate) {
    checkLimitPair(minDate, maxDate, m_rs);
    m_options.MinDate = minDate;
    m_options.MaxDate = maxDate;
}

void DateFieldEngine::rebuildElements() {
    const std::string format = workingFormat(m_options.UnboundDataType, m_options.DateFormat,
                                             m_options.DisplayFormat, m_rs);
    m_elements = DateElements(expandShorthands(format, m_rs), m_options.UnboundDataType, m_rs);
    FCurrentElement = std::clamp(FCurrentElement, 1, std::max(1, m_elements.count()));
    FTyping = false;
    m_pending.clear();
    show();
    selectCurrent();
}

// ---- value ----------------------------------------------------------------------------------

DateFieldEngine::Parts DateFieldEngine::parts() const {
    const DaySplit split = splitDateTime(FDateTime);
    const DecodedDate d = decodeDayNumber(split.day);
    return {d.year, d.month, d.day, split.day, static_cast<double>(split.msOfDay) / MSecsPerDay};
}

void DateFieldEngine::setValue(TDateTime value) {
    if (!std::isfinite(value))
        value = 0;
    if (value == FDateTime && value != 0)
        return;
    FTyping = false;
    m_pending.clear();
    if (value != 0) {
        checkExplicitLimits(value, m_options.MinDate, m_options.MaxDate, m_rs);
        // Beyond the calendar a value could not be shown as itself.
        const std::int64_t day = wholeDay(value);
        if (day < MinDayNumber || day > MaxDayNumber ||
            std::fabs(value) > static_cast<double>(MaxDayNumber) + 1.0)
            checkExplicitLimits(value, static_cast<double>(FirstFieldDay),
                                static_cast<double>(LastFieldDay), m_rs);
    }
    assign(value);
}

void DateFieldEngine::assign(TDateTime value) {
    FDateTime = value;
    show();
    selectCurrent();
}

TDateTime DateFieldEngine::date() {
    CommitTyping();
    if (m_options.UnboundDataType == TdpDataType::dpDTEdtTime)
        return 0;
    return static_cast<double>(wholeDay(FDateTime));
}

void DateFieldEngine::setDate(TDateTime date) {
    if (m_options.UnboundDataType == TdpDataType::dpDTEdtTime)
        return;
    const std::int64_t day = std::isfinite(date) ? wholeDay(date) : 0;
    if (day == 0) {
        setValue(0);
        return;
    }
    if (day == wholeDay(FDateTime))
        return;
    setValue(combineDateAndTime(day, timeOfDay(FDateTime)));
}

TDateTime DateFieldEngine::time() {
    CommitTyping();
    if (m_options.UnboundDataType == TdpDataType::dpDTEdtDate)
        return 0;
    return timeOfDay(FDateTime);
}

void DateFieldEngine::setTime(TDateTime time) {
    if (m_options.UnboundDataType == TdpDataType::dpDTEdtDate || !std::isfinite(time))
        return;
    const double fraction = timeOfDay(time);
    if (fraction == timeOfDay(FDateTime) && FDateTime != 0)
        return;
    setValue(combineDateAndTime(wholeDay(FDateTime), fraction));
}

void DateFieldEngine::setText(std::string_view text, int currentYear) {
    if (text.empty()) {
        // For the date type only the time of day is left, which shows as an empty field.
        setValue(m_options.UnboundDataType == TdpDataType::dpDTEdtDate ? timeOfDay(FDateTime) : 0);
        show();
        return;
    }
    TDateTime read = ParsePastedDate(text, m_rs, currentYear, true);
    if (read == 0)
        read = ParsePastedDate(text, m_rs, currentYear, false);
    if (wholeDay(read) == 0)
        throw EConvertError(formatMessage(InvalidDateMessage, text));
    if (m_options.UnboundDataType == TdpDataType::dpDTEdtDate)
        setDate(read);
    else
        setValue(read);
}

// ---- text and selection ---------------------------------------------------------------------

void DateFieldEngine::show() {
    const bool emptyDate =
        m_options.UnboundDataType != TdpDataType::dpDTEdtTime && wholeDay(FDateTime) == 0;
    if (emptyDate)
        m_rendered = RenderedText{};
    else
        m_rendered = m_elements.render(FDateTime, m_rs);
    m_text = m_rendered.text;
}

void DateFieldEngine::selectCurrent() {
    const auto index = static_cast<std::size_t>(FCurrentElement - 1);
    if (index < m_rendered.spans.size()) {
        const ElementSpan span = m_rendered.spans[index];
        m_selection = {span.start, span.length};
    } else {
        m_selection = {0, 0};
    }
}

void DateFieldEngine::selectAll() {
    m_selection = {0, codePointCount(m_text)};
}

bool DateFieldEngine::isAllSelected() const {
    return !m_text.empty() && m_selection.start == 0 &&
           m_selection.length == codePointCount(m_text);
}

std::string DateFieldEngine::selectedText() const {
    const std::size_t from = byteOffsetOfCodePoint(m_text, m_selection.start);
    const std::size_t to = byteOffsetOfCodePoint(m_text, m_selection.start + m_selection.length);
    return m_text.substr(from, to - from);
}

void DateFieldEngine::showPending() {
    const RenderedText r = m_elements.render(FDateTime, m_rs, FCurrentElement, m_pending);
    m_text = r.text;
    const ElementSpan span = r.spans[static_cast<std::size_t>(FCurrentElement - 1)];
    m_selection = {span.start + span.length, 0};
}

void DateFieldEngine::moveTo(int number) {
    FCurrentElement = std::clamp(number, 1, std::max(1, m_elements.count()));
    selectCurrent();
}

void DateFieldEngine::fillToday(TDateTime now) {
    const std::int64_t today = limits().clamp(wholeDay(now));
    assign(static_cast<double>(today));
}

// ---- limits and applying elements -----------------------------------------------------------

bool DateFieldEngine::dateAllowed(int year, int month, int day) const {
    const auto dn = dayNumberOf(year, month, day);
    return dn && limits().contains(*dn);
}

bool DateFieldEngine::elementAllowed(const FormatToken& el, int v) const {
    const Parts p = parts();
    switch (el.kind) {
    case ElementKind::Day:
        return v >= 1 && v <= daysInMonth(p.year, p.month) && dateAllowed(p.year, p.month, v);
    case ElementKind::Month:
    case ElementKind::MonthName:
        return v >= 1 && v <= 12 && dateAllowed(p.year, v, std::min(p.day, daysInMonth(p.year, v)));
    case ElementKind::Year:
        return v >= 1 && v <= 9999 &&
               dateAllowed(v, p.month, std::min(p.day, daysInMonth(v, p.month)));
    case ElementKind::Hour:
        return el.twelveHour ? (v >= 1 && v <= 12) : (v >= 0 && v <= 23);
    case ElementKind::Minute:
    case ElementKind::Second:
        return v >= 0 && v <= 59;
    default:
        return false;
    }
}

bool DateFieldEngine::ApplyElements(int year, int month, int day) {
    if (month >= 1 && month <= 12 && year >= 1 && year <= 9999)
        day = std::min(day, daysInMonth(year, month));
    const auto dn = dayNumberOf(year, month, day);
    if (!dn || !limits().contains(*dn)) {
        show();
        return false;
    }
    return applyDay(*dn);
}

bool DateFieldEngine::applyDay(std::int64_t day) {
    if (!limits().contains(day)) {
        show();
        return false;
    }
    const TDateTime before = FDateTime;
    assign(combineDateAndTime(day, parts().timeOfDay));
    if (FDateTime != before)
        m_modified = true;
    return true;
}

void DateFieldEngine::applyTime(int hour, int minute, int second) {
    const Parts p = parts();
    const auto fraction = timeFraction(hour, minute, second, 0);
    if (!fraction)
        return;
    const double ms = std::round(p.timeOfDay * MSecsPerDay);
    const double keptMs = std::fmod(ms, 1000.0) / MSecsPerDay;
    const TDateTime before = FDateTime;
    assign(combineDateAndTime(p.dayNumber, *fraction + keptMs));
    if (FDateTime != before)
        m_modified = true;
}

void DateFieldEngine::applyDateOrLimit(int year, int month, int day) {
    const DateLimits lim = limits();
    if (year < 1 || (year == 1 && dayNumberOf(1, month, 1).value_or(lim.lower) < lim.lower)) {
        applyDay(lim.lower);
        return;
    }
    if (year > 9999) {
        applyDay(lim.upper);
        return;
    }
    day = std::min(day, daysInMonth(year, month));
    const std::int64_t dn = dayNumberOf(year, month, day).value_or(lim.lower);
    applyDay(lim.clamp(dn));
}

void DateFieldEngine::applyElement(const FormatToken& el, int v) {
    const Parts p = parts();
    const DecodedDateTime t = decodeDateTime(FDateTime);
    switch (el.kind) {
    case ElementKind::Day:
        ApplyElements(p.year, p.month, v);
        break;
    case ElementKind::Month:
    case ElementKind::MonthName:
        ApplyElements(p.year, v, p.day);
        break;
    case ElementKind::Year:
        ApplyElements(v, p.month, p.day);
        break;
    case ElementKind::Hour:
        applyTime(el.twelveHour ? v % 12 + (t.hour >= 12 ? 12 : 0) : v, t.minute, t.second);
        break;
    case ElementKind::Minute:
        applyTime(t.hour, v, t.second);
        break;
    case ElementKind::Second:
        applyTime(t.hour, t.minute, v);
        break;
    default:
        break;
    }
}

int DateFieldEngine::ApplyEpoch(int yy) const {
    const int base = m_options.Epoch / 100;
    const int threshold = m_options.Epoch % 100;
    return yy >= threshold ? base * 100 + yy : (base + 1) * 100 + yy;
}

// ---- typing ---------------------------------------------------------------------------------

KeyOutcome DateFieldEngine::typeDigit(int digit) {
    const FormatToken& el = m_elements.element(FCurrentElement);
    if (!isNumeric(el.kind))
        return {};
    const Parts p = parts();
    const bool longYear = el.kind == ElementKind::Year && !isShortYear(el);

    if (FTyping) {
        m_pending += static_cast<char>('0' + digit);
        int v = std::stoi(m_pending);
        if (longYear) {
            if (m_pending.size() < 4) {
                showPending();
                return {};
            }
            if (v == 0)
                v = FEnterValue != 0 ? decodeDateTime(FEnterValue).year : p.year;
        } else if (isShortYear(el)) {
            v = ApplyEpoch(v);
        }
        if (!elementAllowed(el, v)) {
            m_pending.pop_back();
            return {true, true};
        }
        FTyping = false;
        m_pending.clear();
        applyElement(el, v);
        show();
        moveTo(FCurrentElement + 1);
        return {};
    }

    bool complete = false;
    switch (el.kind) {
    case ElementKind::Day:
        complete = digit > 3 || (digit == 3 && daysInMonth(p.year, p.month) < 30);
        break;
    case ElementKind::Month:
    case ElementKind::MonthName:
        complete = digit > 1;
        break;
    case ElementKind::Hour:
        complete = digit > (el.twelveHour ? 1 : 2);
        break;
    case ElementKind::Minute:
    case ElementKind::Second:
        complete = digit > 5;
        break;
    default:
        break;
    }
    if (complete) {
        if (!elementAllowed(el, digit))
            return {true, true};
        applyElement(el, digit);
        moveTo(FCurrentElement + 1);
        return {};
    }
    if (isShortYear(el)) {
        // A decade that ends before the lower limit cannot be completed by any second digit.
        const auto lastOfDecade = dayNumberOf(p.year / 100 * 100 + digit * 10 + 9, 12, 31);
        if (!lastOfDecade || *lastOfDecade < limits().lower)
            return {true, true};
    }
    m_pending = std::string(1, static_cast<char>('0' + digit));
    FTyping = true;
    showPending();
    return {};
}

void DateFieldEngine::CommitTyping() {
    if (!FTyping)
        return;
    const FormatToken& el = m_elements.element(FCurrentElement);
    const int v = std::stoi(m_pending);
    FTyping = false;
    const std::size_t digits = m_pending.size();
    m_pending.clear();
    if (el.kind == ElementKind::Year) {
        applyElement(el, digits <= 2 ? ApplyEpoch(v) : v);
    } else if (v != 0 || !(el.kind == ElementKind::Day || isMonth(el.kind) || el.twelveHour)) {
        // A pending 0 keeps the element's value: no day, month or 12-hour hour is 0.
        applyElement(el, v);
    }
    show();
    selectCurrent();
}

// ---- stepping, Home and End, letters --------------------------------------------------------

int DateFieldEngine::firstDayOfWeekSundayBased() const {
    if (m_options.FirstDayOfWeek >= 0 && m_options.FirstDayOfWeek <= 6)
        return (m_options.FirstDayOfWeek + 1) % 7;
    return std::clamp(m_rs.firstDayOfWeek, 0, 6);
}

int DateFieldEngine::weekPosition(std::int64_t day) const {
    return (dayOfWeekOfDayNumber(day) - 1 - firstDayOfWeekSundayBased() + 7) % 7;
}

void DateFieldEngine::step(int direction) {
    const FormatToken& el = m_elements.element(FCurrentElement);
    const Parts p = parts();
    const DecodedDateTime t = decodeDateTime(FDateTime);
    const DateLimits lim = limits();
    switch (el.kind) {
    case ElementKind::Day: {
        const std::int64_t target = p.dayNumber + direction;
        if (direction > 0 && target > lim.upper)
            return;
        if (direction < 0 && target < lim.lower) {
            applyDay(lim.lower);
            return;
        }
        // The step stays within the month: past its last day comes the 1st, before the 1st
        // its last day.
        const int dim = daysInMonth(p.year, p.month);
        const int day = wrap(p.day + direction, 1, dim);
        ApplyElements(p.year, p.month, day);
        break;
    }
    case ElementKind::Month:
    case ElementKind::MonthName:
        applyDateOrLimit(p.year, wrap(p.month + direction, 1, 12), p.day);
        break;
    case ElementKind::Year:
        if (p.year + direction > 9999)
            return;
        applyDateOrLimit(p.year + direction, p.month, p.day);
        break;
    case ElementKind::DayName: {
        const int pos = weekPosition(p.dayNumber);
        applyDay(p.dayNumber + (wrap(pos + direction, 0, 6) - pos));
        break;
    }
    case ElementKind::Hour:
        applyTime(wrap(t.hour + direction, 0, 23), t.minute, t.second);
        break;
    case ElementKind::Minute:
        applyTime(t.hour, wrap(t.minute + direction, 0, 59), t.second);
        break;
    case ElementKind::Second:
        applyTime(t.hour, t.minute, wrap(t.second + direction, 0, 59));
        break;
    case ElementKind::AmPm:
        applyTime((t.hour + 12) % 24, t.minute, t.second);
        break;
    default:
        break;
    }
    m_modified = true;
}

void DateFieldEngine::homeEnd(bool end) {
    const FormatToken& el = m_elements.element(FCurrentElement);
    const Parts p = parts();
    const DecodedDateTime t = decodeDateTime(FDateTime);
    const DateLimits lim = limits();
    const DecodedDate lo = decodeDayNumber(lim.lower);
    const DecodedDate hi = decodeDayNumber(lim.upper);
    switch (el.kind) {
    case ElementKind::Day:
        if (end)
            ApplyElements(p.year, p.month,
                          p.year == hi.year && p.month == hi.month ? hi.day
                                                                   : daysInMonth(p.year, p.month));
        else
            ApplyElements(p.year, p.month, p.year == lo.year && p.month == lo.month ? lo.day : 1);
        break;
    case ElementKind::Month:
    case ElementKind::MonthName: {
        int month = end ? 12 : 1;
        if (end && p.year == hi.year)
            month = std::max(1, p.day > hi.day ? hi.month - 1 : hi.month);
        else if (!end && p.year == lo.year)
            month = std::min(12, p.day < lo.day ? lo.month + 1 : lo.month);
        ApplyElements(p.year, month, p.day);
        break;
    }
    case ElementKind::Year: {
        int year = 0;
        if (end)
            year = (p.month > hi.month || (p.month == hi.month && p.day > hi.day)) ? hi.year - 1
                                                                                   : hi.year;
        else
            year = (p.month < lo.month || (p.month == lo.month && p.day < lo.day)) ? lo.year + 1
                                                                                   : lo.year;
        ApplyElements(year, p.month, p.day);
        break;
    }
    case ElementKind::DayName: {
        const int pos = weekPosition(p.dayNumber);
        applyDay(p.dayNumber + (end ? 6 - pos : -pos));
        break;
    }
    case ElementKind::Hour:
        if (el.twelveHour)
            applyTime((t.hour >= 12 ? 12 : 0) + (end ? 11 : 0), t.minute, t.second);
        else
            applyTime(end ? 23 : 0, t.minute, t.second);
        break;
    case ElementKind::Minute:
        applyTime(t.hour, end ? 59 : 0, t.second);
        break;
    case ElementKind::Second:
        applyTime(t.hour, t.minute, end ? 59 : 0);
        break;
    case ElementKind::AmPm:
        applyTime(t.hour % 12 + (end ? 12 : 0), t.minute, t.second);
        break;
    default:
        break;
    }
    m_modified = true;
}

void DateFieldEngine::letter(char32_t ch) {
    const FormatToken& el = m_elements.element(FCurrentElement);
    const Parts p = parts();
    if (el.kind == ElementKind::MonthName) {
        const auto& names = el.width == 3 ? m_rs.shortMonthNames : m_rs.longMonthNames;
        for (int i = 1; i <= 12; ++i) {
            const int month = (p.month - 1 + i) % 12 + 1;
            if (startsWithLetter(names[static_cast<std::size_t>(month - 1)], ch)) {
                ApplyElements(p.year, month, p.day);
                return;
            }
        }
    } else if (el.kind == ElementKind::DayName) {
        const auto& names = el.width == 3 ? m_rs.shortDayNames : m_rs.longDayNames;
        const int pos = weekPosition(p.dayNumber);
        for (int i = 1; i <= 7; ++i) {
            const std::int64_t day = p.dayNumber - pos + (pos + i) % 7;
            const auto weekday = static_cast<std::size_t>(dayOfWeekOfDayNumber(day) - 1);
            if (startsWithLetter(names[weekday], ch)) {
                applyDay(day);
                return;
            }
        }
    } else if (el.kind == ElementKind::AmPm) {
        const DecodedDateTime t = decodeDateTime(FDateTime);
        const bool am = startsWithLetter(m_rs.timeAMString, ch) || foldCase(ch) == U'A';
        const bool pm = startsWithLetter(m_rs.timePMString, ch) || foldCase(ch) == U'P';
        if (am != pm)
            applyTime(t.hour % 12 + (pm ? 12 : 0), t.minute, t.second);
    }
}

void DateFieldEngine::empty() {
    FTyping = false;
    m_pending.clear();
    FCurrentElement = 1;
    assign(0);
    m_modified = true;
}

// ---- keys -----------------------------------------------------------------------------------

KeyOutcome DateFieldEngine::key(const FieldKey& k, TDateTime now) {
    if (k.alt) {
        if (k.code == FieldKey::Up || k.code == FieldKey::Down)
            return {true, false, true};
        return {false};
    }
    if (k.ctrl)
        return {}; // Ctrl+V, Ctrl+X and the like are swallowed, not typed
    if (m_elements.count() == 0)
        return {k.code == FieldKey::Char};

    const bool isChar = k.code == FieldKey::Char;
    if (isEmpty()) {
        if (k.code == FieldKey::Backspace || k.code == FieldKey::Delete)
            return {}; // filled with today and emptied again: nothing to show for it
        const bool editing = isChar || k.code == FieldKey::Right;
        // Shift+Home and Shift+End only select, and there is nothing to select yet.
        const bool homeEnd = k.code == FieldKey::Home || k.code == FieldKey::End;
        const bool starting =
            k.code == FieldKey::Up || k.code == FieldKey::Down || (homeEnd && !k.shift);
        if (editing) {
            FCurrentElement = 1;
            fillToday(now);
        } else if (starting) {
            fillToday(now);
        }
    } else if (isAllSelected() && (isChar || k.code == FieldKey::Right) && !k.shift) {
        moveTo(1);
    }

    auto leave = [this](int number) {
        CommitTyping();
        moveTo(number);
    };

    switch (k.code) {
    case FieldKey::Char: {
        const char32_t c = k.ch;
        if (c >= U'0' && c <= U'9')
            return typeDigit(static_cast<int>(c - U'0'));
        const bool separator =
            c == firstCodePoint(m_rs.dateSeparator) || c == firstCodePoint(m_rs.timeSeparator);
        if (separator && FTyping) {
            leave(FCurrentElement + 1);
        } else if (c == U' ') {
            leave(FCurrentElement + 1);
        } else if (c == U'+' || c == U'=') {
            CommitTyping();
            step(+1);
        } else if (c == U'-') {
            CommitTyping();
            step(-1);
        } else if (!FTyping) {
            letter(c);
        }
        return {};
    }
    case FieldKey::Left:
        leave(FCurrentElement - 1);
        return {};
    case FieldKey::Right:
        if (k.shift && FCurrentElement == 1) {
            CommitTyping();
            selectAll();
        } else {
            leave(FCurrentElement + 1);
        }
        return {};
    case FieldKey::Up:
    case FieldKey::Down:
        CommitTyping();
        step(k.code == FieldKey::Up ? +1 : -1);
        return {};
    case FieldKey::Home:
    case FieldKey::End:
        CommitTyping();
        if (k.shift)
            selectAll();
        else
            homeEnd(k.code == FieldKey::End);
        return {};
    case FieldKey::Backspace:
        if (isAllSelected() && !FTyping)
            empty();
        else
            leave(FCurrentElement - 1);
        return {};
    case FieldKey::Delete:
        if (FTyping) {
            m_pending.pop_back();
            if (m_pending.empty()) {
                FTyping = false;
                show();
                selectCurrent();
            } else {
                showPending();
            }
        } else {
            empty();
        }
        return {};
    case FieldKey::F2:
        leave(FCurrentElement);
        return {};
    case FieldKey::Escape:
        FTyping = false;
        m_pending.clear();
        try {
            setValue(FEnterValue);
        } catch (const EDateTimeError&) {
            // The value on entry lay within the limits then; limits set since keep the value.
        }
        m_modified = false;
        show();
        selectAll();
        return {false};
    case FieldKey::Enter:
        leave(FCurrentElement);
        return {false};
    case FieldKey::Other:
        return {false};
    }
    return {false};
}

// ---- mouse, clipboard, focus ----------------------------------------------------------------

int DateFieldEngine::elementAt(int x, const std::function<int(std::string_view)>& width) const {
    const int n = static_cast<int>(m_rendered.spans.size());
    for (int i = 0; i < n; ++i) {
        const ElementSpan span = m_rendered.spans[static_cast<std::size_t>(i)];
        const std::size_t end = byteOffsetOfCodePoint(m_text, span.start + span.length);
        if (width(std::string_view(m_text).substr(0, end)) > x)
            return i + 1;
    }
    return std::max(1, n);
}

void DateFieldEngine::clickElement(int number) {
    if (isEmpty())
        return;
    CommitTyping();
    moveTo(number);
}

void DateFieldEngine::paste(std::string_view clipboard, TDateTime now) {
    FTyping = false;
    m_pending.clear();
    const int year = decodeDateTime(now).year;
    TDateTime read = ParsePastedDate(clipboard, m_rs, year, true);
    if (wholeDay(read) == 0)
        read = ParsePastedDate(clipboard, m_rs, year, false);
    // A pasted date beyond the field's range is refused like any text that is no date.
    if (wholeDay(read) != 0 && limits().contains(wholeDay(read))) {
        try {
            setValue(read);
        } catch (const EDateTimeError&) {
        }
    }
    show();
    selectCurrent();
    m_modified = true;
}

std::string DateFieldEngine::cut() {
    std::string taken = selectedText();
    empty();
    return taken;
}

void DateFieldEngine::fillIfEmpty(TDateTime now) {
    if (isEmpty() || FDateTime == 0) {
        m_modified = true;
        if (isEmpty())
            fillToday(now);
    }
}

void DateFieldEngine::focusIn(bool byButton) {
    m_modified = false;
    FTyping = false;
    m_pending.clear();
    show();
    if (!isEmpty()) {
        FEnterValue = FDateTime;
        selectCurrent();
        if (!byButton)
            selectAll();
    } else {
        m_selection = {0, 0};
    }
}

} // namespace vz
