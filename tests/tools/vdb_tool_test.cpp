// The vdb tool as engineers use it: a separate program run on databases in
// temporary directories. Expected files and damaged files are built byte by byte
// from the format tables, not with the library's records.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <tuple>
#include <vector>

#include "capture.hpp"
#include "radar_vdb_access.h"
#include "test_files.hpp"
#include "vdb_bytes.hpp"
#include "vdb_program.hpp"

namespace {

using test_files::read_all;
using test_files::temp_dir;
using test_files::write_all;
using vdb_program::outcome;

constexpr std::size_t item_file_size = vdb_bytes::item_size * vdb_bytes::positions;

// A database directory and the tool run on it.
class database {
 public:
  std::string base() const { return dir_.file("vehicle_db"); }
  std::string index() const { return base() + "_INDEX"; }
  const temp_dir& dir() const { return dir_; }

  // vdb --db BASE args...
  outcome vdb(const std::vector<std::string>& args) const {
    std::vector<std::string> all = {"--db", base()};
    all.insert(all.end(), args.begin(), args.end());
    return vdb_program::run(VDB_PROGRAM, all, dir_.path().string());
  }

  // Three vehicles at positions 7, 402 and 1999, read_write, stamped
  // 2026-341 09:30:15.250.
  void write_three_vehicles() const {
    test_files::write_database(base(),
                               {{3, false, "ECHO II", "SSGN", 115.0F, 9.0F, 8.0F},
                                {200, true, "FLEET OILER", "AUXILIARY", 240.0F, 35.0F, 40.0F},
                                {999, false, "TARGET", "TEST", 50.0F, 10.0F, 10.0F}});
  }

  // Changes the files in place.
  void patch_index(const std::function<void(vdb_bytes::bytes&)>& change) const {
    patch(index(), change);
  }
  void patch_items(const std::function<void(vdb_bytes::bytes&)>& change) const {
    patch(base(), change);
  }

 private:
  static void patch(const std::string& name, const std::function<void(vdb_bytes::bytes&)>& change) {
    vdb_bytes::bytes b = read_all(name);
    change(b);
    write_all(name, b);
  }
  temp_dir dir_;
};

std::vector<std::string> lines(const std::string& text) {
  return capture::lines_of(text);
}

constexpr std::size_t state_at(int position) {
  return 44 + 60 * static_cast<std::size_t>(position - 1) + 32;
}

constexpr std::size_t item_at(int position) {
  return vdb_bytes::item_size * static_cast<std::size_t>(position - 1);
}

// --- The command line -------------------------------------------------------

TEST(VdbCommandLine, VersionAndHelpSucceedOnStandardOutput) {
  const database db;
  const outcome version = db.vdb({"--version"});
  EXPECT_EQ(version.exit_code, 0);
  EXPECT_EQ(version.out, std::string("vdb ") + RADAR_VDB_ACCESS_VERSION_STRING + "\n");
  for (const char* sub : {"create", "sample", "describe", "stat", "list", "show", "verify"}) {
    const outcome help = db.vdb({sub, "--help"});
    EXPECT_EQ(help.exit_code, 0) << sub;
    EXPECT_NE(help.out.find("Usage:"), std::string::npos) << sub;
    EXPECT_EQ(help.out.find("->"), std::string::npos) << sub << ": internal enumeration numbers";
  }
  EXPECT_NE(db.vdb({"--help"}).out.find("Exit codes: 0 done"), std::string::npos);
  EXPECT_NE(db.vdb({"list", "--help"}).out.find("--format"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(db.base()));
}

TEST(VdbCommandLine, UsageErrorsExitWithTwoAndTouchNothing) {
  const database db;
  const std::vector<std::vector<std::string>> wrong = {
      {},
      {"frobnicate"},
      {"create", "sample"},
      {"list", "--group", "nato_navy"},
      {"list", "--state", "empty"},
      {"list", "--format", "xml"},
      {"show"},
      {"set", "7"},
      {"state", "7", "broken"},
      {"touch", "7"},
      {"new", "1000", "--name", "X", "--class", "Y"},
      {"new", "7", "--name", "THIRTEEN CHAR", "--class", "Y"},
      {"locks", "--clear-stale", "1"},
      {"load"},
      {"show", "0", "--raw"},
      {"show", "2001", "--raw"},
      {"show", "--raw"},
      {"show", "0x7"},
      {"show", "+7"},
      {"show", "7", "--group", "hull"},
      {"list", "--format", "1"},
      {"get", "7"},
      {"get", "7", "c9999"},
      {"--quiet", "--verbose", "stat"},
  };
  for (const auto& args : wrong) {
    const outcome o = db.vdb(args);
    EXPECT_EQ(o.exit_code, 2) << (args.empty() ? "" : args[0]);
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err, "");
  }
  EXPECT_EQ(db.vdb({"bogus"}).err,
            "vdb: unknown command \"bogus\"; vdb --help lists the commands\n");
  const outcome empty_base =
      vdb_program::run(VDB_PROGRAM, {"--db", "", "create"}, db.dir().path().string());
  EXPECT_EQ(empty_base.exit_code, 2);
  EXPECT_TRUE(std::filesystem::is_empty(db.dir().path()));
}

// --- create and sample ------------------------------------------------------

TEST(VdbCreate, MakesAnEmptyDatabaseAndKeepsTheLibraryLinesOffStandardOutput) {
  const database db;
  const outcome o = db.vdb({"create"});
  ASSERT_EQ(o.exit_code, 0) << o.err;
  EXPECT_EQ(o.out, "");
  EXPECT_NE(o.err.find("csl_database: creating new file " + db.base() + "\n"), std::string::npos);
  EXPECT_NE(o.err.find("csl_database: creating new index file " + db.index() + "\n"),
            std::string::npos);
  // The start-up report is shown only on request.
  EXPECT_EQ(o.err.find("csl_config: "), std::string::npos);

  EXPECT_EQ(read_all(db.index()), vdb_bytes::new_index());
  const vdb_bytes::bytes items = read_all(db.base());
  ASSERT_EQ(items.size(), item_file_size);
  const vdb_bytes::bytes first(items.begin(), items.begin() + vdb_bytes::item_size);
  EXPECT_EQ(first[0], 0x10);  // not valid, temporary
  EXPECT_EQ(first[1], 1);
  EXPECT_EQ(std::string(first.begin() + 4, first.begin() + 16), "NONAME      ");
  EXPECT_EQ(std::string(first.begin() + 16, first.begin() + 28), "UNKNOWN     ");
  for (int p = 2; p <= vdb_bytes::positions; ++p) {
    ASSERT_TRUE(std::equal(first.begin(), first.end(), items.begin() + item_at(p))) << p;
  }
}

TEST(VdbCreate, RefusesWhenEitherFileExistsAndChangesNothing) {
  const database db;
  ASSERT_EQ(db.vdb({"create"}).exit_code, 0);
  db.patch_index([](vdb_bytes::bytes& b) { b[state_at(5)] = 2; });
  const vdb_bytes::bytes index_before = read_all(db.index());
  const outcome again = db.vdb({"create"});
  EXPECT_EQ(again.exit_code, 1);
  EXPECT_EQ(again.out, "");
  EXPECT_NE(again.err.find("vdb: item file " + db.base() + " already exists\n"), std::string::npos);
  EXPECT_NE(again.err.find("vdb: index file " + db.index() + " already exists\n"),
            std::string::npos);
  EXPECT_EQ(read_all(db.index()), index_before);

  // Only the index there: no item file is made beside it either.
  std::filesystem::remove(db.base());
  const outcome half = db.vdb({"sample"});
  EXPECT_EQ(half.exit_code, 1);
  EXPECT_EQ(half.err, "vdb: index file " + db.index() + " already exists\n");
  EXPECT_FALSE(std::filesystem::exists(db.base()));
  EXPECT_EQ(read_all(db.index()), index_before);
}

TEST(VdbCreate, ReportsADirectoryThatCannotHoldTheFiles) {
  const database db;
  const outcome o =
      vdb_program::run(VDB_PROGRAM, {"--db", db.dir().file("no/such/vehicle_db"), "create"},
                       db.dir().path().string());
  EXPECT_EQ(o.exit_code, 1);
  EXPECT_NE(o.err.find("vdb: cannot create the database "), std::string::npos);
}

TEST(VdbCreate, TakesTheBaseNameFromTheEnvironmentUnlessOneIsGiven) {
  const database db;
  const std::string from_env = db.dir().file("env_db");
  const outcome o = vdb_program::run(VDB_PROGRAM, {"create"}, db.dir().path().string(), from_env);
  ASSERT_EQ(o.exit_code, 0) << o.err;
  EXPECT_EQ(std::filesystem::file_size(from_env + "_INDEX"), vdb_bytes::index_size);
  const outcome given = vdb_program::run(VDB_PROGRAM, {"--db", db.base(), "create"},
                                         db.dir().path().string(), from_env);
  ASSERT_EQ(given.exit_code, 0) << given.err;
  EXPECT_EQ(std::filesystem::file_size(db.index()), vdb_bytes::index_size);
  // The start-up report names the base name in use.
  const outcome verbose =
      vdb_program::run(VDB_PROGRAM, {"--verbose", "stat"}, db.dir().path().string(), from_env);
  EXPECT_NE(verbose.err.find("sm_model_vehicle: Using " + from_env + "\n"), std::string::npos);
  EXPECT_NE(verbose.err.find("csl_config: program name = vdb\n"), std::string::npos);
}

// The sample database built from the format tables: nine notional vehicles, each
// read-write and stamped 2026-341 12:00:00.
vdb_bytes::bytes expected_sample(vdb_bytes::bytes& index) {
  const std::vector<vdb_bytes::vehicle> vehicles = {
      {0, false, "LAUNCH", "PATROL", 20.0F, 5.0F, 4.5F},
      {0, true, "LAUNCH MOD", "PATROL", 21.5F, 5.0F, 4.5F},
      {3, false, "ECHO II", "SSGN", 115.0F, 9.0F, 8.0F},
      {200, true, "FLEET OILER", "AUXILIARY", 240.0F, 35.0F, 40.0F},
      {500, false, "STORES SHIP", "AUXILIARY", 180.0F, 30.0F, 25.0F},
      {700, false, "HEAVY TORP", "WEAPON", 6.5F, 0.53F, 0.53F},
      {995, false, "TRIALS SHIP", "TRIALS", 150.0F, 30.0F, 13.0F},
      {999, false, "TARGET", "TEST", 50.0F, 10.0F, 10.0F},
      {999, true, "TARGET MOD", "TEST", 60.0F, 12.0F, 12.0F},
  };
  index = vdb_bytes::new_index();
  vdb_bytes::bytes items;
  for (int p = 1; p <= vdb_bytes::positions; ++p) {
    const vdb_bytes::bytes d = vdb_bytes::default_item();
    items.insert(items.end(), d.begin(), d.end());
  }
  for (const vdb_bytes::vehicle& v : vehicles) {
    vdb_bytes::put_entry(index, v, 2);
    const std::size_t e = vdb_bytes::entry_offset(v.position());
    const std::int32_t stamp[6] = {2026, 341, 12, 0, 0, 0};
    for (std::size_t i = 0; i < 6; ++i) vdb_bytes::put_i32(index, e + 36 + 4 * i, stamp[i]);
    vdb_bytes::put_group(items, vdb_bytes::item_size * static_cast<std::size_t>(v.position() - 1),
                         vdb_bytes::item_of(v));
  }
  return items;
}

TEST(VdbSample, WritesTheNotionalVehiclesAndRefusesExistingFiles) {
  const database tool;
  const outcome o = tool.vdb({"sample"});
  ASSERT_EQ(o.exit_code, 0) << o.err;
  EXPECT_EQ(o.out, "");
  vdb_bytes::bytes index;
  const vdb_bytes::bytes items = expected_sample(index);
  EXPECT_TRUE(read_all(tool.base()) == items);
  EXPECT_TRUE(read_all(tool.index()) == index);
  // No lock file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tool.dir().path()),
                          std::filesystem::directory_iterator()),
            2);
  EXPECT_EQ(tool.vdb({"sample"}).exit_code, 1);
}

