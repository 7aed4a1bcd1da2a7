// The broadband aural effects: up to three effects, each with its values per
// propulsion mode. The values of effect e in mode m lie at (e - 1) x 108 +
// (m - 1) x 36 within the group.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "sm_model_vehicle_bb_aural_types.hpp"
#include "sm_model_vehicle_propulsion_mode_types.hpp"

namespace sm_model_vehicle_bb_aural {

namespace types = sm_model_vehicle_bb_aural_types;

// 36 bytes: one effect's characteristics in one propulsion mode.
struct prop_mode_dependent {
  types::c563_type c563 = 0.0F;
  types::c560_type c560;
  types::c561_type c561;
  types::c562_type c562;
  types::c565_type c565;
  types::c564_type c564;
  types::c566_type c566;
  types::c567_type c567;
  types::c568_type c568;
  types::c570_type c570;
  types::c572_type c572;
  types::c574_type c574;
  types::c573_type c573;
  std::uint8_t gap[3] = {};
};

static_assert(sizeof(prop_mode_dependent) == 36);
static_assert(offsetof(prop_mode_dependent, c563) == 0 && offsetof(prop_mode_dependent, c560) == 4);
static_assert(offsetof(prop_mode_dependent, c561) == 6 && offsetof(prop_mode_dependent, c562) == 8);
static_assert(offsetof(prop_mode_dependent, c565) == 9 &&
              offsetof(prop_mode_dependent, c564) == 10);
static_assert(offsetof(prop_mode_dependent, c566) == 12 &&
              offsetof(prop_mode_dependent, c567) == 14);
static_assert(offsetof(prop_mode_dependent, c568) == 16 &&
              offsetof(prop_mode_dependent, c570) == 28);
static_assert(offsetof(prop_mode_dependent, c572) == 29 &&
              offsetof(prop_mode_dependent, c574) == 30);
static_assert(offsetof(prop_mode_dependent, c573) == 32 &&
              offsetof(prop_mode_dependent, gap) == 33);

// Element m - 1 holds propulsion mode m (1 .. 3).
using effect_modes = std::array<prop_mode_dependent, 3>;

// 108 bytes: one aural effect.
struct effect {
  effect_modes pmode;
};

static_assert(sizeof(effect) == 108 && offsetof(effect, pmode) == 0);

// Element e - 1 holds aural effect e (1 .. 3).
using effects = std::array<effect, 3>;

// 324 bytes, no gaps besides those inside the per-mode records.
struct group {
  effects effect;
};

static_assert(sizeof(group) == 324 && offsetof(group, effect) == 0);

// Read and written as their bytes.
static_assert(std::is_trivially_copyable_v<prop_mode_dependent> &&
              std::is_trivially_copyable_v<effect> && std::is_trivially_copyable_v<group>);

// The values of one effect in one propulsion mode.
using mode_number = sm_model_vehicle_propulsion_mode_types::c300_type;
prop_mode_dependent& values_of(group& the_group, types::aural_effect_index_type the_effect,
                               mode_number the_mode);
const prop_mode_dependent& values_of(const group& the_group,
                                     types::aural_effect_index_type the_effect,
                                     mode_number the_mode);

// Builds the defaults from the descriptors (starting the types module first if a
// caller has not), once: every default below asks for it on first use.
void start_up();
bool started();
const prop_mode_dependent& prop_mode_dependent_defaults();
const effect_modes& effect_modes_defaults();
const effect& effect_defaults();
const effects& effects_defaults();
const group& group_default();

}  // namespace sm_model_vehicle_bb_aural
