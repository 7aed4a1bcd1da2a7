// Velocities: signed speeds in single-precision metres per second, the operator
// units they are made from, and the distances and times they give with durations.
#pragma once

#include <compare>
#include <concepts>

#include "csl_length.hpp"
#include "csl_quantity.hpp"
#include "csl_system_numbers.hpp"

namespace csl_velocity {

using csl_system_numbers::system_duration;
using csl_system_numbers::system_float;

// Gives the quantity types below this namespace's operators.
struct scope;

// Metres per second, signed, unconstrained.
using speed = csl::unbounded_quantity<"csl_velocity.speed", scope>;

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

speed create(metres_per_second v);
speed create(knots v);
// value_of<knots>(s) is the metres per second divided by 0.51477337.
template <class Unit>
requires std::same_as<Unit, metres_per_second> || std::same_as<Unit, knots> Unit value_of(speed s);

// Plain arithmetic; a division by zero, or a result beyond the float32 range, is
// the range error.
speed operator+(speed left, speed right);
speed operator-(speed left, speed right);
speed operator-(speed s);
speed operator*(speed s, system_float r);
speed operator/(speed s, system_float r);
system_float operator/(speed s, speed t);
speed abs(speed s);

// The distance travelled in the duration, in metres.
csl_length::position_vector operator*(speed s, system_duration d);
csl_length::position_vector operator*(system_duration d, speed s);
// The time to travel p at s.
system_duration operator/(csl_length::position_vector p, speed s);

}  // namespace csl_velocity

namespace csl_length {

// The speed that covers p in the duration. Declared with position_vector, so that
// lookup by argument finds it wherever both modules are in use.
csl_velocity::speed operator/(position_vector p, csl_system_numbers::system_duration d);

}  // namespace csl_length
