// The broadband machinery noise group: per propulsion mode its level, slopes and
// breakpoint frequencies; for the vehicle the end-fire level and aspect offset.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "sm_model_vehicle_bb_machinery_types.hpp"

namespace sm_model_vehicle_bb_machinery {

namespace types = sm_model_vehicle_bb_machinery_types;

// 16 bytes: the characteristics that differ per propulsion mode (the flow noise
// record's layout).
struct prop_mode_dependent {
  types::c500_type c500;
  types::c501_type c501;
  types::c502_type c502;
  types::c503_type c503 = 0.0F;
  types::c505_type c505 = 0.0F;
  types::c504_type c504;
  types::c506_type c506;
  std::uint8_t gap[2] = {};
};

static_assert(sizeof(prop_mode_dependent) == 16);
static_assert(offsetof(prop_mode_dependent, c500) == 0 && offsetof(prop_mode_dependent, c501) == 2);
static_assert(offsetof(prop_mode_dependent, c502) == 3 && offsetof(prop_mode_dependent, c503) == 4);
static_assert(offsetof(prop_mode_dependent, c505) == 8 &&
              offsetof(prop_mode_dependent, c504) == 12);
static_assert(offsetof(prop_mode_dependent, c506) == 13 &&
              offsetof(prop_mode_dependent, gap) == 14);

// Element i - 1 holds propulsion mode i (1 .. 3).
using prop_modes = std::array<prop_mode_dependent, 3>;

// 56 bytes.
struct group {
  prop_modes pmode;
  types::c580_type c580;
  std::uint8_t gap[2] = {};
  types::c582_type c582;
};

static_assert(sizeof(group) == 56);
static_assert(offsetof(group, pmode) == 0 && offsetof(group, c580) == 48);
static_assert(offsetof(group, gap) == 50 && offsetof(group, c582) == 52);

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

}  // namespace sm_model_vehicle_bb_machinery
