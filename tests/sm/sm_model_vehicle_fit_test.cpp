// The associated fit and project-specific groups: their layouts and default bytes,
// the model kinds a fit group starts with, the descriptors as the catalogue shows
// them, the deployment side's choice list and the per-mode time.
#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "sm_model_vehicle_associated_fit.hpp"
#include "sm_model_vehicle_associated_fit_types.hpp"
#include "sm_model_vehicle_catalogue.hpp"
#include "sm_model_vehicle_project_specific.hpp"
#include "sm_model_vehicle_project_specific_types.hpp"
#include "vdb_bytes_fit.hpp"

namespace {

namespace fit_types = sm_model_vehicle_associated_fit_types;
namespace fit = sm_model_vehicle_associated_fit;
namespace project_types = sm_model_vehicle_project_specific_types;
namespace project = sm_model_vehicle_project_specific;
namespace catalogue = sm_model_vehicle_catalogue;
namespace sonar = sm_model_sonar_kind;
namespace radar = sm_model_radar_kind;
namespace vehicle = sm_model_vehicle_kind;

using vdb_bytes::bytes_of;

std::vector<const sonar::model_kind*> sonar_kinds(const fit::group& g) {
  return {&g.c600, &g.c601, &g.c602, &g.c603, &g.c604, &g.c605, &g.c606, &g.c607, &g.c608, &g.c609};
}

std::vector<const radar::model_kind*> radar_kinds(const fit::group& g) {
  return {&g.c610, &g.c611, &g.c612, &g.c613, &g.c614, &g.c615, &g.c616, &g.c617, &g.c618, &g.c619};
}

std::vector<const vehicle::model_kind*> vehicle_kinds(const fit::group& g) {
  return {&g.c620, &g.c621, &g.c622, &g.c623, &g.c624, &g.c630, &g.c631, &g.c632, &g.c633, &g.c634};
}

class fit_test : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    sonar::start_up();
    radar::start_up();
    fit::start_up();
    project::start_up();
  }
};

// ---- Associated fit ----

TEST_F(fit_test, DefaultGroupHoldsThirtyUnallocatedKinds) {
  const vdb_bytes::bytes b = bytes_of(fit::group_default());
  EXPECT_EQ(b, vdb_bytes::fit_group_default());
  EXPECT_EQ((vdb_bytes::bytes{b.begin(), b.begin() + 8}), vdb_bytes::bytes(8, 0));
  // The second set of vehicle kinds follows the first directly.
  EXPECT_EQ(offsetof(fit::group, c630), 448U + 5U * 32U);
  EXPECT_EQ((vdb_bytes::bytes{b.begin() + 608, b.begin() + 640}),
            vdb_bytes::unallocated_vehicle_kind());
  EXPECT_EQ(bytes_of(fit::prop_mode_dependent_defaults()), vdb_bytes::bytes(2, 0));
  EXPECT_EQ(bytes_of(fit::prop_modes_defaults()), vdb_bytes::bytes(6, 0));

  const fit::group& g = fit::group_default();
  for (const sonar::model_kind* k : sonar_kinds(g)) EXPECT_EQ(*k, sonar::unallocated());
  for (const radar::model_kind* k : radar_kinds(g)) EXPECT_EQ(*k, radar::unallocated());
  for (const vehicle::model_kind* k : vehicle_kinds(g)) EXPECT_EQ(*k, vehicle::unallocated());
}

TEST_F(fit_test, GroupWithoutValueHasEveryKindMarkedNotValid) {
  // Whatever the storage held before, a group created without a value has no valid
  // model kind in it.
  alignas(fit::group) unsigned char storage[sizeof(fit::group)];
  std::memset(storage, 0xFF, sizeof storage);
  const fit::group* g = new (storage) fit::group;
  for (const sonar::model_kind* k : sonar_kinds(*g)) EXPECT_FALSE(sonar::is_valid(*k));
  for (const radar::model_kind* k : radar_kinds(*g)) EXPECT_FALSE(radar::is_valid(*k));
  for (const vehicle::model_kind* k : vehicle_kinds(*g)) EXPECT_FALSE(vehicle::is_valid(*k));
}

