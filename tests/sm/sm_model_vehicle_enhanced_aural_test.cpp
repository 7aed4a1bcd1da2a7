// The enhanced aural group: its default bytes against the file layout, the
// mode block with its three slopes, the 32-bit c1070, the ranged fields, limits
// converted from knots, feet and degrees, and the descriptors through the catalogue.
#include "sm_model_vehicle_enhanced_aural.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "sm_model_vehicle_catalogue.hpp"
#include "sm_model_vehicle_enhanced_aural_types.hpp"
#include "vdb_bytes.hpp"
#include "vdb_bytes_wb.hpp"

namespace {

namespace types = sm_model_vehicle_enhanced_aural_types;
namespace eaural = sm_model_vehicle_enhanced_aural;
namespace catalogue = sm_model_vehicle_catalogue;

using vdb_bytes::bytes;
using vdb_bytes::bytes_of;

class enhanced_aural_test : public testing::Test {
 protected:
  static void SetUpTestSuite() { eaural::start_up(); }
};

// ---- Defaults ----

TEST_F(enhanced_aural_test, GroupDefaultMatchesTheFileLayout) {
  const bytes expected = vdb_bytes::eaural_group_default();
  ASSERT_EQ(expected.size(), 4440U);
  EXPECT_EQ(bytes_of(eaural::group_default()), expected);
  EXPECT_EQ(bytes_of(eaural::enhanced_modes_defaults()), expected);
  EXPECT_EQ(bytes_of(eaural::prop_mode_dependent_defaults()), vdb_bytes::eaural_mode_default());
  const bytes set = vdb_bytes::eaural_set_default();
  EXPECT_EQ(bytes_of(eaural::prop_modes_defaults()), bytes(set.begin() + 48, set.end()));
}

TEST_F(enhanced_aural_test, TenIdenticalSetsWithTheirNamesAndBlanks) {
  const bytes b = bytes_of(eaural::group_default());
  const bytes first(b.begin(), b.begin() + 444);
  for (std::size_t k = 1; k < 10; ++k) {
    EXPECT_EQ(bytes(b.begin() + 444 * k, b.begin() + 444 * (k + 1)), first) << k;
  }
  EXPECT_EQ(first[22], ' ');
  EXPECT_EQ(first[23], 0);
  EXPECT_EQ(std::string(first.begin() + 24, first.begin() + 36), "NONAME      ");
  EXPECT_EQ(std::string(first.begin() + 36, first.begin() + 39), "   ");
  EXPECT_EQ(first[39], 0);
  EXPECT_EQ(std::string(first.begin() + 40, first.begin() + 46), "NONAME");
  EXPECT_EQ(first[46], 0);
  EXPECT_EQ(first[47], 0);
  const eaural::enhanced_effects& e = eaural::group_default().enhanced[10];
  EXPECT_EQ(e.c1000.str(), "NONAME      ");
  EXPECT_EQ(e.c1210.str(), " ");
  EXPECT_EQ(e.c1023.str(), "NONAME");
}

TEST_F(enhanced_aural_test, SlopesDefaultToTheirLowerLimitsEverythingElseToZero) {
  const eaural::prop_mode_dependent& m = eaural::prop_mode_dependent_defaults();
  EXPECT_EQ(m.c1222, -99.99F);
  EXPECT_EQ(m.c1223, -99.99F);
  EXPECT_EQ(m.c1224, -9.999F);
  EXPECT_EQ(types::c1222.default_(), types::c1222.min());
  EXPECT_EQ(types::c1223.default_(), types::c1223.min());
  EXPECT_EQ(types::c1224.default_(), types::c1224.min());
  const bytes block = bytes_of(m);
  for (std::size_t i = 0; i < 132; ++i) {
    if (i >= 96 && i < 108) continue;
    EXPECT_EQ(block[i], 0) << i;
  }
  EXPECT_EQ(vdb_bytes::f32_of(block, 96), -99.99F);
  EXPECT_EQ(vdb_bytes::f32_of(block, 104), -9.999F);
  // The speed defaults are their minimum.
  EXPECT_EQ(types::c1040.default_(), types::c1040.min());
  EXPECT_EQ(types::c1201.default_(), types::c1201.min());
  EXPECT_EQ(catalogue::find(1064)->default_.text, "0 kn");
}

TEST_F(enhanced_aural_test, GroupMadeWithoutValueIsAllZero) {
  const eaural::group g;
  EXPECT_EQ(bytes_of(g), bytes(4440, 0));
}

// ---- Fields ----

TEST_F(enhanced_aural_test, C1070IsAFull32BitField) {
  eaural::prop_mode_dependent m = eaural::prop_mode_dependent_defaults();
  m.c1070 = 9;
  bytes b = bytes_of(m);
  EXPECT_EQ(bytes(b.begin() + 128, b.end()), (bytes{9, 0, 0, 0}));
  EXPECT_THROW(m.c1070 = 10, csl::range_error);
  EXPECT_EQ(m.c1070, 9);

  // A value read from a file is taken whole, all four bytes of it.
  vdb_bytes::put_i32(b, 128, 0x00010002);
  std::memcpy(&m, b.data(), sizeof m);
  EXPECT_EQ(m.c1070.value(), 0x00010002);
  const catalogue::row* r = catalogue::find(1070);
  ASSERT_NE(r, nullptr);
  EXPECT_THROW(r->image_of(static_cast<double>(m.c1070.value())), csl::range_error);
  EXPECT_EQ(types::c1070.image_of(9), " 9");
}

TEST_F(enhanced_aural_test, IntegerFieldsKeepTheirValueWhenGivenOneOutOfRange) {
  eaural::group g = eaural::group_default();
  eaural::enhanced_effects& e = g.enhanced[4];
  e.c1001 = 999;
  EXPECT_THROW(e.c1001 = 1000, csl::range_error);
  EXPECT_EQ(e.c1001, 999);
  e.c1030 = 9;
  EXPECT_THROW(e.c1030 = 10, csl::range_error);
  EXPECT_THROW(e.c1071 = -1, csl::range_error);
  eaural::prop_mode_dependent& m = e.pmode[2];
  m.c1092 = 9;
  EXPECT_THROW(m.c1092 = 10, csl::range_error);
  EXPECT_EQ(m.c1092, 9);
  EXPECT_THROW(m.c1211 = 10, csl::range_error);
  EXPECT_THROW(m.c1090 = 1000, csl::range_error);

  // Set 4, mode 3 lies at 444 x 3 + 48 + 132 x 2.
  const bytes b = bytes_of(g);
  const std::size_t set = 444 * 3;
  const std::size_t mode = set + 48 + 132 * 2;
  EXPECT_EQ((bytes{b[set + 12], b[set + 13]}), (bytes{0xE7, 0x03}));
  EXPECT_EQ(b[set + 20], 9);
  EXPECT_EQ((bytes{b[mode + 122], b[mode + 123]}), (bytes{9, 0}));
}

TEST_F(enhanced_aural_test, SetsAreNumbered1To10) {
  eaural::group g = eaural::group_default();
  EXPECT_THROW(g.enhanced[0], csl::range_error);
  EXPECT_THROW(g.enhanced[11], csl::range_error);
  EXPECT_EQ(&g.enhanced[1], &g.enhanced.sets[0]);
  g.enhanced[10].c1082 = types::c1082.max();
  const bytes b = bytes_of(g);
  EXPECT_EQ(vdb_bytes::f32_of(b, 444 * 9 + 4), 1.5707964F);
}

// ---- Descriptors ----

TEST_F(enhanced_aural_test, LimitsAreConvertedFromKnotsFeetAndDegrees) {
  const float knots = 9999.9F * vdb_bytes::knots_to_metres_per_second;
  for (const auto* c :
       {&types::c1040, &types::c1041, &types::c1064, &types::c1200, &types::c1201}) {
    EXPECT_EQ(c->max().value(), knots) << c->name();
    EXPECT_EQ(c->min().value(), 0.0F) << c->name();
  }
  EXPECT_NEAR(knots, 5147.683F, 1e-3F);

  const float feet = 99999.9F * 0.3048F;
  EXPECT_NEAR(feet, 30479.97F, 1e-2F);
  EXPECT_EQ(types::c1065.max().metres(), feet);
  EXPECT_EQ(types::c1202.max().metres(), feet);
  EXPECT_EQ(types::c1203.max(), types::c1202.max());
  EXPECT_EQ(types::c1203.min(), types::c1202.min());
  EXPECT_EQ(types::c1050.max().metres(), -feet);
  EXPECT_EQ(types::c1051.max().metres(), -feet);
  // Depths run downwards: the max of the two depth bands lies below their min.
  EXPECT_GT(types::c1050.min(), types::c1050.max());
  EXPECT_GT(types::c1051.min(), types::c1051.max());

  EXPECT_EQ(types::c1082.max().radians(), 1.5707964F);
  EXPECT_EQ(types::c1082.min().radians(), 0.0F);
  EXPECT_THROW(types::c1082_type(4.0F), csl::range_error);
}

TEST_F(enhanced_aural_test, LevelBoundsAreRoundedToCountsOf64thsOfADecibel) {
  EXPECT_EQ(types::c1013.min().count(), -19200);
  EXPECT_EQ(types::c1013.max().count(), 19200);
  EXPECT_EQ(types::c1080.min().count(), -6336);
  EXPECT_EQ(types::c1081.max().count(), 6336);
  EXPECT_EQ(types::c1220.min().count(), -6336);
  EXPECT_EQ(types::c1100.min().count(), 0);
  EXPECT_EQ(types::c1100.max().count(), 6400);
  EXPECT_EQ(types::c1100.max().value(), 100.0F);
  EXPECT_EQ(types::c1100.max_image(), " 100.0");
}

struct bound_images {
  const char* name;
  const char* min_image;
  const char* max_image;
};

TEST_F(enhanced_aural_test, BoundImagesThroughTheCatalogue) {
  const std::vector<bound_images> table{
      {"c1001", " 0", " 999"},         {"c1013", "-300.0", " 300.0"},
      {"c1014", "  0.0", "999.9"},     {"c1015", "-99.9", " 99.9"},
      {"c1016", "    0.0", "99999.9"}, {"c1022", " 0.0", "99.9"},
      {"c1030", " 0", " 9"},           {"c1040", "   0.0", "9999.9"},
      {"c1042", "-9999.9", " 9999.9"}, {"c1050", " 0", "-100000"},
      {"c1061", "  0.00", "999.99"},   {"c1065", " 0", " 100000"},
      {"c1070", " 0", " 9"},           {"c1082", "   0.00", "  90.00"},
      {"c1092", " 0", " 9"},           {"c1100", "   0.0", " 100.0"},
      {"c1101", "   0.0", "9999.9"},   {"c1212", "  0.0", "100.0"},
      {"c1220", " -99.0", "  99.0"},   {"c1221", "   0.0", "9999.9"},
      {"c1222", "-99.99", " 99.99"},   {"c1224", "-9.999", " 9.999"},
  };
  for (const auto& c : table) {
    const catalogue::row* r = catalogue::find(c.name);
    ASSERT_NE(r, nullptr) << c.name;
    ASSERT_TRUE(r->min_image && r->max_image) << c.name;
    EXPECT_EQ(*r->min_image, c.min_image) << c.name;
    EXPECT_EQ(*r->max_image, c.max_image) << c.name;
  }
}

TEST_F(enhanced_aural_test, RealSecondsConvertToDurations) {
  EXPECT_EQ(types::c1060.duration_of(0.0F), std::chrono::nanoseconds(0));
  EXPECT_EQ(types::c1101.duration_of(0.5F), std::chrono::milliseconds(500));
  // 9999.9 as a float32 is 9999.900390625 s.
  EXPECT_EQ(types::c1066.duration_of(9999.9F), std::chrono::nanoseconds(9999900390625));
  EXPECT_EQ(types::c1063.image_of(12.345F), " 12.35");
  EXPECT_EQ(types::c1062.image_of(75.0F), "  75.0");
}

TEST_F(enhanced_aural_test, EveryCharacteristicHasOneRowOfItsKind) {
  const std::vector<int> expected{1000, 1001, 1010, 1011, 1012, 1013, 1014, 1015, 1016, 1017, 1020,
                                  1021, 1022, 1023, 1024, 1030, 1040, 1041, 1042, 1050, 1051, 1052,
                                  1060, 1061, 1062, 1063, 1064, 1065, 1066, 1070, 1071, 1080, 1081,
                                  1082, 1090, 1091, 1092, 1100, 1101, 1200, 1201, 1202, 1203, 1210,
                                  1211, 1212, 1220, 1221, 1222, 1223, 1224};
  const std::vector<int> durations{1060, 1061, 1062, 1063, 1066, 1101};
  const std::vector<int> texts{1000, 1010, 1023, 1210};
  std::vector<int> numbers;
  for (const catalogue::row* r : catalogue::rows()) {
    if (r->types_module != "sm_model_vehicle_enhanced_aural_types" || !r->number) continue;
    const int n = *r->number;
    numbers.push_back(n);
    EXPECT_EQ(r->group, "enhanced_aural");
    const bool duration = std::find(durations.begin(), durations.end(), n) != durations.end();
    EXPECT_EQ(r->has_duration, duration) << r->name;
    EXPECT_FALSE(r->has_interval) << r->name;
    const bool text = std::find(texts.begin(), texts.end(), n) != texts.end();
    EXPECT_EQ(r->kind_ == catalogue::kind::text, text) << r->name;
  }
  EXPECT_EQ(numbers, expected);
  EXPECT_EQ(catalogue::find(1000)->default_.text, "NONAME      ");
  EXPECT_EQ(catalogue::find(1224)->alias, "tdf_sl_offset_variation_with_depth");
  EXPECT_EQ(catalogue::find(1203)->alias, "tdf_max_depth_breakpoint");
}

}  // namespace
