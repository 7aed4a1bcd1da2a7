// Types and descriptors of the broadband propeller noise: per propulsion mode its
// source level, the slopes below and above its two breakpoint frequencies, the
// breakpoints and the level's variation with pitch and depth; for the vehicle the
// level's response to speed, the breakpoints' variation with speed and depth, and
// the end-fire offset and levels.
#pragma once

#include <cstdint>

#include "csl_angle.hpp"
#include "csl_levels.hpp"
#include "csl_ranged.hpp"
#include "sm_model_vehicle_characteristics.hpp"

namespace sm_model_vehicle_bb_propeller_types {

namespace ch = sm_model_vehicle_characteristics;

using c520_type = csl_levels::db;
using c521_type = csl::ranged<std::uint16_t, 0, 999>;
using c522_type = csl::ranged<std::int8_t, -99, 0>;  // stored as a signed byte
using c525_type = float;
using source_level_slope_for_ccp = c525_type;
using c526_type = float;
using prop_level_speed_response = c526_type;
using c528_type = float;
using level_variation_with_depth = c528_type;
using c533_type = float;  // hertz
using prop_lf_break_point_freq = c533_type;
using c534_type = csl::ranged<std::uint8_t, 0, 99>;
using c535_type = float;  // hertz
using prop_hf_break_point_freq = c535_type;
using c536_type = csl::ranged<std::int8_t, -99, 0>;  // stored as a signed byte
using c537_type = float;
using prop_freq_var_with_speed = c537_type;
using c538_type = float;
using prop_freq_var_with_depth = c538_type;
using c587_type = csl_levels::db;
using c588_type = csl_levels::db;
using c589_type = csl_angle::angle;
using prop_endfire_offset = c589_type;

// ---- Descriptors, in start-up order: (min, max, default) ----

inline constinit ch::quantity<csl_levels::db> c520{520, ch::decibels(-300), ch::decibels(300),
                                                   ch::decibels(1)};
inline constinit ch::integer<c521_type> c521{521, 0, 999, 50};
inline constinit ch::integer<c522_type> c522{522, -99, 0, -5};
inline constinit ch::plain_real<c525_type, 3, 1> c525{
    {525, "source_level_slope_for_ccp"}, -99.9F, 99.9F, 0.0F};
inline constinit ch::plain_real<c526_type, 3, 1> c526{
    {526, "prop_level_speed_response"}, -99.9F, 99.9F, 1.0F};
inline constinit ch::plain_real<c528_type, 2, 4> c528{
    {528, "level_variation_with_depth"}, -9.9999F, 9.9999F, -0.01F};
// Frequencies are shown as whole hertz, without a point.
inline constinit ch::plain_real<c533_type, 5, 0> c533{
    {533, "prop_lf_break_point_freq"}, 10.0F, 99999.0F, 50.0F};
inline constinit ch::integer<c534_type> c534{534, 0, 99, 2};
inline constinit ch::plain_real<c535_type, 5, 0> c535{
    {535, "prop_hf_break_point_freq"}, 1000.0F, 99999.0F, 20000.0F};
inline constinit ch::integer<c536_type> c536{536, -99, 0, -9};
inline constinit ch::plain_real<c537_type, 6, 2> c537{
    {537, "prop_freq_var_with_speed"}, -99999.99F, 99999.99F, 0.1F};
inline constinit ch::plain_real<c538_type, 6, 2> c538{
    {538, "prop_freq_var_with_depth"}, -99999.99F, 99999.99F, 0.0F};
inline constinit ch::quantity<csl_levels::db> c587{587, ch::decibels(-99), ch::decibels(99),
                                                   ch::decibels(6)};
inline constinit ch::quantity<csl_levels::db> c588{588, ch::decibels(-99), ch::decibels(99),
                                                   ch::decibels(6)};
inline constinit ch::quantity<csl_angle::angle, ch::image::degrees_360> c589{
    {589, "prop_endfire_offset"},
    ch::float_degrees(0),
    ch::float_degrees(90),
    ch::float_degrees(15)};

// Converts the levels and the angle, builds the bound images and adds the rows to
// the catalogue.
void start_up();
bool started();

}  // namespace sm_model_vehicle_bb_propeller_types
