#include "sm_model_vehicle_bb_propeller_types.hpp"

#include "csl_start_up_code.hpp"

namespace sm_model_vehicle_bb_propeller_types {

CSL_START_UP_CODE void start_up() {
  constexpr ch::module propeller{"bb_propeller", "sm_model_vehicle_bb_propeller_types"};
  ch::start(propeller, c520, c521, c522, c525, c526, c528, c533, c534, c535, c536, c537, c538, c587,
            c588, c589);
}

bool started() {
  return c589.started();
}

}  // namespace sm_model_vehicle_bb_propeller_types
