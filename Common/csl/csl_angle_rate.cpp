#include "csl_angle_rate.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

#include "csl_output.hpp"

namespace csl_angle_rate {
namespace {

using csl_system_numbers::finite;
using csl_system_numbers::quotient;

constexpr float degrees_per_rpm = 6.0F;

void report(const csl::named_error& e) {
  csl_output::put_line("csl_angle_rate: " + e.full_name() + " " + e.message());
}

// The computation's failure is reported and becomes the overflow error.
template <class Compute>
auto overflow_checked(const char* place, Compute compute) {
  try {
    return compute();
  } catch (const csl::named_error& e) {
    report(e);
    throw overflow(place);
  }
}

// The computation's failure is reported and raised again.
template <class Compute>
auto reported(Compute compute) {
  try {
    return compute();
  } catch (const csl::named_error& e) {
    report(e);
    throw;
  }
}

float seconds_of(const csl_time::interval& i) {
  return csl_time::convert<system_float>(i);
}

}  // namespace

overflow::overflow(std::string place) : named_error("CSL_ANGLE_RATE.OVERFLOW", std::move(place)) {}

rate rate_of(degrees_per_second d) {
  return overflow_checked("csl_angle_rate.rate_of", [&] { return rate(d.value); });
}

rate rate_of(radians_per_second r) {
  return overflow_checked("csl_angle_rate.rate_of",
                          [&] { return rate(r.value * csl_angle::degrees_per_radian); });
}

rate rate_of(revolution turns, const csl_time::interval& over) {
  constexpr const char* place = "csl_angle_rate.rate_of";
  return overflow_checked(
      place, [&] { return rate(quotient(turns.value * 360.0F, seconds_of(over), place)); });
}

rate rate_of(rpm r) {
  return reported([&] { return rate(r.value() * degrees_per_rpm); });
}

rpm rpm_of(rate r) {
  return reported([&] { return rpm(r.value() / degrees_per_rpm); });
}

rpm rpm_of(degrees_per_second d) {
  return reported([&] { return rpm(d.value / degrees_per_rpm); });
}

rpm rpm_of(radians_per_second r) {
  return reported([&] { return rpm(r.value * csl_angle::degrees_per_radian / degrees_per_rpm); });
}

rate rate_of(csl_angle::angle a, const csl_time::interval& over) {
  constexpr const char* place = "csl_angle_rate.rate_of";
  return rate(quotient(csl_angle::to_float_degrees_convert(a, -180.0F), seconds_of(over), place));
}

csl_angle::angle angle_of(rate r, const csl_time::interval& over) {
  return csl_angle::from_float_degrees_convert(r.value() * seconds_of(over));
}

revolution revolutions_of(rate r, const csl_time::interval& over) {
  return revolution{r.value() * seconds_of(over) / 360.0F};
}

degrees_per_second degrees_per_second_of(rate r) {
  return degrees_per_second{r.value()};
}

radians_per_second radians_per_second_of(rate r) {
  return radians_per_second{r.value() * csl_angle::radians_per_degree};
}

bool is_clockwise(rate r) {
  return r.value() >= 0.0F;
}

rate operator+(rate left, rate right) {
  return overflow_checked("csl_angle_rate.\"+\"",
                          [&] { return rate(left.value() + right.value()); });
}

rate operator-(rate left, rate right) {
  return overflow_checked("csl_angle_rate.\"-\"",
                          [&] { return rate(left.value() - right.value()); });
}

rate operator*(rate left, system_float right) {
  return overflow_checked("csl_angle_rate.\"*\"", [&] { return rate(left.value() * right); });
}

rate operator*(system_float left, rate right) {
  return overflow_checked("csl_angle_rate.\"*\"", [&] { return rate(left * right.value()); });
}

rate operator*(rate left, system_integer right) {
  return left * static_cast<system_float>(right);
}

rate operator*(system_integer left, rate right) {
  return static_cast<system_float>(left) * right;
}

rpm operator*(rpm left, system_float right) {
  return overflow_checked("csl_angle_rate.\"*\"", [&] { return rpm(left.value() * right); });
}

rpm operator*(rpm left, system_integer right) {
  return left * static_cast<system_float>(right);
}

rate operator/(rate left, system_float right) {
  constexpr const char* place = "csl_angle_rate.\"/\"";
  return overflow_checked(place, [&] { return rate(quotient(left.value(), right, place)); });
}

system_float operator/(rate left, rate right) {
  constexpr const char* place = "csl_angle_rate.\"/\"";
  return overflow_checked(place, [&] { return quotient(left.value(), right.value(), place); });
}

rate operator/(rate left, system_integer right) {
  return rate(quotient(left.value(), static_cast<system_float>(right), "csl_angle_rate.\"/\""));
}

std::string rpm_image_of(rate r) {
  std::string image = csl_system_numbers::fixed_image(r.value() / degrees_per_rpm, 2, 9,
                                                      "csl_angle_rate.rpm_image_of");
  std::replace(image.begin(), image.end(), '-', ' ');
  return image.substr(1, 7);
}

}  // namespace csl_angle_rate
