// The wideband group: its default bytes against the file layout, the packed
// byte 0 of each propulsion mode, the pres / hres / lres tonal and its equality,
// the series slots and the counter, and the descriptors as the catalogue shows them.
#include "sm_model_vehicle_wb.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "sm_model_vehicle_catalogue.hpp"
#include "sm_model_vehicle_wb_types.hpp"
#include "vdb_bytes.hpp"
#include "vdb_bytes_wb.hpp"

namespace {

namespace types = sm_model_vehicle_wb_types;
namespace wb = sm_model_vehicle_wb;
namespace catalogue = sm_model_vehicle_catalogue;

using csl_tonals::series_type;
using vdb_bytes::bytes;
using vdb_bytes::bytes_of;

// A copy of the record whose bytes are the given ones, as a file read gives it.
template <class T>
T from_bytes(const bytes& b) {
  T value;
  EXPECT_EQ(b.size(), sizeof value);
  std::memcpy(&value, b.data(), sizeof value);
  return value;
}

class wb_test : public testing::Test {
 protected:
  static void SetUpTestSuite() { wb::start_up(); }
};

// ---- Defaults ----

TEST_F(wb_test, GroupDefaultMatchesTheFileLayout) {
  const bytes expected = vdb_bytes::wb_group_default();
  ASSERT_EQ(expected.size(), 1484U);
  EXPECT_EQ(bytes_of(wb::group_default()), expected);
  EXPECT_EQ(bytes_of(wb::tonal_series_default()), bytes(expected.begin() + 4, expected.end()));
  EXPECT_EQ(bytes_of(wb::tonal_default()), vdb_bytes::wb_tonal_default());
  const bytes tonal = vdb_bytes::wb_tonal_default();
  EXPECT_EQ(bytes_of(wb::all_tonals_default()), bytes(tonal.begin() + 4, tonal.begin() + 136));
  EXPECT_EQ(bytes_of(wb::pres_tonal_specific_default()), bytes(12, 0));
  EXPECT_EQ(bytes_of(wb::hres_lres_tonal_specific_default()), bytes(8, 0));
  EXPECT_EQ(bytes_of(wb::prop_mode_dependent_defaults()), bytes(8, 0));
  EXPECT_EQ(bytes_of(wb::prop_modes_defaults()), bytes(24, 0));
  EXPECT_EQ(bytes_of(wb::line_correction_default()), bytes(8, 0));
  EXPECT_EQ(bytes_of(wb::lines_defaults()), bytes(80, 0));
}

TEST_F(wb_test, CounterComesFirstAndEverySlotIsTheDefaultPresTonal) {
  const bytes b = bytes_of(wb::group_default());
  EXPECT_EQ((bytes{b.begin(), b.begin() + 4}), (bytes{51, 0, 0, 0}));
  EXPECT_EQ(wb::group_default().last_tonal_used, wb::no_tonals);
  for (int n = 41; n <= 50; ++n) {
    const wb::tonal& t = wb::group_default().series[n];
    EXPECT_EQ(t.c801(), series_type::pres) << n;
    EXPECT_EQ(t.common().c800.str(), "NONAME") << n;
    EXPECT_EQ(t.common().c809, 500) << n;
    EXPECT_EQ(b[vdb_bytes::wb_slot_offset(n)], 6) << n;
    EXPECT_EQ(t, wb::tonal_default()) << n;
  }
}

TEST_F(wb_test, GroupMadeWithoutValueHoldsPresTonals) {
  const wb::group g;
  for (const wb::tonal& t : g.series.slots) {
    EXPECT_EQ(t.c801(), series_type::pres);
    EXPECT_NO_THROW(t.pres());
  }
  // Nothing else is set: no slot in use, no "NONAME", no series number 500.
  EXPECT_EQ(g.last_tonal_used, wb::no_tonals);
  bytes expected(1484, 0);
  expected[0] = 51;
  for (int n = 41; n <= 50; ++n) expected[vdb_bytes::wb_slot_offset(n)] = 6;
  EXPECT_EQ(bytes_of(g), expected);
}

// ---- Byte 0 of a propulsion mode ----

TEST_F(wb_test, PackedFieldsShareByteZeroWithoutDisturbingEachOther) {
  wb::prop_mode_dependent m;
  m.set_c802(types::c802_type::on);
  m.set_c850(types::c850_type::random);
  m.set_c853(12);
  EXPECT_EQ(m.c802_c850_c853, 0xCD);  // 12 x 16 + 3 x 4 + 1
  EXPECT_EQ(m.c802(), types::c802_type::on);
  EXPECT_EQ(m.c850(), types::c850_type::random);
  EXPECT_EQ(m.c853(), 12);

  m.set_c850(types::c850_type::sinusoidal);
  EXPECT_EQ(m.c802_c850_c853, 0xC5);
  m.set_c853(0);
  EXPECT_EQ(m.c802_c850_c853, 0x05);
  m.set_c802(types::c802_type::off);
  EXPECT_EQ(m.c802_c850_c853, 0x04);
  EXPECT_EQ(m.c850(), types::c850_type::sinusoidal);
  m.set_c853(7);
  EXPECT_EQ(m.c802_c850_c853, 0x74);
  EXPECT_EQ(m.gap, 0);
}

TEST_F(wb_test, PackedFieldsRefuseValuesOutsideTheirTypes) {
  wb::prop_mode_dependent m;
  m.c802_c850_c853 = 0xCD;
  EXPECT_THROW(m.set_c853(13), csl::range_error);
  EXPECT_THROW(m.set_c802(static_cast<types::c802_type>(2)), csl::range_error);
  EXPECT_THROW(m.set_c850(static_cast<types::c850_type>(4)), csl::range_error);
  EXPECT_EQ(m.c802_c850_c853, 0xCD);
}

TEST_F(wb_test, PackedFieldsReadFromAFileAreTakenAsStored) {
  const auto m = from_bytes<wb::prop_mode_dependent>({0xFE, 0, 0x0F, 0x27, 0, 0, 0, 0});
  EXPECT_EQ(static_cast<unsigned>(m.c802()), 2U);
  EXPECT_EQ(m.c850(), types::c850_type::random);
  EXPECT_EQ(m.c853(), 15);
  EXPECT_EQ(m.c851, 9999);
  EXPECT_THROW(types::c802.image_of(m.c802()), csl::range_error);
  EXPECT_THROW(types::grades[m.c853()], csl::range_error);
}

TEST_F(wb_test, ModeEqualityIgnoresTheGapOnly) {
  wb::prop_mode_dependent a;
  wb::prop_mode_dependent b;
  b.gap = 0x5A;
  EXPECT_EQ(a, b);
  b.set_c853(1);
  EXPECT_NE(a, b);
  b.set_c853(0);
  b.c852 = types::c852_type(-0.0F);  // floats compare as floats
  EXPECT_EQ(a, b);
  b.c851 = 1;
  EXPECT_NE(a, b);
}

// ---- Tonals ----

TEST_F(wb_test, OnlyTheComponentOfTheCurrentKindCanBeReached) {
  wb::tonal pres = wb::tonal_default();
  EXPECT_NO_THROW(pres.pres().c832 = 12.5F);
  EXPECT_THROW(pres.hres_lres(), csl::range_error);
  EXPECT_EQ(pres.pres().c832, 12.5F);

  for (const series_type kind : {series_type::hres, series_type::lres}) {
    wb::tonal t(kind);
    EXPECT_EQ(t.c801(), kind);
    EXPECT_THROW(t.pres(), csl::range_error);
    const wb::tonal& c = t;
    EXPECT_THROW(c.pres(), csl::range_error);
    t.hres_lres().c833 = csl_levels::db::from_count(640);
    EXPECT_EQ(c.hres_lres().c833.count(), 640);
  }
  EXPECT_THROW(wb::tonal{series_type::spd}, csl::range_error);
  EXPECT_THROW(wb::tonal{series_type::null_tonal}, csl::range_error);
  EXPECT_THROW(wb::tonal(series_type::pres, wb::all_tonals_default(),
                         wb::hres_lres_tonal_specific_default()),
               csl::range_error);
}

TEST_F(wb_test, TonalBytesFollowTheLayout) {
  wb::all_tonals common = wb::all_tonals_default();
  common.c809 = 799;
  common.c813 = csl_levels::db::from_count(-64);
  wb::hres_lres_tonal_specific part;
  part.c831 = types::c831_type(2.5F);
  part.c833 = csl_levels::db::from_count(32000);
  const wb::tonal t(series_type::lres, common, part);

  bytes expected = vdb_bytes::wb_tonal_default();
  vdb_bytes::put_u8(expected, 0, 8);
  vdb_bytes::put_u16(expected, 4 + 110, 799);
  vdb_bytes::put_u16(expected, 4 + 130, 0xFFC0);
  vdb_bytes::put_f32(expected, 136, 2.5F);
  vdb_bytes::put_u16(expected, 140, 32000);
  EXPECT_EQ(bytes_of(t), expected);

  wb::pres_tonal_specific p;
  p.c832 = 1.5F;
  p.c881 = -9.99998F;
  p.c880 = csl_levels::db::from_count(-19200);
  const wb::tonal pres(wb::all_tonals_default(), p);
  expected = vdb_bytes::wb_tonal_default();
  vdb_bytes::put_f32(expected, 136, 1.5F);
  vdb_bytes::put_f32(expected, 140, -9.99998F);
  vdb_bytes::put_u16(expected, 144, static_cast<unsigned>(-19200) & 0xFFFF);
  EXPECT_EQ(bytes_of(pres), expected);
}

TEST_F(wb_test, AssigningAWholeTonalChangesItsKindAndCopiesAll148Bytes) {
  wb::group g = wb::group_default();
  bytes source = bytes_of(wb::tonal(series_type::hres));
  for (std::size_t i = 144; i < 148; ++i) source[i] = 0xA0 + static_cast<std::uint8_t>(i - 144);
  g.series[50] = from_bytes<wb::tonal>(source);
  EXPECT_EQ(g.series[50].c801(), series_type::hres);
  EXPECT_THROW(g.series[50].pres(), csl::range_error);
  const bytes b = bytes_of(g);
  const std::size_t at = vdb_bytes::wb_slot_offset(50);
  EXPECT_EQ(at, 1336U);
  EXPECT_EQ(bytes(b.begin() + at, b.begin() + at + 148), source);
  // The neighbour and the counter are untouched.
  EXPECT_EQ(g.series[49], wb::tonal_default());
  EXPECT_EQ(g.last_tonal_used, 51);
}

TEST_F(wb_test, TonalEqualityComparesOnlyMeaningfulBytes) {
  const wb::tonal hres(series_type::hres);
  bytes b = bytes_of(hres);
  for (std::size_t i = 144; i < 148; ++i) b[i] = 0xFF;  // beyond the hres part
  b[1] = b[2] = b[3] = 0x11;                            // after the kind
  b[4 + 1] = 0x22;                                      // gap of mode 1
  b[4 + 24 + 6] = 0x33;                                 // gap of line 1
  b[4 + 129] = 0x44;                                    // gap of the common part
  b[136 + 6] = 0x55;                                    // gap of the hres part
  EXPECT_EQ(from_bytes<wb::tonal>(b), hres);

  // Same bytes, other kind: never equal.
  EXPECT_NE(wb::tonal(series_type::lres), hres);
  EXPECT_NE(wb::tonal(series_type::pres), hres);

  // Each meaningful field counts: a packed field, a character, a level, a real.
  for (const std::size_t at : {std::size_t{4}, std::size_t{4 + 104 + 5}, std::size_t{4 + 126},
                               std::size_t{136 + 3}, std::size_t{4 + 16 + 3}}) {
    bytes changed = bytes_of(hres);
    changed[at] ^= 0x10;
    EXPECT_NE(from_bytes<wb::tonal>(changed), hres) << at;
  }

  // In a pres tonal bytes 144 .. 145 are c880.
  bytes pres = bytes_of(wb::tonal_default());
  pres[144] = 1;
  EXPECT_NE(from_bytes<wb::tonal>(pres), wb::tonal_default());
  pres[144] = 0;
  pres[146] = 1;  // its gap
  EXPECT_EQ(from_bytes<wb::tonal>(pres), wb::tonal_default());
}

TEST_F(wb_test, SeriesAreNumbered41To50AndTheCounterTo51) {
  wb::group g = wb::group_default();
  EXPECT_THROW(g.series[40], csl::range_error);
  EXPECT_THROW(g.series[51], csl::range_error);
  const wb::tonal_series& series = g.series;
  EXPECT_THROW(series[0], csl::range_error);
  EXPECT_EQ(&g.series[41], &g.series.slots[0]);
  EXPECT_EQ(&g.series[50], &g.series.slots[9]);

  g.last_tonal_used = 41;
  EXPECT_THROW(g.last_tonal_used = 40, csl::range_error);
  EXPECT_THROW(g.last_tonal_used = 52, csl::range_error);
  EXPECT_EQ(g.last_tonal_used, 41);
  EXPECT_NE(g, wb::group_default());
  g.last_tonal_used = wb::no_tonals;
  EXPECT_EQ(g, wb::group_default());
}

// ---- Descriptors ----

TEST_F(wb_test, SeriesNumberAcceptsOnlyTheWidebandRange) {
  wb::all_tonals a = wb::all_tonals_default();
  EXPECT_NO_THROW(a.c809 = 500);
  EXPECT_NO_THROW(a.c809 = 799);
  EXPECT_THROW(a.c809 = 499, csl::range_error);
  EXPECT_THROW(a.c809 = 800, csl::range_error);
  EXPECT_EQ(a.c809, 799);
  EXPECT_EQ(types::c809.min(), 500);
  EXPECT_EQ(types::c809.max(), 799);
  EXPECT_EQ(types::c809.image_of(799), " 799");
  EXPECT_THROW(a.c856 = 11, csl::range_error);
  EXPECT_THROW(types::tonal_series_no(800), csl::range_error);
}

TEST_F(wb_test, LevelBoundsAreRoundedToCountsOf64thsOfADecibel) {
  EXPECT_EQ(types::c813.min().count(), -19200);
  EXPECT_EQ(types::c813.max().count(), 19200);
  EXPECT_EQ(types::c858.min().count(), -6336);
  EXPECT_EQ(types::c858.max().count(), 6394);
  EXPECT_EQ(types::c858.max().value(), 99.90625F);
  EXPECT_EQ(types::c864.max().count(), 6336);
  EXPECT_EQ(types::c833.max().count(), 32000);
  EXPECT_EQ(types::c880.min().count(), -19200);
  EXPECT_EQ(types::c865.default_().count(), 0);
}

TEST_F(wb_test, SpeedBoundsAreConvertedFromKnots) {
  EXPECT_EQ(types::c836.max().value(), 99.9F * vdb_bytes::knots_to_metres_per_second);
  EXPECT_NEAR(types::c837.max().value(), 51.42586F, 1e-5F);
  EXPECT_EQ(types::c836.min().value(), 0.0F);
  EXPECT_EQ(catalogue::find(837)->max->text, "99.9 kn");
}

struct bound_images {
  const char* name;
  const char* min_image;
  const char* max_image;
};

TEST_F(wb_test, BoundImagesThroughTheCatalogue) {
  const std::vector<bound_images> table{
      {"c809", " 500", " 799"},     {"c813", "-300.0", " 300.0"}, {"c830", "    0.00", "99999.99"},
      {"c831", " 0.0", "99.9"},     {"c832", " 0.0", "99.9"},     {"c833", "   0.0", " 500.0"},
      {"c836", "   0.0", "  99.9"}, {"c837", "   0.0", "  99.9"}, {"c851", " 0", " 9999"},
      {"c852", " 0.000", "99.999"}, {"c853", " 0", " 12"},        {"c856", " 0", " 10"},
      {"c857", "-999", " 999"},     {"c858", " -99.0", "  99.9"}, {"c864", " -99.0", "  99.0"},
      {"c865", " -99.0", "  99.0"}, {"c880", "-300.0", " 300.0"}, {"c881", "-9.99998", " 9.99998"},
  };
  for (const auto& c : table) {
    const catalogue::row* r = catalogue::find(c.name);
    ASSERT_NE(r, nullptr) << c.name;
    ASSERT_TRUE(r->min_image && r->max_image) << c.name;
    EXPECT_EQ(*r->min_image, c.min_image) << c.name;
    EXPECT_EQ(*r->max_image, c.max_image) << c.name;
  }
  EXPECT_EQ(types::c858.max_image(), "  99.9");
  EXPECT_EQ(types::c881.min_image(), "-9.99998");
}

TEST_F(wb_test, EnumerationImagesAndChoiceLists) {
  EXPECT_EQ(types::c801.choice_list_image(), "PRES,HRES,LRES");
  EXPECT_EQ(types::c802.choice_list_image(), "OFF,ON");
  EXPECT_EQ(types::c850.choice_list_image(), "STABLE,SINUSOIDAL,SAWTOOTH,RANDOM");
  EXPECT_EQ(types::c801.choice_list().options(series_type::hres, series_type::lres), "HRES,LRES");
  EXPECT_EQ(types::c801.choice_list().options(series_type::lres, series_type::pres), "");
  EXPECT_EQ(
      types::c850.choice_list().options(types::c850_type::sawtooth, types::c850_type::sawtooth),
      "SAWTOOTH");
  EXPECT_EQ(types::c801.image_of(series_type::lres), "LRES");
  EXPECT_THROW(types::c801.image_of(series_type::spd), csl::range_error);
  EXPECT_THROW(types::c801.image_of(series_type::modu), csl::range_error);
  EXPECT_THROW(types::c850.image_of(static_cast<types::c850_type>(4)), csl::range_error);
  EXPECT_EQ(types::c801.default_(), series_type::pres);
  const catalogue::row* r = catalogue::find(801);
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->choices.front().stored, 6);
  EXPECT_EQ(r->choices.back().stored, 8);
  EXPECT_FALSE(r->min_image);
}

