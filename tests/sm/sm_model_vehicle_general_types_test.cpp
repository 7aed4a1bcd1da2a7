// The general group's descriptors: defaults, bounds and their images, the identity
// items, the issue increment, the catalogue rows, and the group default built from
// the descriptors.
#include "sm_model_vehicle_general_types.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "sm_model_radar_general_types.hpp"
#include "sm_model_sonar_general_types.hpp"
#include "sm_model_vehicle_catalogue.hpp"
#include "sm_model_vehicle_general.hpp"
#include "vdb_bytes.hpp"

namespace {

namespace types = sm_model_vehicle_general_types;
namespace catalogue = sm_model_vehicle_catalogue;

class general_types_test : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    types::start_up();
    sm_model_vehicle_general::start_up();
  }
};

struct integer_case {
  int number;
  std::int64_t min;
  std::int64_t max;
  std::int64_t default_value;
  std::int64_t type_last;
  const char* min_image;
  const char* max_image;
};

// The descriptor table of the group, as the catalogue must show it.
const std::vector<integer_case> integer_table{
    {5, 1, 99, 1, 99, " 1", " 99"},      {100, 1, 64, 1, 64, " 1", " 64"},
    {104, 0, 999, 0, 999, " 0", " 999"}, {105, 0, 999, 0, 999, " 0", " 999"},
    {107, 0, 99, 0, 99, " 0", " 99"},    {114, 0, 799, 0, 799, " 0", " 799"},
    {115, 0, 499, 0, 499, " 0", " 499"},
};

TEST_F(general_types_test, IntegerCharacteristicsHaveTheirBoundsDefaultsAndImages) {
  for (const auto& c : integer_table) {
    const catalogue::row* r = catalogue::find(c.number);
    ASSERT_NE(r, nullptr) << c.number;
    EXPECT_EQ(r->kind_, catalogue::kind::integer) << c.number;
    EXPECT_EQ(r->group, "general");
    EXPECT_EQ(r->types_module, "sm_model_vehicle_general_types");
    EXPECT_EQ(r->type_first, 0.0) << c.number;
    EXPECT_EQ(r->type_last, static_cast<double>(c.type_last)) << c.number;
    EXPECT_EQ(r->min->stored, static_cast<double>(c.min)) << c.number;
    EXPECT_EQ(r->max->stored, static_cast<double>(c.max)) << c.number;
    EXPECT_EQ(r->default_.stored, static_cast<double>(c.default_value)) << c.number;
    EXPECT_EQ(r->min_image, c.min_image) << c.number;
    EXPECT_EQ(r->max_image, c.max_image) << c.number;
    EXPECT_FALSE(r->has_duration || r->has_interval);
  }
  EXPECT_EQ(types::c005.min_image(), " 1");
  EXPECT_EQ(types::c114.max_image(), " 799");
  EXPECT_EQ(types::c005.default_(), 1);
  EXPECT_EQ(types::c100.min(), 1);
}

TEST_F(general_types_test, ImageOperationsTakeTheWholeTypeRange) {
  EXPECT_EQ(types::c100.image_of(0), " 0");  // stored 0 is legal below the editing bound
  EXPECT_EQ(types::c100.image_of(64), " 64");
  EXPECT_THROW(types::c100.image_of(65), csl::range_error);
  EXPECT_EQ(types::c104.image_of(999), " 999");
  EXPECT_THROW(types::c104.image_of(1000), csl::range_error);
  EXPECT_EQ(types::c115.image_of(499), " 499");
  EXPECT_THROW(types::c115.image_of(500), csl::range_error);
  EXPECT_EQ(types::c005.image_of(0), " 0");
  EXPECT_EQ(types::c107.image_of(99), " 99");
}

struct text_case {
  int number;
  const char* default_value;
  const char* value_type;
};

TEST_F(general_types_test, TextCharacteristicsHaveABlankPaddedDefault) {
  const std::vector<text_case> texts{
      {101, "NONAME      ", "text of 12 characters"},
      {102, "UNKNOWN     ", "text of 12 characters"},
      {103, "UNKNOWN ", "text of 8 characters"},
      {106, "                                        ", "text of 40 characters"},
      {109, "   ", "text of 3 characters"},
  };
  for (const auto& t : texts) {
    const catalogue::row* r = catalogue::find(t.number);
    ASSERT_NE(r, nullptr) << t.number;
    EXPECT_EQ(r->kind_, catalogue::kind::text);
    EXPECT_EQ(r->default_.text, t.default_value) << t.number;
    EXPECT_EQ(r->value_type, t.value_type) << t.number;
    EXPECT_FALSE(r->min || r->min_image);
  }
  EXPECT_EQ(types::c101.default_().view(), "NONAME      ");
  EXPECT_EQ(types::c106.default_().view(), std::string(40, ' '));
}

