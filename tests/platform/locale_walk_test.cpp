// Every locale Qt knows: what the program writes as date and time text, it reads back.

#include "dateentry/date_field_engine.h"
#include "engine/datetext.h"
#include "platform/regional_qt.h"
#include "timeentry/time_mask.h"
#include "timeentry/unicode_text.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <cmath>
#include <sstream>
#include <vector>

namespace vz {
namespace {

constexpr int CurrentYear = 2026;

struct Day {
    int year, month, day;
};
constexpr Day Dates[] = {{1900, 1, 1}, {2000, 2, 29}, {2026, 12, 8}, {9999, 12, 31}};
constexpr int Times[] = {0, 12 * 3600, 19 * 3600 + 5 * 60, 23 * 3600 + 59 * 60};

bool isSeparator(const std::string& text) {
    const QString s = QString::fromStdString(text);
    return s.size() == 1 && (s[0].isPunct() || s[0].isSymbol());
}

class Failures {
public:
    void add(const QLocale& locale, const std::string& what) {
        if (m_count++ < 30)
            m_text << locale.name().toStdString() << ": " << what << '\n';
    }
    int count() const { return m_count; }
    std::string text() const { return m_text.str(); }

private:
    int m_count = 0;
    std::ostringstream m_text;
};

QList<QLocale> everyLocale() {
    return QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                    QLocale::AnyTerritory);
}

TEST(EveryLocale, DatesReadBackAsWrittenByTheGridAndTheDateField) {
    Failures failures;
    const auto locales = everyLocale();
    ASSERT_GT(locales.size(), 100);
    for (const QLocale& locale : locales) {
        RegionalSettings rs = regionalSettingsFromLocale(locale);
        fix2000(rs);
        if (!isSeparator(rs.dateSeparator))
            failures.add(locale, "date separator '" + rs.dateSeparator + "'");
        DateFieldEngine field(rs);
        for (const Day& d : Dates) {
            const auto day = static_cast<double>(*dayNumberOf(d.year, d.month, d.day));
            const std::string text = dateToStr(day, rs);
            field.setDate(day);
            if (field.text() != text)
                failures.add(locale,
                             "date field shows '" + field.text() + "', grid '" + text + "'");
            TDateTime back = 0;
            if (!tryStrToDate(text, rs, CurrentYear, back) || back != day)
                failures.add(locale, "'" + text + "' (" + rs.shortDateFormat + ") reads as " +
                                         std::to_string(back));
        }
    }
    EXPECT_EQ(failures.count(), 0) << failures.text();
}

TEST(EveryLocale, TimesReadBackAsWrittenByTheTimeField) {
    Failures failures;
    const TimeMask mask = TimeMask::parse("hh:mm tt");
    const TimeDesignators english = TimeDesignators::from(usDefaults());
    for (const QLocale& locale : everyLocale()) {
        const RegionalSettings rs = regionalSettingsFromLocale(locale);
        if (!isSeparator(rs.timeSeparator))
            failures.add(locale, "time separator '" + rs.timeSeparator + "'");
        const TimeDesignators d = TimeDesignators::from(rs);
        if (!mask.twelveHour(d))
            failures.add(locale, "designators '" + rs.timeAMString + "' and '" + rs.timePMString +
                                     "' cannot tell morning from afternoon");
        for (const int seconds : Times) {
            // Written here, and written under English settings by another locale's copy.
            for (const std::u32string& text :
                 {mask.format(seconds, d), mask.format(seconds, english)}) {
                const std::string utf8 = toUtf8(text);
                if (mask.read(text, d) != seconds)
                    failures.add(locale, "time field reads '" + utf8 + "' wrong");
                double fraction = -1;
                if (!tryStrToTime(utf8, rs, fraction) || std::lround(fraction * 86400) != seconds)
                    failures.add(locale, "'" + utf8 + "' reads as " + std::to_string(fraction));
            }
        }
    }
    EXPECT_EQ(failures.count(), 0) << failures.text();
}

// Designator letters as the reader compares them: without dots and blanks, ASCII in upper case.
QString bare(const QString& designator) {
    QString letters;
    for (const QChar c : designator)
        if (c != u'.' && !c.isSpace())
            letters += c.unicode() < 0x80 ? c.toUpper() : c;
    return letters;
}

// A time written with any locale's own designators, before or after the time, reads under the
// settings of other locales: the designator table follows Qt's locale data. Left unread are
// "IP", the morning in one locale and the afternoon in another, and letters found in both of the
// reader's own designators ("m" under AM and PM).
TEST(EveryLocale, TimesWithAnyLocalesDesignatorsReadEverywhere) {
    Failures failures;
    std::vector<RegionalSettings> readers = {usDefaults()};
    for (const char* name : {"de_DE", "ko_KR", "ja_JP", "ar_EG", "es_ES", "sv_SE"})
        readers.push_back(regionalSettingsFromLocale(QLocale(QString::fromLatin1(name))));
    for (const QLocale& locale : everyLocale()) {
        for (const RegionalSettings& rs : readers) {
            const QString ownAm = bare(QString::fromStdString(rs.timeAMString));
            const QString ownPm = bare(QString::fromStdString(rs.timePMString));
            for (const auto& [designator, pm] :
                 {std::pair{locale.amText(), false}, std::pair{locale.pmText(), true}}) {
                const QString word = bare(designator);
                if (word.isEmpty() || word == u"IP" ||
                    (ownAm.contains(word) && ownPm.contains(word)))
                    continue;
                const std::string d = designator.toStdString();
                for (const std::string& text : {"07:30 " + d, d + " 07:30"}) {
                    double fraction = -1;
                    if (!tryStrToTime(text, rs, fraction) ||
                        std::lround(fraction * 1440) != (pm ? 19 * 60 + 30 : 7 * 60 + 30))
                        failures.add(locale, "'" + text + "' under " + rs.timeAMString + "/" +
                                                 rs.timePMString + " reads as " +
                                                 std::to_string(fraction * 1440));
                }
            }
        }
    }
    EXPECT_EQ(failures.count(), 0) << failures.text();
}

} // namespace
} // namespace vz
