// Storing and updating by key, entry states and times, iteration, damaged state
// bytes, and writers in several processes at once.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "capture.hpp"
#include "csl_database.hpp"
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
using sm_model_vehicle_database::key_state;
using sm_model_vehicle_kind::perm;
using sm_model_vehicle_kind::temp;
namespace kind = sm_model_vehicle_kind;

// 2026-12-07 12:34:56.500, day 341.
const csl_time::time now{2026, 341, 12, 34, 56, 500};

sm_model_vehicle::data vehicle(int library_number, kind::permanence p, float length) {
  sm_model_vehicle::data d = sm_model_vehicle::default_();
  d.general.set_is_valid(true);
  d.general.set_permanence(p);
  d.general.library_number = library_number;
  d.general.c101 = kind::name::from("SHIP " + std::to_string(library_number));
  d.physical.c200 = csl_length::distance(length);
  return d;
}

class keys_test : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    sm_model_vehicle_general::start_up();
    sm_model_vehicle_physical::start_up();
    sm_model_vehicle::start_up();
  }

  keys_test() {
    csl_platform::set_clock_hook([] {
      return csl_platform::calendar_reading{2026, 12, 7, 45296.5};
    });
    db.start_up(base, sm_model_vehicle::default_);
    capture::output_of([&] { db.initialise(); });
  }
  ~keys_test() override { csl_platform::set_clock_hook(nullptr); }

  vdb_bytes::bytes index_bytes() const { return test_files::read_all(base + "_INDEX"); }
  vdb_bytes::bytes item_bytes() const { return test_files::read_all(base); }
  bool any_lock_file() const {
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
      if (e.path().string().find("_LOCK_") != std::string::npos) return true;
    }
    return false;
  }

  test_files::temp_dir dir;
  const std::string base = dir.file("vehicle_db");
  sm_model_vehicle_database::store db;
};

TEST_F(keys_test, UpdateOfAnEmptyEntryStoresItemKeyStateAndTime) {
  const sm_model_vehicle::data d = vehicle(3, perm, 115.0F);
  db.update(d);
  EXPECT_EQ(db.state_of(kind::create(3, perm)), key_state::read_write);
  EXPECT_EQ(db.time_of(kind::create(3, perm)), now);
  EXPECT_EQ(db.item_of(kind::create(3, perm)).physical.c200.metres(), 115.0F);

  // The entry on disk, built from the layout: key (class before name), state, time.
  vdb_bytes::bytes expected = vdb_bytes::new_index();
  const std::size_t e = vdb_bytes::entry_offset(7);
  vdb_bytes::put_u8(expected, e, 0x01);
  vdb_bytes::put_u8(expected, e + 1, 1);
  vdb_bytes::put_u16(expected, e + 2, 3);
  vdb_bytes::put_text(expected, e + 4, 12, "UNKNOWN");
  vdb_bytes::put_text(expected, e + 16, 12, "SHIP 3");
  vdb_bytes::put_u8(expected, e + 32, 2);
  const std::int32_t stamp[6] = {2026, 341, 12, 34, 56, 500};
  for (std::size_t i = 0; i < 6; ++i) vdb_bytes::put_i32(expected, e + 36 + 4 * i, stamp[i]);
  EXPECT_EQ(index_bytes(), expected);
  EXPECT_FALSE(any_lock_file());
}

TEST_F(keys_test, ReadOnlyEntryRefusesUpdateAndLeavesBothFilesAlone) {
  db.update(vehicle(3, perm, 115.0F));
  db.set_state_of(kind::create(3, perm), key_state::read_only);
  const vdb_bytes::bytes index = index_bytes(), items = item_bytes();
  EXPECT_THROW(db.update(vehicle(3, perm, 99.0F)), sm_model_vehicle_database::state_error);
  EXPECT_THROW(db.set_time_of(kind::create(3, perm), now), sm_model_vehicle_database::state_error);
  EXPECT_EQ(index_bytes(), index);
  EXPECT_EQ(item_bytes(), items);
  EXPECT_FALSE(any_lock_file());
  EXPECT_EQ(db.item_of(kind::create(3, perm)).physical.c200.metres(), 115.0F);
}

