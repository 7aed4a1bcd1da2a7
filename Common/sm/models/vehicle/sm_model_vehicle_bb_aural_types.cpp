#include "sm_model_vehicle_bb_aural_types.hpp"

#include "csl_start_up_code.hpp"

namespace sm_model_vehicle_bb_aural_types {

CSL_START_UP_CODE void start_up() {
  constexpr ch::module aural{"bb_aural", "sm_model_vehicle_bb_aural_types"};
  ch::start(aural, c560, c561, c562, c563, c564, c565, c566, c567, c568, c570, c572, c573, c574);
}

bool started() {
  return c574.started();
}

}  // namespace sm_model_vehicle_bb_aural_types
