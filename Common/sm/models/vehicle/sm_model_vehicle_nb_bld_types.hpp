// Types and descriptors of the blade-rate tonal (kind bld): three speed slopes
// with the two speed breakpoints between them, and a level.
#pragma once

#include "csl_levels.hpp"
#include "csl_velocity.hpp"
#include "sm_model_vehicle_characteristics.hpp"

namespace sm_model_vehicle_nb_bld_types {

namespace ch = sm_model_vehicle_characteristics;

using c713_type = csl_levels::db;
using c771_type = float;
using speed_slope_1 = c771_type;
using c772_type = csl_velocity::speed;
using speed_breakpoint_1 = c772_type;
using c773_type = float;
using speed_slope_2 = c773_type;
using c774_type = csl_velocity::speed;
using speed_breakpoint_2 = c774_type;
using c775_type = float;
using speed_slope_3 = c775_type;

// ---- Descriptors, in start-up order: (min, max, default) ----

inline constinit ch::quantity<csl_levels::db> c713{713, ch::decibels(-300.0F), ch::decibels(300.0F),
                                                   ch::decibels(0.0F)};
inline constinit ch::plain_real<c771_type, 3, 2> c771{
    {771, "speed_slope_1"}, -99.99F, 99.99F, 1.0F};
inline constinit ch::quantity<csl_velocity::speed> c772{
    {772, "speed_breakpoint_1"}, ch::knots(0.0F), ch::knots(999.9F), ch::knots(0.0F)};
inline constinit ch::plain_real<c773_type, 3, 2> c773{
    {773, "speed_slope_2"}, -99.99F, 99.99F, 0.0F};
inline constinit ch::quantity<csl_velocity::speed> c774{
    {774, "speed_breakpoint_2"}, ch::knots(0.0F), ch::knots(999.9F), ch::knots(0.0F)};
inline constinit ch::plain_real<c775_type, 3, 2> c775{
    {775, "speed_slope_3"}, -99.99F, 99.99F, 0.0F};

// Builds the bound images and adds the rows to the catalogue.
void start_up();
bool started();

}  // namespace sm_model_vehicle_nb_bld_types
