// The broadband group and its five sub-groups: the default bytes against the
// layout tables, where fields land (gaps, nesting, signed bytes), the descriptors
// as the catalogue shows them, and the images, ranges and conversions of each kind.
#include "sm_model_vehicle_bb.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "csl_image_utilities.hpp"
#include "sm_model_vehicle_catalogue.hpp"
#include "vdb_bytes.hpp"
#include "vdb_bytes_bb.hpp"

namespace {

namespace bb = sm_model_vehicle_bb;
namespace aural = sm_model_vehicle_bb_aural;
namespace flow = sm_model_vehicle_bb_flow;
namespace machinery = sm_model_vehicle_bb_machinery;
namespace propeller = sm_model_vehicle_bb_propeller;
namespace modulation = sm_model_vehicle_bb_propeller_modulation;
namespace catalogue = sm_model_vehicle_catalogue;

using vdb_bytes::bytes;
using vdb_bytes::bytes_of;

class bb_test : public testing::Test {
 protected:
  // Starting the broadband group starts every sub-group and types module.
  static void SetUpTestSuite() { bb::start_up(); }
};

bytes slice(const bytes& b, std::size_t from, std::size_t size) {
  return {b.begin() + static_cast<std::ptrdiff_t>(from),
          b.begin() + static_cast<std::ptrdiff_t>(from + size)};
}

// The offsets at which two records of the same size differ.
std::vector<std::size_t> changed(const bytes& before, const bytes& after) {
  std::vector<std::size_t> offsets;
  for (std::size_t i = 0; i < before.size(); ++i) {
    if (before[i] != after[i]) offsets.push_back(i);
  }
  return offsets;
}

TEST_F(bb_test, GroupDefaultMatchesTheLayoutTables) {
  const bytes expected = vdb_bytes::bb_group_default();
  ASSERT_TRUE(bb::started());
  EXPECT_EQ(bytes_of(bb::group_default()), expected);
  EXPECT_EQ(bytes_of(aural::group_default()), slice(expected, 0, 324));
  EXPECT_EQ(bytes_of(flow::group_default()), slice(expected, 324, 60));
  EXPECT_EQ(bytes_of(machinery::group_default()), slice(expected, 384, 56));
  EXPECT_EQ(bytes_of(propeller::group_default()), slice(expected, 440, 92));
  EXPECT_EQ(bytes_of(modulation::group_default()), slice(expected, 532, 124));
}

TEST_F(bb_test, PerModeAndPerEffectDefaultsAreSlicesOfTheGroupDefault) {
  const bytes b = vdb_bytes::bb_group_default();
  EXPECT_EQ(bytes_of(aural::prop_mode_dependent_defaults()), slice(b, 0, 36));
  EXPECT_EQ(bytes_of(aural::effect_modes_defaults()), slice(b, 0, 108));
  EXPECT_EQ(bytes_of(aural::effect_defaults()), slice(b, 216, 108));
  EXPECT_EQ(bytes_of(aural::effects_defaults()), slice(b, 0, 324));
  EXPECT_EQ(bytes_of(flow::prop_mode_dependent_defaults()), slice(b, 324 + 32, 16));
  EXPECT_EQ(bytes_of(flow::prop_modes_defaults()), slice(b, 324, 48));
  EXPECT_EQ(bytes_of(machinery::prop_mode_dependent_defaults()), slice(b, 384 + 16, 16));
  EXPECT_EQ(bytes_of(machinery::prop_modes_defaults()), slice(b, 384, 48));
  EXPECT_EQ(bytes_of(propeller::prop_mode_dependent_defaults()), slice(b, 440 + 48, 24));
  EXPECT_EQ(bytes_of(propeller::prop_modes_defaults()), slice(b, 440, 72));
  EXPECT_EQ(bytes_of(modulation::prop_mode_dependent_defaults()), slice(b, 532 + 84, 40));
  EXPECT_EQ(bytes_of(modulation::prop_modes_defaults()), slice(b, 532 + 4, 120));
}

TEST_F(bb_test, SignedOneByteFieldsAreStoredAsTwosComplement) {
  const bytes b = bytes_of(bb::group_default());
  for (std::size_t mode = 0; mode < 3; ++mode) {
    EXPECT_EQ(b[324 + 16 * mode + 13], 0xF7) << "c516 " << mode;
    EXPECT_EQ(b[384 + 16 * mode + 3], 0xFB) << "c502 " << mode;
    EXPECT_EQ(b[384 + 16 * mode + 13], 0xF7) << "c506 " << mode;
    EXPECT_EQ(b[440 + 24 * mode + 1], 0xF7) << "c536 " << mode;
    EXPECT_EQ(b[440 + 24 * mode + 2], 0xFB) << "c522 " << mode;
  }
  bb::group g = bb::group_default();
  g.flow.pmode[1].c512 = -99;
  aural::values_of(g.aural, 1, 1).c565 = -99;
  const bytes after = bytes_of(g);
  EXPECT_EQ(after[324 + 16 + 3], 0x9D);
  EXPECT_EQ(after[9], 0x9D);
  // A byte read from a file comes back as the signed value it stands for.
  flow::prop_mode_dependent m;
  std::memcpy(&m, b.data() + 324, sizeof m);
  EXPECT_EQ(m.c516.value(), -9);
  EXPECT_EQ(m.c512.value(), 0);
}

TEST_F(bb_test, AuralValuesOfEffectThreeModeTwoStartAtByte252) {
  const bb::group before = bb::group_default();
  bb::group g = before;
  aural::prop_mode_dependent& v = aural::values_of(g.aural, 3, 2);
  EXPECT_EQ(&v, &g.aural.effect[2].pmode[1]);
  v.c565 = -9;  // offset 9
  v.c573 = 10;  // offset 32
  const bytes after = bytes_of(g);
  EXPECT_EQ(changed(bytes_of(before), after), (std::vector<std::size_t>{261, 284}));
  EXPECT_EQ(after[261], 0xF7);
  EXPECT_EQ(after[284], 10);
  EXPECT_EQ(&aural::values_of(before.aural, 1, 1), &before.aural.effect[0].pmode[0]);
}

TEST_F(bb_test, AuralValuesOfRefusesEffectsAndModesOutsideOneToThree) {
  aural::group g = aural::group_default();
  // Made without a value, or copied from a file, an index may hold 0.
  const sm_model_vehicle_bb_aural_types::aural_effect_index_type no_effect;
  const aural::mode_number no_mode;
  EXPECT_THROW(aural::values_of(g, no_effect, 1), csl::range_error);
  EXPECT_THROW(aural::values_of(g, 1, no_mode), csl::range_error);
  EXPECT_THROW(aural::values_of(g, 4, 1), csl::range_error);
  EXPECT_NO_THROW(aural::values_of(g, 3, 3));
}

TEST_F(bb_test, PropellerLevelFollowsAOneByteGap) {
  const bb::group before = bb::group_default();
  bb::group g = before;
  g.prop.pmode[0].c522 = -1;                                  // 440 + 2
  g.prop.pmode[0].c520 = csl_levels::db::from_count(2 * 64);  // 440 + 4
  g.prop.pmode[2].c535 = 0.1F;                                // 440 + 68
  EXPECT_EQ(changed(bytes_of(before), bytes_of(g)),
            (std::vector<std::size_t>{442, 444, 508, 509, 510, 511}));
  EXPECT_EQ(bytes_of(g)[443], 0) << "gap";
  EXPECT_EQ(bytes_of(g)[442], 0xFF);
}

TEST_F(bb_test, ModulationModesFollowTheShaftAsynchrony) {
  const bb::group before = bb::group_default();
  bb::group g = before;
  g.prop_modu.pmode[0].c523 = csl_velocity::speed(0.0F);       // group offset 4
  g.prop_modu.pmode[2].c552 = csl_levels::db::from_count(-1);  // group offset 122
  g.prop_modu.c546 = 0.0F;                                     // group offset 0
  std::vector<std::size_t> offsets;
  for (const std::size_t at : changed(bytes_of(before), bytes_of(g))) offsets.push_back(at - 532);
  EXPECT_EQ(offsets, (std::vector<std::size_t>{2, 3, 4, 5, 6, 7, 122, 123}));
}

struct bound_images {
  const char* name;
  const char* min_image;
  const char* max_image;
};

TEST_F(bb_test, BoundImagesThroughTheCatalogue) {
  const std::vector<bound_images> table{
      // Aural.
      {"c560", " 0", " 9999"},
      {"c561", " 0", " 9999"},
      {"c562", " 0", " 20"},
      {"c563", "   0.0", "9999.9"},
      {"c564", "-300.0", " 300.0"},
      {"c565", "-99", " 99"},
      {"c566", " 0", " 999"},
      {"c567", " 0", " 9999"},
      {"c570", " 0", " 99"},
      {"c572", " 0", " 40"},
      {"c573", " 0", " 10"},
      {"c574", "-300.0", " 300.0"},
      // Flow.
      {"c510", "-300.0", " 300.0"},
      {"c511", " 0", " 99"},
      {"c512", "-99", " 0"},
      {"c513", "    1", "99999"},
      {"c514", " 0", " 99"},
      {"c515", " 1000", "99999"},
      {"c516", "-99", " 0"},
      {"c517", "   0.0", "9999.9"},
      {"c583", " -99.0", "  99.0"},
      {"c585", "  0.00", " 90.00"},
      // Machinery.
      {"c500", "-300.0", " 300.0"},
      {"c501", " 0", " 99"},
      {"c502", "-99", " 0"},
      {"c503", "   10", "99999"},
      {"c504", " 0", " 99"},
      {"c505", " 1000", "99999"},
      {"c506", "-99", " 0"},
      {"c580", " -99.0", "  99.0"},
      {"c582", "  0.00", " 90.00"},
      // Propeller.
      {"c520", "-300.0", " 300.0"},
      {"c521", " 0", " 999"},
      {"c522", "-99", " 0"},
      {"c525", "-99.9", " 99.9"},
      {"c526", "-99.9", " 99.9"},
      {"c528", "-9.9999", " 9.9999"},
      {"c533", "   10", "99999"},
      {"c534", " 0", " 99"},
      {"c535", " 1000", "99999"},
      {"c536", "-99", " 0"},
      {"c537", "-99999.99", " 99999.99"},
      {"c538", "-99999.99", " 99999.99"},
      {"c587", " -99.0", "  99.0"},
      {"c588", " -99.0", "  99.0"},
      {"c589", "  0.00", " 90.00"},
      // Propeller modulation; 99.99 knots is shown rounded to 100.0.
      {"c523", "   0.0", " 100.0"},
      {"c524", "0.000", "9.999"},
      {"c540", "   0.0", " 100.0"},
      {"c541", "   0.0", " 100.0"},
      {"c542", "-99.9", " 99.9"},
      {"c543", "-99.9", " 99.9"},
      {"c544", "  0.0", "999.0"},
      {"c545", "  0.0", "999.0"},
      {"c546", " 0.0", "99.9"},
      {"c550", "   0.0", "9999.9"},
      {"c551", " -99.0", "  99.0"},
      {"c552", " -99.0", "  99.0"},
  };
  for (const auto& c : table) {
    const catalogue::row* r = catalogue::find(c.name);
    ASSERT_NE(r, nullptr) << c.name;
    ASSERT_TRUE(r->min_image && r->max_image) << c.name;
    EXPECT_EQ(*r->min_image, c.min_image) << c.name;
    EXPECT_EQ(*r->max_image, c.max_image) << c.name;
  }
  // The descriptors hold the same texts the catalogue shows.
  EXPECT_EQ(sm_model_vehicle_bb_propeller_types::c537.min_image(), "-99999.99");
  EXPECT_EQ(sm_model_vehicle_bb_flow_types::c513.max_image(), "99999");
  EXPECT_EQ(sm_model_vehicle_bb_propeller_modulation_types::c523.max_image(), " 100.0");
}

struct module_rows {
  const char* types_module;
  const char* group;
  std::vector<int> numbers;
};

TEST_F(bb_test, EveryCharacteristicHasOneRowInItsTypesModule) {
  const std::vector<module_rows> modules{
      {"sm_model_vehicle_bb_aural_types",
       "bb_aural",
       {560, 561, 562, 563, 564, 565, 566, 567, 568, 570, 572, 573, 574}},
      {"sm_model_vehicle_bb_flow_types",
       "bb_flow",
       {510, 511, 512, 513, 514, 515, 516, 517, 583, 585}},
      {"sm_model_vehicle_bb_machinery_types",
       "bb_machinery",
       {500, 501, 502, 503, 504, 505, 506, 580, 582}},
      {"sm_model_vehicle_bb_propeller_types",
       "bb_propeller",
       {520, 521, 522, 525, 526, 528, 533, 534, 535, 536, 537, 538, 587, 588, 589}},
      {"sm_model_vehicle_bb_propeller_modulation_types",
       "bb_propeller_modulation",
       {523, 524, 540, 541, 542, 543, 544, 545, 546, 550, 551, 552}},
  };
  for (const auto& m : modules) {
    std::vector<int> numbers;
    for (const catalogue::row* r : catalogue::rows()) {
      if (r->types_module != m.types_module) continue;
      ASSERT_TRUE(r->number) << r->name;
      numbers.push_back(*r->number);
      EXPECT_EQ(r->group, m.group) << r->name;
      const bool time = *r->number == 560 || *r->number == 561;
      EXPECT_EQ(r->kind_ == catalogue::kind::time, time) << r->name;
      EXPECT_EQ(r->has_duration, time) << r->name;
      EXPECT_EQ(r->has_interval, time) << r->name;
    }
    EXPECT_EQ(numbers, m.numbers) << m.types_module;
  }
}

TEST_F(bb_test, KindsAliasesAndDefaultsInTheCatalogue) {
  const catalogue::row* label = catalogue::find(568);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->kind_, catalogue::kind::text);
  EXPECT_EQ(label->default_.text, "NONAME      ");
  EXPECT_FALSE(label->min || label->min_image);
  EXPECT_EQ(catalogue::find(563)->alias, "frequency_factor");
  EXPECT_EQ(catalogue::find(505)->alias, "machinery_hf_breakpoint_frequency");
  EXPECT_EQ(catalogue::find(543)->alias, "prop_mode_slope_km2");
  EXPECT_EQ(catalogue::find(546)->alias, "nominal_shaft_asyncron");
  EXPECT_EQ(catalogue::find(585)->kind_, catalogue::kind::quantity);
  EXPECT_EQ(catalogue::find(516)->kind_, catalogue::kind::integer);
  EXPECT_EQ(catalogue::find(537)->kind_, catalogue::kind::plain_real);
  EXPECT_EQ(catalogue::find(580)->default_.text, "-1 dB");
  EXPECT_EQ(catalogue::find(580)->default_.stored, -64.0);
  EXPECT_EQ(catalogue::find(516)->default_.text, "-9");
  EXPECT_EQ(catalogue::find(528)->default_.text, "-0.01");
  EXPECT_EQ(catalogue::find(523)->default_.text, "12 kn");
  EXPECT_EQ(catalogue::find(544)->value_type, "csl_statistical.percentage");
}