// --- describe -----------------------------------------------------------------

TEST(VdbDescribe, PrintsOneRowAsABlockWithQuotedTexts) {
  const database db;
  const outcome o = db.vdb({"describe", "c440"});
  ASSERT_EQ(o.exit_code, 0) << o.err;
  EXPECT_EQ(lines(o.out), (std::vector<std::string>{
                              "c440",
                              "  group: speed",
                              "  types module: sm_model_vehicle_speed_types",
                              "  alias: none",
                              "  kind: ENUMERATION",
                              "  value type: enumeration FIXED .. CPP",
                              "  type range: 0 .. 1",
                              "  unit: none",
                              "  default: \"FIXED\" (stored 0)",
                              "  min: \"FIXED\" (stored 0)",
                              "  max: \"CPP\" (stored 1)",
                              "  min image: none",
                              "  max image: none",
                              "  image operation: c440_image_of (enumeration image)",
                              "  choice list: \"FIXED,CPP\"",
                              "  choices:",
                              "    0 \"FIXED\" at 1 .. 5",
                              "    1 \"CPP\" at 7 .. 9",
                              "  duration: no",
                              "  interval: no",
                          }));
  EXPECT_EQ(db.vdb({"describe", "440"}).out, o.out);
  // Leading blanks of bound images are kept.
  const std::string c402 = db.vdb({"describe", "c402"}).out;
  EXPECT_NE(c402.find("  min image: \"     0.0000\"\n"), std::string::npos);
  EXPECT_NE(c402.find("  max image: \"000000.0000\"\n"), std::string::npos);
  // Lengths are shown, and typed, in feet.
  EXPECT_NE(db.vdb({"describe", "c200"}).out.find("  unit: ft\n"), std::string::npos);
}

TEST(VdbDescribe, JsonHoldsEveryRowAndUnknownNumbersFail) {
  const database db;
  const outcome all = db.vdb({"describe", "--format", "json"});
  ASSERT_EQ(all.exit_code, 0) << all.err;
  const nlohmann::json rows = nlohmann::json::parse(all.out)["characteristics"];
  ASSERT_TRUE(rows.is_array());
  const outcome text = db.vdb({"describe"});
  std::size_t blocks = 0;
  for (const std::string& line : lines(text.out)) blocks += (!line.empty() && line[0] != ' ');
  EXPECT_EQ(rows.size(), blocks);
  EXPECT_GT(rows.size(), 100U);

  const nlohmann::json issue = nlohmann::json::parse(
      db.vdb({"describe", "issue", "--format", "json"}).out)["characteristic"];
  EXPECT_EQ(issue["name"], "issue");
  EXPECT_TRUE(issue["number"].is_null());
  EXPECT_EQ(issue["min_image"], " 0");
  EXPECT_EQ(issue["max"]["text"], "255");

  const nlohmann::json c200 =
      nlohmann::json::parse(db.vdb({"describe", "c200", "--format", "json"}).out)["characteristic"];
  EXPECT_EQ(c200["number"], 200);
  EXPECT_EQ(c200["alias"], "length");
  EXPECT_EQ(c200["default"]["text"], "50 yd");

  const outcome unknown = db.vdb({"describe", "c9999"});
  EXPECT_EQ(unknown.exit_code, 2);
  EXPECT_EQ(unknown.out, "");
  EXPECT_EQ(unknown.err, "vdb: c9999: no such characteristic\n");
  EXPECT_EQ(db.vdb({"describe", "nonsense"}).exit_code, 2);
}

// --- stat ---------------------------------------------------------------------

