#include "engine/datetext.h"
#include "platform/regional_qt.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

const TDateTime Sample = encodeDateTime(1997, 6, 1, 21, 5, 7, 0); // a Sunday evening

struct LocaleCase {
    const char* name;
    const char* shortDate;  // after fix2000
    const char* dateText;   // the sample as date text
    const char* longTime;   // the sample as long time text
    const char* separators; // date separator, time separator, thousands separator
    int firstDayOfWeek;
};

class Locales : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(Locales, TranslateIntoThePatternLanguage) {
    const LocaleCase& c = GetParam();
    RegionalSettings rs = regionalSettingsFromLocale(QLocale(QString::fromLatin1(c.name)));
    fix2000(rs);
    EXPECT_EQ(rs.shortDateFormat, c.shortDate);
    EXPECT_EQ(dateToStr(Sample, rs), c.dateText);
    EXPECT_EQ(timeToStr(Sample, rs), c.longTime);
    EXPECT_EQ(rs.dateSeparator + rs.timeSeparator + rs.thousandSeparator, c.separators);
    EXPECT_EQ(rs.firstDayOfWeek, c.firstDayOfWeek);
    // The time field writes two designator characters; longer ones would not read back.
    EXPECT_LE(QString::fromStdString(rs.timeAMString).toUcs4().size(), 2);
    EXPECT_LE(QString::fromStdString(rs.timePMString).toUcs4().size(), 2);
    // What the program writes, it reads back.
    EXPECT_EQ(strToDate(dateToStr(Sample, rs), rs, 2026), 35582.0);
}

INSTANTIATE_TEST_SUITE_P(
    Qt, Locales,
    ::testing::Values(LocaleCase{"en_US", "M/d/yyyy", "6/1/1997", "9:05:07 PM", "/:,", 0},
                      LocaleCase{"de_DE", "dd.MM.yyyy", "01.06.1997", "21:05:07", ".:.", 1},
                      LocaleCase{"en_GB", "dd/MM/yyyy", "01/06/1997", "21:05:07", "/:,", 1},
                      LocaleCase{"ja_JP", "yyyy/MM/dd", "1997/06/01", "21時05分07秒", "/:,", 0},
                      LocaleCase{"C", "M/d/yyyy", "6/1/1997", "9:05:07 PM", "/:,", 0},
                      // A literal after the date; the thousands separator a no-break space.
                      LocaleCase{"bg_BG", "d.MM.yyyy \"\u0433\".", "1.06.1997 \u0433.",
                                 "21:05:07 \u0447.", ".:\u00a0", 1},
                      // Bidi marks around the separators are dropped, designators kept.
                      LocaleCase{"ar_EG", "d/M/yyyy", "1/6/1997", "9:05:07 \u0645", "/:\u066c", 6},
                      // A marker before the hour; the zone's brackets go with it.
                      LocaleCase{"ko_KR", "yyyy. M. d.", "1997. 6. 1.",
                                 "\uc624\ud6c4 9\uc2dc 5\ubd84 7\ucd08", ".:,", 0},
                      LocaleCase{"es_ES", "d/M/yyyy", "1/6/1997", "21:05:07", "/:.", 1}),
    [](const ::testing::TestParamInfo<LocaleCase>& info) { return std::string(info.param.name); });

TEST(TranslateQtPattern, LiteralsZonesAndMarkers) {
    EXPECT_EQ(translateQtPattern(QStringLiteral("h:mm:ss AP t")), "h:nn:ss ampm");
    EXPECT_EQ(translateQtPattern(QStringLiteral("HH:mm 'Uhr'")), "hh:nn \"Uhr\"");
    EXPECT_EQ(translateQtPattern(QStringLiteral("d 'de' MMMM 'de' yyyy")),
              "d \"de\" MMMM \"de\" yyyy");
    EXPECT_EQ(translateQtPattern(QStringLiteral("h 'o''clock'")), "h \"o'clock\"");
    EXPECT_EQ(translateQtPattern(QStringLiteral("H:mm:ss (t)")), "h:nn:ss");
    EXPECT_EQ(translateQtPattern(QStringLiteral("h:mm:ss AP, t")), "h:nn:ss ampm");
}

TEST(RegionalSettingsFromLocale, NamesComeFromTheLocale) {
    const RegionalSettings rs = regionalSettingsFromLocale(QLocale(QStringLiteral("de_DE")));
    EXPECT_EQ(formatDateTime("dddd ddd mmmm", Sample, rs), "Sonntag So. Juni");
    EXPECT_EQ(rs.longDayNames[1], "Montag");
}

} // namespace
} // namespace vz

#include "widgets/system_colors.h"

namespace vz {
namespace {

TEST(SystemColors, GreyTextStaysGreyUnderEveryTheme) {
    QPalette flat;
    flat.setColor(QPalette::Active, QPalette::WindowText, Qt::black);
    flat.setColor(QPalette::Disabled, QPalette::WindowText, Qt::black);
    EXPECT_EQ(grayTextColor(flat), QColor(128, 128, 128));
    flat.setColor(QPalette::Disabled, QPalette::WindowText, QColor(150, 150, 150));
    EXPECT_EQ(grayTextColor(flat), QColor(150, 150, 150));
}

} // namespace
} // namespace vz
