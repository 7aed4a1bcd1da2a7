// Percentages: a percentage p applied to a number x yields p / 100 * x.
#pragma once

#include <string>

#include "csl_quantity.hpp"
#include "csl_system_numbers.hpp"

namespace csl_statistical {

using csl_system_numbers::system_float;
using csl_system_numbers::system_integer;

// Gives the quantity types below this namespace's operators.
struct scope;

using percentage = csl::unbounded_quantity<"csl_statistical.percentage", scope>;

static_assert(sizeof(percentage) == 4);

inline constexpr percentage zero_percent{};

// p / 100 * x, single precision; a result beyond the float32 range is the range
// error.
system_float operator*(percentage p, system_float x);
system_float operator*(system_float x, percentage p);
system_float operator*(percentage p, system_integer n);
system_float operator*(system_integer n, percentage p);

// 6 characters, right-justified, one decimal: 50 gives "  50.0". A value whose
// image needs more room is the layout error.
std::string image_of(percentage p);

}  // namespace csl_statistical
