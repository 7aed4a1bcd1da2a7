#include "sm_model_vehicle_project_specific_types.hpp"

#include "csl_start_up_code.hpp"

namespace sm_model_vehicle_project_specific_types {

CSL_START_UP_CODE void start_up() {
  constexpr ch::module project{"project_specific", "sm_model_vehicle_project_specific_types"};
  ch::start(project, c940, c941, c942, c943, c944, c945, c946, c947, c948, c949, c950, c951);
}

bool started() {
  return c951.started();
}

}  // namespace sm_model_vehicle_project_specific_types
