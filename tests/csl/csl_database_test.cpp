// The record store as instantiated for vehicles: file formats, start-up with
// creation of missing files, the read path, lock files and report lines.
#include "csl_database.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "capture.hpp"
#include "faults.hpp"
#include "sm_model_vehicle.hpp"
#include "sm_model_vehicle_database.hpp"
#include "sm_model_vehicle_general.hpp"
#include "sm_model_vehicle_kind.hpp"
#include "sm_model_vehicle_physical.hpp"
#include "test_files.hpp"
#include "vdb_bytes.hpp"

namespace {

using csl_platform::step;
using faults::seen;
using sm_model_vehicle_database::key_state;
using sm_model_vehicle_kind::perm;
using sm_model_vehicle_kind::temp;

const vdb_bytes::vehicle frigate{995, false, "TRIALS SHIP", "TRIALS", 150.0F, 30.0F, 13.0F};
const vdb_bytes::vehicle last_slot{999, true, "TARGET MOD", "TEST", 60.0F, 12.0F, 12.0F};

class store_test : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    sm_model_vehicle_general::start_up();
    sm_model_vehicle_physical::start_up();
    sm_model_vehicle::start_up();
  }

  store_test() { db.start_up(base, sm_model_vehicle::default_); }

  std::vector<std::string> initialise() {
    return capture::lines_printed_by([&] { db.initialise(); });
  }

  bool exists(const std::string& name) const { return std::filesystem::exists(name); }

  test_files::temp_dir dir;
  const std::string base = dir.file("vehicle_db");
  const std::string index = base + "_INDEX";
  sm_model_vehicle_database::store db;
};

TEST_F(store_test, FileNamesDeriveFromTheBaseName) {
  EXPECT_EQ(db.file_name(), base);
  EXPECT_EQ(db.index_file_name(), base + "_INDEX");
  EXPECT_EQ(db.lock_file_name(7), base + "_LOCK_ 7");
  EXPECT_EQ(db.lock_file_name(2000), base + "_LOCK_ 2000");
}

TEST_F(store_test, InitialiseOnAnEmptyDirectoryCreatesBothFiles) {
  EXPECT_EQ(initialise(), (std::vector<std::string>{
                              "csl_database: creating new file " + base,
                              "csl_database: creating new index file " + index,
                          }));
  EXPECT_TRUE(db.is_initialised());
  EXPECT_EQ(test_files::read_all(index), vdb_bytes::new_index());

  const vdb_bytes::bytes items = test_files::read_all(base);
  ASSERT_EQ(items.size(), 2000 * vdb_bytes::item_size);
  EXPECT_EQ(vdb_bytes::first_record_other_than(items, vdb_bytes::default_item()), 0);
  for (int p = 1; p <= 2000; ++p) ASSERT_EQ(db.header().entry(p).state, key_state::empty);
}

TEST_F(store_test, InitialiseOnExistingFilesLoadsTheIndexQuietly) {
  test_files::write_database(base, {frigate});
  EXPECT_TRUE(initialise().empty());
  EXPECT_TRUE(db.is_initialised());
  EXPECT_EQ(db.header().entry(1991).state, key_state::read_write);
  EXPECT_EQ(db.header().entry(1991).mod_time.year, 2026);
  EXPECT_EQ(db.header().entry(1991).details.model_name.str(), "TRIALS SHIP ");
}

TEST_F(store_test, SecondInitialiseRaisesAndTheFirstStaysInForce) {
  test_files::write_database(base, {frigate});
  initialise();
  EXPECT_THROW(db.initialise(), sm_model_vehicle_database::initialisation_error);
  EXPECT_TRUE(db.is_initialised());
  EXPECT_FLOAT_EQ(db.item_of(sm_model_vehicle_kind::create(995, perm)).physical.c200.metres(),
                  150.0F);
}

