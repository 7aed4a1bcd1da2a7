#include "sm_model_vehicle_nb_mod_types.hpp"

#include "csl_start_up_code.hpp"

namespace sm_model_vehicle_nb_mod_types {

CSL_START_UP_CODE void start_up() {
  constexpr ch::module nb{"nb", "sm_model_vehicle_nb_mod_types"};
  ch::start(nb, c742, c743, c785);
}

bool started() {
  return c785.started();
}

}  // namespace sm_model_vehicle_nb_mod_types
