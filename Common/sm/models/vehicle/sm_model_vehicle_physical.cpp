#include "sm_model_vehicle_physical.hpp"

#include "sm_model_vehicle_group_defaults.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

#include "csl_exceptions.hpp"

namespace sm_model_vehicle_physical {
namespace {

using sm_model_vehicle_fields::encoding;
using sm_model_vehicle_fields::field;
using sm_model_vehicle_fields::whole;

// The three propulsion modes' records lie one after another.
static_assert(sizeof(prop_modes) == 3 * sizeof(prop_mode_dependent));

// A characteristic of each propulsion mode's record, `offset` bytes into it.
constexpr field each_mode(std::string_view name, std::size_t offset, std::size_t size,
                          encoding how) {
  return sm_model_vehicle_fields::each_mode<prop_mode_dependent>(name, offsetof(group, pmode),
                                                                 offset, size, how);
}

// Every byte of the group, in offset order. Lengths are metres, angles radians and
// levels counts of 1/64 dB; c278 is a level widened to 32 bits.
constexpr auto table = std::to_array<field>({
    each_mode("c204", offsetof(prop_mode_dependent, c204), sizeof(prop_mode_dependent::c204),
              encoding::unsigned_integer),
    each_mode("c205", offsetof(prop_mode_dependent, c205), sizeof(prop_mode_dependent::c205),
              encoding::unsigned_integer),
    each_mode("c277", offsetof(prop_mode_dependent, c277), sizeof(prop_mode_dependent::c277),
              encoding::signed_integer),
    each_mode("c278", offsetof(prop_mode_dependent, c278), sizeof(prop_mode_dependent::c278),
              encoding::signed_integer),
    whole("c200", offsetof(group, c200), sizeof(group::c200), encoding::real),
    whole("c201", offsetof(group, c201), sizeof(group::c201), encoding::real),
    whole("c202", offsetof(group, c202), sizeof(group::c202), encoding::real),
    whole("c203", offsetof(group, c203), sizeof(group::c203), encoding::real),
    whole("c206", offsetof(group, c206), sizeof(group::c206), encoding::real),
    whole("c209", offsetof(group, c209), sizeof(group::c209), encoding::real),
    whole("c215", offsetof(group, c215), sizeof(group::c215), encoding::real),
    whole("c216", offsetof(group, c216), sizeof(group::c216), encoding::real),
    whole("c217", offsetof(group, c217), sizeof(group::c217), encoding::real),
    whole("c218", offsetof(group, c218), sizeof(group::c218), encoding::real),
    whole("c220", offsetof(group, c220), sizeof(group::c220), encoding::real),
    whole("c257", offsetof(group, c257), sizeof(group::c257), encoding::signed_integer),
    whole("c258", offsetof(group, c258), sizeof(group::c258), encoding::signed_integer),
    whole("c259", offsetof(group, c259), sizeof(group::c259), encoding::real),
    whole("c260", offsetof(group, c260), sizeof(group::c260), encoding::signed_integer),
    whole("c261", offsetof(group, c261), sizeof(group::c261), encoding::signed_integer),
    whole("c210", offsetof(group, c210), sizeof(group::c210), encoding::real),
});
static_assert(std::ranges::is_sorted(table, {}, &field::offset));

using defaults = sm_model_vehicle_group_defaults::defaults<prop_mode_dependent, group>;

defaults& the_defaults() {
  static defaults value;
  return value;
}

}  // namespace

csl_levels::db wide_db::level() const {
  if (count_ < std::numeric_limits<std::int16_t>::min() ||
      count_ > std::numeric_limits<std::int16_t>::max()) {
    throw csl::range_error("sm_model_vehicle_physical.wide_db.level");
  }
  return csl_levels::db::from_count(static_cast<std::int16_t>(count_));
}

namespace {

sm_model_vehicle_group_defaults::built_once building;

void build_defaults() {
  if (!types::started()) types::start_up();
  prop_mode_dependent m;
  m.c204 = types::c204.default_();
  m.c205 = types::c205.default_();
  m.c277 = types::c277.default_();
  m.c278 = wide_db(types::c278.default_());

  group g;
  g.c200 = types::c200.default_();
  g.c201 = types::c201.default_();
  g.c202 = types::c202.default_();
  g.c203 = types::c203.default_();
  g.c206 = types::c206.default_();
  g.c209 = types::c209.default_();
  g.c215 = types::c215.default_();
  g.c216 = types::c216.default_();
  g.c217 = types::c217.default_();
  g.c218 = types::c218.default_();
  g.c220 = types::c220.default_();
  g.c257 = types::c257.default_();
  g.c258 = types::c258.default_();
  g.c259 = types::c259.default_();
  g.c260 = types::c260.default_();
  g.c261 = types::c261.default_();
  g.c210 = types::c210.default_();
  the_defaults().build(m, g);
}

}  // namespace

void start_up() {
  building.run(build_defaults);
}

bool started() {
  return building.done();
}

const prop_mode_dependent& prop_mode_dependent_defaults() {
  start_up();
  return the_defaults().mode();
}
const prop_modes& prop_modes_defaults() {
  start_up();
  return the_defaults().modes();
}
const group& group_default() {
  start_up();
  return the_defaults().whole();
}

std::span<const sm_model_vehicle_fields::field> fields() {
  return table;
}

}  // namespace sm_model_vehicle_physical
