// Types and descriptors of the broadband aural effects: per aural effect and per
// propulsion mode two times, a count, a frequency factor, two levels, a signed
// offset, two further counts, a label, and the tonal series the effect sounds on.
#pragma once

#include <cstdint>

#include "csl_fixed_text.hpp"
#include "csl_levels.hpp"
#include "csl_ranged.hpp"
#include "sm_model_vehicle_characteristics.hpp"

namespace sm_model_vehicle_bb_aural_types {

namespace ch = sm_model_vehicle_characteristics;

// An aural effect number, 1 .. 3.
using aural_effect_index_type = csl::ranged<std::uint8_t, 1, 3>;

// Whole seconds.
using time_type = csl::ranged<std::uint16_t, 0, 9999>;

using c560_type = time_type;
using c561_type = time_type;
using c562_type = csl::ranged<std::uint8_t, 0, 20>;
using c563_type = float;
using frequency_factor = c563_type;
using c564_type = csl_levels::db;
using c565_type = csl::ranged<std::int8_t, -99, 99>;
using c566_type = csl::ranged<std::uint16_t, 0, 999>;
using c567_type = csl::ranged<std::uint16_t, 0, 9999>;
using c568_type = csl::fixed_text<12>;
using c570_type = csl::ranged<std::uint8_t, 0, 99>;
// A tonal series number, or 0 for none: stored in one byte.
using c572_type = csl::ranged<std::uint8_t, 0, 40>;
using c573_type = csl::ranged<std::uint8_t, 0, 10>;
using c574_type = csl_levels::db;

// ---- Descriptors, in start-up order: (min, max, default) ----

inline constinit ch::time<c560_type> c560{560, 0, 9999, 0};
inline constinit ch::time<c561_type> c561{561, 0, 9999, 0};
inline constinit ch::integer<c562_type> c562{562, 0, 20, 0};
inline constinit ch::plain_real<c563_type, 4, 1> c563{
    {563, "frequency_factor"}, 0.0F, 9999.9F, 0.0F};
inline constinit ch::quantity<csl_levels::db> c564{564, ch::decibels(-300), ch::decibels(300),
                                                   ch::decibels(0)};
inline constinit ch::integer<c565_type> c565{565, -99, 99, 0};
inline constinit ch::integer<c566_type> c566{566, 0, 999, 0};
inline constinit ch::integer<c567_type> c567{567, 0, 9999, 0};
inline constinit ch::text<12> c568{568, "NONAME"};
inline constinit ch::integer<c570_type> c570{570, 0, 99, 0};
inline constinit ch::integer<c572_type> c572{572, 0, 40, 0};
inline constinit ch::integer<c573_type> c573{573, 0, 10, 0};
inline constinit ch::quantity<csl_levels::db> c574{574, ch::decibels(-300), ch::decibels(300),
                                                   ch::decibels(0)};

// Converts the levels, builds the bound images and adds the rows to the catalogue.
void start_up();
bool started();

}  // namespace sm_model_vehicle_bb_aural_types
