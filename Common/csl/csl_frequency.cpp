#include "csl_frequency.hpp"

#include <cmath>

#include "csl_exceptions.hpp"
#include "csl_time.hpp"

namespace csl_frequency {
namespace {

using csl_system_numbers::finite;

}  // namespace

offset operator*(offset o, system_float r) {
  return offset(finite(o.value() * r, "csl_frequency.\"*\""));
}

offset operator*(system_float r, offset o) {
  return o * r;
}

offset operator*(offset o, system_integer n) {
  return o * static_cast<system_float>(n);
}

offset operator*(system_integer n, offset o) {
  return o * static_cast<system_float>(n);
}

offset operator/(offset o, system_float r) {
  if (r == 0.0F) throw csl::range_error("csl_frequency.\"/\"");
  return offset(finite(o.value() / r, "csl_frequency.\"/\""));
}

offset operator/(offset o, system_integer n) {
  return o / static_cast<system_float>(n);
}

hertz hertz_of(csl_angle_rate::rate r) {
  return hertz(std::fabs(csl_angle_rate::revolutions_of(r, csl_time::second_interval).value));
}

}  // namespace csl_frequency
