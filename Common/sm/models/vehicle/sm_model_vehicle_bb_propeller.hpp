// The broadband propeller noise group: per propulsion mode the source level, its
// slopes and breakpoint frequencies; for the vehicle the level's response to
// speed, the breakpoints' variation with speed and depth, and the end-fire offset
// and levels.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "sm_model_vehicle_bb_propeller_types.hpp"

namespace sm_model_vehicle_bb_propeller {

namespace types = sm_model_vehicle_bb_propeller_types;

// 24 bytes: the characteristics that differ per propulsion mode. The one-byte gap
// puts the level on its two-byte boundary.
struct prop_mode_dependent {
  types::c534_type c534;
  types::c536_type c536;
  types::c522_type c522;
  std::uint8_t gap = 0;
  types::c520_type c520;
  types::c521_type c521;
  types::c525_type c525 = 0.0F;
  types::c528_type c528 = 0.0F;
  types::c533_type c533 = 0.0F;
  types::c535_type c535 = 0.0F;
};

static_assert(sizeof(prop_mode_dependent) == 24);
static_assert(offsetof(prop_mode_dependent, c534) == 0 && offsetof(prop_mode_dependent, c536) == 1);
static_assert(offsetof(prop_mode_dependent, c522) == 2 && offsetof(prop_mode_dependent, gap) == 3);
static_assert(offsetof(prop_mode_dependent, c520) == 4 && offsetof(prop_mode_dependent, c521) == 6);
static_assert(offsetof(prop_mode_dependent, c525) == 8 &&
              offsetof(prop_mode_dependent, c528) == 12);
static_assert(offsetof(prop_mode_dependent, c533) == 16 &&
              offsetof(prop_mode_dependent, c535) == 20);

// Element i - 1 holds propulsion mode i (1 .. 3).
using prop_modes = std::array<prop_mode_dependent, 3>;

// 92 bytes, no gaps besides those inside the per-mode records.
struct group {
  prop_modes pmode;
  types::c526_type c526 = 0.0F;
  types::c537_type c537 = 0.0F;
  types::c538_type c538 = 0.0F;
  types::c589_type c589;
  types::c587_type c587;
  types::c588_type c588;
};

static_assert(sizeof(group) == 92);
static_assert(offsetof(group, pmode) == 0 && offsetof(group, c526) == 72);
static_assert(offsetof(group, c537) == 76 && offsetof(group, c538) == 80);
static_assert(offsetof(group, c589) == 84 && offsetof(group, c587) == 88);
static_assert(offsetof(group, c588) == 90);

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

}  // namespace sm_model_vehicle_bb_propeller
