#include "sm_model_vehicle_enhanced_aural.hpp"

namespace sm_model_vehicle_enhanced_aural {
namespace {

struct defaults {
  prop_mode_dependent mode;
  prop_modes modes;
  enhanced_modes sets;
  group whole;
  bool built = false;
};

defaults& the_defaults() {
  static defaults value;
  return value;
}

prop_mode_dependent mode_default() {
  prop_mode_dependent m;
  m.c1014 = types::c1014.default_();
  m.c1015 = types::c1015.default_();
  m.c1016 = types::c1016.default_();
  m.c1017 = types::c1017.default_();
  m.c1022 = types::c1022.default_();
  m.c1040 = types::c1040.default_();
  m.c1041 = types::c1041.default_();
  m.c1042 = types::c1042.default_();
  m.c1050 = types::c1050.default_();
  m.c1051 = types::c1051.default_();
  m.c1052 = types::c1052.default_();
  m.c1060 = types::c1060.default_();
  m.c1061 = types::c1061.default_();
  m.c1062 = types::c1062.default_();
  m.c1063 = types::c1063.default_();
  m.c1064 = types::c1064.default_();
  m.c1065 = types::c1065.default_();
  m.c1066 = types::c1066.default_();
  m.c1200 = types::c1200.default_();
  m.c1201 = types::c1201.default_();
  m.c1202 = types::c1202.default_();
  m.c1203 = types::c1203.default_();
  m.c1212 = types::c1212.default_();
  m.c1221 = types::c1221.default_();
  m.c1222 = types::c1222.default_();
  m.c1223 = types::c1223.default_();
  m.c1224 = types::c1224.default_();
  m.c1011 = types::c1011.default_();
  m.c1012 = types::c1012.default_();
  m.c1013 = types::c1013.default_();
  m.c1020 = types::c1020.default_();
  m.c1021 = types::c1021.default_();
  m.c1090 = types::c1090.default_();
  m.c1091 = types::c1091.default_();
  m.c1092 = types::c1092.default_();
  m.c1211 = types::c1211.default_();
  m.c1220 = types::c1220.default_();
  m.c1070 = types::c1070.default_();
  return m;
}

enhanced_effects set_default(const prop_modes& modes) {
  enhanced_effects e;
  e.c1024 = types::c1024.default_();
  e.c1082 = types::c1082.default_();
  e.c1101 = types::c1101.default_();
  e.c1001 = types::c1001.default_();
  e.c1080 = types::c1080.default_();
  e.c1081 = types::c1081.default_();
  e.c1100 = types::c1100.default_();
  e.c1030 = types::c1030.default_();
  e.c1071 = types::c1071.default_();
  e.c1210 = types::c1210.default_();
  e.c1000 = types::c1000.default_();
  e.c1010 = types::c1010.default_();
  e.c1023 = types::c1023.default_();
  e.pmode = modes;
  return e;
}

}  // namespace

void start_up() {
  if (!types::started()) types::start_up();
  defaults& d = the_defaults();
  d.mode = mode_default();
  d.modes = {d.mode, d.mode, d.mode};
  d.sets.sets.fill(set_default(d.modes));
  d.whole.enhanced = d.sets;
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
const enhanced_modes& enhanced_modes_defaults() {
  return the_defaults().sets;
}
const group& group_default() {
  return the_defaults().whole;
}

}  // namespace sm_model_vehicle_enhanced_aural
