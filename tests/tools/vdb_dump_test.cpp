// vdb dump and load as engineers use them: both files given back byte for byte,
// whatever bytes another program left in them, and a load that writes nothing
// unless the whole dump is good. Files are built byte by byte from the format
// tables, not with the library's records.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "capture.hpp"
#include "test_files.hpp"
#include "vdb_bytes.hpp"
#include "vdb_program.hpp"

namespace {

using test_files::read_all;
using test_files::write_all;
using vdb_bytes::bytes;
using vdb_program::outcome;

class database {
 public:
  std::string base() const { return dir_.file("vehicle_db"); }
  std::string index() const { return base() + "_INDEX"; }
  std::string file(const std::string& name) const { return dir_.file(name); }

  outcome vdb(const std::vector<std::string>& args) const {
    std::vector<std::string> all = {"--db", base()};
    all.insert(all.end(), args.begin(), args.end());
    return vdb_program::run(VDB_PROGRAM, all, dir_.path().string());
  }
  bytes items() const { return read_all(base()); }
  bytes entries() const { return read_all(index()); }

 private:
  test_files::temp_dir dir_;
};

float float_at(const bytes& b, std::size_t at) {
  float f = 0;
  std::memcpy(&f, b.data() + at, sizeof f);
  return f;
}

std::size_t item_at(int position) {
  return vdb_bytes::item_size * static_cast<std::size_t>(position - 1);
}

// Three vehicles, then every byte a foreign program could leave: passwords with
// bytes that are no text, header and entry fill, a negative counter, a name
// holding 0xFF and 0x00 in the key and in the record, a signalling NaN length,
// and at an empty position an entry and a record of arbitrary bytes, gaps and
// unused bits included.
void write_foreign(const database& db) {
  test_files::write_database(db.base(),
                             {{3, false, "ECHO II", "SSGN", 115.0F, 9.0F, 8.0F},
                              {200, true, "FLEET OILER", "AUXILIARY", 240.0F, 35.0F, 40.0F},
                              {999, false, "TARGET", "TEST", 50.0F, 10.0F, 10.0F}});
  bytes index = db.entries();
  bytes items = db.items();
  const char password[] = "PASS\x01\xff WORD";
  std::copy(password, password + 10, index.begin());
  index[30] = 0xAB;
  index[31] = 0xCD;
  vdb_bytes::put_i32(index, 32, 7);
  vdb_bytes::put_i32(index, 40, -5);
  const std::size_t e7 = vdb_bytes::entry_offset(7);
  index[e7 + 33] = 1;
  index[e7 + 34] = 2;
  index[e7 + 35] = 3;
  const std::size_t e402 = vdb_bytes::entry_offset(402);
  index[e402 + 16 + 3] = 0xFF;  // the key's name
  index[e402 + 16 + 5] = 0x00;
  items[item_at(402) + 4 + 3] = 0xFF;  // the record's c101
  items[item_at(402) + 4 + 5] = 0x00;
  vdb_bytes::put_i32(items, item_at(1999) + 116, 0x7FA00001);
  const std::size_t e1500 = vdb_bytes::entry_offset(1500);
  for (std::size_t i = 0; i < 60; ++i) index[e1500 + i] = static_cast<std::uint8_t>(i * 37 + 11);
  index[e1500 + 32] = 0;  // empty
  for (std::size_t i = 0; i < vdb_bytes::item_size; ++i) {
    items[item_at(1500) + i] = static_cast<std::uint8_t>((i * 131 + 7) ^ (i >> 8));
  }
  write_all(db.index(), index);
  write_all(db.base(), items);
}

TEST(VdbDump, LoadOfADumpOfAForeignDatabaseGivesBackBothFilesByteForByte) {
  const database db;
  write_foreign(db);
  const outcome dumped = db.vdb({"dump", "-o", db.file("dump.jsonl")});
  ASSERT_EQ(dumped.exit_code, 0) << dumped.err;
  const bytes dump = read_all(db.file("dump.jsonl"));
  const std::string text(dump.begin(), dump.end());
  EXPECT_EQ(capture::lines_of(text).size(), 5U);  // the header and four positions
  EXPECT_NE(text.find("\"c200\":{\"hex\":\"0100a07f\"}"), std::string::npos);

  const database fresh;
  const outcome loaded = fresh.vdb({"load", db.file("dump.jsonl"), "--force"});
  ASSERT_EQ(loaded.exit_code, 0) << loaded.err;
  EXPECT_TRUE(fresh.items() == db.items());
  EXPECT_TRUE(fresh.entries() == db.entries());

  // Onto a different database: it becomes exactly the dump.
  const database other;
  ASSERT_EQ(other.vdb({"sample"}).exit_code, 0);
  const outcome replaced = other.vdb({"load", db.file("dump.jsonl"), "--replace", "--force"});
  ASSERT_EQ(replaced.exit_code, 0) << replaced.err;
  EXPECT_TRUE(other.items() == db.items());
  EXPECT_TRUE(other.entries() == db.entries());
}

// The sample's dump, its line of position 7 changed; loaded onto a copy of the
// sample with its own position 7 changed, so that a write would show.
struct refusal {
  std::string why;
  std::function<void(nlohmann::json&)> change;
  std::string said;
};

TEST(VdbLoad, ARefusedLoadLeavesBothFilesAsTheyWere) {
  const database db;
  ASSERT_EQ(db.vdb({"sample"}).exit_code, 0);
  const outcome dumped = db.vdb({"dump"});
  ASSERT_EQ(dumped.exit_code, 0) << dumped.err;
  std::vector<std::string> lines = capture::lines_of(dumped.out);
  ASSERT_GE(lines.size(), 4U);
  ASSERT_EQ(nlohmann::json::parse(lines[3])["position"], 7);
  const std::vector<refusal> refusals = {
      {"outside the type", [](nlohmann::json& j) { j["characteristics"]["c200"] = -1e30; },
       "c200: -1e+30 is outside its type"},
      {"beyond the editing bounds", [](nlohmann::json& j) { j["characteristics"]["c200"] = 40000; },
       "c200: 40000 is outside the editing bounds"},
      {"a missing value", [](nlohmann::json& j) { j["characteristics"].erase("c204.2"); },
       "lacks the value of c204.2"},
      {"a missing key part", [](nlohmann::json& j) { j["key"].erase("issue"); },
       "the key lacks its issue"},
  };
  const database target;
  ASSERT_EQ(target.vdb({"sample"}).exit_code, 0);
  ASSERT_EQ(target.vdb({"set", "7", "c200=100"}).exit_code, 0);
  const bytes items = target.items();
  const bytes entries = target.entries();
  const auto refused = [&](const std::string& dump, const std::vector<std::string>& extra,
                           const std::string& said, const std::string& why) {
    write_all(target.file("dump.jsonl"), bytes(dump.begin(), dump.end()));
    std::vector<std::string> args = {"load", target.file("dump.jsonl")};
    args.insert(args.end(), extra.begin(), extra.end());
    const outcome o = target.vdb(args);
    EXPECT_EQ(o.exit_code, 1) << why;
    EXPECT_NE(o.err.find(said), std::string::npos) << why << ": " << o.err;
    EXPECT_NE(o.err.find("nothing loaded"), std::string::npos) << why;
    EXPECT_TRUE(target.items() == items) << why;
    EXPECT_TRUE(target.entries() == entries) << why;
  };
  const auto joined = [&](const std::vector<std::string>& all) {
    std::string text;
    for (const std::string& l : all) text += l + "\n";
    return text;
  };
  for (const refusal& r : refusals) {
    std::vector<std::string> changed = lines;
    nlohmann::json j = nlohmann::json::parse(changed[3]);
    r.change(j);
    changed[3] = j.dump();
    refused(joined(changed), {}, "line 4: position 7: " + r.said, r.why);
  }
  std::vector<std::string> malformed = lines;
  malformed[2] = "{\"position\": 2,";
  refused(joined(malformed), {}, "line 3: not JSON", "a malformed line");
  // The entry in use at 7 would change.
  refused(dumped.out, {"--no-overwrite"}, "position 7 is in use and would change",
          "--no-overwrite");
  const outcome directory = target.vdb({"load", target.file("")});
  EXPECT_EQ(directory.exit_code, 1);
  EXPECT_NE(directory.err.find("is a directory, not a dump"), std::string::npos) << directory.err;

  // The same bounds with --force, and the unchanged dump over itself, load.
  std::vector<std::string> forced = lines;
  nlohmann::json j = nlohmann::json::parse(forced[3]);
  j["characteristics"]["c200"] = 40000;
  forced[3] = j.dump();
  const std::string text = joined(forced);
  write_all(target.file("forced.jsonl"), bytes(text.begin(), text.end()));
  EXPECT_EQ(target.vdb({"load", target.file("forced.jsonl"), "--force"}).exit_code, 0);
  EXPECT_FLOAT_EQ(float_at(target.items(), item_at(7) + 116), 40000.0F);
  EXPECT_EQ(db.vdb({"load", target.file("dump.jsonl"), "--no-overwrite"}).exit_code, 0);
}

}  // namespace
