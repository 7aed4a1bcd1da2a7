#include "sm_model_vehicle_bb_propeller_modulation_types.hpp"

#include "csl_start_up_code.hpp"

namespace sm_model_vehicle_bb_propeller_modulation_types {

CSL_START_UP_CODE void start_up() {
  constexpr ch::module modulation{"bb_propeller_modulation",
                                  "sm_model_vehicle_bb_propeller_modulation_types"};
  ch::start(modulation, c523, c524, c540, c541, c542, c543, c544, c545, c546, c550, c551, c552);
}

bool started() {
  return c552.started();
}

}  // namespace sm_model_vehicle_bb_propeller_modulation_types
