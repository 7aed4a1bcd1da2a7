#include "sm_model_vehicle_fields.hpp"

#include <gtest/gtest.h>

#include <array>
#include <bitset>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "radar_vdb_access.h"
#include "sm_model_vehicle.hpp"
#include "sm_model_vehicle_catalogue.hpp"

namespace {

namespace fields = sm_model_vehicle_fields;
namespace catalogue = sm_model_vehicle_catalogue;

constexpr std::size_t record_size = 12864;

class FieldsTest : public ::testing::Test {
 protected:
  // Starts every module of the library, in the order the C interface does.
  static void SetUpTestSuite() { adainit(); }

  static std::vector<std::uint8_t> default_bytes() {
    std::vector<std::uint8_t> bytes(record_size);
    std::memcpy(bytes.data(), &sm_model_vehicle::default_(), record_size);
    return bytes;
  }

  // Every instance of every field.
  template <class F>
  static void for_each_instance(F&& visit) {
    for (const fields::group_fields& g : fields::groups()) {
      for (const fields::field& f : g.fields) {
        const fields::located at{&g, &f};
        for (int o = f.outer.first; o <= f.outer.last(); ++o) {
          for (int i = 1; i <= f.inner.count; ++i) visit(at, fields::instance{o, i});
        }
      }
    }
  }
};

TEST_F(FieldsTest, GroupsTileTheRecordInOrder) {
  const std::array<std::pair<const char*, int>, 11> expected{{{"general", 0},
                                                              {"physical", 92},
                                                              {"propulsion_mode", 176},
                                                              {"speed", 264},
                                                              {"turning_diving", 416},
                                                              {"bb", 472},
                                                              {"associated_fit", 1128},
                                                              {"nb", 1916},
                                                              {"wb", 6928},
                                                              {"project_specific", 8412},
                                                              {"enhanced_aural", 8424}}};
  ASSERT_EQ(fields::groups().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const fields::group_fields& g = fields::groups()[i];
    EXPECT_EQ(g.group, expected[i].first);
    EXPECT_EQ(g.offset, expected[i].second);
    const int end = i + 1 < expected.size() ? expected[i + 1].second : int{record_size};
    EXPECT_EQ(g.offset + g.size, end) << g.group;
  }
}

// Each bit of the record is held by at most one field for any one tonal kind:
// fields with selectors share bytes only when no kind holds both.
TEST_F(FieldsTest, FieldsLieInsideTheirGroupAndNeverOverlap) {
  constexpr int kinds = 16;
  std::vector<std::bitset<kinds>> taken(record_size * 8);
  std::vector<std::string> clashes;
  for_each_instance([&](const fields::located& at, fields::instance in) {
    const fields::field& f = *at.what;
    const std::size_t offset = fields::offset_of(at, in);
    ASSERT_GE(offset, at.group->offset) << fields::instance_name(at, in);
    ASSERT_LE(offset + f.size, std::size_t{at.group->offset} + at.group->size)
        << fields::instance_name(at, in);
    const std::bitset<kinds> mine =
        f.only_when.offset < 0 ? std::bitset<kinds>().set() : std::bitset<kinds>(f.only_when.mask);
    const std::size_t first = offset * 8 + (f.how == fields::encoding::bits ? f.first_bit : 0);
    const std::size_t count = f.how == fields::encoding::bits ? f.bit_count : f.size * 8U;
    for (std::size_t b = first; b < first + count; ++b) {
      if ((taken[b] & mine).any()) {
        clashes.push_back(fields::instance_name(at, in) + " at byte " + std::to_string(b / 8));
        return;
      }
      taken[b] |= mine;
    }
  });
  EXPECT_TRUE(clashes.empty()) << clashes.size() << " clashes, first " << clashes.front();
}

TEST_F(FieldsTest, EveryNumberedCharacteristicHasExactlyOneField) {
  std::set<std::string> names;
  for (const fields::group_fields& g : fields::groups()) {
    for (const fields::field& f : g.fields) {
      EXPECT_TRUE(names.insert(std::string(f.name)).second) << "twice: " << f.name;
    }
  }
  std::vector<std::string> missing;
  for (const catalogue::row* r : catalogue::rows()) {
    if (r->number && !fields::find(r->name)) missing.push_back(r->name);
  }
  EXPECT_TRUE(missing.empty()) << missing.size() << " without a field, first " << missing.front();
  ASSERT_TRUE(fields::find("200"));
  EXPECT_EQ(fields::find("200")->what, fields::find("c200")->what);
  EXPECT_FALSE(fields::find("c9999"));
}

// The default record read field by field gives the catalogue's defaults: the
// tables' offsets, sizes and encodings agree with the descriptors' stored numbers.
TEST_F(FieldsTest, DefaultRecordReadsAsTheCatalogueDefaults) {
  const std::vector<std::uint8_t> record = default_bytes();
  std::vector<std::string> wrong;
  for_each_instance([&](const fields::located& at, fields::instance in) {
    const catalogue::row* row = catalogue::find(at.what->name);
    if (row == nullptr || !row->default_.stored || !fields::holds(at, in, record)) return;
    const std::optional<double> stored = fields::number_of(fields::read(at, in, record));
    ASSERT_TRUE(stored) << fields::instance_name(at, in);
    const double want = *row->default_.stored;
    // Reals are stored in single precision.
    if (static_cast<float>(*stored) != static_cast<float>(want)) {
      wrong.push_back(fields::instance_name(at, in) + " reads " + std::to_string(*stored) +
                      ", default " + std::to_string(want));
    }
  });
  EXPECT_TRUE(wrong.empty()) << wrong.size() << " differ, first " << wrong.front();
}

TEST_F(FieldsTest, LengthHeightAndWidthAreWhereTheRadarReadsThem) {
  std::vector<std::uint8_t> record(record_size);
  const std::array<std::pair<const char*, std::size_t>, 3> at{
      {{"c200", 116}, {"c203", 128}, {"c215", 140}}};
  for (const auto& [name, offset] : at) {
    const auto f = fields::find(name);
    ASSERT_TRUE(f) << name;
    EXPECT_EQ(fields::offset_of(*f, {}), offset);
    fields::write(*f, {}, 45.72, record);
    float metres = 0;
    std::memcpy(&metres, record.data() + offset, 4);
    EXPECT_EQ(metres, 45.72F);
  }
}

TEST_F(FieldsTest, WritesThatDoNotFitAreRefusedAndChangeNothing) {
  std::vector<std::uint8_t> record = default_bytes();
  const std::vector<std::uint8_t> before = record;
  const auto level = fields::find("c277");    // a level per propulsion mode: 2 bytes
  const auto length = fields::find("c200");   // a real
  const auto integer = fields::find("c005");  // a small whole number
  ASSERT_TRUE(level && length && integer);
  EXPECT_THROW(fields::write(*level, {1}, std::int64_t{40000}, record), fields::field_error);
  EXPECT_THROW(fields::write(*level, {0}, std::int64_t{1}, record), fields::field_error);
  EXPECT_THROW(fields::write(*level, {4}, std::int64_t{1}, record), fields::field_error);
  EXPECT_THROW(fields::write(*integer, {}, 1.5, record), fields::field_error);
  EXPECT_THROW(fields::write(*integer, {}, std::string("1"), record), fields::field_error);
  EXPECT_THROW(fields::write(*length, {}, std::string("1"), record), fields::field_error);
  EXPECT_EQ(record, before);

  fields::write(*level, {3}, std::int64_t{-32768}, record);
  EXPECT_EQ(std::get<std::int64_t>(fields::read(*level, {3}, record)), -32768);
  EXPECT_EQ(fields::instance_name(*level, {3}), "c277.3");
}

TEST_F(FieldsTest, TextsArePaddedWithBlanksAndNeverOverrun) {
  std::vector<std::uint8_t> record(record_size);
  const auto name = fields::find("c102");
  ASSERT_TRUE(name);
  ASSERT_EQ(name->what->how, fields::encoding::text);
  const std::size_t size = name->what->size;
  fields::write(*name, {}, std::string("FRIGATE"), record);
  const std::string want = std::string("FRIGATE") + std::string(size - 7, ' ');
  EXPECT_EQ(std::get<std::string>(fields::read(*name, {}, record)), want);
  EXPECT_THROW(fields::write(*name, {}, std::string(size + 1, 'X'), record), fields::field_error);
  EXPECT_EQ(record[fields::offset_of(*name, {}) + size], 0);
}

}  // namespace
