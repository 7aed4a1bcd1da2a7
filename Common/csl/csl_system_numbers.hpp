// Base numbers of the support library: the general reals and integers every module
// is written in, durations in seconds with their mixed arithmetic, integer powers,
// rounding and the integer image used everywhere.
#pragma once

#include <cmath>
#include <compare>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "csl_exceptions.hpp"
#include "csl_ranged.hpp"

namespace csl_system_numbers {

using system_float = float;
using system_long_float = double;
using system_fixed_point = float;  // a real, despite its name
using system_integer = std::int32_t;
using system_natural = csl::ranged<std::int32_t, 0, std::numeric_limits<std::int32_t>::max()>;
using system_positive = csl::ranged<std::int32_t, 1, std::numeric_limits<std::int32_t>::max()>;
using system_short_integer = std::int16_t;
// Unsigned 16-bit values held in a 32-bit integer.
using system_short_unsigned = csl::ranged<std::int32_t, 0, 65535>;
// Unsigned 8-bit values held in a 16-bit integer.
using unsigned_byte = csl::ranged<std::int16_t, 0, 255>;
using signed_byte = std::int8_t;

// A real that must not be negative (-0.0 is zero and accepted). It converts freely
// to and from its real, like a subtype; a negative value or NaN is a range error.
template <std::floating_point F>
class non_negative {
 public:
  constexpr non_negative() = default;
  constexpr non_negative(F v) : value_(checked(v)) {}  // NOLINT(google-explicit-constructor)
  constexpr operator F() const { return value_; }      // NOLINT(google-explicit-constructor)

 private:
  static constexpr F checked(F v) {
    if (!(v >= F(0))) {
      throw csl::range_error(sizeof(F) == 4 ? "csl_system_numbers.system_positive_float"
                                            : "csl_system_numbers.system_positive_long_float");
    }
    return v;
  }

  F value_ = F(0);
};

using system_positive_float = non_negative<float>;
using system_positive_long_float = non_negative<double>;

static_assert(sizeof(system_positive_float) == 4 && sizeof(system_positive_long_float) == 8);

// A duration in seconds, single precision. Scaling, dividing and adding durations
// raise the range error when the result is beyond the float32 range (a division by
// zero included).
class system_duration {
 public:
  constexpr system_duration() = default;
  constexpr explicit system_duration(float seconds) : seconds_(seconds) {}

  constexpr float value() const { return seconds_; }
  friend constexpr auto operator<=>(system_duration, system_duration) = default;

 private:
  float seconds_ = 0.0F;
};

static_assert(sizeof(system_duration) == 4);

system_duration operator*(system_float left, system_duration right);
system_duration operator*(system_duration left, system_float right);
system_duration operator*(system_integer left, system_duration right);
system_duration operator*(system_duration left, system_integer right);
system_duration operator/(system_duration left, system_float right);
system_duration operator/(system_duration left, system_integer right);
system_float operator/(system_duration left, system_duration right);
system_duration operator+(system_duration left, system_duration right);
system_duration operator-(system_duration left, system_duration right);
system_duration operator-(system_duration d);

// base ** exponent. For integers a negative exponent or a result beyond 32 bits is a
// range error; for reals a result beyond the float32 range is (0 ** -n included).
system_integer power(system_integer base, system_integer exponent);
// Square and multiply in double precision, rounded once to float32: exact for
// the powers of ten the table maths uses. Usable at compile time.
constexpr system_float power(system_float base, system_integer exponent) {
  double factor = base;
  double result = 1.0;
  const std::int64_t n = exponent;
  for (std::int64_t e = n < 0 ? -n : n; e != 0; e /= 2) {
    if (e % 2 != 0) result *= factor;
    factor *= factor;
  }
  if (n < 0) result = 1.0 / result;
  // From half a unit in the last place beyond the largest float on, the result
  // would round to infinity.
  constexpr double overflow = static_cast<double>(std::numeric_limits<float>::max()) + 0x1p103;
  if (!(result > -overflow && result < overflow)) {
    throw csl::range_error("csl_system_numbers.\"**\"");
  }
  return static_cast<float>(result);
}

// std::isfinite for float, usable at compile time.
constexpr bool is_finite(float v) {
  return v == v && v - v == 0.0F;  // NaN fails the first, the infinities the second
}

// std::round for float (the nearest whole number, halves away from zero), usable
// at compile time. NaN and values already whole come back unchanged.
constexpr float round_half_away(float v) {
  if (!(v > -8388608.0F && v < 8388608.0F)) return v;
  const auto whole = static_cast<float>(static_cast<std::int32_t>(v));  // toward zero
  const float rest = v - whole;                                         // exact
  if (rest >= 0.5F) return whole + 1.0F;
  if (rest <= -0.5F) return whole - 1.0F;
  return whole;
}

// Decimal digits preceded by a blank for zero or more, by "-" for negatives:
// 42 gives " 42", -7 gives "-7".
std::string image_of(std::int64_t value);

// The standard layout error: a text image does not fit the field it must fill.
class layout_error : public csl::named_error {
 public:
  explicit layout_error(std::string place);
};

// x (finite, zero or more) in fixed notation with `decimals` decimals and no
// exponent, the last rounded half away from zero on the exact binary value: 0.125
// with 2 decimals gives "0.13", 12.25 with 1 gives "12.3".
std::string rounded_decimal(double x, int decimals);

// value in fixed notation with aft decimals (at least one, as the standard real
// image writes) and no exponent, rounded as rounded_decimal, right-justified in
// width characters. An image
// longer than width is the layout error; aft outside 0 .. 255, or a value that is
// not finite, the range error. place names the caller in either error.
std::string fixed_image(double value, int aft, std::size_t width, const char* place);

// Nearest whole number, halves away from zero. A value beyond 64 bits (or NaN) is a
// range error.
std::int64_t round_to_integer(double value);
// The same, for a result that must fit a system_integer.
system_integer round_to_system_integer(double value);

// A real result, or the module's error (by default the range error) when it is not
// finite: an overflow or a NaN.
template <class Error = csl::range_error>
float finite(float value, const char* place) {
  if (!std::isfinite(value)) throw Error(place);
  return value;
}

// x / by, or the module's error when `by` is zero or the quotient is not finite.
template <class Error = csl::range_error>
float quotient(float x, float by, const char* place) {
  if (by == 0.0F) throw Error(place);
  return finite<Error>(x / by, place);
}

}  // namespace csl_system_numbers
