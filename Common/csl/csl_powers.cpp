#include "csl_powers.hpp"

#include <cmath>

#include "csl_level_exceptions.hpp"

namespace csl_powers {
namespace {

float finite(float v, const char* place) {
  return csl_system_numbers::finite<csl_level_exceptions::out_of_range>(v, place);
}
float quotient(float x, float by, const char* place) {
  return csl_system_numbers::quotient<csl_level_exceptions::out_of_range>(x, by, place);
}

}  // namespace

power operator+(power left, power right) {
  return power(finite(left.value() + right.value(), "csl_powers.\"+\""));
}

power_factor operator*(power_factor left, power_factor right) {
  return power_factor(finite(left.value() * right.value(), "csl_powers.\"*\""));
}

power operator*(power p, power_factor f) {
  return power(finite(p.value() * f.value(), "csl_powers.\"*\""));
}

power_factor operator/(power left, power right) {
  return power_factor(quotient(left.value(), right.value(), "csl_powers.\"/\""));
}

power_factor invert(power_factor f) {
  return power_factor(quotient(1.0F, f.value(), "csl_powers.invert"));
}

system_float value_of(power p) {
  return p.value();
}

system_float value_of(power_factor f) {
  return f.value();
}

power power_of(system_float x) {
  return power(x);
}

power_factor power_factor_of(system_float x) {
  return power_factor(x);
}

}  // namespace csl_powers
