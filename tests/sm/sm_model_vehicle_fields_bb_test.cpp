// The field tables of the broadband and enhanced aural groups: writes through a
// table land on the record bytes the layout gives (record offsets typed from the
// layout, not taken from the library's records), instance counts per effect, set
// and mode, and exactly the gap bytes left uncovered.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "radar_vdb_access.h"
#include "sm_model_vehicle_fields.hpp"
#include "vdb_bytes_basics.hpp"

namespace {

namespace fields = sm_model_vehicle_fields;

using vdb_bytes::bytes;

// Where the two groups lie in the record.
constexpr std::size_t bb_at = 472;
constexpr std::size_t eaural_at = 8424;

class fields_bb_test : public testing::Test {
 protected:
  // Starts every module in the library's own order, sonar and radar kinds first.
  static void SetUpTestSuite() { adainit(); }
};

// How the expected bytes are laid down.
enum class as { f32, i8, u8, i16, u16, i32, text };

struct sample {
  const char* name;
  fields::instance at;
  std::size_t offset;  // in the record
  as how;
  double number;          // numbers
  const char* text = "";  // texts
  std::size_t width = 0;  // texts
};

fields::value value_of(const sample& s) {
  switch (s.how) {
    case as::f32:
      return static_cast<double>(static_cast<float>(s.number));
    case as::text:
      return std::string(s.text);
    default:
      return static_cast<std::int64_t>(s.number);
  }
}

bytes expected_record(const sample& s) {
  bytes b(vdb_bytes::item_size, 0);
  const auto whole = static_cast<std::int32_t>(s.number);
  switch (s.how) {
    case as::f32:
      vdb_bytes::put_f32(b, s.offset, static_cast<float>(s.number));
      break;
    case as::i8:
    case as::u8:
      vdb_bytes::put_u8(b, s.offset, static_cast<unsigned>(whole) & 0xFFU);
      break;
    case as::i16:
    case as::u16:
      vdb_bytes::put_u16(b, s.offset, static_cast<unsigned>(whole) & 0xFFFFU);
      break;
    case as::i32:
      vdb_bytes::put_i32(b, s.offset, whole);
      break;
    case as::text:
      vdb_bytes::put_text(b, s.offset, s.width, s.text);
      break;
  }
  return b;
}

// Effects and sets outer, propulsion modes inner; first and last instances of
// each level, every sub-group and every encoding.
const std::vector<sample>& samples() {
  static const std::vector<sample> all{
      // Aural: effect e, mode m at (e - 1) x 108 + (m - 1) x 36.
      {"c563", {1, 1}, bb_at + 0, as::f32, 1.5},
      {"c565", {2, 1}, bb_at + 108 + 9, as::i8, -99},
      {"c564", {1, 3}, bb_at + 72 + 10, as::i16, -19200},
      {"c560", {2, 2}, bb_at + 108 + 36 + 4, as::u16, 9999},
      {"c568", {3, 2}, bb_at + 216 + 36 + 16, as::text, 0, "ROTOR", 12},
      {"c573", {3, 3}, bb_at + 216 + 72 + 32, as::u8, 10},
      // Flow noise at 324: modes of 16 bytes, then the vehicle's values.
      {"c510", {1}, bb_at + 324, as::i16, 6336},
      {"c513", {2}, bb_at + 324 + 16 + 4, as::f32, 99999.0},
      {"c516", {3}, bb_at + 324 + 32 + 13, as::i8, -9},
      {"c583", {}, bb_at + 324 + 52, as::i16, -64},
      {"c585", {}, bb_at + 324 + 56, as::f32, 1.5707964},
      // Machinery noise at 384.
      {"c502", {2}, bb_at + 384 + 16 + 3, as::i8, -5},
      {"c504", {3}, bb_at + 384 + 32 + 12, as::u8, 99},
      {"c582", {}, bb_at + 384 + 52, as::f32, 0.25},
      // Propeller noise at 440: modes of 24 bytes with a gap at 3.
      {"c534", {1}, bb_at + 440, as::u8, 2},
      {"c520", {1}, bb_at + 440 + 4, as::i16, -19200},
      {"c521", {2}, bb_at + 440 + 24 + 6, as::u16, 999},
      {"c535", {3}, bb_at + 440 + 48 + 20, as::f32, 20000.0},
      {"c589", {}, bb_at + 440 + 84, as::f32, 0.5},
      {"c588", {}, bb_at + 440 + 90, as::i16, 384},
      // Propeller modulation at 532: the vehicle's value, then modes of 40 bytes.
      {"c546", {}, bb_at + 532, as::f32, 99.9},
      {"c523", {1}, bb_at + 532 + 4, as::f32, 6.17728},
      {"c552", {3}, bb_at + 532 + 4 + 80 + 38, as::i16, -6336},
      // Enhanced aural: set k at 444 x (k - 1), mode m at 48 + 132 x (m - 1) in it.
      {"c1024", {1}, eaural_at + 0, as::f32, 99.9},
      {"c1030", {2}, eaural_at + 444 + 20, as::u8, 9},
      {"c1100", {3}, eaural_at + 888 + 18, as::i16, 6400},
      {"c1001", {4}, eaural_at + 1332 + 12, as::u16, 999},
      {"c1210", {1}, eaural_at + 22, as::text, 0, "X", 1},
      {"c1000", {7}, eaural_at + 2664 + 24, as::text, 0, "WHALE SONG", 12},
      {"c1010", {10}, eaural_at + 3996 + 36, as::text, 0, "AB", 3},
      {"c1023", {10}, eaural_at + 3996 + 40, as::text, 0, "HULL", 6},
      {"c1082", {10}, eaural_at + 3996 + 4, as::f32, -1.5},
      {"c1014", {1, 1}, eaural_at + 48, as::f32, 999.9},
      {"c1050", {2, 3}, eaural_at + 444 + 48 + 264 + 32, as::f32, -30479.97},
      {"c1092", {1, 3}, eaural_at + 48 + 264 + 122, as::u16, 9},
      {"c1013", {5, 2}, eaural_at + 1776 + 48 + 132 + 112, as::i16, -6336},
      {"c1224", {10, 1}, eaural_at + 3996 + 48 + 104, as::f32, -9.999},
      {"c1070", {10, 3}, eaural_at + 3996 + 48 + 264 + 128, as::i32, 65539},
  };
  return all;
}

TEST_F(fields_bb_test, WritesChangeExactlyTheBytesTheLayoutGives) {
  for (const sample& s : samples()) {
    const std::string which =
        std::string(s.name) + "." + std::to_string(s.at.outer) + "." + std::to_string(s.at.inner);
    const auto f = fields::find(s.name);
    ASSERT_TRUE(f) << which;
    bytes record(vdb_bytes::item_size, 0);
    fields::write(*f, s.at, value_of(s), record);
    EXPECT_EQ(record, expected_record(s)) << which;
    const fields::value back = fields::read(*f, s.at, record);
    if (s.how == as::text) {
      const std::string padded = s.text + std::string(s.width - std::string(s.text).size(), ' ');
      EXPECT_EQ(std::get<std::string>(back), padded) << which;
    } else {
      EXPECT_EQ(fields::number_of(back), fields::number_of(value_of(s))) << which;
    }
  }
}

TEST_F(fields_bb_test, InstancesAreCountedPerEffectSetAndMode) {
  struct counted {
    const char* name;
    const char* outer;
    int outer_count;
    const char* inner;
    int inner_count;
  };
  const counted all[] = {
      {"c563", "effect", 3, "mode", 3}, {"c510", "mode", 3, "", 1}, {"c517", "", 1, "", 1},
      {"c546", "", 1, "", 1},           {"c552", "mode", 3, "", 1}, {"c1000", "set", 10, "", 1},
      {"c1070", "set", 10, "mode", 3},
  };
  for (const counted& c : all) {
    const auto f = fields::find(c.name);
    ASSERT_TRUE(f) << c.name;
    EXPECT_EQ(f->what->outer.per, c.outer) << c.name;
    EXPECT_EQ(f->what->inner.per, c.inner) << c.name;
    EXPECT_NO_THROW(fields::offset_of(*f, {c.outer_count, c.inner_count})) << c.name;
    EXPECT_THROW(fields::offset_of(*f, {c.outer_count + 1, 1}), fields::field_error) << c.name;
    EXPECT_THROW(fields::offset_of(*f, {1, c.inner_count + 1}), fields::field_error) << c.name;
    EXPECT_THROW(fields::offset_of(*f, {0, 1}), fields::field_error) << c.name;
  }
  EXPECT_EQ(fields::instance_name(*fields::find("c568"), {3, 2}), "c568.3.2");
  EXPECT_EQ(fields::instance_name(*fields::find("c1070"), {10, 3}), "c1070.10.3");
  EXPECT_EQ(fields::instance_name(*fields::find("c585"), {}), "c585");
}

// Which bytes of a group its fields cover, from the group's first byte.
std::vector<bool> covered(std::string_view group) {
  for (const fields::group_fields& g : fields::groups()) {
    if (g.group != group) continue;
    std::vector<bool> taken(g.size, false);
    for (const fields::field& f : g.fields) {
      const fields::located at{&g, &f};
      for (int o = f.outer.first; o <= f.outer.last(); ++o) {
        for (int i = 1; i <= f.inner.count; ++i) {
          const std::size_t first = fields::offset_of(at, {o, i}) - g.offset;
          for (std::size_t b = first; b < first + f.size; ++b) taken.at(b) = true;
        }
      }
    }
    return taken;
  }
  return {};
}

// Every byte that holds data has a field, so that a dump and load through the
// tables keeps the whole record; only the gaps are left out.
TEST_F(fields_bb_test, OnlyTheGapsAreLeftUncovered) {
  std::vector<bool> bb_gaps(656, false);
  for (std::size_t at = 0; at < 324; at += 36) {
    for (std::size_t b = 33; b < 36; ++b) bb_gaps[at + b] = true;  // aural modes
  }
  for (std::size_t mode = 0; mode < 3; ++mode) {
    bb_gaps[324 + 16 * mode + 14] = bb_gaps[324 + 16 * mode + 15] = true;  // flow modes
    bb_gaps[384 + 16 * mode + 14] = bb_gaps[384 + 16 * mode + 15] = true;  // machinery modes
    bb_gaps[440 + 24 * mode + 3] = true;                                   // propeller modes
  }
  bb_gaps[324 + 54] = bb_gaps[324 + 55] = true;
  bb_gaps[384 + 50] = bb_gaps[384 + 51] = true;

  std::vector<bool> eaural_gaps(4440, false);
  for (std::size_t set = 0; set < 4440; set += 444) {
    for (const int b : {23, 39, 46, 47}) eaural_gaps[set + static_cast<std::size_t>(b)] = true;
  }

  const std::vector<bool> bb = covered("bb");
  const std::vector<bool> eaural = covered("enhanced_aural");
  ASSERT_EQ(bb.size(), bb_gaps.size());
  ASSERT_EQ(eaural.size(), eaural_gaps.size());
  for (std::size_t b = 0; b < bb.size(); ++b) EXPECT_NE(bb[b], bb_gaps[b]) << "bb byte " << b;
  for (std::size_t b = 0; b < eaural.size(); ++b) {
    EXPECT_NE(eaural[b], eaural_gaps[b]) << "enhanced aural byte " << b;
  }
}

}  // namespace
