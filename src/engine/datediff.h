// The interval between an event and now: calendar components found by field-wise subtraction
// with borrowing, and totals of the exact difference. Direction-blind: Future says which side.
//
//     vz::TDateDiff dd;
//     vz::computedatediff(dd, eventInstant, now);
//     // dd.Months, dd.TotalDays, dd.Future …
#pragma once

#include "engine/datetime.h"

#include <cstdint>

namespace vz {

struct TDateDiff {
    std::int32_t Years = 0;
    std::int32_t Months = 0;
    std::int32_t Days = 0;
    std::int32_t Hours = 0;
    std::int32_t Minutes = 0;
    std::int32_t Seconds = 0;
    double TotalSeconds = 0;
    double TotalMinutes = 0;
    double TotalHours = 0;
    double Weekends = 0;
    double TotalDays = 0;
    bool Future = false;
};

void computedatediff(TDateDiff& result, TDateTime event, TDateTime now);

} // namespace vz
