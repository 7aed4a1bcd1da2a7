#include "sm_model_radar_general_types.hpp"

#include "csl_start_up_code.hpp"

namespace sm_model_radar_general_types {

std::string permanence_image_of(permanence p) {
  switch (p) {
    case permanence::perm:
      return "PERM";
    case permanence::temp:
      return "TEMP";
  }
  throw csl::range_error("sm_model_radar_general_types.permanence_image_of");
}

std::string issue_image_of(issue i) {
  return ch::integer_image(i);
}

std::string e102_image_of(e102_type reference) {
  return e102.image_of(reference);
}

CSL_START_UP_CODE void start_up() {
  // Permanence, library number and issue have no rows of their own: the vehicle's
  // general types already list items of those names.
  constexpr ch::module radar{"radar", "sm_model_radar_general_types"};
  ch::start(radar, e100, e102);
}

bool started() {
  return e102.started();
}

}  // namespace sm_model_radar_general_types
