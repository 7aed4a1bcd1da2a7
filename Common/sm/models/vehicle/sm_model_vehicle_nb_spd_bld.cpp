#include "sm_model_vehicle_nb_spd_bld.hpp"

#include "sm_model_vehicle_group_defaults.hpp"

namespace sm_model_vehicle_nb_spd_bld {
namespace {

using defaults = sm_model_vehicle_group_defaults::defaults<prop_mode_dependent, spd_bld_tonals>;

defaults& the_defaults() {
  static defaults value;
  return value;
}

}  // namespace

void start_up() {
  if (!types::started()) types::start_up();
  prop_mode_dependent m;
  m.c782 = types::c782.default_();

  spd_bld_tonals s;
  s.c712 = types::c712.default_();
  the_defaults().build(m, s);
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
const spd_bld_tonals& spd_bld_tonals_default() {
  return the_defaults().whole();
}

}  // namespace sm_model_vehicle_nb_spd_bld
