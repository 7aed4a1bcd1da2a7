// The identity of a sonar model, as the associated fit group of a vehicle names the
// sonars it carries: library number and permanence decide its database position,
// with an issue and a 12-character name beside them.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

#include "csl_exceptions.hpp"
#include "csl_fixed_text.hpp"
#include "csl_ranged.hpp"
#include "sm_model_sonar_general_types.hpp"

namespace sm_model_sonar_kind {

static_assert(std::endian::native == std::endian::little);

using library_number = sm_model_sonar_general_types::a102_type;
using name = sm_model_sonar_general_types::a100_type;
using permanence = sm_model_sonar_general_types::permanence;
using issue_type = sm_model_sonar_general_types::issue;
using db_index = csl::ranged<std::int32_t, 1, 2000>;
using selection_image = std::string;  // exactly 18 characters

inline constexpr permanence perm = permanence::perm;
inline constexpr permanence temp = permanence::temp;

// 16 bytes, stored as they stand wherever a record holds a sonar kind. Byte 0 packs
// the validity (bit 0) and the permanence (bits 4-7); bits 1-3 carry nothing and
// are ignored on reading. A kind declared without a value is not valid.
struct model_kind {
  std::uint8_t validity_and_permanence = 0;
  issue_type issue;
  library_number model_library_number;
  name model_name;

  // Compares what the kind holds, not the unused bits of byte 0.
  friend bool operator==(const model_kind& a, const model_kind& b);
};

static_assert(sizeof(model_kind) == 16);
static_assert(offsetof(model_kind, validity_and_permanence) == 0);
static_assert(offsetof(model_kind, issue) == 1);
static_assert(offsetof(model_kind, model_library_number) == 2);
static_assert(offsetof(model_kind, model_name) == 4);
static_assert(std::is_trivially_copyable_v<model_kind>);

// Library groups, by hundreds of the library number; there is none for 800 .. 899.
enum class group : std::uint8_t {
  soviet_sub,
  soviet_surf,
  soviet_gen,
  nato_sub,
  nato_surf,
  nato_gen,
  general,
  buoys_weapons,
  test,
  all_groups
};

// Raised when a kind that is not valid is read, changed, mapped or imaged for
// selection.
class model_not_created : public csl::named_error {
 public:
  explicit model_not_created(std::string place);
};

// Raised by group_of for the library numbers 800 .. 899, which belong to no group.
class invalid_group : public csl::named_error {
 public:
  explicit invalid_group(std::string place);
};

// A permanence other than perm or temp is the range error.
model_kind create(library_number with_library_number, const name& with_name,
                  permanence with_permanence, issue_type with_issue);
// Issue 0, name "NONAME".
model_kind create(library_number with_library_number, permanence with_permanence);

// No sonar at all: not valid, temp, issue 0, library number 0, name "NONAME".
const model_kind& unallocated();

// Bit 0 of byte 0.
bool is_valid(const model_kind& the_model_kind);

library_number library_number_of(const model_kind& the_model_kind);
name name_of(const model_kind& the_model_kind);
permanence permanence_of(const model_kind& the_model_kind);
issue_type issue_of(const model_kind& the_model_kind);

void set_library_number_of(model_kind& the_model_kind, library_number to);
void set_name_of(model_kind& the_model_kind, const name& to);
void set_permanence_of(model_kind& the_model_kind, permanence to);
void set_issue_of(model_kind& the_model_kind, issue_type to);

// 2 x library number + 1 when perm, + 2 when temp.
db_index db_index_of(const model_kind& the_model_kind);
group group_of(const model_kind& the_model_kind);
// "SOVIET_SUB", ..., "ALL_GROUPS".
std::string image_of(group the_group);
// "-----" when not valid, else "042 T" or "007 P".
std::string image_of(const model_kind& the_model_kind);
// 18 characters: image, blank, name.
selection_image selection_image_of(const model_kind& the_model_kind);

// The constants are static; this only starts the general types if a caller has
// not, so that their descriptors are there whenever the kind is.
void start_up();
bool started();

}  // namespace sm_model_sonar_kind
