// The speed group: per propulsion mode the rpm to speed relation, its breakpoints,
// the propeller kind and three times; for the vehicle the speed reductions and
// four further times.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

#include "sm_model_vehicle_fields.hpp"
#include "sm_model_vehicle_speed_types.hpp"

namespace sm_model_vehicle_speed {

namespace types = sm_model_vehicle_speed_types;

// 44 bytes: the characteristics that differ per propulsion mode.
struct prop_mode_dependent {
  types::c421_type c421;
  types::c422_type c422;
  types::c423_type c423;
  types::c440_field c440 = types::c440_type::fixed;
  std::uint8_t gap = 0;
  types::c420_type c420;
  types::c429_type c429;
  types::c430_type c430;
  types::c441_type c441 = 0.0F;
  types::c442_type c442;
  types::c443_type c443 = 0.0F;
  types::c444_type c444;
  types::c445_type c445 = 0.0F;
  types::c446_type c446;
};

static_assert(sizeof(prop_mode_dependent) == 44);
static_assert(offsetof(prop_mode_dependent, c421) == 0 && offsetof(prop_mode_dependent, c422) == 2);
static_assert(offsetof(prop_mode_dependent, c423) == 4 && offsetof(prop_mode_dependent, c440) == 6);
static_assert(offsetof(prop_mode_dependent, gap) == 7 && offsetof(prop_mode_dependent, c420) == 8);
static_assert(offsetof(prop_mode_dependent, c429) == 12 &&
              offsetof(prop_mode_dependent, c430) == 16);
static_assert(offsetof(prop_mode_dependent, c441) == 20 &&
              offsetof(prop_mode_dependent, c442) == 24);
static_assert(offsetof(prop_mode_dependent, c443) == 28 &&
              offsetof(prop_mode_dependent, c444) == 32);
static_assert(offsetof(prop_mode_dependent, c445) == 36 &&
              offsetof(prop_mode_dependent, c446) == 40);
static_assert(sizeof(types::c440_type) == 1 && sizeof(types::c440_field) == 1);

// Element i - 1 holds propulsion mode i (1 .. 3).
using prop_modes = std::array<prop_mode_dependent, 3>;

// 152 bytes, no gaps besides those inside the per-mode records.
struct group {
  types::c431_type c431 = 0.0F;
  types::c432_type c432 = 0.0F;
  types::c433_type c433 = 0.0F;
  types::c434_type c434;
  types::c435_type c435;
  types::c436_type c436;
  types::c437_type c437;
  prop_modes pmode;
};

static_assert(sizeof(group) == 152);
static_assert(offsetof(group, c431) == 0 && offsetof(group, c432) == 4);
static_assert(offsetof(group, c433) == 8 && offsetof(group, c434) == 12);
static_assert(offsetof(group, c435) == 14 && offsetof(group, c436) == 16);
static_assert(offsetof(group, c437) == 18 && offsetof(group, pmode) == 20);

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

// Where each characteristic of the group lies, offsets from the start of the group.
std::span<const sm_model_vehicle_fields::field> fields();

}  // namespace sm_model_vehicle_speed
