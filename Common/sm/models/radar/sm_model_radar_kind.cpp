#include "sm_model_radar_kind.hpp"

#include <utility>

#include "csl_start_up_code.hpp"
#include "sm_model_vehicle_characteristics.hpp"

namespace sm_model_radar_kind {
namespace {

namespace types = sm_model_radar_general_types;

constexpr std::uint8_t valid_bit = 0x01;
constexpr std::uint8_t permanence_bits = 0xF0;
constexpr std::uint8_t meaningful_bits = valid_bit | permanence_bits;

model_kind the_unallocated;
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

model_kind make(library_number n, reference_number r, const name& nm, permanence p, issue_type i,
                bool valid) {
  model_kind k;
  k.validity_and_permanence =
      static_cast<std::uint8_t>((static_cast<unsigned>(p) << 4) | (valid ? 1U : 0U));
  k.issue = i;
  k.model_reference_number = r;
  k.model_library_number = n;
  k.model_name = nm;
  return k;
}

// Exactly `width` characters, or the range error: what a fixed-width image slot
// takes.
std::string fitted(std::string digits, std::size_t width) {
  if (digits.size() != width) throw csl::range_error("sm_model_radar_kind.image_of");
  return digits;
}

}  // namespace

bool operator==(const model_kind& a, const model_kind& b) {
  return (a.validity_and_permanence & meaningful_bits) ==
             (b.validity_and_permanence & meaningful_bits) &&
         a.issue == b.issue && a.model_reference_number == b.model_reference_number &&
         a.model_library_number == b.model_library_number && a.model_name == b.model_name;
}

model_not_created::model_not_created(std::string place)
    : named_error("SM_MODEL_RADAR_KIND.MODEL_NOT_CREATED", std::move(place)) {}

model_kind create(library_number with_library_number, reference_number with_reference_number,
                  const name& with_name, permanence with_permanence, issue_type with_issue) {
  return make(with_library_number, with_reference_number, with_name,
              checked(with_permanence, "sm_model_radar_kind.create"), with_issue, true);
}

model_kind create(library_number with_library_number, permanence with_permanence) {
  return create(with_library_number, 0, types::e100.default_(), with_permanence, 0);
}

const model_kind& unallocated() {
  if (!is_started) start_up();
  return the_unallocated;
}

bool is_valid(const model_kind& the_model_kind) {
  return (the_model_kind.validity_and_permanence & valid_bit) != 0;
}

library_number library_number_of(const model_kind& k) {
  require_valid(k, "sm_model_radar_kind.library_number_of");
  return k.model_library_number;
}

reference_number reference_number_of(const model_kind& k) {
  require_valid(k, "sm_model_radar_kind.reference_number_of");
  return k.model_reference_number;
}

name name_of(const model_kind& k) {
  require_valid(k, "sm_model_radar_kind.name_of");
  return k.model_name;
}

permanence permanence_of(const model_kind& k) {
  require_valid(k, "sm_model_radar_kind.permanence_of");
  return stored_permanence(k, "sm_model_radar_kind.permanence_of");
}

issue_type issue_of(const model_kind& k) {
  require_valid(k, "sm_model_radar_kind.issue_of");
  return k.issue;
}

void set_library_number_of(model_kind& k, library_number to) {
  require_valid(k, "sm_model_radar_kind.set_library_number_of");
  k.model_library_number = to;
}

void set_reference_number_of(model_kind& k, reference_number to) {
  require_valid(k, "sm_model_radar_kind.set_reference_number_of");
  k.model_reference_number = to;
}

void set_name_of(model_kind& k, const name& to) {
  require_valid(k, "sm_model_radar_kind.set_name_of");
  k.model_name = to;
}

void set_permanence_of(model_kind& k, permanence to) {
  require_valid(k, "sm_model_radar_kind.set_permanence_of");
  const permanence p = checked(to, "sm_model_radar_kind.set_permanence_of");
  // The validity and the unused bits stay as they are.
  k.validity_and_permanence = static_cast<std::uint8_t>(
      (k.validity_and_permanence & ~permanence_bits) | (static_cast<unsigned>(p) << 4));
}

void set_issue_of(model_kind& k, issue_type to) {
  require_valid(k, "sm_model_radar_kind.set_issue_of");
  k.issue = to;
}

db_index db_index_of(const model_kind& k) {
  require_valid(k, "sm_model_radar_kind.db_index_of");
  const permanence p = stored_permanence(k, "sm_model_radar_kind.db_index_of");
  // A library number outside 1 .. 150 from a damaged record lands outside
  // db_index, which is the range error.
  const std::int64_t base = 2 * static_cast<std::int64_t>(k.model_library_number.value());
  return base - (p == perm ? 1 : 0);
}

std::string lzint(std::int64_t i, std::size_t width) {
  if (i < 0) throw csl::range_error("sm_model_radar_kind.lzint");
  std::string digits = sm_model_vehicle_characteristics::integer_image(i).substr(1);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

std::string image_of(const model_kind& k) {
  if (!is_valid(k)) return std::string(11, '-');
  const permanence p = stored_permanence(k, "sm_model_radar_kind.image_of");
  return fitted(lzint(k.model_library_number.value(), 3), 3) + (p == temp ? " T  " : " P  ") +
         fitted(lzint(k.model_reference_number.value(), 4), 4);
}

CSL_START_UP_CODE void start_up() {
  if (!types::started()) types::start_up();
  the_unallocated = make(types::library_number_default, 0, types::e100.default_(),
                         types::permanence_default, types::issue_default, false);
  is_started = true;
}

bool started() {
  return is_started;
}

}  // namespace sm_model_radar_kind