TEST_F(store_test, ItemOfReadsTheRecordAtTheKeysPosition) {
  test_files::write_database(base, {frigate, last_slot});
  initialise();
  const sm_model_vehicle::data d = db.item_of(sm_model_vehicle_kind::create(995, perm));
  EXPECT_EQ(d.physical.c200.metres(), 150.0F);
  EXPECT_EQ(d.physical.c203.metres(), 30.0F);
  EXPECT_EQ(d.physical.c215.metres(), 13.0F);
  // Position 2000 is the last record of the item file.
  const sm_model_vehicle::data last = db.item_of(sm_model_vehicle_kind::create(999, temp));
  EXPECT_EQ(last.physical.c200.metres(), 60.0F);
  EXPECT_EQ(last.general.c101.str(), "TARGET MOD  ");
  EXPECT_FALSE(exists(db.lock_file_name(1991)));
  EXPECT_FALSE(exists(db.lock_file_name(2000)));
  // Into a record the caller keeps, whatever it held: the same bytes.
  sm_model_vehicle::data kept;
  std::memset(static_cast<void*>(&kept), 0xA5, sizeof kept);
  db.item_of(sm_model_vehicle_kind::create(999, temp), kept);
  EXPECT_EQ(vdb_bytes::bytes_of(kept), vdb_bytes::bytes_of(last));
}

// Many records read a chunk at a time give what single reads give; the chunk's
// locks are gone before its records are handed over, and a lock another holds
// stays where it is.
TEST_F(store_test, ManyRecordsReadTogetherAreThoseReadOneByOne) {
  test_files::write_database(base, {frigate, last_slot});
  initialise();
  ASSERT_TRUE(csl_platform::create_exclusive(db.lock_file_name(2000)).ok());
  const std::vector<int> at = {1, 1991, 2000};
  std::vector<int> seen_at;
  db.items_at_positions(
      at,
      [&](int p, const sm_model_vehicle::data& d, bool read) {
        seen_at.push_back(p);
        EXPECT_TRUE(read);
        sm_model_vehicle::data alone;
        ASSERT_TRUE(db.item_at_position(p, alone));
        EXPECT_EQ(vdb_bytes::bytes_of(d), vdb_bytes::bytes_of(alone)) << p;
        EXPECT_EQ(exists(db.lock_file_name(p)), p == 2000) << p;
      },
      2);
  EXPECT_EQ(seen_at, at);
  EXPECT_FALSE(exists(db.lock_file_name(1)));
  EXPECT_FALSE(exists(db.lock_file_name(1991)));
  EXPECT_TRUE(exists(db.lock_file_name(2000)));
}

TEST_F(store_test, OnlyPermanenceAndLibraryNumberSelectTheEntry) {
  test_files::write_database(base, {frigate});
  initialise();
  auto key = sm_model_vehicle_kind::create(995, 7, sm_model_vehicle_kind::name::from("OTHER"),
                                           sm_model_vehicle_kind::class_::from("OTHER"), perm, 9);
  EXPECT_EQ(db.item_of(key).physical.c200.metres(), 150.0F);
}

TEST_F(store_test, KeyedReadsCheckStateThenKeyBeforeTouchingAFile) {
  faults::plan plan;
  EXPECT_THROW(db.item_of(sm_model_vehicle_kind::create(1, perm)),
               sm_model_vehicle_database::initialisation_error);
  test_files::write_database(base, {frigate});
  initialise();
  plan.steps.clear();
  EXPECT_THROW(db.item_of(sm_model_vehicle_kind::unallocated()),
               sm_model_vehicle_database::key_error);
  EXPECT_THROW(db.fast_item_of(sm_model_vehicle_kind::model_kind{}),
               sm_model_vehicle_database::key_error);
  EXPECT_TRUE(plan.steps.empty());
}