TEST(VdbStat, CountsStatesGroupsAndLockFiles) {
  const database db;
  db.write_three_vehicles();
  db.patch_index([](vdb_bytes::bytes& b) { b[state_at(1999)] = 1; });
  write_all(db.base() + "_LOCK_ 7", {});
  const outcome o = db.vdb({"stat"});
  ASSERT_EQ(o.exit_code, 0) << o.err;
  EXPECT_EQ(lines(o.out), (std::vector<std::string>{
                              "item file: " + db.base(),
                              "  size: 25728000 bytes (expected 25728000)",
                              "index file: " + db.index(),
                              "  size: 120044 bytes (expected 120044)",
                              "entries:",
                              "  EMPTY: 1997",
                              "  READ_ONLY: 1",
                              "  READ_WRITE: 2",
                              "  other state bytes: 0",
                              "groups:",
                              "  SOVIET_SUB: 1",
                              "  SOVIET_SURF: 0",
                              "  SOVIET_AUX: 1",
                              "  NATO_SUB: 0",
                              "  NATO_SURF: 0",
                              "  NATO_AUX: 0",
                              "  GENERAL: 0",
                              "  WEAPONS_DECOYS: 0",
                              "  AIRCRAFT: 0",
                              "  TEST: 1",
                              "  no valid key: 0",
                              "lock files:",
                              "  " + db.base() + "_LOCK_ 7",
                          }));
  const nlohmann::json j = nlohmann::json::parse(db.vdb({"stat", "--format", "json"}).out);
  EXPECT_EQ(j["entries"]["READ_WRITE"], 2);
  EXPECT_EQ(j["groups"]["SOVIET_AUX"], 1);
  EXPECT_EQ(j["index_file"]["size"], 120044);
  EXPECT_EQ(j["lock_files"], nlohmann::json::array({db.base() + "_LOCK_ 7"}));
}

TEST(VdbStat, WrongSizesAndMissingFilesAreProblems) {
  const database db;
  db.write_three_vehicles();
  db.patch_items([](vdb_bytes::bytes& b) { b.pop_back(); });
  const outcome short_items = db.vdb({"stat"});
  EXPECT_EQ(short_items.exit_code, 1);
  EXPECT_NE(short_items.out.find("  size: 25727999 bytes (expected 25728000)\n"),
            std::string::npos);
  EXPECT_NE(short_items.out.find("  READ_WRITE: 3\n"), std::string::npos);

  std::filesystem::remove(db.index());
  const outcome no_index = db.vdb({"stat"});
  EXPECT_EQ(no_index.exit_code, 1);
  EXPECT_NE(no_index.out.find("index file: " + db.index() + "\n  size: missing\n"),
            std::string::npos);
  EXPECT_EQ(no_index.out.find("entries:"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(db.index()));
}

// --- list ---------------------------------------------------------------------

TEST(VdbList, ShowsEntriesInUseWithTheirDimensions) {
  const database db;
  db.write_three_vehicles();
  db.patch_index([](vdb_bytes::bytes& b) { b[state_at(402)] = 1; });
  const outcome o = db.vdb({"list"});
  ASSERT_EQ(o.exit_code, 0) << o.err;
  const std::string header =
      " POS  KIND   CLASS         NAME          STATE       MODIFIED (local time) LENGTH (m) "
      "HEIGHT (m)  WIDTH (m)";
  const std::string echo =
      "   7  003 P  SSGN          ECHO II       READ_WRITE  2026-341T09:30:15.250     115.00"
      "       9.00       8.00";
  const std::string oiler =
      " 402  200 T  AUXILIARY     FLEET OILER   READ_ONLY   2026-341T09:30:15.250     240.00"
      "      35.00      40.00";
  const std::string target =
      "1999  999 P  TEST          TARGET        READ_WRITE  2026-341T09:30:15.250      50.00"
      "      10.00      10.00";
  EXPECT_EQ(lines(o.out), (std::vector<std::string>{header, echo, oiler, target}));
  EXPECT_EQ(lines(db.vdb({"list", "--group", "SOVIET_SUB"}).out),
            (std::vector<std::string>{header, echo}));
  EXPECT_EQ(lines(db.vdb({"list", "--state", "read_only"}).out),
            (std::vector<std::string>{header, oiler}));
  EXPECT_EQ(lines(db.vdb({"list", "--group", "test", "--state", "read_write"}).out),
            (std::vector<std::string>{header, target}));
  EXPECT_EQ(lines(db.vdb({"list", "--group", "aircraft"}).out), (std::vector<std::string>{header}));
  EXPECT_EQ(db.vdb({"list", "--group", "all_groups"}).out, o.out);
  // Global options may also follow the subcommand.
  EXPECT_EQ(
      vdb_program::run(VDB_PROGRAM, {"list", "--db", db.base()}, db.dir().path().string()).out,
      o.out);
}

TEST(VdbList, ReadsPastALockFileLeftBehindAndLeavesIt) {
  const database db;
  db.write_three_vehicles();
  const std::string lock = db.base() + "_LOCK_ 7";
  write_all(lock, {});
  const outcome o = db.vdb({"list", "--group", "soviet_sub"});
  EXPECT_EQ(o.exit_code, 0) << o.err;
  ASSERT_EQ(lines(o.out).size(), 2U);
  EXPECT_EQ(lines(o.out)[1].substr(0, 11), "   7  003 P");
  EXPECT_TRUE(std::filesystem::exists(lock));
  EXPECT_FALSE(std::filesystem::exists(db.base() + "_LOCK_ 1"));
}

// A key with a library number beyond 999 has no five-character image: the tool
// shows the number as it is stored, and refuses to write through it.
TEST(VdbList, AKeyBeyondTheLibraryIsShownAsStored) {
  const database db;
  db.write_three_vehicles();
  db.patch_index([](vdb_bytes::bytes& b) { vdb_bytes::put_u16(b, state_at(7) - 32 + 2, 1500); });
  const outcome o = db.vdb({"list"});
  EXPECT_EQ(o.exit_code, 0) << o.err;
  ASSERT_EQ(lines(o.out).size(), 4U);
  EXPECT_EQ(lines(o.out)[1].substr(0, 12), "   7  1500 P");
  EXPECT_EQ(lines(db.vdb({"show", "7"}).out)[1], "kind: 1500 P");
  EXPECT_EQ(db.vdb({"set", "7", "c200=5"}).err,
            "vdb: position 7 holds the key 1500 P, which belongs elsewhere; run vdb verify\n");
}

TEST(VdbList, JsonAndProblemsWithTheFiles) {
  const database db;
  db.write_three_vehicles();
  const nlohmann::json doc = nlohmann::json::parse(db.vdb({"list", "--format", "json"}).out);
  EXPECT_EQ(doc["format"], "vdb list");
  EXPECT_EQ(doc["version"], 1);
  const nlohmann::json& j = doc["entries"];
  ASSERT_EQ(j.size(), 3U);
  EXPECT_EQ(j[1]["position"], 402);
  EXPECT_EQ(j[1]["kind"], "200 T");
  EXPECT_EQ(j[1]["name"], "FLEET OILER");
  EXPECT_EQ(j[1]["modified"], "2026-341T09:30:15.250");
  EXPECT_EQ(j[1]["modified_zone"], "WRITER_LOCAL");
  EXPECT_EQ(j[1]["length"], 240.0);

  db.patch_index([](vdb_bytes::bytes& b) { b[state_at(9)] = 3; });
  const outcome bad_state = db.vdb({"list"});
  EXPECT_EQ(bad_state.exit_code, 1);
  EXPECT_EQ(lines(bad_state.out).size(), 4U);
  EXPECT_EQ(bad_state.err, "vdb: entry 9 holds the state byte 3, not 0, 1 or 2\n");

  std::filesystem::remove(db.base());
  const outcome missing = db.vdb({"list"});
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err, "vdb: no item file " + db.base() + "\n");
  EXPECT_FALSE(std::filesystem::exists(db.base()));
}

// --- show ---------------------------------------------------------------------

// The bytes of a hex dump's lines, checking each line's offset on the way.
vdb_bytes::bytes bytes_of_dump(const std::vector<std::string>& dump) {
  vdb_bytes::bytes b;
  for (const std::string& line : dump) {
    EXPECT_EQ(std::stoul(line.substr(0, 8), nullptr, 16), b.size()) << line;
    const std::string hex = line.substr(10, line.find('|') - 10);
    for (std::size_t i = 0; i + 1 < hex.size(); ++i) {
      if (hex[i] == ' ' || hex[i + 1] == ' ') continue;
      b.push_back(static_cast<std::uint8_t>(std::stoul(hex.substr(i, 2), nullptr, 16)));
      ++i;
    }
  }
  return b;
}

