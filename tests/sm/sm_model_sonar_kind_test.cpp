// Sonar model kinds: their byte image, construction, guarded access, position
// mapping, library groups and images; the sonar general types' descriptors.
#include "sm_model_sonar_kind.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <set>
#include <utility>
#include <vector>

#include "sm_model_sonar_general_types.hpp"
#include "sm_model_vehicle_catalogue.hpp"
#include "sm_model_vehicle_general_types.hpp"
#include "vdb_bytes_fit.hpp"

namespace {

namespace kind = sm_model_sonar_kind;
namespace types = sm_model_sonar_general_types;
namespace catalogue = sm_model_vehicle_catalogue;
using kind::perm;
using kind::temp;
using vdb_bytes::bytes_of;

// A kind as read from a record whose bytes are given.
kind::model_kind kind_from(const vdb_bytes::bytes& b) {
  kind::model_kind k;
  std::memcpy(&k, b.data(), sizeof k);
  return k;
}

class sonar_kind_test : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    // The vehicle's general types first: the sonar's rows must sit beside theirs.
    sm_model_vehicle_general_types::start_up();
    kind::start_up();
  }
};

TEST_F(sonar_kind_test, FourArgumentCreateLaysOutItsBytes) {
  const kind::model_kind k = kind::create(5, kind::name::from("SONAR 2087"), temp, 9);
  const vdb_bytes::bytes expected = vdb_bytes::sonar_kind(true, true, 9, 5, "SONAR 2087");
  EXPECT_EQ(expected[0], 0x11);
  EXPECT_EQ(bytes_of(k), expected);
  const kind::model_kind big = kind::create(999, kind::name::from("ABCDEFGHIJKL"), perm, 255);
  EXPECT_EQ(bytes_of(big), vdb_bytes::sonar_kind(true, false, 255, 999, "ABCDEFGHIJKL"));
}

TEST_F(sonar_kind_test, ShortCreateUnallocatedAndUndeclaredKinds) {
  const kind::model_kind k = kind::create(3, perm);
  EXPECT_EQ(bytes_of(k), vdb_bytes::sonar_kind(true, false, 0, 3, "NONAME"));
  EXPECT_EQ(bytes_of(kind::unallocated()), vdb_bytes::unallocated_sonar_kind());
  EXPECT_EQ(bytes_of(kind::unallocated())[0], 0x10);
  EXPECT_FALSE(kind::is_valid(kind::unallocated()));
  EXPECT_FALSE(kind::is_valid(kind::model_kind{}));
  // Declared without a value over storage that held a valid kind: not valid.
  alignas(kind::model_kind) unsigned char storage[sizeof(kind::model_kind)];
  std::memset(storage, 0xFF, sizeof storage);
  EXPECT_FALSE(kind::is_valid(*new (storage) kind::model_kind));
  EXPECT_TRUE(kind::is_valid(k));
  EXPECT_EQ(kind::name_of(k).str(), "NONAME      ");
  EXPECT_EQ(kind::issue_of(k), 0);
  EXPECT_EQ(kind::permanence_of(k), perm);
}

TEST_F(sonar_kind_test, PaddingBitsAreIgnoredOnReading) {
  vdb_bytes::bytes b = vdb_bytes::sonar_kind(true, true, 4, 42, "X");
  vdb_bytes::put_u8(b, 0, 0x1F);  // valid, temp, bits 1-3 set
  const kind::model_kind padded = kind_from(b);
  EXPECT_TRUE(kind::is_valid(padded));
  EXPECT_EQ(kind::permanence_of(padded), temp);
  EXPECT_EQ(kind::db_index_of(padded), 86);
  EXPECT_EQ(kind::image_of(padded), "042 T");
  EXPECT_EQ(padded, kind::create(42, kind::name::from("X"), temp, 4));

  vdb_bytes::put_u8(b, 0, 0x0E);  // bits 1-3 alone do not make a kind valid
  EXPECT_FALSE(kind::is_valid(kind_from(b)));
  EXPECT_EQ(kind::image_of(kind_from(b)), "-----");

  // Changing the permanence touches bits 4-7 only.
  kind::model_kind k = padded;
  kind::set_permanence_of(k, perm);
  EXPECT_EQ(bytes_of(k)[0], 0x0F);
}

TEST_F(sonar_kind_test, PositionsCoverTheDatabaseExactlyOnce) {
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
  // Issue and name play no part.
  EXPECT_EQ(kind::db_index_of(kind::create(7, kind::name::from("A"), temp, 200)), 16);
}

