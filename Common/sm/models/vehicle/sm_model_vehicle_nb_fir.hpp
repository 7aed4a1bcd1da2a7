// The component of a flow-induced tonal (kind fir): per propulsion mode the flow
// loading, then its fundamental frequency, frequency offset, the speeds between
// which it sounds and its level. It lies at byte 84 of its tonal.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "sm_model_vehicle_nb_fir_types.hpp"

namespace sm_model_vehicle_nb_fir {

namespace types = sm_model_vehicle_nb_fir_types;

// 4 bytes: one propulsion mode's loading.
struct prop_mode_dependent {
  types::c784_type c784 = 0.0F;

  friend bool operator==(const prop_mode_dependent&, const prop_mode_dependent&) = default;
};

static_assert(sizeof(prop_mode_dependent) == 4);

// Element i - 1 holds propulsion mode i (1 .. 3).
using prop_modes = std::array<prop_mode_dependent, 3>;

// 32 bytes. The padding takes no part in equality.
struct fir_tonal {
  prop_modes pmode;
  types::c730_type c730;
  types::c731_type c731;
  types::c736_type c736;
  types::c737_type c737;
  types::c733_type c733;
  std::uint8_t padding[2] = {0, 0};

  friend bool operator==(const fir_tonal& left, const fir_tonal& right) {
    return left.pmode == right.pmode && left.c730 == right.c730 && left.c731 == right.c731 &&
           left.c736 == right.c736 && left.c737 == right.c737 && left.c733 == right.c733;
  }
};

static_assert(sizeof(fir_tonal) == 32);
static_assert(offsetof(fir_tonal, pmode) == 0 && offsetof(fir_tonal, c730) == 12);
static_assert(offsetof(fir_tonal, c731) == 16 && offsetof(fir_tonal, c736) == 20);
static_assert(offsetof(fir_tonal, c737) == 24 && offsetof(fir_tonal, c733) == 28);
static_assert(offsetof(fir_tonal, padding) == 30);
static_assert(std::is_trivially_copyable_v<prop_mode_dependent> &&
              std::is_trivially_copyable_v<fir_tonal>);

// Builds the defaults from the descriptors (starting the types module first if a
// caller has not), once: every default below asks for it on first use.
void start_up();
bool started();
const prop_mode_dependent& prop_mode_dependent_defaults();
const prop_modes& prop_modes_defaults();
// Every byte zero.
const fir_tonal& fir_tonal_default();

}  // namespace sm_model_vehicle_nb_fir
