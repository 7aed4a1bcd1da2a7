// Writes that a crash cannot tear: a writer killed at any file step of an update
// leaves an entry and an item that read back wholly old or wholly new, recovery
// leaves no journal behind, and the one-lock change keeps or refuses a change
// whole.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "capture.hpp"
#include "csl_exceptions.hpp"
#include "faults.hpp"
#include "sm_model_vehicle.hpp"
#include "sm_model_vehicle_database.hpp"
#include "sm_model_vehicle_general.hpp"
#include "sm_model_vehicle_kind.hpp"
#include "sm_model_vehicle_physical.hpp"
#include "test_files.hpp"
#include "vdb_bytes.hpp"

namespace {

namespace kind = sm_model_vehicle_kind;
using csl_platform::step;
using vdb_bytes::bytes;
using store = sm_model_vehicle_database::store;

const vdb_bytes::vehicle echo{3, false, "ECHO II", "SSGN", 115.0F, 9.0F, 8.0F};
constexpr int position = 7;
constexpr int records = 10;  // enough for position 7, and quick to write afresh
constexpr std::size_t item_at = vdb_bytes::item_size * (position - 1);
constexpr std::size_t entry_size = 60;
constexpr std::size_t journal_size = 16 + entry_size + vdb_bytes::item_size + 4;

// CRC-32 bit by bit, as zip computes it.
std::uint32_t crc32_of(const bytes& b, std::size_t size) {
  std::uint32_t c = 0xFFFFFFFFU;
  for (std::size_t i = 0; i < size; ++i) {
    c ^= b[i];
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320U & (0U - (c & 1U)));
  }
  return ~c;
}

bytes slice(const bytes& b, std::size_t from, std::size_t size) {
  if (b.size() < from + size) return {};
  return {b.begin() + static_cast<std::ptrdiff_t>(from),
          b.begin() + static_cast<std::ptrdiff_t>(from + size)};
}

std::uint32_t u32_at(const bytes& b, std::size_t at) {
  std::uint32_t v = 0;
  std::memcpy(&v, b.data() + at, 4);
  return v;
}

// One state the position may be found in: its entry's key carries `issue`, and
// its item is `item`.
struct version {
  int issue;
  bytes item;
};

