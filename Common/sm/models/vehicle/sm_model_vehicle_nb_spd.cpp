#include "sm_model_vehicle_nb_spd.hpp"

#include "sm_model_vehicle_group_defaults.hpp"

namespace sm_model_vehicle_nb_spd {
namespace {

spd_tonal& the_default() {
  static spd_tonal value;
  return value;
}

sm_model_vehicle_group_defaults::built_once building;

void build_defaults() {
  if (!types::started()) types::start_up();
  spd_tonal s;
  s.spd_bld = sm_model_vehicle_nb_spd_bld::spd_bld_tonals_default();
  s.c781 = types::c781.default_();
  s.c780 = types::c780.default_();
  the_default() = s;
}

}  // namespace

void start_up() {
  building.run(build_defaults);
}

bool started() {
  return building.done();
}

const spd_tonal& spd_tonal_default() {
  start_up();
  return the_default();
}

}  // namespace sm_model_vehicle_nb_spd