TEST_F(bb_test, ChangeoverSpeedDefaultsToItsMinimum) {
  namespace types = sm_model_vehicle_bb_propeller_modulation_types;
  EXPECT_EQ(types::c550.default_(), types::c550.min());
  EXPECT_EQ(types::c550.default_().value(), 0.0F);
  EXPECT_EQ(catalogue::find(550)->default_.text, catalogue::find(550)->min->text);
  EXPECT_EQ(types::c550.max().value(), 9999.9F * vdb_bytes::knots_to_metres_per_second);
}

TEST_F(bb_test, ImagesOfIntegersAndReals) {
  namespace fl = sm_model_vehicle_bb_flow_types;
  namespace pr = sm_model_vehicle_bb_propeller_types;
  namespace au = sm_model_vehicle_bb_aural_types;
  // Hertz are whole numbers without a point; the tenth still rounds.
  EXPECT_EQ(fl::c513.image_of(20000.0F), "20000");
  EXPECT_EQ(fl::c513.image_of(50.0F), "   50");
  EXPECT_EQ(fl::c515.image_of(49.96F), "   50");
  EXPECT_EQ(pr::c533.image_of(49.94F), "   49");
  EXPECT_EQ(fl::c516.image_of(-99), "-99");
  EXPECT_EQ(fl::c512.image_of(0), " 0");
  EXPECT_EQ(au::c565.image_of(-9), "-9");
  EXPECT_EQ(au::c563.image_of(0.5F), "   0.5");
  EXPECT_EQ(pr::c528.image_of(-0.01F), "-0.0100");
  EXPECT_EQ(pr::c525.image_of(-9.5F), " -9.5");
  // A negative slope needing every place before the point has no room for its sign.
  EXPECT_THROW(pr::c525.image_of(-100.0F), csl_image_utilities::image_overflow);
  EXPECT_EQ(sm_model_vehicle_bb_propeller_modulation_types::c544.image_of(
                csl_statistical::percentage(12.5F)),
            " 12.5");
}

