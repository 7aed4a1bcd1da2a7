// Types and descriptors of the physical group: dimensions and depths, towed-body
// and helicopter-pad geometry, shore and aspect angles, levels, and per propulsion
// mode the shaft count and two levels.
#pragma once

#include <cstdint>

#include "csl_angle.hpp"
#include "csl_length.hpp"
#include "csl_levels.hpp"
#include "csl_ranged.hpp"
#include "sm_model_vehicle_characteristics.hpp"

namespace sm_model_vehicle_physical_types {

namespace ch = sm_model_vehicle_characteristics;

using c200_type = csl_length::distance;
using length = c200_type;
using c201_type = csl_length::position_vector;
using keel_depth = c201_type;
using c202_type = csl_length::position_vector;
using periscope_depth = c202_type;
using c203_type = csl_length::distance;
using vehicle_height = c203_type;
using c204_type = csl::ranged<std::uint8_t, 0, 4>;  // the range of a shaft number
using c205_type = csl::ranged<std::uint8_t, 2, 99>;
using c206_type = csl_length::distance;
using bearing_spread_length = c206_type;
using c209_type = csl_length::distance;
using towed_length = c209_type;
using c210_type = float;
using towed_depth_factor = c210_type;
using c215_type = csl_length::distance;
using vehicle_width = c215_type;
using c216_type = csl_length::position_vector;
using heli_pad_port_offset = c216_type;
using c217_type = csl_length::position_vector;
using heli_pad_stern_offset = c217_type;
using c218_type = csl_length::position_vector;
using heli_pad_height_offset = c218_type;
using c220_type = csl_angle::angle;
using island_shore_gradient = c220_type;
using c257_type = csl_levels::db;
using c258_type = csl_levels::db;
using c259_type = csl_angle::angle;
using first_aspect_offset = c259_type;
using c260_type = csl_levels::db;
using c261_type = csl_levels::db;
using c277_type = csl_levels::db;
using c278_type = csl_levels::db;  // stored widened to 32 bits

// ---- Descriptors, in start-up order: (min, max, default) ----

inline constinit ch::quantity<csl_length::distance> c200{
    {200, "length"}, ch::yards(0), ch::yards(33333), ch::yards(50)};
// Depths below the surface are negative: the bounds admit nothing above it.
inline constinit ch::quantity<csl_length::position_vector> c201{
    {201, "keel_depth"}, ch::yards(-333.3F), ch::yards(0), ch::yards(0)};
inline constinit ch::quantity<csl_length::position_vector> c202{
    {202, "periscope_depth"}, ch::yards(-3333), ch::yards(0), ch::yards(0)};
inline constinit ch::quantity<csl_length::distance> c203{
    {203, "vehicle_height"}, ch::yards(0), ch::yards(3333.3F), ch::yards(50)};
inline constinit ch::integer<c204_type> c204{204, 0, 4, 0};
inline constinit ch::integer<c205_type> c205{205, 2, 99, 3};
inline constinit ch::quantity<csl_length::distance> c206{
    {206, "bearing_spread_length"}, ch::yards(0), ch::yards(33333), ch::yards(0)};
inline constinit ch::quantity<csl_length::distance> c209{
    {209, "towed_length"}, ch::yards(0), ch::yards(3333), ch::yards(0)};
inline constinit ch::plain_real<c210_type, 3, 1> c210{
    {210, "towed_depth_factor"}, 0.0F, 100.0F, 10.0F};
inline constinit ch::quantity<csl_length::distance> c215{
    {215, "vehicle_width"}, ch::yards(0), ch::yards(33333), ch::yards(10)};
inline constinit ch::quantity<csl_length::position_vector> c216{
    {216, "heli_pad_port_offset"}, ch::yards(0), ch::yards(33333), ch::yards(0)};
inline constinit ch::quantity<csl_length::position_vector> c217{
    {217, "heli_pad_stern_offset"}, ch::yards(0), ch::yards(33333), ch::yards(0)};
inline constinit ch::quantity<csl_length::position_vector> c218{
    {218, "heli_pad_height_offset"}, ch::yards(0), ch::yards(33333), ch::yards(0)};
inline constinit ch::quantity<csl_angle::angle, ch::image::degrees_360> c220{
    {220, "island_shore_gradient"},
    ch::float_degrees(0),
    ch::float_degrees(90),
    ch::float_degrees(45)};
inline constinit ch::quantity<csl_levels::db> c257{257, ch::decibels(-300), ch::decibels(300),
                                                   ch::decibels(20)};
inline constinit ch::quantity<csl_levels::db> c258{258, ch::decibels(0), ch::decibels(99),
                                                   ch::decibels(10)};
inline constinit ch::quantity<csl_angle::angle, ch::image::degrees_360> c259{
    {259, "first_aspect_offset"},
    ch::float_degrees(0),
    ch::float_degrees(90),
    ch::float_degrees(25)};
inline constinit ch::quantity<csl_levels::db> c260{260, ch::decibels(0), ch::decibels(300),
                                                   ch::decibels(0)};
inline constinit ch::quantity<csl_levels::db> c261{261, ch::decibels(0), ch::decibels(300),
                                                   ch::decibels(0)};
inline constinit ch::quantity<csl_levels::db> c277{277, ch::decibels(-300), ch::decibels(300),
                                                   ch::decibels(20)};
inline constinit ch::quantity<csl_levels::db> c278{278, ch::decibels(-300), ch::decibels(300),
                                                   ch::decibels(0)};

// Converts defaults and bounds, builds the bound images and adds the rows to the
// catalogue.
void start_up();
bool started();

}  // namespace sm_model_vehicle_physical_types
