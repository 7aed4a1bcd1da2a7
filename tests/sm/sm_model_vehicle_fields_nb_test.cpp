// The field tables of the narrowband and wideband groups: each field writes exactly
// the bytes of its place in the record (absolute offsets typed from the layout
// tables), for the first and last slot, mode, harmonic and line; the packed fields
// of a wideband mode share their byte; whatever kind each slot holds, its kind
// byte selects fields that cover every byte holding data; and every
// characteristic's bounds fit its field.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "csl_levels.hpp"
#include "radar_vdb_access.h"
#include "sm_model_radar_general_types.hpp"
#include "sm_model_radar_kind.hpp"
#include "sm_model_sonar_general_types.hpp"
#include "sm_model_sonar_kind.hpp"
#include "sm_model_vehicle_catalogue.hpp"
#include "sm_model_vehicle_fields.hpp"
#include "sm_model_vehicle_nb.hpp"
#include "sm_model_vehicle_nb_aux_int.hpp"
#include "sm_model_vehicle_nb_aux_int_types.hpp"
#include "sm_model_vehicle_nb_bld.hpp"
#include "sm_model_vehicle_nb_bld_types.hpp"
#include "sm_model_vehicle_nb_common.hpp"
#include "sm_model_vehicle_nb_common_types.hpp"
#include "sm_model_vehicle_nb_fir.hpp"
#include "sm_model_vehicle_nb_fir_types.hpp"
#include "sm_model_vehicle_nb_mod.hpp"
#include "sm_model_vehicle_nb_mod_types.hpp"
#include "sm_model_vehicle_nb_spd.hpp"
#include "sm_model_vehicle_nb_spd_bld.hpp"
#include "sm_model_vehicle_nb_spd_bld_types.hpp"
#include "sm_model_vehicle_nb_spd_types.hpp"
#include "sm_model_vehicle_wb.hpp"
#include "sm_model_vehicle_wb_types.hpp"

namespace {

namespace fields = sm_model_vehicle_fields;
namespace catalogue = sm_model_vehicle_catalogue;

using bytes = std::vector<std::uint8_t>;
constexpr std::size_t record_size = 12864;

// Where the groups and their slots lie in the record: narrowband at 1916 with slot
// 1 at 1964 and slot 40 at 6800 (124 bytes each); wideband at 6928 with slot 1
// (series 41) at 6932 and slot 10 (series 50) at 8264 (148 bytes each).
constexpr std::size_t nb_slot_1 = 1964;
constexpr std::size_t nb_slot_40 = 6800;
constexpr std::size_t wb_slot_1 = 6932;
constexpr std::size_t wb_slot_10 = 8264;

// Little-endian images of a value, built without the library.
bytes u16(unsigned v) {
  return {static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>(v >> 8)};
}
bytes i16(int v) {
  return u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
}
bytes i32(std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
          static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
}
bytes f32(float v) {
  std::uint32_t u = 0;
  std::memcpy(&u, &v, 4);
  return i32(static_cast<std::int32_t>(u));
}
bytes text(std::size_t width, const std::string& s) {
  bytes b(width, ' ');
  std::copy(s.begin(), s.end(), b.begin());
  return b;
}

// Where the first difference lies, or empty when there is none.
std::string first_difference(const bytes& got, const bytes& want) {
  for (std::size_t i = 0; i < want.size(); ++i) {
    if (got[i] != want[i]) {
      return "byte " + std::to_string(i) + " is " + std::to_string(got[i]) + ", expected " +
             std::to_string(want[i]);
    }
  }
  return {};
}

class FieldsNbTest : public ::testing::Test {
 protected:
  // The start-up of the library's runtime, as far as these groups need it.
  // Every module, started as the C interface starts them.
  static void SetUpTestSuite() { adainit(); }