class journal_test : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    sm_model_vehicle_general::start_up();
    sm_model_vehicle_physical::start_up();
    sm_model_vehicle::start_up();
  }

  journal_test() {
    restore();
    old_entry = slice(test_files::read_all(index), vdb_bytes::entry_offset(position), entry_size);
    old = {0, slice(test_files::read_all(base), item_at, vdb_bytes::item_size)};
  }

  // The database as it was before any update; no lock file, no journal.
  void restore() const {
    std::filesystem::remove(lock);
    std::filesystem::remove(journal);
    test_files::write_database(base, {echo}, records);
  }

  void open(store& s) const {
    s.start_up(base, sm_model_vehicle::default_);
    capture::output_of([&] { s.initialise(); });
  }

  // The record as an update writes it: a new length, and an issue the key shows.
  sm_model_vehicle::data record_with(int issue, float length) const {
    store s;
    open(s);
    sm_model_vehicle::data d = s.item_of(kind::create(3, kind::perm));
    d.general.issue = static_cast<sm_model_vehicle_general_types::issue>(issue);
    d.physical.c200 = csl_length::distance(length);
    return d;
  }

  static version version_of(int issue, const sm_model_vehicle::data& d) {
    return {issue, vdb_bytes::bytes_of(d)};
  }

  // Which of the versions an entry and an item are; -1 for a mixture.
  int which(const bytes& entry, const bytes& item, const std::vector<version>& all) const {
    for (std::size_t v = 0; v < all.size(); ++v) {
      if (item != all[v].item) continue;
      if (all[v].issue == 0 && entry == old_entry) return static_cast<int>(v);
      // A new entry: the old key but for its issue, read_write, a new time.
      bytes expected = slice(old_entry, 0, 36);
      expected[28] = static_cast<std::uint8_t>(all[v].issue);
      if (all[v].issue != 0 && slice(entry, 0, 36) == expected) return static_cast<int>(v);
    }
    return -1;
  }

  int on_disk(const std::vector<version>& all) const {
    return which(slice(test_files::read_all(index), vdb_bytes::entry_offset(position), entry_size),
                 slice(test_files::read_all(base), item_at, vdb_bytes::item_size), all);
  }

  // What a reader of this library gets now, entry and item, before any recovery.
  int as_read(const std::vector<version>& all) const {
    store s;
    open(s);
    sm_model_vehicle::data d;
    capture::output_of([&] { d = s.item_of(kind::create(3, kind::perm)); });
    const auto* e = reinterpret_cast<const std::uint8_t*>(&s.header().entry(position));
    return which(bytes(e, e + entry_size), vdb_bytes::bytes_of(d), all);
  }

  // Clears the lock file a killed writer left, as vdb locks --clear-stale does,
  // and opens the database, which recovers.
  void recover() const {
    std::filesystem::remove(lock);
    store s;
    open(s);
  }

  // Runs `writes` in a child whose `kill_at` step (counted from 0) is its last:
  // a write step is first torn, half done, then the child is killed.
  // Tearing writes at position 7's bytes: a writer of other positions is killed
  // untorn.
  template <class Writes>
  void killed_at(int kill_at, Writes writes, bool torn = true) const {
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      store own;
      open(own);
      int seen = 0;
      csl_platform::set_fault_hook([&](step s, std::string_view name) {
        if (seen++ == kill_at) {
          if (s == step::write && torn) tear(std::string(name));
          ::kill(::getpid(), SIGKILL);
        }
        return 0;
      });
      capture::discard_output();
      writes(own);
      ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
  }

  void tear(const std::string& name) const {
    const bytes garbage(6000, 0xEE);
    const int fd = ::open(name.c_str(), O_WRONLY);
    if (fd < 0) return;
    const off_t at = name == base    ? static_cast<off_t>(item_at)
                     : name == index ? static_cast<off_t>(vdb_bytes::entry_offset(position))
                                     : 0;
    const std::size_t size = name == index ? 30 : garbage.size();
    if (::pwrite(fd, garbage.data(), size, at) < 0) std::abort();
    ::close(fd);
  }

  test_files::temp_dir dir;
  const std::string base = dir.file("vehicle_db");
  const std::string index = base + "_INDEX";
  const std::string lock = base + "_LOCK_ 7";
  const std::string journal = base + "_JOURNAL_ 7";
  bytes old_entry;
  version old;
};

TEST_F(journal_test, AWriterKilledAtEveryStepLeavesTheOldOrTheNewVersion) {
  const sm_model_vehicle::data next = record_with(7, 116.0F);
  const std::vector<version> all = {old, version_of(7, next)};
  int steps = 0;
  {
    store s;
    open(s);
    faults::plan plan;
    s.update(next);
    steps = static_cast<int>(plan.steps.size());
  }
  ASSERT_EQ(on_disk(all), 1);
  std::vector<int> seen(all.size(), 0);
  for (int k = 0; k < steps; ++k) {
    restore();
    killed_at(k, [&](store& s) { s.update(next); });
    const int read = as_read(all);
    EXPECT_NE(read, -1) << "a reader got a mixture after a kill at step " << k;
    recover();
    const int found = on_disk(all);
    EXPECT_NE(found, -1) << "a mixture after a kill at step " << k;
    EXPECT_EQ(found, read) << "recovery went back on what a reader got, step " << k;
    EXPECT_FALSE(std::filesystem::exists(journal)) << k;
    if (found >= 0) ++seen[static_cast<std::size_t>(found)];
  }
  // Killed early the update is lost whole, killed late it is there whole.
  EXPECT_GT(seen[0], 0);
  EXPECT_GT(seen[1], 0);
}

