#include "sm_model_vehicle_nb_aux_int_types.hpp"

#include "csl_start_up_code.hpp"

namespace sm_model_vehicle_nb_aux_int_types {

CSL_START_UP_CODE void start_up() {
  constexpr ch::module nb{"nb", "sm_model_vehicle_nb_aux_int_types"};
  ch::start(nb, c720, c723, c725, c726, c727, c728, c783);
}

bool started() {
  return c783.started();
}

}  // namespace sm_model_vehicle_nb_aux_int_types