TEST(VdbShow, RawDumpHoldsTheIndexEntryAndTheRecordByteForByte) {
  const database db;
  db.write_three_vehicles();
  const outcome o = db.vdb({"show", "7", "--raw"});
  ASSERT_EQ(o.exit_code, 0) << o.err;
  const std::vector<std::string> out = lines(o.out);
  ASSERT_EQ(out.size(), 7U + 4U + 1U + 804U);
  EXPECT_EQ(std::vector<std::string>(out.begin(), out.begin() + 7),
            (std::vector<std::string>{"position: 7", "kind: 003 P", "class: \"SSGN        \"",
                                      "name: \"ECHO II     \"", "state: READ_WRITE", out[5],
                                      "index entry (60 bytes at offset 404 of the index file):"}));
  // The writer's local time, with this machine's zone beside it.
  EXPECT_EQ(out[5].rfind("modified: 2026-341T09:30:15.250 local time (this machine: ", 0), 0U)
      << out[5];
  EXPECT_NE(out[5].find(", UTC"), std::string::npos) << out[5];
  EXPECT_EQ(out[7],
            "00000000  01 01 03 00 53 53 47 4e  20 20 20 20 20 20 20 20  |....SSGN        |");
  EXPECT_EQ(out[11], "record (12864 bytes at offset 77184 of the item file):");

  const vdb_bytes::bytes index = read_all(db.index());
  const vdb_bytes::bytes items = read_all(db.base());
  EXPECT_EQ(bytes_of_dump({out.begin() + 7, out.begin() + 11}),
            vdb_bytes::bytes(index.begin() + 404, index.begin() + 464));
  EXPECT_EQ(bytes_of_dump({out.begin() + 12, out.end()}),
            vdb_bytes::bytes(items.begin() + item_at(7), items.begin() + item_at(8)));

  const nlohmann::json j =
      nlohmann::json::parse(db.vdb({"show", "7", "--raw", "--format", "json"}).out);
  EXPECT_EQ(j["entry"]["state"], "READ_WRITE");
  EXPECT_EQ(j["entry"]["key"]["name"], "ECHO II");
  EXPECT_EQ(j["record"]["offset"], 77184);
  EXPECT_EQ(j["record"]["bytes"].get<std::string>().size(), 2 * vdb_bytes::item_size);
  EXPECT_EQ(j["record"]["bytes"].get<std::string>().substr(0, 16),
            "010103004543484f");  // valid perm, c100 1, 3, "ECHO"
}

TEST(VdbShow, EmptyPositionsAreShownAndUnreadableRecordsFail) {
  const database db;
  db.write_three_vehicles();
  const outcome empty = db.vdb({"show", "2000", "--raw"});
  EXPECT_EQ(empty.exit_code, 0) << empty.err;
  EXPECT_NE(empty.out.find("kind: -----\nclass: \"\\u0000"), std::string::npos);
  EXPECT_NE(empty.out.find("state: EMPTY\n"), std::string::npos);

  db.patch_items([](vdb_bytes::bytes& b) { b.resize(item_at(2000) + 100); });
  const outcome short_record = db.vdb({"show", "2000", "--raw"});
  EXPECT_EQ(short_record.exit_code, 1);
  EXPECT_EQ(short_record.out, "");
  EXPECT_NE(short_record.err.find("vdb: the record at position 2000 cannot be read\n"),
            std::string::npos);
}

// --- verify -------------------------------------------------------------------

TEST(VdbVerify, SoundDatabasesHaveNoProblems) {
  const database made;
  ASSERT_EQ(made.vdb({"sample"}).exit_code, 0);
  const outcome sample = made.vdb({"verify"});
  EXPECT_EQ(sample.exit_code, 0) << sample.err;
  EXPECT_EQ(sample.out, "no problems\n");

  const database built;
  built.write_three_vehicles();
  EXPECT_EQ(built.vdb({"verify"}).out, "no problems\n");
  const nlohmann::json j = nlohmann::json::parse(built.vdb({"verify", "--format", "json"}).out);
  EXPECT_EQ(j["problems"], nlohmann::json::array());
}

struct damage {
  const char* what;
  const char* check;
  std::function<void(const database&)> apply;
  std::function<std::string(const database&)> line;
};

