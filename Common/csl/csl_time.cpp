#include "csl_time.hpp"

#include <cmath>

#include "csl_exceptions.hpp"

namespace csl_time {
namespace {

constexpr std::int64_t days_in_four_years = 4 * 365 + 1;

// Working arithmetic is 64-bit so that no intermediate sum of 32-bit fields can
// overflow; results are checked when they go back into 32 bits.
struct wide_scaled {
  std::int64_t value;
  std::int64_t carry;
};

std::int64_t floor_div(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

wide_scaled scale(std::int64_t number, std::int64_t first, std::int64_t last) {
  std::int64_t size = last - first + 1;
  std::int64_t carry = floor_div(number - first, size);
  return {number - carry * size, carry};
}

system_integer narrow(std::int64_t v, const char* place) {
  if (v < std::numeric_limits<system_integer>::min() ||
      v > std::numeric_limits<system_integer>::max()) {
    throw csl::range_error(place);
  }
  return static_cast<system_integer>(v);
}

system_integer nearest(float v, const char* place) {
  float whole = std::round(v);
  // 2^31 is exact in float; the upper end is open.
  if (!(whole >= -2147483648.0F && whole < 2147483648.0F)) throw csl::range_error(place);
  return static_cast<system_integer>(whole);
}

struct time_of_day {
  std::int64_t days;  // the carry out of the hours
  system_integer hour;
  system_integer minute;
  system_integer second;
  system_integer millisecond;
};

time_of_day carry_up(std::int64_t hour, std::int64_t minute, std::int64_t second,
                     std::int64_t millisecond) {
  wide_scaled ms = scale(millisecond, 0, 999);
  wide_scaled s = scale(second + ms.carry, 0, 59);
  wide_scaled m = scale(minute + s.carry, 0, 59);
  wide_scaled h = scale(hour + m.carry, 0, 23);
  return {h.carry, static_cast<system_integer>(h.value), static_cast<system_integer>(m.value),
          static_cast<system_integer>(s.value), static_cast<system_integer>(ms.value)};
}

// Days from 1 January 1901 (0) to 1 January of the year, counting every year
// divisible by 4 as a leap year, also before 1901.
std::int64_t days_before(std::int64_t year) {
  std::int64_t after_1901 = year - 1901;
  return after_1901 * 365 + floor_div(after_1901, 4);
}

system_integer sum(system_integer a, system_integer b, const char* place) {
  return narrow(std::int64_t{a} + b, place);
}
system_integer difference(system_integer a, system_integer b, const char* place) {
  return narrow(std::int64_t{a} - b, place);
}

double total_milliseconds(const interval& i) {
  return static_cast<double>(i.day_gap) * 86400000.0 + static_cast<double>(i.hour_gap) * 3600000.0 +
         static_cast<double>(i.minute_gap) * 60000.0 + static_cast<double>(i.second_gap) * 1000.0 +
         static_cast<double>(i.millisecond_gap);
}

// The interval as a count of nanoseconds; one too long for the platform's duration
// type (about 292 years either way) is the range error.
std::int64_t nanoseconds_of(const interval& i) {
  const double ns = std::round(total_milliseconds(i) * 1000000.0);
  // 2^63 is exact in double; the upper end is open.
  if (!(ns >= -9223372036854775808.0 && ns < 9223372036854775808.0)) {
    throw csl::range_error("csl_time.convert");
  }
  return static_cast<std::int64_t>(ns);
}

comparison compare_fields(const system_integer* left, const system_integer* right, int count) {
  for (int k = 0; k < count; ++k) {
    if (left[k] < right[k]) return comparison::smaller;
    if (left[k] > right[k]) return comparison::bigger;
  }
  return comparison::same;
}

}  // namespace

std::string image_of(comparison c) {
  switch (c) {
    case comparison::bigger:
      return "BIGGER";
    case comparison::same:
      return "SAME";
    case comparison::smaller:
      return "SMALLER";
  }
  throw csl::range_error("csl_time.image_of");
}

scaled scale_into_range(system_integer the_number, system_integer first_in_range,
                        system_integer last_in_range) {
  constexpr const char* place = "csl_time.scale_into_range";
  if (first_in_range > last_in_range) throw csl::range_error(place);
  wide_scaled s = scale(the_number, first_in_range, last_in_range);
  return {static_cast<system_integer>(s.value), narrow(s.carry, place)};
}

interval normalise_interval(const psuedo_interval& p) {
  time_of_day t = carry_up(p.hour_gap, p.minute_gap, p.second_gap, p.millisecond_gap);
  return {narrow(p.day_gap + t.days, "csl_time.normalise_interval"), t.hour, t.minute, t.second,
          t.millisecond};
}

time normalise_time(const psuedo_time& p) {
  time_of_day t = carry_up(p.hour, p.minute, p.second, p.millisecond);
  // Through a day number counted from 1 January 1901, so that any carry, however
  // large, takes one step. Within 1901 .. 2099 every fourth year is a leap year.
  std::int64_t from_1901 = days_before(p.year) + (p.day + t.days - 1);
  std::int64_t cycles = floor_div(from_1901, days_in_four_years);
  std::int64_t in_cycle = from_1901 - cycles * days_in_four_years;
  std::int64_t year_in_cycle = in_cycle / 365 < 3 ? in_cycle / 365 : 3;
  std::int64_t year = 1901 + 4 * cycles + year_in_cycle;
  if (!years::in_range(year)) throw csl::range_error("csl_time.normalise_time");
  auto day_of_year = static_cast<system_integer>(in_cycle - 365 * year_in_cycle + 1);
  return {
      static_cast<system_integer>(year), day_of_year, t.hour, t.minute, t.second, t.millisecond};
}

interval convert(system_float seconds) {
  constexpr const char* place = "csl_time.convert";
  system_integer whole = nearest(seconds, place);
  system_integer millis = nearest((seconds - static_cast<float>(whole)) * 1000.0F, place);
  return normalise_interval({0, 0, 0, whole, millis});
}

interval convert(system_duration seconds) {
  return convert(seconds.value());
}

interval convert(system_integer seconds) {
  // Exact: through a float32, seconds beyond 2^24 would lose their last digits.
  return normalise_interval({0, 0, 0, seconds, 0});
}

template <>
system_float convert<system_float>(const interval& i) {
  // The seconds of the platform duration: an interval beyond it has no value here.
  nanoseconds_of(i);
  return static_cast<float>(total_milliseconds(i) / 1000.0);
}

template <>
system_duration convert<system_duration>(const interval& i) {
  return system_duration(convert<system_float>(i));
}

template <>
system_integer convert<system_integer>(const interval& i) {
  double whole = std::round(total_milliseconds(i) / 1000.0);
  return narrow(static_cast<std::int64_t>(whole), "csl_time.convert");
}

template <>
duration convert<duration>(const interval& i) {
  return duration(nanoseconds_of(i));
}

day_count days_from_1900(const time& t) {
  std::int64_t after_1901 = std::int64_t{t.year} - 1901;
  return narrow(after_1901 * 365 + after_1901 / 4 + t.day, "csl_time.days_from_1900");
}

std::string image_of(const time& t) {
  using csl_system_numbers::image_of;
  return image_of(t.year) + image_of(t.day) + image_of(t.hour) + image_of(t.minute) +
         image_of(t.second);
}

time operator+(const time& t, const interval& i) {
  constexpr const char* place = "csl_time.\"+\"";
  return normalise_time({t.year, sum(t.day, i.day_gap, place), sum(t.hour, i.hour_gap, place),
                         sum(t.minute, i.minute_gap, place), sum(t.second, i.second_gap, place),
                         sum(t.millisecond, i.millisecond_gap, place)});
}

time operator+(const interval& i, const time& t) {
  return t + i;
}

time operator-(const time& t, const interval& i) {
  constexpr const char* place = "csl_time.\"-\"";
  return normalise_time(
      {t.year, difference(t.day, i.day_gap, place), difference(t.hour, i.hour_gap, place),
       difference(t.minute, i.minute_gap, place), difference(t.second, i.second_gap, place),
       difference(t.millisecond, i.millisecond_gap, place)});
}

interval operator-(const time& left, const time& right) {
  constexpr const char* place = "csl_time.\"-\"";
  return normalise_interval({difference(days_from_1900(left), days_from_1900(right), place),
                             difference(left.hour, right.hour, place),
                             difference(left.minute, right.minute, place),
                             difference(left.second, right.second, place),
                             difference(left.millisecond, right.millisecond, place)});
}

interval operator+(const interval& left, const interval& right) {
  constexpr const char* place = "csl_time.\"+\"";
  return normalise_interval(
      {sum(left.day_gap, right.day_gap, place), sum(left.hour_gap, right.hour_gap, place),
       sum(left.minute_gap, right.minute_gap, place), sum(left.second_gap, right.second_gap, place),
       sum(left.millisecond_gap, right.millisecond_gap, place)});
}

interval operator-(const interval& left, const interval& right) {
  constexpr const char* place = "csl_time.\"-\"";
  return normalise_interval({difference(left.day_gap, right.day_gap, place),
                             difference(left.hour_gap, right.hour_gap, place),
                             difference(left.minute_gap, right.minute_gap, place),
                             difference(left.second_gap, right.second_gap, place),
                             difference(left.millisecond_gap, right.millisecond_gap, place)});
}

interval operator*(const interval& i, system_float r) {
  constexpr const char* place = "csl_time.\"*\"";
  auto real = [](system_integer n) { return static_cast<float>(n); };
  float d = real(i.day_gap) * r;
  system_integer whole_days = nearest(d, place);
  float h = (d - real(whole_days)) * 24.0F + real(i.hour_gap) * r;
  system_integer whole_hours = nearest(h, place);
  float m = (h - real(whole_hours)) * 60.0F + real(i.minute_gap) * r;
  system_integer whole_minutes = nearest(m, place);
  float s = (m - real(whole_minutes)) * 60.0F + real(i.second_gap) * r;
  system_integer whole_seconds = nearest(s, place);
  system_integer millis =
      nearest((s - real(whole_seconds)) * 1000.0F + real(i.millisecond_gap) * r, place);
  return normalise_interval({whole_days, whole_hours, whole_minutes, whole_seconds, millis});
}

interval operator/(const interval& i, system_float r) {
  return convert(convert<system_float>(i) / r);
}

system_float operator/(const interval& left, const interval& right) {
  float ratio = convert<system_float>(left) / convert<system_float>(right);
  if (!std::isfinite(ratio)) throw csl::range_error("csl_time.\"/\"");
  return ratio;
}

comparison compare(const time& left, const time& right) {
  const system_integer l[] = {left.year,   left.day,    left.hour,
                              left.minute, left.second, left.millisecond};
  const system_integer r[] = {right.year,   right.day,    right.hour,
                              right.minute, right.second, right.millisecond};
  return compare_fields(l, r, 6);
}

comparison compare(const interval& left, const interval& right) {
  const system_integer l[] = {left.day_gap, left.hour_gap, left.minute_gap, left.second_gap,
                              left.millisecond_gap};
  const system_integer r[] = {right.day_gap, right.hour_gap, right.minute_gap, right.second_gap,
                              right.millisecond_gap};
  return compare_fields(l, r, 5);
}

bool operator<(const time& left, const time& right) {
  return compare(left, right) == comparison::smaller;
}
bool operator<=(const time& left, const time& right) {
  return compare(left, right) != comparison::bigger;
}
bool operator>(const time& left, const time& right) {
  return compare(left, right) == comparison::bigger;
}
bool operator>=(const time& left, const time& right) {
  return compare(left, right) != comparison::smaller;
}
bool operator<(const interval& left, const interval& right) {
  return compare(left, right) == comparison::smaller;
}
bool operator<=(const interval& left, const interval& right) {
  return compare(left, right) != comparison::bigger;
}
bool operator>(const interval& left, const interval& right) {
  return compare(left, right) == comparison::bigger;
}
bool operator>=(const interval& left, const interval& right) {
  return compare(left, right) != comparison::smaller;
}

}  // namespace csl_time
