#include "sm_model_vehicle_turning_diving.hpp"

#include "sm_model_vehicle_group_defaults.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace sm_model_vehicle_turning_diving {
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

// Every byte of the group, in offset order. Angles are radians, depths metres and
// the depth rate metres per second.
constexpr auto table = std::to_array<field>({
    whole("c400", offsetof(group, c400), sizeof(group::c400), encoding::unsigned_integer),
    whole("c411", offsetof(group, c411), sizeof(group::c411), encoding::unsigned_integer),
    whole("c401", offsetof(group, c401), sizeof(group::c401), encoding::real),
    whole("c402", offsetof(group, c402), sizeof(group::c402), encoding::real),
    whole("c403", offsetof(group, c403), sizeof(group::c403), encoding::real),
    whole("c410", offsetof(group, c410), sizeof(group::c410), encoding::real),
    whole("c412", offsetof(group, c412), sizeof(group::c412), encoding::real),
    whole("c413", offsetof(group, c413), sizeof(group::c413), encoding::real),
    whole("c414", offsetof(group, c414), sizeof(group::c414), encoding::real),
    each_mode("c409", offsetof(prop_mode_dependent, c409), sizeof(prop_mode_dependent::c409),
              encoding::real),
    each_mode("c415", offsetof(prop_mode_dependent, c415), sizeof(prop_mode_dependent::c415),
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
  m.c409 = types::c409.default_();
  m.c415 = types::c415.default_();

  group g;
  g.c400 = types::c400.default_();
  g.c411 = types::c411.default_();
  g.c401 = types::c401.default_();
  g.c402 = types::c402.default_();
  g.c403 = types::c403.default_();
  g.c410 = types::c410.default_();
  g.c412 = types::c412.default_();
  g.c413 = types::c413.default_();
  g.c414 = types::c414.default_();
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

}  // namespace sm_model_vehicle_turning_diving
