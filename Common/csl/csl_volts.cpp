#include "csl_volts.hpp"

#include <cmath>
#include <cstddef>

#include "csl_exceptions.hpp"
#include "csl_level_exceptions.hpp"

namespace csl_volts {
namespace {

// A voltage that cannot be represented is the level error, as for levels and powers.
float finite(float v, const char* place) {
  return csl_system_numbers::finite<csl_level_exceptions::out_of_range>(v, place);
}
float quotient(float x, float by, const char* place) {
  return csl_system_numbers::quotient<csl_level_exceptions::out_of_range>(x, by, place);
}

voltage added(voltage left, voltage right, float factor, float square_factor, const char* place) {
  const bool right_larger = left < right;
  const float e = (right_larger ? right : left).value();
  const float f = (right_larger ? left : right).value();
  if (e <= 0.0F) return voltage(0.0F);
  return voltage(finite(e + factor * f + square_factor * f * f / e, place));
}

}  // namespace

voltage powersum(voltage left, voltage right) {
  return added(left, right, powersum_factor, powersum_square_factor, "csl_volts.powersum");
}

voltage add_voltage(voltage left, voltage right, csl_angle::angle phase_difference) {
  const float tens = csl_angle::to_degree_convert(phase_difference).value() / 10.0F;
  const auto i = static_cast<std::size_t>(std::fabs(std::round(tens)));
  return added(left, right, add_volt_factor[i], add_volt_square_factor[i], "csl_volts.add_voltage");
}

voltage_factor operator*(voltage_factor left, voltage_factor right) {
  return voltage_factor(finite(left.value() * right.value(), "csl_volts.\"*\""));
}

voltage operator*(voltage v, voltage_factor f) {
  return voltage(finite(v.value() * f.value(), "csl_volts.\"*\""));
}

voltage_factor operator/(voltage left, voltage right) {
  return voltage_factor(quotient(left.value(), right.value(), "csl_volts.\"/\""));
}

voltage_factor invert(voltage_factor f) {
  return voltage_factor(quotient(1.0F, f.value(), "csl_volts.invert"));
}

system_float value_of(voltage v) {
  return v.value();
}

system_float value_of(voltage_factor f) {
  return f.value();
}

voltage voltage_of(system_float x) {
  return voltage(x);
}

voltage voltage_of(system_integer n) {
  return voltage(static_cast<system_float>(n));
}

voltage_factor voltage_factor_of(system_float x) {
  return voltage_factor(x);
}

template <class Result>
requires std::same_as<Result, system_integer> Result value_of(voltage v) {
  try {
    return csl_system_numbers::round_to_system_integer(v.value());
  } catch (const csl::range_error&) {
    throw csl_level_exceptions::out_of_range("csl_volts.value_of");
  }
}

template system_integer value_of<system_integer>(voltage);

}  // namespace csl_volts
