// Base numbers of the support library and the integer image used everywhere.
#pragma once

#include <cstdint>
#include <string>

namespace csl_system_numbers {

using system_float = float;
using system_long_float = double;
using system_integer = std::int32_t;
using system_duration = float;

// Decimal digits preceded by a blank for zero or more, by "-" for negatives:
// 42 gives " 42", -7 gives "-7".
std::string image_of(std::int64_t value);

// Nearest whole number, halves away from zero.
std::int64_t round_to_integer(double value);

}  // namespace csl_system_numbers
