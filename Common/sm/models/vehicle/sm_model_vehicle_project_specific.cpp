#include "sm_model_vehicle_project_specific.hpp"

namespace sm_model_vehicle_project_specific {
namespace {

// Every characteristic's default is 0.
constexpr group the_default{};

}  // namespace

void start_up() {
  if (!types::started()) types::start_up();
}

bool started() {
  return types::started();
}

const group& group_default() {
  return the_default;
}

}  // namespace sm_model_vehicle_project_specific
