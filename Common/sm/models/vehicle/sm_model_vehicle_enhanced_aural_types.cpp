#include "sm_model_vehicle_enhanced_aural_types.hpp"

#include "csl_start_up_code.hpp"

namespace sm_model_vehicle_enhanced_aural_types {

CSL_START_UP_CODE void start_up() {
  constexpr ch::module eaural{"enhanced_aural", "sm_model_vehicle_enhanced_aural_types"};
  ch::start(eaural, c1000, c1001, c1010, c1011, c1012, c1013, c1014, c1015, c1016, c1017, c1020,
            c1021, c1022, c1023, c1024, c1030, c1040, c1041, c1042, c1050, c1051, c1052, c1060,
            c1061, c1062, c1063, c1064, c1065, c1066, c1070, c1071, c1080, c1081, c1082, c1090,
            c1091, c1092, c1100, c1101, c1200, c1201, c1202, c1203, c1210, c1211, c1212, c1220,
            c1221, c1222, c1223, c1224);
}

bool started() {
  return c1224.started();
}

}  // namespace sm_model_vehicle_enhanced_aural_types