TEST_F(fit_test, FieldsLieAtTheirOffsets) {
  fit::group g = fit::group_default();
  g.pmode[0].c661 = 1;
  g.pmode[1].c661 = 9999;
  g.pmode[2].c661 = 300;
  g.c671 = fit_types::c671_type::ob_side;
  g.c675 = 24;
  g.c609 = sonar::create(5, sonar::name::from("SONAR"), sonar::temp, 9);
  g.c610 = radar::create(12, 345, radar::name::from("RADAR"), radar::perm, 7);
  g.c624 = vehicle::create(3, vehicle::perm);
  g.c650 = csl_length::distance(100.0F);
  g.c651 = csl_angle::angle(0.25F);
  g.c652 = csl_angle::angle(0.5F);
  g.c653 = csl_angle::angle(0.75F);
  g.c670 = csl_length::distance(200.0F);

  vdb_bytes::bytes expected = vdb_bytes::fit_group_default();
  vdb_bytes::put_u16(expected, 0, 1);
  vdb_bytes::put_u16(expected, 2, 9999);
  vdb_bytes::put_u16(expected, 4, 300);
  vdb_bytes::put_u8(expected, 6, 2);
  vdb_bytes::put_u8(expected, 7, 24);
  vdb_bytes::put_bytes(expected, 152, vdb_bytes::sonar_kind(true, true, 9, 5, "SONAR"));
  vdb_bytes::put_bytes(expected, 168, vdb_bytes::radar_kind(true, false, 7, 345, 12, "RADAR"));
  vdb_bytes::put_u8(expected, 576, 0x01);  // c624: valid, perm; the rest as unallocated
  vdb_bytes::put_u16(expected, 578, 3);
  vdb_bytes::put_f32(expected, 768, 100.0F);
  vdb_bytes::put_f32(expected, 772, 0.25F);
  vdb_bytes::put_f32(expected, 776, 0.5F);
  vdb_bytes::put_f32(expected, 780, 0.75F);
  vdb_bytes::put_f32(expected, 784, 200.0F);
  EXPECT_EQ(bytes_of(g), expected);
}

struct bound_images {
  int number;
  const char* min_image;
  const char* max_image;
};

TEST_F(fit_test, BoundImagesThroughTheCatalogue) {
  const std::vector<bound_images> table{
      {650, "     0.0", "  9999.0"},
      {651, "  0.00", " 99.90"},
      {652, "  0.00", " 99.90"},
      {653, "  0.00", " 99.90"},
      {661, " 0", " 9999"},
      {670, "     0.0", "  9999.0"},
      {675, " 0", " 24"},
  };
  for (const auto& c : table) {
    const catalogue::row* r = catalogue::find(c.number);
    ASSERT_NE(r, nullptr) << c.number;
    ASSERT_TRUE(r->min_image && r->max_image) << c.number;
    EXPECT_EQ(*r->min_image, c.min_image) << c.number;
    EXPECT_EQ(*r->max_image, c.max_image) << c.number;
  }
  EXPECT_EQ(fit_types::c650.max_image(), "  9999.0");
  EXPECT_EQ(fit_types::c651.max_image(), " 99.90");
  EXPECT_EQ(catalogue::find(650)->image_name, "csl_image_utilities.image_in_yards_of");
  EXPECT_EQ(catalogue::find(651)->image_name, "csl_image_utilities.image_in_degrees_360_of");
  EXPECT_EQ(catalogue::find(650)->max->text, "9999 yd");
  EXPECT_EQ(catalogue::find(653)->max->text, "99.9 deg");
  EXPECT_FALSE(catalogue::find(671)->min_image);  // the choice list takes their place
  EXPECT_EQ(fit_types::c650.default_().metres(), 0.0F);
  EXPECT_EQ(fit_types::c651.default_().radians(), 0.0F);
}

