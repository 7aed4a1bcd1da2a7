// The broadband propeller modulation group: the nominal shaft asynchrony, then per
// propulsion mode the cavitation-inception speed, the modulation speeds, slopes and
// depths, the changeover speed and two levels.
#pragma once

#include <array>
#include <cstddef>
#include <type_traits>

#include "sm_model_vehicle_bb_propeller_modulation_types.hpp"

namespace sm_model_vehicle_bb_propeller_modulation {

namespace types = sm_model_vehicle_bb_propeller_modulation_types;

// 40 bytes, no gaps: the characteristics that differ per propulsion mode.
struct prop_mode_dependent {
  types::c523_type c523;
  types::c524_type c524 = 0.0F;
  types::c540_type c540;
  types::c541_type c541;
  types::c542_type c542 = 0.0F;
  types::c543_type c543 = 0.0F;
  types::c544_type c544;
  types::c545_type c545 = 0.0F;
  types::c550_type c550;
  types::c551_type c551;
  types::c552_type c552;
};

static_assert(sizeof(prop_mode_dependent) == 40);
static_assert(offsetof(prop_mode_dependent, c523) == 0 && offsetof(prop_mode_dependent, c524) == 4);
static_assert(offsetof(prop_mode_dependent, c540) == 8 &&
              offsetof(prop_mode_dependent, c541) == 12);
static_assert(offsetof(prop_mode_dependent, c542) == 16 &&
              offsetof(prop_mode_dependent, c543) == 20);
static_assert(offsetof(prop_mode_dependent, c544) == 24 &&
              offsetof(prop_mode_dependent, c545) == 28);
static_assert(offsetof(prop_mode_dependent, c550) == 32 &&
              offsetof(prop_mode_dependent, c551) == 36);
static_assert(offsetof(prop_mode_dependent, c552) == 38);

// Element i - 1 holds propulsion mode i (1 .. 3).
using prop_modes = std::array<prop_mode_dependent, 3>;

// 124 bytes, no gaps: the modes follow the vehicle's value.
struct group {
  types::c546_type c546 = 0.0F;
  prop_modes pmode;
};

static_assert(sizeof(group) == 124);
static_assert(offsetof(group, c546) == 0 && offsetof(group, pmode) == 4);

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

}  // namespace sm_model_vehicle_bb_propeller_modulation
