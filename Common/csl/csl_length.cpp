#include "csl_length.hpp"

#include <cmath>
#include <type_traits>
#include <utility>

#include "csl_exceptions.hpp"

namespace csl_length {
namespace {

float in_metres(metres m) {
  return m.value;
}
float in_metres(feet f) {
  return f.value * feet_to_metres_convert;
}
float in_metres(yards y) {
  return y.value * yards_to_metres_convert;
}
float in_metres(nautical_miles n) {
  return n.value * nautical_miles_to_metres_convert;
}

}  // namespace

layout_error::layout_error(std::string place)
    : named_error("CSL_LENGTH.LAYOUT_ERROR", std::move(place)) {}

distance::distance(float metres) : metres_(metres) {
  // Written so that NaN fails too.
  if (!(metres >= 0.0F && metres <= distance_last)) throw csl::range_error("csl_length.distance");
}

template <class Result, class Unit>
Result create(Unit value) {
  float m = in_metres(value);
  if constexpr (std::is_same_v<Result, distance>) {
    return distance(std::fabs(m));
  } else {
    return position_vector(m);
  }
}

template distance create<distance>(metres);
template distance create<distance>(feet);
template distance create<distance>(yards);
template distance create<distance>(nautical_miles);
template position_vector create<position_vector>(metres);
template position_vector create<position_vector>(feet);
template position_vector create<position_vector>(yards);
template position_vector create<position_vector>(nautical_miles);

}  // namespace csl_length
