#include "sm_model_vehicle_speed_types.hpp"

#include "csl_start_up_code.hpp"

namespace sm_model_vehicle_speed_types {

CSL_START_UP_CODE void start_up() {
  constexpr ch::module speed{"speed", "sm_model_vehicle_speed_types"};
  ch::start(speed, c420, c421, c422, c423, c429, c430, c431, c432, c433, c434, c435, c436, c437,
            c440, c441, c442, c443, c444, c445, c446);
}

bool started() {
  return c446.started();
}

}  // namespace sm_model_vehicle_speed_types
