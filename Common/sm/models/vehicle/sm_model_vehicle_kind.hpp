// The identity of a vehicle model and the key of the vehicle database: library
// number and permanence decide the index position, so the database holds one
// permanent and one temporary model for each of the 1000 library numbers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "csl_exceptions.hpp"
#include "csl_fixed_text.hpp"
#include "csl_ranged.hpp"
#include "sm_model_vehicle_general_types.hpp"

namespace sm_model_vehicle_kind {

using qualifier = sm_model_vehicle_general_types::c100_type;
using library_number = sm_model_vehicle_general_types::library_number;
using class_ = csl::fixed_text<12>;
using name = csl::fixed_text<12>;
using permanence = sm_model_vehicle_general_types::permanence;
using issue_type = csl::ranged<std::int32_t, 0, 255>;
using db_index = csl::ranged<std::int32_t, 1, 2000>;

inline constexpr permanence perm = permanence::perm;
inline constexpr permanence temp = permanence::temp;

// 32 bytes, also stored in every index entry. Byte 0 packs the validity (bits 0-3)
// and the permanence (bits 4-7). A kind declared without a value is not valid.
struct model_kind {
  std::uint8_t validity_and_permanence = 0;
  qualifier model_qualifier;
  library_number model_library_number;
  class_ model_class;
  name model_name;
  issue_type issue;

  friend constexpr bool operator==(const model_kind&, const model_kind&) = default;
};

static_assert(sizeof(model_kind) == 32);
static_assert(offsetof(model_kind, model_qualifier) == 1);
static_assert(offsetof(model_kind, model_library_number) == 2);
static_assert(offsetof(model_kind, model_class) == 4);
static_assert(offsetof(model_kind, model_name) == 16);
static_assert(offsetof(model_kind, issue) == 28);

// Library groups, by hundreds of the library number.
enum class group : std::uint8_t {
  soviet_sub,
  soviet_surf,
  soviet_aux,
  nato_sub,
  nato_surf,
  nato_aux,
  general,
  weapons_decoys,
  aircraft,
  test,
  all_groups
};

// Raised when a kind that is not valid is read, changed or mapped.
class model_not_created : public csl::named_error {
 public:
  explicit model_not_created(std::string place);
};

model_kind create(library_number with_library_number, qualifier with_qualifier, name with_name,
                  class_ with_class, permanence with_permanence, issue_type with_issue);
// Qualifier 1, class "UNKNOWN", name "NONAME", issue 0.
model_kind create(library_number with_library_number, permanence with_permanence);

// No vehicle at all: not valid, temp, qualifier 1, library number 0, class
// "UNKNOWN", name "NONAME", issue 0.
const model_kind& unallocated();

bool is_valid(const model_kind& the_model_kind);

library_number library_number_of(const model_kind& the_model_kind);
qualifier qualifier_of(const model_kind& the_model_kind);
name name_of(const model_kind& the_model_kind);
class_ class_of(const model_kind& the_model_kind);
permanence permanence_of(const model_kind& the_model_kind);
issue_type issue_of(const model_kind& the_model_kind);

void set_library_number_of(model_kind& the_model_kind, library_number to);
void set_qualifier_of(model_kind& the_model_kind, qualifier to);
void set_name_of(model_kind& the_model_kind, const name& to);
void set_class_of(model_kind& the_model_kind, const class_& to);
void set_permanence_of(model_kind& the_model_kind, permanence to);
void set_issue_of(model_kind& the_model_kind, issue_type to);

// 2 x library number + 1 when perm, + 2 when temp.
db_index db_index_of(const model_kind& the_model_kind);
group group_of(const model_kind& the_model_kind);
// "SOVIET_SUB", ..., "ALL_GROUPS".
std::string image_of(group the_group);
// "-----" when not valid, else "042 T" or "007 P". A library number beyond 999 (a
// damaged record) is the range error.
std::string image_of(const model_kind& the_model_kind);
// 31 characters: image, blank, class, blank, name.
std::string selection_image_of(const model_kind& the_model_kind);

}  // namespace sm_model_vehicle_kind
