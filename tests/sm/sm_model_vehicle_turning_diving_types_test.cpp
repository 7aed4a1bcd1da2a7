// The turning and diving group: its layout and default bytes, the descriptors as
// the catalogue shows them (with the copies of c409's and c414's items) and the
// time conversions.
#include "sm_model_vehicle_turning_diving_types.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "sm_model_vehicle_catalogue.hpp"
#include "sm_model_vehicle_turning_diving.hpp"
#include "vdb_bytes.hpp"

namespace {

namespace types = sm_model_vehicle_turning_diving_types;
namespace group_module = sm_model_vehicle_turning_diving;
namespace catalogue = sm_model_vehicle_catalogue;

using vdb_bytes::bytes_of;

class turning_diving_types_test : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    types::start_up();
    group_module::start_up();
  }
};

TEST_F(turning_diving_types_test, GroupDefaultIsItsSliceOfTheDefaultRecord) {
  const vdb_bytes::bytes item = vdb_bytes::default_item();
  const vdb_bytes::bytes expected(item.begin() + 416, item.begin() + 416 + 56);
  EXPECT_EQ(bytes_of(group_module::group_default()), expected);
  const vdb_bytes::bytes mode(expected.begin() + 32, expected.begin() + 40);
  EXPECT_EQ(bytes_of(group_module::prop_mode_dependent_defaults()), mode);
  const vdb_bytes::bytes modes(expected.begin() + 32, expected.end());
  EXPECT_EQ(bytes_of(group_module::prop_modes_defaults()), modes);
}

TEST_F(turning_diving_types_test, DiveAngleIsStoredInRadians) {
  const vdb_bytes::bytes b = bytes_of(group_module::group_default());
  const std::uint8_t thirty_degrees[4] = {0x92, 0x0A, 0x06, 0x3F};          // 0.5235988
  EXPECT_TRUE(std::equal(b.begin() + 16, b.begin() + 20, thirty_degrees));  // c410
  for (std::size_t mode = 0; mode < 3; ++mode) {
    const std::size_t m = 32 + 8 * mode;
    EXPECT_TRUE(std::equal(b.begin() + m, b.begin() + m + 4, thirty_degrees)) << mode;
  }
  EXPECT_EQ(group_module::group_default().pmode[0].c409.radians(), 0.5235988F);
  const std::uint8_t point_four[4] = {0xCD, 0xCC, 0xCC, 0x3E};
  EXPECT_TRUE(std::equal(b.begin() + 8, b.begin() + 12, point_four));  // c402
}

struct bound_images {
  const char* name;
  const char* min_image;
  const char* max_image;
};

TEST_F(turning_diving_types_test, BoundImagesThroughTheCatalogue) {
  const std::vector<bound_images> table{
      {"c400", " 0", " 999"},         {"c411", " 0", " 999"},
      {"c401", "   0.00", "9999.99"}, {"c402", "     0.0000", "000000.0000"},
      {"c403", "0.00000", "9.99998"}, {"c409", "   0.00", "  90.00"},
      {"c410", "   0.00", "  90.00"}, {"c412", "-99999", " 99999"},
      {"c413", " -99.0", "  99.0"},   {"c414", "-10000", " 10000"},
      {"c415", "-10000", " 10000"},
  };
  for (const auto& c : table) {
    const catalogue::row* r = catalogue::find(c.name);
    ASSERT_NE(r, nullptr) << c.name;
    ASSERT_TRUE(r->min_image && r->max_image) << c.name;
    EXPECT_EQ(*r->min_image, c.min_image) << c.name;
    EXPECT_EQ(*r->max_image, c.max_image) << c.name;
  }
}

TEST_F(turning_diving_types_test, CopiedItemsAreThoseOfTheCharacteristicCopied) {
  EXPECT_EQ(types::c410.min(), types::c409.min());
  EXPECT_EQ(types::c410.max(), types::c409.max());
  EXPECT_EQ(types::c410.default_(), types::c409.default_());
  EXPECT_EQ(types::c415.min(), types::c414.min());
  EXPECT_EQ(types::c415.max(), types::c414.max());
  EXPECT_EQ(types::c415.default_().metres(), 0.0F);
  EXPECT_EQ(types::c413.max().value(), 30.18F);
  EXPECT_EQ(types::c413.min().value(), -30.18F);
  EXPECT_EQ(catalogue::find(413)->image_name, "csl_image_utilities.image_in_feet_per_second_of");
  EXPECT_EQ(catalogue::find(410)->image_name, "csl_image_utilities.image_in_degrees_180_of");
}

TEST_F(turning_diving_types_test, EveryCharacteristicHasOneRowWithItsAlias) {
  std::vector<int> numbers;
  for (const catalogue::row* r : catalogue::rows()) {
    if (r->types_module == "sm_model_vehicle_turning_diving_types" && r->number) {
      numbers.push_back(*r->number);
      EXPECT_EQ(r->group, "turning_diving");
    }
  }
  EXPECT_EQ(numbers, (std::vector<int>{400, 401, 402, 403, 409, 410, 411, 412, 413, 414, 415}));
  EXPECT_EQ(catalogue::find(401)->alias, "turning_constant_1");
  EXPECT_EQ(catalogue::find(409)->alias, "default_dive_angle");
  EXPECT_EQ(catalogue::find(413)->alias, "zero_dive_angle_depth_rate");
  EXPECT_EQ(catalogue::find(415)->alias, "default_depth");
  EXPECT_TRUE(catalogue::find(400)->has_interval);
  EXPECT_TRUE(catalogue::find(411)->has_duration);
}

TEST_F(turning_diving_types_test, TimesConvertAndRangesAreChecked) {
  EXPECT_EQ(types::c400.duration_of(10), std::chrono::seconds(10));
  EXPECT_EQ(types::c411.interval_of(999), (csl_time::interval{0, 0, 16, 39, 0}));
  EXPECT_EQ(types::c402.image_of(0.4F), "     0.4000");
  EXPECT_EQ(types::c403.image_of(0.0009F), "0.00090");
  group_module::group g = group_module::group_default();
  EXPECT_THROW(g.c400 = 1000, csl::range_error);
  EXPECT_EQ(g.c400, 10);
  g.c411 = 0;
  EXPECT_EQ(g.c411, 0);
}

}  // namespace
