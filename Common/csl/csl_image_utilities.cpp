#include "csl_image_utilities.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "csl_output.hpp"

namespace csl_image_utilities {
namespace {

constexpr std::string_view module_place = "csl_image_utilities.";

std::string place_of(std::string_view routine) {
  return std::string(module_place) + std::string(routine);
}

// A whole number of a unit, halves away from zero, that must fit 32 bits.
std::string whole_image(float value, std::string_view routine) {
  const double whole = std::round(static_cast<double>(value));
  if (!(whole >= std::numeric_limits<std::int32_t>::min() &&
        whole <= std::numeric_limits<std::int32_t>::max())) {
    throw csl::range_error(place_of(routine));
  }
  return csl_system_numbers::image_of(static_cast<std::int64_t>(whole));
}

// The integer image of an interval total, which must lie in 0 .. 2^31 - 1.
std::string total_image(std::int64_t total, std::string_view routine) {
  if (total < 0 || total > std::numeric_limits<std::int32_t>::max()) {
    throw image_overflow(place_of(routine));
  }
  return csl_system_numbers::image_of(total);
}

std::int64_t total_hours(const csl_time::interval& i) {
  return std::int64_t{i.day_gap.value()} * 24 + i.hour_gap.value();
}
std::int64_t total_minutes(const csl_time::interval& i) {
  return total_hours(i) * 60 + i.minute_gap.value();
}
std::int64_t total_seconds(const csl_time::interval& i) {
  return std::int64_t{i.day_gap.value()} * 86400 + std::int64_t{i.hour_gap.value()} * 3600 +
         std::int64_t{i.minute_gap.value()} * 60 + i.second_gap.value();
}

// value in first .. last, else the range error.
int checked(std::int64_t value, std::int64_t first, std::int64_t last, std::string_view routine) {
  if (value < first || value > last) throw csl::range_error(place_of(routine));
  return static_cast<int>(value);
}

// Exactly `width` digits with leading zeros; value is known to fit.
std::string digits(int value, std::size_t width) {
  std::string text = std::to_string(value);
  return std::string(width - std::min(width, text.size()), '0') + text;
}

struct month_and_day {
  int month;
  int day;
};

// The last day of year of each month in a common year; a leap year (divisible by
// 4) adds one day from February's end on.
constexpr std::array<int, 12> month_ends{31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};

month_and_day month_and_day_of(const csl_time::time& t, std::string_view routine) {
  const int year = checked(t.year.value(), csl_time::years::first, csl_time::years::last, routine);
  const bool leap = year % 4 == 0;
  const int day = checked(t.day.value(), 1, leap ? 366 : 365, routine);
  int previous_end = 0;
  for (int month = 0; month < 12; ++month) {
    const int end = month_ends[static_cast<std::size_t>(month)] + (leap && month >= 1 ? 1 : 0);
    if (day <= end) return {month + 1, day - previous_end};
    previous_end = end;
  }
  throw csl::range_error(place_of(routine));  // not reached: day <= the year's last day
}

struct clock_time {
  int hour;
  int minute;
  int second;
};

clock_time clock_time_of(const csl_time::time& t, std::string_view routine) {
  return {checked(t.hour.value(), 0, 23, routine), checked(t.minute.value(), 0, 59, routine),
          checked(t.second.value(), 0, 59, routine)};
}

std::string two_digit_year(const csl_time::time& t, std::string_view routine) {
  const int year = checked(t.year.value(), csl_time::years::first, csl_time::years::last, routine);
  return digits(year % 100, 2);
}

// The integer image without its leading blank, right-justified in `width`
// characters of `image` from `at`; a longer one is the layout error.
void put_whole(std::string& image, std::size_t at, std::size_t width, float value,
               std::string_view routine) {
  const std::string text = std::to_string(static_cast<std::int64_t>(value));
  if (text.size() > width) throw csl_system_numbers::layout_error(place_of(routine));
  image.replace(at + width - text.size(), text.size(), text);
}

// The name of the error without its module: "IMAGE_OVERFLOW", "RANGE_ERROR".
std::string simple_name_of(const std::string& full_name) {
  const std::size_t dot = full_name.rfind('.');
  return dot == std::string::npos ? full_name : full_name.substr(dot + 1);
}

// Degrees, minutes and seconds of a latitude (degree_width 2) or longitude (3).
// Whole degrees and minutes are taken to the nearest below by the 0.4999 offset,
// in single precision.
std::string position_image(csl_angle::angle a, std::size_t degree_width, char positive,
                           char negative, std::string_view routine, const char* reported_as) {
  std::string image(degree_width + 15, ' ');
  try {
    float degrees = csl_angle::to_float_degrees_convert(a, -180.0F);
    const char hemisphere = degrees < 0.0F ? negative : positive;
    degrees = std::fabs(degrees);
    const float whole_degrees = std::round(degrees - 0.4999F);
    const float minutes = (degrees - whole_degrees) * 60.0F;
    const float whole_minutes = std::round(minutes - 0.4999F);
    const float seconds = (minutes - whole_minutes) * 60.0F;
    put_whole(image, 0, degree_width, whole_degrees, routine);
    image[degree_width] = ':';
    put_whole(image, degree_width + 1, 2, whole_minutes, routine);
    image[degree_width + 3] = ':';
    image.replace(degree_width + 4, 9, image_4_4_of(seconds));
    image[degree_width + 14] = hemisphere;
  } catch (const csl::named_error& e) {
    csl_output::put_line("Caught " + simple_name_of(e.full_name()) + " in " + reported_as);
  }
  return image;
}

}  // namespace

image_overflow::image_overflow(std::string place)
    : named_error("CSL_IMAGE_UTILITIES.IMAGE_OVERFLOW", std::move(place)) {}

std::string fixed_decimal_image_of(double value, layout the_layout, std::string_view instance) {
  const std::string place =
      place_of("fixed_decimal_image_of (") + std::string(instance) + std::string(")");
  if (!the_layout.fits_buffer() || !std::isfinite(value)) throw image_overflow(place);
  const bool negative = value < 0.0;
  const double magnitude = std::fabs(value);
  if (magnitude >= 1.0e24) throw image_overflow(place);
  const int decimals = std::max(the_layout.chars_after_point, 1);
  const std::string text = csl_system_numbers::rounded_decimal(magnitude, decimals);
  if (text.size() > static_cast<std::size_t>(buffer_length)) throw image_overflow(place);

  std::string buffer(static_cast<std::size_t>(buffer_length) - text.size(), ' ');
  buffer += text;
  const std::size_t point = buffer.find('.');
  const auto before = static_cast<std::size_t>(the_layout.chars_before_point);
  const std::size_t first = point - before;  // fits_buffer keeps it in the buffer
  if (negative) {
    if (buffer[first] != ' ') throw image_overflow(place);
    const std::size_t first_digit = buffer.find_first_not_of(' ', first + 1);
    buffer[first_digit - 1] = '-';
  }
  return buffer.substr(first, static_cast<std::size_t>(the_layout.width()));
}

// ---- Instances ----

std::string image_4_4_of(double value) {
  return fixed_decimal_image_of(value, {4, 4}, "image_4_4_of");
}

std::string db_image_of(csl_levels::db level) {
  return fixed_decimal_image_of(csl_levels::value_of(level), {4, 1}, "db_image_of");
}

std::string image_in_degrees_360_of(csl_angle::angle a) {
  return fixed_decimal_image_of(csl_angle::to_float_degrees_convert(a, 0.0F), {3, 2},
                                "image_in_degrees_360_of");
}

std::string image_in_degrees_180_of(csl_angle::angle a) {
  return fixed_decimal_image_of(csl_angle::to_float_degrees_convert(a, -180.0F), {4, 2},
                                "image_in_degrees_180_of");
}

std::string image_in_yards_of(csl_length::distance d) {
  return fixed_decimal_image_of(csl_length::value_of<csl_length::yards>(d).value, {6, 1},
                                "image_in_yards_of");
}

std::string image_in_kyards_of(csl_length::distance d) {
  const float kiloyards = csl_length::value_of<csl_length::yards>(d).value / 1000.0F;
  return fixed_decimal_image_of(kiloyards, {5, 1}, "image_in_kyards_of");
}

std::string image_in_feet_per_second_of(csl_velocity::speed s) {
  return fixed_decimal_image_of(s.value() * 3.2808399F, {4, 1}, "image_in_feet_per_second_of");
}

std::string image_in_knots_of(csl_velocity::speed s) {
  return fixed_decimal_image_of(csl_velocity::value_of<csl_velocity::knots>(s).value, {4, 1},
                                "image_in_knots_of");
}

std::string image_in_hz_of(csl_frequency::hertz f) {
  return fixed_decimal_image_of(f.value(), {6, 1}, "image_in_hz_of");
}

std::string image_in_hz_offset_of(csl_frequency::offset f) {
  return fixed_decimal_image_of(f.value(), {7, 1}, "image_in_hz_offset_of");
}

std::string image_in_khz_of(csl_frequency::hertz f) {
  return fixed_decimal_image_of(f.value() / 1000.0F, {3, 1}, "image_in_khz_of");
}

std::string image_in_mhz_of(csl_frequency::giga_hertz f) {
  return fixed_decimal_image_of(f.value() * 1000.0F, {5, 1}, "image_in_mhz_of");
}

std::string image_in_ghz_of(csl_frequency::giga_hertz f) {
  return fixed_decimal_image_of(f.value(), {2, 3}, "image_in_ghz_of");
}

std::string modulation_image_of(csl_tonals::modulation m) {
  return fixed_decimal_image_of(m.value(), {1, 2}, "modulation_image_of");
}

// ---- Lengths ----

std::string image_in_feet_of(csl_length::distance d) {
  return whole_image(csl_length::value_of<csl_length::feet>(d).value, "image_in_feet_of");
}

std::string image_in_metres_of(csl_length::distance d) {
  return whole_image(d.metres(), "image_in_metres_of");
}

std::string image_in_feet_of(csl_length::position_vector p) {
  return whole_image(csl_length::value_of<csl_length::feet>(p).value, "image_in_feet_of");
}

std::string image_in_metres_of(csl_length::position_vector p) {
  return whole_image(p.metres(), "image_in_metres_of");
}

std::string image_in_rpm_of(csl_angle_rate::rate r) {
  return csl_angle_rate::rpm_image_of(r);
}

// ---- Intervals ----

std::string image_in_days_of(const csl_time::interval& i) {
  return total_image(i.day_gap.value(), "image_in_days_of");
}

std::string image_in_hours_of(const csl_time::interval& i) {
  return total_image(total_hours(i), "image_in_hours_of");
}

std::string image_in_minutes_of(const csl_time::interval& i) {
  return total_image(total_minutes(i), "image_in_minutes_of");
}

std::string image_in_seconds_of(const csl_time::interval& i) {
  return total_image(total_seconds(i), "image_in_seconds_of");
}

std::string image_in_milliseconds_of(const csl_time::interval& i) {
  return total_image(total_seconds(i) * 1000 + i.millisecond_gap.value(),
                     "image_in_milliseconds_of");
}

std::string image_in_seconds_of(csl_system_numbers::system_duration d) {
  // A float32 times 1000 is exact in double, so only the one rounding is made.
  const double milliseconds = std::round(static_cast<double>(d.value()) * 1000.0);
  if (!(std::fabs(milliseconds) < 9.0e18)) throw image_overflow(place_of("image_in_seconds_of"));
  const auto whole = static_cast<std::int64_t>(milliseconds);
  std::string digits = std::to_string(whole < 0 ? -whole : whole);
  if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
  const std::size_t point = digits.size() - 3;
  std::string text(1, whole < 0 ? '-' : ' ');
  text.append(digits, 0, point).append(1, '.').append(digits, point, 3);
  return text;
}

// ---- Dates and times ----

std::string date_image_of(const csl_time::time& t) {
  constexpr std::string_view routine = "date_image_of";
  const month_and_day md = month_and_day_of(t, routine);
  return digits(md.day, 2) + "/" + digits(md.month, 2) + "/" + two_digit_year(t, routine);
}

std::string time_image_of(const csl_time::time& t) {
  const clock_time c = clock_time_of(t, "time_image_of");
  return digits(c.hour, 2) + ":" + digits(c.minute, 2) + ":" + digits(c.second, 2);
}

std::string date_time_image_of(const csl_time::time& t) {
  return time_image_of(t) + " " + date_image_of(t);
}

std::string date_image_of(const csl_platform::calendar_reading& c) {
  constexpr std::string_view routine = "date_image_of";
  const int day = checked(c.day, 1, 31, routine);
  const int month = checked(c.month, 1, 12, routine);
  const int year = checked(c.year, 0, 9999, routine);
  return digits(day, 2) + "/" + digits(month, 2) + "/" + digits(year, 4);
}

std::string time_image_of(const csl_platform::calendar_reading& c) {
  if (!(c.seconds >= 0.0 && c.seconds <= 86400.0)) {
    throw csl::range_error(place_of("time_image_of"));
  }
  const int seconds = std::min(static_cast<int>(c.seconds), 86399);
  return digits(seconds / 3600, 2) + ":" + digits(seconds / 60 % 60, 2) + ":" +
         digits(seconds % 60, 2);
}

std::string necta_date_image_of(const csl_time::time& t) {
  constexpr std::string_view routine = "necta_date_image_of";
  const month_and_day md = month_and_day_of(t, routine);
  return digits(md.month, 2) + "/" + digits(md.day, 2) + "/" + two_digit_year(t, routine);
}

std::string necta_time_image_of(const csl_time::time& t) {
  const clock_time c = clock_time_of(t, "necta_time_image_of");
  return digits(c.hour, 2) + ":" + digits(c.minute, 2);
}

// ---- Positions ----

std::string lat_image_of(csl_angle::angle a) {
  return position_image(a, 2, 'N', 'S', "lat_image_of", "Lat_Image_Of");
}

std::string long_image_of(csl_angle::angle a) {
  return position_image(a, 3, 'E', 'W', "long_image_of", "Long_Image_Of");
}

std::string string_of(std::string_view s) {
  return std::string(s);
}

}  // namespace csl_image_utilities
