// The time bar's arithmetic: bar columns and times of day, the five-minute snapping, the
// columns the pointer accepts, and the keys that step the time.
//
//     int x = vz::TimetoX(19, 0);            // 387
//     vz::HourMinute t = vz::Xtotime(28);    // 01:00
#pragma once

namespace vz {

struct HourMinute {
    int hour = 0;
    int minute = 0;
    bool operator==(const HourMinute&) const = default;
};

constexpr int TimeBarWidth = 500;
constexpr int TimeBarShownWidth = 495;
constexpr int TimeBarHeight = 42;
constexpr int TimeBarFirstColumn = 7;     // the column of midnight
constexpr int TimeBarColumnsPerHour = 20; // one column is 3 minutes

// The column of a time: (60 h + m) div 3 + 7.
int TimetoX(int hour, int minute);

// The time of a column, snapped to five minutes; columns right of the day give 24:00.
HourMinute Xtotime(int x);

// Snaps a minute that is a multiple of 3 to five minutes, carrying into the hour.
HourMinute adjustTo5Minutes(int hour, int minute);

// Whether the pointer may stand at a column (7 to 487 with an 11-pixel marker).
bool pointerAccepts(int x, int markerWidth = 11);

enum class TimeBarKey { Up, Down, PageUp, PageDown };
// The time after one of the stepping keys; at the ends of the day it stays.
HourMinute stepTime(HourMinute time, TimeBarKey key);

} // namespace vz
