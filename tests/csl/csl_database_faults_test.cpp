// Every file step of every store operation made to fail in turn: the exact report
// line, whether the store stays initialised, and what the files hold afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
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
using lines = std::vector<std::string>;
namespace kind = sm_model_vehicle_kind;

const vdb_bytes::vehicle trials{995, false, "TRIALS SHIP", "TRIALS", 150.0F, 30.0F, 13.0F};

// Which file a step fails on.
enum class target { item, index, lock };

struct fault {
  step what;
  target on;
  int error;
};

class faults_test : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    sm_model_vehicle_general::start_up();
    sm_model_vehicle_physical::start_up();
    sm_model_vehicle::start_up();
  }

  void start(bool with_files) {
    std::filesystem::remove(base);
    std::filesystem::remove(index);
    std::filesystem::remove(lock);
    std::filesystem::remove(base + "_JOURNAL_ 1991");
    if (with_files) test_files::write_database(base, {trials});
    db.start_up(base, sm_model_vehicle::default_);
  }

  std::string name_of(target t) const {
    return t == target::item ? base : t == target::index ? index : lock;
  }

  // Runs `operation` with the fault in place and returns what it printed.
  lines with_fault(const fault& f, const std::function<void()>& operation) {
    faults::plan plan;
    plan.fail(f.what, name_of(f.on), f.error);
    return capture::lines_printed_by(operation);
  }

  void initialise_quietly() {
    capture::output_of([&] { db.initialise(); });
  }

  test_files::temp_dir dir;
  const std::string base = dir.file("vehicle_db");
  const std::string index = base + "_INDEX";
  const std::string lock = base + "_LOCK_ 1991";
  sm_model_vehicle_database::store db;
};

TEST_F(faults_test, InitialiseOnExistingFiles) {
  struct expectation {
    fault f;
    std::string line;
  };
  const std::vector<expectation> cases = {
      {{step::open, target::item, EACCES},
       "csl_database: Permission denied EACCES raised opening " + base},
      {{step::close, target::item, EIO},
       "csl_database: initialise_item_file Input/output error EIO raised closing " + base},
      {{step::open, target::index, EACCES},
       "csl_database: initialise_index_file Permission denied EACCES raised opening " + index},
      {{step::read, target::index, EIO},
       "csl_database: initialise_index_file Input/output error EIO raised reading " + index},
      {{step::close, target::index, EIO},
       "csl_database: initialise_index_file Input/output error EIO raised closing " + index},
  };
  for (const expectation& c : cases) {
    start(true);
    const vdb_bytes::bytes items = test_files::read_all(base),
                           entries = test_files::read_all(index);
    EXPECT_EQ(with_fault(c.f, [&] { db.initialise(); }), lines{c.line});
    EXPECT_FALSE(db.is_initialised()) << c.line;
    EXPECT_THROW(db.item_of(kind::create(995, kind::perm)),
                 sm_model_vehicle_database::initialisation_error);
    // Opening never changes a file.
    EXPECT_EQ(test_files::read_all(base), items);
    EXPECT_EQ(test_files::read_all(index), entries);
  }
}

TEST_F(faults_test, CreationOfMissingFiles) {
  struct expectation {
    fault f;
    lines printed;
    std::uintmax_t item_size;  // what stays on disk
  };
  const std::string new_item = "csl_database: creating new file " + base;
  const std::string new_index = "csl_database: creating new index file " + index;
  const std::uintmax_t full = 2000 * vdb_bytes::item_size;
  const std::vector<expectation> cases = {
      {{step::create, target::item, ENOSPC},
       {new_item,
        "csl_database: create_item_file No space left on device ENOSPC raised creating " + base,
        new_index},
       0},
      {{step::write, target::item, ENOSPC},
       {new_item,
        "csl_database: create_item_file No space left on device ENOSPC raised writing " + base,
        new_index},
       0},
      {{step::close, target::item, EIO},
       {new_item, "csl_database: create_item_file Input/output error EIO raised closing " + base,
        new_index},
       full},
      {{step::create, target::index, EROFS},
       {new_item, new_index,
        "csl_database: create_index_file Read-only file system EROFS raised creating " + index},
       full},
      {{step::write, target::index, ENOSPC},
       {new_item, new_index,
        "csl_database: create_index_file No space left on device ENOSPC raised writing " + index},
       full},
      {{step::close, target::index, EIO},
       {new_item, new_index,
        "csl_database: create_index_file Input/output error EIO raised closing " + index},
       full},
  };
  for (const expectation& c : cases) {
    start(false);
    EXPECT_EQ(with_fault(c.f, [&] { db.initialise(); }), c.printed);
    EXPECT_FALSE(db.is_initialised()) << c.printed[1];
    // A partly written file stays on disk; the index is whole or missing or empty.
    if (std::filesystem::exists(base)) {
      EXPECT_EQ(std::filesystem::file_size(base), c.item_size) << c.printed[1];
    }
    if (std::filesystem::exists(index) && std::filesystem::file_size(index) > 0) {
      EXPECT_EQ(test_files::read_all(index), vdb_bytes::new_index());
    }
  }
}

