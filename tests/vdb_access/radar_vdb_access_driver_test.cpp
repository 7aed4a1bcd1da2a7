// The C test driver as a user runs it, against databases built byte by byte from
// the file formats: its whole output, line for line.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "child_process.hpp"
#include "test_files.hpp"
#include "vdb_bytes.hpp"

namespace {

const std::vector<vdb_bytes::vehicle> fleet = {
    {0, false, "LAUNCH", "PATROL", 20.0F, 5.0F, 4.5F},
    {3, false, "ECHO II", "SSGN", 115.0F, 9.0F, 8.0F},
    {500, true, "STORES SHIP", "AUXILIARY", 180.25F, 30.5F, 25.125F},
    {995, false, "TRIALS SHIP", "TRIALS", 150.0F, 30.0F, 13.0F},
    {999, false, "TARGET", "TEST", 50.0F, 10.0F, 10.0F},
    {999, true, "TARGET MOD", "TEST", 60.0F, 12.0F, 12.0F},
};

std::string f(float v) {
  char text[64];
  std::snprintf(text, sizeof text, "%f", static_cast<double>(v));
  return text;
}

const std::string state_error =
    "radar_vdb_access: SM_MODEL_VEHICLE_DATABASE.STATE_ERROR csl_database.item_of\n";
const std::string out_of_range =
    "radar_db_access: PassiveParameterIndex out of range (0 -  2000) - will return default\n";

std::string host_name() {
  char name[256] = {};
  ::gethostname(name, sizeof name - 1);
  return name;
}

// A working directory <dir>/alpha/dev/run naming its trainer, with a ports file
// below the path prefix <dir>/alpha/dev that has a line for this host.
struct installation {
  explicit installation(const test_files::temp_dir& dir)
      : prefix((dir.path() / "alpha" / "dev").string()),
        run((dir.path() / "alpha" / "dev" / "run").string()),
        ports(prefix + "/target/data/PORTS") {
    std::filesystem::create_directories(run);
    std::filesystem::create_directories(prefix + "/target/data");
    test_files::write_text(run + "/TRAINER_NAME", "alpha\n");
    test_files::write_text(
        ports, "# host first second\nsomewhere-else 6100 6101\n" + host_name() + " 7001 7002\n");
  }

  // The configuration's report and the base name, as start-up prints them.
  std::string start_up_lines(const std::string& base, const std::string& port = " 7001",
                             const std::string& scenario = "STANDARD",
                             const std::string& from_arguments = "") const {
    return "csl_config: TRAINER_NAME found: trainer name = alpha\n" + from_arguments +
           "csl_config: reading " + ports + "\n" +
           "csl_config: program name = radar_vdb_access_test\n"
           "csl_config: build version =  (G)\n"
           "csl_config: trainer name = alpha\n"
           "csl_config: path prefix = " +
           prefix + "\n" + "csl_config: broadcast port = " + port + "\n" +
           "csl_config: scenario config = " + scenario + "\n" + "sm_model_vehicle: Using " + base +
           "\n";
  }

