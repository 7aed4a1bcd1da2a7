#include "sm_model_vehicle_bb_flow.hpp"

#include "sm_model_vehicle_group_defaults.hpp"

namespace sm_model_vehicle_bb_flow {
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
  m.c510 = types::c510.default_();
  m.c511 = types::c511.default_();
  m.c512 = types::c512.default_();
  m.c513 = types::c513.default_();
  m.c515 = types::c515.default_();
  m.c514 = types::c514.default_();
  m.c516 = types::c516.default_();

  group g;
  g.c517 = types::c517.default_();
  g.c583 = types::c583.default_();
  g.c585 = types::c585.default_();
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

}  // namespace sm_model_vehicle_bb_flow
