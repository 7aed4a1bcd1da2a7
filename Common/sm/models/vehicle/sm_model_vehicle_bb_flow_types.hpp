// Types and descriptors of the broadband flow noise: per propulsion mode its level,
// the slopes below and above its two breakpoint frequencies and the breakpoints;
// for the vehicle the breakpoints' variation with speed, and the end-fire level
// and offset angle.
#pragma once

#include <cstdint>

#include "csl_angle.hpp"
#include "csl_levels.hpp"
#include "csl_ranged.hpp"
#include "sm_model_vehicle_characteristics.hpp"

namespace sm_model_vehicle_bb_flow_types {

namespace ch = sm_model_vehicle_characteristics;

using c510_type = csl_levels::db;
using c511_type = csl::ranged<std::uint8_t, 0, 99>;
using c512_type = csl::ranged<std::int8_t, -99, 0>;  // stored as a signed byte
using c513_type = float;                             // hertz
using flow_noise_lf_breakpoint_freq = c513_type;
using c514_type = csl::ranged<std::uint8_t, 0, 99>;
using c515_type = float;  // hertz
using flow_noise_hf_breakpoint_freq = c515_type;
using c516_type = csl::ranged<std::int8_t, -99, 0>;  // stored as a signed byte
using c517_type = float;
using flow_noise_freq_var_with_speed = c517_type;
using c583_type = csl_levels::db;
using c585_type = csl_angle::angle;
using flow_endfire_offset = c585_type;

// ---- Descriptors, in start-up order: (min, max, default) ----

inline constinit ch::quantity<csl_levels::db> c510{510, ch::decibels(-300), ch::decibels(300),
                                                   ch::decibels(0)};
inline constinit ch::integer<c511_type> c511{511, 0, 99, 10};
inline constinit ch::integer<c512_type> c512{512, -99, 0, 0};
// Frequencies are shown as whole hertz, without a point.
inline constinit ch::plain_real<c513_type, 5, 0> c513{
    {513, "flow_noise_lf_breakpoint_freq"}, 1.0F, 99999.0F, 50.0F};
inline constinit ch::integer<c514_type> c514{514, 0, 99, 1};
inline constinit ch::plain_real<c515_type, 5, 0> c515{
    {515, "flow_noise_hf_breakpoint_freq"}, 1000.0F, 99999.0F, 20000.0F};
inline constinit ch::integer<c516_type> c516{516, -99, 0, -9};
inline constinit ch::plain_real<c517_type, 4, 1> c517{
    {517, "flow_noise_freq_var_with_speed"}, 0.0F, 9999.9F, 0.1F};
inline constinit ch::quantity<csl_levels::db> c583{583, ch::decibels(-99), ch::decibels(99),
                                                   ch::decibels(1)};
inline constinit ch::quantity<csl_angle::angle, ch::image::degrees_360> c585{
    {585, "flow_endfire_offset"},
    ch::float_degrees(0),
    ch::float_degrees(90),
    ch::float_degrees(25)};

// Converts the levels and the angle, builds the bound images and adds the rows to
// the catalogue.
void start_up();
bool started();

}  // namespace sm_model_vehicle_bb_flow_types