TEST_F(journal_test, ChangesOfStateAndTimeAreJournaledAsTheEntryAlone) {
  const kind::model_kind key = kind::create(3, kind::perm);
  int steps = 0;
  {
    store s;
    open(s);
    faults::plan plan;
    s.set_state_of(key, csl_database::key_state::read_only);
    steps = static_cast<int>(plan.steps.size());
    for (const faults::seen& f : plan.steps) EXPECT_FALSE(f.what == step::write && f.file == base);
  }
  for (int k = 0; k < steps; ++k) {
    restore();
    killed_at(k, [&](store& s) { s.set_state_of(key, csl_database::key_state::read_only); });
    recover();
    const bytes entry =
        slice(test_files::read_all(index), vdb_bytes::entry_offset(position), entry_size);
    bytes closed = old_entry;
    closed[32] = 1;  // read_only
    EXPECT_TRUE(entry == old_entry || entry == closed) << k;
    EXPECT_EQ(slice(test_files::read_all(base), item_at, vdb_bytes::item_size), old.item) << k;
    EXPECT_FALSE(std::filesystem::exists(journal)) << k;
  }
}

TEST_F(journal_test, TheJournalHoldsPositionEntryItemAndChecksum) {
  const sm_model_vehicle::data next = record_with(9, 117.0F);
  // Stopped once the journal is durable, before anything is written in place.
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    store own;
    open(own);
    csl_platform::set_fault_hook([&](step s, std::string_view name) {
      if (s == step::open && name == base) ::kill(::getpid(), SIGKILL);
      return 0;
    });
    capture::discard_output();
    own.update(next);
    ::_exit(0);
  }
  ::waitpid(pid, nullptr, 0);
  const bytes j = test_files::read_all(journal);
  ASSERT_EQ(j.size(), journal_size);
  EXPECT_EQ(std::string(j.begin(), j.begin() + 8), "RVDBJNL1");
  EXPECT_EQ(u32_at(j, 8), 7U);
  EXPECT_EQ(u32_at(j, 12), 1U);
  EXPECT_EQ(slice(j, 16 + entry_size, vdb_bytes::item_size), vdb_bytes::bytes_of(next));
  EXPECT_EQ(u32_at(j, journal_size - 4), crc32_of(j, journal_size - 4));
  EXPECT_EQ(slice(test_files::read_all(base), item_at, vdb_bytes::item_size), old.item);
  recover();
  EXPECT_EQ(slice(test_files::read_all(index), vdb_bytes::entry_offset(position), entry_size),
            slice(j, 16, entry_size));
  EXPECT_EQ(slice(test_files::read_all(base), item_at, vdb_bytes::item_size),
            vdb_bytes::bytes_of(next));
  EXPECT_FALSE(std::filesystem::exists(journal));
}

TEST_F(journal_test, RandomKillsOfManyUpdatesTearNoRecord) {
  const sm_model_vehicle::data a = record_with(7, 120.0F);
  const sm_model_vehicle::data b = record_with(8, 130.0F);
  const std::vector<version> all = {old, version_of(7, a), version_of(8, b)};
  int torn = 0;
  for (int round = 0; round < 20; ++round) {
    restore();
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      store own;
      open(own);
      capture::discard_output();
      for (;;) {
        own.update(a);
        own.update(b);
      }
    }
    ::usleep(static_cast<useconds_t>(1000 + (round * 7919) % 20000));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    const int read = as_read(all);
    recover();
    const int found = on_disk(all);
    torn += read == -1 || found == -1 || read != found;
    EXPECT_FALSE(std::filesystem::exists(journal));
  }
  EXPECT_EQ(torn, 0);
}

