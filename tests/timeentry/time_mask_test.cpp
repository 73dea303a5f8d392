#include "timeentry/entry_errors.h"
#include "timeentry/time_mask.h"
#include "timeentry/unicode_text.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

const TimeDesignators Us = TimeDesignators::from(usDefaults());

std::string format(std::string_view mask, int seconds, const TimeDesignators& d = Us) {
    return toUtf8(TimeMask::parse(mask).format(seconds, d));
}

int read(std::string_view mask, std::string_view text, const TimeDesignators& d = Us) {
    return TimeMask::parse(mask).read(toUtf32(text), d);
}

TEST(TimeMask, TimeToText) {
    struct {
        int seconds;
        const char* text;
    } cases[] = {{0, "12:00 AM"},    {43200, "12:00 PM"}, {52642, "02:37 PM"}, {86399, "11:59 PM"},
                 {3599, "12:59 AM"}, {46800, "01:00 PM"}, {-1, "  :   AM"},    {86400, "  :   AM"}};
    for (const auto& c : cases)
        EXPECT_EQ(format("hh:mm tt", c.seconds), c.text) << c.seconds;
}

TEST(TimeMask, TextToTime) {
    struct {
        const char* text;
        int seconds;
    } cases[] = {{"12:30 AM", 1800},  {"12:30 PM", 45000}, {"00:30 PM", 45000}, {"00:30 AM", -1},
                 {"13:00 PM", -1},    {"07:60 AM", -1},    {"07:15 pm", 69300}, {"07:15 Pm", 69300},
                 {"07:15 pM", 69300}, {"07:15 P ", -1},    {"07:15   ", -1},    {"07:15 xM", -1},
                 {"1 :05 AM", 3900},  {" 1:05 AM", 3900},  {"  :05 AM", -1},    {"0x:00 AM", -1},
                 {"2:37 PM", -1},     {"02:37 PM ", -1},   {"11:59 PM", 86340}, {"12:00 AM", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(read("hh:mm tt", c.text), c.seconds) << c.text;
}

TEST(TimeMask, OtherMasksAndSettings) {
    // Blank-padded runs, seconds, and a mask without designator run on a 24-hour clock.
    EXPECT_EQ(format("HH:MM:SS tt", 3723), " 1: 2: 3 AM");
    EXPECT_EQ(read("HH:MM:SS tt", " 1: 2: 3 AM"), 3723);
    EXPECT_EQ(format("hh.mm", 52642), "14.37");
    EXPECT_EQ(read("hh.mm", "14.37"), 52620);
    EXPECT_EQ(read("hh:mm", "24:00"), -1);
    EXPECT_EQ(read("hh:mm:ss tt", "01:02:   AM"), -1);

    RegionalSettings german = usDefaults();
    german.timeSeparator = ".:";
    german.timeAMString = "vormittags";
    german.timePMString = "nachm.";
    const auto d = TimeDesignators::from(german);
    EXPECT_EQ(toUtf8(d.am), "vormi");
    EXPECT_EQ(toUtf8(d.pm), "nachm");
    EXPECT_EQ(d.separator, U'.');
    EXPECT_EQ(format("hh:mm tt", 52642, d), "02.37 na");
    EXPECT_EQ(read("hh:mm tt", "02.37 NA", d), 52620);
    EXPECT_EQ(read("hh:mm ttttt", "02.37 nachm", d), 52620);
}

TEST(TimeMask, ShortDesignatorsReadBack) {
    // A designator shorter than its run is followed by blanks, not by mask letters.
    TimeDesignators d = Us;
    d.am = U"a";
    d.pm = U"p";
    EXPECT_EQ(format("hh:mm tt", 52642, d), "02:37 p ");
    EXPECT_EQ(read("hh:mm tt", "02:37 p ", d), 52620);
}

TEST(TimeMask, ReadsAmAndPmBesideTheLocalesDesignators) {
    // A store written under an English locale opens its times under any other.
    TimeDesignators d = Us;
    d.am = U"\u0635";
    d.pm = U"\u0645";
    EXPECT_EQ(read("hh:mm tt", "07:05 \u0645 ", d), 68700);
    EXPECT_EQ(read("hh:mm tt", "07:05 PM", d), 68700);
    EXPECT_EQ(read("hh:mm tt", "07:05 am", d), 25500);
    EXPECT_EQ(read("hh:mm tt", "07:05 xm", d), -1);
    // The locale's own designators come first.
    d.am = U"PM";
    d.pm = U"AM";
    EXPECT_EQ(read("hh:mm tt", "07:05 PM", d), 25500);
}

TEST(TimeMask, WithoutDesignatorsTheClockRunsTo23) {
    TimeDesignators d = Us;
    d.am.clear();
    d.pm.clear();
    EXPECT_EQ(format("hh:mm tt", 52642, d), "14:37   ");
    EXPECT_EQ(read("hh:mm tt", "14:37   ", d), 52620);
    EXPECT_EQ(read("hh:mm tt", "00:05   ", d), 300);
    // Only one designator set: still a 24-hour clock, and the text still reads back.
    d.pm = U"PM";
    EXPECT_EQ(format("hh:mm tt", 52642, d), "14:37 PM");
    EXPECT_EQ(read("hh:mm tt", "14:37 PM", d), 52620);
    EXPECT_EQ(format("hh:mm tt", 600, d), "00:10   ");
    // Designators the run cuts to the same letter cannot tell the halves apart either.
    d.am = U"AM";
    d.pm = U"an";
    EXPECT_EQ(format("hh:mm t", 52642, d), "14:37 a");
    EXPECT_EQ(read("hh:mm t", "09:00 a", d), 32400);
}

TEST(TimeMask, InvalidMasks) {
    for (const char* mask :
         {"", "h:mm", "hh", "mm:ss", "hh:mm:hh", "hh:mm tttttt", "hh:mmm", "hh:mm:s", "hH:mm"})
        EXPECT_THROW(TimeMask::parse(mask), EInvalidPictureMask) << mask;
    EXPECT_THROW(TimeMask::parse("hh:mm" + std::string(60, '-')), EInvalidPictureMask);
    try {
        TimeMask::parse("hh:q");
    } catch (const EInvalidPictureMask& e) {
        EXPECT_STREQ(e.what(), "Invalid picture mask: hh:q");
    }
    const auto m = TimeMask::parse("hh:mm tt");
    EXPECT_EQ(m.length(), 8);
    EXPECT_TRUE(m.isEditable(0));
    EXPECT_FALSE(m.isEditable(2));
    EXPECT_FALSE(m.isEditable(5));
    EXPECT_TRUE(m.isDesignatorPosition(7));
    EXPECT_FALSE(m.isDigitPosition(6));
}

} // namespace
} // namespace vz