TEST_F(store_test, EmptyEntryRaisesStateErrorAndLeavesNoLockBehind) {
  test_files::write_database(base, {frigate});
  initialise();
  try {
    db.item_of(sm_model_vehicle_kind::create(3, perm));
    FAIL() << "no state error";
  } catch (const sm_model_vehicle_database::state_error& e) {
    EXPECT_EQ(e.full_name(), "SM_MODEL_VEHICLE_DATABASE.STATE_ERROR");
    EXPECT_EQ(e.message(), "csl_database.item_of");
  }
  EXPECT_FALSE(exists(db.lock_file_name(7)));
}

TEST_F(store_test, ErrorsCarryTheInstancesFullNames) {
  EXPECT_EQ(sm_model_vehicle_database::initialisation_error("x").full_name(),
            "SM_MODEL_VEHICLE_DATABASE.INITIALISATION_ERROR");
  EXPECT_EQ(sm_model_vehicle_database::key_error("x").full_name(),
            "SM_MODEL_VEHICLE_DATABASE.KEY_ERROR");
  EXPECT_EQ(sm_model_vehicle_database::iterator_error("x").full_name(),
            "SM_MODEL_VEHICLE_DATABASE.ITERATOR_ERROR");
}

TEST_F(store_test, ItemOfMakesOnlyTheProtocolsFileSteps) {
  test_files::write_database(base, {frigate});
  initialise();
  faults::plan plan;
  db.item_of(sm_model_vehicle_kind::create(995, perm));
  const std::string lock = db.lock_file_name(1991);
  EXPECT_EQ(plan.steps, (std::vector<seen>{{step::create_exclusive, lock},
                                           {step::open, index},
                                           {step::read, index},
                                           {step::close, index},
                                           {step::open, base},
                                           {step::read, base},
                                           {step::close, base},
                                           {step::remove, lock}}));
  plan.steps.clear();
  db.fast_item_of(sm_model_vehicle_kind::create(995, perm));
  EXPECT_EQ(plan.steps.size(), 5U) << "fast_item_of must not read the index";
}

TEST_F(store_test, ShortItemFileReportsTheReadAndGivesAZeroRecord) {
  test_files::write_database(base, {frigate}, 1000);
  initialise();
  std::vector<std::string> lines;
  sm_model_vehicle::data d;
  lines =
      capture::lines_printed_by([&] { d = db.item_of(sm_model_vehicle_kind::create(995, perm)); });
  EXPECT_EQ(lines, std::vector<std::string>{
                       "csl_database: read_item end of file SHORT_READ raised reading " + base +
                       " position  1991"});
  EXPECT_EQ(d.physical.c200.metres(), 0.0F);
  EXPECT_EQ(d.physical.c215.metres(), 0.0F);
  EXPECT_FALSE(exists(db.lock_file_name(1991)));
  // A kept record that held another vehicle is cleared, not left half read.
  std::memset(static_cast<void*>(&d), 0xA5, sizeof d);
  capture::lines_printed_by([&] { db.item_of(sm_model_vehicle_kind::create(995, perm), d); });
  EXPECT_EQ(vdb_bytes::bytes_of(d), vdb_bytes::bytes(vdb_bytes::item_size, 0));
}

TEST_F(store_test, MissingItemFileAfterStartUpReportsEachStep) {
  test_files::write_database(base, {frigate});
  initialise();
  std::filesystem::remove(base);
  sm_model_vehicle::data d;
  auto lines =
      capture::lines_printed_by([&] { d = db.item_of(sm_model_vehicle_kind::create(995, perm)); });
  EXPECT_EQ(lines,
            (std::vector<std::string>{
                "csl_database: read_item No such file or directory ENOENT raised opening " + base,
                "csl_database: read_item Bad file descriptor EBADF raised reading " + base +
                    " position  1991",
                "csl_database: read_item Bad file descriptor EBADF raised closing " + base,
            }));
  EXPECT_EQ(d.physical.c200.metres(), 0.0F);
}

