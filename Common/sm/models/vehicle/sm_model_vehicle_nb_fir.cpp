#include "sm_model_vehicle_nb_fir.hpp"

#include "sm_model_vehicle_group_defaults.hpp"

namespace sm_model_vehicle_nb_fir {
namespace {

using defaults = sm_model_vehicle_group_defaults::defaults<prop_mode_dependent, fir_tonal>;

defaults& the_defaults() {
  static defaults value;
  return value;
}

sm_model_vehicle_group_defaults::built_once building;

void build_defaults() {
  if (!types::started()) types::start_up();
  prop_mode_dependent m;
  m.c784 = types::c784.default_();

  fir_tonal f;
  f.c730 = types::c730.default_();
  f.c731 = types::c731.default_();
  f.c736 = types::c736.default_();
  f.c737 = types::c737.default_();
  f.c733 = types::c733.default_();
  the_defaults().build(m, f);
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
const fir_tonal& fir_tonal_default() {
  start_up();
  return the_defaults().whole();
}

}  // namespace sm_model_vehicle_nb_fir
