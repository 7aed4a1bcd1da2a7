// Velocities: signed speeds in single-precision metres per second and the operator
// units they are made from.
#pragma once

#include <compare>

#include "csl_quantity.hpp"

namespace csl_velocity {

// Metres per second, signed, unconstrained.
using speed = csl::quantity<"csl_velocity.speed">;

// Operator units, unconstrained.
struct metres_per_second {
  float value;
  friend constexpr auto operator<=>(metres_per_second, metres_per_second) = default;
};
struct knots {
  float value;
  friend constexpr auto operator<=>(knots, knots) = default;
};

static_assert(sizeof(speed) == 4 && sizeof(metres_per_second) == 4 && sizeof(knots) == 4);

// One nautical mile of 1853.184 m per hour, in metres per second.
inline constexpr float knots_to_metres_per_second_convert = 0.51477337F;
inline constexpr speed zero_speed{};

}  // namespace csl_velocity