TEST_F(journal_test, ModifyWritesTheWholeChangeOrNothing) {
  store s;
  open(s);
  const kind::model_kind key = kind::create(3, kind::perm);
  const bytes before_index = test_files::read_all(index);
  const bytes before_items = test_files::read_all(base);
  // Declined, or thrown out of: nothing written, the lock released.
  auto declined = s.modify(key, [](auto& entry, auto& item) {
    entry.state = csl_database::key_state::read_only;
    item.physical.c200 = csl_length::distance(1.0F);
    return false;
  });
  EXPECT_EQ(declined.outcome, csl_database::modify_outcome::declined);
  EXPECT_THROW(s.modify(key,
                        [](auto& entry, auto&) -> bool {
                          entry.state = csl_database::key_state::read_only;
                          throw csl::range_error("test");
                        }),
               csl::range_error);
  EXPECT_EQ(test_files::read_all(index), before_index);
  EXPECT_EQ(test_files::read_all(base), before_items);
  EXPECT_FALSE(std::filesystem::exists(lock));
  // An entry-only change writes no item.
  faults::plan plan;
  auto state_only = s.modify(key, [](auto& entry, auto&) {
    entry.state = csl_database::key_state::read_only;
    return true;
  });
  EXPECT_EQ(state_only.outcome, csl_database::modify_outcome::written);
  EXPECT_TRUE(state_only.whole);
  for (const faults::seen& f : plan.steps) EXPECT_FALSE(f.what == step::write && f.file == base);
  EXPECT_EQ(test_files::read_all(index)[vdb_bytes::entry_offset(position) + 32], 1);
  EXPECT_EQ(test_files::read_all(base), before_items);
  EXPECT_FALSE(std::filesystem::exists(journal));
}

TEST_F(journal_test, AWriterThatGivesUpLeavesTheHolderItsLockAndTheFiles) {
  store s;
  open(s);
  test_files::write_text(lock, "");
  const bytes before_index = test_files::read_all(index);
  const bytes before_items = test_files::read_all(base);
  faults::plan plan;
  bool called = false;
  const auto r = s.modify(kind::create(3, kind::perm),
                          [&](auto&, auto&) {
                            called = true;
                            return true;
                          },
                          {2, csl_database::on_lock_timeout::give_up});
  EXPECT_EQ(r.outcome, csl_database::modify_outcome::not_locked);
  EXPECT_TRUE(csl_platform::already_exists(r.lock_status));
  EXPECT_FALSE(called);
  EXPECT_EQ(plan.sleeps.size(), 2U);
  EXPECT_TRUE(std::filesystem::exists(lock));
  EXPECT_EQ(test_files::read_all(index), before_index);
  EXPECT_EQ(test_files::read_all(base), before_items);
}

TEST_F(journal_test, OnlyAHeldLockIsWaitedFor) {
  store s;
  open(s);
  const kind::model_kind key = kind::create(3, kind::perm);
  faults::plan plan;
  plan.fail(step::create_exclusive, lock, EACCES);
  plan.fail(step::create, journal, EROFS);
  const std::string lock_line =
      "csl_database: error waiting on lock file " + lock + " - carrying on anyway!";
  // A reader reads at once, a writer writes at once: neither waits.
  sm_model_vehicle::data d;
  EXPECT_EQ(capture::lines_printed_by([&] { d = s.item_of(key); }),
            std::vector<std::string>{lock_line});
  EXPECT_EQ(d.physical.c200.metres(), 115.0F);
  d.physical.c200 = csl_length::distance(118.0F);
  EXPECT_EQ(
      capture::lines_printed_by([&] { s.update(d); }),
      (std::vector<std::string>{
          lock_line,
          "csl_database: write_journal Read-only file system EROFS raised creating " + journal}));
  EXPECT_TRUE(plan.sleeps.empty());
  EXPECT_FLOAT_EQ(vdb_bytes::f32_of(test_files::read_all(base), item_at + 116), 118.0F);
}

