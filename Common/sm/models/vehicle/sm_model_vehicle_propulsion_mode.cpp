#include "sm_model_vehicle_propulsion_mode.hpp"

#include "sm_model_vehicle_group_defaults.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace sm_model_vehicle_propulsion_mode {
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

// Every byte of the group that holds data, in offset order: the gaps at the end of
// each mode's record and of the group hold nothing. Limits are metres and metres
// per second; c303, c304, c313 and c314 hold mode numbers.
constexpr auto table = std::to_array<field>({
    each_mode("c303", offsetof(prop_mode_dependent, c303), sizeof(prop_mode_dependent::c303),
              encoding::unsigned_integer),
    each_mode("c304", offsetof(prop_mode_dependent, c304), sizeof(prop_mode_dependent::c304),
              encoding::unsigned_integer),
    each_mode("c313", offsetof(prop_mode_dependent, c313), sizeof(prop_mode_dependent::c313),
              encoding::unsigned_integer),
    each_mode("c314", offsetof(prop_mode_dependent, c314), sizeof(prop_mode_dependent::c314),
              encoding::unsigned_integer),
    each_mode("c305", offsetof(prop_mode_dependent, c305), sizeof(prop_mode_dependent::c305),
              encoding::text),
    each_mode("c301", offsetof(prop_mode_dependent, c301), sizeof(prop_mode_dependent::c301),
              encoding::real),
    each_mode("c302", offsetof(prop_mode_dependent, c302), sizeof(prop_mode_dependent::c302),
              encoding::real),
    each_mode("c311", offsetof(prop_mode_dependent, c311), sizeof(prop_mode_dependent::c311),
              encoding::real),
    each_mode("c312", offsetof(prop_mode_dependent, c312), sizeof(prop_mode_dependent::c312),
              encoding::real),
    each_mode("c320", offsetof(prop_mode_dependent, c320), sizeof(prop_mode_dependent::c320),
              encoding::unsigned_integer),
    whole("c300", offsetof(group, c300), sizeof(group::c300), encoding::unsigned_integer),
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
  m.c303 = types::c303.default_();
  m.c304 = types::c304.default_();
  m.c313 = types::c313.default_();
  m.c314 = types::c314.default_();
  m.c305 = types::c305.default_();
  m.c301 = types::c301.default_();
  m.c302 = types::c302.default_();
  m.c311 = types::c311.default_();
  m.c312 = types::c312.default_();
  m.c320 = types::c320.default_();

  group g;
  g.c300 = types::c300.default_();
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

}  // namespace sm_model_vehicle_propulsion_mode
