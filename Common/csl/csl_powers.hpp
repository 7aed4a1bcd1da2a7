// Linear acoustic powers and power ratios, single precision, and their arithmetic.
#pragma once

#include "csl_quantity.hpp"
#include "csl_system_numbers.hpp"

namespace csl_powers {

using csl_system_numbers::system_float;

// Gives the quantity types below this namespace's operators.
struct scope;

using power = csl::unbounded_quantity<"csl_powers.power", scope>;
using power_factor = csl::unbounded_quantity<"csl_powers.power_factor", scope>;
// Working values of the module.
using intermediate_power = csl::unbounded_quantity<"csl_powers.intermediate_power", scope>;
using intermediate_power_factor =
    csl::unbounded_quantity<"csl_powers.intermediate_power_factor", scope>;

static_assert(sizeof(power) == 4 && sizeof(power_factor) == 4);
static_assert(sizeof(intermediate_power) == 4 && sizeof(intermediate_power_factor) == 4);

// Plain arithmetic; a result beyond the float32 range, or a division by zero, is
// "CSL_LEVEL_EXCEPTIONS.OUT_OF_RANGE".
power operator+(power left, power right);
power_factor operator*(power_factor left, power_factor right);
power operator*(power p, power_factor f);
power_factor operator/(power left, power right);
power_factor invert(power_factor f);

// The same number.
system_float value_of(power p);
system_float value_of(power_factor f);
power power_of(system_float x);
power_factor power_factor_of(system_float x);

}  // namespace csl_powers
