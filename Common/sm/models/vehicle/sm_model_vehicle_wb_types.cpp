#include "sm_model_vehicle_wb_types.hpp"

#include "csl_start_up_code.hpp"

namespace sm_model_vehicle_wb_types {

CSL_START_UP_CODE void start_up() {
  constexpr ch::module wb{"wb", "sm_model_vehicle_wb_types"};
  ch::start(wb, c800, c801, c802, c809, c813, c830, c831, c832, c833, c836, c837, c850, c851, c852,
            c853, c856, c857, c858, c864, c865, c880, c881);
}

bool started() {
  return c881.started();
}

}  // namespace sm_model_vehicle_wb_types