TEST_F(sonar_kind_test, InvalidKindsAreNeitherReadNorChangedNorMapped) {
  kind::model_kind k = kind::unallocated();
  const vdb_bytes::bytes before = bytes_of(k);
  EXPECT_THROW(kind::library_number_of(k), kind::model_not_created);
  EXPECT_THROW(kind::name_of(k), kind::model_not_created);
  EXPECT_THROW(kind::permanence_of(k), kind::model_not_created);
  EXPECT_THROW(kind::issue_of(k), kind::model_not_created);
  EXPECT_THROW(kind::db_index_of(k), kind::model_not_created);
  EXPECT_THROW(kind::group_of(k), kind::model_not_created);
  EXPECT_THROW(kind::selection_image_of(k), kind::model_not_created);
  EXPECT_THROW(kind::set_library_number_of(k, 5), kind::model_not_created);
  EXPECT_THROW(kind::set_name_of(k, kind::name::from("X")), kind::model_not_created);
  EXPECT_THROW(kind::set_permanence_of(k, perm), kind::model_not_created);
  EXPECT_THROW(kind::set_issue_of(k, 1), kind::model_not_created);
  EXPECT_EQ(bytes_of(k), before);
  EXPECT_EQ(kind::image_of(k), "-----");
  try {
    kind::selection_image_of(k);
    ADD_FAILURE() << "selection_image_of an unallocated kind";
  } catch (const kind::model_not_created& e) {
    EXPECT_EQ(e.full_name(), "SM_MODEL_SONAR_KIND.MODEL_NOT_CREATED");
    EXPECT_EQ(e.message(), "sm_model_sonar_kind.selection_image_of");
  }
}

TEST_F(sonar_kind_test, SettersChangeOneFieldAndRefuseValuesOutOfRange) {
  kind::model_kind k = kind::create(10, perm);
  kind::set_permanence_of(k, temp);
  EXPECT_TRUE(kind::is_valid(k));
  EXPECT_EQ(kind::db_index_of(k), 22);
  kind::set_library_number_of(k, 11);
  kind::set_issue_of(k, 255);
  kind::set_name_of(k, kind::name::from("TYPE 184"));
  EXPECT_EQ(bytes_of(k), vdb_bytes::sonar_kind(true, true, 255, 11, "TYPE 184"));

  const vdb_bytes::bytes before = bytes_of(k);
  EXPECT_THROW(kind::set_library_number_of(k, 1000), csl::range_error);
  EXPECT_THROW(kind::set_permanence_of(k, static_cast<kind::permanence>(2)), csl::range_error);
  EXPECT_THROW(kind::create(1000, perm), csl::range_error);
  EXPECT_THROW(kind::create(1, static_cast<kind::permanence>(2)), csl::range_error);
  EXPECT_EQ(bytes_of(k), before);
}

TEST_F(sonar_kind_test, DamagedFieldsAreRangeErrors) {
  // A permanence nibble beyond temp, or a library number beyond 999, can only come
  // from a damaged record: neither is mapped to a position.
  vdb_bytes::bytes b = vdb_bytes::sonar_kind(true, false, 0, 12, "X");
  vdb_bytes::put_u8(b, 0, 0x21);
  EXPECT_THROW(kind::permanence_of(kind_from(b)), csl::range_error);
  EXPECT_THROW(kind::db_index_of(kind_from(b)), csl::range_error);
  b = vdb_bytes::sonar_kind(true, false, 0, 1000, "X");
  EXPECT_THROW(kind::db_index_of(kind_from(b)), csl::range_error);
  EXPECT_THROW(kind::group_of(kind_from(b)), csl::range_error);
}

TEST_F(sonar_kind_test, GroupsFollowTheHundredsWithNoneForTheEightHundreds) {
  const std::vector<std::pair<int, kind::group>> cases = {
      {0, kind::group::soviet_sub},      {99, kind::group::soviet_sub},
      {100, kind::group::soviet_surf},   {299, kind::group::soviet_gen},
      {300, kind::group::nato_sub},      {450, kind::group::nato_surf},
      {599, kind::group::nato_gen},      {600, kind::group::general},
      {799, kind::group::buoys_weapons}, {900, kind::group::test},
      {999, kind::group::test},
  };
  for (const auto& [number, expected] : cases) {
    EXPECT_EQ(kind::group_of(kind::create(number, temp)), expected) << number;
  }
  for (const int number : {800, 850, 899}) {
    const kind::model_kind k = kind::create(number, perm);
    EXPECT_THROW(kind::group_of(k), kind::invalid_group) << number;
    EXPECT_EQ(kind::library_number_of(k), number);
  }
  try {
    kind::group_of(kind::create(800, perm));
  } catch (const kind::invalid_group& e) {
    EXPECT_EQ(e.full_name(), "SM_MODEL_SONAR_KIND.INVALID_GROUP");
  }
  EXPECT_EQ(kind::image_of(kind::group::soviet_gen), "SOVIET_GEN");
  EXPECT_EQ(kind::image_of(kind::group::buoys_weapons), "BUOYS_WEAPONS");
  EXPECT_EQ(kind::image_of(kind::group::test), "TEST");
  EXPECT_EQ(kind::image_of(kind::group::all_groups), "ALL_GROUPS");
  EXPECT_THROW(kind::image_of(static_cast<kind::group>(10)), csl::range_error);
}

