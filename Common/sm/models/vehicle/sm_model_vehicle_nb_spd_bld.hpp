// What the shaft-rate tonals (spd and bld) share: the ratio of the fundamental to
// the shaft rate in each propulsion mode, and single or multiple shafts. It is the
// first 16 bytes of both components.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "sm_model_vehicle_nb_spd_bld_types.hpp"

namespace sm_model_vehicle_nb_spd_bld {

namespace types = sm_model_vehicle_nb_spd_bld_types;

// 4 bytes: one propulsion mode's ratio.
struct prop_mode_dependent {
  types::c782_type c782 = 0.0F;

  friend bool operator==(const prop_mode_dependent&, const prop_mode_dependent&) = default;
};

static_assert(sizeof(prop_mode_dependent) == 4);

// Element i - 1 holds propulsion mode i (1 .. 3).
using prop_modes = std::array<prop_mode_dependent, 3>;

// 16 bytes. The padding takes no part in equality.
struct spd_bld_tonals {
  prop_modes pmode;
  types::c712_field c712 = types::c712_type::single_shaft;
  std::uint8_t padding[3] = {0, 0, 0};

  friend bool operator==(const spd_bld_tonals& left, const spd_bld_tonals& right) {
    return left.pmode == right.pmode && left.c712 == right.c712;
  }
};

static_assert(sizeof(spd_bld_tonals) == 16);
static_assert(offsetof(spd_bld_tonals, pmode) == 0 && offsetof(spd_bld_tonals, c712) == 12);
static_assert(offsetof(spd_bld_tonals, padding) == 13);

// Read and written as their bytes.
static_assert(std::is_trivially_copyable_v<prop_mode_dependent> &&
              std::is_trivially_copyable_v<spd_bld_tonals>);

// Builds the defaults from the descriptors (starting the types module first if a
// caller has not), once: every default below asks for it on first use.
void start_up();
bool started();
const prop_mode_dependent& prop_mode_dependent_defaults();
const prop_modes& prop_modes_defaults();
const spd_bld_tonals& spd_bld_tonals_default();

}  // namespace sm_model_vehicle_nb_spd_bld
