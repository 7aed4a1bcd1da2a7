// The speed group: its layout and default bytes, the descriptors as the catalogue
// shows them (with the copies of c429's and c430's items), the propeller kind's
// choice list and the time conversions.
#include "sm_model_vehicle_speed_types.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "sm_model_vehicle_catalogue.hpp"
#include "sm_model_vehicle_speed.hpp"
#include "vdb_bytes.hpp"

namespace {

namespace types = sm_model_vehicle_speed_types;
namespace group_module = sm_model_vehicle_speed;
namespace catalogue = sm_model_vehicle_catalogue;

using vdb_bytes::bytes_of;

class speed_types_test : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    types::start_up();
    group_module::start_up();
  }
};

TEST_F(speed_types_test, GroupDefaultIsItsSliceOfTheDefaultRecord) {
  const vdb_bytes::bytes item = vdb_bytes::default_item();
  const vdb_bytes::bytes expected(item.begin() + 264, item.begin() + 264 + 152);
  EXPECT_EQ(bytes_of(group_module::group_default()), expected);
  const vdb_bytes::bytes mode(expected.begin() + 20, expected.begin() + 64);
  EXPECT_EQ(bytes_of(group_module::prop_mode_dependent_defaults()), mode);
  const vdb_bytes::bytes modes(expected.begin() + 20, expected.end());
  EXPECT_EQ(bytes_of(group_module::prop_modes_defaults()), modes);
}

TEST_F(speed_types_test, DefaultBytesOfEachMode) {
  const vdb_bytes::bytes b = bytes_of(group_module::group_default());
  // 9999.99 knots and 10 knots as float32 products; 250 rpm is 1500 degrees per second.
  const std::uint8_t max_speed[4] = {0xD4, 0xDD, 0xA0, 0x45};
  const std::uint8_t ten_knots[4] = {0x3C, 0xBA, 0xA4, 0x40};
  const std::uint8_t rpm_250[4] = {0x00, 0x80, 0xBB, 0x44};
  for (std::size_t mode = 0; mode < 3; ++mode) {
    const std::size_t m = 20 + 44 * mode;
    EXPECT_EQ(b[m], 99) << mode;
    EXPECT_EQ(b[m + 6], 0) << "c440 " << mode;
    EXPECT_EQ(b[m + 7], 0) << "gap " << mode;
    EXPECT_TRUE(std::equal(b.begin() + m + 8, b.begin() + m + 12, rpm_250)) << mode;
    EXPECT_TRUE(std::equal(b.begin() + m + 16, b.begin() + m + 20, max_speed)) << mode;
    EXPECT_TRUE(std::equal(b.begin() + m + 40, b.begin() + m + 44, ten_knots)) << mode;
  }
  EXPECT_EQ((vdb_bytes::bytes{b.begin() + 12, b.begin() + 20}),
            (vdb_bytes::bytes{100, 0, 200, 0, 150, 0, 3, 0}));
}

struct bound_images {
  const char* name;
  const char* min_image;
  const char* max_image;
};

TEST_F(speed_types_test, BoundImagesThroughTheCatalogue) {
  const std::vector<bound_images> table{
      {"c420", "    0.0", "99999.0"}, {"c421", " 0", " 999"},
      {"c422", " 0", " 999"},         {"c423", " 0", " 999"},
      {"c429", "   0.0", "0000.0"},   {"c430", "   0.0", "0000.0"},
      {"c431", "0.000", "9.999"},     {"c432", "0.000", "9.999"},
      {"c433", "  0.00", "999.99"},   {"c434", " 0", " 999"},
      {"c435", " 0", " 999"},         {"c436", " 0", " 999"},
      {"c437", " 0", " 999"},         {"c441", "  0.00", "999.99"},
      {"c442", "   0.0", "0000.0"},   {"c443", "  0.00", "999.99"},
      {"c444", "    0.0", "  999.0"}, {"c445", "-9999.99", " 9999.99"},
      {"c446", "   2.0", " 999.0"},
  };
  for (const auto& c : table) {
    const catalogue::row* r = catalogue::find(c.name);
    ASSERT_NE(r, nullptr) << c.name;
    ASSERT_TRUE(r->min_image && r->max_image) << c.name;
    EXPECT_EQ(*r->min_image, c.min_image) << c.name;
    EXPECT_EQ(*r->max_image, c.max_image) << c.name;
  }
  EXPECT_FALSE(catalogue::find(440)->min_image);  // the choice list takes their place
}

