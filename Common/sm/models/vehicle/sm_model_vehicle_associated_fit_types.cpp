#include "sm_model_vehicle_associated_fit_types.hpp"

#include "csl_start_up_code.hpp"

namespace sm_model_vehicle_associated_fit_types {

CSL_START_UP_CODE void start_up() {
  constexpr ch::module fit{"associated_fit", "sm_model_vehicle_associated_fit_types"};
  ch::start(fit, c600, c601, c602, c603, c604, c605, c606, c607, c608, c609, c610, c611, c612, c613,
            c614, c615, c616, c617, c618, c619, c620, c621, c622, c623, c624, c630, c631, c632,
            c633, c634, c650, c651, c652, c653, c661, c670, c671, c675);
}

bool started() {
  return c675.started();
}

}  // namespace sm_model_vehicle_associated_fit_types
