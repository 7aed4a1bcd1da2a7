// Types of the general group's characteristics: the vehicle's identity (permanence,
// qualifier, library number, name, class, issue) and its further general data.
#pragma once

#include <cstdint>

#include "csl_fixed_text.hpp"
#include "csl_ranged.hpp"

namespace sm_model_vehicle_general_types {

// Whether a library slot holds a permanent or a temporary model (a 4-bit field).
enum class permanence : std::uint8_t { perm = 0, temp = 1 };
inline constexpr permanence permanence_default = permanence::temp;

using c005_type = csl::ranged<std::uint16_t, 0, 99>;
using c100_type = csl::ranged<std::uint8_t, 0, 64>;
using library_number = csl::ranged<std::uint16_t, 0, 999>;
using c101_type = csl::fixed_text<12>;
using c102_type = csl::fixed_text<12>;
using c103_type = csl::fixed_text<8>;
using c104_type = csl::ranged<std::uint16_t, 0, 999>;
using c105_type = csl::ranged<std::uint16_t, 0, 999>;
using c106_type = csl::fixed_text<40>;
using c107_type = csl::ranged<std::uint16_t, 0, 99>;
using c109_type = csl::fixed_text<3>;
using issue = std::uint8_t;  // 0 .. 255: the whole byte
using c114_type = csl::ranged<std::uint16_t, 0, 799>;
using c115_type = csl::ranged<std::uint16_t, 0, 499>;

}  // namespace sm_model_vehicle_general_types
