// Types and descriptors of the shaft-rate tonal (kind spd): its level and a
// second level constant.
#pragma once

#include "csl_levels.hpp"
#include "sm_model_vehicle_characteristics.hpp"

namespace sm_model_vehicle_nb_spd_types {

namespace ch = sm_model_vehicle_characteristics;

using c780_type = csl_levels::db;
using c781_type = float;
using nb_level_const_2 = c781_type;

// ---- Descriptors, in start-up order: (min, max, default) ----

inline constinit ch::quantity<csl_levels::db> c780{780, ch::decibels(-300.0F), ch::decibels(300.0F),
                                                   ch::decibels(0.0F)};
inline constinit ch::plain_real<c781_type, 2, 5> c781{
    {781, "nb_level_const_2"}, -9.99998F, 9.99998F, 0.0F};

// Builds the bound images and adds the rows to the catalogue.
void start_up();
bool started();

}  // namespace sm_model_vehicle_nb_spd_types
