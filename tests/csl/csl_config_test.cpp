// Configuration at start-up: trainer name, prefixes, command line, ports file and
// the report, from files in the working directory and a working directory, command
// line and host name given through the platform hooks.
#include "csl_config.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "capture.hpp"
#include "csl_host.hpp"
#include "csl_platform_process.hpp"
#include "test_files.hpp"

namespace {

using lines = std::vector<std::string>;

class config_test : public testing::Test {
 protected:
  config_test() : previous(std::filesystem::current_path()) {
    std::filesystem::current_path(dir.path());
  }
  ~config_test() override {
    std::filesystem::current_path(previous);
    csl_platform_process::set_hooks({});
  }

  // Runs the start-up with the given working directory (nothing: the query fails)
  // and arguments after the command name.
  lines start_up(std::optional<std::string> cwd, std::vector<std::string> args = {}) {
    args.insert(args.begin(), "/opt/trainer/bin/radar_tool");
    csl_platform_process::set_hooks({[cwd] { return cwd; }, [args] { return args; },
                                     [] { return std::optional<std::string>("testhost"); }});
    csl_host::start_up();
    return capture::lines_printed_by([] { csl_config::start_up(); });
  }

  // The six report lines.
  static lines report(const std::string& trainer, const std::string& prefix,
                      const std::string& port, const std::string& scenario) {
    return {"csl_config: program name = radar_tool",
            "csl_config: build version =  (G)",
            "csl_config: trainer name = " + trainer,
            prefix.empty() ? "csl_config: no path prefix" : "csl_config: path prefix = " + prefix,
            "csl_config: broadcast port = " + port,
            "csl_config: scenario config = " + scenario};
  }

  static lines joined(lines a, const lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  }

