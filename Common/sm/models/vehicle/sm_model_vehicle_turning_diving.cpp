#include "sm_model_vehicle_turning_diving.hpp"

#include "sm_model_vehicle_group_defaults.hpp"

namespace sm_model_vehicle_turning_diving {
namespace {

using defaults = sm_model_vehicle_group_defaults::defaults<prop_mode_dependent, group>;

defaults& the_defaults() {
  static defaults value;
  return value;
}

}  // namespace

void start_up() {
  if (!types::started()) types::start_up();
  prop_mode_dependent m;
  m.c409 = types::c409.default_();
  m.c415 = types::c415.default_();

  group g;
  g.c400 = types::c400.default_();
  g.c411 = types::c411.default_();
  g.c401 = types::c401.default_();
  g.c402 = types::c402.default_();
  g.c403 = types::c403.default_();
  g.c410 = types::c410.default_();
  g.c412 = types::c412.default_();
  g.c413 = types::c413.default_();
  g.c414 = types::c414.default_();
  the_defaults().build(m, g);
}

bool started() {
  return the_defaults().built();
}

const prop_mode_dependent& prop_mode_dependent_defaults() {
  return the_defaults().mode();
}
const prop_modes& prop_modes_defaults() {
  return the_defaults().modes();
}
const group& group_default() {
  return the_defaults().whole();
}

}  // namespace sm_model_vehicle_turning_diving
