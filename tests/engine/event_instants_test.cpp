#include "engine/convert_error.h"
#include "engine/datetext.h"
#include "engine/event_instants.h"

#include <gtest/gtest.h>

namespace vz {
namespace {

RegionalSettings dayFirst() {
    RegionalSettings rs;
    rs.shortDateFormat = "d/M/yyyy";
    return rs;
}

// A kept instant is given back only while what it was read from is unchanged.
TEST(EventInstants, AChangedTextSettingOrYearReadsTheRowAgain) {
    const RegionalSettings us = usDefaults();
    struct Step {
        const char* what;
        RegionalSettings rs;
        int year;
        const char* date;
        const char* time;
    };
    const Step steps[] = {
        {"first read", us, 2026, "4/5/2020", "09:15 PM"},
        {"the same again", us, 2026, "4/5/2020", "09:15 PM"},
        {"the date edited", us, 2026, "4/6/2020", "09:15 PM"},
        {"the time edited", us, 2026, "4/6/2020", "09:16 PM"},
        {"a locale reading the day first", dayFirst(), 2026, "4/6/2020", "09:16 PM"},
        {"back to the first locale", us, 2026, "4/6/2020", "09:16 PM"},
        {"a date without its year, this year", us, 2026, "4/6", "09:16 PM"},
        {"the same text in a later year", us, 2027, "4/6", "09:16 PM"},
    };
    EventInstants instants;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        instants.readWith(step.rs, step.year);
        EXPECT_EQ(instants.instant(3, step.date, step.time),
                  eventInstant(step.date, step.time, step.rs, step.year));
    }
}

TEST(EventInstants, RowsAreKeptApartAndAnUnreadableTextIsNeverKept) {
    EventInstants instants;
    instants.readWith(usDefaults(), 2026);
    const TDateTime first = instants.instant(1, "1/1/1990", "09:15 PM");
    const TDateTime second = instants.instant(2, "6/8/1991", "09:15 PM");
    EXPECT_NE(first, second);
    EXPECT_EQ(instants.instant(1, "1/1/1990", "09:15 PM"), first);
    EXPECT_THROW(instants.instant(2, "31/31/1991", "09:15 PM"), EConvertError);
    // Read again after the failure, not answered with the row's earlier instant.
    EXPECT_THROW(instants.instant(2, "31/31/1991", "09:15 PM"), EConvertError);
    EXPECT_EQ(instants.instant(2, "6/8/1991", "09:15 PM"), second);
}

} // namespace
} // namespace vz
