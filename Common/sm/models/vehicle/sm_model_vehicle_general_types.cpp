#include "sm_model_vehicle_general_types.hpp"

#include "csl_start_up_code.hpp"

namespace sm_model_vehicle_general_types {

std::string permanence_image_of(permanence p) {
  return permanence_characteristic.image_of(p);
}

std::string issue_image_of(issue i) {
  return issue_characteristic.image_of(i);
}

std::string library_number_image_of(library_number n) {
  return library_number_characteristic.image_of(n);
}

const std::string& library_number_min_image() {
  return library_number_characteristic.min_image();
}

const std::string& library_number_max_image() {
  return library_number_characteristic.max_image();
}

CSL_START_UP_CODE void start_up() {
  constexpr ch::module general{"general", "sm_model_vehicle_general_types"};
  ch::start(general, c005, c100, c101, c102, c103, c104, c105, c106, c107, c109, c114, c115,
            permanence_characteristic, issue_characteristic, library_number_characteristic);
}

}  // namespace sm_model_vehicle_general_types
