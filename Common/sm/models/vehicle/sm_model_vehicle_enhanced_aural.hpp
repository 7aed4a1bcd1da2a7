// The enhanced aural group: ten sets of parameters for additional audible effects
// of a vehicle, each with its names, aspect angle and levels and, per propulsion
// mode, a block of broadband shape, modulation, speed and depth band, on/off timing
// and speed and depth breakpoints. The last group of the vehicle record.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

#include "sm_model_vehicle_enhanced_aural_types.hpp"
#include "sm_model_vehicle_fields.hpp"

namespace sm_model_vehicle_enhanced_aural {

namespace types = sm_model_vehicle_enhanced_aural_types;

static_assert(std::endian::native == std::endian::little);

// 132 bytes, no gaps: the parameters of one propulsion mode, the reals first.
struct prop_mode_dependent {
  types::c1014_type c1014 = 0.0F;
  types::c1015_type c1015 = 0.0F;
  types::c1016_type c1016;
  types::c1017_type c1017 = 0.0F;
  types::c1022_type c1022;
  types::c1040_type c1040;
  types::c1041_type c1041;
  types::c1042_type c1042 = 0.0F;
  types::c1050_type c1050;
  types::c1051_type c1051;
  types::c1052_type c1052 = 0.0F;
  types::c1060_type c1060 = 0.0F;
  types::c1061_type c1061 = 0.0F;
  types::c1062_type c1062 = 0.0F;
  types::c1063_type c1063 = 0.0F;
  types::c1064_type c1064;
  types::c1065_type c1065;
  types::c1066_type c1066 = 0.0F;
  types::c1200_type c1200;
  types::c1201_type c1201;
  types::c1202_type c1202;
  types::c1203_type c1203;
  types::c1212_type c1212 = 0.0F;
  types::c1221_type c1221 = 0.0F;
  types::c1222_type c1222 = 0.0F;
  types::c1223_type c1223 = 0.0F;
  types::c1224_type c1224 = 0.0F;
  types::c1011_type c1011;
  types::c1012_type c1012;
  types::c1013_type c1013;
  types::c1020_type c1020;
  types::c1021_type c1021;
  types::c1090_type c1090;
  types::c1091_type c1091;
  types::c1092_type c1092;
  types::c1211_type c1211;
  types::c1220_type c1220;
  types::c1070_type c1070;
};

static_assert(sizeof(prop_mode_dependent) == 132);
static_assert(offsetof(prop_mode_dependent, c1014) == 0);
static_assert(offsetof(prop_mode_dependent, c1015) == 4);
static_assert(offsetof(prop_mode_dependent, c1016) == 8);
static_assert(offsetof(prop_mode_dependent, c1017) == 12);
static_assert(offsetof(prop_mode_dependent, c1022) == 16);
static_assert(offsetof(prop_mode_dependent, c1040) == 20);
static_assert(offsetof(prop_mode_dependent, c1041) == 24);
static_assert(offsetof(prop_mode_dependent, c1042) == 28);
static_assert(offsetof(prop_mode_dependent, c1050) == 32);
static_assert(offsetof(prop_mode_dependent, c1051) == 36);
static_assert(offsetof(prop_mode_dependent, c1052) == 40);
static_assert(offsetof(prop_mode_dependent, c1060) == 44);
static_assert(offsetof(prop_mode_dependent, c1061) == 48);
static_assert(offsetof(prop_mode_dependent, c1062) == 52);
static_assert(offsetof(prop_mode_dependent, c1063) == 56);
static_assert(offsetof(prop_mode_dependent, c1064) == 60);
static_assert(offsetof(prop_mode_dependent, c1065) == 64);
static_assert(offsetof(prop_mode_dependent, c1066) == 68);
static_assert(offsetof(prop_mode_dependent, c1200) == 72);
static_assert(offsetof(prop_mode_dependent, c1201) == 76);
static_assert(offsetof(prop_mode_dependent, c1202) == 80);
static_assert(offsetof(prop_mode_dependent, c1203) == 84);
static_assert(offsetof(prop_mode_dependent, c1212) == 88);
static_assert(offsetof(prop_mode_dependent, c1221) == 92);
static_assert(offsetof(prop_mode_dependent, c1222) == 96);
static_assert(offsetof(prop_mode_dependent, c1223) == 100);
static_assert(offsetof(prop_mode_dependent, c1224) == 104);
static_assert(offsetof(prop_mode_dependent, c1011) == 108);
static_assert(offsetof(prop_mode_dependent, c1012) == 110);
static_assert(offsetof(prop_mode_dependent, c1013) == 112);
static_assert(offsetof(prop_mode_dependent, c1020) == 114);
static_assert(offsetof(prop_mode_dependent, c1021) == 116);
static_assert(offsetof(prop_mode_dependent, c1090) == 118);
static_assert(offsetof(prop_mode_dependent, c1091) == 120);
static_assert(offsetof(prop_mode_dependent, c1092) == 122);
static_assert(offsetof(prop_mode_dependent, c1211) == 124);
static_assert(offsetof(prop_mode_dependent, c1220) == 126);
static_assert(offsetof(prop_mode_dependent, c1070) == 128);
static_assert(sizeof(types::c1070_type) == 4);

// Element i - 1 holds propulsion mode i (1 .. 3).
using prop_modes = std::array<prop_mode_dependent, 3>;

static_assert(sizeof(prop_modes) == 396);

// 444 bytes: one set of effect parameters.
struct enhanced_effects {
  types::c1024_type c1024 = 0.0F;
  types::c1082_type c1082;
  types::c1101_type c1101 = 0.0F;
  types::c1001_type c1001;
  types::c1080_type c1080;
  types::c1081_type c1081;
  types::c1100_type c1100;
  types::c1030_type c1030;
  types::c1071_type c1071;
  types::c1210_type c1210{};
  std::uint8_t gap_1 = 0;
  types::c1000_type c1000{};
  types::c1010_type c1010{};
  std::uint8_t gap_2 = 0;
  types::c1023_type c1023{};
  std::uint8_t gap_3[2]{};
  prop_modes pmode;
};

static_assert(sizeof(enhanced_effects) == 444);
static_assert(offsetof(enhanced_effects, c1024) == 0 && offsetof(enhanced_effects, c1082) == 4);
static_assert(offsetof(enhanced_effects, c1101) == 8 && offsetof(enhanced_effects, c1001) == 12);
static_assert(offsetof(enhanced_effects, c1080) == 14 && offsetof(enhanced_effects, c1081) == 16);
static_assert(offsetof(enhanced_effects, c1100) == 18 && offsetof(enhanced_effects, c1030) == 20);
static_assert(offsetof(enhanced_effects, c1071) == 21 && offsetof(enhanced_effects, c1210) == 22);
static_assert(offsetof(enhanced_effects, gap_1) == 23 && offsetof(enhanced_effects, c1000) == 24);
static_assert(offsetof(enhanced_effects, c1010) == 36 && offsetof(enhanced_effects, gap_2) == 39);
static_assert(offsetof(enhanced_effects, c1023) == 40 && offsetof(enhanced_effects, gap_3) == 46);
static_assert(offsetof(enhanced_effects, pmode) == 48);

// The ten sets; set k starts at byte 444 x (k - 1).
struct enhanced_modes {
  std::array<enhanced_effects, 10> sets;

