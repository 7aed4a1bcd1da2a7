#include "sm_model_vehicle_nb_bld_types.hpp"

#include "csl_start_up_code.hpp"

namespace sm_model_vehicle_nb_bld_types {

CSL_START_UP_CODE void start_up() {
  constexpr ch::module nb{"nb", "sm_model_vehicle_nb_bld_types"};
  ch::start(nb, c713, c771, c772, c773, c774, c775);
}

bool started() {
  return c775.started();
}

}  // namespace sm_model_vehicle_nb_bld_types
