#include "sm_model_vehicle_physical_types.hpp"

#include "csl_start_up_code.hpp"

namespace sm_model_vehicle_physical_types {

CSL_START_UP_CODE void start_up() {
  constexpr ch::module physical{"physical", "sm_model_vehicle_physical_types"};
  ch::start(physical, c200, c201, c202, c203, c204, c205, c206, c209, c210, c215, c216, c217, c218,
            c220, c257, c258, c259, c260, c261, c277, c278);
}

bool started() {
  return c278.started();
}

}  // namespace sm_model_vehicle_physical_types