TEST_F(sonar_kind_test, ImagesAreFixedWidth) {
  EXPECT_EQ(kind::image_of(kind::create(42, temp)), "042 T");
  EXPECT_EQ(kind::image_of(kind::create(7, perm)), "007 P");
  EXPECT_EQ(kind::image_of(kind::create(999, perm)), "999 P");
  const std::string selection = kind::selection_image_of(kind::create(3, perm));
  EXPECT_EQ(selection, "003 P NONAME      ");
  EXPECT_EQ(selection.size(), 18U);
  EXPECT_EQ(kind::selection_image_of(kind::create(120, kind::name::from("ABCDEFGHIJKL"), temp, 1)),
            "120 T ABCDEFGHIJKL");
}

TEST_F(sonar_kind_test, IssuesAndPermanences) {
  EXPECT_EQ(types::increment(255), 0);
  EXPECT_EQ(types::increment(0), 1);
  EXPECT_EQ(types::issue_image_of(0), " 0");
  EXPECT_EQ(types::issue_image_of(255), " 255");
  EXPECT_EQ(types::permanence_image_of(types::permanence::perm), "PERM");
  EXPECT_EQ(types::permanence_image_of(types::permanence::temp), "TEMP");
  EXPECT_THROW(types::permanence_image_of(static_cast<types::permanence>(2)), csl::range_error);
}

TEST_F(sonar_kind_test, DescriptorsAndTheirBoundImages) {
  EXPECT_EQ(types::a100.default_().str(), "NONAME      ");
  EXPECT_EQ(types::a101.default_().str(), "UNKNOWN" + std::string(33, ' '));
  EXPECT_EQ(types::a102.default_(), 0);
  EXPECT_EQ(types::a110.default_(), 1);
  EXPECT_EQ(types::a120.default_(), 1);
  EXPECT_EQ(types::a130.default_().value(), 1.0F);

  struct bounds {
    const char* name;
    std::string min_image;
    std::string max_image;
  };
  const std::vector<bounds> table = {
      {"a102", types::a102.min_image(), types::a102.max_image()},
      {"a110", types::a110.min_image(), types::a110.max_image()},
      {"a120", types::a120.min_image(), types::a120.max_image()},
      {"a130", types::a130.min_image(), types::a130.max_image()},
  };
  const std::vector<std::pair<const char*, const char*>> expected = {
      {" 0", " 999"}, {" 1", " 8"}, {" 1", " 18"}, {"     1.00", "100000.00"}};
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(table[i].min_image, expected[i].first) << table[i].name;
    EXPECT_EQ(table[i].max_image, expected[i].second) << table[i].name;
    const catalogue::row* r = catalogue::find(table[i].name);
    ASSERT_NE(r, nullptr) << table[i].name;
    EXPECT_EQ(r->types_module, "sm_model_sonar_general_types");
    EXPECT_EQ(*r->min_image, expected[i].first) << table[i].name;
  }
  EXPECT_EQ(types::a102.image_of(999), " 999");
  EXPECT_EQ(types::a130.image_of(types::a130_type(440.5F)), "   440.50");
  EXPECT_THROW(types::a110.image_of(9), csl::range_error);
  EXPECT_EQ(catalogue::find("a100")->kind_, catalogue::kind::text);
  EXPECT_EQ(catalogue::find("a101")->default_.text, "UNKNOWN" + std::string(33, ' '));
  // The vehicle's own named items keep their rows.
  EXPECT_EQ(catalogue::find("issue")->types_module, "sm_model_vehicle_general_types");
  EXPECT_EQ(catalogue::find("permanence")->types_module, "sm_model_vehicle_general_types");
}

}  // namespace
