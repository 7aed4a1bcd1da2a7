#include "sm_model_sonar_kind.hpp"

#include "csl_start_up_code.hpp"

#include <array>
#include <cstdio>
#include <utility>

namespace sm_model_sonar_kind {
namespace {

constexpr std::uint8_t valid_bit = 0x01;
constexpr std::uint8_t permanence_bits = 0xF0;
constexpr std::uint8_t meaningful_bits = valid_bit | permanence_bits;

bool is_started = false;

// The permanence nibble as stored. Only perm and temp can be created; another value
// comes from a damaged record.
unsigned raw_permanence(const model_kind& k) {
  return static_cast<unsigned>(k.validity_and_permanence) >> 4;
}

void require_valid(const model_kind& k, const char* place) {
  if (!is_valid(k)) throw model_not_created(place);
}

permanence checked(permanence p, const char* place) {
  if (p != perm && p != temp) throw csl::range_error(place);
  return p;
}

permanence stored_permanence(const model_kind& k, const char* place) {
  return checked(static_cast<permanence>(raw_permanence(k)), place);
}

constexpr std::uint8_t packed(permanence p, bool valid) {
  return static_cast<std::uint8_t>((static_cast<unsigned>(p) << 4) | (valid ? 1U : 0U));
}

constexpr model_kind make(library_number n, const name& nm, permanence p, issue_type i,
                          bool valid) {
  model_kind k;
  k.validity_and_permanence = packed(p, valid);
  k.issue = i;
  k.model_library_number = n;
  k.model_name = nm;
  return k;
}

constexpr model_kind the_unallocated = make(0, name::from("NONAME"), temp, 0, false);

}  // namespace

bool operator==(const model_kind& a, const model_kind& b) {
  return (a.validity_and_permanence & meaningful_bits) ==
             (b.validity_and_permanence & meaningful_bits) &&
         a.issue == b.issue && a.model_library_number == b.model_library_number &&
         a.model_name == b.model_name;
}

model_not_created::model_not_created(std::string place)
    : named_error("SM_MODEL_SONAR_KIND.MODEL_NOT_CREATED", std::move(place)) {}

invalid_group::invalid_group(std::string place)
    : named_error("SM_MODEL_SONAR_KIND.INVALID_GROUP", std::move(place)) {}

model_kind create(library_number with_library_number, const name& with_name,
                  permanence with_permanence, issue_type with_issue) {
  return make(with_library_number, with_name,
              checked(with_permanence, "sm_model_sonar_kind.create"), with_issue, true);
}

model_kind create(library_number with_library_number, permanence with_permanence) {
  return create(with_library_number, name::from("NONAME"), with_permanence, 0);
}

const model_kind& unallocated() {
  return the_unallocated;
}

bool is_valid(const model_kind& the_model_kind) {
  return (the_model_kind.validity_and_permanence & valid_bit) != 0;
}

library_number library_number_of(const model_kind& k) {
  require_valid(k, "sm_model_sonar_kind.library_number_of");
  return k.model_library_number;
}

name name_of(const model_kind& k) {
  require_valid(k, "sm_model_sonar_kind.name_of");
  return k.model_name;
}

permanence permanence_of(const model_kind& k) {
  require_valid(k, "sm_model_sonar_kind.permanence_of");
  return stored_permanence(k, "sm_model_sonar_kind.permanence_of");
}

issue_type issue_of(const model_kind& k) {
  require_valid(k, "sm_model_sonar_kind.issue_of");
  return k.issue;
}

void set_library_number_of(model_kind& k, library_number to) {
  require_valid(k, "sm_model_sonar_kind.set_library_number_of");
  k.model_library_number = to;
}

void set_name_of(model_kind& k, const name& to) {
  require_valid(k, "sm_model_sonar_kind.set_name_of");
  k.model_name = to;
}

void set_permanence_of(model_kind& k, permanence to) {
  require_valid(k, "sm_model_sonar_kind.set_permanence_of");
  const permanence p = checked(to, "sm_model_sonar_kind.set_permanence_of");
  // The validity and the unused bits stay as they are.
  k.validity_and_permanence = static_cast<std::uint8_t>(
      (k.validity_and_permanence & ~permanence_bits) | (static_cast<unsigned>(p) << 4));
}

void set_issue_of(model_kind& k, issue_type to) {
  require_valid(k, "sm_model_sonar_kind.set_issue_of");
  k.issue = to;
}

db_index db_index_of(const model_kind& k) {
  require_valid(k, "sm_model_sonar_kind.db_index_of");
  const permanence p = stored_permanence(k, "sm_model_sonar_kind.db_index_of");
  // A library number beyond 999 from a damaged record lands outside db_index, which
  // is the range error.
  const int base = 2 * static_cast<int>(k.model_library_number.value());
  return base + (p == perm ? 1 : 2);
}

group group_of(const model_kind& k) {
  require_valid(k, "sm_model_sonar_kind.group_of");
  const auto n = k.model_library_number.value();
  if (n > library_number::last) throw csl::range_error("sm_model_sonar_kind.group_of");
  const int hundreds = n / 100;
  if (hundreds == 8) throw invalid_group("sm_model_sonar_kind.group_of");
  // No group for the eight hundreds: test follows buoys_weapons directly.
  return static_cast<group>(hundreds < 8 ? hundreds : hundreds - 1);
}

std::string image_of(group the_group) {
  static constexpr std::array<const char*, 10> images = {
      "SOVIET_SUB", "SOVIET_SURF", "SOVIET_GEN",    "NATO_SUB", "NATO_SURF",
      "NATO_GEN",   "GENERAL",     "BUOYS_WEAPONS", "TEST",     "ALL_GROUPS"};
  const auto i = static_cast<std::size_t>(the_group);
  if (i >= images.size()) throw csl::range_error("sm_model_sonar_kind.image_of");
  return images[i];
}

std::string image_of(const model_kind& k) {
  if (!is_valid(k)) return "-----";
  char digits[8];
  std::snprintf(digits, sizeof digits, "%03u", static_cast<unsigned>(k.model_library_number));
  return std::string(digits) + (raw_permanence(k) == static_cast<unsigned>(temp) ? " T" : " P");
}

selection_image selection_image_of(const model_kind& k) {
  require_valid(k, "sm_model_sonar_kind.selection_image_of");
  return image_of(k) + " " + k.model_name.str();
}

CSL_START_UP_CODE void start_up() {
  if (!sm_model_sonar_general_types::started()) sm_model_sonar_general_types::start_up();
  is_started = true;
}

bool started() {
  return is_started;
}

}  // namespace sm_model_sonar_kind
