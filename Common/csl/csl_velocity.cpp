#include "csl_velocity.hpp"

#include <cmath>

#include "csl_exceptions.hpp"

namespace csl_velocity {
namespace {

using csl_system_numbers::finite;
using csl_system_numbers::quotient;

}  // namespace

speed create(metres_per_second v) {
  return speed(v.value);
}

speed create(knots v) {
  return speed(v.value * knots_to_metres_per_second_convert);
}

template <class Unit>
requires std::same_as<Unit, metres_per_second> || std::same_as<Unit, knots> Unit value_of(speed s) {
  if constexpr (std::same_as<Unit, knots>) {
    return knots{s.value() / knots_to_metres_per_second_convert};
  } else {
    return metres_per_second{s.value()};
  }
}

template metres_per_second value_of<metres_per_second>(speed);
template knots value_of<knots>(speed);

speed operator+(speed left, speed right) {
  return speed(finite(left.value() + right.value(), "csl_velocity.\"+\""));
}

speed operator-(speed left, speed right) {
  return speed(finite(left.value() - right.value(), "csl_velocity.\"-\""));
}

speed operator-(speed s) {
  return speed(-s.value());
}

speed operator*(speed s, system_float r) {
  return speed(finite(s.value() * r, "csl_velocity.\"*\""));
}

speed operator/(speed s, system_float r) {
  return speed(quotient(s.value(), r, "csl_velocity.\"/\""));
}

system_float operator/(speed s, speed t) {
  return quotient(s.value(), t.value(), "csl_velocity.\"/\"");
}

speed abs(speed s) {
  return speed(std::fabs(s.value()));
}

csl_length::position_vector operator*(speed s, system_duration d) {
  return csl_length::position_vector(finite(s.value() * d.value(), "csl_velocity.\"*\""));
}

csl_length::position_vector operator*(system_duration d, speed s) {
  return s * d;
}

system_duration operator/(csl_length::position_vector p, speed s) {
  return system_duration(quotient(p.metres(), s.value(), "csl_velocity.\"/\""));
}

}  // namespace csl_velocity

namespace csl_length {

csl_velocity::speed operator/(position_vector p, csl_system_numbers::system_duration d) {
  if (d.value() == 0.0F) throw csl::range_error("csl_velocity.\"/\"");
  const float v = p.metres() / d.value();
  if (!std::isfinite(v)) throw csl::range_error("csl_velocity.\"/\"");
  return csl_velocity::speed(v);
}

}  // namespace csl_length