TEST_F(general_types_test, EveryCharacteristicOfTheGroupHasOneRow) {
  std::vector<int> numbers;
  for (const catalogue::row* r : catalogue::rows()) {
    if (r->types_module == "sm_model_vehicle_general_types" && r->number) {
      numbers.push_back(*r->number);
    }
  }
  EXPECT_EQ(numbers, (std::vector<int>{5, 100, 101, 102, 103, 104, 105, 106, 107, 109, 114, 115}));
}

TEST_F(general_types_test, IdentityItemsOfTheVehicleKind) {
  EXPECT_EQ(types::permanence_default, types::permanence::temp);
  EXPECT_EQ(types::permanence_image_of(types::permanence::perm), "PERM");
  EXPECT_EQ(types::permanence_image_of(types::permanence::temp), "TEMP");
  EXPECT_THROW(types::permanence_image_of(static_cast<types::permanence>(2)), csl::range_error);
  EXPECT_EQ(types::permanence_characteristic.choice_list_image(), "PERM,TEMP");
  EXPECT_EQ(types::issue_default, 0);
  EXPECT_EQ(types::issue_image_of(0), " 0");
  EXPECT_EQ(types::issue_image_of(255), " 255");
  EXPECT_EQ(types::library_number_default, 0);
  EXPECT_EQ(types::library_number_min, 0);
  EXPECT_EQ(types::library_number_max, 999);
  EXPECT_EQ(types::library_number_min_image(), " 0");
  EXPECT_EQ(types::library_number_max_image(), " 999");
  EXPECT_EQ(types::library_number_image_of(995), " 995");
  EXPECT_THROW(types::library_number_image_of(1000), csl::range_error);

  const catalogue::row* library_number = catalogue::find("library_number");
  ASSERT_NE(library_number, nullptr);
  EXPECT_FALSE(library_number->number.has_value());
  EXPECT_EQ(library_number->max_image, " 999");
  EXPECT_EQ(catalogue::find("permanence")->choice_list_image, "PERM,TEMP");
  EXPECT_EQ(catalogue::find("permanence")->default_.text, "TEMP");
  EXPECT_EQ(catalogue::find("issue")->value_type, "integer 0 .. 255");
}

// An issue fills its byte, so a wider number is refused rather than cut to its low byte.
TEST(issue_range, NumbersBeyond255AreRangeErrorsAndKeepTheOldIssue) {
  EXPECT_EQ(types::issue_image_of(255), " 255");
  EXPECT_THROW(types::issue_image_of(256), csl::range_error);
  EXPECT_THROW(types::issue_image_of(-1), csl::range_error);
  sm_model_vehicle_general::group g = sm_model_vehicle_general::group_default();
  g.issue = 7;
  EXPECT_THROW(g.issue = 300, csl::range_error);
  EXPECT_EQ(g.issue, 7);
  EXPECT_THROW(sm_model_sonar_general_types::issue_image_of(256), csl::range_error);
  EXPECT_THROW(sm_model_radar_general_types::issue_image_of(256), csl::range_error);
}

TEST(issue_increment, WrapsAfter255) {
  static_assert(types::increment(255) == 0);
  const std::vector<std::pair<types::issue, types::issue>> cases{
      {0, 1}, {1, 2}, {41, 42}, {254, 255}, {255, 0}};
  for (const auto& [issue, next] : cases) EXPECT_EQ(types::increment(issue), next) << int{issue};
}

TEST_F(general_types_test, GroupDefaultIsTheDescriptorDefaultsByteForByte) {
  vdb_bytes::bytes expected(92, 0);
  vdb_bytes::put_u8(expected, 0, 0x10);  // not valid, temp
  vdb_bytes::put_u8(expected, 1, 1);     // c100
  vdb_bytes::put_u16(expected, 2, 0);    // library_number
  vdb_bytes::put_text(expected, 4, 12, "NONAME");
  vdb_bytes::put_text(expected, 16, 12, "UNKNOWN");
  vdb_bytes::put_text(expected, 28, 8, "UNKNOWN");
  vdb_bytes::put_text(expected, 40, 40, "");  // c106
  vdb_bytes::put_text(expected, 80, 3, "");   // c109
  vdb_bytes::put_u16(expected, 90, 1);        // c005
  vdb_bytes::bytes actual(sizeof(sm_model_vehicle_general::group));
  std::memcpy(actual.data(), &sm_model_vehicle_general::group_default(), actual.size());
  EXPECT_EQ(actual, expected);
}

}  // namespace
