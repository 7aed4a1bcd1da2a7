#include "sm_model_vehicle_nb_spd.hpp"

namespace sm_model_vehicle_nb_spd {
namespace {

struct built {
  spd_tonal tonal;
  bool done = false;
};

built& the_default() {
  static built value;
  return value;
}

}  // namespace

void start_up() {
  if (!types::started()) types::start_up();
  if (!sm_model_vehicle_nb_spd_bld::started()) sm_model_vehicle_nb_spd_bld::start_up();
  spd_tonal s;
  s.spd_bld = sm_model_vehicle_nb_spd_bld::spd_bld_tonals_default();
  s.c781 = types::c781.default_();
  s.c780 = types::c780.default_();
  the_default() = {s, true};
}

bool started() {
  return the_default().done;
}

const spd_tonal& spd_tonal_default() {
  return the_default().tonal;
}

}  // namespace sm_model_vehicle_nb_spd