  static fields::located find(const std::string& name) {
    const std::optional<fields::located> f = fields::find(name);
    if (!f) throw std::runtime_error("no field " + name);
    return *f;
  }
};

struct write_case {
  const char* name;
  fields::instance at;
  fields::value v;
  std::size_t offset;  // in the record
  bytes expected;
};

// First and last instances of every repetition, each encoding, each kind's
// component and each packed field.
const std::vector<write_case>& write_cases() {
  static const std::vector<write_case> cases{
      // Narrowband at 1916: the shaft table, 16 bytes per mode.
      {"c786", {1}, 2.5, 1916, f32(2.5F)},
      {"c789", {3}, -100.0, 1960, f32(-100.0F)},
      // Each slot: kind, used_by_unmanned, then the common part from byte 4.
      {"c701", {1}, std::int64_t{5}, nb_slot_1, {5}},
      {"used_by_unmanned", {40}, std::int64_t{1}, nb_slot_40 + 1, {1}},
      {"c750", {1, 1}, std::int64_t{3}, nb_slot_1 + 4, {3}},
      {"c753", {1, 3}, std::int64_t{12}, nb_slot_1 + 21, {12}},
      {"c751", {40, 2}, std::int64_t{9999}, nb_slot_40 + 14, u16(9999)},
      {"c752", {40, 3}, 99.5, nb_slot_40 + 24, f32(99.5F)},
      {"c758", {1, 1}, std::int64_t{-99}, nb_slot_1 + 30, {0x9D}},
      {"c757", {40, 10}, std::int64_t{999}, nb_slot_40 + 64, u16(999)},
      {"c700", {40}, std::string("ABC"), nb_slot_40 + 68, text(6, "ABC")},
      {"c709", {1}, std::int64_t{499}, nb_slot_1 + 74, u16(499)},
      {"c756", {1}, std::int64_t{10}, nb_slot_1 + 76, {10}},
      {"c702", {40}, std::int64_t{5}, nb_slot_40 + 77, {5}},
      {"c764", {1}, std::int64_t{-6336}, nb_slot_1 + 78, i16(-6336)},
      {"c765", {40}, std::int64_t{6336}, nb_slot_40 + 80, i16(6336)},
      // The component from byte 84: spd and bld share their first 16 bytes.
      {"c782", {1, 1}, 999.5, nb_slot_1 + 84, f32(999.5F)},
      {"c782", {40, 3}, 0.25, nb_slot_40 + 92, f32(0.25F)},
      {"c712", {40}, std::int64_t{1}, nb_slot_40 + 96, {1}},
      {"c781", {1}, -9.5, nb_slot_1 + 100, f32(-9.5F)},
      {"c780", {1}, std::int64_t{-19200}, nb_slot_1 + 104, i16(-19200)},
      {"c771", {40}, -99.5, nb_slot_40 + 100, f32(-99.5F)},
      {"c775", {40}, 99.5, nb_slot_40 + 116, f32(99.5F)},
      {"c713", {40}, std::int64_t{19200}, nb_slot_40 + 120, i16(19200)},
      {"c783", {1, 3}, 999.0, nb_slot_1 + 92, f32(999.0F)},
      {"c720", {40}, 9999.5, nb_slot_40 + 96, f32(9999.5F)},
      {"c725", {1}, std::int64_t{3}, nb_slot_1 + 102, {3}},
      {"c728", {40}, std::int64_t{3}, nb_slot_40 + 103, {3}},
      {"c727", {1}, std::int64_t{9999}, nb_slot_1 + 106, u16(9999)},
      {"c784", {40, 1}, 1.5, nb_slot_40 + 84, f32(1.5F)},
      {"c737", {1}, 51.25, nb_slot_1 + 108, f32(51.25F)},
      {"c733", {40}, std::int64_t{32755}, nb_slot_40 + 112, i16(32755)},
      {"c785", {1, 2}, 3.75, nb_slot_1 + 88, f32(3.75F)},
      {"c743", {40}, std::int64_t{1}, nb_slot_40 + 97, {1}},
      {"last_tonal_used", {}, std::int64_t{40}, 6924, i32(40)},
      // Wideband at 6928: the counter, then slots whose common part starts at byte 4
      // with modes of 8 bytes, byte 0 packing c802 (bits 0-1), c850 (2-3), c853 (4-7).
      {"wb_last_tonal_used", {}, std::int64_t{51}, 6928, i32(51)},
      {"c801", {41}, std::int64_t{7}, wb_slot_1, {7}},
      {"c853", {41, 1}, std::int64_t{12}, wb_slot_1 + 4, {0xC0}},
      {"c850", {41, 2}, std::int64_t{3}, wb_slot_1 + 12, {0x0C}},
      {"c802", {50, 3}, std::int64_t{1}, wb_slot_10 + 20, {0x01}},
      {"c851", {50, 3}, std::int64_t{9999}, wb_slot_10 + 22, u16(9999)},
      {"c852", {41, 1}, 99.5, wb_slot_1 + 8, f32(99.5F)},
      {"c857", {41, 1}, -999.0, wb_slot_1 + 28, f32(-999.0F)},
      {"c858", {50, 10}, std::int64_t{6394}, wb_slot_10 + 104, i16(6394)},
      {"c800", {50}, std::string("WIDE"), wb_slot_10 + 108, text(6, "WIDE")},
      {"c809", {41}, std::int64_t{799}, wb_slot_1 + 114, u16(799)},
      {"c830", {50}, 1024.5, wb_slot_10 + 116, f32(1024.5F)},
      {"c836", {41}, 51.25, wb_slot_1 + 120, f32(51.25F)},
      {"c837", {50}, 51.25, wb_slot_10 + 124, f32(51.25F)},
      {"c865", {41}, std::int64_t{-6336}, wb_slot_1 + 130, i16(-6336)},
      {"c856", {50}, std::int64_t{10}, wb_slot_10 + 132, {10}},
      {"c813", {50}, std::int64_t{-19200}, wb_slot_10 + 134, i16(-19200)},
      // The kind's own part from byte 136: pres, or hres and lres.
      {"c832", {41}, 99.5, wb_slot_1 + 136, f32(99.5F)},
      {"c881", {50}, -9.5, wb_slot_10 + 140, f32(-9.5F)},
      {"c880", {50}, std::int64_t{19200}, wb_slot_10 + 144, i16(19200)},
      {"c831", {50}, 99.5, wb_slot_10 + 136, f32(99.5F)},
      {"c833", {41}, std::int64_t{32000}, wb_slot_1 + 140, i16(32000)},
  };
  return cases;
}

TEST_F(FieldsNbTest, EachWriteChangesExactlyTheBytesOfItsPlace) {
  for (const write_case& c : write_cases()) {
    const fields::located f = find(c.name);
    const std::string place = fields::instance_name(f, c.at);
    bytes record(record_size, 0);
    fields::write(f, c.at, c.v, record);
    bytes want(record_size, 0);
    std::copy(c.expected.begin(), c.expected.end(),
              want.begin() + static_cast<std::ptrdiff_t>(c.offset));
    EXPECT_EQ(first_difference(record, want), "") << place;
    EXPECT_EQ(fields::offset_of(f, c.at), c.offset) << place;
    if (!std::holds_alternative<std::string>(c.v)) {
      EXPECT_EQ(fields::number_of(fields::read(f, c.at, record)), fields::number_of(c.v)) << place;
    }
  }
}

TEST_F(FieldsNbTest, InstancesEndWhereTheLayoutEnds) {
  bytes record(record_size, 0);
  const struct {
    const char* name;
    fields::instance at;
  } beyond[] = {{"c786", {4}},      {"c701", {41}}, {"c750", {1, 4}}, {"c757", {40, 11}},
                {"c782", {41, 1}},  {"c801", {51}}, {"c801", {40}},   {"c853", {50, 4}},
                {"c857", {50, 11}}, {"c832", {0}}};
  for (const auto& b : beyond) {
    EXPECT_THROW(fields::write(find(b.name), b.at, std::int64_t{1}, record), fields::field_error)
        << b.name;
  }
  EXPECT_EQ(record, bytes(record_size, 0));
  EXPECT_EQ(fields::instance_name(find("c757"), {40, 10}), "c757.40.10");
  EXPECT_EQ(fields::instance_name(find("c801"), {10}), "c801.10");
}

// Writing one packed field keeps the other two of the byte.
TEST_F(FieldsNbTest, PackedModeFieldsShareTheirByte) {
  bytes record(record_size, 0);
  const std::size_t byte_0 = wb_slot_10 + 4 + 16;  // slot 10, mode 3
  fields::write(find("c802"), {50, 3}, std::int64_t{1}, record);
  fields::write(find("c850"), {50, 3}, std::int64_t{3}, record);
  fields::write(find("c853"), {50, 3}, std::int64_t{12}, record);
  EXPECT_EQ(record[byte_0], 0xCD);
  fields::write(find("c850"), {50, 3}, std::int64_t{0}, record);
  EXPECT_EQ(record[byte_0], 0xC1);
  EXPECT_EQ(std::get<std::uint64_t>(fields::read(find("c853"), {50, 3}, record)), 12U);
  EXPECT_EQ(std::get<std::uint64_t>(fields::read(find("c802"), {50, 3}, record)), 1U);
  EXPECT_THROW(fields::write(find("c853"), {50, 3}, std::int64_t{16}, record), fields::field_error);
  EXPECT_EQ(record[byte_0], 0xC1);
  record[byte_0] = 0;
  EXPECT_EQ(record, bytes(record_size, 0));
}

// The bits of the group that the fields held by the record's slots cover.
std::vector<bool> covered_bits(const fields::group_fields& g, const bytes& record) {
  std::vector<bool> bits(std::size_t{g.size} * 8);
  for (const fields::field& f : g.fields) {
    const fields::located at{&g, &f};
    for (int o = f.outer.first; o <= f.outer.last(); ++o) {
      for (int i = 1; i <= f.inner.count; ++i) {
        if (!fields::holds(at, {o, i}, record)) continue;
        const std::size_t first = (fields::offset_of(at, {o, i}) - g.offset) * 8 +
                                  (f.how == fields::encoding::bits ? f.first_bit : 0);
        const std::size_t count = f.how == fields::encoding::bits ? f.bit_count : f.size * 8U;
        for (std::size_t b = first; b < first + count; ++b) bits[b] = true;
      }
    }
  }
  return bits;
}

// What a slot of each kind holds: its bytes up to `end`, but for its padding.
struct slot_layout {
  std::uint8_t kind;
  std::size_t end;
  std::vector<std::size_t> padding;
};

// Every bit of the group is covered except padding and a slot's bytes beyond its
// kind; a dump and load through the fields then keeps every meaningful byte.
std::vector<bool> expected_bits(std::size_t group_size, std::size_t first_slot,
                                std::size_t slot_size, const std::vector<slot_layout>& slots) {
  std::vector<bool> bits(group_size * 8, true);
  for (std::size_t s = 0; s < slots.size(); ++s) {
    const std::size_t base = first_slot + s * slot_size;
    std::vector<std::size_t> unused = slots[s].padding;
    for (std::size_t b = slots[s].end; b < slot_size; ++b) unused.push_back(b);
    for (const std::size_t b : unused) {
      for (std::size_t bit = 0; bit < 8; ++bit) bits[(base + b) * 8 + bit] = false;
    }
  }
  return bits;
}

TEST_F(FieldsNbTest, EveryByteThatHoldsDataIsCovered) {
  // Narrowband: the slot's bytes 2-3, byte 3 of each harmonic correction, the
  // common part's last two bytes, and the padding of each component.
  std::vector<std::size_t> nb_common{2, 3, 82, 83};
  for (std::size_t h = 0; h < 10; ++h) nb_common.push_back(28 + 4 * h + 3);
  const auto nb_slot = [&](std::uint8_t kind, std::size_t end, std::vector<std::size_t> own) {
    own.insert(own.end(), nb_common.begin(), nb_common.end());
    return slot_layout{kind, end, own};
  };
  const std::vector<slot_layout> nb_kinds{
      nb_slot(1, 108, {97, 98, 99, 106, 107}), nb_slot(2, 124, {97, 98, 99, 122, 123}),
      nb_slot(3, 108, {}), nb_slot(4, 116, {114, 115}), nb_slot(5, 100, {98, 99})};
  // Wideband: the slot's bytes 1-3, byte 1 of each mode, bytes 6-7 of each line
  // correction, the common part's byte 129, and the padding of each kind's part.
  std::vector<std::size_t> wb_common{1, 2, 3, 5, 13, 21, 133};
  for (std::size_t l = 0; l < 10; ++l) {
    wb_common.push_back(28 + 8 * l + 6);
    wb_common.push_back(28 + 8 * l + 7);
  }
  const auto wb_slot = [&](std::uint8_t kind, std::size_t end, std::vector<std::size_t> own) {
    own.insert(own.end(), wb_common.begin(), wb_common.end());
    return slot_layout{kind, end, own};
  };
  const std::vector<slot_layout> wb_kinds{wb_slot(6, 148, {146, 147}), wb_slot(7, 144, {142, 143}),
                                          wb_slot(8, 144, {142, 143})};

  struct group_case {
    const char* group;
    std::size_t size, first_slot, slot_size, slot_count;
    const std::vector<slot_layout>* kinds;
  };
  for (const group_case& c : {group_case{"nb", 5012, 48, 124, 40, &nb_kinds},
                              group_case{"wb", 1484, 4, 148, 10, &wb_kinds}}) {
    const fields::group_fields* g = nullptr;
    for (const fields::group_fields& each : fields::groups()) {
      if (each.group == c.group) g = &each;
    }
    ASSERT_NE(g, nullptr);
    // The slots take the kinds in turn, each kind starting at slot 1 once.
    for (std::size_t shift = 0; shift < c.kinds->size(); ++shift) {
      bytes record(record_size, 0);
      std::vector<slot_layout> slots;
      for (std::size_t s = 0; s < c.slot_count; ++s) {
        slots.push_back((*c.kinds)[(s + shift) % c.kinds->size()]);
        record[g->offset + c.first_slot + s * c.slot_size] = slots.back().kind;
      }
      const std::vector<bool> got = covered_bits(*g, record);
      const std::vector<bool> want = expected_bits(c.size, c.first_slot, c.slot_size, slots);
      ASSERT_EQ(got.size(), want.size()) << c.group;
      for (std::size_t b = 0; b < want.size(); ++b) {
        ASSERT_EQ(got[b], want[b]) << c.group << " byte " << b / 8 << " bit " << b % 8;
      }
    }
  }
}

// Each characteristic's bounds, as stored numbers, are written and read back
// unchanged: the field is wide enough and signed where the values are.
TEST_F(FieldsNbTest, EveryCharacteristicsBoundsFitItsField) {
  int checked = 0;
  for (const fields::group_fields& g : fields::groups()) {
    if (g.group != "nb" && g.group != "wb") continue;
    for (const fields::field& f : g.fields) {
      const catalogue::row* row = catalogue::find(f.name);
      if (row == nullptr || !row->min || !row->min->stored) continue;
      const fields::located at{&g, &f};
      for (const double bound : {*row->min->stored, *row->max->stored}) {
        bytes record(record_size, 0);
        const fields::value v = f.how == fields::encoding::real
                                    ? fields::value{bound}
                                    : fields::value{static_cast<std::int64_t>(bound)};
        const fields::instance first{f.outer.first, f.inner.first};
        ASSERT_NO_THROW(fields::write(at, first, v, record)) << f.name << " " << bound;
        const std::optional<double> back = fields::number_of(fields::read(at, first, record));
        EXPECT_EQ(static_cast<float>(back.value_or(-1e30)), static_cast<float>(bound)) << f.name;
      }
      ++checked;
    }
  }
  EXPECT_EQ(checked, 63);
}

}  // namespace