  // A set number outside 1 .. 10 is the range error.
  enhanced_effects& operator[](types::enhanced_aural_index_type k) { return sets[index_of(k)]; }
  const enhanced_effects& operator[](types::enhanced_aural_index_type k) const {
    return sets[index_of(k)];
  }

 private:
  static std::size_t index_of(types::enhanced_aural_index_type k) {
    return static_cast<std::size_t>(k.value() - 1);
  }
};

static_assert(sizeof(enhanced_modes) == 4440);

// 4440 bytes: the ten sets and nothing else. Made without a value every byte is
// zero (the defaults are group_default()).
struct group {
  enhanced_modes enhanced;
};

static_assert(sizeof(group) == 4440 && offsetof(group, enhanced) == 0);

// Read and written as their bytes.
static_assert(std::is_trivially_copyable_v<prop_mode_dependent> &&
              std::is_trivially_copyable_v<enhanced_effects> &&
              std::is_trivially_copyable_v<group>);

// Builds the defaults from the descriptors (starting the types module first if a
// caller has not), once: every default below asks for it on first use.
void start_up();
bool started();
// Every field zero except the three slopes c1222, c1223 and c1224, which take
// their lower limits.
const prop_mode_dependent& prop_mode_dependent_defaults();
const prop_modes& prop_modes_defaults();
// Ten copies of the default set.
const enhanced_modes& enhanced_modes_defaults();
const group& group_default();

// Where each characteristic of the group lies, offsets from the start of the group.
std::span<const sm_model_vehicle_fields::field> fields();

}  // namespace sm_model_vehicle_enhanced_aural
