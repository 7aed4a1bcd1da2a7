#include "sm_model_vehicle_associated_fit.hpp"

#include "sm_model_vehicle_group_defaults.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace sm_model_vehicle_associated_fit {
namespace {

using sm_model_vehicle_fields::bits;
using sm_model_vehicle_fields::encoding;
using sm_model_vehicle_fields::field;
using sm_model_vehicle_fields::repeat;
using sm_model_vehicle_fields::whole;
using sonar = types::sonar_kind;
using radar = types::radar_kind;
using vehicle = types::vehicle_kind;

// The three propulsion modes' records lie one after another.
static_assert(sizeof(prop_modes) == 3 * sizeof(prop_mode_dependent));
constexpr repeat per_mode{"mode", 3, sizeof(prop_mode_dependent)};

// The ten sonar kinds lie one after another, and so do the ten radar kinds; the
// vehicle kinds are two sets of five, the second directly after the first.
constexpr std::size_t sonars = offsetof(group, c600);
constexpr std::size_t radars = offsetof(group, c610);
constexpr std::size_t vehicles = offsetof(group, c620);
static_assert(offsetof(group, c609) == sonars + 9 * sizeof(sonar));
static_assert(offsetof(group, c619) == radars + 9 * sizeof(radar));
static_assert(offsetof(group, c624) == vehicles + 4 * sizeof(vehicle));
static_assert(offsetof(group, c630) == vehicles + 5 * sizeof(vehicle));
static_assert(offsetof(group, c634) == vehicles + 9 * sizeof(vehicle));
constexpr repeat per_sonar{"sonar", 10, sizeof(sonar)};
constexpr repeat per_radar{"radar", 10, sizeof(radar)};
constexpr repeat per_set{"set", 2, 5 * sizeof(vehicle)};
constexpr repeat per_vehicle{"vehicle", 5, sizeof(vehicle)};

// A kind's characteristic number names its validity: whether the place holds a
// model. A sonar or radar kind's validity is bit 0 (bits 1-3 hold nothing), a
// vehicle kind's bits 0-3.
constexpr field sonar_fitted(std::string_view name, std::size_t kind) {
  return bits(name, kind + offsetof(sonar, validity_and_permanence), 0, 1);
}
constexpr field radar_fitted(std::string_view name, std::size_t kind) {
  return bits(name, kind + offsetof(radar, validity_and_permanence), 0, 1);
}
constexpr field vehicle_fitted(std::string_view name, std::size_t kind) {
  return bits(name, kind + offsetof(vehicle, validity_and_permanence), 0, 4);
}

// Every byte of the group that holds data, in offset order. The rest of each kind
// is held once per sonar, radar, or set and vehicle in the set, under the kind
// module's item names where it has them. Lengths are metres, angles radians, c671
// the position of its literal.
constexpr auto table = std::to_array<field>({
    whole("c661", offsetof(group, pmode) + offsetof(prop_mode_dependent, c661),
          sizeof(prop_mode_dependent::c661), encoding::unsigned_integer, per_mode),
    whole("c671", offsetof(group, c671), sizeof(group::c671), encoding::unsigned_integer),
    whole("c675", offsetof(group, c675), sizeof(group::c675), encoding::unsigned_integer),
    sonar_fitted("c600", offsetof(group, c600)),
    bits("sonar_permanence", sonars + offsetof(sonar, validity_and_permanence), 4, 4, per_sonar),
    whole("sonar_issue", sonars + offsetof(sonar, issue), sizeof(sonar::issue),
          encoding::unsigned_integer, per_sonar),
    whole("a102", sonars + offsetof(sonar, model_library_number),
          sizeof(sonar::model_library_number), encoding::unsigned_integer, per_sonar),
    whole("a100", sonars + offsetof(sonar, model_name), sizeof(sonar::model_name), encoding::text,
          per_sonar),
    sonar_fitted("c601", offsetof(group, c601)),
    sonar_fitted("c602", offsetof(group, c602)),
    sonar_fitted("c603", offsetof(group, c603)),
    sonar_fitted("c604", offsetof(group, c604)),
    sonar_fitted("c605", offsetof(group, c605)),
    sonar_fitted("c606", offsetof(group, c606)),
    sonar_fitted("c607", offsetof(group, c607)),
    sonar_fitted("c608", offsetof(group, c608)),
    sonar_fitted("c609", offsetof(group, c609)),
    radar_fitted("c610", offsetof(group, c610)),
    bits("radar_permanence", radars + offsetof(radar, validity_and_permanence), 4, 4, per_radar),
    whole("radar_issue", radars + offsetof(radar, issue), sizeof(radar::issue),
          encoding::unsigned_integer, per_radar),
    whole("e102", radars + offsetof(radar, model_reference_number),
          sizeof(radar::model_reference_number), encoding::unsigned_integer, per_radar),
    whole("radar_library_number", radars + offsetof(radar, model_library_number),
          sizeof(radar::model_library_number), encoding::signed_integer, per_radar),
    whole("e100", radars + offsetof(radar, model_name), sizeof(radar::model_name), encoding::text,
          per_radar),
    radar_fitted("c611", offsetof(group, c611)),
    radar_fitted("c612", offsetof(group, c612)),
    radar_fitted("c613", offsetof(group, c613)),
    radar_fitted("c614", offsetof(group, c614)),
    radar_fitted("c615", offsetof(group, c615)),
    radar_fitted("c616", offsetof(group, c616)),
    radar_fitted("c617", offsetof(group, c617)),
    radar_fitted("c618", offsetof(group, c618)),
    radar_fitted("c619", offsetof(group, c619)),
    vehicle_fitted("c620", offsetof(group, c620)),
    bits("vehicle_permanence", vehicles + offsetof(vehicle, validity_and_permanence), 4, 4, per_set,
         per_vehicle),
    whole("vehicle_qualifier", vehicles + offsetof(vehicle, model_qualifier),
          sizeof(vehicle::model_qualifier), encoding::unsigned_integer, per_set, per_vehicle),
    whole("vehicle_library_number", vehicles + offsetof(vehicle, model_library_number),
          sizeof(vehicle::model_library_number), encoding::unsigned_integer, per_set, per_vehicle),
    whole("vehicle_class", vehicles + offsetof(vehicle, model_class), sizeof(vehicle::model_class),
          encoding::text, per_set, per_vehicle),
    whole("vehicle_name", vehicles + offsetof(vehicle, model_name), sizeof(vehicle::model_name),
          encoding::text, per_set, per_vehicle),
    whole("vehicle_issue", vehicles + offsetof(vehicle, issue), sizeof(vehicle::issue),
          encoding::signed_integer, per_set, per_vehicle),
    vehicle_fitted("c621", offsetof(group, c621)),
    vehicle_fitted("c622", offsetof(group, c622)),
    vehicle_fitted("c623", offsetof(group, c623)),
    vehicle_fitted("c624", offsetof(group, c624)),
    vehicle_fitted("c630", offsetof(group, c630)),
    vehicle_fitted("c631", offsetof(group, c631)),
    vehicle_fitted("c632", offsetof(group, c632)),
    vehicle_fitted("c633", offsetof(group, c633)),
    vehicle_fitted("c634", offsetof(group, c634)),
    whole("c650", offsetof(group, c650), sizeof(group::c650), encoding::real),
    whole("c651", offsetof(group, c651), sizeof(group::c651), encoding::real),
    whole("c652", offsetof(group, c652), sizeof(group::c652), encoding::real),
    whole("c653", offsetof(group, c653), sizeof(group::c653), encoding::real),
    whole("c670", offsetof(group, c670), sizeof(group::c670), encoding::real),
});
static_assert(std::ranges::is_sorted(table, {}, &field::offset));

using defaults = sm_model_vehicle_group_defaults::defaults<prop_mode_dependent, group>;

defaults& the_defaults() {
  static defaults value;
  return value;
}

void set_model_defaults(group& g) {
  g.c600 = types::c600.default_();
  g.c601 = types::c601.default_();
  g.c602 = types::c602.default_();
  g.c603 = types::c603.default_();
  g.c604 = types::c604.default_();
  g.c605 = types::c605.default_();
  g.c606 = types::c606.default_();
  g.c607 = types::c607.default_();
  g.c608 = types::c608.default_();
  g.c609 = types::c609.default_();
  g.c610 = types::c610.default_();
  g.c611 = types::c611.default_();
  g.c612 = types::c612.default_();
  g.c613 = types::c613.default_();
  g.c614 = types::c614.default_();
  g.c615 = types::c615.default_();
  g.c616 = types::c616.default_();
  g.c617 = types::c617.default_();
  g.c618 = types::c618.default_();
  g.c619 = types::c619.default_();
  g.c620 = types::c620.default_();
  g.c621 = types::c621.default_();
  g.c622 = types::c622.default_();
  g.c623 = types::c623.default_();
  g.c624 = types::c624.default_();
  g.c630 = types::c630.default_();
  g.c631 = types::c631.default_();
  g.c632 = types::c632.default_();
  g.c633 = types::c633.default_();
  g.c634 = types::c634.default_();
}

sm_model_vehicle_group_defaults::built_once building;

void build_defaults() {
  if (!types::started()) types::start_up();
  prop_mode_dependent m;
  m.c661 = types::c661.default_();

  group g;
  g.c671 = types::c671.default_();
  g.c675 = types::c675.default_();
  set_model_defaults(g);
  g.c650 = types::c650.default_();
  g.c651 = types::c651.default_();
  g.c652 = types::c652.default_();
  g.c653 = types::c653.default_();
  g.c670 = types::c670.default_();
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

}  // namespace sm_model_vehicle_associated_fit
