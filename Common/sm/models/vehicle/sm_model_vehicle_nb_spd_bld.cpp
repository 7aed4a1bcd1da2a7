#include "sm_model_vehicle_nb_spd_bld.hpp"

#include "sm_model_vehicle_group_defaults.hpp"

namespace sm_model_vehicle_nb_spd_bld {
namespace {

using defaults = sm_model_vehicle_group_defaults::defaults<prop_mode_dependent, spd_bld_tonals>;

defaults& the_defaults() {
  static defaults value;
  return value;
}

sm_model_vehicle_group_defaults::built_once building;

void build_defaults() {
  if (!types::started()) types::start_up();
  prop_mode_dependent m;
  m.c782 = types::c782.default_();

  spd_bld_tonals s;
  s.c712 = types::c712.default_();
  the_defaults().build(m, s);
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
const spd_bld_tonals& spd_bld_tonals_default() {
  start_up();
  return the_defaults().whole();
}

}  // namespace sm_model_vehicle_nb_spd_bld
