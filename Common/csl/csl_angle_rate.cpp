#include "csl_angle_rate.hpp"

#include <utility>

namespace csl_angle_rate {

overflow::overflow(std::string place) : named_error("CSL_ANGLE_RATE.OVERFLOW", std::move(place)) {}

}  // namespace csl_angle_rate
