#include "sm_model_vehicle_bb_machinery.hpp"

#include "sm_model_vehicle_group_defaults.hpp"

namespace sm_model_vehicle_bb_machinery {
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
  m.c500 = types::c500.default_();
  m.c501 = types::c501.default_();
  m.c502 = types::c502.default_();
  m.c503 = types::c503.default_();
  m.c505 = types::c505.default_();
  m.c504 = types::c504.default_();
  m.c506 = types::c506.default_();

  group g;
  g.c580 = types::c580.default_();
  g.c582 = types::c582.default_();
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

}  // namespace sm_model_vehicle_bb_machinery
