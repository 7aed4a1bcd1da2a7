#include "sm_model_vehicle_bb_propeller_types.hpp"

namespace sm_model_vehicle_bb_propeller_types {

void start_up() {
  constexpr ch::module propeller{"bb_propeller", "sm_model_vehicle_bb_propeller_types"};
  ch::start(propeller, c520, c521, c522, c525, c526, c528, c533, c534, c535, c536, c537, c538, c587,
            c588, c589);
}

bool started() {
  return c589.started();
}

}  // namespace sm_model_vehicle_bb_propeller_types
