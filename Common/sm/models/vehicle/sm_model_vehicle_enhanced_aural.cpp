#include "sm_model_vehicle_enhanced_aural.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "sm_model_vehicle_group_defaults.hpp"

namespace sm_model_vehicle_enhanced_aural {
namespace {

// The ten sets are kept once, inside the whole group.
struct defaults {
  prop_mode_dependent mode;
  prop_modes modes;
  group whole;
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

// ---- Where each characteristic lies ----

namespace fl = sm_model_vehicle_fields;
using fl::encoding;

// Levels are signed counts of 1/64 dB; reals (quantities too) are IEEE single.
constexpr encoding real = encoding::real;
constexpr encoding signed_ = encoding::signed_integer;
constexpr encoding unsigned_ = encoding::unsigned_integer;
constexpr encoding text = encoding::text;

// Every field is held once per set; those of the mode block once per propulsion
// mode within the set as well.
static_assert(sizeof(enhanced_modes) == 10 * sizeof(enhanced_effects));
static_assert(sizeof(prop_modes) == 3 * sizeof(prop_mode_dependent));
constexpr std::size_t sets_at = offsetof(group, enhanced) + offsetof(enhanced_modes, sets);
constexpr fl::repeat per_set{"set", 10, sizeof(enhanced_effects)};
constexpr fl::repeat per_mode{"mode", 3, sizeof(prop_mode_dependent)};

constexpr fl::field set_field(std::string_view name, std::size_t offset, std::size_t size,
                              encoding how) {
  fl::field f{name, static_cast<std::uint16_t>(sets_at + offset), static_cast<std::uint8_t>(size),
              how};
  f.outer = per_set;
  return f;
}

constexpr fl::field mode_field(std::string_view name, std::size_t offset, std::size_t size,
                               encoding how) {
  fl::field f = set_field(name, offsetof(enhanced_effects, pmode) + offset, size, how);
  f.inner = per_mode;
  return f;
}

using set = enhanced_effects;
using mode = prop_mode_dependent;

// In offset order; the padding bytes of a set hold nothing and have no field.
constexpr std::array table{
    set_field("c1024", offsetof(set, c1024), sizeof(set::c1024), real),
    set_field("c1082", offsetof(set, c1082), sizeof(set::c1082), real),
    set_field("c1101", offsetof(set, c1101), sizeof(set::c1101), real),
    set_field("c1001", offsetof(set, c1001), sizeof(set::c1001), unsigned_),
    set_field("c1080", offsetof(set, c1080), sizeof(set::c1080), signed_),
    set_field("c1081", offsetof(set, c1081), sizeof(set::c1081), signed_),
    set_field("c1100", offsetof(set, c1100), sizeof(set::c1100), signed_),
    set_field("c1030", offsetof(set, c1030), sizeof(set::c1030), unsigned_),
    set_field("c1071", offsetof(set, c1071), sizeof(set::c1071), unsigned_),
    set_field("c1210", offsetof(set, c1210), sizeof(set::c1210), text),
    set_field("c1000", offsetof(set, c1000), sizeof(set::c1000), text),
    set_field("c1010", offsetof(set, c1010), sizeof(set::c1010), text),
    set_field("c1023", offsetof(set, c1023), sizeof(set::c1023), text),

    mode_field("c1014", offsetof(mode, c1014), sizeof(mode::c1014), real),
    mode_field("c1015", offsetof(mode, c1015), sizeof(mode::c1015), real),
    mode_field("c1016", offsetof(mode, c1016), sizeof(mode::c1016), real),
    mode_field("c1017", offsetof(mode, c1017), sizeof(mode::c1017), real),
    mode_field("c1022", offsetof(mode, c1022), sizeof(mode::c1022), real),
    mode_field("c1040", offsetof(mode, c1040), sizeof(mode::c1040), real),
    mode_field("c1041", offsetof(mode, c1041), sizeof(mode::c1041), real),
    mode_field("c1042", offsetof(mode, c1042), sizeof(mode::c1042), real),
    mode_field("c1050", offsetof(mode, c1050), sizeof(mode::c1050), real),
    mode_field("c1051", offsetof(mode, c1051), sizeof(mode::c1051), real),
    mode_field("c1052", offsetof(mode, c1052), sizeof(mode::c1052), real),
    mode_field("c1060", offsetof(mode, c1060), sizeof(mode::c1060), real),
    mode_field("c1061", offsetof(mode, c1061), sizeof(mode::c1061), real),
    mode_field("c1062", offsetof(mode, c1062), sizeof(mode::c1062), real),
    mode_field("c1063", offsetof(mode, c1063), sizeof(mode::c1063), real),
    mode_field("c1064", offsetof(mode, c1064), sizeof(mode::c1064), real),
    mode_field("c1065", offsetof(mode, c1065), sizeof(mode::c1065), real),
    mode_field("c1066", offsetof(mode, c1066), sizeof(mode::c1066), real),
    mode_field("c1200", offsetof(mode, c1200), sizeof(mode::c1200), real),
    mode_field("c1201", offsetof(mode, c1201), sizeof(mode::c1201), real),
    mode_field("c1202", offsetof(mode, c1202), sizeof(mode::c1202), real),
    mode_field("c1203", offsetof(mode, c1203), sizeof(mode::c1203), real),
    mode_field("c1212", offsetof(mode, c1212), sizeof(mode::c1212), real),
    mode_field("c1221", offsetof(mode, c1221), sizeof(mode::c1221), real),
    mode_field("c1222", offsetof(mode, c1222), sizeof(mode::c1222), real),
    mode_field("c1223", offsetof(mode, c1223), sizeof(mode::c1223), real),
    mode_field("c1224", offsetof(mode, c1224), sizeof(mode::c1224), real),
    mode_field("c1011", offsetof(mode, c1011), sizeof(mode::c1011), unsigned_),
    mode_field("c1012", offsetof(mode, c1012), sizeof(mode::c1012), unsigned_),
    mode_field("c1013", offsetof(mode, c1013), sizeof(mode::c1013), signed_),
    mode_field("c1020", offsetof(mode, c1020), sizeof(mode::c1020), unsigned_),
    mode_field("c1021", offsetof(mode, c1021), sizeof(mode::c1021), unsigned_),
    mode_field("c1090", offsetof(mode, c1090), sizeof(mode::c1090), unsigned_),
    mode_field("c1091", offsetof(mode, c1091), sizeof(mode::c1091), unsigned_),
    mode_field("c1092", offsetof(mode, c1092), sizeof(mode::c1092), unsigned_),
    mode_field("c1211", offsetof(mode, c1211), sizeof(mode::c1211), unsigned_),
    mode_field("c1220", offsetof(mode, c1220), sizeof(mode::c1220), signed_),
    // A 32-bit signed word although its range is 0 .. 9.
    mode_field("c1070", offsetof(mode, c1070), sizeof(mode::c1070), signed_),
};

static_assert(fl::in_offset_order_within(table, sizeof(group)));

sm_model_vehicle_group_defaults::built_once building;

void build_defaults() {
  if (!types::started()) types::start_up();
  defaults& d = the_defaults();
  d.mode = mode_default();
  d.modes = {d.mode, d.mode, d.mode};
  d.whole.enhanced.sets.fill(set_default(d.modes));
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
  return the_defaults().mode;
}
const prop_modes& prop_modes_defaults() {
  start_up();
  return the_defaults().modes;
}
const enhanced_modes& enhanced_modes_defaults() {
  start_up();
  return the_defaults().whole.enhanced;
}
const group& group_default() {
  start_up();
  return the_defaults().whole;
}

std::span<const sm_model_vehicle_fields::field> fields() {
  return table;
}

}  // namespace sm_model_vehicle_enhanced_aural
