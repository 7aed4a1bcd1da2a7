// Calendar time and durations. A time is an instant given as year, day of year and
// time of day to the millisecond, as stored in the database index; an interval is a
// signed duration of whole days plus a normalised time of day. Arithmetic works on
// unnormalised working copies (psuedo_time, psuedo_interval) and carries them back
// into range, so every field of a result lies in its range.
#pragma once

#include <bit>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "csl_ranged.hpp"
#include "csl_system_numbers.hpp"

namespace csl_time {

using csl_system_numbers::system_duration;
using csl_system_numbers::system_float;
using csl_system_numbers::system_integer;

using years = csl::ranged<std::int32_t, 1901, 2099>;
using days = csl::ranged<std::int32_t, 1, 366>;
using hours = csl::ranged<std::int32_t, 0, 23>;
using minutes = csl::ranged<std::int32_t, 0, 59>;
using seconds = csl::ranged<std::int32_t, 0, 59>;
using milliseconds = csl::ranged<std::int32_t, 0, 999>;
using day_count = csl::ranged<std::int32_t, std::numeric_limits<std::int32_t>::min(),
                              std::numeric_limits<std::int32_t>::max()>;

struct nanoseconds {
  float value;
  friend constexpr auto operator<=>(nanoseconds, nanoseconds) = default;
};

enum class comparison : std::uint8_t { bigger, same, smaller };

static_assert(sizeof(comparison) == 1);

// "BIGGER", "SAME", "SMALLER".
std::string image_of(comparison c);

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

// Stored records are their memory image, and files are little-endian.
static_assert(std::endian::native == std::endian::little);
static_assert(sizeof(time) == 24);
static_assert(offsetof(time, year) == 0 && offsetof(time, day) == 4 && offsetof(time, hour) == 8);
static_assert(offsetof(time, minute) == 12 && offsetof(time, second) == 16);
static_assert(offsetof(time, millisecond) == 20);

// 20 bytes of five little-endian 32-bit fields; the sign of the whole lies in
// day_gap (-1 ms is day_gap -1, 23:59:59.999).
struct interval {
  day_count day_gap;
  hours hour_gap;
  minutes minute_gap;
  seconds second_gap;
  milliseconds millisecond_gap;

  friend constexpr bool operator==(const interval&, const interval&) = default;
};

static_assert(sizeof(interval) == 20);
static_assert(offsetof(interval, day_gap) == 0 && offsetof(interval, hour_gap) == 4);
static_assert(offsetof(interval, minute_gap) == 8 && offsetof(interval, second_gap) == 12);
static_assert(offsetof(interval, millisecond_gap) == 16);

// Working values with the fields of time and interval and no ranges.
struct psuedo_time {
  system_integer year;
  system_integer day;
  system_integer hour;
  system_integer minute;
  system_integer second;
  system_integer millisecond;
};

struct psuedo_interval {
  system_integer day_gap;
  system_integer hour_gap;
  system_integer minute_gap;
  system_integer second_gap;
  system_integer millisecond_gap;
};

inline constexpr time zero_time{1901, 1, 0, 0, 0, 0};
inline constexpr interval zero_interval{0, 0, 0, 0, 0};
inline constexpr interval second_interval{0, 0, 0, 1, 0};
inline constexpr interval minute_interval{0, 0, 1, 0, 0};
inline constexpr system_duration minute{60.0F};
inline constexpr system_duration hour{3600.0F};
inline constexpr system_duration day{86400.0F};

// The duration type of the platform: a 64-bit count of nanoseconds.
using duration = std::chrono::nanoseconds;

struct scaled {
  system_integer value;
  system_integer carry;
};

// the_number as value in first .. last plus a carry of whole range sizes, rounded
// towards minus infinity: (-1, 0, 999) gives (999, -1). A range with first > last,
// or a carry beyond 32 bits, is a range error.
scaled scale_into_range(system_integer the_number, system_integer first_in_range,
                        system_integer last_in_range);

// Milliseconds, seconds, minutes and hours carried up into range; day_gap takes the
// last carry. A day_gap beyond 32 bits is a range error.
interval normalise_interval(const psuedo_interval& p);
// The same carries up to days, then days into years (366 days in years divisible
// by 4). A year outside 1901 .. 2099 is a range error.
time normalise_time(const psuedo_time& p);

// Whole seconds to the nearest (halves away from zero) and the rest as milliseconds,
// normalised: 1.7 gives 1 s 700 ms, -0.5 gives day_gap -1, 23:59:59.500.
interval convert(system_float seconds);
interval convert(system_duration seconds);
// Whole seconds, exactly.
interval convert(system_integer seconds);

// An interval as system_float or system_duration (seconds, float32), as
// system_integer (whole seconds to the nearest, halves away from zero) or as
// duration (nanoseconds). A result that does not fit its type is a range error,
// and so is any interval too long for duration (about 292 years), whatever the type.
template <class Result>
Result convert(const interval& i);
template <>
system_float convert<system_float>(const interval& i);
template <>
system_duration convert<system_duration>(const interval& i);
template <>
system_integer convert<system_integer>(const interval& i);
template <>
duration convert<duration>(const interval& i);

// Day 1 of 1901 is 1.
day_count days_from_1900(const time& t);

// Year, day, hour, minute and second as integer images, each with its leading
// blank: " 2004 60 12 5 9". Milliseconds are not shown.
std::string image_of(const time& t);

// Field by field, then normalised. A field sum beyond 32 bits, or a time outside
// 1901 .. 2099, is a range error.
time operator+(const time& t, const interval& i);
time operator+(const interval& i, const time& t);
time operator-(const time& t, const interval& i);
interval operator-(const time& left, const time& right);
interval operator+(const interval& left, const interval& right);
interval operator-(const interval& left, const interval& right);
// Field by field from days down, each field to the nearest whole and the remainder
// passed down to the next, in single precision.
interval operator*(const interval& i, system_float r);
interval operator/(const interval& i, system_float r);
// The ratio of the two lengths in seconds; a zero right interval is a range error.
system_float operator/(const interval& left, const interval& right);

// smaller when left comes first, bigger when it comes later.
comparison compare(const time& left, const time& right);
comparison compare(const interval& left, const interval& right);

bool operator<(const time& left, const time& right);
bool operator<=(const time& left, const time& right);
bool operator>(const time& left, const time& right);
bool operator>=(const time& left, const time& right);
bool operator<(const interval& left, const interval& right);
bool operator<=(const interval& left, const interval& right);
bool operator>(const interval& left, const interval& right);
bool operator>=(const interval& left, const interval& right);

}  // namespace csl_time
