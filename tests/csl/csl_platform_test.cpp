// The platform layer: positioned records, exclusive creation and failure texts.
#include "csl_platform.hpp"
#include "csl_platform_process.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "faults.hpp"
#include "test_files.hpp"

namespace {

using csl_platform::status;

TEST(platform_status, NamesAndMessagesComeFromTheCLibrary) {
  EXPECT_TRUE(status{}.ok());
  EXPECT_EQ(status{ENOENT}.name(), "ENOENT");
  EXPECT_EQ(status{ENOENT}.message(), "No such file or directory");
  EXPECT_TRUE(status{ENOENT}.missing());
  EXPECT_FALSE(status{EACCES}.missing());
  EXPECT_EQ(status{EACCES}.name(), "EACCES");
  EXPECT_EQ(status{csl_platform::short_read_error}.name(), "SHORT_READ");
  EXPECT_EQ(status{csl_platform::short_read_error}.message(), "end of file");
}

TEST(platform_records, RecordsLieAtTheirPositionAndShortReadsFail) {
  test_files::temp_dir dir;
  const std::string name = dir.file("records");
  csl_platform::file f;
  ASSERT_TRUE(csl_platform::create(name, f).ok());
  const std::array<std::uint8_t, 4> second{1, 2, 3, 4};
  ASSERT_TRUE(csl_platform::write_record(f, 2, second.data(), second.size()).ok());
  ASSERT_TRUE(csl_platform::close(f).ok());
  EXPECT_EQ(test_files::read_all(name), (vdb_bytes::bytes{0, 0, 0, 0, 1, 2, 3, 4}));

  ASSERT_TRUE(csl_platform::open(name, csl_platform::open_mode::read_only, f).ok());
  std::array<std::uint8_t, 4> got{};
  EXPECT_TRUE(csl_platform::read_record(f, 2, got.data(), got.size()).ok());
  EXPECT_EQ(got, second);
  EXPECT_EQ(csl_platform::read_record(f, 3, got.data(), got.size()).error,
            csl_platform::short_read_error);
  std::array<std::uint8_t, 3> partial{};
  EXPECT_EQ(csl_platform::read_record(f, 3, partial.data(), partial.size()).error,
            csl_platform::short_read_error);
  EXPECT_TRUE(csl_platform::close(f).ok());
  EXPECT_EQ(csl_platform::close(f).error, EBADF);
}

TEST(platform_files, OpenNeverCreatesAndExclusiveCreateRefusesAnExistingFile) {
  test_files::temp_dir dir;
  const std::string name = dir.file("lock");
  csl_platform::file f;
  EXPECT_TRUE(csl_platform::open(name, csl_platform::open_mode::read_write, f).missing());
  EXPECT_TRUE(csl_platform::create_exclusive(name).ok());
  EXPECT_EQ(csl_platform::create_exclusive(name).error, EEXIST);
  EXPECT_TRUE(csl_platform::remove(name).ok());
  EXPECT_EQ(csl_platform::remove(name).error, ENOENT);
}

// Lock files made together are names of one file: each is exclusive, each goes
// alone, and once every one has gone the next is an ordinary new file.
TEST(platform_files, LockFilesMadeTogetherAreExclusiveAndGoOneByOne) {
  const test_files::temp_dir dir;
  const std::string a = dir.file("db_LOCK_ 1"), b = dir.file("db_LOCK_ 2");
  csl_platform::lock_file_maker maker;
  EXPECT_TRUE(maker.create_exclusive(a).ok());
  EXPECT_EQ(maker.create_exclusive(a).error, EEXIST);
  EXPECT_TRUE(maker.create_exclusive(b).ok());
  EXPECT_EQ(csl_platform::create_exclusive(b).error, EEXIST);
  EXPECT_TRUE(csl_platform::remove(a).ok());
  EXPECT_TRUE(std::filesystem::exists(b));
  EXPECT_TRUE(csl_platform::remove(b).ok());
  EXPECT_TRUE(maker.create_exclusive(a).ok());
  EXPECT_TRUE(std::filesystem::is_regular_file(a));
  EXPECT_EQ(std::filesystem::file_size(a), 0U);
  std::vector<std::string> left;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
    left.push_back(e.path().filename().string());
  }
  EXPECT_EQ(left, std::vector<std::string>{"db_LOCK_ 1"});
}

TEST(platform_faults, InjectedFailuresReplaceTheStepAndClosingStillReleases) {
  test_files::temp_dir dir;
  const std::string name = dir.file("data");
  test_files::write_all(name, {9, 9});
  faults::plan plan;
  plan.fail(csl_platform::step::close, name, EIO);
  csl_platform::file f;
  ASSERT_TRUE(csl_platform::open(name, csl_platform::open_mode::read_only, f).ok());
  EXPECT_EQ(csl_platform::close(f).error, EIO);
  EXPECT_FALSE(f.is_open());
  plan.fail(csl_platform::step::open, name, EACCES);
  EXPECT_EQ(csl_platform::open(name, csl_platform::open_mode::read_only, f).error, EACCES);
}

TEST(platform_files, SmallFilesAreReadWhole) {
  test_files::temp_dir dir;
  const std::string name = dir.file("text");
  const std::string text(10000, 'x');
  test_files::write_text(name, text + "\nend");
  std::string content;
  ASSERT_TRUE(csl_platform::read_whole(name, content).ok());
  EXPECT_EQ(content, text + "\nend");
  faults::plan plan;
  plan.fail(csl_platform::step::read, name, EIO);
  EXPECT_EQ(csl_platform::read_whole(name, content).error, EIO);
  EXPECT_TRUE(csl_platform::read_whole(dir.file("none"), content).missing());
}

// The arguments kept at load time are the words of /proc/self/cmdline: the test
// program runs with --gtest options, so there is more than the command name.
TEST(platform_process, TheCommandLineIsTheProgramsArguments) {
  std::string all;
  ASSERT_TRUE(csl_platform::read_whole("/proc/self/cmdline", all).ok());
  std::vector<std::string> words;
  std::string::size_type start = 0;
  for (std::string::size_type end; (end = all.find('\0', start)) != std::string::npos;) {
    words.push_back(all.substr(start, end - start));
    start = end + 1;
  }
  ASSERT_FALSE(words.empty());
  EXPECT_EQ(csl_platform_process::command_line(), words);
}

}  // namespace
