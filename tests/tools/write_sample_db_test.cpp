// write_sample_db, the sample writer that needs nothing but the library: the same
// files as "vdb sample", byte for byte, and the same refusal to overwrite.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "test_files.hpp"
#include "vdb_bytes.hpp"
#include "vdb_program.hpp"

namespace {

using test_files::read_all;
using test_files::temp_dir;
using vdb_program::outcome;

std::size_t files_in(const temp_dir& dir) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir.path()),
                                                std::filesystem::directory_iterator()));
}

TEST(WriteSampleDb, WritesTheBytesOfVdbSample) {
  const temp_dir by_writer;
  const temp_dir by_tool;
  const std::string base = by_writer.file("vehicle_db");
  const outcome written = vdb_program::run(SAMPLE_WRITER, {base}, by_writer.path().string());
  ASSERT_EQ(written.exit_code, 0) << written.err;
  EXPECT_EQ(written.err, "");
  EXPECT_NE(written.out.find("write_sample_db: 9 vehicles written to " + base + "\n"),
            std::string::npos)
      << written.out;
  const outcome sampled = vdb_program::run(
      VDB_PROGRAM, {"--db", by_tool.file("vehicle_db"), "sample"}, by_tool.path().string());
  ASSERT_EQ(sampled.exit_code, 0) << sampled.err;

  const vdb_bytes::bytes items = read_all(base);
  const vdb_bytes::bytes index = read_all(base + "_INDEX");
  EXPECT_EQ(items.size(), vdb_bytes::item_size * vdb_bytes::positions);
  EXPECT_EQ(index.size(), vdb_bytes::index_size);
  EXPECT_TRUE(items == read_all(by_tool.file("vehicle_db")));
  EXPECT_TRUE(index == read_all(by_tool.file("vehicle_db_INDEX")));
  // No lock file is left behind.
  EXPECT_EQ(files_in(by_writer), 2U);
}

TEST(WriteSampleDb, RefusesAnExistingFileAndWritesNothing) {
  const temp_dir dir;
  const std::string base = dir.file("vehicle_db");
  test_files::write_text(base + "_INDEX", "kept");
  const outcome o = vdb_program::run(SAMPLE_WRITER, {base}, dir.path().string());
  EXPECT_EQ(o.exit_code, 1);
  EXPECT_EQ(o.err, "write_sample_db: index file " + base + "_INDEX already exists\n");
  EXPECT_EQ(o.out, "");
  EXPECT_FALSE(std::filesystem::exists(base));
  const vdb_bytes::bytes kept = read_all(base + "_INDEX");
  EXPECT_EQ(std::string(kept.begin(), kept.end()), "kept");
}

TEST(WriteSampleDb, WantsExactlyOneBaseName) {
  const temp_dir dir;
  const std::string usage = "usage: write_sample_db BASE\n";
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, {"a", "b"}, {""}, {"--db"}}) {
    const outcome o = vdb_program::run(SAMPLE_WRITER, args, dir.path().string());
    EXPECT_EQ(o.exit_code, 2) << testing::PrintToString(args);
    EXPECT_EQ(o.err.rfind(usage, 0), 0U) << o.err;
  }
  const outcome help = vdb_program::run(SAMPLE_WRITER, {"--help"}, dir.path().string());
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_EQ(help.out.rfind(usage, 0), 0U) << help.out;
  EXPECT_EQ(files_in(dir), 0U);
}

}  // namespace
