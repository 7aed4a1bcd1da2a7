#include "sm_model_vehicle_propulsion_mode_types.hpp"

#include "csl_start_up_code.hpp"

namespace sm_model_vehicle_propulsion_mode_types {

CSL_START_UP_CODE void start_up() {
  constexpr ch::module propulsion_mode{"propulsion_mode", "sm_model_vehicle_propulsion_mode_types"};
  ch::start(propulsion_mode, c300, c301, c302, c303, c304, c305, c311, c312, c313, c314, c320);
}

bool started() {
  return c320.started();
}

}  // namespace sm_model_vehicle_propulsion_mode_types
