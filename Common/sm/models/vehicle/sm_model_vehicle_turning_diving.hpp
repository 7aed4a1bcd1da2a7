// The turning and diving group: turning constants, bank angle, dive-angle and depth
// limits, the depth rate at zero dive angle, two times, and per propulsion mode the
// default dive angle and depth.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

#include "sm_model_vehicle_fields.hpp"
#include "sm_model_vehicle_turning_diving_types.hpp"

namespace sm_model_vehicle_turning_diving {

namespace types = sm_model_vehicle_turning_diving_types;

// 8 bytes: the characteristics that differ per propulsion mode.
struct prop_mode_dependent {
  types::c409_type c409;
  types::c415_type c415;
};

static_assert(sizeof(prop_mode_dependent) == 8);
static_assert(offsetof(prop_mode_dependent, c409) == 0 && offsetof(prop_mode_dependent, c415) == 4);

// Element i - 1 holds propulsion mode i (1 .. 3).
using prop_modes = std::array<prop_mode_dependent, 3>;

// 56 bytes, no gaps.
struct group {
  types::c400_type c400;
  types::c411_type c411;
  types::c401_type c401 = 0.0F;
  types::c402_type c402 = 0.0F;
  types::c403_type c403 = 0.0F;
  types::c410_type c410;
  types::c412_type c412;
  types::c413_type c413;
  types::c414_type c414;
  prop_modes pmode;
};

static_assert(sizeof(group) == 56);
static_assert(offsetof(group, c400) == 0 && offsetof(group, c411) == 2);
static_assert(offsetof(group, c401) == 4 && offsetof(group, c402) == 8);
static_assert(offsetof(group, c403) == 12 && offsetof(group, c410) == 16);
static_assert(offsetof(group, c412) == 20 && offsetof(group, c413) == 24);
static_assert(offsetof(group, c414) == 28 && offsetof(group, pmode) == 32);

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

}  // namespace sm_model_vehicle_turning_diving