TEST_F(keys_test, EmptyEntriesHaveNoTimeToReadOrSet) {
  EXPECT_THROW(db.time_of(kind::create(5, temp)), sm_model_vehicle_database::state_error);
  EXPECT_THROW(db.set_time_of(kind::create(5, temp), now), sm_model_vehicle_database::state_error);
  EXPECT_EQ(db.state_of(kind::create(5, temp)), key_state::empty);
  EXPECT_FALSE(any_lock_file());
}

TEST_F(keys_test, SetStateOfKeepsKeyTimeAndItem) {
  db.update(vehicle(8, temp, 60.0F));
  db.set_state_of(kind::create(8, temp), key_state::empty);
  EXPECT_TRUE(db.is_empty(18));
  EXPECT_EQ(db.value_of(18).model_name.str(), "SHIP 8      ");
  EXPECT_EQ(db.mod_time_of(18), now);
  db.set_state_of(kind::create(8, temp), key_state::read_write);
  const csl_time::time later{2027, 1, 0, 0, 0, 0};
  db.set_time_of(kind::create(8, temp), later);
  EXPECT_EQ(db.time_of(kind::create(8, temp)), later);
  EXPECT_EQ(db.item_of(kind::create(8, temp)).physical.c200.metres(), 60.0F);
}

TEST_F(keys_test, ChecksComeBeforeAnyFileStep) {
  sm_model_vehicle_database::store closed;
  closed.start_up(base, sm_model_vehicle::default_);
  faults::plan plan;
  EXPECT_THROW(closed.update(vehicle(1, perm, 1.0F), kind::unallocated()),
               sm_model_vehicle_database::initialisation_error);
  EXPECT_THROW(db.update(sm_model_vehicle::default_()), sm_model_vehicle_database::key_error);
  EXPECT_THROW(db.set_state_of(kind::model_kind{}, key_state::empty),
               sm_model_vehicle_database::key_error);
  EXPECT_THROW(db.time_of(kind::unallocated()), sm_model_vehicle_database::key_error);
  sm_model_vehicle_database::iterator it;
  EXPECT_THROW(closed.initialise(it), sm_model_vehicle_database::initialisation_error);
  EXPECT_TRUE(plan.steps.empty());
}

TEST_F(keys_test, IterationVisitsEntriesInUseInOrder) {
  sm_model_vehicle_database::iterator it;
  EXPECT_TRUE(db.is_done(it));
  db.initialise(it);
  EXPECT_TRUE(db.is_done(it));
  EXPECT_THROW(db.next(it), sm_model_vehicle_database::iterator_error);
  EXPECT_THROW(db.value_of(it), sm_model_vehicle_database::iterator_error);

  db.update(vehicle(999, temp, 1.0F));
  db.update(vehicle(0, perm, 2.0F));
  std::vector<int> visited;
  for (db.initialise(it); !db.is_done(it); db.next(it)) {
    visited.push_back(kind::db_index_of(db.value_of(it)));
  }
  EXPECT_EQ(visited, (std::vector<int>{1, 2000}));
  EXPECT_EQ(it.position, 2000);  // a finished walk keeps its last position
  EXPECT_FALSE(any_lock_file());
}

TEST_F(keys_test, FailedItemWriteLeavesTheEntryAsItWas) {
  db.update(vehicle(4, perm, 40.0F));
  const vdb_bytes::bytes index = index_bytes();
  faults::plan plan;
  plan.fail(step::write, base, ENOSPC);
  auto lines =
      capture::lines_printed_by([&] { db.update(vehicle(4, perm, 44.0F), kind::create(4, perm)); });
  EXPECT_EQ(lines, std::vector<std::string>{
                       "csl_database: write_item No space left on device ENOSPC raised writing " +
                       base + " position  9"});
  EXPECT_EQ(index_bytes(), index);
  EXPECT_EQ(db.value_of(9).model_name.str(), "SHIP 4      ");
  EXPECT_FALSE(any_lock_file());
}

