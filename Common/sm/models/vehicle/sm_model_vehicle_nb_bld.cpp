#include "sm_model_vehicle_nb_bld.hpp"

namespace sm_model_vehicle_nb_bld {
namespace {

struct built {
  bld_tonal tonal;
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
  bld_tonal b;
  b.spd_bld = sm_model_vehicle_nb_spd_bld::spd_bld_tonals_default();
  b.c771 = types::c771.default_();
  b.c772 = types::c772.default_();
  b.c773 = types::c773.default_();
  b.c774 = types::c774.default_();
  b.c775 = types::c775.default_();
  b.c713 = types::c713.default_();
  the_default() = {b, true};
}

bool started() {
  return the_default().done;
}

const bld_tonal& bld_tonal_default() {
  return the_default().tonal;
}

}  // namespace sm_model_vehicle_nb_bld
