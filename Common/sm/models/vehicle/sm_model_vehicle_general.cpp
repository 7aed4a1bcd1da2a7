#include "sm_model_vehicle_general.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "sm_model_vehicle_group_defaults.hpp"

namespace sm_model_vehicle_general {
namespace {

using sm_model_vehicle_fields::encoding;
using sm_model_vehicle_fields::field;

// Byte 0 packs two 4-bit fields: the validity in bits 0-3, the permanence in 4-7.
constexpr field nibble(std::string_view name, int first_bit) {
  return {name,           offsetof(group, validity_and_permanence), 1,
          encoding::bits, static_cast<std::uint8_t>(first_bit),     4};
}

// Every byte of the group, in offset order. The identity items that have no
// number go by the names the vehicle kind gives them; the validity has none.
constexpr auto table = std::to_array<field>({
    nibble("is_valid", 0),
    nibble("permanence", 4),
    whole("c100", offsetof(group, c100), sizeof(group::c100), encoding::unsigned_integer),
    whole("library_number", offsetof(group, library_number), sizeof(group::library_number),
          encoding::unsigned_integer),
    whole("c101", offsetof(group, c101), sizeof(group::c101), encoding::text),
    whole("c102", offsetof(group, c102), sizeof(group::c102), encoding::text),
    whole("c103", offsetof(group, c103), sizeof(group::c103), encoding::text),
    whole("c104", offsetof(group, c104), sizeof(group::c104), encoding::unsigned_integer),
    whole("c105", offsetof(group, c105), sizeof(group::c105), encoding::unsigned_integer),
    whole("c106", offsetof(group, c106), sizeof(group::c106), encoding::text),
    whole("c109", offsetof(group, c109), sizeof(group::c109), encoding::text),
    whole("issue", offsetof(group, issue), sizeof(group::issue), encoding::unsigned_integer),
    whole("c114", offsetof(group, c114), sizeof(group::c114), encoding::unsigned_integer),
    whole("c115", offsetof(group, c115), sizeof(group::c115), encoding::unsigned_integer),
    whole("c107", offsetof(group, c107), sizeof(group::c107), encoding::unsigned_integer),
    whole("c005", offsetof(group, c005), sizeof(group::c005), encoding::unsigned_integer),
});
static_assert(std::ranges::is_sorted(table, {}, &field::offset));

group& the_default() {
  static group value;
  return value;
}

sm_model_vehicle_group_defaults::built_once building;

void build_defaults() {
  // Every field from its characteristic's default; only the validity is a literal.
  group g;
  g.set_is_valid(false);
  g.set_permanence(types::permanence_characteristic.default_());
  g.c100 = types::c100.default_();
  g.library_number = types::library_number_characteristic.default_();
  g.c101 = types::c101.default_();
  g.c102 = types::c102.default_();
  g.c103 = types::c103.default_();
  g.c104 = types::c104.default_();
  g.c105 = types::c105.default_();
  g.c106 = types::c106.default_();
  g.c109 = types::c109.default_();
  g.issue = types::issue_characteristic.default_();
  g.c114 = types::c114.default_();
  g.c115 = types::c115.default_();
  g.c107 = types::c107.default_();
  g.c005 = types::c005.default_();
  the_default() = g;
}

}  // namespace

void start_up() {
  building.run(build_defaults);
}

const group& group_default() {
  start_up();
  return the_default();
}

std::span<const sm_model_vehicle_fields::field> fields() {
  return table;
}

}  // namespace sm_model_vehicle_general