TEST_F(store_test, FailedIndexReadKeepsTheHeaderAsItWas) {
  test_files::write_database(base, {frigate});
  initialise();
  // Another process empties the entry, but this process cannot read the index.
  test_files::write_database(base, {});
  faults::plan plan;
  plan.fail(step::read, index, EIO);
  auto lines = capture::lines_printed_by([&] { db.load_index(); });
  EXPECT_EQ(lines, std::vector<std::string>{
                       "csl_database: read_index Input/output error EIO raised reading " + index});
  EXPECT_EQ(db.header().entry(1991).state, key_state::read_write);
}

TEST_F(store_test, ReadOnlyFilesLeaveTheStoreUninitialised) {
  test_files::write_database(base, {frigate});
  faults::plan plan;
  plan.fail(step::open, base, EACCES);
  plan.fail(step::open, index, EACCES);
  EXPECT_EQ(
      initialise(),
      (std::vector<std::string>{
          "csl_database: Permission denied EACCES raised opening " + base,
          "csl_database: initialise_index_file Permission denied EACCES raised opening " + index,
      }));
  EXPECT_FALSE(db.is_initialised());
  EXPECT_THROW(db.item_of(sm_model_vehicle_kind::create(995, perm)),
               sm_model_vehicle_database::initialisation_error);
}

TEST_F(store_test, UninitialisedStoreMayBeInitialisedAgain) {
  test_files::write_database(base, {frigate});
  {
    faults::plan plan;
    plan.fail(step::close, base, EIO);
    EXPECT_EQ(
        initialise(),
        std::vector<std::string>{
            "csl_database: initialise_item_file Input/output error EIO raised closing " + base});
    EXPECT_FALSE(db.is_initialised());
  }
  EXPECT_TRUE(initialise().empty());
  EXPECT_TRUE(db.is_initialised());
}

TEST_F(store_test, ShortIndexFileFailsTheInitialisation) {
  test_files::write_all(base, vdb_bytes::default_item());
  test_files::write_all(index, vdb_bytes::bytes(100, 0));
  EXPECT_EQ(
      initialise(),
      std::vector<std::string>{
          "csl_database: initialise_index_file end of file SHORT_READ raised reading " + index});
  EXPECT_FALSE(db.is_initialised());
}

TEST_F(store_test, CreationFailuresAreReportedAndLeaveTheStoreUninitialised) {
  faults::plan plan;
  plan.fail(step::write, base, ENOSPC);
  plan.fail(step::create, index, EROFS);
  EXPECT_EQ(
      initialise(),
      (std::vector<std::string>{
          "csl_database: creating new file " + base,
          "csl_database: create_item_file No space left on device ENOSPC raised writing " + base,
          "csl_database: creating new index file " + index,
          "csl_database: create_index_file Read-only file system EROFS raised creating " + index,
      }));
  EXPECT_FALSE(db.is_initialised());
  // The first failed write ends the loop: one write, no close.
  int writes = 0;
  for (const seen& s : plan.steps) writes += s.what == step::write && s.file == base;
  EXPECT_EQ(writes, 1);
}

TEST_F(store_test, StaleLockFileDoesNotStopAReader) {
  test_files::write_database(base, {frigate});
  initialise();
  test_files::write_all(db.lock_file_name(1991), {});
  faults::plan plan;
  EXPECT_EQ(db.item_of(sm_model_vehicle_kind::create(995, perm)).physical.c200.metres(), 150.0F);
  EXPECT_TRUE(plan.sleeps.empty());
  EXPECT_TRUE(exists(db.lock_file_name(1991)));
}

TEST_F(store_test, ReadLockTakesAFreeLockOnly) {
  EXPECT_TRUE(db.read_lock(5));
  EXPECT_TRUE(exists(db.lock_file_name(5)));
  EXPECT_FALSE(db.read_lock(5));
  db.unlock(5);
  EXPECT_FALSE(exists(db.lock_file_name(5)));
  db.unlock(5);  // a failed removal is ignored
}

