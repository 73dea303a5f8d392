// The one source of "now". Windows read the time through appClock(); tests install a fixed or
// stepping clock with setAppClock().
//
//     vz::TDateTime now = vz::appClock().now();
//     vz::FixedClock fixed(vz::encodeDateTime(1997, 4, 16, 12, 0, 0, 0));
//     vz::ScopedClock use(fixed);
#pragma once

#include "engine/datetime.h"

namespace vz {

class Clock {
public:
    virtual ~Clock() = default;
    virtual TDateTime now() const = 0;
};

// Local wall-clock time to the millisecond (honours TZ).
class SystemClock final : public Clock {
public:
    TDateTime now() const override;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(TDateTime value) : m_value(value) {}
    TDateTime now() const override { return m_value; }
    void set(TDateTime value) { m_value = value; }
    void advanceSeconds(double seconds) { m_value += seconds / SecsPerDay; }

private:
    TDateTime m_value;
};

const Clock& appClock();
// The year it is now by appClock().
int currentYear();
// Installs a clock for the whole process; nullptr restores the system clock.
void setAppClock(const Clock* clock);

class ScopedClock {
public:
    explicit ScopedClock(const Clock& clock) { setAppClock(&clock); }
    ~ScopedClock() { setAppClock(nullptr); }
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;
};

} // namespace vz