TEST_F(fit_test, EveryCharacteristicHasOneRowOfItsKind) {
  std::vector<int> numbers;
  for (const catalogue::row* r : catalogue::rows()) {
    if (r->types_module == "sm_model_vehicle_associated_fit_types") {
      ASSERT_TRUE(r->number) << r->name;
      numbers.push_back(*r->number);
      EXPECT_EQ(r->group, "associated_fit");
    }
  }
  std::vector<int> expected;
  for (int n = 600; n <= 624; ++n) expected.push_back(n);
  for (int n = 630; n <= 634; ++n) expected.push_back(n);
  for (int n : {650, 651, 652, 653, 661, 670, 671, 675}) expected.push_back(n);
  EXPECT_EQ(numbers, expected);

  EXPECT_EQ(catalogue::find(605)->kind_, catalogue::kind::identity);
  EXPECT_EQ(catalogue::find(605)->value_type, "sm_model_sonar_kind.model_kind (16 bytes)");
  EXPECT_EQ(catalogue::find(615)->value_type, "sm_model_radar_kind.model_kind (28 bytes)");
  EXPECT_EQ(catalogue::find(615)->default_.text, "sm_model_radar_kind.unallocated");
  EXPECT_EQ(catalogue::find(631)->value_type, "sm_model_vehicle_kind.model_kind (32 bytes)");
  EXPECT_EQ(catalogue::find(661)->kind_, catalogue::kind::time);
  EXPECT_TRUE(catalogue::find(661)->has_duration && catalogue::find(661)->has_interval);
  EXPECT_EQ(catalogue::find(671)->kind_, catalogue::kind::enumeration);
  EXPECT_EQ(catalogue::find(675)->kind_, catalogue::kind::integer);
  EXPECT_EQ(catalogue::find(650)->alias, "homing_range");
  EXPECT_EQ(catalogue::find(651)->alias, "search_half_beamwidth");
  EXPECT_EQ(catalogue::find(652)->alias, "homing_half_beamwidth");
  EXPECT_EQ(catalogue::find(653)->alias, "vertical_half_beamwidth");
  EXPECT_EQ(catalogue::find(670)->alias, "cm_deployment_range");
}

TEST_F(fit_test, DeploymentSideChoiceList) {
  using side = fit_types::c671_type;
  const auto& list = fit_types::c671.choice_list();
  EXPECT_EQ(fit_types::c671.choice_list_image(), "EITHER_SIDE,ASTERN,OB_SIDE");
  EXPECT_EQ(list.options(side::astern, side::ob_side), "ASTERN,OB_SIDE");
  EXPECT_EQ(list.options(side::either_side, side::either_side), "EITHER_SIDE");
  EXPECT_EQ(list.options(side::ob_side, side::astern), "");
  EXPECT_EQ(list.options(side::either_side, side::ob_side), fit_types::c671.choice_list_image());
  EXPECT_EQ(list.room(), 35U);
  EXPECT_EQ(list.start(side::astern), 13);
  EXPECT_EQ(list.finish(side::ob_side), 26);
  EXPECT_EQ(fit_types::c671.image_of(side::either_side), "EITHER_SIDE");
  EXPECT_THROW(fit_types::c671.image_of(static_cast<side>(3)), csl::range_error);
  // The field stores only the three literals and keeps its value otherwise.
  fit::group g = fit::group_default();
  g.c671 = side::astern;
  EXPECT_THROW(g.c671 = static_cast<side>(3), csl::range_error);
  EXPECT_EQ(g.c671, side::astern);
  EXPECT_EQ(fit_types::c671.default_(), side::either_side);
}

