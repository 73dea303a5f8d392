#include "platform/regional_qt.h"

#include <tuple>
#include <utility>

namespace vz {

namespace {

// The time field writes its designator into a two-character run ("hh:mm tt"), and a time text
// is read back by comparing what stands there with the designators. Longer designators would be
// written cut and then not read back, and two that start alike could not be told apart.
constexpr qsizetype MaskDesignatorLength = 2;

std::string utf8(const QString& text) {
    return text.toStdString();
}

// Bidi marks and other format characters steer how a text is shown but are not part of what it
// says; kept in a pattern they would end up as separators or stray characters in the texts we
// read back. No-break spaces become plain blanks, which the readers skip.
QString withoutMarks(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Format)
            continue;
        out += c.isSpace() ? QChar(QLatin1Char(' ')) : c;
    }
    return out;
}

qsizetype characterCount(const QString& text) {
    return text.toUcs4().size();
}

bool fitsTheMask(const QString& am, const QString& pm) {
    auto fits = [](const QString& d) {
        if (d.isEmpty() || characterCount(d) > MaskDesignatorLength)
            return false;
        for (const QChar c : d)
            if (c.isDigit() || c.isSpace() || c.category() == QChar::Other_Control)
                return false;
        return true;
    };
    return fits(am) && fits(pm) && am.compare(pm, Qt::CaseInsensitive) != 0;
}

// The locale's own designators where the time field can write and read them, else the same with
// dots and blanks dropped ("a. m." gives "am"), else the words AM and PM.
std::pair<std::string, std::string> designatorsOf(const QLocale& locale) {
    QString am = withoutMarks(locale.amText()).trimmed();
    QString pm = withoutMarks(locale.pmText()).trimmed();
    if (fitsTheMask(am, pm))
        return {utf8(am), utf8(pm)};
    auto squeezed = [](QString d) {
        d.remove(QLatin1Char('.'));
        d.remove(QLatin1Char(' '));
        return d;
    };
    am = squeezed(am);
    pm = squeezed(pm);
    if (fitsTheMask(am, pm))
        return {utf8(am), utf8(pm)};
    return {"AM", "PM"};
}

// A separator is a punctuation mark or a symbol: never a letter, a combining mark, a digit or an
// invisible mark, which the scan below would otherwise pick up from scripts that write vowels
// as marks or patterns that carry bidi marks.
bool isSeparatorChar(QChar c) {
    return c != QLatin1Char('\'') && (c.isPunct() || c.isSymbol());
}

// The first separator between two fields of a pattern.
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
        if (c.isLetter())
            seenField = true;
        else if (seenField && isSeparatorChar(c))
            return utf8(QString(c));
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
        case 't': {
            // The time zone has no place in the program's texts; a blank before it goes too,
            // and so do brackets around it, as in "(t)".
            const bool opened = !out.empty() && (out.back() == '(' || out.back() == '[');
            if (opened) {
                out.pop_back();
                if (i + run < n && (qtFormat[i + run] == QLatin1Char(')') ||
                                    qtFormat[i + run] == QLatin1Char(']')))
                    ++run;
            }
            while (!out.empty() && (out.back() == ' ' || out.back() == ','))
                out.pop_back();
            break;
        }
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
    const QString shortDate = withoutMarks(locale.dateFormat(QLocale::ShortFormat));
    const QString longTime = withoutMarks(locale.timeFormat(QLocale::LongFormat));
    rs.shortDateFormat = translateQtPattern(shortDate);
    rs.longDateFormat = translateQtPattern(withoutMarks(locale.dateFormat(QLocale::LongFormat)));
    rs.shortTimeFormat = translateQtPattern(withoutMarks(locale.timeFormat(QLocale::ShortFormat)));
    rs.longTimeFormat = translateQtPattern(longTime);
    rs.dateSeparator = separatorOf(shortDate, "/");
    rs.timeSeparator = separatorOf(longTime, ":");
    std::tie(rs.timeAMString, rs.timePMString) = designatorsOf(locale);
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
