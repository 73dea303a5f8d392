#include "engine/convert_error.h"
#include "engine/datetext.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vz {
namespace {

RegionalSettings german() {
    RegionalSettings rs;
    rs.shortDateFormat = "dd.MM.yy";
    rs.longTimeFormat = "hh:nn:ss";
    rs.shortTimeFormat = "hh:nn";
    rs.dateSeparator = ".";
    rs.timeAMString = "";
    rs.timePMString = "";
    rs.thousandSeparator = ".";
    rs.shortDayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    rs.longDayNames = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                       "Donnerstag", "Freitag", "Samstag"};
    return rs;
}

RegionalSettings isoDates() {
    RegionalSettings rs;
    rs.shortDateFormat = "yyyy-MM-dd";
    rs.dateSeparator = "-";
    return rs;
}

const TDateTime Birthday = encodeDateTime(1997, 6, 1, 9, 5, 7, 0); // a Sunday

TEST(FormatDateTime, PatternLetters) {
    const RegionalSettings us = usDefaults();
    struct Case {
        const char* pattern;
        const char* expected;
    } cases[] = {
        {"d/m/yy", "1/6/97"},
        {"dd/mm/yyyy", "01/06/1997"},
        {"ddd dddd", "Sun Sunday"},
        {"mmm mmmm", "Jun June"},
        {"h:mm:ss", "9:05:07"},
        {"hh:nn", "09:05"},
        {"hh:mm AMPM", "09:05 AM"},
        {"h am/pm", "9 am"},
        {"H A/P", "9 A"},
        {"ddddd", "6/1/97"},
        {"t", "9:05 AM"},
        {"tt", "9:05:07 AM"},
        {"'d' \"mm\" d", "d mm 1"},
        {"c", "6/1/97 9:05:07 AM"},
        {"zzz", "000"},
        {"YYYY-MM-DD", "1997-06-01"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatDateTime(c.pattern, Birthday, us), c.expected) << c.pattern;
    EXPECT_EQ(formatDateTime("hh:mm AMPM", encodeDateTime(2000, 1, 1, 0, 0, 0, 0), us), "12:00 AM");
    EXPECT_EQ(formatDateTime("hh:mm AMPM", encodeDateTime(2000, 1, 1, 12, 30, 0, 0), us),
              "12:30 PM");
    EXPECT_EQ(formatDateTime("hh:mm", encodeDateTime(2000, 1, 1, 23, 30, 0, 0), us), "23:30");
    EXPECT_EQ(formatDateTime("dd/mm/yyyy", Birthday, german()), "01.06.1997");
    EXPECT_EQ(formatDateTime("dddd", Birthday, german()), "Sonntag");
}

TEST(FormatDateTime, SelfNamingPatternsDoNotRecurseForever) {
    RegionalSettings rs;
    rs.shortDateFormat = "ddddd";
    rs.longTimeFormat = "tt c";
    EXPECT_NO_THROW(formatDateTime("c ddddd tt", Birthday, rs));
}

TEST(Fix2000, WidensTwoDigitYearsOnly) {
    struct Case {
        const char *before, *after;
    } cases[] = {{"M/d/yy", "M/d/yyyy"},     {"dd.MM.yy", "dd.MM.yyyy"},
                 {"yy-MM-dd", "yyyy-MM-dd"}, {"dd/MM/yyyy", "dd/MM/yyyy"},
                 {"d/M/y", "d/M/y"},         {"d/M/YY", "d/M/YY"}};
    for (const Case& c : cases) {
        RegionalSettings rs;
        rs.shortDateFormat = c.before;
        fix2000(rs);
        EXPECT_EQ(rs.shortDateFormat, c.after) << c.before;
    }
    EXPECT_EQ(shortYearPos("M/d/yy"), 5);
    EXPECT_EQ(shortYearPos("yyyy"), -1);
    EXPECT_EQ(shortYearPos("d/M/y"), 0);
}

double day(int y, int m, int d) {
    return static_cast<double>(*dayNumberOf(y, m, d));
}

TEST(StrToDate, ReadsInTheOrderOfTheShortDatePattern) {
    const RegionalSettings us = usDefaults();
    EXPECT_EQ(strToDate("6/1/1997", us, 2026), day(1997, 6, 1));
    EXPECT_EQ(strToDate(" 6 / 1 / 1997 ", us, 2026), day(1997, 6, 1));
    EXPECT_EQ(strToDate("6/1/1997/", us, 2026), day(1997, 6, 1));
    EXPECT_EQ(strToDate("6/1/97", us, 2026), day(2097, 6, 1));
    EXPECT_EQ(strToDate("6/1", us, 2026), day(2026, 6, 1));
    EXPECT_EQ(strToDate("1/1/0", us, 2026), day(2000, 1, 1));
    EXPECT_EQ(strToDate("6/1/", us, 2026), day(2026, 6, 1));
    EXPECT_EQ(strToDate("01.06.1997", german(), 2026), day(1997, 6, 1));
    EXPECT_EQ(strToDate("1.6.", german(), 2026), day(2026, 6, 1));
    EXPECT_EQ(strToDate("1997-06-01", isoDates(), 2026), day(1997, 6, 1));
    EXPECT_EQ(strToDate("12/31/9999", us, 2026), static_cast<double>(MaxDayNumber));
    EXPECT_EQ(strToDate("12/29/1899", us, 2026), -1.0);
}

TEST(StrToDate, RefusesWhatIsNotADate) {
    const RegionalSettings us = usDefaults();
    for (const char* text :
         {"", "6", "2/30/2001", "2/29/2001", "13/1/2000", "0/1/2000", "6/1/19977", "6/1/1997x",
          "6-1-1997", "6/1/1997//", "a/b/c", "99999/1/1"}) {
        EXPECT_THROW(strToDate(text, us, 2026), EConvertError) << text;
    }
    try {
        strToDate("2/30/2001", us, 2026);
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'2/30/2001' is not a valid date");
    }
    EXPECT_EQ(strToDate("2/29/2000", us, 2026), day(2000, 2, 29));
}

TEST(StrToTime, MarkersHoursAndSeparators) {
    const RegionalSettings us = usDefaults();
    const double minute = 1.0 / 1440;
    struct Case {
        const char* text;
        double expected;
    } cases[] = {{"12:00 AM", 0},
                 {"12:00 PM", 0.5},
                 {"09:00 AM", 0.375},
                 {"9:30 pm", 21.5 / 24},
                 {"PM 1:00", 13.0 / 24},
                 {"13:45", 825 * minute},
                 {"7", 7.0 / 24},
                 {"07:05:30 AM", (7 * 3600 + 330) / 86400.0},
                 {"11:59 PM  ", 1439 * minute}};
    for (const Case& c : cases)
        EXPECT_NEAR(strToTime(c.text, us), c.expected, 1e-12) << c.text;
    for (const char* text : {"", "13:00 PM", "0:00 AM", "24:00", "12:60", "12:00 XM", "12:", "ab",
                             "12:00:00:00", "12:0x"})
        EXPECT_THROW(strToTime(text, us), EConvertError) << text;
    try {
        strToTime("12:", us);
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'12:' is not a valid time");
    }
}

TEST(EventInstant, JoinsDateAndTimeAlsoBeforeDayZero) {
    const RegionalSettings us = usDefaults();
    const DecodedDateTime d = decodeDateTime(eventInstant("12/29/1899", "06:00 AM", us, 2026));
    EXPECT_EQ(d.day, 29);
    EXPECT_EQ(d.hour, 6);
    EXPECT_DOUBLE_EQ(eventInstant("1/1/2000", "12:00 PM", us, 2026), 36526.5);
}

} // namespace
} // namespace vz