TEST_F(speed_types_test, CopiedItemsAreThoseOfTheCharacteristicCopied) {
  EXPECT_EQ(types::c430.min(), types::c429.min());
  EXPECT_EQ(types::c430.max(), types::c429.max());
  EXPECT_EQ(types::c430.default_(), types::c429.max());
  EXPECT_EQ(types::c442.min(), types::c430.min());
  EXPECT_EQ(types::c442.max(), types::c430.max());
  EXPECT_EQ(types::c442.default_().value(), 0.0F);
  EXPECT_EQ(catalogue::find(430)->default_.text, "9999.99 kn");
  EXPECT_EQ(catalogue::find(442)->max->text, "9999.99 kn");
}

TEST_F(speed_types_test, EveryCharacteristicHasOneRowOfItsKind) {
  std::vector<int> numbers;
  for (const catalogue::row* r : catalogue::rows()) {
    if (r->types_module == "sm_model_vehicle_speed_types" && r->number) {
      numbers.push_back(*r->number);
      EXPECT_EQ(r->group, "speed");
      const bool time = r->kind_ == catalogue::kind::time;
      EXPECT_EQ(r->has_duration, time) << r->name;
      EXPECT_EQ(r->has_interval, time) << r->name;
    }
  }
  EXPECT_EQ(numbers, (std::vector<int>{420, 421, 422, 423, 429, 430, 431, 432, 433, 434,
                                       435, 436, 437, 440, 441, 442, 443, 444, 445, 446}));
  for (const int n : {421, 422, 423, 434, 435, 436, 437}) {
    EXPECT_EQ(catalogue::find(n)->kind_, catalogue::kind::time) << n;
  }
  EXPECT_EQ(catalogue::find(420)->alias, "max_rpm");
  EXPECT_EQ(catalogue::find(445)->alias, "rpm_speed_slope_3_ccp");
  EXPECT_EQ(catalogue::find(446)->alias, "slope_three_one_changeover");
}

TEST_F(speed_types_test, PropellerKindChoiceList) {
  using k = types::c440_type;
  EXPECT_EQ(types::c440.choice_list_image(), "FIXED,CPP");
  EXPECT_EQ(types::c440.choice_list().options(k::fixed, k::fixed), "FIXED");
  EXPECT_EQ(types::c440.choice_list().options(k::cpp, k::cpp), "CPP");
  EXPECT_EQ(types::c440.choice_list().options(k::fixed, k::cpp), "FIXED,CPP");
  EXPECT_EQ(types::c440.choice_list().options(k::cpp, k::fixed), "");
  EXPECT_EQ(types::c440.image_of(k::cpp), "CPP");
  EXPECT_THROW(types::c440.image_of(static_cast<k>(2)), csl::range_error);
  // The field stores only the two literals and keeps its value otherwise.
  group_module::prop_mode_dependent mode = group_module::prop_mode_dependent_defaults();
  mode.c440 = k::cpp;
  EXPECT_THROW(mode.c440 = static_cast<k>(2), csl::range_error);
  EXPECT_EQ(mode.c440, k::cpp);
  EXPECT_EQ(catalogue::find(440)->choice_list_image, "FIXED,CPP");
}

TEST_F(speed_types_test, TimesConvertAndRangesAreChecked) {
  EXPECT_EQ(types::c437.interval_of(3), (csl_time::interval{0, 0, 0, 3, 0}));
  EXPECT_EQ(types::c421.duration_of(99), std::chrono::seconds(99));
  EXPECT_EQ(types::c421.image_of(0), " 0");
  group_module::group g = group_module::group_default();
  EXPECT_THROW(g.c434 = 1000, csl::range_error);
  EXPECT_THROW(g.pmode[0].c421 = -1, csl::range_error);
  EXPECT_EQ(g.c434, 100);
  EXPECT_EQ(g.pmode[0].c421, 99);
  EXPECT_EQ(types::c441.image_of(5.0F), "  5.00");
  EXPECT_EQ(types::c445.image_of(-5.5F), "   -5.50");
}

}  // namespace
