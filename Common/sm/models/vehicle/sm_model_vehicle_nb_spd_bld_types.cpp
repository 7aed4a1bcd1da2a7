#include "sm_model_vehicle_nb_spd_bld_types.hpp"

#include "csl_start_up_code.hpp"

namespace sm_model_vehicle_nb_spd_bld_types {

CSL_START_UP_CODE void start_up() {
  constexpr ch::module nb{"nb", "sm_model_vehicle_nb_spd_bld_types"};
  ch::start(nb, c712, c782);
}

bool started() {
  return c782.started();
}

}  // namespace sm_model_vehicle_nb_spd_bld_types
