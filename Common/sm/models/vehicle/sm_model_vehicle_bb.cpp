#include "sm_model_vehicle_bb.hpp"

namespace sm_model_vehicle_bb {
namespace {

namespace aural = sm_model_vehicle_bb_aural;
namespace flow = sm_model_vehicle_bb_flow;
namespace machinery = sm_model_vehicle_bb_machinery;
namespace propeller = sm_model_vehicle_bb_propeller;
namespace modulation = sm_model_vehicle_bb_propeller_modulation;

struct defaults {
  group whole{};
  bool built = false;
};

defaults& the_defaults() {
  static defaults value;
  return value;
}

}  // namespace

void start_up() {
  if (!aural::started()) aural::start_up();
  if (!flow::started()) flow::start_up();
  if (!machinery::started()) machinery::start_up();
  if (!propeller::started()) propeller::start_up();
  if (!modulation::started()) modulation::start_up();
  defaults& d = the_defaults();
  d.whole.aural = aural::group_default();
  d.whole.flow = flow::group_default();
  d.whole.mach = machinery::group_default();
  d.whole.prop = propeller::group_default();
  d.whole.prop_modu = modulation::group_default();
  d.built = true;
}

bool started() {
  return the_defaults().built;
}

const group& group_default() {
  return the_defaults().whole;
}

}  // namespace sm_model_vehicle_bb