TEST(VdbVerify, FindsEachKindOfDamage) {
  const std::vector<damage> damages = {
      {"long item file", "file_size",
       [](const database& db) { db.patch_items([](vdb_bytes::bytes& b) { b.push_back(0); }); },
       [](const database& db) {
         return "item file " + db.base() + " holds 25728001 bytes, not 25728000";
       }},
      {"short index file", "file_size",
       [](const database& db) { db.patch_index([](vdb_bytes::bytes& b) { b.resize(44); }); },
       [](const database& db) {
         return "index file " + db.index() + " holds 44 bytes, not 120044";
       }},
      {"missing item file", "file_missing",
       [](const database& db) { std::filesystem::remove(db.base()); },
       [](const database& db) { return "item file " + db.base() + " is missing"; }},
      {"bad state byte", "state_byte",
       [](const database& db) { db.patch_index([](vdb_bytes::bytes& b) { b[state_at(5)] = 9; }); },
       [](const database&) {
         return std::string("entry 5 holds the state byte 9, not 0, 1 or 2");
       }},
      {"key at the wrong position", "key",
       [](const database& db) {
         db.patch_index([](vdb_bytes::bytes& b) {
           std::copy_n(b.begin() + 44 + 60 * 6, 60, b.begin() + 44 + 60 * 10);
         });
       },
       [](const database&) {
         return std::string("entry 11 holds the key 003 P, which belongs at position 7");
       }},
      {"entry in use without a key", "key",
       [](const database& db) { db.patch_index([](vdb_bytes::bytes& b) { b[state_at(12)] = 1; }); },
       [](const database&) { return std::string("entry 12 is in use but its key is not valid"); }},
      {"record of another vehicle", "record_key",
       [](const database& db) {
         db.patch_items([](vdb_bytes::bytes& b) {
           vdb_bytes::put_text(b, item_at(402) + 4, 12, "TANKER");
           vdb_bytes::put_u16(b, item_at(402) + 2, 201);
         });
       },
       [](const database&) {
         return std::string(
             "entry 402 has a record whose general group differs from the key in: library "
             "number, name");
       }},
      {"characteristic outside its type", "type_range",
       [](const database& db) {
         // c204 of propulsion mode 2: a shaft count of 0 .. 4.
         db.patch_items([](vdb_bytes::bytes& b) { b[item_at(402) + 92 + 8] = 9; });
       },
       [](const database&) {
         return std::string("entry 402 has c204.2 stored as 9, outside its type 0 .. 4");
       }},
      {"real that is no number", "type_range",
       [](const database& db) {
         // c786 of propulsion mode 1, a plain real of the narrowband group: a NaN.
         db.patch_items([](vdb_bytes::bytes& b) {
           vdb_bytes::put_f32(b, item_at(402) + 1916, std::bit_cast<float>(0x7FC00000U));
         });
       },
       [](const database&) {
         return std::string("entry 402 has c786.1 stored as a bit pattern that is no number");
       }},
      {"modification time that is no time", "modification_time",
       [](const database& db) {
         db.patch_index([](vdb_bytes::bytes& b) { vdb_bytes::put_i32(b, state_at(7) + 4, 1800); });
       },
       [](const database&) {
         return std::string(
             "entry 7 has the modification time 1800-341T09:30:15.250, which is no time");
       }},
      {"stale lock file", "stale_lock",
       [](const database& db) {
         write_all(db.base() + "_LOCK_ 7", {});
         std::filesystem::last_write_time(
             db.base() + "_LOCK_ 7",
             std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
       },
       [](const database& db) {
         return "lock file " + db.base() +
                "_LOCK_ 7 is more than 60 s old: its writer died; run vdb locks --clear-stale 60";
       }},
      {"control byte in a name", "control_bytes",
       [](const database& db) {
         db.patch_index([](vdb_bytes::bytes& b) { b[44 + 60 * 6 + 16 + 4] = 0x01; });
         db.patch_items([](vdb_bytes::bytes& b) { b[item_at(7) + 4 + 4] = 0x01; });
       },
       [](const database&) { return std::string("entry 7 has control bytes in its key's name"); }},
      {"value beyond its editing bounds", "editing_bounds",
       [](const database& db) {
         db.patch_items(
             [](vdb_bytes::bytes& b) { vdb_bytes::put_f32(b, item_at(7) + 116, 40000.0F); });
       },
       [](const database&) {
         return std::string(
             "entry 7 has c200 stored as 40000, beyond its editing bounds 0 .. 99999 ft");
       }},
      {"record not valid", "record_key",
       [](const database& db) {
         db.patch_items([](vdb_bytes::bytes& b) { b[item_at(7)] = 0x00; });
       },
       [](const database&) {
         return std::string(
             "entry 7 has a record whose general group differs from the key in: validity");
       }},
  };
  for (const damage& d : damages) {
    const database db;
    db.write_three_vehicles();
    d.apply(db);
    const outcome o = db.vdb({"verify"});
    EXPECT_EQ(o.exit_code, 1) << d.what;
    EXPECT_EQ(o.out, d.line(db) + "\n") << d.what;
    const outcome quiet = db.vdb({"--quiet", "verify"});
    EXPECT_EQ(quiet.exit_code, 1) << d.what;
    EXPECT_EQ(quiet.out, "") << d.what;
    // Each problem also as an object: its position (none for a file), check and line.
    const nlohmann::json j = nlohmann::json::parse(db.vdb({"verify", "--format", "json"}).out);
    const std::string line = d.line(db);
    const std::size_t lock = line.find("_LOCK_ ");
    const nlohmann::json position =
        line.rfind("entry ", 0) == 0 ? nlohmann::json(std::stoi(line.substr(6)))
        : lock != std::string::npos  ? nlohmann::json(std::stoi(line.substr(lock + 7)))
                                     : nullptr;
    EXPECT_EQ(j["problems"], nlohmann::json::array(
                                 {{{"position", position}, {"check", d.check}, {"message", line}}}))
        << d.what;
  }
}

// --- new, set, state and touch ------------------------------------------------

// The four bytes of a float at a byte offset of a file's bytes.
float float_at(const vdb_bytes::bytes& b, std::size_t at) {
  float v = 0;
  std::memcpy(&v, b.data() + at, sizeof v);
  return v;
}

TEST(VdbEdit, NewVehicleGetsItsPositionAndIsNeverStoredOverAnother) {
  const database db;
  ASSERT_EQ(db.vdb({"create"}).exit_code, 0);
  const outcome made = db.vdb({"new", "42", "--name", "HMS TEST", "--class", "FRIGATE"});
  EXPECT_EQ(made.exit_code, 0) << made.err;
  EXPECT_EQ(made.out, "85\n");  // 2 x 42 + 1 for a permanent vehicle
  EXPECT_EQ(db.vdb({"new", "42", "--permanence", "temp", "--name", "T", "--class", "C"}).out,
            "86\n");
  const vdb_bytes::bytes before = read_all(db.base());
  const outcome again = db.vdb({"new", "42", "--name", "OTHER", "--class", "FRIGATE"});
  EXPECT_EQ(again.exit_code, 1);
  EXPECT_EQ(again.err, "vdb: position 85 is in use by 042 P; nothing written\n");
  EXPECT_EQ(read_all(db.base()), before);

  // The record is the default one under the new kind.
  const vdb_bytes::bytes items = read_all(db.base());
  vdb_bytes::bytes want = vdb_bytes::default_item();
  want[0] = 0x01;  // valid, permanent
  vdb_bytes::put_u16(want, 2, 42);
  vdb_bytes::put_text(want, 4, 12, "HMS TEST");
  vdb_bytes::put_text(want, 16, 12, "FRIGATE");
  EXPECT_EQ(vdb_bytes::bytes(items.begin() + item_at(85), items.begin() + item_at(86)), want);
  EXPECT_EQ(db.vdb({"verify"}).out, "no problems\n");

  const database none;
  EXPECT_EQ(none.vdb({"new", "1", "--name", "A", "--class", "B"}).exit_code, 1);
  EXPECT_TRUE(std::filesystem::is_empty(none.dir().path()));
}

TEST(VdbEdit, SetWritesOperatorUnitsOrNothingAtAll) {
  const database db;
  db.write_three_vehicles();
  // 100 ft, and 20 ft; c204 of mode 2; named by alias, capital C and bare number.
  const outcome set = db.vdb({"set", "7", "LENGTH=100", "C203=20 ft", "204.2=3"});
  EXPECT_EQ(set.exit_code, 0) << set.err;
  vdb_bytes::bytes items = read_all(db.base());
  EXPECT_EQ(float_at(items, item_at(7) + 116), 30.48F);
  EXPECT_FLOAT_EQ(float_at(items, item_at(7) + 128), 6.096F);
  EXPECT_EQ(items[item_at(7) + 92 + 8], 3);

  const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
      {{"set", "7", "c200=100000"},
       "vdb: c200: 100000 is outside the editing bounds 0 .. 99999 ft"},
      {{"set", "7", "c200=fifty"}, "vdb: c200: \"fifty\" is not a number in ft"},
      {{"set", "7", "c204=1"}, "vdb: c204: name it as c204.mode (1 .. 3)"},
      {{"set", "7", "c204.4=1"}, "vdb: c204.4: name it as c204.mode (1 .. 3)"},
      {{"set", "7", "c204.1=5"}, "vdb: c204.1: 5 is outside 0 .. 4"},
      {{"set", "7", "c9999=1"}, "vdb: c9999: no such characteristic"},
      {{"set", "7", "c101=THIRTEEN CHAR"},
       "vdb: c101: \"THIRTEEN CHAR\" is longer than 12 characters"},
      {{"set", "7", "c200"}, "vdb: c200: write it as NAME=VALUE, e.g. c200=50 or c204.2=3"},
      {{"set", "7", "c200=10", "c203=-1"}, "vdb: c203: -1 is outside 0 .. 6.346064e+25 ft"},
      {{"set", "7", "library_number=5"},
       "vdb: the record would no longer belong at position 7; nothing written"},
      {{"set", "8", "c200=1"}, "vdb: position 8 holds no vehicle"},
  };
  items = read_all(db.base());
  const vdb_bytes::bytes index = read_all(db.index());
  for (const auto& [args, first_line] : refused) {
    const outcome o = db.vdb(args);
    // What the command line alone shows is a usage error; what the database
    // holds refuses with 1.
    const bool usage = first_line.find("position") == std::string::npos;
    EXPECT_EQ(o.exit_code, usage ? 2 : 1) << args[2];
    EXPECT_EQ(lines(o.err).front(), first_line);
    EXPECT_EQ(read_all(db.base()), items) << args[2];
    EXPECT_EQ(read_all(db.index()), index) << args[2];
  }
  // A name and class change keeps the position; the key follows the record.
  EXPECT_EQ(db.vdb({"set", "7", "c101=ECHO III"}).exit_code, 0);
  EXPECT_NE(db.vdb({"list"}).out.find("ECHO III"), std::string::npos);
  EXPECT_EQ(db.vdb({"verify"}).out, "no problems\n");
}

// Wideband slots are named by their series numbers, 41 .. 50.
TEST(VdbEdit, WidebandSlotsAreNumberedAsTheirSeries) {
  const database db;
  db.write_three_vehicles();
  EXPECT_EQ(db.vdb({"set", "7", "c809.41=600", "c809.50=700"}).exit_code, 0);
  const vdb_bytes::bytes items = read_all(db.base());
  EXPECT_EQ(items[item_at(7) + 6932 + 114] | (items[item_at(7) + 6932 + 115] << 8), 600);
  EXPECT_EQ(items[item_at(7) + 8264 + 114] | (items[item_at(7) + 8264 + 115] << 8), 700);
  EXPECT_EQ(db.vdb({"set", "7", "c809.1=600"}).err,
            "vdb: c809.1: name it as c809.slot (41 .. 50)\nvdb: nothing written\n");
  EXPECT_NE(db.vdb({"show", "7"}).out.find("c809.41 "), std::string::npos);
}

