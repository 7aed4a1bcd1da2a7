// Linear voltages and voltage ratios, single precision, their arithmetic, and the
// sum of two voltages with a phase difference between them.
#pragma once

#include <array>
#include <concepts>

#include "csl_angle.hpp"
#include "csl_quantity.hpp"
#include "csl_system_numbers.hpp"

namespace csl_volts {

using csl_system_numbers::system_float;
using csl_system_numbers::system_integer;

// Gives the quantity types below this namespace's operators.
struct scope;

using voltage = csl::unbounded_quantity<"csl_volts.voltage", scope>;
using voltage_factor = csl::unbounded_quantity<"csl_volts.voltage_factor", scope>;
// Working values of the module.
using intermediate_voltage = csl::unbounded_quantity<"csl_volts.intermediate_voltage", scope>;
using intermediate_voltage_factor =
    csl::unbounded_quantity<"csl_volts.intermediate_voltage_factor", scope>;

static_assert(sizeof(voltage) == 4 && sizeof(voltage_factor) == 4);
static_assert(sizeof(intermediate_voltage) == 4 && sizeof(intermediate_voltage_factor) == 4);

// One coefficient per 10 degrees of phase difference, 0 .. 180 degrees.
using coefficient_list = std::array<system_float, 19>;

// The coefficients at 90 degrees: voltages of random phase add in power.
inline constexpr float powersum_factor = 0.041602243F;
inline constexpr float powersum_square_factor = 0.3826724F;

// Two voltages e >= f with a phase difference of 10 i degrees add up to
// e + add_volt_factor[i] * f + add_volt_square_factor[i] * f^2 / e.
inline constexpr coefficient_list add_volt_factor{
    1.0F,       0.986721F,  0.947099F,  0.881775F,  0.791822F,  0.678752F,  0.544524F,
    0.391562F,  0.222777F,  0.041602F,  -0.147954F, -0.341222F, -0.532734F, -0.715985F,
    -0.882985F, -1.023335F, -1.121953F, -1.151679F, -1.0F};
inline constexpr coefficient_list add_volt_square_factor{
    0.0F,      0.005951F, 0.023623F, 0.052476F, 0.091602F, 0.139721F, 0.195168F,
    0.255878F, 0.319361F, 0.382672F, 0.442368F, 0.494439F, 0.534213F, 0.556189F,
    0.553743F, 0.518516F, 0.438929F, 0.295106F, 0.0F};

// The sum in power of two voltages; 0 when the larger is 0 or less.
voltage powersum(voltage left, voltage right);
// The sum with the phase difference to the nearest 10 degrees; 0 when the larger
// is 0 or less.
voltage add_voltage(voltage left, voltage right, csl_angle::angle phase_difference);

// Plain arithmetic; a result beyond the float32 range, or a division by zero, is
// "CSL_LEVEL_EXCEPTIONS.OUT_OF_RANGE", as is a sum above that cannot be represented.
voltage_factor operator*(voltage_factor left, voltage_factor right);
voltage operator*(voltage v, voltage_factor f);
voltage_factor operator/(voltage left, voltage right);
voltage_factor invert(voltage_factor f);

// The same number.
system_float value_of(voltage v);
system_float value_of(voltage_factor f);
voltage voltage_of(system_float x);
voltage voltage_of(system_integer n);
voltage_factor voltage_factor_of(system_float x);
// value_of<system_integer>(v): the nearest integer, halves away from zero; beyond
// 32 bits "CSL_LEVEL_EXCEPTIONS.OUT_OF_RANGE".
template <class Result>
requires std::same_as<Result, system_integer> Result value_of(voltage v);

}  // namespace csl_volts
