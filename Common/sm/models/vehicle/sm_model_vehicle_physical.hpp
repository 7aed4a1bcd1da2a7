// The physical group: dimensions and depths, towed-body and helicopter-pad geometry,
// shore and aspect angles, levels, and per propulsion mode the shaft count and two
// levels. The radar interface reads the length c200, height c203 and width c215.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "csl_angle.hpp"
#include "csl_length.hpp"
#include "csl_levels.hpp"
#include "sm_model_vehicle_fields.hpp"
#include "sm_model_vehicle_physical_types.hpp"

namespace sm_model_vehicle_physical {

namespace types = sm_model_vehicle_physical_types;

using c204_type = types::c204_type;
using c205_type = types::c205_type;

// A level widened to a signed 32-bit count of 1/64 dB.
class wide_db {
 public:
  constexpr wide_db() = default;
  constexpr explicit wide_db(csl_levels::db level) : count_(level.count()) {}

  constexpr std::int32_t count() const { return count_; }
  // The stored count as a level; a count outside 16 bits is a range error.
  csl_levels::db level() const;
  friend constexpr bool operator==(wide_db, wide_db) = default;

 private:
  std::int32_t count_ = 0;
};

// 8 bytes: the characteristics that differ per propulsion mode.
struct prop_mode_dependent {
  c204_type c204;
  c205_type c205;
  csl_levels::db c277;
  wide_db c278;
};

static_assert(sizeof(prop_mode_dependent) == 8);
static_assert(offsetof(prop_mode_dependent, c205) == 1);
static_assert(offsetof(prop_mode_dependent, c277) == 2);
static_assert(offsetof(prop_mode_dependent, c278) == 4);

// Element i - 1 holds propulsion mode i (1 .. 3).
using prop_modes = std::array<prop_mode_dependent, 3>;

// 84 bytes, no gaps.
struct group {
  prop_modes pmode;
  csl_length::distance c200;  // length
  csl_length::position_vector c201;
  csl_length::position_vector c202;
  csl_length::distance c203;  // height
  csl_length::distance c206;
  csl_length::distance c209;
  csl_length::distance c215;  // width
  csl_length::position_vector c216;
  csl_length::position_vector c217;
  csl_length::position_vector c218;
  csl_angle::angle c220;
  csl_levels::db c257;
  csl_levels::db c258;
  csl_angle::angle c259;
  csl_levels::db c260;
  csl_levels::db c261;
  float c210 = 0.0F;
};

static_assert(sizeof(group) == 84);
static_assert(offsetof(group, c200) == 24 && offsetof(group, c201) == 28);
static_assert(offsetof(group, c202) == 32 && offsetof(group, c203) == 36);
static_assert(offsetof(group, c206) == 40 && offsetof(group, c209) == 44);
static_assert(offsetof(group, c215) == 48 && offsetof(group, c216) == 52);
static_assert(offsetof(group, c217) == 56 && offsetof(group, c218) == 60);
static_assert(offsetof(group, c220) == 64 && offsetof(group, c257) == 68);
static_assert(offsetof(group, c258) == 70 && offsetof(group, c259) == 72);
static_assert(offsetof(group, c260) == 76 && offsetof(group, c261) == 78);
static_assert(offsetof(group, c210) == 80);

// Builds the defaults from the descriptors (starting the types module first if a
// caller has not), once: every default below asks for it on first use.
void start_up();
bool started();
const prop_mode_dependent& prop_mode_dependent_defaults();
const prop_modes& prop_modes_defaults();
const group& group_default();

// Where each characteristic of the group lies, offsets from the start of the group.
std::span<const sm_model_vehicle_fields::field> fields();

}  // namespace sm_model_vehicle_physical
