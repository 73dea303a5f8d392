#include "dateentry/date_elements.h"

#include "dateentry/text_scan.h"

#include <charconv>

namespace vz {

namespace {

std::size_t runLength(std::string_view pattern, std::size_t at) {
    const char letter = upperAscii(pattern[at]);
    std::size_t n = 1;
    while (at + n < pattern.size() && upperAscii(pattern[at + n]) == letter)
        ++n;
    return n;
}

// Replaces every occurrence of word (any case, outside quotes) by replacement, in one pass.
std::string replaceOutsideQuotes(std::string_view text, std::string_view word,
                                 std::string_view replacement) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '"' || c == '\'') {
            const auto close = text.find(c, i + 1);
            const auto end = close == std::string_view::npos ? text.size() : close + 1;
            out.append(text.substr(i, end - i));
            i = end;
        } else if (startsWithNoCase(text, i, word)) {
            out.append(replacement);
            i += word.size();
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

void appendNumber(std::string& out, int value, int minDigits) {
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    for (auto width = end - buffer; width < minDigits; ++width)
        out += '0';
    out.append(buffer, end);
}

bool isDateKind(ElementKind k) {
    return k == ElementKind::Day || k == ElementKind::DayName || k == ElementKind::Month ||
           k == ElementKind::MonthName || k == ElementKind::Year;
}

bool isTimeKind(ElementKind k) {
    return k == ElementKind::Hour || k == ElementKind::Minute || k == ElementKind::Second ||
           k == ElementKind::AmPm;
}

bool editableIn(ElementKind k, TdpDataType type) {
    switch (type) {
    case TdpDataType::dpDTEdtDate:
        return isDateKind(k);
    case TdpDataType::dpDTEdtTime:
        return isTimeKind(k);
    case TdpDataType::dpDTEdtDateTime:
        return isDateKind(k) || isTimeKind(k);
    }
    return false;
}

} // namespace

std::string workingFormat(TdpDataType type, TDateFormat dateFormat, std::string_view displayFormat,
                          const RegionalSettings& rs) {
    if (!displayFormat.empty())
        return std::string(displayFormat);
    const bool isLong = dateFormat == TDateFormat::dfLong;
    switch (type) {
    case TdpDataType::dpDTEdtDate:
        return isLong ? rs.longDateFormat : rs.shortDateFormat;
    case TdpDataType::dpDTEdtTime:
        return isLong ? rs.longTimeFormat : rs.shortTimeFormat;
    case TdpDataType::dpDTEdtDateTime:
        break;
    }
    return "c";
}

std::string expandShorthands(std::string_view format, const RegionalSettings& rs) {
    std::string s = replaceOutsideQuotes(format, "c", rs.shortDateFormat + " " + rs.longTimeFormat);
    s = replaceOutsideQuotes(s, "dddddd", rs.longDateFormat);
    s = replaceOutsideQuotes(s, "ddddd", rs.shortDateFormat);
    s = replaceOutsideQuotes(s, "tt", rs.longTimeFormat);
    return replaceOutsideQuotes(s, "t", rs.shortTimeFormat);
}

DateElements::DateElements(std::string_view f, TdpDataType type, const RegionalSettings& rs) {
    auto addLiteral = [this](std::string_view raw, std::string_view text) {
        if (m_tokens.empty() || m_tokens.back().kind != ElementKind::Literal)
            m_tokens.push_back(FormatToken{});
        m_tokens.back().run.append(raw);
        m_tokens.back().literal.append(text);
    };
    auto addElement = [this](ElementKind kind, std::string_view run) {
        FormatToken t;
        t.kind = kind;
        t.run = std::string(run);
        t.width = static_cast<int>(run.size());
        m_tokens.push_back(std::move(t));
    };
    // An "m" right after an hour, with nothing or the time separator between, is minutes.
    auto followsHour = [this, &rs]() {
        if (m_tokens.empty())
            return false;
        if (m_tokens.back().kind == ElementKind::Hour)
            return true;
        const FormatToken& lit = m_tokens.back();
        return m_tokens.size() >= 2 && lit.kind == ElementKind::Literal &&
               m_tokens[m_tokens.size() - 2].kind == ElementKind::Hour &&
               (lit.run == ":" || lit.run == rs.timeSeparator);
    };

    std::size_t i = 0;
    while (i < f.size()) {
        const char c = f[i];
        const char u = upperAscii(c);
        if (c == '"' || c == '\'') {
            const auto close = f.find(c, i + 1);
            const auto end = close == std::string_view::npos ? f.size() : close;
            const auto next = end == f.size() ? end : end + 1;
            addLiteral(f.substr(i, next - i), f.substr(i + 1, end - i - 1));
            i = next;
            continue;
        }
        if (u == 'A') {
            std::size_t n = 0;
            if (startsWithNoCase(f, i, "am/pm"))
                n = 5;
            else if (startsWithNoCase(f, i, "ampm"))
                n = 4;
            else if (startsWithNoCase(f, i, "a/p"))
                n = 3;
            if (n != 0) {
                addElement(ElementKind::AmPm, f.substr(i, n));
                i += n;
            } else {
                addLiteral(f.substr(i, 1), f.substr(i, 1));
                ++i;
            }
            continue;
        }
        const std::size_t n = (u >= 'A' && u <= 'Z') ? runLength(f, i) : 1;
        const std::string_view run = f.substr(i, n);
        switch (u) {
        case 'D':
            addElement(n <= 2 ? ElementKind::Day : ElementKind::DayName, run);
            break;
        case 'M':
            if (followsHour())
                addElement(ElementKind::Minute, run);
            else
                addElement(n <= 2 ? ElementKind::Month : ElementKind::MonthName, run);
            break;
        case 'N':
            addElement(ElementKind::Minute, run);
            break;
        case 'Y':
            addElement(ElementKind::Year, run);
            break;
        case 'H':
            addElement(ElementKind::Hour, run);
            break;
        case 'S':
            addElement(ElementKind::Second, run);
            break;
        case 'Z':
            addElement(ElementKind::Millisecond, run);
            break;
        case '/':
            addLiteral(run, rs.dateSeparator);
            break;
        case ':':
            addLiteral(run, rs.timeSeparator);
            break;
        default:
            addLiteral(run, run);
            break;
        }
        i += n;
    }

    for (std::size_t t = 0; t < m_tokens.size(); ++t) {
        FormatToken& token = m_tokens[t];
        if (token.kind == ElementKind::Hour) {
            for (std::size_t k = t + 1; k < m_tokens.size(); ++k) {
                if (m_tokens[k].kind == ElementKind::Hour)
                    break;
                if (m_tokens[k].kind == ElementKind::AmPm) {
                    token.twelveHour = true;
                    break;
                }
            }
        }
        if (token.kind != ElementKind::Literal && editableIn(token.kind, type)) {
            m_numbered.push_back(t);
            token.number = static_cast<int>(m_numbered.size());
        }
    }
}

const FormatToken& DateElements::element(int number) const {
    return m_tokens[m_numbered[static_cast<std::size_t>(number - 1)]];
}

RenderedText DateElements::render(TDateTime value, const RegionalSettings& rs, int replaceNumber,
                                  std::string_view replacement) const {
    const DecodedDateTime dt = decodeDateTime(value);
    const auto weekday = static_cast<std::size_t>(dayOfWeek(value) - 1);
    const auto month = static_cast<std::size_t>(dt.month - 1);
    RenderedText out;
    out.spans.resize(m_numbered.size());
    int position = 0;
    for (const FormatToken& t : m_tokens) {
        const std::size_t before = out.text.size();
        if (t.number != 0 && t.number == replaceNumber) {
            out.text.append(replacement);
        } else {
            switch (t.kind) {
            case ElementKind::Literal:
                out.text += t.literal;
                break;
            case ElementKind::Day:
                appendNumber(out.text, dt.day, t.width);
                break;
            case ElementKind::DayName:
                out.text += t.width == 3 ? rs.shortDayNames[weekday] : rs.longDayNames[weekday];
                break;
            case ElementKind::Month:
                appendNumber(out.text, dt.month, t.width);
                break;
            case ElementKind::MonthName:
                out.text += t.width == 3 ? rs.shortMonthNames[month] : rs.longMonthNames[month];
                break;
            case ElementKind::Year:
                if (t.width <= 2)
                    appendNumber(out.text, dt.year % 100, 2);
                else
                    appendNumber(out.text, dt.year, 4);
                break;
            case ElementKind::Hour: {
                int hour = dt.hour;
                if (t.twelveHour) {
                    hour %= 12;
                    if (hour == 0)
                        hour = 12;
                }
                appendNumber(out.text, hour, t.width >= 2 ? 2 : 1);
                break;
            }
            case ElementKind::Minute:
                appendNumber(out.text, dt.minute, t.width >= 2 ? 2 : 1);
                break;
            case ElementKind::Second:
                appendNumber(out.text, dt.second, t.width >= 2 ? 2 : 1);
                break;
            case ElementKind::Millisecond:
                appendNumber(out.text, dt.millisecond, t.width >= 3 ? 3 : 1);
                break;
            case ElementKind::AmPm: {
                const bool pm = dt.hour >= 12;
                const bool lower = t.run[0] == 'a';
                if (t.width == 4)
                    out.text += pm ? rs.timePMString : rs.timeAMString;
                else if (t.width == 5)
                    out.text += pm ? (lower ? "pm" : "PM") : (lower ? "am" : "AM");
                else
                    out.text += pm ? (lower ? 'p' : 'P') : (lower ? 'a' : 'A');
                break;
            }
            }
        }
        const int length = codePointCount(std::string_view(out.text).substr(before));
        if (t.number != 0)
            out.spans[static_cast<std::size_t>(t.number - 1)] = {position, length};
        position += length;
    }
    return out;
}

} // namespace vz
