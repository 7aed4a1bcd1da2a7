// The associated fit group: up to ten sonar models, ten radar models and two sets of
// five vehicle models that a vehicle carries, with the homing range, three
// half-beamwidths, the deployment range and side, a small count, and per propulsion
// mode one time.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

#include "sm_model_vehicle_associated_fit_types.hpp"
#include "sm_model_vehicle_fields.hpp"

namespace sm_model_vehicle_associated_fit {

namespace types = sm_model_vehicle_associated_fit_types;

// 2 bytes: the characteristic that differs per propulsion mode.
struct prop_mode_dependent {
  types::c661_type c661;

  friend bool operator==(const prop_mode_dependent&, const prop_mode_dependent&) = default;
};

static_assert(sizeof(prop_mode_dependent) == 2);
static_assert(offsetof(prop_mode_dependent, c661) == 0);

// Element i - 1 holds propulsion mode i (1 .. 3).
using prop_modes = std::array<prop_mode_dependent, 3>;

// 788 bytes, no gaps. Created without a value, every model kind in it is marked
// not valid by the kind's own initialisation.
struct group {
  prop_modes pmode;
  types::c671_field c671 = types::c671_type::either_side;
  types::c675_type c675;
  types::c600_type c600;  // sonar models
  types::c601_type c601;
  types::c602_type c602;
  types::c603_type c603;
  types::c604_type c604;
  types::c605_type c605;
  types::c606_type c606;
  types::c607_type c607;
  types::c608_type c608;
  types::c609_type c609;
  types::c610_type c610;  // radar models
  types::c611_type c611;
  types::c612_type c612;
  types::c613_type c613;
  types::c614_type c614;
  types::c615_type c615;
  types::c616_type c616;
  types::c617_type c617;
  types::c618_type c618;
  types::c619_type c619;
  types::c620_type c620;  // vehicle models, first set
  types::c621_type c621;
  types::c622_type c622;
  types::c623_type c623;
  types::c624_type c624;
  types::c630_type c630;  // vehicle models, second set
  types::c631_type c631;
  types::c632_type c632;
  types::c633_type c633;
  types::c634_type c634;
  types::c650_type c650;  // homing range
  types::c651_type c651;  // search half-beamwidth
  types::c652_type c652;  // homing half-beamwidth
  types::c653_type c653;  // vertical half-beamwidth
  types::c670_type c670;  // countermeasure deployment range

  friend bool operator==(const group&, const group&) = default;
};

static_assert(sizeof(types::c671_type) == 1 && sizeof(types::c671_field) == 1);
static_assert(sizeof(group) == 788);
static_assert(offsetof(group, pmode) == 0 && offsetof(group, c671) == 6);
static_assert(offsetof(group, c675) == 7 && offsetof(group, c600) == 8);
static_assert(offsetof(group, c601) == 24 && offsetof(group, c602) == 40);
static_assert(offsetof(group, c603) == 56 && offsetof(group, c604) == 72);
static_assert(offsetof(group, c605) == 88 && offsetof(group, c606) == 104);
static_assert(offsetof(group, c607) == 120 && offsetof(group, c608) == 136);
static_assert(offsetof(group, c609) == 152 && offsetof(group, c610) == 168);
static_assert(offsetof(group, c611) == 196 && offsetof(group, c612) == 224);
static_assert(offsetof(group, c613) == 252 && offsetof(group, c614) == 280);
static_assert(offsetof(group, c615) == 308 && offsetof(group, c616) == 336);
static_assert(offsetof(group, c617) == 364 && offsetof(group, c618) == 392);
static_assert(offsetof(group, c619) == 420 && offsetof(group, c620) == 448);
static_assert(offsetof(group, c621) == 480 && offsetof(group, c622) == 512);
static_assert(offsetof(group, c623) == 544 && offsetof(group, c624) == 576);
static_assert(offsetof(group, c630) == 608 && offsetof(group, c631) == 640);
static_assert(offsetof(group, c632) == 672 && offsetof(group, c633) == 704);
static_assert(offsetof(group, c634) == 736 && offsetof(group, c650) == 768);
static_assert(offsetof(group, c651) == 772 && offsetof(group, c652) == 776);
static_assert(offsetof(group, c653) == 780 && offsetof(group, c670) == 784);

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

}  // namespace sm_model_vehicle_associated_fit