  test_files::temp_dir dir;
  std::filesystem::path previous;
};

TEST_F(config_test, NoFilesTakeTrainerAndPrefixFromTheWorkingDirectory) {
  EXPECT_EQ(start_up("/alpha/dev/run"), joined({"csl_config: no PORTS file: using defaults"},
                                               report("alpha", "/alpha/dev", " 6020", "STANDARD")));
  EXPECT_EQ(csl_config::name_of_trainer(), "alpha");
  EXPECT_EQ(csl_config::path_prefix(), "/alpha/dev");
  EXPECT_EQ(csl_config::data_prefix(), "/alpha/dev");
  EXPECT_EQ(csl_config::scenario_configured_as(),
            csl_config::scenario_configuration_type::standard);
  EXPECT_EQ(csl_config::execution_mode(), csl_config::executable_type::first);
  EXPECT_EQ(csl_config::bc_port(), 6020);
}

TEST_F(config_test, LastDevDirectoryEndsThePrefix) {
  start_up("/alpha/dev/x/dev/y");
  EXPECT_EQ(csl_config::path_prefix(), "/alpha/dev/x/dev");
  start_up("/alpha/dev");  // no "dev/": the prefix falls back to the trainer
  EXPECT_EQ(csl_config::path_prefix(), "/alpha");
}

TEST_F(config_test, RootDirectoryGivesTheGenericTrainer) {
  EXPECT_EQ(start_up("/"), joined({"csl_config: can't find trainer name: using generic",
                                   "csl_config: no PORTS file: using defaults"},
                                  report("generic", "/generic", " 6020", "STANDARD")));
  EXPECT_EQ(csl_config::data_prefix(), "/generic");
}

TEST_F(config_test, FailingWorkingDirectoryQueryFallsBackStepByStep) {
  EXPECT_EQ(start_up(std::nullopt),
            joined({"csl_config.get_trainer: getcwd failed",
                    "csl_config: can't find trainer name: using generic",
                    "csl_config.get_prefix: getcwd failed", "csl_config.data_prefix: getcwd failed",
                    "csl_config: no PORTS file: using defaults"},
                   report("generic", "/generic", " 6020", "STANDARD")));
}

TEST_F(config_test, WorkingDirectoryIsAskedForOnceAndServesEveryFallback) {
  int asked = 0;
  csl_platform_process::set_hooks({[&asked] {
                                     ++asked;
                                     return std::optional<std::string>("/alpha/dev/run");
                                   },
                                   [] { return std::vector<std::string>{"radar_tool"}; },
                                   [] { return std::optional<std::string>("testhost"); }});
  csl_host::start_up();
  capture::lines_printed_by([] { csl_config::start_up(); });
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(csl_config::name_of_trainer(), "alpha");
  EXPECT_EQ(csl_config::path_prefix(), "/alpha/dev");
  EXPECT_EQ(csl_config::data_prefix(), "/alpha/dev");
  // A further start-up asks again: the directory may have changed in between.
  capture::lines_printed_by([] { csl_config::start_up(); });
  EXPECT_EQ(asked, 2);
}

TEST_F(config_test, FirstDirectoryTooLongForATrainerNameFallsBackToGeneric) {
  const lines printed = start_up("/abcdefghijk/dev/run");
  EXPECT_EQ(printed.front(), "csl_config: can't find trainer name: using generic");
  EXPECT_EQ(csl_config::name_of_trainer(), "generic");
  EXPECT_EQ(csl_config::path_prefix(), "/abcdefghijk/dev");
}

TEST_F(config_test, FilesInTheWorkingDirectoryComeFirst) {
  test_files::write_text("TRAINER_NAME", "beta\nignored\n");
  test_files::write_text("PATH_PREFIX", dir.file("root") + "\n");
  test_files::write_text("DATA_PREFIX", "/data/beta\n");
  EXPECT_EQ(start_up("/alpha/dev/run"),
            joined({"csl_config: TRAINER_NAME found: trainer name = beta",
                    "csl_config: reading PATH_PREFIX", "csl_config: reading DATA_PREFIX",
                    "csl_config: no PORTS file: using defaults"},
                   report("beta", dir.file("root"), " 6020", "STANDARD")));
  EXPECT_EQ(csl_config::data_prefix(), "/data/beta");
}

TEST_F(config_test, TrainerNameFileWithALongLineIsNotUsed) {
  test_files::write_text("TRAINER_NAME", "elevenchars\n");
  start_up("/alpha/dev/run");
  EXPECT_EQ(csl_config::name_of_trainer(), "alpha");
}

TEST_F(config_test, PortsFileLinesOfThisHostSetThePort) {
  test_files::write_text("PATH_PREFIX", dir.path().string() + "\n");
  std::filesystem::create_directories(dir.file("target/data"));
  const std::string ports = dir.file("target/data/PORTS");
  test_files::write_text(ports,
                         "# testhost 9999\n"
                         "\n"
                         "otherhost 1111\n"
                         "testhost 7000\n"
                         "testhost abc\n"
                         "testhost\n"
                         "TESTHOST 8000\n"
                         "testhost\t7005   extra tokens\n");
  const lines printed = start_up("/alpha/dev/run");
  EXPECT_EQ(printed, joined({"csl_config: reading PATH_PREFIX", "csl_config: reading " + ports,
                             "csl_config: exception raised processing the following line:",
                             "      \"testhost abc\"", "Csl_Config: too few arguments"},
                            report("alpha", dir.path().string(), " 7005", "STANDARD")));
}

TEST_F(config_test, SecondExecutableTakesTheThirdColumn) {
  test_files::write_text("PATH_PREFIX", dir.path().string() + "\n");
  std::filesystem::create_directories(dir.file("target/data"));
  test_files::write_text(dir.file("target/data/PORTS"), "testhost 7000\ntesthost 7001 7002\n");
  const lines printed = start_up("/alpha/dev/run", {"shared", "second", "-vi", "1.2"});
  EXPECT_EQ(printed[1], "csl_ids: CSCI =  1 - TLCSC =  2");
  EXPECT_EQ(printed[3], "Csl_Config: too few arguments");
  EXPECT_EQ(printed.back(), "csl_config: scenario config = DUAL_SHARED");
  EXPECT_EQ(csl_config::execution_mode(), csl_config::executable_type::second);
  EXPECT_EQ(csl_config::bc_port(), 7002);
  EXPECT_TRUE(csl_config::verbose(csl_ids::csci(1) + csl_ids::tlcsc(2)));
  EXPECT_FALSE(csl_config::verbose(csl_ids::csci(1) + csl_ids::tlcsc(4)));
}

TEST_F(config_test, SecondExecutableWithoutAPortsLineUsesItsDefault) {
  start_up("/alpha/dev/run", {"split", "second"});
  EXPECT_EQ(csl_config::scenario_configured_as(),
            csl_config::scenario_configuration_type::dual_split);
  EXPECT_EQ(csl_config::bc_port(), 6021);
}

TEST_F(config_test, SecondArgumentMattersOnlyForDualConfigurations) {
  start_up("/alpha/dev/run", {"integrated", "second"});
  EXPECT_EQ(csl_config::scenario_configured_as(),
            csl_config::scenario_configuration_type::integrated);
  EXPECT_EQ(csl_config::execution_mode(), csl_config::executable_type::first);
  start_up("/alpha/dev/run", {"Shared", "second"});  // compared exactly
  EXPECT_EQ(csl_config::scenario_configured_as(),
            csl_config::scenario_configuration_type::standard);
}

TEST_F(config_test, VerbosityOptions) {
  const lines printed = start_up("/alpha/dev/run", {"-vi", "1.2", "-vi", "3.4", "-vi"});
  EXPECT_EQ(lines(printed.begin() + 2, printed.begin() + 7),
            (lines{"csl_config: No ID specified", "Usage: radar_tool [-va|-vi ID]",
                   "     : -va = verbose (all) ",
                   "     : -vi ID = verbose for id ID (form N.N e.g 1.2) - for multiple ids keep "
                   "adding -vi ID",
                   "CSL Note : Other options may be required by other parts of the program"}));
  // The two arrays are independent: 1.4 and 3.2 count as switched on too.
  EXPECT_TRUE(csl_config::verbose(csl_ids::csci(1) + csl_ids::tlcsc(4)));
  EXPECT_TRUE(csl_config::verbose(csl_ids::csci(3) + csl_ids::tlcsc(2)));
  EXPECT_FALSE(csl_config::verbose(csl_ids::csci(2) + csl_ids::tlcsc(2)));

  start_up("/alpha/dev/run", {"-va"});
  EXPECT_TRUE(csl_config::verbose(csl_ids::csci(15) + csl_ids::tlcsc(9)));
  start_up("/alpha/dev/run");
  EXPECT_FALSE(csl_config::verbose(csl_ids::csci(15) + csl_ids::tlcsc(9)));
}

TEST_F(config_test, TrainerNameCanBeChangedWithinTenCharacters) {
  start_up("/alpha/dev/run");
  EXPECT_TRUE(csl_config::is_trainer("ALPHA"));
  EXPECT_FALSE(csl_config::is_trainer("alph"));
  EXPECT_EQ(capture::lines_printed_by([] { csl_config::set_trainer_name("gamma12345x"); }),
            lines{"CSL_Config : Unable to change trainer name using alpha     "});
  EXPECT_EQ(csl_config::name_of_trainer(), "alpha");
  csl_config::set_trainer_name("gamma");
  EXPECT_EQ(csl_config::name_of_trainer(), "gamma");
}

TEST_F(config_test, ProgramNamesDropDirectoryAndEndings) {
  const std::vector<std::pair<std::string, std::pair<std::string, std::string>>> cases = {
      {"/opt/bin/tool_gui.exe", {"tool_gui.exe", "tool"}},
      {"C:\\bin\\tool.exe", {"tool.exe", "tool"}},
      {"tool", {"tool", "tool"}},
      {".exe", {".exe", ".exe"}},
      {"_gui", {"_gui", "_gui"}},
  };
  for (const auto& [command, expected] : cases) {
    csl_platform_process::set_hooks(
        {nullptr, [c = command] { return std::vector<std::string>{c}; }, nullptr});
    EXPECT_EQ(csl_config::name_of_program(), expected.first) << command;
    EXPECT_EQ(csl_config::unified_name(), expected.second) << command;
  }
}

TEST_F(config_test, BuildVersionFailureIsReportedWithItsPlace) {
  // An installed target without a LABEL file: the versions stay empty.
  start_up("/rva-no-such-trainer/run");
  EXPECT_EQ(capture::lines_printed_by([] { csl_config::get_version(); }),
            lines{"csl_config: get version failed at place 2"});
  EXPECT_EQ(csl_config::build_version(), "");
  EXPECT_EQ(csl_config::gen_build_version(), "");
}

TEST(config_parse, LinesSplitAtBlanksAndTabs) {
  csl_config::parsed_line p;
  EXPECT_TRUE(csl_config::parse_config("  host\t 6020\t6021 extra", 2, p));
  EXPECT_EQ(p.host_name, "host");
  EXPECT_EQ(p.port_number[0], "6020");
  EXPECT_EQ(p.port_number[1], "6021");
  csl_config::parsed_line q;
  EXPECT_FALSE(csl_config::parse_config("host 6020", 2, q));
  EXPECT_EQ(q.host_name, "host");
  EXPECT_FALSE(csl_config::parse_config("   ", 1, q));
}

TEST(config_constants, ServersAndImages) {
  EXPECT_EQ(csl_config::scenario_master(), "Platform_Server");
  EXPECT_EQ(csl_config::exercise_server(), "Exercise_Server");
  EXPECT_EQ(csl_config::image_of(csl_config::scenario_configuration_type::dual_split),
            "DUAL_SPLIT");
  EXPECT_EQ(csl_config::image_of(csl_config::executable_type::second), "SECOND");
}

}  // namespace