// A slot's kind changes only with the whole tonal: the slot becomes the new kind's
// default tonal, and the slot's other values of the same command go into it.
TEST(VdbEdit, ANewKindRenewsTheWholeSlot) {
  const database db;
  db.write_three_vehicles();
  ASSERT_EQ(db.vdb({"set", "7", "c780.3=-300", "c700.3=OLD"}).exit_code, 0);
  const vdb_bytes::bytes before = read_all(db.base());
  ASSERT_EQ(db.vdb({"set", "7", "c736.3=10", "c701.3=fir"}).exit_code, 0) << "fir";
  const vdb_bytes::bytes after = read_all(db.base());
  const std::size_t slot = item_at(7) + 1916 + 48 + 124 * 2;
  vdb_bytes::bytes want(before.begin() + slot, before.begin() + slot + 124);
  want[0] = 4;                                             // fir
  std::fill(want.begin() + 84, want.begin() + 116, 0);     // fir default: all zero
  vdb_bytes::put_text(want, 4 + 64, 6, "NONAME");          // the common default again
  vdb_bytes::put_f32(want, 84 + 20, 10.0F * 0.51477337F);  // c736
  EXPECT_EQ(vdb_bytes::bytes(after.begin() + slot, after.begin() + slot + 124), want);
  // The same kind again changes nothing; a wideband slot takes its kinds alike.
  ASSERT_EQ(db.vdb({"set", "7", "c701.3=fir"}).exit_code, 0);
  EXPECT_EQ(read_all(db.base()), after);
  ASSERT_EQ(db.vdb({"set", "7", "c831.41=5", "c801.41=hres"}).exit_code, 0);
  EXPECT_EQ(read_all(db.base())[item_at(7) + 6932], 7);
  EXPECT_EQ(db.vdb({"verify"}).out, "no problems\n");
  EXPECT_NE(db.vdb({"set", "--help"}).out.find("c701.SLOT=KIND"), std::string::npos);
}

TEST(VdbEdit, StateAndTouchChangeOnlyTheEntry) {
  const database db;
  db.write_three_vehicles();
  const vdb_bytes::bytes items = read_all(db.base());
  EXPECT_EQ(db.vdb({"state", "7", "read_only"}).exit_code, 0);
  EXPECT_EQ(read_all(db.index())[state_at(7)], 1);
  const outcome refused = db.vdb({"set", "7", "c200=1"});
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_EQ(refused.err, "vdb: position 7 is not read_write; nothing written\n");
  EXPECT_EQ(db.vdb({"touch", "7", "2026-100T10:00:00"}).err,
            "vdb: position 7 is not read_write; nothing written\n");
  EXPECT_EQ(db.vdb({"state", "7", "READ_WRITE"}).exit_code, 0);
  EXPECT_EQ(db.vdb({"touch", "7", "2026-100T10:11:12.345"}).exit_code, 0);
  const vdb_bytes::bytes index = read_all(db.index());
  vdb_bytes::bytes want(24);
  for (int i = 0; i < 6; ++i) {
    vdb_bytes::put_i32(want, 4 * static_cast<std::size_t>(i),
                       std::array<int, 6>{2026, 100, 10, 11, 12, 345}[static_cast<std::size_t>(i)]);
  }
  EXPECT_EQ(vdb_bytes::bytes(index.begin() + state_at(7) + 4, index.begin() + state_at(7) + 28),
            want);
  EXPECT_EQ(read_all(db.base()), items);
  for (const char* bad : {"2026-100T10:11:12.5", "2026-367T00:00:00", "yesterday", "2026-100"}) {
    const outcome o = db.vdb({"touch", "7", bad});
    EXPECT_EQ(o.exit_code, 2) << bad;
  }
  EXPECT_EQ(db.vdb({"state", "8", "empty"}).err, "vdb: position 8 holds no vehicle\n");
  EXPECT_EQ(db.vdb({"state", "7", "empty"}).exit_code, 0);
  EXPECT_EQ(read_all(db.index())[state_at(7)], 0);
}

// Writers of different positions never lose each other's changes: each process
// sets its own position over and over at the same time as the others.
TEST(VdbEdit, ConcurrentSetsOnDifferentPositionsLoseNothing) {
  const database db;
  ASSERT_EQ(db.vdb({"create"}).exit_code, 0);
  constexpr int vehicles = 6;
  for (int v = 0; v < vehicles; ++v) {
    ASSERT_EQ(db.vdb({"new", std::to_string(100 + v), "--name", "V", "--class", "C"}).exit_code, 0);
  }
  std::vector<pid_t> children;
  for (int v = 0; v < vehicles; ++v) {
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      int failures = 0;
      for (int round = 1; round <= 5; ++round) {
        const std::string value = std::to_string(10 * v + round);
        failures += db.vdb({"set", std::to_string(201 + 2 * v), "c200=" + value}).exit_code;
      }
      ::_exit(failures == 0 ? 0 : 1);
    }
    children.push_back(pid);
  }
  for (const pid_t pid : children) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  const vdb_bytes::bytes items = read_all(db.base());
  for (int v = 0; v < vehicles; ++v) {
    const float feet = static_cast<float>(10 * v + 5);
    EXPECT_FLOAT_EQ(float_at(items, item_at(201 + 2 * v) + 116), feet * 0.3048F) << v;
  }
  EXPECT_EQ(db.vdb({"verify"}).out, "no problems\n");
}

// The value `vdb show` gives a characteristic, as its image.
std::string shown(const database& db, int position, const std::string& name) {
  for (const std::string& line : lines(db.vdb({"show", std::to_string(position)}).out)) {
    if (line.rfind("  " + name + " ", 0) == 0) return line.substr(line.find_last_of(' ') + 1);
  }
  return {};
}

