// Where every characteristic lies in the 12864-byte vehicle record: its group,
// its offset in the group, how many bytes it takes and how they hold its stored
// number, and, for a characteristic held once per propulsion mode, tonal slot or
// set, how many instances there are and how far apart. Tools that show, edit,
// dump and check records go through these tables, so that a record is read and
// written field by field without knowing the group structures.
//
// The stored number of a field is the number the catalogue speaks of: metres for
// a length, radians for an angle, a count of 1/64 dB for a level, the position
// of the literal for an enumeration; texts are their characters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "csl_exceptions.hpp"

namespace sm_model_vehicle_fields {

// How a field's bytes hold its stored number. Numbers are little-endian.
enum class encoding : std::uint8_t {
  signed_integer,    // two's complement, 1, 2, 4 or 8 bytes
  unsigned_integer,  // 1, 2, 4 or 8 bytes; also enumerations and booleans
  real,              // IEEE single (4 bytes) or double (8 bytes)
  text,              // size characters
  bits               // bits first_bit .. first_bit + bit_count - 1 of a 1, 2 or 4-byte word
};

// What an instance is called: "mode" 1 .. 3, "slot" 1 .. 40, "set" 1 .. 10, ...
// One level of repetition: count instances, stride bytes apart, numbered from
// first on (the wideband slots are series 41 .. 50); instance first is at the
// field's offset.
struct repeat {
  std::string_view per;  // "mode"; empty when the field is held once
  std::uint16_t count = 1;
  std::uint16_t stride = 0;
  std::uint16_t first = 1;

  constexpr int last() const { return first + count - 1; }
  constexpr bool holds(int number) const { return number >= first && number <= last(); }
};

// A field held only in some instances: those whose selector byte has a value
// whose bit is set in the mask. The selector byte of outer instance 1 lies at
// the given offset from the start of the group, and moves with the outer
// stride. The narrowband tonal slots hold different components according to
// their kind byte.
struct selector {
  std::int16_t offset = -1;  // -1: the field is always held
  std::uint16_t mask = 0;
};

struct field {
  std::string_view name;  // the catalogue name: "c200", "issue", "a100"
  std::uint16_t offset;   // from the start of the group, of the first instance
  std::uint8_t size;      // bytes (of the word, for bits)
  encoding how;
  std::uint8_t first_bit = 0;  // bits only
  std::uint8_t bit_count = 0;  // bits only
  repeat outer{};              // e.g. per tonal slot or per set
  repeat inner{};              // e.g. per propulsion mode within a set
  selector only_when{};
};

// ---- Building the tables ----

// A field of whole bytes at `offset` from the start of its group.
constexpr field whole(std::string_view name, std::size_t offset, std::size_t size, encoding how,
                      repeat outer = {}, repeat inner = {}) {
  return {
      name, static_cast<std::uint16_t>(offset), static_cast<std::uint8_t>(size), how, 0, 0, outer,
      inner};
}

// A characteristic held once per propulsion mode: the three records of type Mode
// lie one after another from modes_at, and it is `offset` bytes into each.
template <class Mode>
constexpr field each_mode(std::string_view name, std::size_t modes_at, std::size_t offset,
                          std::size_t size, encoding how) {
  return whole(name, modes_at + offset, size, how, repeat{"mode", 3, sizeof(Mode)});
}

// The bits first_bit .. first_bit + bit_count - 1 of a one-byte word.
constexpr field bits(std::string_view name, std::size_t offset, int first_bit, int bit_count,
                     repeat outer = {}, repeat inner = {}) {
  return {name,
          static_cast<std::uint16_t>(offset),
          1,
          encoding::bits,
          static_cast<std::uint8_t>(first_bit),
          static_cast<std::uint8_t>(bit_count),
          outer,
          inner};
}

// From the first instance's first byte to the last instance's last.
constexpr std::size_t end_of(const field& f) {
  return std::size_t{f.offset} + std::size_t{f.outer.count - 1U} * f.outer.stride +
         std::size_t{f.inner.count - 1U} * f.inner.stride + f.size;
}

// A group's table is in offset order and every instance lies inside the group.
constexpr bool in_offset_order_within(std::span<const field> fields, std::size_t group_size) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (end_of(fields[i]) > group_size) return false;
    if (i > 0 && fields[i].offset <= fields[i - 1].offset) return false;
  }
  return true;
}

// The fields of one group, and where the group starts in the record.
struct group_fields {
  std::string_view group;  // "physical"
  std::uint16_t offset;    // of the group in the record
  std::uint16_t size;      // of the group
  std::span<const field> fields;
};

// Every group in record order.
std::span<const group_fields> groups();

// A field and the group it belongs to.
struct located {
  const group_fields* group;
  const field* what;
};

// The field of the named characteristic ("c200", "200", "issue"); none when no
// group has it.
std::optional<located> find(std::string_view name);

// Which instance: the numbers of the outer and inner repetitions, from each
// repetition's first (1 when the field is held once).
struct instance {
  int outer = 1;
  int inner = 1;
};

// A field's stored value: a whole number, a real, or text.
using value = std::variant<std::int64_t, std::uint64_t, double, std::string>;

// An instance number outside the field's repetition, or a byte offset beyond the
// record, or a value that the field cannot hold.
class field_error : public csl::named_error {
 public:
  explicit field_error(std::string place);
};

// The byte offset of an instance in the record. field_error when an instance
// number is out of range.
std::size_t offset_of(const located& f, instance at);
// Whether the instance holds the field (its selector says so).
bool holds(const located& f, instance at, std::span<const std::uint8_t> record);

// Reads the stored value of an instance from the record's bytes.
value read(const located& f, instance at, std::span<const std::uint8_t> record);
// Writes the stored value, changing no other byte (the other bits of a bits
// field are kept). field_error when the value does not fit the field: a whole
// number beyond its bytes or bits, a real where a whole number is stored, a
// text longer than the field (a shorter one is padded with blanks).
void write(const located& f, instance at, const value& v, std::span<std::uint8_t> record);

// "c200", "c204.2", "c730.40": the name with its instance numbers.
std::string instance_name(const located& f, instance at);
// The stored value as a number, for the catalogue's image operation; none for text.
std::optional<double> number_of(const value& v);

}  // namespace sm_model_vehicle_fields
