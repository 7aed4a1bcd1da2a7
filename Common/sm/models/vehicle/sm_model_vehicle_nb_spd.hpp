// The component of a shaft-rate tonal (kind spd): the shared shaft-rate part, a
// level constant and a level. It lies at byte 84 of its tonal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "sm_model_vehicle_nb_spd_bld.hpp"
#include "sm_model_vehicle_nb_spd_types.hpp"

namespace sm_model_vehicle_nb_spd {

namespace types = sm_model_vehicle_nb_spd_types;

// 24 bytes. The padding takes no part in equality.
struct spd_tonal {
  sm_model_vehicle_nb_spd_bld::spd_bld_tonals spd_bld;
  types::c781_type c781 = 0.0F;
  types::c780_type c780;
  std::uint8_t padding[2] = {0, 0};

  friend bool operator==(const spd_tonal& left, const spd_tonal& right) {
    return left.spd_bld == right.spd_bld && left.c781 == right.c781 && left.c780 == right.c780;
  }
};

static_assert(sizeof(spd_tonal) == 24);
static_assert(offsetof(spd_tonal, spd_bld) == 0 && offsetof(spd_tonal, c781) == 16);
static_assert(offsetof(spd_tonal, c780) == 20 && offsetof(spd_tonal, padding) == 22);
static_assert(std::is_trivially_copyable_v<spd_tonal>);

// Builds the default (starting the types module and the shared shaft-rate module
// first if a caller has not), once: every default below asks for it on first use.
void start_up();
bool started();
// Every byte zero.
const spd_tonal& spd_tonal_default();

}  // namespace sm_model_vehicle_nb_spd
