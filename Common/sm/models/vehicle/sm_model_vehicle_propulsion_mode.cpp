#include "sm_model_vehicle_propulsion_mode.hpp"

#include "sm_model_vehicle_group_defaults.hpp"

namespace sm_model_vehicle_propulsion_mode {
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
  m.c303 = types::c303.default_();
  m.c304 = types::c304.default_();
  m.c313 = types::c313.default_();
  m.c314 = types::c314.default_();
  m.c305 = types::c305.default_();
  m.c301 = types::c301.default_();
  m.c302 = types::c302.default_();
  m.c311 = types::c311.default_();
  m.c312 = types::c312.default_();
  m.c320 = types::c320.default_();

  group g;
  g.c300 = types::c300.default_();
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

}  // namespace sm_model_vehicle_propulsion_mode
