// Types and descriptors of the flow-induced tonal (kind fir): its fundamental
// frequency and frequency offset, the speeds between which it sounds, its level,
// and per propulsion mode the flow loading.
#pragma once

#include "csl_frequency.hpp"
#include "csl_levels.hpp"
#include "csl_statistical.hpp"
#include "csl_velocity.hpp"
#include "sm_model_vehicle_characteristics.hpp"

namespace sm_model_vehicle_nb_fir_types {

namespace ch = sm_model_vehicle_characteristics;

using c730_type = csl_frequency::offset;  // hertz
using flow_fundamental_freq = c730_type;
using c731_type = csl_statistical::percentage;
using flow_freq_offset = c731_type;
using c733_type = csl_levels::db;
using c736_type = csl_velocity::speed;
using flow_min_speed = c736_type;
using c737_type = csl_velocity::speed;
using flow_max_speed = c737_type;
using c784_type = float;
using flow_loading = c784_type;

// ---- Descriptors, in start-up order: (min, max, default) ----

inline constinit ch::plain_real<c730_type, 4, 2> c730{
    {730, "flow_fundamental_freq"}, 0.0F, 9999.99F, 0.0F};
inline constinit ch::plain_real<c731_type, 2, 1> c731{
    {731, "flow_freq_offset"}, 0.0F, 99.99F, 0.0F};
// 511.8 dB is stored as the nearest count of 1/64 dB, 32755, which reads back as
// 511.796875 dB.
inline constinit ch::quantity<csl_levels::db> c733{733, ch::decibels(0.0F), ch::decibels(511.8F),
                                                   ch::decibels(0.0F)};
inline constinit ch::quantity<csl_velocity::speed> c736{
    {736, "flow_min_speed"}, ch::knots(0.0F), ch::knots(99.9F), ch::knots(0.0F)};
inline constinit ch::quantity<csl_velocity::speed> c737{
    {737, "flow_max_speed"}, ch::knots(0.0F), ch::knots(99.9F), ch::knots(0.0F)};
inline constinit ch::plain_real<c784_type, 3, 0> c784{{784, "flow_loading"}, 0.0F, 999.0F, 0.0F};

// Builds the bound images and adds the rows to the catalogue.
void start_up();
bool started();

}  // namespace sm_model_vehicle_nb_fir_types
