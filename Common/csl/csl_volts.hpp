// Linear voltages and voltage ratios, single precision, and the coefficients of
// adding two voltages with a phase difference.
#pragma once

#include <array>

#include "csl_quantity.hpp"
#include "csl_system_numbers.hpp"

namespace csl_volts {

using voltage = csl::quantity<"csl_volts.voltage">;
using voltage_factor = csl::quantity<"csl_volts.voltage_factor">;
// Working values of the module.
using intermediate_voltage = csl::quantity<"csl_volts.intermediate_voltage">;
using intermediate_voltage_factor = csl::quantity<"csl_volts.intermediate_voltage_factor">;

static_assert(sizeof(voltage) == 4 && sizeof(voltage_factor) == 4);
static_assert(sizeof(intermediate_voltage) == 4 && sizeof(intermediate_voltage_factor) == 4);

// One coefficient per 10 degrees of phase difference, 0 .. 180 degrees.
using coefficient_list = std::array<csl_system_numbers::system_float, 19>;

// The coefficients at 90 degrees: voltages of random phase add in power.
inline constexpr float powersum_factor = 0.041602243F;
inline constexpr float powersum_square_factor = 0.3826724F;

}  // namespace csl_volts
