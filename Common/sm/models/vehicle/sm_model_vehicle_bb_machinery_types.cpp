#include "sm_model_vehicle_bb_machinery_types.hpp"

#include "csl_start_up_code.hpp"

namespace sm_model_vehicle_bb_machinery_types {

CSL_START_UP_CODE void start_up() {
  constexpr ch::module machinery{"bb_machinery", "sm_model_vehicle_bb_machinery_types"};
  ch::start(machinery, c500, c501, c502, c503, c504, c505, c506, c580, c582);
}

bool started() {
  return c582.started();
}

}  // namespace sm_model_vehicle_bb_machinery_types
