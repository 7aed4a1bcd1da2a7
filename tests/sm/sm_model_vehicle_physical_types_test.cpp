// The physical group: its default bytes taken from the descriptors, the bound
// images of every characteristic through the catalogue, and its ranged fields.
#include "sm_model_vehicle_physical_types.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "sm_model_vehicle_catalogue.hpp"
#include "sm_model_vehicle_general_types.hpp"
#include "sm_model_vehicle_physical.hpp"
#include "vdb_bytes.hpp"

namespace {

namespace types = sm_model_vehicle_physical_types;
namespace group_module = sm_model_vehicle_physical;
namespace catalogue = sm_model_vehicle_catalogue;

using vdb_bytes::bytes_of;

class physical_types_test : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    types::start_up();
    group_module::start_up();
  }
};

TEST_F(physical_types_test, GroupDefaultIsItsSliceOfTheDefaultRecord) {
  const vdb_bytes::bytes item = vdb_bytes::default_item();
  const vdb_bytes::bytes expected(item.begin() + 92, item.begin() + 92 + 84);
  EXPECT_EQ(bytes_of(group_module::group_default()), expected);
  const vdb_bytes::bytes mode(expected.begin(), expected.begin() + 8);
  EXPECT_EQ(bytes_of(group_module::prop_mode_dependent_defaults()), mode);
  const vdb_bytes::bytes modes(expected.begin(), expected.begin() + 24);
  EXPECT_EQ(bytes_of(group_module::prop_modes_defaults()), modes);
}

TEST_F(physical_types_test, LengthsAreTheFloat32ProductOfYards) {
  const vdb_bytes::bytes b = bytes_of(group_module::group_default());
  EXPECT_TRUE(std::equal(b.begin() + 24, b.begin() + 28, std::begin(vdb_bytes::fifty_yards)));
  EXPECT_TRUE(std::equal(b.begin() + 36, b.begin() + 40, std::begin(vdb_bytes::fifty_yards)));
  EXPECT_EQ(types::c200.default_().metres(), 45.719997F);
  EXPECT_EQ(types::c215.default_().metres(), 9.144F);
  EXPECT_EQ(catalogue::find(200)->default_.text, "50 yd");
}

struct bound_images {
  const char* name;
  const char* min_image;
  const char* max_image;
};

TEST_F(physical_types_test, BoundImagesThroughTheCatalogue) {
  const std::vector<bound_images> table{
      {"c200", " 0", " 99999"},     {"c201", "-1000", " 0"},      {"c202", "-9999", " 0"},
      {"c203", " 0", " 10000"},     {"c204", " 0", " 4"},         {"c205", " 2", " 99"},
      {"c206", " 0", " 99999"},     {"c209", " 0", " 9999"},      {"c210", "  0.0", "100.0"},
      {"c215", " 0", " 99999"},     {"c216", " 0", " 99999"},     {"c217", " 0", " 99999"},
      {"c218", " 0", " 99999"},     {"c220", "  0.00", " 90.00"}, {"c257", "-300.0", " 300.0"},
      {"c258", "   0.0", "  99.0"}, {"c259", "  0.00", " 90.00"}, {"c260", "   0.0", " 300.0"},
      {"c261", "   0.0", " 300.0"}, {"c277", "-300.0", " 300.0"}, {"c278", "-300.0", " 300.0"},
  };
  for (const auto& c : table) {
    const catalogue::row* r = catalogue::find(c.name);
    ASSERT_NE(r, nullptr) << c.name;
    ASSERT_TRUE(r->min_image && r->max_image) << c.name;
    EXPECT_EQ(*r->min_image, c.min_image) << c.name;
    EXPECT_EQ(*r->max_image, c.max_image) << c.name;
  }
}

TEST_F(physical_types_test, EveryCharacteristicHasOneRowWithItsAlias) {
  std::vector<int> numbers;
  for (const catalogue::row* r : catalogue::rows()) {
    if (r->types_module == "sm_model_vehicle_physical_types" && r->number) {
      numbers.push_back(*r->number);
      EXPECT_EQ(r->group, "physical");
    }
  }
  EXPECT_EQ(numbers, (std::vector<int>{200, 201, 202, 203, 204, 205, 206, 209, 210, 215, 216,
                                       217, 218, 220, 257, 258, 259, 260, 261, 277, 278}));
  EXPECT_EQ(catalogue::find(201)->alias, "keel_depth");
  EXPECT_EQ(catalogue::find(218)->alias, "heli_pad_height_offset");
  EXPECT_EQ(catalogue::find(259)->alias, "first_aspect_offset");
  EXPECT_EQ(catalogue::find(257)->alias, "");
  // Depths admit only zero or negative values.
  EXPECT_EQ(catalogue::find(201)->max->stored, 0.0);
  EXPECT_LT(*catalogue::find(202)->min->stored, 0.0);
}

struct range_case {
  const char* what;
  std::function<void()> assign;
  bool accepted;
};

TEST_F(physical_types_test, RangedFieldsCheckTheirTypeNotTheirEditingBounds) {
  group_module::prop_mode_dependent m = group_module::prop_mode_dependent_defaults();
  sm_model_vehicle_general_types::c100_type c100;
  const std::vector<range_case> cases{
      {"c204 0", [&] { m.c204 = 0; }, true},      {"c204 4", [&] { m.c204 = 4; }, true},
      {"c204 5", [&] { m.c204 = 5; }, false},     {"c204 -1", [&] { m.c204 = -1; }, false},
      {"c205 1", [&] { m.c205 = 1; }, false},     {"c205 99", [&] { m.c205 = 99; }, true},
      {"c205 100", [&] { m.c205 = 100; }, false}, {"c100 0", [&] { c100 = 0; }, true},
      {"c100 65", [&] { c100 = 65; }, false},
  };
  for (const auto& c : cases) {
    if (c.accepted) {
      EXPECT_NO_THROW(c.assign()) << c.what;
    } else {
      EXPECT_THROW(c.assign(), csl::range_error) << c.what;
    }
  }
  EXPECT_EQ(m.c204, 4);
  EXPECT_EQ(m.c205, 99);
  EXPECT_EQ(types::c205.image_of(99), " 99");
  EXPECT_THROW(catalogue::find(205)->image_of(1.0), csl::range_error);
}

}  // namespace
