// Types and descriptors of the turning and diving group: turning constants, bank
// angle, dive-angle and depth limits, the depth rate at zero dive angle, two times,
// and per propulsion mode the default dive angle and depth.
#pragma once

#include <cstdint>

#include "csl_angle.hpp"
#include "csl_length.hpp"
#include "csl_ranged.hpp"
#include "csl_velocity.hpp"
#include "sm_model_vehicle_characteristics.hpp"

namespace sm_model_vehicle_turning_diving_types {

namespace ch = sm_model_vehicle_characteristics;

using c400_type = csl::ranged<std::uint16_t, 0, 999>;  // seconds
using c401_type = float;
using turning_constant_1 = c401_type;
using c402_type = float;
using turning_constant_2 = c402_type;
using c403_type = float;
using angle_of_bank_or_heel = c403_type;
using c409_type = csl_angle::angle;
using default_dive_angle = c409_type;
using c410_type = csl_angle::angle;
using max_dive_angle = c410_type;
using c411_type = csl::ranged<std::uint16_t, 0, 999>;  // seconds
using c412_type = csl_length::position_vector;
using max_depth_height = c412_type;
using c413_type = csl_velocity::speed;
using zero_dive_angle_depth_rate = c413_type;
using c414_type = csl_length::position_vector;
using min_depth_height = c414_type;
using c415_type = csl_length::position_vector;
using default_depth = c415_type;

// ---- Descriptors, in start-up order: (min, max, default) ----

inline constinit ch::time<c400_type> c400{400, 0, 999, 10};
inline constinit ch::plain_real<c401_type, 4, 2> c401{
    {401, "turning_constant_1"}, 0.0F, 9999.99F, 3.0F};
inline constinit ch::plain_real<c402_type, 6, 4> c402{
    {402, "turning_constant_2"}, 0.0F, 1000000.0F, 0.4F};
inline constinit ch::plain_real<c403_type, 1, 5> c403{
    {403, "angle_of_bank_or_heel"}, 0.0F, 9.99998F, 0.0009F};
inline constinit ch::quantity<csl_angle::angle, ch::image::degrees_180> c409{
    {409, "default_dive_angle"}, ch::degrees(0), ch::degrees(90), ch::degrees(30)};
// Every item a copy of c409's, so c409 starts first.
inline constinit ch::quantity<csl_angle::angle, ch::image::degrees_180> c410{
    {410, "max_dive_angle"}, ch::min_of(c409), ch::max_of(c409), ch::default_of(c409)};
inline constinit ch::time<c411_type> c411{411, 0, 999, 10};
inline constinit ch::quantity<csl_length::position_vector> c412{
    {412, "max_depth_height"}, ch::yards(-33333), ch::yards(33333), ch::yards(0)};
inline constinit ch::quantity<csl_velocity::speed, ch::image::feet_per_second> c413{
    {413, "zero_dive_angle_depth_rate"},
    ch::metres_per_second(-30.18F),
    ch::metres_per_second(30.18F),
    ch::metres_per_second(0)};
inline constinit ch::quantity<csl_length::position_vector> c414{
    {414, "min_depth_height"}, ch::yards(-3333.3F), ch::yards(3333.3F), ch::yards(0)};
// Bounds copied from c414's, so c414 starts first.
inline constinit ch::quantity<csl_length::position_vector> c415{
    {415, "default_depth"}, ch::min_of(c414), ch::max_of(c414), ch::yards(0)};

// Builds the bound images and adds the rows to the catalogue.
void start_up();
bool started();

}  // namespace sm_model_vehicle_turning_diving_types