TEST_F(journal_test, AStaleLockOverAMissingIndexReportsEachFailingStepOnce) {
  store s;
  open(s);
  test_files::write_text(lock, "");
  std::filesystem::remove(index);
  const std::vector<std::string> printed =
      capture::lines_printed_by([&] { s.item_of(kind::create(3, kind::perm)); });
  EXPECT_EQ(printed,
            (std::vector<std::string>{
                "csl_database: read_index No such file or directory ENOENT raised opening " + index,
                "csl_database: read_index Bad file descriptor EBADF raised reading " + index,
                "csl_database: read_index Bad file descriptor EBADF raised closing " + index}));
}

TEST_F(journal_test, PositionsOutsideTheIndexAreTheRangeError) {
  store s;
  open(s);
  sm_model_vehicle::data d;
  for (const int p : {-5000, 0, 2001}) {
    EXPECT_THROW(s.value_of(p), csl::range_error) << p;
    EXPECT_THROW(s.is_empty(p), csl::range_error) << p;
    EXPECT_THROW(s.mod_time_of(p), csl::range_error) << p;
    EXPECT_THROW(s.read_item(d, p), csl::range_error) << p;
    EXPECT_THROW(s.write_item(d, p), csl::range_error) << p;
    EXPECT_THROW(s.lock(p), csl::range_error) << p;
    EXPECT_THROW(s.recover(p), csl::range_error) << p;
  }
  EXPECT_NO_THROW(s.value_of(2000));
}

}  // namespace

namespace {

// A batch over positions 7 (in use) and 9 (empty), one position a chunk, killed at
// every step of its file work: each position reads back wholly old or wholly new
// once recovered, whatever the other shows.
TEST_F(journal_test, ABatchKilledAtEveryStepLeavesEachPositionOldOrNew) {
  const sm_model_vehicle::data next = record_with(7, 118.0F);
  const std::vector<int> both = {7, 9};
  const auto batch = [&](store& s) {
    s.modify_batch(
        both,
        [&](int p, sm_model_vehicle_database::key_rec& entry, sm_model_vehicle::data& item) {
          item = next;
          entry.details = kind::create(p == 7 ? 3 : 4, kind::perm);
          entry.state = csl_database::key_state::read_write;
          return true;
        },
        {}, 1);
  };
  const auto now = [&](int p) {
    return std::pair{
        slice(test_files::read_all(index), vdb_bytes::entry_offset(p), entry_size),
        slice(test_files::read_all(base), vdb_bytes::item_size * (p - 1), vdb_bytes::item_size)};
  };
  const auto before = std::vector{now(7), now(9)};
  int steps = 0;
  {
    store s;
    open(s);
    faults::plan plan;
    batch(s);
    steps = static_cast<int>(plan.steps.size());
  }
  const auto after = std::vector{now(7), now(9)};
  ASSERT_NE(after[0], before[0]);
  ASSERT_NE(after[1], before[1]);
  std::vector<int> news(3, 0);
  for (int k = 0; k < steps; ++k) {
    restore();
    std::filesystem::remove(base + "_LOCK_ 9");
    std::filesystem::remove(base + "_JOURNAL_ 9");
    killed_at(k, batch, false);
    std::filesystem::remove(base + "_LOCK_ 9");
    recover();
    int got = 0;
    for (std::size_t i = 0; i < 2; ++i) {
      const auto found = now(both[i]);
      EXPECT_TRUE(found == before[i] || found == after[i])
          << "position " << both[i] << ", step " << k;
      got += found == after[i] ? 1 : 0;
    }
    EXPECT_FALSE(std::filesystem::exists(journal)) << k;
    EXPECT_FALSE(std::filesystem::exists(base + "_JOURNAL_ 9")) << k;
    ++news[static_cast<std::size_t>(got)];
  }
  // Killed early nothing is written, between the chunks the first, late both.
  EXPECT_GT(news[0], 0);
  EXPECT_GT(news[1], 0);
  EXPECT_GT(news[2], 0);
}

}  // namespace