TEST_F(wb_test, GradesTimesAndRealImages) {
  EXPECT_EQ(types::grades[0].value(), 0.0F);
  EXPECT_EQ(types::grades[1].value(), 0.05F);
  EXPECT_EQ(types::grades[8].value(), 6.4F);
  EXPECT_EQ(types::grades[9].value(), 8.0F);
  EXPECT_EQ(types::grades[12].value(), 15.0F);
  EXPECT_THROW(types::grades[13], csl::range_error);

  EXPECT_EQ(types::c851.duration_of(9999), std::chrono::seconds(9999));
  EXPECT_EQ(types::c851.interval_of(9999), (csl_time::interval{0, 2, 46, 39, 0}));
  EXPECT_EQ(types::c851.interval_of(0), (csl_time::interval{0, 0, 0, 0, 0}));
  EXPECT_THROW(types::c851.image_of(10000), csl::range_error);

  EXPECT_EQ(types::c830.image_of(types::c830_type(440.125F)), "  440.13");
  EXPECT_EQ(types::c857.image_of(-12.4F), " -12");
  EXPECT_EQ(types::c852.image_of(types::c852_type(6.4F)), " 6.400");
  EXPECT_THROW(types::c857.image_of(-1000.0F), csl_image_utilities::image_overflow);
}

