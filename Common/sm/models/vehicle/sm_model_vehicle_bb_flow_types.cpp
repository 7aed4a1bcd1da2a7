#include "sm_model_vehicle_bb_flow_types.hpp"

#include "csl_start_up_code.hpp"

namespace sm_model_vehicle_bb_flow_types {

CSL_START_UP_CODE void start_up() {
  constexpr ch::module flow{"bb_flow", "sm_model_vehicle_bb_flow_types"};
  ch::start(flow, c510, c511, c512, c513, c514, c515, c516, c517, c583, c585);
}

bool started() {
  return c585.started();
}

}  // namespace sm_model_vehicle_bb_flow_types
