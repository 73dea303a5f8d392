#include "engine/datetext.h"
#include "engine/report.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

TEST(CopyReport, BirthdayExampleLineByLine) {
    RegionalSettings rs;
    rs.shortDateFormat = "mm-dd-yyyy";
    rs.dateSeparator = "-";
    rs.longTimeFormat = "hh:nn:ss";
    const TDateTime now = encodeDateTime(1997, 4, 16, 12, 0, 0, 0);
    TDateDiff dd;
    computedatediff(dd, eventInstant("06-01-1997", "09:00 AM", rs, 1997), now);
    DisplayTexts shown;
    fillDisplayTexts(shown, "Birthday", dd, rs);
    EXPECT_EQ(copyReport(clockLine(now, rs), shown, "06-01-1997", "09:00 AM"),
              "It is now Wednesday 04-16-1997 at 12:00:00\r\n"
              "Event: Birthday\r\n"
              "Scheduled For 06-01-1997  09:00 AM\r\n"
              "1 month 14 days 21 hours 0 seconds or \r\n"
              "6 weekends or \r\n"
              "46 days or \r\n"
              "1,101 hours (734 waking hours) or \r\n"
              "66,060 minutes or \r\n"
              "3,963,600 seconds\r\n");
}

TEST(CopyReport, EmptyDisplayStillGivesNineLines) {
    const std::string report =
        copyReport("Date was copied to the clipboard", DisplayTexts{}, "", "");
    EXPECT_EQ(report, "Date was copied to the clipboard\r\nEvent: \r\nScheduled For   \r\n  or \r\n"
                      " or \r\n or \r\n or \r\n or \r\n \r\n");
    std::size_t lines = 0;
    for (std::size_t at = report.find("\r\n"); at != std::string::npos;
         at = report.find("\r\n", at + 2))
        ++lines;
    EXPECT_EQ(lines, 9u);
}

TEST(DisplayLines, AreTheReportsLinesAfterTheScheduledOne) {
    RegionalSettings rs;
    const TDateTime now = encodeDateTime(1997, 4, 16, 12, 0, 0, 0);
    TDateDiff dd;
    computedatediff(dd, eventInstant("6/1/1997", "09:00 AM", rs, 1997), now);
    DisplayTexts shown;
    fillDisplayTexts(shown, "Birthday", dd, rs);
    const auto lines = displayLines(shown);
    EXPECT_EQ(lines[0], "Event: Birthday");
    EXPECT_EQ(lines[1], "1 month 14 days 21 hours 0 seconds or ");
    EXPECT_EQ(lines[6], "3,963,600 seconds");

    const std::string report = copyReport("status", shown, "6/1/1997", "09:00 AM");
    std::string expected = "status\r\n" + lines[0] + "\r\nScheduled For 6/1/1997  09:00 AM\r\n";
    for (std::size_t i = 1; i < lines.size(); ++i)
        expected += lines[i] + "\r\n";
    EXPECT_EQ(report, expected);
}

} // namespace
} // namespace vz
