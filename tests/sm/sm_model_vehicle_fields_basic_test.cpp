// The field tables of the general, physical, propulsion mode, speed, turning and
// diving, associated fit and project-specific groups: each field writes exactly the
// bytes of its place in the record (absolute offsets typed from the layout tables),
// every bit that holds data is covered, and no other (so repetitions and bit
// fields end where the layout says), and the names and stored numbers are the
// catalogue's.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "csl_levels.hpp"
#include "radar_vdb_access.h"
#include "sm_model_radar_general_types.hpp"
#include "sm_model_radar_kind.hpp"
#include "sm_model_sonar_general_types.hpp"
#include "sm_model_sonar_kind.hpp"
#include "sm_model_vehicle_associated_fit.hpp"
#include "sm_model_vehicle_associated_fit_types.hpp"
#include "sm_model_vehicle_catalogue.hpp"
#include "sm_model_vehicle_fields.hpp"
#include "sm_model_vehicle_general.hpp"
#include "sm_model_vehicle_general_types.hpp"
#include "sm_model_vehicle_physical.hpp"
#include "sm_model_vehicle_physical_types.hpp"
#include "sm_model_vehicle_project_specific.hpp"
#include "sm_model_vehicle_project_specific_types.hpp"
#include "sm_model_vehicle_propulsion_mode.hpp"
#include "sm_model_vehicle_propulsion_mode_types.hpp"
#include "sm_model_vehicle_speed.hpp"
#include "sm_model_vehicle_speed_types.hpp"
#include "sm_model_vehicle_turning_diving.hpp"
#include "sm_model_vehicle_turning_diving_types.hpp"

