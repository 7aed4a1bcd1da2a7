#include "sm_model_vehicle_speed.hpp"

#include "sm_model_vehicle_group_defaults.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace sm_model_vehicle_speed {
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

// Every byte of the group that holds data, in offset order: byte 7 of each mode's
// record is a gap. Speeds are metres per second, rates degrees per second, c440
// the position of its literal.
constexpr auto table = std::to_array<field>({
    whole("c431", offsetof(group, c431), sizeof(group::c431), encoding::real),
    whole("c432", offsetof(group, c432), sizeof(group::c432), encoding::real),
    whole("c433", offsetof(group, c433), sizeof(group::c433), encoding::real),
    whole("c434", offsetof(group, c434), sizeof(group::c434), encoding::unsigned_integer),
    whole("c435", offsetof(group, c435), sizeof(group::c435), encoding::unsigned_integer),
    whole("c436", offsetof(group, c436), sizeof(group::c436), encoding::unsigned_integer),
    whole("c437", offsetof(group, c437), sizeof(group::c437), encoding::unsigned_integer),
    each_mode("c421", offsetof(prop_mode_dependent, c421), sizeof(prop_mode_dependent::c421),
              encoding::unsigned_integer),
    each_mode("c422", offsetof(prop_mode_dependent, c422), sizeof(prop_mode_dependent::c422),
              encoding::unsigned_integer),
    each_mode("c423", offsetof(prop_mode_dependent, c423), sizeof(prop_mode_dependent::c423),
              encoding::unsigned_integer),
    each_mode("c440", offsetof(prop_mode_dependent, c440), sizeof(prop_mode_dependent::c440),
              encoding::unsigned_integer),
    each_mode("c420", offsetof(prop_mode_dependent, c420), sizeof(prop_mode_dependent::c420),
              encoding::real),
    each_mode("c429", offsetof(prop_mode_dependent, c429), sizeof(prop_mode_dependent::c429),
              encoding::real),
    each_mode("c430", offsetof(prop_mode_dependent, c430), sizeof(prop_mode_dependent::c430),
              encoding::real),
    each_mode("c441", offsetof(prop_mode_dependent, c441), sizeof(prop_mode_dependent::c441),
              encoding::real),
    each_mode("c442", offsetof(prop_mode_dependent, c442), sizeof(prop_mode_dependent::c442),
              encoding::real),
    each_mode("c443", offsetof(prop_mode_dependent, c443), sizeof(prop_mode_dependent::c443),
              encoding::real),
    each_mode("c444", offsetof(prop_mode_dependent, c444), sizeof(prop_mode_dependent::c444),
              encoding::real),
    each_mode("c445", offsetof(prop_mode_dependent, c445), sizeof(prop_mode_dependent::c445),
              encoding::real),
    each_mode("c446", offsetof(prop_mode_dependent, c446), sizeof(prop_mode_dependent::c446),
              encoding::real),
});
static_assert(std::ranges::is_sorted(table, {}, &field::offset));

using defaults = sm_model_vehicle_group_defaults::defaults<prop_mode_dependent, group>;

defaults& the_defaults() {
  static defaults value;
  return value;
}

sm_model_vehicle_group_defaults::built_once building;

void build_defaults() {
  if (!types::started()) types::start_up();
  prop_mode_dependent m;
  m.c421 = types::c421.default_();
  m.c422 = types::c422.default_();
  m.c423 = types::c423.default_();
  m.c440 = types::c440.default_();
  m.c420 = types::c420.default_();
  m.c429 = types::c429.default_();
  m.c430 = types::c430.default_();
  m.c441 = types::c441.default_();
  m.c442 = types::c442.default_();
  m.c443 = types::c443.default_();
  m.c444 = types::c444.default_();
  m.c445 = types::c445.default_();
  m.c446 = types::c446.default_();

  group g;
  g.c431 = types::c431.default_();
  g.c432 = types::c432.default_();
  g.c433 = types::c433.default_();
  g.c434 = types::c434.default_();
  g.c435 = types::c435.default_();
  g.c436 = types::c436.default_();
  g.c437 = types::c437.default_();
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

}  // namespace sm_model_vehicle_speed
