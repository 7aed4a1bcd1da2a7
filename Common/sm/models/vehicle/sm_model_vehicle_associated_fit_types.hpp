// Types and descriptors of the associated fit group: the sonar, radar and vehicle
// models a vehicle carries, named by their model kinds, with the homing range, the
// half-beamwidths, the deployment range and side, a small count, and per propulsion
// mode one time.
#pragma once

#include <cstdint>

#include "csl_angle.hpp"
#include "csl_length.hpp"
#include "csl_ranged.hpp"
#include "sm_model_radar_kind.hpp"
#include "sm_model_sonar_kind.hpp"
#include "sm_model_vehicle_characteristics.hpp"
#include "sm_model_vehicle_kind.hpp"

namespace sm_model_vehicle_associated_fit_types {

namespace ch = sm_model_vehicle_characteristics;

using sonar_kind = sm_model_sonar_kind::model_kind;
using radar_kind = sm_model_radar_kind::model_kind;
using vehicle_kind = sm_model_vehicle_kind::model_kind;

using c600_type = sonar_kind;
using c601_type = sonar_kind;
using c602_type = sonar_kind;
using c603_type = sonar_kind;
using c604_type = sonar_kind;
using c605_type = sonar_kind;
using c606_type = sonar_kind;
using c607_type = sonar_kind;
using c608_type = sonar_kind;
using c609_type = sonar_kind;
using c610_type = radar_kind;
using c611_type = radar_kind;
using c612_type = radar_kind;
using c613_type = radar_kind;
using c614_type = radar_kind;
using c615_type = radar_kind;
using c616_type = radar_kind;
using c617_type = radar_kind;
using c618_type = radar_kind;
using c619_type = radar_kind;
using c620_type = vehicle_kind;
using c621_type = vehicle_kind;
using c622_type = vehicle_kind;
using c623_type = vehicle_kind;
using c624_type = vehicle_kind;
using c630_type = vehicle_kind;
using c631_type = vehicle_kind;
using c632_type = vehicle_kind;
using c633_type = vehicle_kind;
using c634_type = vehicle_kind;
using c650_type = csl_length::distance;
using homing_range = c650_type;
using c651_type = csl_angle::angle;
using search_half_beamwidth = c651_type;
using c652_type = csl_angle::angle;
using homing_half_beamwidth = c652_type;
using c653_type = csl_angle::angle;
using vertical_half_beamwidth = c653_type;
using c661_type = csl::ranged<std::uint16_t, 0, 9999>;  // whole seconds
using c670_type = csl_length::distance;
using cm_deployment_range = c670_type;
// The side a carried model is deployed from.
enum class c671_type : std::uint8_t { either_side = 0, astern = 1, ob_side = 2 };
// The field that stores it: any other byte is the range error.
using c671_field = csl::ranged_enum<c671_type, c671_type::either_side, c671_type::ob_side>;
using c675_type = csl::ranged<std::uint8_t, 0, 24>;

// The identity characteristics default to the unallocated kind of their module.
constexpr ch::identity<sonar_kind> sonar_identity(int number) {
  return {number, "sm_model_sonar_kind.model_kind", &sm_model_sonar_kind::unallocated,
          "sm_model_sonar_kind.unallocated"};
}
constexpr ch::identity<radar_kind> radar_identity(int number) {
  return {number, "sm_model_radar_kind.model_kind", &sm_model_radar_kind::unallocated,
          "sm_model_radar_kind.unallocated"};
}
constexpr ch::identity<vehicle_kind> vehicle_identity(int number) {
  return {number, "sm_model_vehicle_kind.model_kind", &sm_model_vehicle_kind::unallocated,
          "sm_model_vehicle_kind.unallocated"};
}

// ---- Descriptors, in start-up order: (min, max, default) ----

inline constinit ch::identity<sonar_kind> c600 = sonar_identity(600);
inline constinit ch::identity<sonar_kind> c601 = sonar_identity(601);
inline constinit ch::identity<sonar_kind> c602 = sonar_identity(602);
inline constinit ch::identity<sonar_kind> c603 = sonar_identity(603);
inline constinit ch::identity<sonar_kind> c604 = sonar_identity(604);
inline constinit ch::identity<sonar_kind> c605 = sonar_identity(605);
inline constinit ch::identity<sonar_kind> c606 = sonar_identity(606);
inline constinit ch::identity<sonar_kind> c607 = sonar_identity(607);
inline constinit ch::identity<sonar_kind> c608 = sonar_identity(608);
inline constinit ch::identity<sonar_kind> c609 = sonar_identity(609);
inline constinit ch::identity<radar_kind> c610 = radar_identity(610);
inline constinit ch::identity<radar_kind> c611 = radar_identity(611);
inline constinit ch::identity<radar_kind> c612 = radar_identity(612);
inline constinit ch::identity<radar_kind> c613 = radar_identity(613);
inline constinit ch::identity<radar_kind> c614 = radar_identity(614);
inline constinit ch::identity<radar_kind> c615 = radar_identity(615);
inline constinit ch::identity<radar_kind> c616 = radar_identity(616);
inline constinit ch::identity<radar_kind> c617 = radar_identity(617);
inline constinit ch::identity<radar_kind> c618 = radar_identity(618);
inline constinit ch::identity<radar_kind> c619 = radar_identity(619);
inline constinit ch::identity<vehicle_kind> c620 = vehicle_identity(620);
inline constinit ch::identity<vehicle_kind> c621 = vehicle_identity(621);
inline constinit ch::identity<vehicle_kind> c622 = vehicle_identity(622);
inline constinit ch::identity<vehicle_kind> c623 = vehicle_identity(623);
inline constinit ch::identity<vehicle_kind> c624 = vehicle_identity(624);
inline constinit ch::identity<vehicle_kind> c630 = vehicle_identity(630);
inline constinit ch::identity<vehicle_kind> c631 = vehicle_identity(631);
inline constinit ch::identity<vehicle_kind> c632 = vehicle_identity(632);
inline constinit ch::identity<vehicle_kind> c633 = vehicle_identity(633);
inline constinit ch::identity<vehicle_kind> c634 = vehicle_identity(634);
inline constinit ch::quantity<csl_length::distance, ch::image::yards> c650{
    {650, "homing_range"}, ch::yards(0), ch::yards(9999), ch::yards(0)};
inline constinit ch::quantity<csl_angle::angle, ch::image::degrees_360> c651{
    {651, "search_half_beamwidth"},
    ch::float_degrees(0),
    ch::float_degrees(99.9F),
    ch::float_degrees(0)};
inline constinit ch::quantity<csl_angle::angle, ch::image::degrees_360> c652{
    {652, "homing_half_beamwidth"},
    ch::float_degrees(0),
    ch::float_degrees(99.9F),
    ch::float_degrees(0)};
inline constinit ch::quantity<csl_angle::angle, ch::image::degrees_360> c653{
    {653, "vertical_half_beamwidth"},
    ch::float_degrees(0),
    ch::float_degrees(99.9F),
    ch::float_degrees(0)};
inline constinit ch::time<c661_type> c661{661, 0, 9999, 0};
inline constinit ch::quantity<csl_length::distance, ch::image::yards> c670{
    {670, "cm_deployment_range"}, ch::yards(0), ch::yards(9999), ch::yards(0)};
inline constinit ch::enumeration c671{671,
                                      {"either_side", "astern", "ob_side"},
                                      c671_type::either_side,
                                      c671_type::ob_side,
                                      c671_type::either_side};
inline constinit ch::integer<c675_type> c675{675, 0, 24, 0};

// Builds the bound images and the choice list and adds the rows to the catalogue.
void start_up();
bool started();

}  // namespace sm_model_vehicle_associated_fit_types