  std::string prefix;
  std::string run;
  std::string ports;
};

// What the driver prints for a database holding `present` (empty entries else).
std::string expected_output(const std::string& start_up, const std::string& at_initialise,
                            const std::map<int, vdb_bytes::vehicle>& present, bool sweep) {
  auto three = [&](const std::string& label, int position) {
    auto it = present.find(position);
    std::string s = it == present.end() ? state_error : "";
    const float l = it == present.end() ? 0.0F : it->second.length;
    const float h = it == present.end() ? 0.0F : it->second.height;
    const float w = it == present.end() ? 0.0F : it->second.width;
    s += "radar_vdb_access_test: " + label + " Length=" + f(l) + "\n";
    s += "radar_vdb_access_test: " + label + " Height=" + f(h) + "\n";
    s += "radar_vdb_access_test: " + label + " Width=" + f(w) + "\n";
    return s;
  };
  std::string s =
      "\nradar_vdb_access_test: C start...\n"
      "\nradar_vdb_access_test: Ada starting...\n" +
      start_up +
      "\nradar_vdb_access_test: Ada started\n"
      "\nradar_vdb_access_test: Expect Fail...\n"
      "radar_db_access: DB not initialised - will return default\n"
      "radar_vdb_access_test: Fail Length=0.000000\n"
      "radar_vdb_access_test: Fail Height=0.000000\n"
      "radar_vdb_access_test: Fail Width=0.000000\n";
  s += at_initialise;
  s += "\nradar_vdb_access_test: Expect Success Pointer Method... values roughly 150, 30, 13\n";
  s += three("Subtest", 1991);
  s += "\nradar_vdb_access_test: Expect Success - Structure Method... values <secret>\n";
  s += three("Echo II", 7);
  for (int i = 0; sweep && i <= 2009; ++i) {
    float l = 0.0F, h = 0.0F, w = 0.0F;
    if (i == 0 || i >= 2000) {
      s += out_of_range;
    } else if (auto it = present.find(i); it != present.end()) {
      l = it->second.length, h = it->second.height, w = it->second.width;
    } else {
      s += state_error;
    }
    s += "radar_vdb_access_test: Vehicle " + std::to_string(i) + ": Length=" + f(l) +
         ", Height=" + f(h) + ", Width=" + f(w) + "\n";
  }
  s += "\nradar_vdb_access_test: Ada ended.\n";
  return s;
}

std::string run_driver(const installation& at, const std::string& base,
                       const std::string& arguments) {
  return child_process::output_of_command("cd '" + at.run + "' && ACM_VDB_FILE='" + base +
                                          "' " RVA_DRIVER " " + arguments);
}

std::map<int, vdb_bytes::vehicle> by_position(const std::vector<vdb_bytes::vehicle>& vehicles) {
  std::map<int, vdb_bytes::vehicle> m;
  for (const auto& v : vehicles) m.emplace(v.position(), v);
  return m;
}

TEST(driver, WithoutArgumentsReadsTheTwoVehiclesAndEnds) {
  test_files::temp_dir dir;
  const std::string base = dir.file("vehicle_db");
  test_files::write_database(base, fleet);
  const installation at(dir);
  EXPECT_EQ(run_driver(at, base, ""),
            expected_output(at.start_up_lines(base), "", by_position(fleet), false));
}

TEST(driver, WithAnArgumentSweepsEveryPositionFrom0To2009) {
  test_files::temp_dir dir;
  const std::string base = dir.file("vehicle_db");
  test_files::write_database(base, fleet);
  const installation at(dir);
  const std::string output = run_driver(at, base, "sweep more");
  EXPECT_EQ(output, expected_output(at.start_up_lines(base), "", by_position(fleet), true));
  // No lock file is left behind by the reads.
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {  // NOLINT
    EXPECT_EQ(entry.path().string().find("_LOCK_"), std::string::npos) << entry.path();
  }
}

TEST(driver, OnAnEmptyDirectoryCreatesTheDatabaseAndFindsOnlyEmptyEntries) {
  test_files::temp_dir dir;
  const std::string base = dir.file("vehicle_db");
  const std::string created = "csl_database: creating new file " + base + "\n" +
                              "csl_database: creating new index file " + base + "_INDEX\n";
  const installation at(dir);
  EXPECT_EQ(run_driver(at, base, ""), expected_output(at.start_up_lines(base), created, {}, false));
  EXPECT_EQ(test_files::read_all(base + "_INDEX"), vdb_bytes::new_index());
  // Every record is the default record, which nothing in the driver built before.
  const vdb_bytes::bytes items = test_files::read_all(base);
  ASSERT_EQ(items.size(), 2000 * vdb_bytes::item_size);
  EXPECT_EQ(vdb_bytes::first_record_other_than(items, vdb_bytes::default_item()), 0);
}

TEST(driver, CommandLineChoosesScenarioExecutableAndVerbosity) {
  test_files::temp_dir dir;
  const std::string base = dir.file("vehicle_db");
  test_files::write_database(base, fleet);
  const installation at(dir);
  const std::string output = run_driver(at, base, "shared second -vi 1.2");
  const std::string expected_start =
      "\nradar_vdb_access_test: C start...\n"
      "\nradar_vdb_access_test: Ada starting...\n" +
      at.start_up_lines(base, " 7002", "DUAL_SHARED", "csl_ids: CSCI =  1 - TLCSC =  2\n") +
      "\nradar_vdb_access_test: Ada started\n";
  EXPECT_EQ(output.substr(0, expected_start.size()), expected_start);
}

}  // namespace
