// Types and descriptors of the broadband machinery noise: per propulsion mode its
// level, the slopes below and above its two breakpoint frequencies and the
// breakpoints; for the vehicle the end-fire level and aspect offset.
#pragma once

#include <cstdint>

#include "csl_angle.hpp"
#include "csl_levels.hpp"
#include "csl_ranged.hpp"
#include "sm_model_vehicle_characteristics.hpp"

namespace sm_model_vehicle_bb_machinery_types {

namespace ch = sm_model_vehicle_characteristics;

using c500_type = csl_levels::db;
using c501_type = csl::ranged<std::uint8_t, 0, 99>;
using c502_type = csl::ranged<std::int8_t, -99, 0>;  // stored as a signed byte
using c503_type = float;                             // hertz
using machinery_lf_breakpoint_freq = c503_type;
using c504_type = csl::ranged<std::uint8_t, 0, 99>;
using c505_type = float;  // hertz
using machinery_hf_breakpoint_frequency = c505_type;
using c506_type = csl::ranged<std::int8_t, -99, 0>;  // stored as a signed byte
using c580_type = csl_levels::db;
using c582_type = csl_angle::angle;
using machinery_endfire_aspect_offset = c582_type;

// ---- Descriptors, in start-up order: (min, max, default) ----

inline constinit ch::quantity<csl_levels::db> c500{500, ch::decibels(-300), ch::decibels(300),
                                                   ch::decibels(10)};
inline constinit ch::integer<c501_type> c501{501, 0, 99, 0};
inline constinit ch::integer<c502_type> c502{502, -99, 0, -5};
// Frequencies are shown as whole hertz, without a point.
inline constinit ch::plain_real<c503_type, 5, 0> c503{
    {503, "machinery_lf_breakpoint_freq"}, 10.0F, 99999.0F, 50.0F};
inline constinit ch::integer<c504_type> c504{504, 0, 99, 1};
inline constinit ch::plain_real<c505_type, 5, 0> c505{
    {505, "machinery_hf_breakpoint_frequency"}, 1000.0F, 99999.0F, 20000.0F};
inline constinit ch::integer<c506_type> c506{506, -99, 0, -9};
inline constinit ch::quantity<csl_levels::db> c580{580, ch::decibels(-99), ch::decibels(99),
                                                   ch::decibels(-1)};
inline constinit ch::quantity<csl_angle::angle, ch::image::degrees_360> c582{
    {582, "machinery_endfire_aspect_offset"},
    ch::float_degrees(0),
    ch::float_degrees(90),
    ch::float_degrees(15)};

// Converts the levels and the angle, builds the bound images and adds the rows to
// the catalogue.
void start_up();
bool started();

}  // namespace sm_model_vehicle_bb_machinery_types
