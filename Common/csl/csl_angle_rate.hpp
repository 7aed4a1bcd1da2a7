// Rates of turn: degrees per second (a rate of 0 or more is clockwise), the operator
// units rates are made from, revolutions per minute, and the angles and turns a
// rate sweeps over an interval. Overflowing conversions and arithmetic are
// reported on standard output before they fail.
#pragma once

#include <compare>
#include <string>

#include "csl_angle.hpp"
#include "csl_exceptions.hpp"
#include "csl_quantity.hpp"
#include "csl_system_numbers.hpp"
#include "csl_time.hpp"

namespace csl_angle_rate {

using csl_system_numbers::system_float;
using csl_system_numbers::system_integer;

// Gives the quantity types below this namespace's operators.
struct scope;

// Degrees per second, -599999.94 .. 599999.94 (the float32 599999.9375): six times
// the bound of rpm, as 1 rpm is 6 degrees per second.
using rate =
    csl::quantity<"csl_angle_rate.rate", csl::bound(-599999.94F), csl::bound(599999.94F), scope>;

// Revolutions per minute, -99999.99 .. 99999.99 (the float32 99999.9921875).
using rpm =
    csl::quantity<"csl_angle_rate.rpm", csl::bound(-99999.99F), csl::bound(99999.99F), scope>;

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

// Where a result does not fit, the line "csl_angle_rate: " with the failure's name
// and place is written first; then these raise the overflow error...
rate rate_of(degrees_per_second d);
rate rate_of(radians_per_second r);
// ...(revolutions * 360 / seconds)...
rate rate_of(revolution turns, const csl_time::interval& over);
// ...while these let the range error itself go on.
rate rate_of(rpm r);
rpm rpm_of(rate r);
rpm rpm_of(degrees_per_second d);
rpm rpm_of(radians_per_second r);

// The angle in -180 .. 180 degrees over the seconds of the interval; a result
// beyond the range is the range error, without a line.
rate rate_of(csl_angle::angle a, const csl_time::interval& over);

// The angle swept in the interval, brought into range.
csl_angle::angle angle_of(rate r, const csl_time::interval& over);
revolution revolutions_of(rate r, const csl_time::interval& over);
degrees_per_second degrees_per_second_of(rate r);
radians_per_second radians_per_second_of(rate r);
bool is_clockwise(rate r);

// Plain arithmetic; a result outside the type (a division by zero included) is
// reported and raises the overflow error...
rate operator+(rate left, rate right);
rate operator-(rate left, rate right);
rate operator*(rate left, system_float right);
rate operator*(system_float left, rate right);
rate operator*(rate left, system_integer right);
rate operator*(system_integer left, rate right);
rpm operator*(rpm left, system_float right);
rpm operator*(rpm left, system_integer right);
rate operator/(rate left, system_float right);
system_float operator/(rate left, rate right);
// ...except this one, which raises the range error without a line.
rate operator/(rate left, system_integer right);

// The rpm of the rate, its magnitude only, in 7 characters with one decimal:
// 600 degrees per second gives "  100.0".
std::string rpm_image_of(rate r);

}  // namespace csl_angle_rate
