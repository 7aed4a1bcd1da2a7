#include "sm_model_vehicle_nb_fir_types.hpp"

#include "csl_start_up_code.hpp"

namespace sm_model_vehicle_nb_fir_types {

CSL_START_UP_CODE void start_up() {
  constexpr ch::module nb{"nb", "sm_model_vehicle_nb_fir_types"};
  ch::start(nb, c730, c731, c733, c736, c737, c784);
}

bool started() {
  return c784.started();
}

}  // namespace sm_model_vehicle_nb_fir_types
