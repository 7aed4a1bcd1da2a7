#include "sm_model_vehicle_turning_diving_types.hpp"

#include "csl_start_up_code.hpp"

namespace sm_model_vehicle_turning_diving_types {

CSL_START_UP_CODE void start_up() {
  constexpr ch::module turning_diving{"turning_diving", "sm_model_vehicle_turning_diving_types"};
  ch::start(turning_diving, c400, c401, c402, c403, c409, c410, c411, c412, c413, c414, c415);
}

bool started() {
  return c415.started();
}

}  // namespace sm_model_vehicle_turning_diving_types
