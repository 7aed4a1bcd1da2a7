// Vehicle kinds: construction, guarded access, position mapping, groups and images.
#include "sm_model_vehicle_kind.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <utility>
#include <vector>

#include "vdb_bytes.hpp"

namespace {

namespace kind = sm_model_vehicle_kind;
using kind::perm;
using kind::temp;

using vdb_bytes::bytes_of;

TEST(vehicle_kind, LayoutIsTheIndexEntrysKey) {
  const kind::model_kind k =
      kind::create(42, 7, kind::name::from("NAME"), kind::class_::from("CLASS"), temp, 200);
  vdb_bytes::bytes expected(32, 0);
  vdb_bytes::put_u8(expected, 0, 0x11);
  vdb_bytes::put_u8(expected, 1, 7);
  vdb_bytes::put_u16(expected, 2, 42);
  vdb_bytes::put_text(expected, 4, 12, "CLASS");
  vdb_bytes::put_text(expected, 16, 12, "NAME");
  vdb_bytes::put_i32(expected, 28, 200);
  EXPECT_EQ(bytes_of(k), expected);
}

TEST(vehicle_kind, ShortCreateAndUnallocatedHaveTheDefaultIdentity) {
  const kind::model_kind k = kind::create(3, perm);
  EXPECT_TRUE(kind::is_valid(k));
  EXPECT_EQ(kind::qualifier_of(k), 1);
  EXPECT_EQ(kind::class_of(k).str(), "UNKNOWN     ");
  EXPECT_EQ(kind::name_of(k).str(), "NONAME      ");
  EXPECT_EQ(kind::issue_of(k), 0);
  EXPECT_EQ(kind::permanence_of(k), perm);

  vdb_bytes::bytes expected(32, 0);
  vdb_bytes::put_u8(expected, 0, 0x10);
  vdb_bytes::put_u8(expected, 1, 1);
  vdb_bytes::put_text(expected, 4, 12, "UNKNOWN");
  vdb_bytes::put_text(expected, 16, 12, "NONAME");
  EXPECT_EQ(bytes_of(kind::unallocated()), expected);
  EXPECT_FALSE(kind::is_valid(kind::model_kind{}));
}

TEST(vehicle_kind, PositionsCoverTheIndexExactlyOnce) {
  std::set<int> seen;
  for (int n = 0; n <= 999; ++n) {
    for (kind::permanence p : {perm, temp}) seen.insert(kind::db_index_of(kind::create(n, p)));
  }
  EXPECT_EQ(seen.size(), 2000U);
  EXPECT_EQ(*seen.begin(), 1);
  EXPECT_EQ(*seen.rbegin(), 2000);
  EXPECT_EQ(kind::db_index_of(kind::create(0, perm)), 1);
  EXPECT_EQ(kind::db_index_of(kind::create(0, temp)), 2);
  EXPECT_EQ(kind::db_index_of(kind::create(999, perm)), 1999);
  EXPECT_EQ(kind::db_index_of(kind::create(999, temp)), 2000);
}

TEST(vehicle_kind, InvalidKindsAreNeitherReadNorChangedNorMapped) {
  kind::model_kind k = kind::unallocated();
  const kind::model_kind before = k;
  EXPECT_THROW(kind::library_number_of(k), kind::model_not_created);
  EXPECT_THROW(kind::name_of(k), kind::model_not_created);
  EXPECT_THROW(kind::db_index_of(k), kind::model_not_created);
  EXPECT_THROW(kind::group_of(k), kind::model_not_created);
  EXPECT_THROW(kind::selection_image_of(k), kind::model_not_created);
  EXPECT_THROW(kind::set_library_number_of(k, 5), kind::model_not_created);
  EXPECT_THROW(kind::set_permanence_of(k, perm), kind::model_not_created);
  EXPECT_THROW(kind::set_name_of(k, kind::name::from("X")), kind::model_not_created);
  EXPECT_EQ(k, before);
  try {
    kind::issue_of(k);
  } catch (const kind::model_not_created& e) {
    EXPECT_EQ(e.full_name(), "SM_MODEL_VEHICLE_KIND.MODEL_NOT_CREATED");
    EXPECT_EQ(e.message(), "sm_model_vehicle_kind.issue_of");
  }
}

TEST(vehicle_kind, SettersChangeOneFieldAndKeepTheKindValid) {
  kind::model_kind k = kind::create(10, perm);
  kind::set_permanence_of(k, temp);
  EXPECT_TRUE(kind::is_valid(k));
  EXPECT_EQ(kind::permanence_of(k), temp);
  EXPECT_EQ(kind::db_index_of(k), 22);
  kind::set_library_number_of(k, 11);
  kind::set_qualifier_of(k, 64);
  kind::set_issue_of(k, 255);
  kind::set_class_of(k, kind::class_::from("DESTROYER"));
  EXPECT_EQ(kind::library_number_of(k), 11);
  EXPECT_EQ(kind::qualifier_of(k), 64);
  EXPECT_EQ(kind::issue_of(k), 255);
  EXPECT_EQ(kind::class_of(k).str(), "DESTROYER   ");
  EXPECT_THROW(kind::set_qualifier_of(k, 65), csl::range_error);
  EXPECT_THROW(kind::set_library_number_of(k, 1000), csl::range_error);
  EXPECT_EQ(kind::qualifier_of(k), 64);
}

TEST(vehicle_kind, GroupsFollowTheHundreds) {
  const std::vector<std::pair<int, kind::group>> cases = {
      {0, kind::group::soviet_sub},       {99, kind::group::soviet_sub},
      {100, kind::group::soviet_surf},    {250, kind::group::soviet_aux},
      {399, kind::group::nato_sub},       {400, kind::group::nato_surf},
      {500, kind::group::nato_aux},       {600, kind::group::general},
      {799, kind::group::weapons_decoys}, {899, kind::group::aircraft},
      {900, kind::group::test},           {999, kind::group::test},
  };
  for (const auto& [number, expected] : cases) {
    EXPECT_EQ(kind::group_of(kind::create(number, temp)), expected) << number;
  }
  EXPECT_EQ(kind::image_of(kind::group::soviet_sub), "SOVIET_SUB");
  EXPECT_EQ(kind::image_of(kind::group::weapons_decoys), "WEAPONS_DECOYS");
  EXPECT_EQ(kind::image_of(kind::group::all_groups), "ALL_GROUPS");
}

TEST(vehicle_kind, ImagesAreFixedWidth) {
  EXPECT_EQ(kind::image_of(kind::unallocated()), "-----");
  EXPECT_EQ(kind::image_of(kind::create(42, temp)), "042 T");
  EXPECT_EQ(kind::image_of(kind::create(7, perm)), "007 P");
  EXPECT_EQ(kind::image_of(kind::create(999, perm)), "999 P");
  const std::string selection = kind::selection_image_of(kind::create(3, perm));
  EXPECT_EQ(selection, "003 P UNKNOWN      NONAME      ");
  EXPECT_EQ(selection.size(), 31U);
}

// A key read from a damaged file may hold any library number; its image is never
// longer than five characters, so such a number is the range error.
TEST(vehicle_kind, ALibraryNumberBeyond999HasNoImage) {
  kind::model_kind damaged = kind::create(42, perm);
  const std::uint16_t number = 1500;
  std::memcpy(reinterpret_cast<unsigned char*>(&damaged) + 2, &number, sizeof number);
  EXPECT_THROW(kind::image_of(damaged), csl::range_error);
  EXPECT_THROW(kind::selection_image_of(damaged), csl::range_error);
  EXPECT_THROW(kind::group_of(damaged), csl::range_error);
}

}  // namespace
