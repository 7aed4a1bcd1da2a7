// Types and descriptors of the general group's characteristics: the vehicle's
// identity (permanence, qualifier, library number, name, class, issue) and its
// further general data. The identity items are also the vehicle kind's.
#pragma once

#include <cstdint>
#include <string>

#include "csl_fixed_text.hpp"
#include "csl_ranged.hpp"
#include "sm_model_vehicle_characteristics.hpp"

namespace sm_model_vehicle_general_types {

namespace ch = sm_model_vehicle_characteristics;

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
// 0 .. 255 in one byte: a wider value is the range error, not its low byte.
using issue = csl::ranged<std::uint8_t, 0, 255>;
using c114_type = csl::ranged<std::uint16_t, 0, 799>;
using c115_type = csl::ranged<std::uint16_t, 0, 499>;

// ---- Descriptors, in start-up order: (min, max, default) ----

inline constinit ch::integer<c005_type> c005{5, 1, 99, 1};
inline constinit ch::integer<c100_type> c100{100, 1, 64, 1};  // stores 0 too; editing starts at 1
inline constinit ch::text<12> c101{101, "NONAME"};
inline constinit ch::text<12> c102{102, "UNKNOWN"};
inline constinit ch::text<8> c103{103, "UNKNOWN"};
inline constinit ch::integer<c104_type> c104{104, 0, 999, 0};
inline constinit ch::integer<c105_type> c105{105, 0, 999, 0};
inline constinit ch::text<40> c106{106, ""};
inline constinit ch::integer<c107_type> c107{107, 0, 99, 0};
inline constinit ch::text<3> c109{109, ""};
inline constinit ch::integer<c114_type> c114{114, 0, 799, 0};
inline constinit ch::integer<c115_type> c115{115, 0, 499, 0};

// The identity items, named rather than numbered.
inline constexpr issue issue_default = 0;
inline constexpr library_number library_number_default{0};
inline constexpr library_number library_number_min{0};
inline constexpr library_number library_number_max{999};

inline constinit ch::enumeration permanence_characteristic{
    "permanence", {"perm", "temp"}, permanence::perm, permanence::temp, permanence_default};
inline constinit ch::integer<issue> issue_characteristic{"issue", 0, 255, issue_default};
inline constinit ch::integer<library_number> library_number_characteristic{
    "library_number", library_number_min, library_number_max, library_number_default};

// "PERM", "TEMP"; another value is the range error.
std::string permanence_image_of(permanence p);
// The integer images: " 0", " 255", " 999".
std::string issue_image_of(issue i);
std::string library_number_image_of(library_number n);
// " 0" and " 999", once the module has started.
const std::string& library_number_min_image();
const std::string& library_number_max_image();

// The next issue; after 255 the numbering starts again at 0.
constexpr issue increment(issue i) {
  return i == 255 ? issue{0} : static_cast<issue>(i + 1);
}

// Builds the bound images and choice list and adds the rows to the catalogue.
void start_up();

}  // namespace sm_model_vehicle_general_types
