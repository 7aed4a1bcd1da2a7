#include "sm_model_sonar_general_types.hpp"

#include "csl_start_up_code.hpp"

namespace sm_model_sonar_general_types {

std::string permanence_image_of(permanence p) {
  switch (p) {
    case permanence::perm:
      return "PERM";
    case permanence::temp:
      return "TEMP";
  }
  throw csl::range_error("sm_model_sonar_general_types.permanence_image_of");
}

std::string issue_image_of(issue i) {
  return ch::integer_image(i);
}

CSL_START_UP_CODE void start_up() {
  // Permanence and issue have no rows of their own: the vehicle's general types
  // already list items of those names.
  constexpr ch::module sonar{"sonar", "sm_model_sonar_general_types"};
  ch::start(sonar, a100, a101, a102, a110, a120, a130);
}

bool started() {
  return a130.started();
}

}  // namespace sm_model_sonar_general_types
