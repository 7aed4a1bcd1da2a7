// The propulsion mode group: per mode its depth and speed limits, the modes its
// limits refer to, a label and a time; for the whole vehicle the mode number c300.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

#include "sm_model_vehicle_fields.hpp"
#include "sm_model_vehicle_propulsion_mode_types.hpp"

namespace sm_model_vehicle_propulsion_mode {

namespace types = sm_model_vehicle_propulsion_mode_types;

// 28 bytes: the characteristics that differ per propulsion mode.
struct prop_mode_dependent {
  types::c303_type c303;
  types::c304_type c304;
  types::c313_type c313;
  types::c314_type c314;
  types::c305_type c305;
  types::c301_type c301;
  types::c302_type c302;
  types::c311_type c311;
  types::c312_type c312;
  types::c320_type c320;
  std::uint8_t gap[2] = {0, 0};
};

static_assert(sizeof(prop_mode_dependent) == 28);
static_assert(offsetof(prop_mode_dependent, c303) == 0 && offsetof(prop_mode_dependent, c304) == 1);
static_assert(offsetof(prop_mode_dependent, c313) == 2 && offsetof(prop_mode_dependent, c314) == 3);
static_assert(offsetof(prop_mode_dependent, c305) == 4 && offsetof(prop_mode_dependent, c301) == 8);
static_assert(offsetof(prop_mode_dependent, c302) == 12 &&
              offsetof(prop_mode_dependent, c311) == 16);
static_assert(offsetof(prop_mode_dependent, c312) == 20 &&
              offsetof(prop_mode_dependent, c320) == 24);
static_assert(offsetof(prop_mode_dependent, gap) == 26);

// Element i - 1 holds propulsion mode i (1 .. 3).
using prop_modes = std::array<prop_mode_dependent, 3>;

// 88 bytes.
struct group {
  prop_modes pmode;
  types::c300_type c300;
  std::uint8_t gap[3] = {0, 0, 0};
};

static_assert(sizeof(group) == 88);
static_assert(offsetof(group, pmode) == 0 && offsetof(group, c300) == 84);
static_assert(offsetof(group, gap) == 85);

// Read and written as their bytes.
static_assert(std::is_trivially_copyable_v<prop_mode_dependent> &&
              std::is_trivially_copyable_v<group>);

// Builds the defaults from the descriptors (starting the types module first if a
// caller has not), once: every default below asks for it on first use.
void start_up();
bool started();
const prop_mode_dependent& prop_mode_dependent_defaults();
const prop_modes& prop_modes_defaults();
const group& group_default();

// Where each characteristic of the group lies, offsets from the start of the group.
std::span<const sm_model_vehicle_fields::field> fields();

}  // namespace sm_model_vehicle_propulsion_mode
