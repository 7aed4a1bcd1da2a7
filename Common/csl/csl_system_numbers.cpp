#include "csl_system_numbers.hpp"

#include <cmath>

namespace csl_system_numbers {

std::string image_of(std::int64_t value) {
  std::string digits = std::to_string(value);
  return value < 0 ? digits : " " + digits;
}

std::int64_t round_to_integer(double value) {
  return static_cast<std::int64_t>(std::round(value));
}

}  // namespace csl_system_numbers
