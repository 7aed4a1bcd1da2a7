// The general group: first group of the vehicle record, holding the vehicle's
// identity and validity and the general characteristics c103 .. c115 and c005.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "sm_model_vehicle_fields.hpp"
#include "sm_model_vehicle_general_types.hpp"

namespace sm_model_vehicle_general {

namespace types = sm_model_vehicle_general_types;

// 92 bytes, no gaps. Byte 0 packs is_valid (bits 0-3) and permanence (bits 4-7).
struct group {
  std::uint8_t validity_and_permanence = 0;
  types::c100_type c100;
  types::library_number library_number;
  types::c101_type c101;
  types::c102_type c102;
  types::c103_type c103;
  types::c104_type c104;
  types::c105_type c105;
  types::c106_type c106;
  types::c109_type c109;
  types::issue issue = 0;
  types::c114_type c114;
  types::c115_type c115;
  types::c107_type c107;
  types::c005_type c005;

  // Any non-zero validity nibble counts as valid.
  bool is_valid() const { return (validity_and_permanence & 0x0F) != 0; }
  types::permanence permanence() const {
    return static_cast<types::permanence>(validity_and_permanence >> 4);
  }
  // Each setter leaves the other nibble as it is.
  void set_is_valid(bool valid) {
    validity_and_permanence =
        static_cast<std::uint8_t>((validity_and_permanence & 0xF0) | (valid ? 1 : 0));
  }
  void set_permanence(types::permanence p) {
    validity_and_permanence = static_cast<std::uint8_t>((validity_and_permanence & 0x0F) |
                                                        (static_cast<unsigned>(p) << 4));
  }
};

static_assert(sizeof(group) == 92);
static_assert(offsetof(group, c100) == 1 && offsetof(group, library_number) == 2);
static_assert(offsetof(group, c101) == 4 && offsetof(group, c102) == 16);
static_assert(offsetof(group, c103) == 28 && offsetof(group, c104) == 36);
static_assert(offsetof(group, c105) == 38 && offsetof(group, c106) == 40);
static_assert(offsetof(group, c109) == 80 && offsetof(group, issue) == 83);
static_assert(offsetof(group, c114) == 84 && offsetof(group, c115) == 86);
static_assert(offsetof(group, c107) == 88 && offsetof(group, c005) == 90);

// Builds group_default, once: group_default asks for it on first use.
void start_up();
// Not valid, temporary, qualifier 1, c005 1, other integers 0, texts their defaults.
const group& group_default();

// Where each characteristic of the group lies, offsets from the start of the group.
std::span<const sm_model_vehicle_fields::field> fields();

}  // namespace sm_model_vehicle_general
