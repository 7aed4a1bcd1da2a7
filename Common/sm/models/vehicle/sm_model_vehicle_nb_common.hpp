// The part every narrowband tonal shares, whatever its source: per propulsion mode
// how its frequency wanders, ten harmonic corrections, its name, series number,
// series type and two levels. It is the 80 bytes after a tonal's first 4.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "sm_model_vehicle_nb_common_types.hpp"

namespace sm_model_vehicle_nb_common {

namespace types = sm_model_vehicle_nb_common_types;

// 8 bytes: the frequency instability of one propulsion mode.
struct prop_mode_dependent {
  types::c750_field c750 = types::c750_type::stable;
  types::c753_type c753;
  types::c751_type c751;
  types::c752_type c752;

  friend bool operator==(const prop_mode_dependent&, const prop_mode_dependent&) = default;
};

static_assert(sizeof(prop_mode_dependent) == 8);
static_assert(offsetof(prop_mode_dependent, c750) == 0 && offsetof(prop_mode_dependent, c753) == 1);
static_assert(offsetof(prop_mode_dependent, c751) == 2 && offsetof(prop_mode_dependent, c752) == 4);

// Element i - 1 holds propulsion mode i (1 .. 3).
using prop_modes = std::array<prop_mode_dependent, 3>;

// 4 bytes: the correction of one harmonic. The padding byte takes no part in
// equality.
struct harmonic_correction {
  types::c757_type c757;
  types::c758_type c758;
  std::uint8_t padding = 0;

  friend bool operator==(const harmonic_correction& left, const harmonic_correction& right) {
    return left.c757 == right.c757 && left.c758 == right.c758;
  }
};

static_assert(sizeof(harmonic_correction) == 4);
static_assert(offsetof(harmonic_correction, c757) == 0 && offsetof(harmonic_correction, c758) == 2);
static_assert(offsetof(harmonic_correction, padding) == 3);

// Element i - 1 holds harmonic i (1 .. 10).
using harmonics = std::array<harmonic_correction, 10>;

// 80 bytes: the common part of a tonal. Equality compares every field (the six
// characters of c700 and every array element included), floats as floats, and
// leaves the padding out.
struct all_tonals {
  prop_modes pmode;
  harmonics harmonic;
  types::c700_type c700;
  types::c709_type c709;
  types::c756_type c756;
  types::c702_type c702;
  types::c764_type c764;
  types::c765_type c765;
  std::uint8_t padding[2] = {0, 0};

  friend bool operator==(const all_tonals& left, const all_tonals& right) {
    return left.pmode == right.pmode && left.harmonic == right.harmonic &&
           left.c700 == right.c700 && left.c709 == right.c709 && left.c756 == right.c756 &&
           left.c702.value() == right.c702.value() && left.c764 == right.c764 &&
           left.c765 == right.c765;
  }
};

static_assert(sizeof(all_tonals) == 80);
static_assert(offsetof(all_tonals, pmode) == 0 && offsetof(all_tonals, harmonic) == 24);
static_assert(offsetof(all_tonals, c700) == 64 && offsetof(all_tonals, c709) == 70);
static_assert(offsetof(all_tonals, c756) == 72 && offsetof(all_tonals, c702) == 73);
static_assert(offsetof(all_tonals, c764) == 74 && offsetof(all_tonals, c765) == 76);
static_assert(offsetof(all_tonals, padding) == 78);

// Read and written as their bytes.
static_assert(std::is_trivially_copyable_v<prop_mode_dependent> &&
              std::is_trivially_copyable_v<harmonic_correction> &&
              std::is_trivially_copyable_v<all_tonals>);

// Builds the defaults from the descriptors (starting the types module first if a
// caller has not), once: every default below asks for it on first use.
void start_up();
bool started();
const prop_mode_dependent& prop_mode_dependent_defaults();
const prop_modes& prop_modes_defaults();
const harmonic_correction& harmonic_correction_default();
const harmonics& harmonics_defaults();
const all_tonals& all_tonals_default();

}  // namespace sm_model_vehicle_nb_common
