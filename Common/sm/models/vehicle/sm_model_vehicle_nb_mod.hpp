// The component of a modulating tonal (kind modu): per propulsion mode its ratio
// to the shaft rate, what modulates it and whether one source or several do. It
// lies at byte 84 of its tonal, which thus ends at byte 100.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "sm_model_vehicle_nb_mod_types.hpp"

namespace sm_model_vehicle_nb_mod {

namespace types = sm_model_vehicle_nb_mod_types;

// 4 bytes: one propulsion mode's ratio.
struct prop_mode_dependent {
  types::c785_type c785 = 0.0F;

  friend bool operator==(const prop_mode_dependent&, const prop_mode_dependent&) = default;
};

static_assert(sizeof(prop_mode_dependent) == 4);

// Element i - 1 holds propulsion mode i (1 .. 3).
using prop_modes = std::array<prop_mode_dependent, 3>;

// 16 bytes. The padding takes no part in equality.
struct modu_tonal {
  prop_modes pmode;
  types::c742_field c742 = types::c742_type::prop_shaft;
  types::c743_field c743 = types::c743_type::single;
  std::uint8_t padding[2] = {0, 0};

  friend bool operator==(const modu_tonal& left, const modu_tonal& right) {
    return left.pmode == right.pmode && left.c742 == right.c742 && left.c743 == right.c743;
  }
};

static_assert(sizeof(modu_tonal) == 16);
static_assert(offsetof(modu_tonal, pmode) == 0 && offsetof(modu_tonal, c742) == 12);
static_assert(offsetof(modu_tonal, c743) == 13 && offsetof(modu_tonal, padding) == 14);
static_assert(std::is_trivially_copyable_v<prop_mode_dependent> &&
              std::is_trivially_copyable_v<modu_tonal>);

// Builds the defaults from the descriptors (starting the types module first if a
// caller has not), once: every default below asks for it on first use.
void start_up();
bool started();
const prop_mode_dependent& prop_mode_dependent_defaults();
const prop_modes& prop_modes_defaults();
// Every byte zero.
const modu_tonal& modu_tonal_default();

}  // namespace sm_model_vehicle_nb_mod
