#include "engine/clock.h"

#include <chrono>
#include <ctime>

namespace vz {

TDateTime SystemClock::now() const {
    using namespace std::chrono;
    const auto current = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(current);
    const auto ms = duration_cast<milliseconds>(current.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    return encodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                          local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec,
                          static_cast<int>(ms < 0 ? ms + 1000 : ms));
}

namespace {
const SystemClock systemClock;
const Clock* installedClock = nullptr;
} // namespace

const Clock& appClock() {
    return installedClock ? *installedClock : systemClock;
}

void setAppClock(const Clock* clock) {
    installedClock = clock;
}

int currentYear() {
    return decodeDateTime(appClock().now()).year;
}

} // namespace vz