TEST_F(bb_test, StoredValuesOutsideTheirTypeHaveNoImage) {
  namespace fl = sm_model_vehicle_bb_flow_types;
  // -100 and 41 as read from a file: the bytes are taken, the image refuses them.
  fl::c516_type from_file;
  const std::uint8_t minus_100 = 0x9C;
  std::memcpy(&from_file, &minus_100, 1);
  EXPECT_THROW(fl::c516.image_of(from_file), csl::range_error);
  sm_model_vehicle_bb_aural_types::c572_type series;
  const std::uint8_t forty_one = 41;
  std::memcpy(&series, &forty_one, 1);
  EXPECT_THROW(sm_model_vehicle_bb_aural_types::c572.image_of(series), csl::range_error);
  EXPECT_THROW(catalogue::find(516)->image_of(-100.0), csl::range_error);
  EXPECT_EQ(catalogue::find(516)->image_of(-100.0 + 1), "-99");
}

TEST_F(bb_test, RangedFieldsRefuseValuesOutsideTheirRangeAndKeepTheOld) {
  bb::group g = bb::group_default();
  EXPECT_THROW(g.flow.pmode[0].c512 = 1, csl::range_error);
  EXPECT_THROW(g.mach.pmode[0].c506 = -100, csl::range_error);
  EXPECT_THROW(g.prop.pmode[0].c521 = 1000, csl::range_error);
  aural::prop_mode_dependent& v = aural::values_of(g.aural, 2, 3);
  EXPECT_THROW(v.c565 = 100, csl::range_error);
  EXPECT_THROW(v.c562 = 21, csl::range_error);
  EXPECT_THROW(v.c572 = 41, csl::range_error);
  EXPECT_THROW(v.c560 = 10000, csl::range_error);
  EXPECT_EQ(g.flow.pmode[0].c512, 0);
  EXPECT_EQ(g.mach.pmode[0].c506, -9);
  EXPECT_EQ(g.prop.pmode[0].c521, 50);
  EXPECT_EQ(bytes_of(g), bytes_of(bb::group_default()));
  v.c565 = 99;
  v.c560 = 9999;
  EXPECT_EQ(v.c565, 99);
  EXPECT_EQ(v.c560, 9999);
}

TEST_F(bb_test, AuralTimesConvertToDurationsAndIntervals) {
  namespace au = sm_model_vehicle_bb_aural_types;
  EXPECT_EQ(au::c560.duration_of(9999), std::chrono::seconds(9999));
  EXPECT_EQ(au::c560.interval_of(9999), (csl_time::interval{0, 2, 46, 39, 0}));
  EXPECT_EQ(au::c561.duration_of(0), std::chrono::seconds(0));
  EXPECT_EQ(au::c561.interval_of(0), (csl_time::interval{0, 0, 0, 0, 0}));
  EXPECT_EQ(au::c561.image_of(9999), " 9999");
}

}  // namespace
