#include "sm_model_vehicle_nb_mod.hpp"

#include "sm_model_vehicle_group_defaults.hpp"

namespace sm_model_vehicle_nb_mod {
namespace {

using defaults = sm_model_vehicle_group_defaults::defaults<prop_mode_dependent, modu_tonal>;

defaults& the_defaults() {
  static defaults value;
  return value;
}

sm_model_vehicle_group_defaults::built_once building;

void build_defaults() {
  if (!types::started()) types::start_up();
  prop_mode_dependent m;
  m.c785 = types::c785.default_();

  modu_tonal t;
  t.c742 = types::c742.default_();
  t.c743 = types::c743.default_();
  the_defaults().build(m, t);
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
const modu_tonal& modu_tonal_default() {
  start_up();
  return the_defaults().whole();
}

}  // namespace sm_model_vehicle_nb_mod
