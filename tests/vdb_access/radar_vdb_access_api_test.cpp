// The C operations in-process: argument checks, the error reporter, zeros on every
// failure and the pointer form. Each case runs in a fresh child process, since the
// library's state lives for the whole process.
#include "radar_vdb_access.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "capture.hpp"
#include "child_process.hpp"
#include "csl_platform.hpp"
#include "csl_platform_process.hpp"
#include "test_files.hpp"
#include "vdb_bytes.hpp"

namespace {

const vdb_bytes::vehicle first{0, false, "LAUNCH", "PATROL", 20.0F, 5.0F, 4.5F};
const vdb_bytes::vehicle last{999, false, "TARGET", "TEST", 50.0F, 10.0F, 10.0F};
const vdb_bytes::vehicle trials{995, false, "TRIALS SHIP", "TRIALS", 150.0F, 30.0F, 13.0F};

void print(const Radar_Vdb_Access_Data_T& d) {
  std::printf("= %g %g %g\n", static_cast<double>(d.C200_Length),
              static_cast<double>(d.C203_Height), static_cast<double>(d.C215_Width));
}

class api_test : public testing::Test {
 protected:
  // Starts the library on this test's database in a child and runs `body` there.
  template <class F>
  std::vector<std::string> lines_of_child(F&& body) {
    auto r = child_process::run([&] {
      setenv("ACM_VDB_FILE", base.c_str(), 1);
      adainit();
      body();
      adafinal();
    });
    EXPECT_TRUE(WIFEXITED(r.status) && WEXITSTATUS(r.status) == 0) << r.output;
    std::vector<std::string> lines = capture::lines_of(r.output);
    // Start-up ends with the database's base name; what comes before it is the
    // configuration's report, tested on its own.
    const auto using_line =
        std::find(lines.begin(), lines.end(), "sm_model_vehicle: Using " + base);
    EXPECT_NE(using_line, lines.end()) << r.output;
    if (using_line != lines.end()) lines.erase(lines.begin(), using_line + 1);
    return lines;
  }

  test_files::temp_dir dir;
  const std::string base = dir.file("vehicle_db");
};

TEST_F(api_test, IndexesOutside1To1999AreRefusedWithZeros) {
  test_files::write_database(base, {first, last});
  const std::string refused =
      "radar_db_access: PassiveParameterIndex out of range (0 -  2000) - will return default";
  auto lines = lines_of_child([] {
    Radar_Vdb_Access_Initialise();
    for (int i : {0, -1, -2147483647 - 1, 2000, 2001, 2147483647})
      print(Radar_Vdb_Access_Get_Data_T(i));
  });
  std::vector<std::string> expected;
  for (int i = 0; i < 6; ++i) {
    expected.push_back(refused);
    expected.push_back("= 0 0 0");
  }
  EXPECT_EQ(lines, expected);
}

TEST_F(api_test, FirstAndLastIndexesReadTheirOwnPositions) {
  test_files::write_database(base, {first, last});
  auto lines = lines_of_child([] {
    Radar_Vdb_Access_Initialise();
    print(Radar_Vdb_Access_Get_Data_T(1));
    print(Radar_Vdb_Access_Get_Data_T(1999));
    print(Radar_Vdb_Access_Get_Data_T(2));  // library number 0, temporary: empty
  });
  EXPECT_EQ(lines,
            (std::vector<std::string>{
                "= 20 5 4.5",
                "= 50 10 10",
                "radar_vdb_access: SM_MODEL_VEHICLE_DATABASE.STATE_ERROR csl_database.item_of",
                "= 0 0 0",
            }));
}

TEST_F(api_test, PointerFormReturnsAFreshRecordEqualToTheValueForm) {
  test_files::write_database(base, {trials});
  auto lines = lines_of_child([] {
    Radar_Vdb_Access_Initialise();
    Radar_Vdb_Access_Data_P a = Radar_Vdb_Access_Get_Data_P(1991);
    Radar_Vdb_Access_Data_P b = Radar_Vdb_Access_Get_Data_P(1991);
    Radar_Vdb_Access_Data_T t = Radar_Vdb_Access_Get_Data_T(1991);
    std::printf("%s\n", a != b ? "distinct" : "same");
    print(*a);
    std::printf("%s\n", a->C200_Length == t.C200_Length && a->C203_Height == t.C203_Height &&
                                a->C215_Width == t.C215_Width
                            ? "equal"
                            : "differ");
    std::free(a);
    std::free(b);
    Radar_Vdb_Access_Data_P z = Radar_Vdb_Access_Get_Data_P(0);
    print(*z);
    std::free(z);
  });
  EXPECT_EQ(
      lines,
      (std::vector<std::string>{
          "distinct", "= 150 30 13", "equal",
          "radar_db_access: PassiveParameterIndex out of range (0 -  2000) - will return default",
          "= 0 0 0"}));
}

TEST_F(api_test, SecondInitialiseIsReportedAndReadingGoesOn) {
  test_files::write_database(base, {trials});
  auto lines = lines_of_child([] {
    Radar_Vdb_Access_Initialise();
    Radar_Vdb_Access_Initialise();
    print(Radar_Vdb_Access_Get_Data_T(1991));
  });
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "radar_vdb_access: SM_MODEL_VEHICLE_DATABASE.INITIALISATION_ERROR "
                       "csl_database.initialise",
                       "= 150 30 13"}));
}

