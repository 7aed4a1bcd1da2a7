#include "sm_model_vehicle_nb_common_types.hpp"

#include "csl_start_up_code.hpp"

namespace sm_model_vehicle_nb_common_types {

std::string tonal_series_no_image_of(tonal_series_no n) {
  return tonal_series_no_characteristic.image_of(n);
}

const std::string& tonal_series_no_min_image() {
  return tonal_series_no_characteristic.min_image();
}

const std::string& tonal_series_no_max_image() {
  return tonal_series_no_characteristic.max_image();
}

CSL_START_UP_CODE void start_up() {
  constexpr ch::module nb{"nb", "sm_model_vehicle_nb_common_types"};
  ch::start(nb, c700, c701, c702, tonal_series_no_characteristic, c709, c750, c751, c752, c753,
            c756, c757, c758, c764, c765, c786, c787, c788, c789);
}

bool started() {
  return c789.started();
}

}  // namespace sm_model_vehicle_nb_common_types
