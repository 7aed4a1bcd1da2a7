#include "sm_model_vehicle_nb_bld.hpp"

#include "sm_model_vehicle_group_defaults.hpp"

namespace sm_model_vehicle_nb_bld {
namespace {

bld_tonal& the_default() {
  static bld_tonal value;
  return value;
}

sm_model_vehicle_group_defaults::built_once building;

void build_defaults() {
  if (!types::started()) types::start_up();
  bld_tonal b;
  b.spd_bld = sm_model_vehicle_nb_spd_bld::spd_bld_tonals_default();
  b.c771 = types::c771.default_();
  b.c772 = types::c772.default_();
  b.c773 = types::c773.default_();
  b.c774 = types::c774.default_();
  b.c775 = types::c775.default_();
  b.c713 = types::c713.default_();
  the_default() = b;
}

}  // namespace

void start_up() {
  building.run(build_defaults);
}

bool started() {
  return building.done();
}

const bld_tonal& bld_tonal_default() {
  start_up();
  return the_default();
}

}  // namespace sm_model_vehicle_nb_bld
