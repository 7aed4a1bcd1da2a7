// Readers and writers in several processes: a reader never hands out half of a
// concurrent write, and processes killed in the middle of their work leave files
// that read back whole and locks that the others handle.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

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

namespace {

namespace kind = sm_model_vehicle_kind;
using kind::perm;

// A record whose every byte is `fill`.
sm_model_vehicle::data pattern(unsigned char fill) {
  sm_model_vehicle::data d;
  std::memset(static_cast<void*>(&d), fill, sizeof d);
  return d;
}

// The byte every byte of the record holds, or -1 for a mixture.
int uniform_byte(const sm_model_vehicle::data& d) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(&d);
  for (std::size_t i = 1; i < sizeof d; ++i) {
    if (bytes[i] != bytes[0]) return -1;
  }
  return bytes[0];
}

// The byte that every byte after the general group holds, or -1 for a mixture.
int tail_fill(const sm_model_vehicle::data& d) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(&d);
  const std::size_t from = sizeof(sm_model_vehicle_general::group);
  for (std::size_t i = from + 1; i < sizeof d; ++i) {
    if (bytes[i] != bytes[from]) return -1;
  }
  return bytes[from];
}

class concurrency_test : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    sm_model_vehicle_general::start_up();
    sm_model_vehicle_physical::start_up();
    sm_model_vehicle::start_up();
  }

  concurrency_test() {
    db.start_up(base, sm_model_vehicle::default_);
    capture::output_of([&] { db.initialise(); });
  }

  // A child with a store of its own on the same files.
  template <class Body>
  pid_t spawn(Body body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      sm_model_vehicle_database::store own;
      own.start_up(base, sm_model_vehicle::default_);
      capture::output_of([&] { own.initialise(); });
      body(own);
      ::_exit(0);
    }
    return pid;
  }

  static void stop(pid_t pid) {
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
  }

  test_files::temp_dir dir;
  const std::string base = dir.file("vehicle_db");
  sm_model_vehicle_database::store db;
};

TEST_F(concurrency_test, ReadersNeverHandOutHalfOfAConcurrentWrite) {
  const kind::model_kind key = kind::create(3, perm);
  db.update(pattern(0x41), key);
  // The writer holds the position's lock and alternates the record between two
  // patterns, so readers read without the lock while it writes.
  const pid_t writer = spawn([&](sm_model_vehicle_database::store& own) {
    own.lock(7);
    for (;;) {
      own.write_item(pattern(0x41), 7);
      own.write_item(pattern(0x42), 7);
    }
  });
  while (!std::filesystem::exists(db.lock_file_name(7))) ::usleep(1000);
  int whole = 0, zero = 0, mixed = 0;
  capture::output_of([&] {
    for (int i = 0; i < 3000; ++i) {
      const int byte = uniform_byte(db.item_of(key));
      whole += byte == 0x41 || byte == 0x42;
      zero += byte == 0;
      mixed += byte != 0x41 && byte != 0x42 && byte != 0;
    }
  });
  stop(writer);
  EXPECT_EQ(mixed, 0);
  EXPECT_GT(whole, 0);
  std::filesystem::remove(db.lock_file_name(7));
}

TEST_F(concurrency_test, AKilledWriterDisturbsAtMostThePositionItWasWriting) {
  // Positions 1, 3, .., 199 start as pattern 0x10 under keys of issue 0; the writer
  // rewrites them with pattern 0x20 and issue 1, and back, until it is killed.
  auto vehicle = [](int n, unsigned char fill, int issue) {
    sm_model_vehicle::data d = pattern(fill);
    d.general = sm_model_vehicle_general::group_default();
    d.general.set_is_valid(true);
    d.general.set_permanence(perm);
    d.general.library_number = n;
    d.general.issue = static_cast<std::uint8_t>(issue);
    return d;
  };
  for (int n = 0; n < 100; ++n) db.update(vehicle(n, 0x10, 0));
  for (int attempt = 0; attempt < 8; ++attempt) {
    const pid_t writer = spawn([&](sm_model_vehicle_database::store& own) {
      for (int round = 0;; ++round) {
        for (int n = 0; n < 100; ++n)
          own.update(vehicle(n, round % 2 ? 0x10 : 0x20, round % 2 ? 0 : 1));
      }
    });
    ::usleep(static_cast<useconds_t>(3000 + (7919 * attempt) % 20000));
    stop(writer);
    // The kernel cuts a killed process's write at a page boundary, so the record in
    // flight may be half old and half new; every other position must be whole, with
    // its entry agreeing with its item, and the writer's lock file marks the one.
    std::vector<int> disturbed, locked;
    capture::output_of([&] {
      db.load_index();
      for (int n = 0; n < 100; ++n) {
        const int position = 2 * n + 1;
        if (std::filesystem::exists(db.lock_file_name(position))) locked.push_back(position);
        // A lock left by the dead writer does not hold a reader up.
        const sm_model_vehicle::data d = db.item_of(kind::create(n, perm));
        const int issue = db.value_of(position).issue;
        const int fill = tail_fill(d);
        const bool whole = (issue == 0 || issue == 1) && (fill == 0x10 || fill == 0x20);
        if (!whole || (issue == 1) != (fill == 0x20)) disturbed.push_back(position);
      }
    });
    EXPECT_LE(locked.size(), 1U);
    EXPECT_LE(disturbed.size(), 1U);
    if (!disturbed.empty()) {
      EXPECT_EQ(locked, disturbed);
    }
    // Clearing a dead writer's lock finishes its journal, as vdb locks does.
    for (int position : locked) {
      std::filesystem::remove(db.lock_file_name(position));
      capture::output_of([&] { db.recover(position); });
    }
  }
}

TEST_F(concurrency_test, AKilledReaderLeavesAStaleLockThatOthersHandle) {
  const kind::model_kind key = kind::create(3, perm);
  sm_model_vehicle::data d = sm_model_vehicle::default_();
  d.physical.c200 = csl_length::distance(115.0F);
  db.update(d, key);
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t reader = spawn([&](sm_model_vehicle_database::store& own) {
    own.read_lock(7);
    const char taken = 1;
    ssize_t written = ::write(ready[1], &taken, 1);
    (void)written;
    ::pause();
  });
  char taken = 0;
  ASSERT_EQ(::read(ready[0], &taken, 1), 1);
  stop(reader);
  ::close(ready[0]);
  ::close(ready[1]);
  ASSERT_TRUE(std::filesystem::exists(db.lock_file_name(7)));

  faults::plan plan;  // counts the waits instead of sleeping them
  EXPECT_EQ(db.item_of(key).physical.c200.metres(), 115.0F);
  EXPECT_TRUE(plan.sleeps.empty());
  EXPECT_TRUE(std::filesystem::exists(db.lock_file_name(7)));

  d.physical.c200 = csl_length::distance(116.0F);
  const auto lines = capture::lines_printed_by([&] { db.update(d, key); });
  EXPECT_EQ(lines, std::vector<std::string>{"csl_database: error waiting on lock file " +
                                            db.lock_file_name(7) + " - carrying on anyway!"});
  EXPECT_EQ(plan.sleeps.size(), 20U);
  EXPECT_FALSE(std::filesystem::exists(db.lock_file_name(7)));
  EXPECT_EQ(db.item_of(key).physical.c200.metres(), 116.0F);
}

}  // namespace
