#include "sm_model_vehicle_bb_propeller_modulation.hpp"

#include "sm_model_vehicle_group_defaults.hpp"

namespace sm_model_vehicle_bb_propeller_modulation {
namespace {

using defaults = sm_model_vehicle_group_defaults::defaults<prop_mode_dependent, group>;

defaults& the_defaults() {
  static defaults value;
  return value;
}

sm_model_vehicle_group_defaults::built_once building;

void build_defaults() {
  if (!types::started()) types::start_up();
  prop_mode_dependent m;
  m.c523 = types::c523.default_();
  m.c524 = types::c524.default_();
  m.c540 = types::c540.default_();
  m.c541 = types::c541.default_();
  m.c542 = types::c542.default_();
  m.c543 = types::c543.default_();
  m.c544 = types::c544.default_();
  m.c545 = types::c545.default_();
  m.c550 = types::c550.default_();
  m.c551 = types::c551.default_();
  m.c552 = types::c552.default_();

  group g;
  g.c546 = types::c546.default_();
  the_defaults().build(m, g);
}

}  // namespace

void start_up() {
  building.run(build_defaults);
}

bool started() {
  return building.done();
}

const prop_mode_dependent& prop_mode_dependent_defaults() {
  start_up();
  return the_defaults().mode();
}
const prop_modes& prop_modes_defaults() {
  start_up();
  return the_defaults().modes();
}
const group& group_default() {
  start_up();
  return the_defaults().whole();
}

}  // namespace sm_model_vehicle_bb_propeller_modulation
