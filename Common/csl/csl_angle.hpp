// Angles: single-precision radians in -pi .. pi, the operator units they are made
// from, 16-bit fractions of a half turn, and their conversion from degrees.
#pragma once

#include <compare>
#include <cstdint>
#include <string>

#include "csl_exceptions.hpp"
#include "csl_quantity.hpp"

namespace csl_angle {

inline constexpr float pi = 3.1415927F;
inline constexpr float two_pi = 6.2831855F;
inline constexpr float radians_per_degree = 0.017453292F;

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
using degrees = csl::quantity<"csl_angle.degrees", csl::bound(-180.0F), csl::bound(180.0F)>;

// A fraction b of a half turn, standing for b * pi radians: counts of 1/32768 from
// -1.0 (-pi) to 32767/32768 (just under pi).
using bram_type = csl::fixed_quantity<"csl_angle.bram_type", std::int16_t, 32768>;

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

// x brought into [-pi, pi) by whole turns; an absurd |x| > 1000000 is reported
// and gives 0.
float bring_into_range(float x);

angle from_float_degrees_convert(float in_degrees);

}  // namespace csl_angle
