// Host identity and shell commands.
#include "csl_host.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "capture.hpp"
#include "csl_platform_process.hpp"
#include "csl_system_utils.hpp"

namespace {

class host_test : public testing::Test {
 protected:
  void answer(std::optional<std::string> name) {
    csl_platform_process::set_hooks({nullptr, nullptr, [this, name] {
                                       ++asked;
                                       return name;
                                     }});
    csl_host::start_up();
  }
  ~host_test() override { csl_platform_process::set_hooks({}); }

  int asked = 0;
};

TEST_F(host_test, PlatformIsAskedOnceAndTheAnswerCached) {
  answer("Radar-Host");
  EXPECT_TRUE(csl_host::is_host(""));  // nothing cached yet
  EXPECT_EQ(csl_host::get_id(), "Radar-Host");
  EXPECT_EQ(csl_host::get_id(), "Radar-Host");
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(csl_host::name_of(csl_host::get_id()), "Radar-Host");
  EXPECT_TRUE(csl_host::is_host("Radar-Host"));
  EXPECT_FALSE(csl_host::is_host("radar-host"));
  EXPECT_FALSE(csl_host::is_host("Radar-Hos"));
}

TEST_F(host_test, NameLongerThan128CharactersIsRefusedAndNotCached) {
  answer(std::string(129, 'h'));
  EXPECT_THROW(csl_host::get_id(), csl_host::mad_host_name);
  EXPECT_THROW(csl_host::get_id(), csl_host::mad_host_name);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(csl_host::mad_host_name("x").full_name(), "CSL_HOST.MAD_HOST_NAME");
  answer(std::string(128, 'h'));
  EXPECT_EQ(csl_host::get_id().size(), 128U);
}

TEST(shell_command, StatusAndLines) {
  int status = -1;
  auto printed =
      capture::lines_printed_by([&] { status = csl_system_utils::shell_command("exit 1", true); });
  EXPECT_NE(status, 0);
  EXPECT_EQ(printed,
            (std::vector<std::string>{"CSL_System_Utils - Shell Command: exit 1",
                                      "CSL_System_Utils - Shell Command: can't run: exit 1"}));
  printed =
      capture::lines_printed_by([&] { status = csl_system_utils::shell_command("exit 3", false); });
  EXPECT_NE(status, 0);
  EXPECT_TRUE(printed.empty());
  printed =
      capture::lines_printed_by([&] { status = csl_system_utils::shell_command("true", true); });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(printed, std::vector<std::string>{"CSL_System_Utils - Shell Command: true"});
}

}  // namespace
