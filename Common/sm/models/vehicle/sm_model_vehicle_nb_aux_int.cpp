#include "sm_model_vehicle_nb_aux_int.hpp"

#include "sm_model_vehicle_group_defaults.hpp"

namespace sm_model_vehicle_nb_aux_int {
namespace {

using defaults = sm_model_vehicle_group_defaults::defaults<prop_mode_dependent, aux_int_tonal>;

defaults& the_defaults() {
  static defaults value;
  return value;
}

sm_model_vehicle_group_defaults::built_once building;

void build_defaults() {
  if (!types::started()) types::start_up();
  prop_mode_dependent m;
  m.c783 = types::c783.default_();

  aux_int_tonal a;
  a.c720 = types::c720.default_();
  a.c723 = types::c723.default_();
  a.c725 = types::c725.default_();
  a.c728 = types::c728.default_();
  a.c726 = types::c726.default_();
  a.c727 = types::c727.default_();
  the_defaults().build(m, a);
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
const aux_int_tonal& aux_int_tonal_default() {
  start_up();
  return the_defaults().whole();
}

}  // namespace sm_model_vehicle_nb_aux_int