TEST_F(store_test, LockGivesUpAfterTwentyWaitsAndCarriesOn) {
  test_files::write_all(db.lock_file_name(12), {});
  faults::plan plan;
  auto lines = capture::lines_printed_by([&] { db.lock(12); });
  EXPECT_EQ(lines, std::vector<std::string>{"csl_database: error waiting on lock file " +
                                            db.lock_file_name(12) + " - carrying on anyway!"});
  EXPECT_EQ(plan.sleeps, std::vector<double>(20, 0.25));
  db.unlock(12);
  EXPECT_FALSE(exists(db.lock_file_name(12)));
}

TEST_F(store_test, ReadLockThatCannotBeCreatedReportsAndReadsAnyway) {
  faults::plan plan;
  plan.fail(step::create_exclusive, db.lock_file_name(9), EACCES);
  bool locked = true;
  auto lines = capture::lines_printed_by([&] { locked = db.read_lock(9); });
  EXPECT_FALSE(locked);
  EXPECT_EQ(lines, std::vector<std::string>{"csl_database: error waiting on lock file " +
                                            db.lock_file_name(9) + " - carrying on anyway!"});
  // Only a lock file that exists is waited for.
  EXPECT_TRUE(plan.sleeps.empty());
}

TEST_F(store_test, LockWaitsForAHolderToLetGo) {
  test_files::write_all(db.lock_file_name(3), {});
  faults::plan plan;
  // The holder lets go during the third wait.
  csl_platform::set_sleep_hook([&](double) {
    plan.sleeps.push_back(0.25);
    if (plan.sleeps.size() == 3) std::filesystem::remove(db.lock_file_name(3));
  });
  EXPECT_TRUE(capture::lines_printed_by([&] { db.lock(3); }).empty());
  EXPECT_EQ(plan.sleeps.size(), 3U);
  EXPECT_TRUE(exists(db.lock_file_name(3)));
}

TEST_F(store_test, WriteItemChangesOnlyItsRecord) {
  initialise();
  const vdb_bytes::bytes before = test_files::read_all(base);
  sm_model_vehicle::data d = sm_model_vehicle::default_();
  d.physical.c200 = csl_length::distance(123.0F);
  db.write_item(d, 1000);
  const vdb_bytes::bytes after = test_files::read_all(base);
  ASSERT_EQ(after.size(), before.size());
  const std::size_t at = 999 * vdb_bytes::item_size;
  EXPECT_TRUE(std::equal(before.begin(), before.begin() + at, after.begin()));
  EXPECT_TRUE(std::equal(before.begin() + at + vdb_bytes::item_size, before.end(),
                         after.begin() + at + vdb_bytes::item_size));
  EXPECT_EQ(vdb_bytes::f32_of(after, at + 116), 123.0F);
}

TEST_F(store_test, WriteIndexWritesTheWholeHeaderAndCarriesFillThrough) {
  vdb_bytes::bytes file = vdb_bytes::new_index();
  vdb_bytes::put_u8(file, 30, 0xAB);                               // header fill
  vdb_bytes::put_i32(file, 32, 77);                                // number(0)
  vdb_bytes::put_u8(file, vdb_bytes::entry_offset(4) + 33, 0xCD);  // entry fill
  test_files::write_all(base, vdb_bytes::default_item());
  test_files::write_all(index, file);
  initialise();
  db.header().entry(4).state = key_state::read_only;
  db.write_index();
  vdb_bytes::put_u8(file, vdb_bytes::entry_offset(4) + 32, 1);
  EXPECT_EQ(test_files::read_all(index), file);
}

TEST_F(store_test, WriteFailuresAreReportedWithTheirPosition) {
  initialise();
  faults::plan plan;
  plan.fail(step::write, base, EIO);
  auto lines = capture::lines_printed_by([&] { db.write_item(sm_model_vehicle::default_(), 17); });
  EXPECT_EQ(lines, std::vector<std::string>{
                       "csl_database: write_item Input/output error EIO raised writing " + base +
                       " position  17"});
  EXPECT_TRUE(db.is_initialised());
}

}  // namespace