TEST_F(keys_test, UpdateWritesOnlyItsOwnEntry) {
  db.update(vehicle(1, perm, 10.0F));
  // Another program changes the counters and a neighbouring entry's fill.
  vdb_bytes::bytes index = index_bytes();
  vdb_bytes::put_i32(index, 36, 41);
  vdb_bytes::put_u8(index, vdb_bytes::entry_offset(4) + 34, 0x5A);
  test_files::write_all(base + "_INDEX", index);
  faults::plan plan;
  db.update(vehicle(1, perm, 11.0F));
  const vdb_bytes::bytes after = index_bytes();
  EXPECT_EQ(vdb_bytes::bytes(after.begin(), after.begin() + vdb_bytes::entry_offset(3)),
            vdb_bytes::bytes(index.begin(), index.begin() + vdb_bytes::entry_offset(3)));
  EXPECT_EQ(after[vdb_bytes::entry_offset(4) + 34], 0x5A);
  EXPECT_EQ(after[36], 41);
}

TEST_F(keys_test, DamagedStateByteIsRefusedByEveryReaderOfIt) {
  db.update(vehicle(3, perm, 115.0F));
  vdb_bytes::bytes index = index_bytes();
  vdb_bytes::put_u8(index, vdb_bytes::entry_offset(7) + 32, 7);
  test_files::write_all(base + "_INDEX", index);
  const vdb_bytes::bytes items = item_bytes();
  const std::string expected = "csl_database.update: entry 7 holds the state byte 7, not 0, 1 or 2";
  try {
    db.update(vehicle(3, perm, 1.0F));
    FAIL() << "update accepted a damaged entry";
  } catch (const sm_model_vehicle_database::state_error& e) {
    EXPECT_EQ(e.message(), expected);
  }
  EXPECT_THROW(db.item_of(kind::create(3, perm)), sm_model_vehicle_database::state_error);
  EXPECT_THROW(db.time_of(kind::create(3, perm)), sm_model_vehicle_database::state_error);
  EXPECT_THROW(db.state_of(kind::create(3, perm)), sm_model_vehicle_database::state_error);
  EXPECT_THROW(db.set_time_of(kind::create(3, perm), now), sm_model_vehicle_database::state_error);
  EXPECT_THROW(db.is_empty(7), sm_model_vehicle_database::state_error);
  sm_model_vehicle_database::iterator it;
  EXPECT_THROW(db.initialise(it), sm_model_vehicle_database::state_error);
  EXPECT_EQ(index_bytes(), index);
  EXPECT_EQ(item_bytes(), items);
  EXPECT_FALSE(any_lock_file());
  // Setting the state repairs the entry.
  db.set_state_of(kind::create(3, perm), key_state::read_write);
  EXPECT_EQ(db.item_of(kind::create(3, perm)).physical.c200.metres(), 115.0F);
}

TEST_F(keys_test, StateImages) {
  EXPECT_EQ(csl_database::image_of(key_state::empty), "EMPTY");
  EXPECT_EQ(csl_database::image_of(key_state::read_only), "READ_ONLY");
  EXPECT_EQ(csl_database::image_of(key_state::read_write), "READ_WRITE");
  EXPECT_THROW(csl_database::image_of(static_cast<key_state>(3)), csl::range_error);
}

TEST_F(keys_test, UpdateWaitsOutAStaleLockThenCarriesOnAndRemovesIt) {
  const std::string lock = db.lock_file_name(7);
  test_files::write_all(lock, {});
  const auto started = std::chrono::steady_clock::now();
  auto lines = capture::lines_printed_by([&] { db.update(vehicle(3, perm, 115.0F)); });
  const auto waited = std::chrono::steady_clock::now() - started;
  EXPECT_EQ(lines, std::vector<std::string>{"csl_database: error waiting on lock file " + lock +
                                            " - carrying on anyway!"});
  EXPECT_GE(waited, std::chrono::milliseconds(4900));
  EXPECT_EQ(db.state_of(kind::create(3, perm)), key_state::read_write);
  EXPECT_FALSE(std::filesystem::exists(lock));
}