TEST_F(fit_test, TimesAndCountsConvertAndRangesAreChecked) {
  EXPECT_EQ(fit_types::c661.duration_of(0), std::chrono::nanoseconds(0));
  EXPECT_EQ(fit_types::c661.duration_of(9999), std::chrono::seconds(9999));
  EXPECT_EQ(fit_types::c661.interval_of(9999), (csl_time::interval{0, 2, 46, 39, 0}));
  EXPECT_EQ(fit_types::c661.image_of(9999), " 9999");
  EXPECT_EQ(fit_types::c675.image_of(24), " 24");

  fit::group g = fit::group_default();
  EXPECT_THROW(g.pmode[1].c661 = 10000, csl::range_error);
  EXPECT_THROW(g.c675 = 25, csl::range_error);
  EXPECT_EQ(g.pmode[1].c661, 0);
  EXPECT_EQ(g.c675, 0);
  EXPECT_EQ(g, fit::group_default());
}

// ---- Project specific ----

template <class Descriptor, class Value>
concept has_own_image = requires(const Descriptor& d, Value v) {
  d.image_of(v);
};

TEST_F(fit_test, ProjectSpecificDefaultAndLayout) {
  EXPECT_EQ(bytes_of(project::group_default()), vdb_bytes::project_group_default());

  project::group g = project::group_default();
  g.c940 = 50;
  g.c941 = 10;
  g.c942 = 1;
  g.c943 = 2;
  g.c944 = 3;
  g.c945 = 4;
  g.c946 = 5;
  g.c947 = 6;
  g.c948 = 7;
  g.c949 = 8;
  g.c950 = 49;
  g.c951 = 9;
  vdb_bytes::bytes expected = vdb_bytes::project_group_default();
  const unsigned values[12] = {50, 10, 1, 2, 3, 4, 5, 6, 7, 8, 49, 9};
  for (std::size_t i = 0; i < 12; ++i) vdb_bytes::put_u8(expected, i, values[i]);
  EXPECT_EQ(bytes_of(g), expected);

  EXPECT_THROW(g.c950 = 51, csl::range_error);
  EXPECT_THROW(g.c951 = 11, csl::range_error);
  EXPECT_EQ(g.c950, 49);
}

TEST_F(fit_test, ProjectSpecificPairsShareTheFirstPairsImages) {
  std::vector<int> numbers;
  for (const catalogue::row* r : catalogue::rows()) {
    if (r->types_module != "sm_model_vehicle_project_specific_types") continue;
    ASSERT_TRUE(r->number) << r->name;
    numbers.push_back(*r->number);
    const bool reference = *r->number % 2 == 0;
    EXPECT_EQ(r->group, "project_specific");
    EXPECT_EQ(r->kind_, catalogue::kind::integer) << r->name;
    EXPECT_EQ(*r->min_image, " 0") << r->name;
    EXPECT_EQ(*r->max_image, reference ? " 50" : " 10") << r->name;
    EXPECT_EQ(r->image_name,
              reference ? "c940_image_of (integer image)" : "c941_image_of (integer image)")
        << r->name;
    EXPECT_EQ(r->image_of(reference ? 50 : 10), reference ? " 50" : " 10") << r->name;
    EXPECT_THROW(r->image_of(reference ? 51 : 11), csl::range_error) << r->name;
    EXPECT_EQ(r->default_.text, "0") << r->name;
  }
  EXPECT_EQ(numbers,
            (std::vector<int>{940, 941, 942, 943, 944, 945, 946, 947, 948, 949, 950, 951}));
  EXPECT_EQ(project_types::c940.image_of(0), " 0");
  EXPECT_EQ(project_types::c941.image_of(10), " 10");
  EXPECT_EQ(project_types::c948.max_image(), " 50");
  EXPECT_EQ(project_types::c949.max_image(), " 10");
  // Only the first pair has image operations of its own.
  static_assert(has_own_image<decltype(project_types::c940), project_types::c940_type>);
  static_assert(has_own_image<decltype(project_types::c941), project_types::c941_type>);
  static_assert(!has_own_image<decltype(project_types::c942), project_types::c942_type>);
  static_assert(!has_own_image<decltype(project_types::c951), project_types::c951_type>);
}

}  // namespace
