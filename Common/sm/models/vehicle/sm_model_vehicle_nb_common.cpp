#include "sm_model_vehicle_nb_common.hpp"

#include "sm_model_vehicle_group_defaults.hpp"

namespace sm_model_vehicle_nb_common {
namespace {

using defaults = sm_model_vehicle_group_defaults::defaults<prop_mode_dependent, all_tonals>;

struct built {
  defaults tonal;
  harmonic_correction harmonic;
  harmonics harmonics_;
};

built& the_defaults() {
  static built value;
  return value;
}

sm_model_vehicle_group_defaults::built_once building;

void build_defaults() {
  if (!types::started()) types::start_up();
  prop_mode_dependent m;
  m.c750 = types::c750.default_();
  m.c753 = types::c753.default_();
  m.c751 = types::c751.default_();
  m.c752 = types::c752.default_();

  harmonic_correction h;
  h.c757 = types::c757.default_();
  h.c758 = types::c758.default_();
  h.padding = 0;

  all_tonals a;
  a.harmonic.fill(h);
  a.c700 = types::c700.default_();
  a.c709 = types::c709.default_();
  a.c756 = types::c756.default_();
  a.c702 = types::c702.default_();
  a.c764 = types::c764.default_();
  a.c765 = types::c765.default_();
  a.padding[0] = a.padding[1] = 0;

  built& b = the_defaults();
  b.harmonic = h;
  b.harmonics_ = a.harmonic;
  b.tonal.build(m, a);
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
  return the_defaults().tonal.mode();
}
const prop_modes& prop_modes_defaults() {
  start_up();
  return the_defaults().tonal.modes();
}
const harmonic_correction& harmonic_correction_default() {
  start_up();
  return the_defaults().harmonic;
}
const harmonics& harmonics_defaults() {
  start_up();
  return the_defaults().harmonics_;
}
const all_tonals& all_tonals_default() {
  start_up();
  return the_defaults().tonal.whole();
}

}  // namespace sm_model_vehicle_nb_common
