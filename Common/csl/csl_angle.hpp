// Angles: single-precision radians in -pi .. pi, the operator units they are made
// from, 16-bit fractions of a half turn, text, wrap-around arithmetic, turn and
// sector tests, and table-driven trigonometry for simulation loops.
//
// Bearing convention: arctan(x, y) is the direction of the point (x, y) measured
// from +y (north) towards +x (east), so a positive angle is clockwise.
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "csl_exceptions.hpp"
#include "csl_quantity.hpp"
#include "csl_system_numbers.hpp"

namespace csl_angle {

// Gives the quantity types below this namespace's operators.
struct scope;

inline constexpr float pi = 3.1415927F;
inline constexpr float two_pi = 6.2831855F;
inline constexpr float piby2 = 1.5707964F;
inline constexpr float piby4 = 0.7853982F;
inline constexpr float radians_per_degree = 0.017453292F;
inline constexpr float degrees_per_radian = 57.29578F;
// The steps of the sine table (0.1 degree in radians) and of the arctan table.
inline constexpr float interval = 0.0017453294F;
inline constexpr float arctan_interval = 0.01F;

// Radians, -pi .. pi with both ends included (pi is the float32 3.1415927).
class angle {
 public:
  constexpr angle() = default;
  explicit angle(float radians);

  constexpr float radians() const { return radians_; }
  friend constexpr auto operator<=>(angle, angle) = default;

