// Types and descriptors of the speed group: per propulsion mode the propeller-speed
// to vehicle-speed relation, its breakpoints, the propeller kind and three times;
// for the whole vehicle the speed reductions and four further times.
#pragma once

#include <cstdint>

#include "csl_angle_rate.hpp"
#include "csl_ranged.hpp"
#include "csl_velocity.hpp"
#include "sm_model_vehicle_characteristics.hpp"

namespace sm_model_vehicle_speed_types {

namespace ch = sm_model_vehicle_characteristics;

// Whole seconds.
using time_type = csl::ranged<std::uint16_t, 0, 999>;

using c420_type = csl_angle_rate::rate;
using max_rpm = c420_type;
using c421_type = time_type;
using c422_type = time_type;
using c423_type = time_type;
using c429_type = csl_velocity::speed;
using default_speed = c429_type;
using c430_type = csl_velocity::speed;
using max_speed = c430_type;
using c431_type = float;
using speed_reduction_due_to_turning = c431_type;
using c432_type = float;
using speed_reduction_due_to_diving = c432_type;
using c433_type = float;
using speed_reduction_due_to_wind = c433_type;
using c434_type = time_type;
using c435_type = time_type;
using c436_type = time_type;
using c437_type = time_type;
// The propeller: fixed pitch or controllable pitch.
enum class c440_type : std::uint8_t { fixed = 0, cpp = 1 };
// The field that stores it: any other byte is the range error.
using c440_field = csl::ranged_enum<c440_type, c440_type::fixed, c440_type::cpp>;
using c441_type = float;
using rpm_speed_slope_one = c441_type;
using c442_type = csl_velocity::speed;
using slope_one_two_changeover_speed = c442_type;
using c443_type = float;
using rpm_speed_slope_two = c443_type;
using c444_type = csl_angle_rate::rate;
using zero_speed_rpm_for_ccp = c444_type;
using c445_type = float;
using rpm_speed_slope_3_ccp = c445_type;
using c446_type = csl_velocity::speed;
using slope_three_one_changeover = c446_type;

// ---- Descriptors, in start-up order: (min, max, default) ----

inline constinit ch::quantity<csl_angle_rate::rate> c420{
    {420, "max_rpm"}, ch::rpm(0), ch::rpm(99999), ch::rpm(250)};
inline constinit ch::time<c421_type> c421{421, 0, 999, 99};
inline constinit ch::time<c422_type> c422{422, 0, 999, 99};
inline constinit ch::time<c423_type> c423{423, 0, 999, 99};
inline constinit ch::quantity<csl_velocity::speed> c429{
    {429, "default_speed"}, ch::knots(0), ch::knots(9999.99F), ch::knots(0)};
// Copies of c429's items, so c429 starts first.
inline constinit ch::quantity<csl_velocity::speed> c430{
    {430, "max_speed"}, ch::min_of(c429), ch::max_of(c429), ch::max_of(c429)};
inline constinit ch::plain_real<c431_type, 1, 3> c431{
    {431, "speed_reduction_due_to_turning"}, 0.0F, 9.999F, 0.0F};
inline constinit ch::plain_real<c432_type, 1, 3> c432{
    {432, "speed_reduction_due_to_diving"}, 0.0F, 9.999F, 0.0F};
inline constinit ch::plain_real<c433_type, 3, 2> c433{
    {433, "speed_reduction_due_to_wind"}, 0.0F, 999.99F, 0.0F};
inline constinit ch::time<c434_type> c434{434, 0, 999, 100};
inline constinit ch::time<c435_type> c435{435, 0, 999, 200};
inline constinit ch::time<c436_type> c436{436, 0, 999, 150};
inline constinit ch::time<c437_type> c437{437, 0, 999, 3};
inline constinit ch::enumeration c440{
    440, {"fixed", "cpp"}, c440_type::fixed, c440_type::cpp, c440_type::fixed};
inline constinit ch::plain_real<c441_type, 3, 2> c441{
    {441, "rpm_speed_slope_one"}, 0.0F, 999.99F, 5.0F};
// Bounds copied from c430's, so c430 starts first.
inline constinit ch::quantity<csl_velocity::speed> c442{
    {442, "slope_one_two_changeover_speed"}, ch::min_of(c430), ch::max_of(c430), ch::knots(0)};
inline constinit ch::plain_real<c443_type, 3, 2> c443{
    {443, "rpm_speed_slope_two"}, 0.0F, 999.99F, 10.0F};
inline constinit ch::quantity<csl_angle_rate::rate> c444{
    {444, "zero_speed_rpm_for_ccp"}, ch::rpm(0), ch::rpm(999), ch::rpm(80)};
inline constinit ch::plain_real<c445_type, 5, 2> c445{
    {445, "rpm_speed_slope_3_ccp"}, -9999.99F, 9999.99F, 0.0F};
inline constinit ch::quantity<csl_velocity::speed> c446{
    {446, "slope_three_one_changeover"}, ch::knots(2), ch::knots(999), ch::knots(10)};

// Builds the bound images and the choice list and adds the rows to the catalogue.
void start_up();
bool started();

}  // namespace sm_model_vehicle_speed_types
