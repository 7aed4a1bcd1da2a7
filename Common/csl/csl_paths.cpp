#include "csl_paths.hpp"

#include "csl_exceptions.hpp"

namespace csl_paths {

std::string image_of(path_class c) {
  switch (c) {
    case path_class::primary:
      return "PRIMARY";
    case path_class::secondary:
      return "SECONDARY";
    case path_class::tertiary:
      return "TERTIARY";
  }
  throw csl::range_error("csl_paths.image_of");
}

void set_up(path& for_path, path_class using_class, csl_length::distance of_length,
            csl_angle::angle of_arrival_angle, csl_decibel::db with_prop_loss) {
  if (static_cast<std::uint8_t>(using_class) > static_cast<std::uint8_t>(path_class::tertiary)) {
    throw csl::range_error("csl_paths.set_up");
  }
  for_path.the_path_length = of_length;
  for_path.the_angle_of_arrival = of_arrival_angle;
  for_path.the_prop_loss = with_prop_loss;
  for_path.the_class = using_class;
}

csl_length::distance length_of(const path& p) {
  return p.the_path_length;
}

csl_angle::angle angle_of_arrival(const path& p) {
  return p.the_angle_of_arrival;
}

path_class class_(const path& p) {
  return p.the_class;
}

csl_decibel::db propagation_loss(const path& p) {
  return p.the_prop_loss;
}

}  // namespace csl_paths
