// Types and descriptors of the broadband propeller modulation: per propulsion mode
// the cavitation-inception speed and its variation with depth, the two modulation
// speeds and slopes, the depth of modulation, the changeover speed and two levels;
// for the vehicle the nominal shaft asynchrony.
#pragma once

#include "csl_levels.hpp"
#include "csl_statistical.hpp"
#include "csl_velocity.hpp"
#include "sm_model_vehicle_characteristics.hpp"

namespace sm_model_vehicle_bb_propeller_modulation_types {

namespace ch = sm_model_vehicle_characteristics;

using c523_type = csl_velocity::speed;
using cavitation_inception_speed_ucis = c523_type;
using c524_type = float;
using variation_of_ucis_with_depth = c524_type;
using c540_type = csl_velocity::speed;
using prop_mod_speed_um1 = c540_type;
using c541_type = csl_velocity::speed;
using prop_mod_speed_um2 = c541_type;
using c542_type = float;
using prop_mod_slope_km1 = c542_type;
using c543_type = float;
using prop_mode_slope_km2 = c543_type;
using c544_type = csl_statistical::percentage;
using depth_of_modulation_against_depth = c544_type;
using c545_type = float;
using max_depth_of_modulation = c545_type;
using c546_type = float;
using nominal_shaft_asyncron = c546_type;
using c550_type = csl_velocity::speed;
using speed_changeover = c550_type;
using c551_type = csl_levels::db;
using c552_type = csl_levels::db;

// ---- Descriptors, in start-up order: (min, max, default) ----

inline constinit ch::quantity<csl_velocity::speed> c523{
    {523, "cavitation_inception_speed_ucis"}, ch::knots(0), ch::knots(99.99F), ch::knots(12)};
inline constinit ch::plain_real<c524_type, 1, 3> c524{
    {524, "variation_of_ucis_with_depth"}, 0.0F, 9.999F, 0.0F};
inline constinit ch::quantity<csl_velocity::speed> c540{
    {540, "prop_mod_speed_um1"}, ch::knots(0), ch::knots(99.99F), ch::knots(9)};
inline constinit ch::quantity<csl_velocity::speed> c541{
    {541, "prop_mod_speed_um2"}, ch::knots(0), ch::knots(99.99F), ch::knots(30)};
inline constinit ch::plain_real<c542_type, 3, 1> c542{
    {542, "prop_mod_slope_km1"}, -99.9F, 99.9F, -1.0F};
inline constinit ch::plain_real<c543_type, 3, 1> c543{
    {543, "prop_mode_slope_km2"}, -99.9F, 99.9F, -30.0F};
inline constinit ch::plain_real<c544_type, 3, 1> c544{
    {544, "depth_of_modulation_against_depth"}, 0.0F, 999.0F, 0.0F};
inline constinit ch::plain_real<c545_type, 3, 1> c545{
    {545, "max_depth_of_modulation"}, 0.0F, 999.0F, 0.0F};
inline constinit ch::plain_real<c546_type, 2, 1> c546{
    {546, "nominal_shaft_asyncron"}, 0.0F, 99.9F, 5.0F};
// The default is the minimum, copied once the minimum is computed.
inline constinit ch::quantity<csl_velocity::speed> c550{
    {550, "speed_changeover"}, ch::knots(0), ch::knots(9999.9F), ch::min_of(c550)};
inline constinit ch::quantity<csl_levels::db> c551{551, ch::decibels(-99), ch::decibels(99),
                                                   ch::decibels(0)};
inline constinit ch::quantity<csl_levels::db> c552{552, ch::decibels(-99), ch::decibels(99),
                                                   ch::decibels(0)};

// Converts the speeds and levels, builds the bound images and adds the rows to the
// catalogue.
void start_up();
bool started();

}  // namespace sm_model_vehicle_bb_propeller_modulation_types