namespace {

namespace fields = sm_model_vehicle_fields;
namespace catalogue = sm_model_vehicle_catalogue;

using bytes = std::vector<std::uint8_t>;
constexpr std::size_t record_size = 12864;

// Little-endian images of a value, built without the library.
bytes u8(unsigned v) {
  return {static_cast<std::uint8_t>(v)};
}
bytes u16(unsigned v) {
  return {static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>(v >> 8)};
}
bytes i32(std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
          static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
}
bytes i16(std::int16_t v) {
  return u16(static_cast<std::uint16_t>(v));
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

class FieldsBasicTest : public ::testing::Test {
 protected:
  // The start-up of the library's runtime, as far as these groups need it.
  // Every module, started as the C interface starts them.
  static void SetUpTestSuite() { adainit(); }

  static fields::located find(const std::string& name) {
    const std::optional<fields::located> f = fields::find(name);
    if (!f) throw std::runtime_error("no field " + name);
    return *f;
  }

  // Whether the group is one of those whose tables this suite checks.
  static bool is_ours(const fields::group_fields& g) {
    static const std::set<std::string_view> ours{
        "general",        "physical",       "propulsion_mode", "speed",
        "turning_diving", "associated_fit", "project_specific"};
    return ours.count(g.group) != 0;
  }
};

struct write_case {
  const char* name;
  fields::instance at;
  fields::value v;
  std::size_t offset;  // in the record
  bytes expected;
};

// First and last instances of every repetition, each encoding and each bit field.
const std::vector<write_case>& write_cases() {
  static const std::vector<write_case> cases{
      // General group at 0.
      {"is_valid", {}, std::int64_t{15}, 0, u8(0x0F)},
      {"permanence", {}, std::int64_t{15}, 0, u8(0xF0)},
      {"c100", {}, std::int64_t{64}, 1, u8(64)},
      {"library_number", {}, std::int64_t{999}, 2, u16(999)},
      {"c101", {}, std::string("FRIGATE"), 4, text(12, "FRIGATE")},
      {"c106", {}, std::string(40, 'D'), 40, text(40, std::string(40, 'D'))},
      {"c109", {}, std::string("ABC"), 80, text(3, "ABC")},
      {"issue", {}, std::int64_t{255}, 83, u8(255)},
      {"c114", {}, std::int64_t{799}, 84, u16(799)},
      {"c005", {}, std::int64_t{99}, 90, u16(99)},
      // Physical group at 92: modes of 8 bytes first.
      {"c204", {1}, std::int64_t{4}, 92, u8(4)},
      {"c205", {3}, std::int64_t{99}, 109, u8(99)},
      {"c277", {2}, std::int64_t{-1}, 102, i16(-1)},
      {"c278", {3}, std::int64_t{-64}, 112, i32(-64)},
      {"c200", {}, 45.72, 116, f32(45.72F)},
      {"c257", {}, std::int64_t{-19200}, 160, i16(-19200)},
      {"c210", {}, 100.0, 172, f32(100.0F)},
      // Propulsion mode group at 176: modes of 28 bytes, then c300.
      {"c303", {1}, std::int64_t{3}, 176, u8(3)},
      {"c314", {2}, std::int64_t{2}, 207, u8(2)},
      {"c305", {3}, std::string("DSL"), 236, text(4, "DSL")},
      {"c301", {1}, -3048.0, 184, f32(-3048.0F)},
      {"c320", {3}, std::int64_t{9999}, 256, u16(9999)},
      {"c300", {}, std::int64_t{2}, 260, u8(2)},
      // Speed group at 264: the vehicle's values, then modes of 44 bytes at 284.
      {"c431", {}, 9.999, 264, f32(9.999F)},
      {"c437", {}, std::int64_t{999}, 282, u16(999)},
      {"c421", {1}, std::int64_t{999}, 284, u16(999)},
      {"c440", {2}, std::int64_t{1}, 334, u8(1)},
      {"c420", {1}, 1500.0, 292, f32(1500.0F)},
      {"c446", {3}, 514.0, 412, f32(514.0F)},
      // Turning and diving group at 416: modes of 8 bytes at 448.
      {"c400", {}, std::int64_t{999}, 416, u16(999)},
      {"c413", {}, -30.18, 440, f32(-30.18F)},
      {"c409", {1}, 0.5235988, 448, f32(0.5235988F)},
      {"c415", {3}, -3048.0, 468, f32(-3048.0F)},
      // Associated fit group at 1128: modes of 2 bytes, sonar kinds of 16 bytes at
      // 1136, radar kinds of 28 bytes at 1296, vehicle kinds of 32 bytes at 1576.
      {"c661", {1}, std::int64_t{9999}, 1128, u16(9999)},
      {"c661", {3}, std::int64_t{9999}, 1132, u16(9999)},
      {"c671", {}, std::int64_t{2}, 1134, u8(2)},
      {"c675", {}, std::int64_t{24}, 1135, u8(24)},
      {"c600", {}, std::int64_t{1}, 1136, u8(0x01)},
      {"c609", {}, std::int64_t{1}, 1280, u8(0x01)},
      {"sonar_permanence", {10}, std::int64_t{1}, 1280, u8(0x10)},
      {"sonar_issue", {1}, std::int64_t{255}, 1137, u8(255)},
      {"a102", {10}, std::int64_t{999}, 1282, u16(999)},
      {"a100", {1}, std::string("SONAR 2087"), 1140, text(12, "SONAR 2087")},
      {"c610", {}, std::int64_t{1}, 1296, u8(0x01)},
      {"c619", {}, std::int64_t{1}, 1548, u8(0x01)},
      {"radar_permanence", {1}, std::int64_t{1}, 1296, u8(0x10)},
      {"radar_issue", {10}, std::int64_t{255}, 1549, u8(255)},
      {"e102", {1}, std::int64_t{9999}, 1298, u16(9999)},
      {"radar_library_number", {10}, std::int64_t{150}, 1552, i32(150)},
      {"e100", {10}, std::string("TYPE 1022"), 1556, text(20, "TYPE 1022")},
      {"c620", {}, std::int64_t{15}, 1576, u8(0x0F)},
      {"c634", {}, std::int64_t{1}, 1864, u8(0x01)},
      {"vehicle_permanence", {1, 1}, std::int64_t{1}, 1576, u8(0x10)},
      {"vehicle_qualifier", {2, 1}, std::int64_t{64}, 1737, u8(64)},
      {"vehicle_library_number", {1, 5}, std::int64_t{999}, 1706, u16(999)},
      {"vehicle_class", {2, 5}, std::string("DESTROYER"), 1868, text(12, "DESTROYER")},
      {"vehicle_name", {2, 5}, std::string("DARING"), 1880, text(12, "DARING")},
      {"vehicle_issue", {2, 5}, std::int64_t{255}, 1892, i32(255)},
      {"c650", {}, 9143.0, 1896, f32(9143.0F)},
      {"c670", {}, 9143.0, 1912, f32(9143.0F)},
      // Project-specific group at 8412.
      {"c940", {}, std::int64_t{50}, 8412, u8(50)},
      {"c951", {}, std::int64_t{10}, 8423, u8(10)},
  };
  return cases;
}

// Writes the case's value into a zeroed record and compares the whole record, then
// reads the value back.
void check_write(const fields::located& f, const write_case& c) {
  bytes record(record_size, 0);
  ASSERT_NO_THROW(fields::write(f, c.at, c.v, record));
  bytes want(record_size, 0);
  std::copy(c.expected.begin(), c.expected.end(), want.begin() + static_cast<long>(c.offset));
  EXPECT_EQ(first_difference(record, want), "");

  const fields::value back = fields::read(f, c.at, record);
  if (std::holds_alternative<std::string>(c.v)) {
    EXPECT_EQ(std::get<std::string>(back), std::string(c.expected.begin(), c.expected.end()));
  } else {
    // Reals come back in single precision.
    EXPECT_EQ(static_cast<float>(*fields::number_of(back)),
              static_cast<float>(*fields::number_of(c.v)));
  }
}

TEST_F(FieldsBasicTest, WritesChangeExactlyTheBytesOfTheirPlace) {
  for (const write_case& c : write_cases()) {
    const fields::located f = find(c.name);
    SCOPED_TRACE(fields::instance_name(f, c.at));
    check_write(f, c);
  }
}

// The bits of the record that a field's instance holds, as a mask per byte.
std::vector<std::pair<std::size_t, std::uint8_t>> bits_of(const fields::located& at,
                                                          fields::instance in) {
  const fields::field& f = *at.what;
  const std::size_t offset = fields::offset_of(at, in);
  std::vector<std::pair<std::size_t, std::uint8_t>> held;
  if (f.how != fields::encoding::bits) {
    for (std::size_t b = 0; b < f.size; ++b) held.emplace_back(offset + b, 0xFF);
    return held;
  }
  for (int bit = f.first_bit; bit < f.first_bit + f.bit_count; ++bit) {
    held.emplace_back(offset + static_cast<std::size_t>(bit / 8),
                      static_cast<std::uint8_t>(1U << (bit % 8)));
  }
  return held;
}

// A record dumped and loaded through the tables keeps every byte that holds data:
// each bit is held by one field instance at most, and the only bits none holds
// are the gaps and unused bits of the layout.
TEST_F(FieldsBasicTest, EveryBitThatHoldsDataIsHeldOnce) {
  bytes covered(record_size, 0);
  std::vector<std::string> twice;
  for (const fields::group_fields& g : fields::groups()) {
    if (!is_ours(g)) continue;
    for (const fields::field& f : g.fields) {
      const fields::located at{&g, &f};
      for (int o = f.outer.first; o <= f.outer.last(); ++o) {
        for (int i = 1; i <= f.inner.count; ++i) {
          for (const auto& [byte, mask] : bits_of(at, {o, i})) {
            if ((covered[byte] & mask) != 0) twice.push_back(fields::instance_name(at, {o, i}));
            covered[byte] |= mask;
          }
        }
      }
    }
  }
  EXPECT_TRUE(twice.empty()) << twice.size() << " held twice, first " << twice.front();

  bytes want(record_size, 0);
  const auto hold = [&](std::size_t from, std::size_t to) {
    for (std::size_t b = from; b < to; ++b) want[b] = 0xFF;
  };
  hold(0, 472);      // general .. turning and diving
  hold(1128, 1916);  // associated fit
  hold(8412, 8424);  // project-specific
  for (std::size_t mode = 0; mode < 3; ++mode) {
    want[176 + 28 * mode + 26] = want[176 + 28 * mode + 27] = 0;  // propulsion mode gap
    want[264 + 20 + 44 * mode + 7] = 0;                           // speed gap
  }
  want[261] = want[262] = want[263] = 0;  // after c300
  for (std::size_t k = 0; k < 10; ++k) {
    want[1136 + 16 * k] = 0xF1;  // a sonar kind's bits 1-3 are unused
    want[1296 + 28 * k] = 0xF1;  // and a radar kind's
  }
  EXPECT_EQ(first_difference(covered, want), "");
}

// Both ends of the row's value type (whole numbers only) and each of its choices
// are written and read back as the same stored number.
void check_stored_numbers(const fields::located& at, const catalogue::row& row) {
  bytes record(record_size, 0);
  std::vector<double> stored;
  if (at.what->how != fields::encoding::real) {
    for (const std::optional<double>& end : {row.type_first, row.type_last}) {
      if (end) stored.push_back(*end);
    }
  }
  for (const catalogue::choice& c : row.choices) stored.push_back(static_cast<double>(c.stored));
  for (const double v : stored) {
    ASSERT_NO_THROW(fields::write(at, {}, static_cast<std::int64_t>(v), record)) << v;
    EXPECT_EQ(*fields::number_of(fields::read(at, {}, record)), v);
  }
}

// Numbered fields and the kinds' items are the catalogue's rows, and both ends of
// each row's value type are stored as the same number; only the bytes without a
// catalogue item have names of their own.
TEST_F(FieldsBasicTest, NamesAndStoredNumbersAreTheCatalogues) {
  const std::set<std::string> own_names{
      "is_valid",           "sonar_permanence",  "sonar_issue",
      "radar_permanence",   "radar_issue",       "radar_library_number",
      "vehicle_permanence", "vehicle_qualifier", "vehicle_library_number",
      "vehicle_class",      "vehicle_name",      "vehicle_issue"};
  std::set<std::string> seen;
  for (const fields::group_fields& g : fields::groups()) {
    if (!is_ours(g)) continue;
    for (const fields::field& f : g.fields) {
      const std::string name(f.name);
      SCOPED_TRACE(name);
      const catalogue::row* row = catalogue::find(name);
      if (own_names.count(name) != 0) {
        EXPECT_EQ(row, nullptr);
        seen.insert(name);
        continue;
      }
      ASSERT_NE(row, nullptr);
      if (row->number) {
        EXPECT_EQ(row->group, g.group);
      }
      check_stored_numbers({&g, &f}, *row);
    }
  }
  EXPECT_EQ(seen, own_names);
}

}  // namespace
