// Radar model kinds: their byte image, construction, guarded access, position
// mapping and image; the radar general types' descriptors.
#include "sm_model_radar_kind.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <set>
#include <string>

#include "sm_model_radar_general_types.hpp"
#include "sm_model_vehicle_catalogue.hpp"
#include "vdb_bytes_fit.hpp"

namespace {

namespace kind = sm_model_radar_kind;
namespace types = sm_model_radar_general_types;
namespace catalogue = sm_model_vehicle_catalogue;
using kind::perm;
using kind::temp;
using vdb_bytes::bytes_of;

kind::model_kind kind_from(const vdb_bytes::bytes& b) {
  kind::model_kind k;
  std::memcpy(&k, b.data(), sizeof k);
  return k;
}

class radar_kind_test : public testing::Test {
 protected:
  static void SetUpTestSuite() { kind::start_up(); }
};

TEST_F(radar_kind_test, FiveArgumentCreateLaysOutItsBytes) {
  const kind::model_kind k = kind::create(12, 345, kind::name::from("TYPE 1006"), perm, 7);
  EXPECT_EQ(bytes_of(k), vdb_bytes::radar_kind(true, false, 7, 345, 12, "TYPE 1006"));
  const kind::model_kind full =
      kind::create(150, 9999, kind::name::from("ABCDEFGHIJKLMNOPQRST"), temp, 255);
  EXPECT_EQ(bytes_of(full),
            vdb_bytes::radar_kind(true, true, 255, 9999, 150, "ABCDEFGHIJKLMNOPQRST"));
}

TEST_F(radar_kind_test, ShortCreateAndUnallocated) {
  const kind::model_kind k = kind::create(1, perm);
  const vdb_bytes::bytes b = bytes_of(k);
  EXPECT_EQ(b[0], 0x01);
  EXPECT_EQ(b, vdb_bytes::radar_kind(true, false, 0, 0, 1, "NONAME"));
  EXPECT_EQ(kind::name_of(k).str(), "NONAME" + std::string(14, ' '));
  EXPECT_EQ(kind::name_of(k), types::e100.default_());

  EXPECT_EQ(bytes_of(kind::unallocated()), vdb_bytes::unallocated_radar_kind());
  EXPECT_EQ(bytes_of(kind::unallocated())[0], 0x10);
  EXPECT_FALSE(kind::is_valid(kind::unallocated()));
  EXPECT_FALSE(kind::is_valid(kind::model_kind{}));
  // Declared without a value over storage that held a valid kind: not valid.
  alignas(kind::model_kind) unsigned char storage[sizeof(kind::model_kind)];
  std::memset(storage, 0xFF, sizeof storage);
  EXPECT_FALSE(kind::is_valid(*new (storage) kind::model_kind));
}

TEST_F(radar_kind_test, PositionsCoverTheDatabaseExactlyOnce) {
  std::set<int> seen;
  for (int n = 1; n <= 150; ++n) {
    for (kind::permanence p : {perm, temp}) seen.insert(kind::db_index_of(kind::create(n, p)));
  }
  EXPECT_EQ(seen.size(), 300U);
  EXPECT_EQ(*seen.begin(), 1);
  EXPECT_EQ(*seen.rbegin(), 300);
  EXPECT_EQ(kind::db_index_of(kind::create(1, perm)), 1);
  EXPECT_EQ(kind::db_index_of(kind::create(1, temp)), 2);
  EXPECT_EQ(kind::db_index_of(kind::create(150, perm)), 299);
  EXPECT_EQ(kind::db_index_of(kind::create(150, temp)), 300);
  EXPECT_EQ(kind::db_index_of(kind::create(20, 4321, kind::name::from("X"), temp, 3)), 40);
}

TEST_F(radar_kind_test, InvalidKindsAreNeitherReadNorChangedNorMapped) {
  kind::model_kind k = kind::unallocated();
  const vdb_bytes::bytes before = bytes_of(k);
  EXPECT_THROW(kind::library_number_of(k), kind::model_not_created);
  EXPECT_THROW(kind::reference_number_of(k), kind::model_not_created);
  EXPECT_THROW(kind::name_of(k), kind::model_not_created);
  EXPECT_THROW(kind::permanence_of(k), kind::model_not_created);
  EXPECT_THROW(kind::issue_of(k), kind::model_not_created);
  EXPECT_THROW(kind::set_library_number_of(k, 2), kind::model_not_created);
  EXPECT_THROW(kind::set_reference_number_of(k, 2), kind::model_not_created);
  EXPECT_THROW(kind::set_name_of(k, kind::name::from("X")), kind::model_not_created);
  EXPECT_THROW(kind::set_permanence_of(k, perm), kind::model_not_created);
  EXPECT_THROW(kind::set_issue_of(k, 2), kind::model_not_created);
  EXPECT_EQ(bytes_of(k), before);
  EXPECT_EQ(kind::image_of(k), "-----------");
  try {
    kind::db_index_of(k);
    ADD_FAILURE() << "db_index_of an unallocated kind";
  } catch (const kind::model_not_created& e) {
    EXPECT_EQ(e.full_name(), "SM_MODEL_RADAR_KIND.MODEL_NOT_CREATED");
    EXPECT_EQ(e.message(), "sm_model_radar_kind.db_index_of");
  }
}

TEST_F(radar_kind_test, SettersChangeOneFieldAndRefuseValuesOutOfRange) {
  kind::model_kind k = kind::create(1, perm);
  kind::set_permanence_of(k, temp);
  kind::set_library_number_of(k, 150);
  kind::set_reference_number_of(k, 9999);
  kind::set_issue_of(k, 3);
  kind::set_name_of(k, kind::name::from("NAVIGATION"));
  EXPECT_TRUE(kind::is_valid(k));
  EXPECT_EQ(bytes_of(k), vdb_bytes::radar_kind(true, true, 3, 9999, 150, "NAVIGATION"));

  const vdb_bytes::bytes before = bytes_of(k);
  EXPECT_THROW(kind::set_library_number_of(k, 0), csl::range_error);
  EXPECT_THROW(kind::set_library_number_of(k, 151), csl::range_error);
  EXPECT_THROW(kind::set_reference_number_of(k, 10000), csl::range_error);
  EXPECT_THROW(kind::set_permanence_of(k, static_cast<kind::permanence>(2)), csl::range_error);
  EXPECT_THROW(kind::create(0, perm), csl::range_error);
  EXPECT_EQ(bytes_of(k), before);

  // The padding bits 1-3 are neither meaning nor changed.
  vdb_bytes::bytes padded = before;
  vdb_bytes::put_u8(padded, 0, 0x1F);
  kind::model_kind p = kind_from(padded);
  EXPECT_EQ(p, k);
  kind::set_permanence_of(p, perm);
  EXPECT_EQ(bytes_of(p)[0], 0x0F);
}

TEST_F(radar_kind_test, ImagesHoldLibraryAndReferenceNumbers) {
  EXPECT_EQ(kind::image_of(kind::create(12, 345, kind::name::from("X"), perm, 0)), "012 P  0345");
  EXPECT_EQ(kind::image_of(kind::create(150, 9999, kind::name::from("X"), temp, 0)), "150 T  9999");
  EXPECT_EQ(kind::image_of(kind::create(1, perm)), "001 P  0000");
  EXPECT_EQ(kind::lzint(12, 3), "012");
  EXPECT_EQ(kind::lzint(345, 4), "0345");
  EXPECT_EQ(kind::lzint(7, 4), "0007");
  EXPECT_EQ(kind::lzint(0, 3), "000");
  EXPECT_EQ(kind::lzint(12345, 4), "12345");
  EXPECT_THROW(kind::lzint(-1, 3), csl::range_error);

  // Damaged fields cannot squeeze into the fixed-width image.
  vdb_bytes::bytes b = vdb_bytes::radar_kind(true, false, 0, 10000, 12, "X");
  EXPECT_THROW(kind::image_of(kind_from(b)), csl::range_error);
  b = vdb_bytes::radar_kind(true, false, 0, 1, 1000, "X");
  EXPECT_THROW(kind::image_of(kind_from(b)), csl::range_error);
  EXPECT_THROW(kind::db_index_of(kind_from(b)), csl::range_error);
  b = vdb_bytes::radar_kind(true, false, 0, 1, 12, "X");
  vdb_bytes::put_u8(b, 0, 0x31);
  EXPECT_THROW(kind::image_of(kind_from(b)), csl::range_error);
  EXPECT_THROW(kind::permanence_of(kind_from(b)), csl::range_error);
}

TEST_F(radar_kind_test, GeneralTypesAndDescriptors) {
  EXPECT_EQ(types::increment(255), 0);
  EXPECT_EQ(types::increment(0), 1);
  EXPECT_EQ(types::issue_image_of(255), " 255");
  EXPECT_EQ(types::e102_image_of(0), " 0");
  EXPECT_EQ(types::e102_image_of(9999), " 9999");
  EXPECT_THROW(types::e102_image_of(10000), csl::range_error);
  EXPECT_EQ(types::e102.min_image(), " 0");
  EXPECT_EQ(types::e102.max_image(), " 9999");
  EXPECT_EQ(types::permanence_image_of(types::permanence::temp), "TEMP");
  EXPECT_EQ(types::permanence_image_of(types::permanence::perm), "PERM");
  const catalogue::row* e100 = catalogue::find("e100");
  ASSERT_NE(e100, nullptr);
  EXPECT_EQ(e100->types_module, "sm_model_radar_general_types");
  EXPECT_EQ(e100->default_.text, "NONAME" + std::string(14, ' '));
  const catalogue::row* e102 = catalogue::find("e102");
  ASSERT_NE(e102, nullptr);
  EXPECT_EQ(*e102->max_image, " 9999");
  EXPECT_EQ(e102->image_of(42), " 42");
}

}  // namespace
