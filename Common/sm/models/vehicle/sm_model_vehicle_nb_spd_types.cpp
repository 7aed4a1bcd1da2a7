#include "sm_model_vehicle_nb_spd_types.hpp"

#include "csl_start_up_code.hpp"

namespace sm_model_vehicle_nb_spd_types {

CSL_START_UP_CODE void start_up() {
  constexpr ch::module nb{"nb", "sm_model_vehicle_nb_spd_types"};
  ch::start(nb, c780, c781);
}

bool started() {
  return c781.started();
}

}  // namespace sm_model_vehicle_nb_spd_types
