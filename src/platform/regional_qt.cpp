#include "platform/regional_qt.h"

namespace vz {

namespace {

constexpr int MaxDesignatorLength = 5;

std::string utf8(const QString& text) {
    return text.toStdString();
}

std::string designator(const QString& text) {
    return utf8(text.left(MaxDesignatorLength));
}

// The first character between two fields of a pattern that is not a blank: the separator.
std::string separatorOf(const QString& qtFormat, const std::string& fallback) {
    bool inQuote = false;
    bool seenField = false;
    for (const QChar c : qtFormat) {
        if (c == QLatin1Char('\'')) {
            inQuote = !inQuote;
            continue;
        }
        if (inQuote)
            continue;
        if (c.isLetter()) {
            seenField = true;
        } else if (seenField && c != QLatin1Char(' ')) {
            return utf8(QString(c));
        }
    }
    return fallback;
}

void appendLiteral(std::string& out, const QString& literal) {
    if (literal.isEmpty())
        return;
    out += '"';
    out += utf8(literal);
    out += '"';
}

} // namespace

std::string translateQtPattern(const QString& qtFormat) {
    std::string out;
    const qsizetype n = qtFormat.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = qtFormat[i];
        if (c == QLatin1Char('\'')) {
            // '' is a quote; '…' a literal in which '' is a quote.
            if (i + 1 < n && qtFormat[i + 1] == QLatin1Char('\'')) {
                appendLiteral(out, QStringLiteral("'"));
                i += 2;
                continue;
            }
            QString literal;
            ++i;
            while (i < n) {
                if (qtFormat[i] == QLatin1Char('\'')) {
                    if (i + 1 < n && qtFormat[i + 1] == QLatin1Char('\'')) {
                        literal += QLatin1Char('\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                literal += qtFormat[i++];
            }
            appendLiteral(out, literal);
            continue;
        }
        qsizetype run = 1;
        while (i + run < n && qtFormat[i + run] == c)
            ++run;
        switch (c.unicode()) {
        case 'd':
            out += std::string(static_cast<std::size_t>(std::min<qsizetype>(run, 4)), 'd');
            break;
        case 'M':
        case 'L':
            out += std::string(static_cast<std::size_t>(std::min<qsizetype>(run, 4)), 'M');
            break;
        case 'y':
            out += run >= 3 ? "yyyy" : "yy";
            break;
        case 'h':
        case 'H':
            out += run >= 2 ? "hh" : "h";
            break;
        case 'm':
            out += run >= 2 ? "nn" : "n";
            break;
        case 's':
            out += run >= 2 ? "ss" : "s";
            break;
        case 'z':
            out += run >= 3 ? "zzz" : "z";
            break;
        case 'A':
        case 'a':
            out += "ampm";
            if (i + 1 < n &&
                (qtFormat[i + 1] == QLatin1Char('P') || qtFormat[i + 1] == QLatin1Char('p')))
                ++run; // AP / ap
            break;
        case 't':
            // The time zone has no place in the program's texts; a blank before it goes too.
            while (!out.empty() && out.back() == ' ')
                out.pop_back();
            break;
        default:
            if (c.isLetter())
                appendLiteral(out, qtFormat.mid(i, run));
            else
                out += utf8(qtFormat.mid(i, run));
            break;
        }
        i += run;
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

RegionalSettings regionalSettingsFromLocale(const QLocale& locale) {
    if (locale.language() == QLocale::C)
        return usDefaults();
    RegionalSettings rs;
    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    const QString longTime = locale.timeFormat(QLocale::LongFormat);
    rs.shortDateFormat = translateQtPattern(shortDate);
    rs.longDateFormat = translateQtPattern(locale.dateFormat(QLocale::LongFormat));
    rs.shortTimeFormat = translateQtPattern(locale.timeFormat(QLocale::ShortFormat));
    rs.longTimeFormat = translateQtPattern(longTime);
    rs.dateSeparator = separatorOf(shortDate, "/");
    rs.timeSeparator = separatorOf(longTime, ":");
    rs.timeAMString = designator(locale.amText());
    rs.timePMString = designator(locale.pmText());
    rs.thousandSeparator = utf8(locale.groupSeparator());
    for (int m = 1; m <= 12; ++m) {
        rs.shortMonthNames[static_cast<std::size_t>(m - 1)] =
            utf8(locale.monthName(m, QLocale::ShortFormat));
        rs.longMonthNames[static_cast<std::size_t>(m - 1)] =
            utf8(locale.monthName(m, QLocale::LongFormat));
    }
    for (int d = 0; d < 7; ++d) {
        const int qtDay = d == 0 ? 7 : d; // Qt counts Monday = 1 … Sunday = 7
        rs.shortDayNames[static_cast<std::size_t>(d)] =
            utf8(locale.dayName(qtDay, QLocale::ShortFormat));
        rs.longDayNames[static_cast<std::size_t>(d)] =
            utf8(locale.dayName(qtDay, QLocale::LongFormat));
    }
    rs.firstDayOfWeek = static_cast<int>(locale.firstDayOfWeek()) % 7;
    return rs;
}

} // namespace vz
