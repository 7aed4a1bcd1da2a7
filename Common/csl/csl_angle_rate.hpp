// Rates of turn: degrees per second (a rate of 0 or more is clockwise), the operator
// units rates are made from, and revolutions per minute.
#pragma once

#include <compare>
#include <string>

#include "csl_exceptions.hpp"
#include "csl_quantity.hpp"
#include "csl_time.hpp"

namespace csl_angle_rate {

// Degrees per second, -599999.94 .. 599999.94 (the float32 599999.9375): six times
// the bound of rpm, as 1 rpm is 6 degrees per second.
using rate = csl::quantity<"csl_angle_rate.rate", csl::bound(-599999.94F), csl::bound(599999.94F)>;

// Revolutions per minute, -99999.99 .. 99999.99 (the float32 99999.9921875).
using rpm = csl::quantity<"csl_angle_rate.rpm", csl::bound(-99999.99F), csl::bound(99999.99F)>;

// Operator units, unconstrained.
struct degrees_per_second {
  float value;
  friend constexpr auto operator<=>(degrees_per_second, degrees_per_second) = default;
};
struct radians_per_second {
  float value;
  friend constexpr auto operator<=>(radians_per_second, radians_per_second) = default;
};
// Whole turns.
struct revolution {
  float value;
  friend constexpr auto operator<=>(revolution, revolution) = default;
};

static_assert(sizeof(rate) == 4 && sizeof(rpm) == 4 && sizeof(degrees_per_second) == 4);
static_assert(sizeof(radians_per_second) == 4 && sizeof(revolution) == 4);

inline constexpr rate zero_rate{};
inline constexpr const csl_time::interval& minute = csl_time::minute_interval;
inline constexpr const csl_time::interval& second = csl_time::second_interval;

// A conversion or arithmetic result outside the range of rate or rpm.
class overflow : public csl::named_error {
 public:
  explicit overflow(std::string place);
};

}  // namespace csl_angle_rate
