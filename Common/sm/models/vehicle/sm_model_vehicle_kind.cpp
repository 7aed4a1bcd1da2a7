#include "sm_model_vehicle_kind.hpp"

#include <array>
#include <cstdio>
#include <utility>

namespace sm_model_vehicle_kind {
namespace {

constexpr std::uint8_t valid_bits = 0x0F;

permanence raw_permanence(const model_kind& k) {
  return static_cast<permanence>(k.validity_and_permanence >> 4);
}

// Accessors check validity before touching any field.
void require_valid(const model_kind& k, const char* place) {
  if (!is_valid(k)) throw model_not_created(place);
}

constexpr model_kind make(library_number n, qualifier q, const name& nm, const class_& c,
                          permanence p, issue_type i, bool valid) {
  model_kind k;
  k.validity_and_permanence =
      static_cast<std::uint8_t>((static_cast<unsigned>(p) << 4) | (valid ? 1U : 0U));
  k.model_qualifier = q;
  k.model_library_number = n;
  k.model_class = c;
  k.model_name = nm;
  k.issue = i;
  return k;
}

constexpr model_kind the_unallocated =
    make(0, 1, name::from("NONAME"), class_::from("UNKNOWN"), temp, 0, false);

}  // namespace

model_not_created::model_not_created(std::string place)
    : named_error("SM_MODEL_VEHICLE_KIND.MODEL_NOT_CREATED", std::move(place)) {}

model_kind create(library_number with_library_number, qualifier with_qualifier, name with_name,
                  class_ with_class, permanence with_permanence, issue_type with_issue) {
  return make(with_library_number, with_qualifier, with_name, with_class, with_permanence,
              with_issue, true);
}

model_kind create(library_number with_library_number, permanence with_permanence) {
  return make(with_library_number, 1, name::from("NONAME"), class_::from("UNKNOWN"),
              with_permanence, 0, true);
}

const model_kind& unallocated() {
  return the_unallocated;
}

bool is_valid(const model_kind& the_model_kind) {
  return (the_model_kind.validity_and_permanence & valid_bits) != 0;
}

library_number library_number_of(const model_kind& k) {
  require_valid(k, "sm_model_vehicle_kind.library_number_of");
  return k.model_library_number;
}

qualifier qualifier_of(const model_kind& k) {
  require_valid(k, "sm_model_vehicle_kind.qualifier_of");
  return k.model_qualifier;
}

name name_of(const model_kind& k) {
  require_valid(k, "sm_model_vehicle_kind.name_of");
  return k.model_name;
}

class_ class_of(const model_kind& k) {
  require_valid(k, "sm_model_vehicle_kind.class_of");
  return k.model_class;
}

permanence permanence_of(const model_kind& k) {
  require_valid(k, "sm_model_vehicle_kind.permanence_of");
  return raw_permanence(k);
}

issue_type issue_of(const model_kind& k) {
  require_valid(k, "sm_model_vehicle_kind.issue_of");
  return k.issue;
}

void set_library_number_of(model_kind& k, library_number to) {
  require_valid(k, "sm_model_vehicle_kind.set_library_number_of");
  k.model_library_number = to;
}

void set_qualifier_of(model_kind& k, qualifier to) {
  require_valid(k, "sm_model_vehicle_kind.set_qualifier_of");
  k.model_qualifier = to;
}

void set_name_of(model_kind& k, const name& to) {
  require_valid(k, "sm_model_vehicle_kind.set_name_of");
  k.model_name = to;
}

void set_class_of(model_kind& k, const class_& to) {
  require_valid(k, "sm_model_vehicle_kind.set_class_of");
  k.model_class = to;
}

void set_permanence_of(model_kind& k, permanence to) {
  require_valid(k, "sm_model_vehicle_kind.set_permanence_of");
  k.validity_and_permanence = static_cast<std::uint8_t>((k.validity_and_permanence & valid_bits) |
                                                        (static_cast<unsigned>(to) << 4));
}

void set_issue_of(model_kind& k, issue_type to) {
  require_valid(k, "sm_model_vehicle_kind.set_issue_of");
  k.issue = to;
}

db_index db_index_of(const model_kind& k) {
  require_valid(k, "sm_model_vehicle_kind.db_index_of");
  int base = 2 * static_cast<int>(k.model_library_number);
  return base + (raw_permanence(k) == perm ? 1 : 2);
}

group group_of(const model_kind& k) {
  require_valid(k, "sm_model_vehicle_kind.group_of");
  // A library number beyond 999 can only come from a damaged record.
  if (k.model_library_number > library_number::last) {
    throw csl::range_error("sm_model_vehicle_kind.group_of");
  }
  return static_cast<group>(k.model_library_number / 100);
}

std::string image_of(group the_group) {
  static constexpr std::array<const char*, 11> images = {
      "SOVIET_SUB", "SOVIET_SURF",    "SOVIET_AUX", "NATO_SUB", "NATO_SURF", "NATO_AUX",
      "GENERAL",    "WEAPONS_DECOYS", "AIRCRAFT",   "TEST",     "ALL_GROUPS"};
  auto i = static_cast<std::size_t>(the_group);
  if (i >= images.size()) throw csl::range_error("sm_model_vehicle_kind.image_of");
  return images[i];
}

std::string image_of(const model_kind& k) {
  if (!is_valid(k)) return "-----";
  // Three digits always: a library number beyond 999 can only come from a damaged record.
  if (k.model_library_number > library_number::last) {
    throw csl::range_error("sm_model_vehicle_kind.image_of");
  }
  char digits[8];
  std::snprintf(digits, sizeof digits, "%03u", static_cast<unsigned>(k.model_library_number));
  return std::string(digits) + (raw_permanence(k) == temp ? " T" : " P");
}

std::string selection_image_of(const model_kind& k) {
  require_valid(k, "sm_model_vehicle_kind.selection_image_of");
  return image_of(k) + " " + k.model_class.str() + " " + k.model_name.str();
}

}  // namespace sm_model_vehicle_kind
