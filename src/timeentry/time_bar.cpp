#include "timeentry/time_bar.h"

#include <array>

namespace vz {

int TimetoX(int hour, int minute) {
    return (60 * hour + minute) / 3 + TimeBarFirstColumn;
}

HourMinute adjustTo5Minutes(int hour, int minute) {
    // The snapped minute for each minute 0, 3, 6, … 57.
    static constexpr std::array<int, 20> Snapped = {0,  5,  5,  10, 10, 15, 15, 20, 25, 30,
                                                    30, 35, 35, 40, 45, 45, 50, 50, 55, 60};
    int m = minute >= 0 && minute < 60 ? Snapped[static_cast<std::size_t>(minute / 3)] : 0;
    if (m == 60) {
        m = 0;
        ++hour;
    }
    if (hour >= 24)
        hour = 0;
    return {hour, m};
}

HourMinute Xtotime(int x) {
    // The origin of this direction is one column right of midnight's tick.
    const int t = 3 * (x - (TimeBarFirstColumn + 1));
    if (t <= 0)
        return {0, 0};
    if (t > 1440)
        return {24, 0};
    return adjustTo5Minutes(t / 60, t % 60);
}

bool pointerAccepts(int x, int markerWidth) {
    // The bar's left is at 8 and its shown width 495: x from 7 to 495 - 3 - marker/2.
    return x >= TimeBarFirstColumn && x + markerWidth / 2 <= TimeBarShownWidth - 3;
}

HourMinute stepTime(HourMinute time, TimeBarKey key) {
    auto [h, m] = time;
    switch (key) {
    case TimeBarKey::Up:
        if (m < 59)
            return {h, m + 1};
        return h < 23 ? HourMinute{h + 1, 0} : time;
    case TimeBarKey::Down:
        if (m > 0)
            return {h, m - 1};
        return h > 0 ? HourMinute{h - 1, 59} : time;
    case TimeBarKey::PageUp:
        return h < 23 ? HourMinute{h + 1, m} : time;
    case TimeBarKey::PageDown:
        return h > 0 ? HourMinute{h - 1, m} : time;
    }
    return time;
}

} // namespace vz
