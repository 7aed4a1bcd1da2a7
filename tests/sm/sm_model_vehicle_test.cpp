// The vehicle record: its layout and default bytes, the general and physical group
// fields, the handle and the database file name.
#include "sm_model_vehicle.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "csl_decibel.hpp"
#include "sm_model_vehicle_general.hpp"
#include "sm_model_vehicle_group_defaults.hpp"
#include "sm_model_vehicle_physical.hpp"
#include "vdb_bytes.hpp"

namespace {

namespace kind = sm_model_vehicle_kind;

using vdb_bytes::bytes_of;

class vehicle_test : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    sm_model_vehicle_general::start_up();
    sm_model_vehicle_physical::start_up();
    sm_model_vehicle::start_up();
  }
};

TEST_F(vehicle_test, DefaultRecordIsTheGroupDefaultsByteForByte) {
  EXPECT_EQ(bytes_of(sm_model_vehicle::default_()), vdb_bytes::default_item());
  const vdb_bytes::bytes b = bytes_of(sm_model_vehicle::default_());
  EXPECT_TRUE(std::equal(b.begin() + 116, b.begin() + 120, std::begin(vdb_bytes::fifty_yards)));
  EXPECT_EQ(sm_model_vehicle::default_().physical.c200.metres(), 45.719997F);
  EXPECT_EQ(sm_model_vehicle::default_().physical.c215.metres(), 9.144F);
}

// Group defaults are built by the first caller that asks; the others wait for it.
TEST(group_defaults, AreBuiltOnceAndWholeWhenManyThreadsAskFirst) {
  static std::atomic<int> builds{0};
  static std::atomic<bool> finished{false};
  static sm_model_vehicle_group_defaults::built_once once;
  EXPECT_FALSE(once.done());
  std::vector<std::thread> threads;
  std::atomic<int> saw_it_whole{0};
  for (int i = 0; i < 8; ++i) {
    threads.emplace_back([&saw_it_whole] {
      once.run([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ++builds;
        finished = true;
      });
      if (finished && once.done()) ++saw_it_whole;
    });
  }
  for (std::thread& t : threads) t.join();
  EXPECT_EQ(builds, 1);
  EXPECT_EQ(saw_it_whole, 8);
  EXPECT_TRUE(once.done());
}

TEST_F(vehicle_test, GeneralGroupPacksValidityAndPermanenceInOneByte) {
  sm_model_vehicle_general::group g = sm_model_vehicle_general::group_default();
  EXPECT_FALSE(g.is_valid());
  EXPECT_EQ(g.permanence(), kind::temp);
  g.validity_and_permanence = 0x01;
  EXPECT_TRUE(g.is_valid());
  EXPECT_EQ(g.permanence(), kind::perm);
  g.validity_and_permanence = 0x11;
  EXPECT_TRUE(g.is_valid());
  EXPECT_EQ(g.permanence(), kind::temp);
  g.set_is_valid(false);
  EXPECT_EQ(g.validity_and_permanence, 0x10);
  g.set_permanence(kind::perm);
  EXPECT_EQ(g.validity_and_permanence, 0x00);
  g.validity_and_permanence = 0x05;  // any non-zero nibble counts as valid
  EXPECT_TRUE(g.is_valid());
}

TEST_F(vehicle_test, RangedFieldsRefuseValuesOutsideTheirRange) {
  sm_model_vehicle_general::group g = sm_model_vehicle_general::group_default();
  g.c100 = 0;  // the type admits 0 although editing starts at 1
  EXPECT_EQ(g.c100, 0);
  EXPECT_THROW(g.c100 = 65, csl::range_error);
  EXPECT_EQ(g.c100, 0);
  sm_model_vehicle_physical::prop_mode_dependent m =
      sm_model_vehicle_physical::prop_mode_dependent_defaults();
  EXPECT_THROW(m.c205 = 1, csl::range_error);
  EXPECT_EQ(m.c205, 3);
  EXPECT_THROW(g.c101 = kind::name::from("THIRTEEN CHRS"), csl::range_error);
}

