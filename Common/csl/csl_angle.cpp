#include "csl_angle.hpp"

#include <cmath>

#include "csl_exceptions.hpp"
#include "csl_output.hpp"

namespace csl_angle {

angle::angle(float radians) : radians_(radians) {
  if (!(radians >= -pi && radians <= pi)) throw csl::range_error("csl_angle.angle");
}

float bring_into_range(float x) {
  if (std::fabs(x) > 1000000.0F) {
    csl_output::put("absurd angle to bring into range 0 returned");
    return 0.0F;
  }
  while (x >= pi) x -= two_pi;
  while (x < -pi) x += two_pi;
  return x;
}

angle from_float_degrees_convert(float degrees) {
  return angle(bring_into_range(degrees * radians_per_degree));
}

}  // namespace csl_angle
