#include "csl_statistical.hpp"

#include <cmath>

#include "csl_exceptions.hpp"

namespace csl_statistical {

system_float operator*(percentage p, system_float x) {
  const float product = p.value() / 100.0F * x;
  if (!std::isfinite(product)) throw csl::range_error("csl_statistical.\"*\"");
  return product;
}

system_float operator*(system_float x, percentage p) {
  return p * x;
}

system_float operator*(percentage p, system_integer n) {
  return p * static_cast<system_float>(n);
}

system_float operator*(system_integer n, percentage p) {
  return p * static_cast<system_float>(n);
}

std::string image_of(percentage p) {
  return csl_system_numbers::fixed_image(p.value(), 1, 6, "csl_statistical.image_of");
}

}  // namespace csl_statistical
