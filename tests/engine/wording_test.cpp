#include "engine/datetext.h"
#include "engine/wording.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

DisplayTexts texts(TDateTime event, TDateTime now, const RegionalSettings& rs = usDefaults()) {
    TDateDiff dd;
    computedatediff(dd, event, now);
    DisplayTexts t;
    fillDisplayTexts(t, "Event", dd, rs);
    return t;
}

TEST(Wording, Plurals) {
    EXPECT_EQ(iplural(0), "s");
    EXPECT_EQ(iplural(1), "");
    EXPECT_EQ(iplural(2), "s");
    EXPECT_EQ(dplural(1.0), "");
    EXPECT_EQ(dplural(1.99), "");
    EXPECT_EQ(dplural(0.99), "s");
    EXPECT_EQ(dplural(2.0), "s");
}

TEST(Wording, WholeNumbersAreGrouped) {
    EXPECT_EQ(formatWhole(0, ","), "0");
    EXPECT_EQ(formatWhole(999, ","), "999");
    EXPECT_EQ(formatWhole(1000, ","), "1,000");
    EXPECT_EQ(formatWhole(1234567, "."), "1.234.567");
    EXPECT_EQ(formatWhole(733.6, ","), "734");
    EXPECT_EQ(formatWhole(0.4, ","), "0");
    EXPECT_EQ(formatWhole(-1234, ","), "-1,234");
    EXPECT_EQ(formatWhole(1e20, ""), "100000000000000000000");
}

TEST(Wording, ComponentLines) {
    TDateDiff one{1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, false};
    EXPECT_EQ(ymdhms(one, false, true).line, "1 year 1 month 1 day 1 hour 1 minute ");
    EXPECT_EQ(ymdhms(one, false, false).line, "1 year 1 month 1 day 1 hour 1 minute 1 second");
    EXPECT_EQ(ymdhms(one, true, false).line, "1 yr 1 mo 1 dy 1 hr 1 min 1 sec");
    EXPECT_EQ(ymdhms(one, true, false).secondsWord, "second");
    TDateDiff two{2, 2, 2, 2, 2, 2, 0, 0, 0, 0, 0, false};
    EXPECT_EQ(ymdhms(two, true, false).line, "2 yrs 2 mos 2 dys 2 hrs 2 mins 2 secs");
    TDateDiff gaps{0, 3, 0, 0, 5, 0, 0, 0, 0, 0, 0, false};
    EXPECT_EQ(ymdhms(gaps, true, false).line, "3 mos 5 mins ");
    EXPECT_EQ(ymdhms(gaps, false, false).secondsNumber, "0");
    EXPECT_EQ(ymdhms(gaps, false, false).secondsWord, "seconds");
}

TEST(Wording, ZeroIntervalTexts) {
    const TDateTime now = encodeDateTime(2000, 1, 1, 12, 0, 0, 0);
    const DisplayTexts t = texts(now, now);
    EXPECT_EQ(t.lblAll, "");
    EXPECT_EQ(t.lblAll2, "0");
    EXPECT_EQ(t.lblAll3, "seconds");
    EXPECT_EQ(t.lblWeekend, "0 weekends");
    EXPECT_EQ(t.lblDays, "0 days");
    EXPECT_EQ(t.lblHour, "0 hours (0 waking hours)");
    EXPECT_EQ(t.lblMin, "0 minutes");
    EXPECT_EQ(t.lblSecs, "");
    EXPECT_EQ(t.lblSecs2, "0");
    EXPECT_EQ(t.lblSecs3, "seconds");
    RowCells cells;
    fillRowCells(cells, now, now, usDefaults());
    EXPECT_EQ(cells.when, "");
    EXPECT_EQ(cells.day, "Sat");
}

TEST(Wording, SingularsAndWakingHours) {
    const TDateTime now = encodeDateTime(2000, 1, 3, 0, 0, 0, 0);
    const DisplayTexts oneHour = texts(now + 1.0 / 24, now);
    EXPECT_EQ(oneHour.lblHour, "1 hour (1 waking hours)");
    EXPECT_EQ(texts(now + 2.0 / 24, now).lblHour, "2 hours (1 waking hour)");
    const DisplayTexts oneSecond = texts(now + 1.0 / 86400, now);
    EXPECT_EQ(oneSecond.lblSecs, "");
    EXPECT_EQ(oneSecond.lblSecs2, "1");
    EXPECT_EQ(oneSecond.lblSecs3, "second");
    EXPECT_EQ(oneSecond.lblAll3, "second");
    EXPECT_EQ(texts(now + 1.0 / 1440, now).lblMin, "1 minute");
    EXPECT_EQ(texts(now + 1, now).lblDays, "1 day");
}

// The worked example: Birthday on 1 June 1997 09:00, seen on 16 April 1997 at noon.
TEST(Wording, BirthdayExample) {
    RegionalSettings rs;
    rs.shortDateFormat = "mm-dd-yyyy";
    rs.dateSeparator = "-";
    rs.longTimeFormat = "hh:nn:ss";
    const TDateTime now = encodeDateTime(1997, 4, 16, 12, 0, 0, 0);
    const TDateTime event = eventInstant("06-01-1997", "09:00 AM", rs, 1997);
    const DisplayTexts t = texts(event, now, rs);
    EXPECT_EQ(t.lblAll, "1 month 14 days 21 hours ");
    EXPECT_EQ(t.lblAll2, "0");
    EXPECT_EQ(t.lblWeekend, "6 weekends");
    EXPECT_EQ(t.lblDays, "46 days");
    EXPECT_EQ(t.lblHour, "1,101 hours (734 waking hours)");
    EXPECT_EQ(t.lblMin, "66,060 minutes");
    EXPECT_EQ(t.lblSecs + t.lblSecs2, "3,963,600");
    EXPECT_EQ(t.lblSecs, "3,963,60");
    EXPECT_EQ(clockLine(now, rs), "It is now Wednesday 04-16-1997 at 12:00:00");
}

// Which side of now the event lies on never shows in the words.
TEST(Wording, DirectionNeverShows) {
    const TDateTime base = encodeDateTime(2010, 7, 15, 8, 30, 0, 0);
    for (const double offset : {1.0 / 86400, 0.5, 31.25, 400.75, 3652.1, 20000.3}) {
        const DisplayTexts future = texts(base + offset, base);
        const DisplayTexts past = texts(base, base + offset);
        EXPECT_EQ(future.lblAll, past.lblAll) << offset;
        EXPECT_EQ(future.lblAll2, past.lblAll2) << offset;
        EXPECT_EQ(future.lblWeekend, past.lblWeekend) << offset;
        EXPECT_EQ(future.lblDays, past.lblDays) << offset;
        EXPECT_EQ(future.lblHour, past.lblHour) << offset;
        EXPECT_EQ(future.lblMin, past.lblMin) << offset;
        EXPECT_EQ(future.lblSecs + future.lblSecs2, past.lblSecs + past.lblSecs2) << offset;
        RowCells a, b;
        fillRowCells(a, base + offset, base, usDefaults());
        fillRowCells(b, base, base + offset, usDefaults());
        EXPECT_EQ(a.when, b.when) << offset;
    }
}

} // namespace
} // namespace vz
