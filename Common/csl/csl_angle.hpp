// Angles: single-precision radians in -pi .. pi, and their conversion from degrees.
#pragma once

#include <compare>

namespace csl_angle {

inline constexpr float pi = 3.1415927F;
inline constexpr float two_pi = 6.2831855F;
inline constexpr float radians_per_degree = 0.017453292F;

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

inline constexpr angle zero_degrees{};

// x brought into [-pi, pi) by whole turns; an absurd |x| > 1000000 is reported
// and gives 0.
float bring_into_range(float x);

angle from_float_degrees_convert(float degrees);

}  // namespace csl_angle