TEST_F(vehicle_test, WideLevelHoldsASigned32BitCount) {
  sm_model_vehicle_physical::group p = sm_model_vehicle_physical::group_default();
  p.pmode[1].c278 =
      sm_model_vehicle_physical::wide_db(csl_levels::level_of(csl_decibel::dbs_of(-1.0F)));
  vdb_bytes::bytes b = bytes_of(p);
  vdb_bytes::bytes expected(4);
  vdb_bytes::put_i32(expected, 0, -64);
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), b.begin() + 8 + 4));
  EXPECT_EQ(p.pmode[1].c278.level().count(), -64);
}

TEST_F(vehicle_test, KindOfARecordComesFromItsGeneralGroup) {
  EXPECT_EQ(sm_model_vehicle::kind_of(sm_model_vehicle::default_()), kind::unallocated());
  sm_model_vehicle::data d = sm_model_vehicle::default_();
  d.general.set_is_valid(true);
  d.general.set_permanence(kind::perm);
  d.general.library_number = 3;
  d.general.c100 = 2;
  d.general.c101 = kind::name::from("ECHO II");
  d.general.c102 = kind::class_::from("SSGN");
  d.general.issue = 4;
  // The record's name (c101) becomes the kind's name, its class (c102) the class.
  EXPECT_EQ(sm_model_vehicle::kind_of(d), kind::create(3, 2, kind::name::from("ECHO II"),
                                                       kind::class_::from("SSGN"), kind::perm, 4));
}

TEST_F(vehicle_test, HandleGroupsAreAllocatedDefaultedCopiedAndReleased) {
  sm_model_vehicle::handle h;
  EXPECT_FALSE(sm_model_vehicle::is_valid(h));
  EXPECT_EQ(sm_model_vehicle::kind_of(h), kind::unallocated());

  sm_model_vehicle::data out{};
  sm_model_vehicle::copy_handle_to_data(h, out);
  EXPECT_EQ(bytes_of(out), vdb_bytes::default_item());

  h.physical = std::make_unique<sm_model_vehicle_physical::group>();
  sm_model_vehicle::data in = sm_model_vehicle::default_();
  in.physical.c200 = csl_length::distance(99.0F);
  in.general.set_is_valid(true);
  sm_model_vehicle::copy_data_to_handle(in, h);
  EXPECT_EQ(h.physical->c200.metres(), 99.0F);
  EXPECT_EQ(h.general, nullptr);  // copying allocates nothing
  EXPECT_FALSE(sm_model_vehicle::is_valid(h));

  sm_model_vehicle::set_defaults_in(h);
  EXPECT_EQ(h.physical->c200.metres(), 45.719997F);
  EXPECT_EQ(h.general, nullptr);

  sm_model_vehicle::allocate(h);
  EXPECT_NE(h.general, nullptr);
  EXPECT_NE(h.eaural, nullptr);
  EXPECT_EQ(h.physical->c200.metres(), 45.719997F);  // allocated groups are untouched
  sm_model_vehicle::deallocate(h);
  EXPECT_EQ(h.general, nullptr);
  EXPECT_EQ(h.physical, nullptr);
  EXPECT_EQ(h.eaural, nullptr);
  sm_model_vehicle::deallocate(h);

  sm_model_vehicle::handle full = sm_model_vehicle::allocate_defaults();
  full.general->set_is_valid(true);
  EXPECT_TRUE(sm_model_vehicle::is_valid(full));
  sm_model_vehicle::copy_handle_to_data(full, out);
  EXPECT_TRUE(out.general.is_valid());
  EXPECT_EQ(out.physical.c215.metres(), 9.144F);
}

TEST_F(vehicle_test, DatabaseFileNameComesFromTheEnvironmentWhenSet) {
  setenv("ACM_VDB_FILE", "/data/ships/vdb", 1);
  EXPECT_EQ(sm_model_vehicle::db_file_name(), "/data/ships/vdb");
  setenv("ACM_VDB_FILE", "", 1);
  EXPECT_EQ(sm_model_vehicle::db_file_name(), "/target/data/vehicle/vehicle_db");
  unsetenv("ACM_VDB_FILE");
  EXPECT_EQ(sm_model_vehicle::db_file_name(), "/target/data/vehicle/vehicle_db");
}

}  // namespace
