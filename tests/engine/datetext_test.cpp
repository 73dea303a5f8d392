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

TEST(StrToDate, ReadsThePatternsOwnLiteralsAndSkipsMarks) {
    // A closing literal, fields joined by a blank, and bidi marks around the separators.
    RegionalSettings bulgarian = german();
    bulgarian.shortDateFormat = "d.MM.yyyy \"\xD0\xB3.\"";
    RegionalSettings blankJoined = usDefaults();
    blankJoined.shortDateFormat = "dd/MM yyyy";
    RegionalSettings arabic = usDefaults();
    arabic.shortDateFormat = "d/M/yyyy";
    RegionalSettings korean = isoDates();
    korean.shortDateFormat = "yyyy. M. d.";
    korean.dateSeparator = ".";
    struct Case {
        const RegionalSettings& rs;
        const char* text;
    } cases[] = {{bulgarian, "1.06.1997 \xD0\xB3."},
                 {bulgarian, "1.06.1997"},
                 {blankJoined, "01/06 1997"},
                 {blankJoined, "01/06/1997"},
                 {arabic, "1\xE2\x80\x8F/6\xE2\x80\x8F/1997"},
                 {arabic, "\xE2\x80\x8F"
                          "1/6/1997\xC2\xA0"},
                 {korean, "1997. 6. 1."}};
    for (const Case& c : cases)
        EXPECT_EQ(strToDate(c.text, c.rs, 2026), day(1997, 6, 1)) << c.text;
    // Still only where the pattern puts them.
    for (const char* text : {"1 06 1997", "\xD0\xB3. 1.06.1997", "1.06.1997 \xD0\xB3.x"})
        EXPECT_THROW(strToDate(text, bulgarian, 2026), EConvertError) << text;
    // A quoted literal does not decide the order of the numbers.
    RegionalSettings quoted = german();
    quoted.shortDateFormat = "\"Y\"dd.MM.yyyy";
    EXPECT_EQ(strToDate("Y01.06.1997", quoted, 2026), day(1997, 6, 1));
}

TEST(StrToTime, ReadsTimesWrittenUnderOtherLocales) {
    RegionalSettings korean = usDefaults();
    korean.timeAMString = "\xEC\x98\xA4\xEC\xA0\x84";
    korean.timePMString = "\xEC\x98\xA4\xED\x9B\x84";
    RegionalSettings finnish = usDefaults();
    finnish.timeSeparator = ".";
    RegionalSettings prefixed = usDefaults();
    prefixed.timeAMString = "a";
    prefixed.timePMString = "ab";
    // Earlier versions wrote Spanish times with the designators cut to the field: "p." of "p. m.".
    RegionalSettings spanish = usDefaults();
    spanish.timeAMString = "am";
    spanish.timePMString = "pm";
    const double sevenPm = 19 * 60 + 5;
    struct Case {
        const RegionalSettings& rs;
        const char* text;
        double minutes;
    } cases[] = {{korean, "07:05 \xEC\x98\xA4\xED\x9B\x84", sevenPm},
                 {korean, "07:05 pm", sevenPm},
                 {korean, "07:05 Am", 7 * 60 + 5},
                 {finnish, "07.05 PM", sevenPm},
                 {finnish, "07:05 PM", sevenPm},
                 {usDefaults(), "07.05 PM", sevenPm},
                 {prefixed, "07:05 ab", sevenPm},
                 {prefixed, "07:05 a ", 7 * 60 + 5},
                 {spanish, "07:05 p.", sevenPm},
                 {spanish, "07:05 a.", 7 * 60 + 5},
                 {spanish, "07:05 p. m.", sevenPm},
                 {usDefaults(), "07:05 P", sevenPm}};
    for (const Case& c : cases)
        EXPECT_NEAR(strToTime(c.text, c.rs) * 1440, c.minutes, 1e-6) << c.text;
    // Letters that begin neither half of the day, or both, still say nothing.
    for (const char* text : {"07:05 m.", "07:05 .", "07:05 x"})
        EXPECT_THROW(strToTime(text, spanish), EConvertError) << text;
    EXPECT_THROW(strToTime("07:05 a.", prefixed), EConvertError);
}

// Designators of locales other than the reader's, as stores written there hold them.
TEST(StrToTime, ReadsAnyLocalesDesignatorThatNamesOneHalfOfTheDay) {
    RegionalSettings german = usDefaults();
    german.timeSeparator = ":";
    german.timeAMString = "";
    german.timePMString = "";
    RegionalSettings japanese = usDefaults();
    japanese.timeAMString = "\xE5\x8D\x88\xE5\x89\x8D"; // 午前
    japanese.timePMString = "\xE5\x8D\x88\xE5\xBE\x8C"; // 午後
    const double am = 7 * 60 + 30, pm = 19 * 60 + 30;
    struct Case {
        const RegionalSettings& rs;
        const char* text;
        double minutes;
    } cases[] = {
        {usDefaults(), "07:30 \xEC\x98\xA4\xED\x9B\x84", pm}, // 오후
        {german, "07:30 \xEC\x98\xA4\xEC\xA0\x84", am},       // 오전
        {german, "07:30 \xE5\x8D\x88\xE5\xBE\x8C", pm},       // 午後
        {german, "\xE5\x8D\x88\xE5\xBE\x8C 07:30", pm},       // leading, as ja writes it
        {german, "\xEC\x98\xA4\xED\x9B\x84 7:30", pm},
        {german, "07:30 \xE4\xB8\x8B\xE5\x8D\x88", pm}, // 下午
        {german, "07:30 \xD9\x85", pm},                 // Arabic
        {german, "07:30 \xD0\xBF\xD0\xBF", pm},         // Ukrainian
        {german, "07:30 \xD0\xB4\xD0\xBF", am},
        {german, "07:30 PTG", pm}, // Malay
        {german, "07:30 ptg", pm},
        {german, "07:30 em", pm}, // Swedish, with and without the dots
        {german, "07:30 e.m.", pm},
        {german, "07:30 f. m.", am},
        {german, "07:30 f", pm}, // Scottish Gaelic
        {japanese, "07:30 m", am},
        {japanese, "07:30 p. m.", pm},
        {japanese, "07:30 AM", am},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(strToTime(c.text, c.rs) * 1440, c.minutes, 1e-6) << c.text;
    // A word that names the morning in one locale and the afternoon in another, letters found in
    // both of the reader's designators, and words no locale uses say nothing.
    for (const char* text : {"07:30 IP", "07:30 i.p.", "07:30 \xE5\x8D\x88", "07:30 XQ",
                             "13:30 \xEC\x98\xA4\xED\x9B\x84"})
        EXPECT_THROW(strToTime(text, japanese), EConvertError) << text;
    EXPECT_THROW(strToTime("07:30 m", usDefaults()), EConvertError);
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
