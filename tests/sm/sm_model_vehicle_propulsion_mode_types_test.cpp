// The propulsion mode group: its layout and default bytes, the descriptors of its
// characteristics as the catalogue shows them, and the mode-number range.
#include "sm_model_vehicle_propulsion_mode_types.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "sm_model_vehicle_catalogue.hpp"
#include "sm_model_vehicle_propulsion_mode.hpp"
#include "vdb_bytes.hpp"

namespace {

namespace types = sm_model_vehicle_propulsion_mode_types;
namespace group_module = sm_model_vehicle_propulsion_mode;
namespace catalogue = sm_model_vehicle_catalogue;

using vdb_bytes::bytes_of;

class propulsion_mode_types_test : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    types::start_up();
    group_module::start_up();
  }
};

TEST_F(propulsion_mode_types_test, GroupDefaultIsItsSliceOfTheDefaultRecord) {
  const vdb_bytes::bytes item = vdb_bytes::default_item();
  const vdb_bytes::bytes expected(item.begin() + 176, item.begin() + 176 + 88);
  EXPECT_EQ(bytes_of(group_module::group_default()), expected);
  const vdb_bytes::bytes mode(expected.begin(), expected.begin() + 28);
  EXPECT_EQ(bytes_of(group_module::prop_mode_dependent_defaults()), mode);
  const vdb_bytes::bytes modes(expected.begin(), expected.begin() + 84);
  EXPECT_EQ(bytes_of(group_module::prop_modes_defaults()), modes);
}

TEST_F(propulsion_mode_types_test, DefaultBytesOfEachMode) {
  const vdb_bytes::bytes b = bytes_of(group_module::group_default());
  // 50 knots: float32(50) x float32(0.51477337), rounded once.
  const std::uint8_t fifty_knots[4] = {0xCB, 0xE8, 0xCD, 0x41};
  for (std::size_t mode = 0; mode < 3; ++mode) {
    const std::size_t m = 28 * mode;
    EXPECT_EQ((vdb_bytes::bytes{b.begin() + m, b.begin() + m + 8}),
              (vdb_bytes::bytes{1, 1, 1, 1, 'N', 'O', 'N', 'E'}))
        << mode;
    EXPECT_TRUE(std::equal(b.begin() + m + 20, b.begin() + m + 24, fifty_knots)) << mode;
    EXPECT_EQ(b[m + 24] | b[m + 25], 0) << "c320 " << mode;
    EXPECT_EQ(b[m + 26] | b[m + 27], 0) << "gap " << mode;
  }
  EXPECT_EQ(b[84], 1);  // c300
  EXPECT_EQ(b[85] | b[86] | b[87], 0);
}

struct bound_images {
  const char* name;
  const char* min_image;
  const char* max_image;
};

TEST_F(propulsion_mode_types_test, BoundImagesThroughTheCatalogue) {
  const std::vector<bound_images> table{
      {"c300", " 1", " 3"},         {"c303", " 1", " 3"},         {"c304", " 1", " 3"},
      {"c313", " 1", " 3"},         {"c314", " 1", " 3"},         {"c320", " 2", " 9999"},
      {"c301", "-10000", " 10000"}, {"c302", "-99999", " 99999"}, {"c311", " -99.9", "  99.9"},
      {"c312", "-200.0", "2000.0"},
  };
  for (const auto& c : table) {
    const catalogue::row* r = catalogue::find(c.name);
    ASSERT_NE(r, nullptr) << c.name;
    ASSERT_TRUE(r->min_image && r->max_image) << c.name;
    EXPECT_EQ(*r->min_image, c.min_image) << c.name;
    EXPECT_EQ(*r->max_image, c.max_image) << c.name;
  }
}

TEST_F(propulsion_mode_types_test, EveryCharacteristicHasOneRowWithItsAlias) {
  std::vector<int> numbers;
  for (const catalogue::row* r : catalogue::rows()) {
    if (r->types_module == "sm_model_vehicle_propulsion_mode_types" && r->number) {
      numbers.push_back(*r->number);
      EXPECT_EQ(r->group, "propulsion_mode");
    }
  }
  EXPECT_EQ(numbers, (std::vector<int>{300, 301, 302, 303, 304, 305, 311, 312, 313, 314, 320}));
  EXPECT_EQ(catalogue::find(301)->alias, "min_depth_this_mode");
  EXPECT_EQ(catalogue::find(302)->alias, "max_depth_this_mode");
  EXPECT_EQ(catalogue::find(311)->alias, "min_speed_each_mode");
  EXPECT_EQ(catalogue::find(312)->alias, "max_speed_each_mode");
  EXPECT_EQ(catalogue::find(305)->default_.text, "NONE");
  EXPECT_EQ(catalogue::find(312)->default_.text, "50 kn");
}

TEST_F(propulsion_mode_types_test, ModeReferencesShowThroughTheModeNumberImage) {
  for (const int n : {303, 304, 313, 314}) {
    const catalogue::row* r = catalogue::find(n);
    ASSERT_NE(r, nullptr) << n;
    EXPECT_EQ(r->image_name, "c300_image_of (integer image)") << n;
    EXPECT_EQ(r->image_of(2.0), " 2") << n;
    EXPECT_THROW(r->image_of(0.0), csl::range_error) << n;
  }
  EXPECT_EQ(catalogue::find(300)->image_name, "c300_image_of (integer image)");
  EXPECT_EQ(types::c300.image_of(3), " 3");
}

TEST_F(propulsion_mode_types_test, ModeNumbersRefuseZeroAndTimesTakeTheirDefaultBelowTheBound) {
  group_module::group g = group_module::group_default();
  EXPECT_THROW(g.c300 = 0, csl::range_error);
  EXPECT_EQ(g.c300, 1);
  EXPECT_THROW(g.pmode[0].c303 = 4, csl::range_error);
  EXPECT_EQ(g.pmode[0].c303, 1);
  g.pmode[2].c314 = 3;
  EXPECT_EQ(g.pmode[2].c314, 3);
  // c320's default 0 lies below its editing bound 2 and is still a legal value.
  EXPECT_EQ(types::c320.default_(), 0);
  EXPECT_EQ(types::c320.min(), 2);
  EXPECT_THROW(g.pmode[1].c320 = 10000, csl::range_error);
  g.pmode[1].c320 = 9999;
  EXPECT_EQ(g.pmode[1].c320, 9999);
  EXPECT_EQ(types::c320.duration_of(2), std::chrono::seconds(2));
  EXPECT_EQ(types::c320.interval_of(3661), (csl_time::interval{0, 1, 1, 1, 0}));
}

}  // namespace