TEST_F(api_test, UnopenableFilesGiveInitialisationErrorsUntilInitialiseSucceeds) {
  test_files::write_database(base, {trials});
  const std::string index = base + "_INDEX";
  auto lines = lines_of_child([&] {
    csl_platform::set_fault_hook([&](csl_platform::step s, std::string_view name) {
      return s == csl_platform::step::open && name == index ? EROFS : 0;
    });
    Radar_Vdb_Access_Initialise();
    print(Radar_Vdb_Access_Get_Data_T(1991));
    csl_platform::set_fault_hook(nullptr);
    Radar_Vdb_Access_Initialise();
    print(Radar_Vdb_Access_Get_Data_T(1991));
  });
  EXPECT_EQ(
      lines,
      (std::vector<std::string>{
          "csl_database: initialise_index_file Read-only file system EROFS raised opening " + index,
          "radar_vdb_access: SM_MODEL_VEHICLE_DATABASE.INITIALISATION_ERROR csl_database.item_of",
          "= 0 0 0", "= 150 30 13"}));
}

TEST_F(api_test, FailedItemReadGivesZerosNotPartlyReadBytes) {
  // The item file ends in the middle of record 1991, after its dimensions.
  test_files::write_database(base, {trials});
  std::filesystem::resize_file(base, 1990 * vdb_bytes::item_size + 200);
  auto lines = lines_of_child([] {
    Radar_Vdb_Access_Initialise();
    print(Radar_Vdb_Access_Get_Data_T(1991));
  });
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "csl_database: read_item end of file SHORT_READ raised reading " + base +
                           " position  1991",
                       "= 0 0 0"}));
}

TEST_F(api_test, StaleLockFileIsReadThroughAndLeftInPlace) {
  test_files::write_database(base, {trials});
  const std::string lock = base + "_LOCK_ 1991";
  test_files::write_all(lock, {});
  auto lines = lines_of_child([] {
    Radar_Vdb_Access_Initialise();
    print(Radar_Vdb_Access_Get_Data_T(1991));
  });
  EXPECT_EQ(lines, std::vector<std::string>{"= 150 30 13"});
  EXPECT_TRUE(std::filesystem::exists(lock));
}

TEST_F(api_test, SecondAdainitIsHarmless) {
  test_files::write_database(base, {trials});
  auto lines = lines_of_child([] {
    adainit();
    Radar_Vdb_Access_Initialise();
    print(Radar_Vdb_Access_Get_Data_T(1991));
  });
  EXPECT_EQ(lines, std::vector<std::string>{"= 150 30 13"});
}

TEST_F(api_test, VerboseAnswersForTheIdentitiesOfTheCommandLine) {
  auto r = child_process::run([&] {
    csl_platform_process::set_hooks({nullptr,
                                     [] {
                                       return std::vector<std::string>{"radar", "-vi", "1.2"};
                                     },
                                     nullptr});
    setenv("ACM_VDB_FILE", base.c_str(), 1);
    adainit();
    std::printf("%d %d %d\n", Verbose(301989888U) ? 1 : 0, Verbose(301989888U + 12345U) ? 1 : 0,
                Verbose(0) ? 1 : 0);
    adafinal();
  });
  const std::vector<std::string> lines = capture::lines_of(r.output);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "csl_ids: CSCI =  1 - TLCSC =  2");
  EXPECT_EQ(lines.back(), "1 1 0");
}

}  // namespace
