#include "sm_model_vehicle_speed.hpp"

#include "sm_model_vehicle_group_defaults.hpp"

namespace sm_model_vehicle_speed {
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
  m.c421 = types::c421.default_();
  m.c422 = types::c422.default_();
  m.c423 = types::c423.default_();
  m.c440 = types::c440.default_();
  m.c420 = types::c420.default_();
  m.c429 = types::c429.default_();
  m.c430 = types::c430.default_();
  m.c441 = types::c441.default_();
  m.c442 = types::c442.default_();
  m.c443 = types::c443.default_();
  m.c444 = types::c444.default_();
  m.c445 = types::c445.default_();
  m.c446 = types::c446.default_();

  group g;
  g.c431 = types::c431.default_();
  g.c432 = types::c432.default_();
  g.c433 = types::c433.default_();
  g.c434 = types::c434.default_();
  g.c435 = types::c435.default_();
  g.c436 = types::c436.default_();
  g.c437 = types::c437.default_();
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

}  // namespace sm_model_vehicle_speed
