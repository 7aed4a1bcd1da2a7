// The broadband flow noise group: per propulsion mode its level, slopes and
// breakpoint frequencies; for the vehicle the breakpoints' variation with speed
// and the end-fire level and offset.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "sm_model_vehicle_bb_flow_types.hpp"

namespace sm_model_vehicle_bb_flow {

namespace types = sm_model_vehicle_bb_flow_types;

// 16 bytes: the characteristics that differ per propulsion mode.
struct prop_mode_dependent {
  types::c510_type c510;
  types::c511_type c511;
  types::c512_type c512;
  types::c513_type c513 = 0.0F;
  types::c515_type c515 = 0.0F;
  types::c514_type c514;
  types::c516_type c516;
  std::uint8_t gap[2] = {};
};

static_assert(sizeof(prop_mode_dependent) == 16);
static_assert(offsetof(prop_mode_dependent, c510) == 0 && offsetof(prop_mode_dependent, c511) == 2);
static_assert(offsetof(prop_mode_dependent, c512) == 3 && offsetof(prop_mode_dependent, c513) == 4);
static_assert(offsetof(prop_mode_dependent, c515) == 8 &&
              offsetof(prop_mode_dependent, c514) == 12);
static_assert(offsetof(prop_mode_dependent, c516) == 13 &&
              offsetof(prop_mode_dependent, gap) == 14);

// Element i - 1 holds propulsion mode i (1 .. 3).
using prop_modes = std::array<prop_mode_dependent, 3>;

// 60 bytes.
struct group {
  prop_modes pmode;
  types::c517_type c517 = 0.0F;
  types::c583_type c583;
  std::uint8_t gap[2] = {};
  types::c585_type c585;
};

static_assert(sizeof(group) == 60);
static_assert(offsetof(group, pmode) == 0 && offsetof(group, c517) == 48);
static_assert(offsetof(group, c583) == 52 && offsetof(group, gap) == 54);
static_assert(offsetof(group, c585) == 56);

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

}  // namespace sm_model_vehicle_bb_flow