TEST(VdbEdit, ConcurrentSetsOnOnePositionAllKeepTheirChanges) {
  const database db;
  ASSERT_EQ(db.vdb({"create"}).exit_code, 0);
  ASSERT_EQ(db.vdb({"new", "3", "--name", "ECHO II", "--class", "SSGN"}).exit_code, 0);
  const std::vector<std::string> names = {"c200", "c203", "c215", "c206", "c209", "c216"};
  for (int round = 1; round <= 3; ++round) {
    std::vector<pid_t> children;
    for (std::size_t v = 0; v < names.size(); ++v) {
      const pid_t pid = ::fork();
      ASSERT_GE(pid, 0);
      if (pid == 0) {
        const std::string value = std::to_string(10 * round + static_cast<int>(v));
        ::_exit(db.vdb({"set", "7", names[v] + "=" + value}).exit_code);
      }
      children.push_back(pid);
    }
    for (const pid_t pid : children) {
      int status = 0;
      ::waitpid(pid, &status, 0);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (std::size_t v = 0; v < names.size(); ++v) {
      EXPECT_EQ(shown(db, 7, names[v]), std::to_string(10 * round + static_cast<int>(v)))
          << names[v] << " in round " << round;
    }
  }
}

TEST(VdbEdit, AHeldLockIsNamedAndLeftAndNothingIsWritten) {
  const database db;
  db.write_three_vehicles();
  const std::string lock = db.base() + "_LOCK_ 7";
  write_all(lock, {});
  const vdb_bytes::bytes index = read_all(db.index());
  const vdb_bytes::bytes items = read_all(db.base());
  for (const std::vector<std::string>& command :
       {std::vector<std::string>{"--wait", "1", "set", "7", "c200=100"},
        std::vector<std::string>{"--wait", "0", "state", "7", "read_only"},
        std::vector<std::string>{"--wait", "0", "touch", "7", "now"}}) {
    const outcome o = db.vdb(command);
    EXPECT_EQ(o.exit_code, 1) << command[2];
    EXPECT_NE(o.err.find("vdb: the lock file " + lock + " is held (made "), std::string::npos)
        << o.err;
    EXPECT_NE(o.err.find(" s ago); nothing written"), std::string::npos) << o.err;
  }
  EXPECT_TRUE(std::filesystem::exists(lock));
  EXPECT_EQ(read_all(db.index()), index);
  EXPECT_EQ(read_all(db.base()), items);
  // Once the holder is gone the same command goes through.
  std::filesystem::remove(lock);
  EXPECT_EQ(db.vdb({"--wait", "0", "set", "7", "c200=100"}).exit_code, 0);
  EXPECT_EQ(shown(db, 7, "c200"), "100");
}

TEST(VdbRecover, FinishesAStoppedWriteAndVerifyReportsItUntilThen) {
  const database db;
  db.write_three_vehicles();
  // A journal as a writer stopped half way leaves it: whole, its lock file held.
  const outcome before = db.vdb({"set", "7", "c200=200"});
  ASSERT_EQ(before.exit_code, 0);
  const vdb_bytes::bytes items = read_all(db.base());
  vdb_bytes::bytes j = {'R', 'V', 'D', 'B', 'J', 'N', 'L', '1', 7, 0, 0, 0, 1, 0, 0, 0};
  const vdb_bytes::bytes index = read_all(db.index());
  j.insert(j.end(), index.begin() + 44 + 6 * 60, index.begin() + 44 + 7 * 60);
  vdb_bytes::bytes item(items.begin() + item_at(7), items.begin() + item_at(8));
  vdb_bytes::put_f32(item, 116, 100.0F * 0.3048F);
  j.insert(j.end(), item.begin(), item.end());
  j.resize(j.size() + 4);
  const std::uint32_t crc = [&] {
    std::uint32_t c = 0xFFFFFFFFU;
    for (std::size_t i = 0; i + 4 < j.size(); ++i) {
      c ^= j[i];
      for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320U & (0U - (c & 1U)));
    }
    return ~c;
  }();
  std::memcpy(j.data() + j.size() - 4, &crc, 4);
  const std::string journal = db.base() + "_JOURNAL_ 7";
  write_all(journal, j);
  write_all(db.base() + "_LOCK_ 7", {});
  // Readers already see the journal's record; verify names the journal.
  EXPECT_EQ(shown(db, 7, "c200"), "100");
  const outcome verify = db.vdb({"verify"});
  EXPECT_EQ(verify.exit_code, 1);
  EXPECT_NE(verify.out.find("journal " + journal), std::string::npos) << verify.out;
  EXPECT_EQ(db.vdb({"recover"}).exit_code, 1);
  EXPECT_TRUE(std::filesystem::exists(journal));
  std::filesystem::remove(db.base() + "_LOCK_ 7");
  const outcome recovered = db.vdb({"recover"});
  EXPECT_EQ(recovered.exit_code, 0) << recovered.err;
  EXPECT_EQ(recovered.out, journal + " recovered\n");
  EXPECT_FALSE(std::filesystem::exists(journal));
  EXPECT_FLOAT_EQ(float_at(read_all(db.base()), item_at(7) + 116), 100.0F * 0.3048F);
  EXPECT_EQ(db.vdb({"verify"}).out, "no problems\n");
}

// --- show, dump and load ------------------------------------------------------

TEST(VdbShow, EveryCharacteristicGroupByGroupAndModeByMode) {
  const database db;
  db.write_three_vehicles();
  const outcome o = db.vdb({"show", "7"});
  EXPECT_EQ(o.exit_code, 0) << o.err;
  const std::vector<std::string> shown = lines(o.out);
  EXPECT_EQ(shown.at(0), "position: 7");
  const auto at = [&shown](const std::string& prefix) {
    return std::find_if(shown.begin(), shown.end(),
                        [&prefix](const std::string& l) { return l.rfind(prefix, 0) == 0; }) -
           shown.begin();
  };
  EXPECT_LT(at("general:"), at("physical:"));
  EXPECT_LT(at("physical:"), at("enhanced_aural:"));
  EXPECT_LT(at("  c204.1 "), at("  c205.1 "));
  EXPECT_LT(at("  c205.1 "), at("  c204.2 "));
  // 115 m is 377 ft.
  EXPECT_EQ(shown.at(static_cast<std::size_t>(at("  c200 "))).substr(0, 12), "  c200      ");
  EXPECT_NE(shown.at(static_cast<std::size_t>(at("  c200 "))).find("length"), std::string::npos);
  EXPECT_NE(shown.at(static_cast<std::size_t>(at("  c200 "))).find("377"), std::string::npos);
  const nlohmann::json j = nlohmann::json::parse(db.vdb({"show", "7", "--format", "json"}).out);
  EXPECT_EQ(j["position"], 7);
  EXPECT_GT(j["characteristics"].size(), 1000U);
}

TEST(VdbDumpLoad, LoadOfADumpGivesBackBothFilesByteForByte) {
  const database db;
  ASSERT_EQ(db.vdb({"sample"}).exit_code, 0);
  ASSERT_EQ(db.vdb({"set", "7", "c200=123.5", "c204.3=2", "c101=RENAMED"}).exit_code, 0);
  ASSERT_EQ(db.vdb({"touch", "7", "2026-001T00:00:01.002"}).exit_code, 0);
  ASSERT_EQ(db.vdb({"state", "402", "read_only"}).exit_code, 0);
  // Reals no JSON number carries: a signalling NaN, minus zero, the least denormal.
  db.patch_items([](vdb_bytes::bytes& b) {
    vdb_bytes::put_i32(b, item_at(1991) + 116, 0x7FA00001);
    vdb_bytes::put_i32(b, item_at(1991) + 128, static_cast<std::int32_t>(0x80000000U));
    vdb_bytes::put_i32(b, item_at(1991) + 140, 1);
  });
  const outcome dumped = db.vdb({"dump"});
  ASSERT_EQ(dumped.exit_code, 0) << dumped.err;
  const database copy;
  write_all(copy.dir().file("dump.json"), vdb_bytes::bytes(dumped.out.begin(), dumped.out.end()));
  const outcome loaded = copy.vdb({"load", copy.dir().file("dump.json")});
  ASSERT_EQ(loaded.exit_code, 0) << loaded.err;
  EXPECT_TRUE(read_all(copy.base()) == read_all(db.base()));
  EXPECT_TRUE(read_all(copy.index()) == read_all(db.index()));
  EXPECT_NE(dumped.out.find("\"c200\":{\"hex\":\"0100a07f\"}"), std::string::npos);
  // Loading again over the read_only entry changes nothing.
  EXPECT_EQ(copy.vdb({"load", copy.dir().file("dump.json")}).exit_code, 0);
  EXPECT_TRUE(read_all(copy.index()) == read_all(db.index()));
}

TEST(VdbDumpLoad, ADumpThatDoesNotFitLoadsNothing) {
  const database db;
  db.write_three_vehicles();
  const std::vector<std::string> dump = lines(db.vdb({"dump"}).out);
  ASSERT_EQ(dump.size(), 4U);  // the header and positions 7, 402 and 1999
  using change = std::function<void(nlohmann::json&)>;
  const std::vector<std::tuple<std::size_t, change, std::string>> broken = {
      {2, [](nlohmann::json& e) { e["characteristics"]["c204.1"] = 70000; },
       "vdb: " + db.dir().file("dump.json") +
           " line 3: position 402: c204.1: 70000 does not fit its type"},
      {3, [](nlohmann::json& e) { e["characteristics"]["c9999"] = 1; },
       "vdb: " + db.dir().file("dump.json") +
           " line 4: position 1999: c9999: no such characteristic"},
      {1, [](nlohmann::json& e) { e["position"] = 9; },
       "vdb: " + db.dir().file("dump.json") +
           " line 2: position 9: the key 003 P belongs at position 7"},
      {0, [](nlohmann::json& h) { h["version"] = 1; },
       "vdb: " + db.dir().file("dump.json") +
           " line 1: a dump of version 1, which this vdb no longer reads: dump the database again"},
  };
  for (const auto& [line, change_it, said] : broken) {
    std::vector<std::string> d = dump;
    nlohmann::json j = nlohmann::json::parse(d[line]);
    change_it(j);
    d[line] = j.dump();
    std::string text;
    for (const std::string& l : d) text += l + "\n";
    write_all(db.dir().file("dump.json"), vdb_bytes::bytes(text.begin(), text.end()));
    const database target;
    const outcome o = target.vdb({"load", db.dir().file("dump.json")});
    EXPECT_EQ(o.exit_code, 1);
    EXPECT_EQ(o.err, said + "\nvdb: nothing loaded\n");
    EXPECT_FALSE(std::filesystem::exists(target.base()));
  }
}