TEST_F(faults_test, ReadPathStepsReportAndTheReadGoesOn) {
  struct expectation {
    fault f;
    lines printed;
    float length;  // what the caller gets
  };
  const std::string p = " position  1991";
  const std::vector<expectation> cases = {
      {{step::open, target::index, EIO},
       {"csl_database: read_index Input/output error EIO raised opening " + index,
        "csl_database: read_index Bad file descriptor EBADF raised reading " + index,
        "csl_database: read_index Bad file descriptor EBADF raised closing " + index},
       150.0F},
      {{step::read, target::index, EIO},
       {"csl_database: read_index Input/output error EIO raised reading " + index},
       150.0F},
      {{step::close, target::index, EIO},
       {"csl_database: read_index Input/output error EIO raised closing " + index},
       150.0F},
      {{step::open, target::item, EIO},
       {"csl_database: read_item Input/output error EIO raised opening " + base,
        "csl_database: read_item Bad file descriptor EBADF raised reading " + base + p,
        "csl_database: read_item Bad file descriptor EBADF raised closing " + base},
       0.0F},
      {{step::read, target::item, EIO},
       {"csl_database: read_item Input/output error EIO raised reading " + base + p},
       0.0F},
      {{step::close, target::item, EIO},
       {"csl_database: read_item Input/output error EIO raised closing " + base},
       150.0F},
      // The lock is a courtesy to writers: failing to take or drop it does not stop a read.
      {{step::open, target::lock, EACCES}, {}, 150.0F},
      {{step::create_exclusive, target::lock, EACCES},
       {"csl_database: error waiting on lock file " + lock + " - carrying on anyway!"},
       150.0F},
      {{step::remove, target::lock, EACCES}, {}, 150.0F},
  };
  for (const expectation& c : cases) {
    start(true);
    initialise_quietly();
    float length = -1.0F;
    bool all_zero = false;
    EXPECT_EQ(
        with_fault(c.f,
                   [&] {
                     const sm_model_vehicle::data d = db.item_of(kind::create(995, kind::perm));
                     length = d.physical.c200.metres();
                     const vdb_bytes::bytes b = vdb_bytes::bytes_of(d);
                     all_zero = std::all_of(b.begin(), b.end(), [](auto v) { return v == 0; });
                   }),
        c.printed);
    EXPECT_EQ(length, c.length) << static_cast<int>(c.f.what) << " " << name_of(c.f.on);
    // A failed item read hands out zero bytes, not a record's own initialisation.
    EXPECT_EQ(all_zero, c.length == 0.0F) << static_cast<int>(c.f.what) << " " << name_of(c.f.on);
    EXPECT_TRUE(db.is_initialised());
  }
}

TEST_F(faults_test, UpdateStepsNeverShowANewEntryOverAnOldItem) {
  struct expectation {
    fault f;
    std::string line;
    bool entry_written;
    bool item_written;
  };
  const std::vector<expectation> cases = {
      {{step::open, target::item, EIO},
       "csl_database: write_item Input/output error EIO raised opening " + base,
       false,
       false},
      {{step::write, target::item, ENOSPC},
       "csl_database: write_item No space left on device ENOSPC raised writing " + base +
           " position  1991",
       false,
       false},
      {{step::close, target::item, EIO},
       "csl_database: write_item Input/output error EIO raised closing " + base,
       false,
       true},
      {{step::write, target::index, ENOSPC},
       "csl_database: write_index No space left on device ENOSPC raised writing " + index,
       false,
       true},
      {{step::close, target::index, EIO},
       "csl_database: write_index Input/output error EIO raised closing " + index,
       true,
       true},
  };
  for (const expectation& c : cases) {
    start(true);
    initialise_quietly();
    sm_model_vehicle::data d = db.item_of(kind::create(995, kind::perm));
    d.physical.c200 = csl_length::distance(151.0F);
    d.general.issue = 7;
    const vdb_bytes::bytes entries = test_files::read_all(index);
    lines printed = with_fault(c.f, [&] { db.update(d); });
    // A failed open is followed by the failing steps after it, and a step failing on
    // the index fails for the reread before the write too.
    EXPECT_NE(std::find(printed.begin(), printed.end(), c.line), printed.end()) << c.line;
    EXPECT_TRUE(db.is_initialised());
    EXPECT_FALSE(std::filesystem::exists(lock));
    const vdb_bytes::bytes after = test_files::read_all(index);
    EXPECT_EQ(after[vdb_bytes::entry_offset(1991) + 28], c.entry_written ? 7 : 0) << c.line;
    EXPECT_EQ(after.size(), entries.size());
    const vdb_bytes::bytes items = test_files::read_all(base);
    EXPECT_EQ(vdb_bytes::f32_of(items, 1990 * vdb_bytes::item_size + 116),
              c.item_written ? 151.0F : 150.0F)
        << c.line;
  }
}

TEST_F(faults_test, WriteIndexStepsAreIndependent) {
  start(true);
  initialise_quietly();
  const lines printed = with_fault({step::open, target::index, EACCES}, [&] { db.write_index(); });
  EXPECT_EQ(printed,
            (lines{"csl_database: write_index Permission denied EACCES raised opening " + index,
                   "csl_database: write_index Bad file descriptor EBADF raised writing " + index,
                   "csl_database: write_index Bad file descriptor EBADF raised closing " + index}));
  EXPECT_TRUE(db.is_initialised());
}

}  // namespace