using slot = std::pair<int, kind::permanence>;

// Forks `writers` processes; writer w updates each library slot that `slots_of(w)`
// gives, `rounds` times, through a store of its own.
template <class Positions>
void run_writers(const std::string& base, int writers, int rounds, Positions slots_of) {
  // The writers start together when the parent closes the pipe.
  int start[2];
  ASSERT_EQ(::pipe(start), 0);
  std::vector<pid_t> children;
  for (int w = 0; w < writers; ++w) {
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      ::close(start[1]);
      sm_model_vehicle_database::store own;
      own.start_up(base, sm_model_vehicle::default_);
      own.initialise();
      char go;
      while (::read(start[0], &go, 1) < 0 && errno == EINTR) {
      }
      // Each round stores a key of its own issue and looks for it straight after:
      // another writer's stale copy of the index would bring back an older one.
      int lost = 0;
      for (int r = 0; r < rounds; ++r) {
        for (const auto& [number, permanence] : slots_of(w)) {
          sm_model_vehicle::data d =
              vehicle(number, permanence, static_cast<float>(number) + 0.25F);
          d.general.issue = static_cast<std::uint8_t>(r % 256);
          own.update(d);
          own.load_index();
          const kind::model_kind stored =
              own.value_of(kind::db_index_of(sm_model_vehicle::kind_of(d)));
          lost += stored.issue != r % 256;
        }
      }
      std::fflush(stdout);
      ::_exit(lost == 0 && own.is_initialised() ? 0 : 1);
    }
    children.push_back(pid);
  }
  ::close(start[0]);
  ::close(start[1]);
  for (pid_t pid : children) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
}

void expect_all_stored(sm_model_vehicle_database::store& db, const std::vector<slot>& slots) {
  db.load_index();
  for (const auto& [n, permanence] : slots) {
    const kind::model_kind k = kind::create(n, permanence);
    ASSERT_EQ(db.state_of(k), key_state::read_write) << n;
    EXPECT_EQ(db.value_of(kind::db_index_of(k)).model_library_number, n);
    const sm_model_vehicle::data d = db.item_of(k);
    EXPECT_EQ(d.physical.c200.metres(), static_cast<float>(n) + 0.25F) << n;
    EXPECT_EQ(d.general.library_number, n);
  }
}

TEST_F(keys_test, EightWritersOfTheirOwnPositionsLoseNothing) {
  auto own_fifty = [](int w) {
    std::vector<slot> slots;
    for (int i = 0; i < 50; ++i) slots.emplace_back(w * 50 + i, (w + i) % 2 == 0 ? perm : temp);
    return slots;
  };
  std::vector<slot> all;
  for (int w = 0; w < 8; ++w) {
    for (const slot& s : own_fifty(w)) all.push_back(s);
  }
  for (int attempt = 0; attempt < 3; ++attempt) {
    std::filesystem::remove(base + "_INDEX");
    std::filesystem::remove(base);
    db.start_up(base, sm_model_vehicle::default_);
    capture::output_of([&] { db.initialise(); });
    run_writers(base, 8, 1, own_fifty);
    expect_all_stored(db, all);
  }
  EXPECT_FALSE(any_lock_file());
}

TEST_F(keys_test, TwoWritersHammeringNeighboursLoseNothing) {
  // Library number 500 permanent and temporary: index positions 1001 and 1002.
  run_writers(base, 2, 3000, [](int w) { return std::vector<slot>{{500, w == 0 ? perm : temp}}; });
  expect_all_stored(db, {{500, perm}, {500, temp}});
  EXPECT_FALSE(any_lock_file());
}

}  // namespace
