// The component of a blade-rate tonal (kind bld): the shared shaft-rate part,
// three speed slopes with the two speed breakpoints between them, and a level. It
// lies at byte 84 of its tonal and fills the tonal's 124 bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "sm_model_vehicle_nb_bld_types.hpp"
#include "sm_model_vehicle_nb_spd_bld.hpp"

namespace sm_model_vehicle_nb_bld {

namespace types = sm_model_vehicle_nb_bld_types;

// 40 bytes. The padding takes no part in equality.
struct bld_tonal {
  sm_model_vehicle_nb_spd_bld::spd_bld_tonals spd_bld;
  types::c771_type c771 = 0.0F;
  types::c772_type c772;
  types::c773_type c773 = 0.0F;
  types::c774_type c774;
  types::c775_type c775 = 0.0F;
  types::c713_type c713;
  std::uint8_t padding[2] = {0, 0};

  friend bool operator==(const bld_tonal& left, const bld_tonal& right) {
    return left.spd_bld == right.spd_bld && left.c771 == right.c771 && left.c772 == right.c772 &&
           left.c773 == right.c773 && left.c774 == right.c774 && left.c775 == right.c775 &&
           left.c713 == right.c713;
  }
};

static_assert(sizeof(bld_tonal) == 40);
static_assert(offsetof(bld_tonal, spd_bld) == 0 && offsetof(bld_tonal, c771) == 16);
static_assert(offsetof(bld_tonal, c772) == 20 && offsetof(bld_tonal, c773) == 24);
static_assert(offsetof(bld_tonal, c774) == 28 && offsetof(bld_tonal, c775) == 32);
static_assert(offsetof(bld_tonal, c713) == 36 && offsetof(bld_tonal, padding) == 38);
static_assert(std::is_trivially_copyable_v<bld_tonal>);

// Builds the default (starting the types module and the shared shaft-rate module
// first if a caller has not), once: every default below asks for it on first use.
void start_up();
bool started();
// The first speed slope 1.0, every other byte zero.
const bld_tonal& bld_tonal_default();

}  // namespace sm_model_vehicle_nb_bld
