// Types and descriptors of the auxiliary-machinery tonal (kind aux): its
// fundamental frequency and level, whether it runs continuously or in bursts and
// what sets it off, its two times, and per propulsion mode the machinery's loading.
#pragma once

#include <cstdint>

#include "csl_frequency.hpp"
#include "csl_levels.hpp"
#include "csl_ranged.hpp"
#include "csl_statistical.hpp"
#include "sm_model_vehicle_characteristics.hpp"

namespace sm_model_vehicle_nb_aux_int_types {

namespace ch = sm_model_vehicle_characteristics;

// Whole seconds.
using time_type = csl::ranged<std::uint16_t, 0, 9999>;

using c720_type = csl_frequency::offset;  // hertz
using aux_fundamental_freq = c720_type;
using c723_type = csl_levels::db;
enum class c725_type : std::uint8_t {
  continuous = 0,
  intermittent = 1,
  knee_ss = 2,
  fish_hook = 3
};
using c726_type = time_type;
using c727_type = time_type;
enum class c728_type : std::uint8_t { normal = 0, dive_surf = 1, turning = 2, accel = 3 };
// The fields that store them: any other byte is the range error.
using c725_field = csl::ranged_enum<c725_type, c725_type::continuous, c725_type::fish_hook>;
using c728_field = csl::ranged_enum<c728_type, c728_type::normal, c728_type::accel>;
using c783_type = csl_statistical::percentage;
using aux_loading = c783_type;

static_assert(sizeof(c725_type) == 1 && sizeof(c728_type) == 1);
static_assert(sizeof(c725_field) == 1 && sizeof(c728_field) == 1);

// ---- Descriptors, in start-up order: (min, max, default) ----

inline constinit ch::plain_real<c720_type, 4, 2> c720{
    {720, "aux_fundamental_freq"}, 0.0F, 9999.99F, 0.0F};
inline constinit ch::quantity<csl_levels::db> c723{723, ch::decibels(0.0F), ch::decibels(300.0F),
                                                   ch::decibels(0.0F)};
inline constinit ch::enumeration c725{725,
                                      {"continuous", "intermittent", "knee_ss", "fish_hook"},
                                      c725_type::continuous,
                                      c725_type::fish_hook,
                                      c725_type::continuous};
inline constinit ch::time<c726_type> c726{726, 0, 9999, 0};
inline constinit ch::time<c727_type> c727{727, 0, 9999, 0};
inline constinit ch::enumeration c728{728,
                                      {"normal", "dive_surf", "turning", "accel"},
                                      c728_type::normal,
                                      c728_type::accel,
                                      c728_type::normal};
inline constinit ch::plain_real<c783_type, 3, 0> c783{{783, "aux_loading"}, 0.0F, 999.0F, 0.0F};

// Builds the bound images and choice lists and adds the rows to the catalogue.
void start_up();
bool started();

}  // namespace sm_model_vehicle_nb_aux_int_types
