// The component of an auxiliary-machinery tonal (kind aux): per propulsion mode
// the machinery's loading, then its fundamental frequency, level, pattern, trigger
// and two times. It lies at byte 84 of its tonal.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "sm_model_vehicle_nb_aux_int_types.hpp"

namespace sm_model_vehicle_nb_aux_int {

namespace types = sm_model_vehicle_nb_aux_int_types;

// 4 bytes: one propulsion mode's loading.
struct prop_mode_dependent {
  types::c783_type c783;

  friend bool operator==(const prop_mode_dependent&, const prop_mode_dependent&) = default;
};

static_assert(sizeof(prop_mode_dependent) == 4);

// Element i - 1 holds propulsion mode i (1 .. 3).
using prop_modes = std::array<prop_mode_dependent, 3>;

// 24 bytes, no padding.
struct aux_int_tonal {
  prop_modes pmode;
  types::c720_type c720;
  types::c723_type c723;
  types::c725_field c725 = types::c725_type::continuous;
  types::c728_field c728 = types::c728_type::normal;
  types::c726_type c726;
  types::c727_type c727;

  friend bool operator==(const aux_int_tonal&, const aux_int_tonal&) = default;
};

static_assert(sizeof(aux_int_tonal) == 24);
static_assert(offsetof(aux_int_tonal, pmode) == 0 && offsetof(aux_int_tonal, c720) == 12);
static_assert(offsetof(aux_int_tonal, c723) == 16 && offsetof(aux_int_tonal, c725) == 18);
static_assert(offsetof(aux_int_tonal, c728) == 19 && offsetof(aux_int_tonal, c726) == 20);
static_assert(offsetof(aux_int_tonal, c727) == 22);
static_assert(std::is_trivially_copyable_v<prop_mode_dependent> &&
              std::is_trivially_copyable_v<aux_int_tonal>);

// Builds the defaults from the descriptors (starting the types module first if a
// caller has not), once: every default below asks for it on first use.
void start_up();
bool started();
const prop_mode_dependent& prop_mode_dependent_defaults();
const prop_modes& prop_modes_defaults();
// Every byte zero.
const aux_int_tonal& aux_int_tonal_default();

}  // namespace sm_model_vehicle_nb_aux_int
