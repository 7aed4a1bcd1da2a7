// Real time: the platform's calendar clock read as a csl_time.time, and settable
// clocks kept as offsets from it, so that a clock set to t reads t plus the time
// elapsed since.
#pragma once

#include <cstddef>

#include "csl_system_numbers.hpp"
#include "csl_time.hpp"

namespace csl_real_time {

// The offset of a settable clock from the processor's calendar clock; the fields
// of a csl_time.interval.
struct clock {
  csl_time::day_count day_gap;
  csl_time::hours hour_gap;
  csl_time::minutes minute_gap;
  csl_time::seconds second_gap;
  csl_time::milliseconds millisecond_gap;

  friend constexpr bool operator==(const clock&, const clock&) = default;
};

static_assert(sizeof(clock) == 20);
static_assert(offsetof(clock, day_gap) == 0 && offsetof(clock, hour_gap) == 4);
static_assert(offsetof(clock, minute_gap) == 8 && offsetof(clock, second_gap) == 12);
static_assert(offsetof(clock, millisecond_gap) == 16);

inline constexpr csl_system_numbers::system_duration scenario_update_duration{1.0F};
inline constexpr csl_time::interval scenario_update_interval = csl_time::second_interval;

// The calendar clock as a time: the date gives year and day of the year, the
// seconds of the day are added through csl_time.convert (single precision). A year
// outside 1901 .. 2099 is a range error.
csl_time::time read_processor_time();
csl_time::time processor_time();
// The seconds since midnight of the calendar clock.
csl_system_numbers::system_duration processor_duration();

// The clock reads to_time from now on, advancing with the processor clock.
void set_time(clock& on_clock, const csl_time::time& to_time);
csl_time::time read_time(const clock& from_clock);

}  // namespace csl_real_time
