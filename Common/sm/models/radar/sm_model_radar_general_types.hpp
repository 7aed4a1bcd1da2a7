// General types of a radar model and the descriptors of its characteristics: the
// permanence, library number and issue of its library slot, its name and its
// four-digit reference number. The radar model kind is built from them.
#pragma once

#include <cstdint>
#include <string>

#include "csl_fixed_text.hpp"
#include "csl_ranged.hpp"
#include "sm_model_vehicle_characteristics.hpp"

namespace sm_model_radar_general_types {

namespace ch = sm_model_vehicle_characteristics;

// Whether a library slot holds a permanent or a temporary model (a 4-bit field).
enum class permanence : std::uint8_t { perm = 0, temp = 1 };
inline constexpr permanence permanence_default = permanence::temp;

// Radar libraries have 150 slots, numbered from 1.
using library_number = csl::ranged<std::int32_t, 1, 150>;
inline constexpr library_number library_number_default{1};

// 0 .. 255 in one byte: a wider value is the range error, not its low byte.
using issue = csl::ranged<std::uint8_t, 0, 255>;
inline constexpr issue issue_default = 0;

using e100_type = csl::fixed_text<20>;                  // the kind's name
using e102_type = csl::ranged<std::uint16_t, 0, 9999>;  // the kind's reference number

// ---- Descriptors, in start-up order: (min, max, default) ----
//
// Named items rather than numbered characteristics: the numbers of the vehicle
// record are the vehicle's own.

inline constinit ch::text<20> e100{"e100", "NONAME"};
inline constinit ch::integer<e102_type> e102{"e102", 0, 9999, 0};

// "PERM", "TEMP"; another value is the range error.
std::string permanence_image_of(permanence p);
// The integer images: " 0" .. " 255", " 0" .. " 9999".
std::string issue_image_of(issue i);
std::string e102_image_of(e102_type reference);

// The next issue; after 255 the numbering starts again at 0.
constexpr issue increment(issue i) {
  return i == 255 ? issue{0} : static_cast<issue>(i + 1);
}

// Builds e102's bound images and adds the rows to the catalogue.
void start_up();
bool started();

}  // namespace sm_model_radar_general_types
