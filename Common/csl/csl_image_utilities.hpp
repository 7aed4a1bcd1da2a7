// Fixed-format text images for operator displays, reports and the vehicle model's
// characteristic images: the fixed-decimal number image and its unit instances,
// integer images of lengths and intervals, date and time images, latitude and
// longitude. Every operation returns a new string and keeps no state.
#pragma once

#include <concepts>
#include <string>
#include <string_view>

#include "csl_angle.hpp"
#include "csl_angle_rate.hpp"
#include "csl_exceptions.hpp"
#include "csl_frequency.hpp"
#include "csl_length.hpp"
#include "csl_levels.hpp"
#include "csl_platform.hpp"
#include "csl_system_numbers.hpp"
#include "csl_time.hpp"
#include "csl_tonals.hpp"
#include "csl_velocity.hpp"

namespace csl_image_utilities {

// A number does not fit its image: negative without room for the sign, beyond the
// working buffer, not finite, or a negative or overflowing interval total.
class image_overflow : public csl::named_error {
 public:
  explicit image_overflow(std::string place);
};

// The working buffer every fixed-decimal image is made in.
inline constexpr int buffer_length = 25;

// Characters before the point (sign included) and decimals after it. With no
// decimals the image has no point either.
struct layout {
  int chars_before_point;
  int chars_after_point;

  // The image's length: B + 1 + A, or B when A is 0.
  constexpr int width() const {
    return chars_after_point == 0 ? chars_before_point : chars_before_point + 1 + chars_after_point;
  }
  // Whether B characters, the point and the decimals written (at least one) fit
  // the buffer.
  constexpr bool fits_buffer() const {
    const int decimals = chars_after_point == 0 ? 1 : chars_after_point;
    return chars_before_point >= 1 && chars_after_point >= 0 &&
           chars_before_point + 1 + decimals <= buffer_length;
  }
};

// The fixed-decimal image. The last shown decimal is rounded half away from zero,
// on the exact binary value. A negative value gets "-" before its first digit and
// overflows when its integer part leaves no room for it; a positive value whose
// integer part is longer than B keeps its last B integer digits (1000000.0 at 6/4
// gives "000000.0000"). With A = 0 the value is rounded to one decimal first and
// that decimal dropped (49.96 at 5/0 gives "   50", 49.94 gives "   49"). instance
// names the image in the overflow error's message.
std::string fixed_decimal_image_of(double value, layout the_layout, std::string_view instance);

// The same image for one layout fixed at compile time.
template <std::floating_point Number, int CharsBeforePoint, int CharsAfterPoint>
struct fixed_decimal {
  static constexpr layout the_layout{CharsBeforePoint, CharsAfterPoint};
  static_assert(the_layout.fits_buffer(), "the image must fit the 25-character buffer");
  static constexpr int chars_before_point = CharsBeforePoint;
  static constexpr int chars_after_point = CharsAfterPoint;
  static constexpr int width = the_layout.width();

  static std::string image_of(Number value, std::string_view instance = "fixed_decimal") {
    return fixed_decimal_image_of(static_cast<double>(value), the_layout, instance);
  }
};

// ---- Instances, in the unit named (no unit text is appended) ----

std::string image_4_4_of(double value);                          // 9 characters
std::string db_image_of(csl_levels::db level);                   // 4/1
std::string image_in_degrees_360_of(csl_angle::angle a);         // 0 .. 360, 3/2
std::string image_in_degrees_180_of(csl_angle::angle a);         // -180 .. 180, 4/2
std::string image_in_yards_of(csl_length::distance d);           // 6/1
std::string image_in_kyards_of(csl_length::distance d);          // 5/1
std::string image_in_feet_per_second_of(csl_velocity::speed s);  // 4/1
std::string image_in_knots_of(csl_velocity::speed s);            // 4/1
std::string image_in_hz_of(csl_frequency::hertz f);              // 6/1
std::string image_in_hz_offset_of(csl_frequency::offset f);      // 7/1
std::string image_in_khz_of(csl_frequency::hertz f);             // 3/1
std::string image_in_mhz_of(csl_frequency::giga_hertz f);        // 5/1
std::string image_in_ghz_of(csl_frequency::giga_hertz f);        // 2/3
std::string modulation_image_of(csl_tonals::modulation m);       // 1/2

// ---- Integer images of lengths: the nearest whole number, halves away from zero;
// a result beyond 32 bits is the range error ----

std::string image_in_feet_of(csl_length::distance d);
std::string image_in_metres_of(csl_length::distance d);
std::string image_in_feet_of(csl_length::position_vector p);
std::string image_in_metres_of(csl_length::position_vector p);

// The magnitude of the rate in rpm, 7 characters with one decimal ("  100.0").
std::string image_in_rpm_of(csl_angle_rate::rate r);

// ---- Intervals: the integer image of the whole total in the unit, lower fields
// dropped. A negative total, or one beyond 32 bits, is the image overflow ----

std::string image_in_days_of(const csl_time::interval& i);
std::string image_in_hours_of(const csl_time::interval& i);
std::string image_in_minutes_of(const csl_time::interval& i);
std::string image_in_seconds_of(const csl_time::interval& i);
std::string image_in_milliseconds_of(const csl_time::interval& i);

// Seconds with three decimals from the duration rounded to whole milliseconds
// (halves away from zero): 12.3456 gives " 12.346", 0.005 gives " 0.005". A
// negative duration is shown the same way with "-" in place of the leading blank
// (-0.25 gives "-0.250"); one that rounds to 0 ms is " 0.000". A duration whose
// milliseconds do not fit 64 bits (or that is not finite) is the image overflow.
std::string image_in_seconds_of(csl_system_numbers::system_duration d);

// ---- Dates and times. A field outside its range (a day of year beyond the
// year's last day included) is the range error ----

std::string date_image_of(const csl_time::time& t);       // DD/MM/YY
std::string time_image_of(const csl_time::time& t);       // HH:MM:SS
std::string date_time_image_of(const csl_time::time& t);  // HH:MM:SS DD/MM/YY
// The platform clock's reading: DD/MM/YYYY, and HH:MM:SS from the whole seconds of
// the day (a reading of 86400.0 shows as 23:59:59, the last second of the day).
std::string date_image_of(const csl_platform::calendar_reading& c);
std::string time_image_of(const csl_platform::calendar_reading& c);
std::string necta_date_image_of(const csl_time::time& t);  // MM/DD/YY
std::string necta_time_image_of(const csl_time::time& t);  // HH:MM

// ---- Positions. They never raise: a failure prints "Caught <name> in
// Lat_Image_Of" (or Long_Image_Of) and returns the image as far as it was filled,
// the rest blank ----

// 17 characters: "DD:MM:SSSS.SSSS H", H "N" or "S".
std::string lat_image_of(csl_angle::angle a);
// 18 characters: "DDD:MM:SSSS.SSSS H", H "E" or "W".
std::string long_image_of(csl_angle::angle a);

// A copy of s.
std::string string_of(std::string_view s);

}  // namespace csl_image_utilities
