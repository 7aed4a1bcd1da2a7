#include "sm_model_vehicle_propulsion_mode.hpp"

namespace sm_model_vehicle_propulsion_mode {
namespace {

struct defaults {
  prop_mode_dependent mode;
  prop_modes modes;
  group whole;
  bool built = false;
};

defaults& the_defaults() {
  static defaults value;
  return value;
}

}  // namespace

void start_up() {
  if (!types::started()) types::start_up();
  defaults& d = the_defaults();
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
  d.mode = m;
  d.modes = {m, m, m};

  group g;
  g.pmode = d.modes;
  g.c300 = types::c300.default_();
  d.whole = g;
  d.built = true;
}

bool started() {
  return the_defaults().built;
}

const prop_mode_dependent& prop_mode_dependent_defaults() {
  return the_defaults().mode;
}
const prop_modes& prop_modes_defaults() {
  return the_defaults().modes;
}
const group& group_default() {
  return the_defaults().whole;
}

}  // namespace sm_model_vehicle_propulsion_mode
