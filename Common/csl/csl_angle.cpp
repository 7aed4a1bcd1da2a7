#include "csl_angle.hpp"

#include <cmath>
#include <utility>

#include "csl_output.hpp"

namespace csl_angle {

angle::angle(float radians) : radians_(radians) {
  if (!(radians >= -pi && radians <= pi)) throw csl::range_error("csl_angle.angle");
}

out_of_range::out_of_range(std::string place)
    : named_error("CSL_ANGLE.OUT_OF_RANGE", std::move(place)) {}

string_error::string_error(std::string place)
    : named_error("CSL_ANGLE.STRING_ERROR", std::move(place)) {}

float bring_into_range(float x) {
  if (std::fabs(x) > 1000000.0F) {
    csl_output::put("absurd angle to bring into range 0 returned");
    return 0.0F;
  }
  while (x >= pi) x -= two_pi;
  while (x < -pi) x += two_pi;
  return x;
}

angle from_float_degrees_convert(float in_degrees) {
  return angle(bring_into_range(in_degrees * radians_per_degree));
}

}  // namespace csl_angle
