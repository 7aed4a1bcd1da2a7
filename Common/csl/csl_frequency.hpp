// Frequencies: acoustic frequencies in hertz, signed shifts of them, their rates of
// change, and radio frequencies.
#pragma once

#include "csl_quantity.hpp"

namespace csl_frequency {

// Hertz, -999.0 .. 200000.0.
using hertz = csl::quantity<"csl_frequency.hertz", csl::bound(-999.0F), csl::bound(200000.0F)>;
// A signed frequency shift in hertz.
using offset = csl::quantity<"csl_frequency.offset">;
// Hertz per second.
using hertz_rate = csl::quantity<"csl_frequency.hertz_rate">;
// A radio frequency; its images are written in MHz and GHz.
using giga_hertz = csl::quantity<"csl_frequency.giga_hertz">;

static_assert(sizeof(hertz) == 4 && sizeof(offset) == 4 && sizeof(hertz_rate) == 4);
static_assert(sizeof(giga_hertz) == 4);

}  // namespace csl_frequency
