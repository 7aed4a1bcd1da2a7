// Linear acoustic powers and power ratios, single precision.
#pragma once

#include "csl_quantity.hpp"

namespace csl_powers {

using power = csl::quantity<"csl_powers.power">;
using power_factor = csl::quantity<"csl_powers.power_factor">;
// Working values of the module.
using intermediate_power = csl::quantity<"csl_powers.intermediate_power">;
using intermediate_power_factor = csl::quantity<"csl_powers.intermediate_power_factor">;

static_assert(sizeof(power) == 4 && sizeof(power_factor) == 4);
static_assert(sizeof(intermediate_power) == 4 && sizeof(intermediate_power_factor) == 4);

}  // namespace csl_powers
