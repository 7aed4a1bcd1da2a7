// The identity of a radar model, as the associated fit group of a vehicle names the
// radars it carries: library number (1 .. 150) and permanence decide its database
// position, with a four-digit reference number, an issue and a 20-character name
// beside them.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

#include "csl_exceptions.hpp"
#include "csl_fixed_text.hpp"
#include "csl_ranged.hpp"
#include "sm_model_radar_general_types.hpp"

namespace sm_model_radar_kind {

static_assert(std::endian::native == std::endian::little);

using library_number = sm_model_radar_general_types::library_number;
using reference_number = sm_model_radar_general_types::e102_type;
using name = sm_model_radar_general_types::e100_type;
using permanence = sm_model_radar_general_types::permanence;
using issue_type = sm_model_radar_general_types::issue;
using db_index = csl::ranged<std::int32_t, 1, 300>;

inline constexpr permanence perm = permanence::perm;
inline constexpr permanence temp = permanence::temp;

// 28 bytes, stored as they stand wherever a record holds a radar kind. Byte 0 packs
// the validity (bit 0) and the permanence (bits 4-7); bits 1-3 carry nothing and
// are ignored on reading. A kind declared without a value is not valid.
struct model_kind {
  std::uint8_t validity_and_permanence = 0;
  issue_type issue;
  reference_number model_reference_number;
  library_number model_library_number;
  name model_name;

  // Compares what the kind holds, not the unused bits of byte 0.
  friend bool operator==(const model_kind& a, const model_kind& b);
};

static_assert(sizeof(model_kind) == 28);
static_assert(offsetof(model_kind, validity_and_permanence) == 0);
static_assert(offsetof(model_kind, issue) == 1);
static_assert(offsetof(model_kind, model_reference_number) == 2);
static_assert(offsetof(model_kind, model_library_number) == 4);
static_assert(offsetof(model_kind, model_name) == 8);
static_assert(std::is_trivially_copyable_v<model_kind>);

// Raised when a kind that is not valid is read, changed or mapped.
class model_not_created : public csl::named_error {
 public:
  explicit model_not_created(std::string place);
};

// A permanence other than perm or temp is the range error.
model_kind create(library_number with_library_number, reference_number with_reference_number,
                  const name& with_name, permanence with_permanence, issue_type with_issue);
// Issue 0, reference number 0, name e100's default ("NONAME").
model_kind create(library_number with_library_number, permanence with_permanence);

// No radar at all: not valid, temp, issue 0, reference number 0, library number 1,
// name e100's default. Set at start-up; asking before starts the module.
const model_kind& unallocated();

// Bit 0 of byte 0.
bool is_valid(const model_kind& the_model_kind);

library_number library_number_of(const model_kind& the_model_kind);
reference_number reference_number_of(const model_kind& the_model_kind);
name name_of(const model_kind& the_model_kind);
permanence permanence_of(const model_kind& the_model_kind);
issue_type issue_of(const model_kind& the_model_kind);

void set_library_number_of(model_kind& the_model_kind, library_number to);
void set_reference_number_of(model_kind& the_model_kind, reference_number to);
void set_name_of(model_kind& the_model_kind, const name& to);
void set_permanence_of(model_kind& the_model_kind, permanence to);
void set_issue_of(model_kind& the_model_kind, issue_type to);

// 2 x library number - 1 when perm, 2 x library number when temp.
db_index db_index_of(const model_kind& the_model_kind);
// 11 characters: eleven "-" when not valid, else "012 P  0345".
std::string image_of(const model_kind& the_model_kind);
// The digits of i (0 or more) with leading zeros to `width` characters; digits that
// already fill the width are kept whole. A negative i is the range error.
std::string lzint(std::int64_t i, std::size_t width);

// Sets unallocated (starting the general types first if a caller has not).
void start_up();
bool started();

}  // namespace sm_model_radar_kind