 private:
  float radians_ = 0.0F;
};

static_assert(sizeof(angle) == 4);

// Radians, unconstrained.
struct radians {
  float value;
  friend constexpr auto operator<=>(radians, radians) = default;
};

// Degrees, -180.0 .. 180.0.
using degrees = csl::quantity<"csl_angle.degrees", csl::bound(-180.0F), csl::bound(180.0F), scope>;

// A fraction b of a half turn, standing for b * pi radians: counts of 1/32768 from
// -1.0 (-pi) to 32767/32768 (just under pi).
using bram_type =
    csl::fixed_quantity<"csl_angle.bram_type", std::int16_t, 32768, -32768, 32767, scope>;

static_assert(sizeof(radians) == 4 && sizeof(degrees) == 4 && sizeof(bram_type) == 2);

inline constexpr angle zero_degrees{};

// The argument of an inverse function lies outside -1 .. 1.
class out_of_range : public csl::named_error {
 public:
  explicit out_of_range(std::string place);
};

// A text does not hold an angle.
class string_error : public csl::named_error {
 public:
  explicit string_error(std::string place);
};

// The standard end-of-input error: a text to read an angle from holds nothing but
// blanks.
class end_error : public csl::named_error {
 public:
  explicit end_error(std::string place);
};

// ---- Conversions ----

// x brought into [-pi, pi) by whole turns; an absurd |x| > 1000000 is reported
// and gives 0.
float bring_into_range(float x);

angle from_float_degrees_convert(float in_degrees);
angle from_float_radians_convert(float in_radians);
// The same number, unwrapped: a value outside -pi .. pi is the range error.
angle from_radian_convert(radians r);
angle from_degree_convert(degrees d);
angle from_brams_convert(bram_type b);

// What was read from a text: the angle, and the index (from 0) of the last
// character that made it up.
struct read_angle {
  std::size_t last_digit;
  angle the_angle;
};

// One real at the start of s (leading blanks allowed; sign, digits with single
// underscores between them, an optional fraction and exponent), taken as radians
// or degrees and brought into range. Anything else is "CSL_ANGLE.STRING_ERROR"; a
// text of nothing but blanks the end error.
read_angle from_radian_string_convert(std::string_view s);
read_angle from_degree_string_convert(std::string_view s);

// a in degrees, moved by whole turns into [start, start + 360].
float to_float_degrees_convert(angle a, float start);
// a moved by whole turns into [start, start + 2 pi].
float to_float_radians_convert(angle a, float start);
// The nearest count of 1/32768 half turns; pi gives -1.0, the same direction.
bram_type to_brams_convert(angle a);
radians to_radian_convert(angle a);
degrees to_degree_convert(angle a);

// a in radians with decimal_digits decimals (0 .. 255; at least one is written),
// right-justified over the whole of to_string. An image longer than to_string is
// the layout error.
void convert_angle_to_string(angle a, std::span<char> to_string, int decimal_digits);

// ---- Arithmetic (results wrapped by bring_into_range) ----

angle operator+(angle a, angle b);
angle operator-(angle a, angle b);
angle operator-(angle a);
angle operator*(angle a, float r);
// The ratio of a and b, each first taken in 0 .. 2 pi.
float operator/(angle a, angle b);
// a taken in 0 .. 2 pi, divided by r.
angle operator/(angle a, float r);
// The plain ratio of the stored values.
float div180(angle a, angle b);
// The stored value divided by r.
angle div180(angle a, float r);

// The bisector of the smaller arc between a and b (for opposite directions, the
// one of the arc from the smaller angle up to the larger).
angle average(angle a, angle b);
// With d = left - right unwrapped: d > pi, or -pi < d < 0.
bool port_turn_shorter(angle left, angle right);
bool starboard_turn_shorter(angle left, angle right);
// left .. right inclusive; a sector with left > right contains +-pi.
bool in_sector(angle the_angle, angle left_of_sector, angle right_of_sector);

// ---- Trigonometry by table (one look-up and one interpolation each) ----

float sine(angle a);
float cos(angle a);
// The range error where the cosine is 0.
float tan(angle a);
angle arctan(float of_x_coord, float of_y_coord);
// "CSL_ANGLE.OUT_OF_RANGE" for n outside -1 .. 1.
angle arcsine(float n);
angle arccos(float n);

// The tables: sine_table(i) = sin(i * 0.1 degree) for i = -1 .. 901,
// arctan_table(i) = arctan(i / 100) for i = -1 .. 101. Another index is the range
// error.
float sine_table(int i);
float arctan_table(int i);

// The series the tables are built from (by the compiler): slow, but accurate to
// single precision for any argument. A NaN or infinite argument is the range
// error.
namespace series_detail {

// The series stop once the term just added no longer counts in single precision.
inline constexpr float smallest_term = 2.5849394e-25F;
inline constexpr float relative_term = 1e-6F;

constexpr float magnitude(float v) {
  return v < 0.0F ? -v : v;
}

constexpr bool negligible(float term, float sum) {
  const float size = magnitude(term);
  return size < smallest_term || size < relative_term * magnitude(sum);
}

// x - x^3/3! + x^5/5! - ..., for 0 <= x <= pi/4.
constexpr float sine_by_series(float x) {
  const float square = x * x;
  float term = x;
  float sum = x;
  for (int n = 1; !negligible(term, sum); ++n) {
    term = -term * square / static_cast<float>((2 * n) * (2 * n + 1));
    sum += term;
  }
  return sum;
}

// 1 - x^2/2! + x^4/4! - ..., for 0 <= x <= pi/4.
constexpr float cosine_by_series(float x) {
  const float square = x * x;
  float term = 1.0F;
  float sum = 1.0F;
  for (int n = 1; !negligible(term, sum); ++n) {
    term = -term * square / static_cast<float>((2 * n - 1) * (2 * n));
    sum += term;
  }
  return sum;
}

// t - t^3/3 + t^5/5 - ..., for 0 < t <= 0.5.
constexpr float arctan_by_series(float t) {
  const float square = t * t;
  float power = t;
  float term = t;
  float sum = t;
  for (int n = 1; !negligible(term, sum); ++n) {
    power = -power * square;
    term = power / static_cast<float>(2 * n + 1);
    sum += term;
  }
  return sum;
}

// x less the nearest whole number of turns.
constexpr float less_whole_turns(float x) {
  return x - csl_system_numbers::round_half_away(x / two_pi) * two_pi;
}

constexpr void require_finite(float x, const char* place) {
  if (!csl_system_numbers::is_finite(x)) throw csl::range_error(place);
}

}  // namespace series_detail

constexpr float series_cosine(float x);

constexpr float series_sine(float x) {
  series_detail::require_finite(x, "csl_angle.series_sine");
  if (x < 0.0F) return -series_sine(-x);
  if (x > two_pi) return series_sine(series_detail::less_whole_turns(x));
  if (x > pi) return -series_sine(two_pi - x);
  if (x > piby2) return series_sine(pi - x);
  if (x > piby4) return series_cosine(piby2 - x);
  return series_detail::sine_by_series(x);
}

constexpr float series_cosine(float x) {
  series_detail::require_finite(x, "csl_angle.series_cosine");
  if (x < 0.0F) return series_cosine(-x);
  if (x > two_pi) return series_cosine(series_detail::less_whole_turns(x));
  if (x > pi) return series_cosine(two_pi - x);
  if (x > piby2) return -series_cosine(pi - x);
  if (x > piby4) return series_sine(piby2 - x);
  return series_detail::cosine_by_series(x);
}

constexpr float series_arctan(float x, float y) {
  if (x != x || y != y) throw csl::range_error("csl_angle.series_arctan");
  if (x < 0.0F) return -series_arctan(-x, y);
  if (y < 0.0F) return pi - series_arctan(x, -y);
  if (x > y) return piby2 - series_arctan(y, x);
  if (x == 0.0F) return 0.0F;
  const float t = x / y;
  // Two infinities have no direction.
  if (t != t) throw csl::range_error("csl_angle.series_arctan");
  if (t > 0.5F) return piby4 - series_arctan(1.0F - t, 1.0F + t);
  return series_detail::arctan_by_series(t);
}

}  // namespace csl_angle
