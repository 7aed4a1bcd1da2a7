// Types and descriptors of what the shaft-rate tonals (spd and bld) share: per
// propulsion mode the ratio of the fundamental to the shaft rate, and whether the
// line comes from one shaft or several.
#pragma once

#include <cstdint>

#include "csl_ranged.hpp"
#include "sm_model_vehicle_characteristics.hpp"

namespace sm_model_vehicle_nb_spd_bld_types {

namespace ch = sm_model_vehicle_characteristics;

enum class c712_type : std::uint8_t { single_shaft = 0, multi_shaft = 1 };
// The field that stores it: any other byte is the range error.
using c712_field = csl::ranged_enum<c712_type, c712_type::single_shaft, c712_type::multi_shaft>;
using c782_type = float;
using ratio_of_fundamental_with_shaft_rate = c782_type;

static_assert(sizeof(c712_type) == 1 && sizeof(c712_field) == 1);

// ---- Descriptors, in start-up order: (min, max, default) ----

inline constinit ch::enumeration c712{712,
                                      {"single_shaft", "multi_shaft"},
                                      c712_type::single_shaft,
                                      c712_type::multi_shaft,
                                      c712_type::single_shaft};
inline constinit ch::plain_real<c782_type, 3, 3> c782{
    {782, "ratio_of_fundamental_with_shaft_rate"}, 0.0F, 999.999F, 0.0F};

// Builds the bound images and the choice list and adds the rows to the catalogue.
void start_up();
bool started();

}  // namespace sm_model_vehicle_nb_spd_bld_types
