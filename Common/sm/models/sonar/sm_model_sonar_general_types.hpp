// General types of a sonar model and the descriptors of its characteristics: the
// permanence and issue of its library slot, its name and description, its library
// number and three further characteristics. The sonar model kind is built from
// them.
#pragma once

#include <cstdint>
#include <string>

#include "csl_fixed_text.hpp"
#include "csl_frequency.hpp"
#include "csl_ranged.hpp"
#include "sm_model_vehicle_characteristics.hpp"

namespace sm_model_sonar_general_types {

namespace ch = sm_model_vehicle_characteristics;

// Whether a library slot holds a permanent or a temporary model (a 4-bit field).
enum class permanence : std::uint8_t { perm = 0, temp = 1 };
inline constexpr permanence permanence_default = permanence::temp;

// 0 .. 255 in one byte: a wider value is the range error, not its low byte.
using issue = csl::ranged<std::uint8_t, 0, 255>;
inline constexpr issue issue_default = 0;

using a100_type = csl::fixed_text<12>;  // the kind's name
using a101_type = csl::fixed_text<40>;
using a102_type = csl::ranged<std::uint16_t, 0, 999>;  // the kind's library number
using a110_type = csl::ranged<std::uint8_t, 1, 8>;
using a120_type = csl::ranged<std::int32_t, 1, 18>;
using a130_type = csl_frequency::offset;  // hertz
using base_freq = a130_type;

// ---- Descriptors, in start-up order: (min, max, default) ----
//
// Named items rather than numbered characteristics: the numbers of the vehicle
// record are the vehicle's own.

inline constinit ch::text<12> a100{"a100", "NONAME"};
inline constinit ch::text<40> a101{"a101", "UNKNOWN"};
inline constinit ch::integer<a102_type> a102{"a102", 0, 999, 0};
inline constinit ch::integer<a110_type> a110{"a110", 1, 8, 1};
inline constinit ch::integer<a120_type> a120{"a120", 1, 18, 1};
inline constinit ch::plain_real<a130_type, 6, 2> a130{"a130", 1.0F, 100000.0F, 1.0F};

// "PERM", "TEMP"; another value is the range error.
std::string permanence_image_of(permanence p);
// The integer image: " 0" .. " 255".
std::string issue_image_of(issue i);

// The next issue; after 255 the numbering starts again at 0.
constexpr issue increment(issue i) {
  return i == 255 ? issue{0} : static_cast<issue>(i + 1);
}

// Builds the bound images of a102, a110, a120 and a130 and adds the rows to the
// catalogue.
void start_up();
bool started();

}  // namespace sm_model_sonar_general_types
