#include "sm_model_vehicle_bb_propeller.hpp"

#include "sm_model_vehicle_group_defaults.hpp"

namespace sm_model_vehicle_bb_propeller {
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
  m.c534 = types::c534.default_();
  m.c536 = types::c536.default_();
  m.c522 = types::c522.default_();
  m.c520 = types::c520.default_();
  m.c521 = types::c521.default_();
  m.c525 = types::c525.default_();
  m.c528 = types::c528.default_();
  m.c533 = types::c533.default_();
  m.c535 = types::c535.default_();

  group g;
  g.c526 = types::c526.default_();
  g.c537 = types::c537.default_();
  g.c538 = types::c538.default_();
  g.c589 = types::c589.default_();
  g.c587 = types::c587.default_();
  g.c588 = types::c588.default_();
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

}  // namespace sm_model_vehicle_bb_propeller