// --- names, get and the JSON documents -----------------------------------------

TEST(VdbNames, EveryFormPeopleTypeNamesTheSameCharacteristic) {
  const database db;
  db.write_three_vehicles();
  const std::string c200 = db.vdb({"describe", "c200"}).out;
  for (const char* name : {"200", "C200", "length", "LENGTH", "c200.1"}) {
    EXPECT_EQ(db.vdb({"describe", name}).out, c200) << name;
  }
  EXPECT_EQ(db.vdb({"describe", "c5"}).out, db.vdb({"describe", "c005"}).out);
  const outcome got = db.vdb({"get", "7", "c200", "200", "C200", "Length", "c204.2", "204.2"});
  EXPECT_EQ(got.exit_code, 0) << got.err;
  EXPECT_EQ(got.out, "377\n377\n377\n377\n0\n0\n");

  const outcome misspelt = db.vdb({"get", "7", "lenght"});
  EXPECT_EQ(misspelt.exit_code, 2);
  EXPECT_EQ(misspelt.err, "vdb: lenght: no such characteristic; did you mean length?\n");
  // An alias that two characteristics share names neither.
  const outcome shared = db.vdb({"describe", "max_speed"});
  EXPECT_EQ(shared.exit_code, 2);
  EXPECT_NE(shared.err.find("vdb: max_speed: the alias of c"), std::string::npos) << shared.err;
  EXPECT_EQ(db.vdb({"get", "7", "c204"}).err, "vdb: c204: name it as c204.mode (1 .. 3)\n");
}

TEST(VdbGet, ImagesOneALineOrAsJsonAndOnlyOfVehicles) {
  const database db;
  db.write_three_vehicles();
  ASSERT_EQ(db.vdb({"set", "7", "c204.2=3"}).exit_code, 0);
  EXPECT_EQ(db.vdb({"get", "7", "length", "c204.2", "c101"}).out, "377\n3\nECHO II\n");
  const nlohmann::json j =
      nlohmann::json::parse(db.vdb({"get", "7", "length", "c101", "--format", "json"}).out);
  ASSERT_EQ(j["values"].size(), 2U);
  EXPECT_EQ(j["values"][0], nlohmann::json({{"name", "c200"},
                                            {"group", "physical"},
                                            {"alias", "length"},
                                            {"unit", "ft"},
                                            {"image", "377"},
                                            {"stored", 115.0}}));
  EXPECT_EQ(j["values"][1]["stored"], "ECHO II");
  const outcome empty = db.vdb({"get", "8", "length"});
  EXPECT_EQ(empty.exit_code, 1);
  EXPECT_EQ(empty.err, "vdb: position 8 holds no vehicle\n");
}

TEST(VdbShow, OneGroupAndTheEntryAsAnObject) {
  const database db;
  db.write_three_vehicles();
  const std::vector<std::string> out = lines(db.vdb({"show", "7", "--group", "PHYSICAL"}).out);
  ASSERT_GT(out.size(), 7U);
  EXPECT_EQ(out[6], "physical:");
  EXPECT_EQ(
      std::count_if(out.begin(), out.end(), [](const std::string& l) { return l.back() == ':'; }),
      1);
  const nlohmann::json j =
      nlohmann::json::parse(db.vdb({"show", "7", "--group", "physical", "--format", "json"}).out);
  EXPECT_EQ(j["entry"]["key"]["name"], "ECHO II");
  EXPECT_EQ(j["entry"]["state"], "READ_WRITE");
  EXPECT_EQ(j["entry"]["modified"], "2026-341T09:30:15.250");
  EXPECT_EQ(j["entry"]["modified_zone"], "WRITER_LOCAL");
  EXPECT_EQ(j["characteristics"].size(), out.size() - 7);
  for (const nlohmann::json& c : j["characteristics"]) EXPECT_EQ(c["group"], "physical") << c;
}

// Every JSON document says what it is and which version of its shape it has.
TEST(VdbJson, EveryDocumentCarriesItsFormatAndVersion) {
  const database db;
  db.write_three_vehicles();
  const std::vector<std::pair<std::vector<std::string>, std::string>> documents = {
      {{"describe", "c200"}, "vdb describe"},
      {{"stat"}, "vdb stat"},
      {{"list"}, "vdb list"},
      {{"show", "7"}, "vdb show"},
      {{"show", "7", "--raw"}, "vdb show --raw"},
      {{"get", "7", "c200"}, "vdb get"},
      {{"verify"}, "vdb verify"},
      {{"locks"}, "vdb locks"},
  };
  for (const auto& [args, format] : documents) {
    std::vector<std::string> with_json = args;
    with_json.insert(with_json.end(), {"--format", "json"});
    const outcome o = db.vdb(with_json);
    EXPECT_EQ(o.exit_code, 0) << format << ": " << o.err;
    const nlohmann::json j = nlohmann::json::parse(o.out);
    EXPECT_EQ(j["format"], format);
    EXPECT_EQ(j["version"], 1) << format;
  }
  // A name whose bytes are not UTF-8 is still written.
  db.patch_index([](vdb_bytes::bytes& b) { b[44 + 60 * 6 + 16] = 0xFF; });
  const outcome odd = db.vdb({"list", "--format", "json"});
  EXPECT_EQ(odd.exit_code, 0) << odd.err;
  EXPECT_EQ(nlohmann::json::parse(odd.out)["entries"][0]["name"],
            "\xEF\xBF\xBD"
            "CHO II");
}

// --- locks --------------------------------------------------------------------

TEST(VdbLocks, ClearsOnlyLockFilesOlderThanTheAgeGiven) {
  const database db;
  db.write_three_vehicles();
  const std::string stale = db.base() + "_LOCK_ 7";
  const std::string fresh = db.base() + "_LOCK_ 402";
  write_all(stale, {});
  write_all(fresh, {});
  std::filesystem::last_write_time(
      stale, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
  const std::vector<std::string> listed = lines(db.vdb({"locks"}).out);
  ASSERT_EQ(listed.size(), 2U);
  EXPECT_EQ(listed[0].substr(0, stale.size() + 12), stale + "  position 7");
  const outcome cleared = db.vdb({"locks", "--clear-stale", "60"});
  EXPECT_EQ(cleared.exit_code, 0) << cleared.err;
  EXPECT_FALSE(std::filesystem::exists(stale));
  EXPECT_TRUE(std::filesystem::exists(fresh));
  EXPECT_NE(lines(cleared.out)[0].find("removed"), std::string::npos);
  EXPECT_NE(lines(cleared.out)[1].find("kept"), std::string::npos);
  std::filesystem::remove(fresh);
  EXPECT_EQ(db.vdb({"locks"}).out, "lock files: none\n");
}

// --- the reference in docs/ ------------------------------------------------------

TEST(VdbDescribe, TheReferenceInDocsIsCurrent) {
  const database db;
  const outcome o = db.vdb({"describe", "--format", "markdown"});
  ASSERT_EQ(o.exit_code, 0) << o.err;
  const vdb_bytes::bytes kept = read_all(VDB_REFERENCE);
  EXPECT_TRUE(o.out == std::string(kept.begin(), kept.end()))
      << "docs are out of date: cmake --build build --target docs";
  EXPECT_NE(o.out.find("| c200 | physical | length | 116 | IEEE single |"), std::string::npos);
}

}  // namespace
