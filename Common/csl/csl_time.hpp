// Calendar time as stored in the database index: year, day of year and time of day.
#pragma once

#include <cstddef>
#include <cstdint>

#include "csl_ranged.hpp"

namespace csl_time {

using years = csl::ranged<std::int32_t, 1901, 2099>;
using days = csl::ranged<std::int32_t, 1, 366>;
using hours = csl::ranged<std::int32_t, 0, 23>;
using minutes = csl::ranged<std::int32_t, 0, 59>;
using seconds = csl::ranged<std::int32_t, 0, 59>;
using milliseconds = csl::ranged<std::int32_t, 0, 999>;

// 24 bytes of six little-endian 32-bit fields. A time read from a file is taken as
// it is (a new index entry holds zeros).
struct time {
  years year;
  days day;
  hours hour;
  minutes minute;
  seconds second;
  milliseconds millisecond;

  friend constexpr bool operator==(const time&, const time&) = default;
};

static_assert(sizeof(time) == 24);
static_assert(offsetof(time, year) == 0 && offsetof(time, day) == 4 && offsetof(time, hour) == 8);
static_assert(offsetof(time, minute) == 12 && offsetof(time, second) == 16);
static_assert(offsetof(time, millisecond) == 20);

inline constexpr time zero_time{1901, 1, 0, 0, 0, 0};

}  // namespace csl_time