TEST_F(wb_test, EveryCharacteristicHasOneRowOfItsKind) {
  std::vector<int> numbers;
  for (const catalogue::row* r : catalogue::rows()) {
    if (r->types_module != "sm_model_vehicle_wb_types" || !r->number) continue;
    numbers.push_back(*r->number);
    EXPECT_EQ(r->group, "wb");
    EXPECT_EQ(r->has_duration, *r->number == 851) << r->name;
    EXPECT_EQ(r->has_interval, *r->number == 851) << r->name;
  }
  EXPECT_EQ(numbers, (std::vector<int>{800, 801, 802, 809, 813, 830, 831, 832, 833, 836, 837,
                                       850, 851, 852, 853, 856, 857, 858, 864, 865, 880, 881}));
  EXPECT_EQ(catalogue::find(800)->kind_, catalogue::kind::text);
  EXPECT_EQ(catalogue::find(800)->default_.text, "NONAME");
  EXPECT_EQ(catalogue::find(850)->kind_, catalogue::kind::enumeration);
  EXPECT_EQ(catalogue::find(851)->kind_, catalogue::kind::time);
  EXPECT_EQ(catalogue::find(830)->alias, "fundamental_freq");
  EXPECT_EQ(catalogue::find(881)->alias, "level_inc_to_max_speed");
}

}  // namespace
