// Percentages: a percentage p applied to a number x yields p / 100 * x.
#pragma once

#include "csl_quantity.hpp"

namespace csl_statistical {

using percentage = csl::quantity<"csl_statistical.percentage">;

static_assert(sizeof(percentage) == 4);

inline constexpr percentage zero_percent{};

}  // namespace csl_statistical
