#include "sm_model_vehicle_associated_fit.hpp"

#include "sm_model_vehicle_group_defaults.hpp"

namespace sm_model_vehicle_associated_fit {
namespace {

using defaults = sm_model_vehicle_group_defaults::defaults<prop_mode_dependent, group>;

defaults& the_defaults() {
  static defaults value;
  return value;
}

void set_model_defaults(group& g) {
  g.c600 = types::c600.default_();
  g.c601 = types::c601.default_();
  g.c602 = types::c602.default_();
  g.c603 = types::c603.default_();
  g.c604 = types::c604.default_();
  g.c605 = types::c605.default_();
  g.c606 = types::c606.default_();
  g.c607 = types::c607.default_();
  g.c608 = types::c608.default_();
  g.c609 = types::c609.default_();
  g.c610 = types::c610.default_();
  g.c611 = types::c611.default_();
  g.c612 = types::c612.default_();
  g.c613 = types::c613.default_();
  g.c614 = types::c614.default_();
  g.c615 = types::c615.default_();
  g.c616 = types::c616.default_();
  g.c617 = types::c617.default_();
  g.c618 = types::c618.default_();
  g.c619 = types::c619.default_();
  g.c620 = types::c620.default_();
  g.c621 = types::c621.default_();
  g.c622 = types::c622.default_();
  g.c623 = types::c623.default_();
  g.c624 = types::c624.default_();
  g.c630 = types::c630.default_();
  g.c631 = types::c631.default_();
  g.c632 = types::c632.default_();
  g.c633 = types::c633.default_();
  g.c634 = types::c634.default_();
}

}  // namespace

void start_up() {
  if (!types::started()) types::start_up();
  prop_mode_dependent m;
  m.c661 = types::c661.default_();

  group g;
  g.c671 = types::c671.default_();
  g.c675 = types::c675.default_();
  set_model_defaults(g);
  g.c650 = types::c650.default_();
  g.c651 = types::c651.default_();
  g.c652 = types::c652.default_();
  g.c653 = types::c653.default_();
  g.c670 = types::c670.default_();
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

}  // namespace sm_model_vehicle_associated_fit
