// The characteristic descriptor family, kind by kind, and the catalogue rows the
// descriptors add when their module starts. The descriptors below are declared the
// way a types module declares them, with values from the group tables.
#include "sm_model_vehicle_characteristics.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <deque>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "csl_decibel.hpp"
#include "csl_statistical.hpp"
#include "csl_tonals.hpp"
#include "sm_model_vehicle_catalogue.hpp"
#include "sm_model_vehicle_kind.hpp"

namespace {

namespace ch = sm_model_vehicle_characteristics;
namespace catalogue = sm_model_vehicle_catalogue;
using csl_length::distance;
using csl_length::position_vector;
using csl_velocity::speed;

std::string raised_by(const std::function<void()>& call) {
  try {
    call();
  } catch (const csl::named_error& e) {
    return e.full_name();
  }
  return "";
}

constexpr const char* not_started_name = "SM_MODEL_VEHICLE_CHARACTERISTICS.NOT_STARTED";

// ---- A types module of every kind ----

using c300_type = csl::ranged<std::uint8_t, 1, 3>;
using c320_type = csl::ranged<std::uint16_t, 0, 9999>;
using c437_type = csl::ranged<std::uint16_t, 0, 999>;
using c565_type = csl::ranged<std::int8_t, -99, 99>;
enum class c440_type : std::uint8_t { fixed, cpp };
enum class c671_type : std::uint8_t { either_side, astern, ob_side };

ch::integer<c300_type> c300{300, 1, 3, 1};
ch::integer_sharing_image<c300_type> c303{303, 1, 3, 1, "c300"};
ch::time<c320_type> c320{320, 2, 9999, 0};  // the default lies below the lower bound
ch::time<c437_type> c437{437, 0, 999, 3};
ch::integer<c565_type> c565{565, -99, 99, 0};
ch::plain_real<float, 3, 1> c210{{210, "towed_depth_factor"}, 0.0F, 100.0F, 10.0F};
ch::plain_real<float, 6, 4> c402{{402, "turning_constant_2"}, 0.0F, 1000000.0F, 0.4F};
ch::plain_real<float, 1, 5> c403{{403, "angle_of_bank_or_heel"}, 0.0F, 9.99998F, 0.0009F};
ch::plain_real<float, 5, 0> c513{{513, "flow_noise_lf_breakpoint_freq"}, 1.0F, 99999.0F, 50.0F};
ch::plain_real<csl_statistical::percentage, 2, 3> c752{
    {752, "instability_deviation"}, 0.0F, 99.999F, 0.0F};
ch::real_time<float, 4, 1> c1060{{1060, "mean_on_time"}, 0.0F, 9999.9F, 0.0F};
ch::enumeration c440{440, {"fixed", "cpp"}, c440_type::fixed, c440_type::cpp, c440_type::fixed};
ch::enumeration c671{671,
                     {"either_side", "astern", "ob_side"},
                     c671_type::either_side,
                     c671_type::ob_side,
                     c671_type::either_side};
ch::enumeration c701{701,
                     csl_tonals::series_type::spd,
                     {"spd", "bld", "aux", "fir", "modu"},
                     csl_tonals::series_type::spd,
                     csl_tonals::series_type::modu,
                     csl_tonals::series_type::spd};
ch::quantity<distance> c200{{200, "length"}, ch::yards(0), ch::yards(33333), ch::yards(50)};
ch::quantity<position_vector> c201{
    {201, "keel_depth"}, ch::yards(-333.3F), ch::yards(0), ch::yards(0)};
ch::quantity<csl_angle::angle, ch::image::degrees_360> c220{{220, "island_shore_gradient"},
                                                            ch::float_degrees(0),
                                                            ch::float_degrees(90),
                                                            ch::float_degrees(45)};
ch::quantity<csl_levels::db> c257{257, ch::decibels(-300), ch::decibels(300), ch::decibels(20)};
ch::quantity<csl_angle::angle, ch::image::degrees_180> c409{
    {409, "default_dive_angle"}, ch::degrees(0), ch::degrees(90), ch::degrees(30)};
ch::quantity<csl_angle::angle, ch::image::degrees_180> c410{
    {410, "max_dive_angle"}, ch::min_of(c409), ch::max_of(c409), ch::default_of(c409)};
ch::quantity<speed, ch::image::feet_per_second> c413{{413, "zero_dive_angle_depth_rate"},
                                                     ch::metres_per_second(-30.18F),
                                                     ch::metres_per_second(30.18F),
                                                     ch::metres_per_second(0)};
ch::quantity<csl_angle_rate::rate> c420{{420, "max_rpm"}, ch::rpm(0), ch::rpm(99999), ch::rpm(250)};
ch::quantity<speed> c429{{429, "default_speed"}, ch::knots(0), ch::knots(9999.99F), ch::knots(0)};
ch::quantity<speed> c430{{430, "max_speed"}, ch::min_of(c429), ch::max_of(c429), ch::max_of(c429)};
ch::quantity<speed> c550{
    {550, "speed_changeover"}, ch::knots(0), ch::knots(9999.9F), ch::min_of(c550)};
ch::quantity<distance, ch::image::yards> c650{
    {650, "homing_range"}, ch::yards(0), ch::yards(9999), ch::yards(0)};
ch::quantity<csl_levels::db> c1100{1100, ch::decibels(0), ch::decibels(99.999F), ch::decibels(0)};
ch::quantity<position_vector> c1050{
    {1050, "minimum_depth"}, ch::feet(0), ch::feet(-99999.9F), ch::feet(0)};
ch::text<12> c101{101, "NONAME"};
ch::identity<sm_model_vehicle_kind::model_kind> c620{620, "sm_model_vehicle_kind.model_kind",
                                                     &sm_model_vehicle_kind::unallocated,
                                                     "sm_model_vehicle_kind.unallocated"};

constexpr ch::module test_module{"test", "sm_model_vehicle_characteristics_test"};

class characteristics_test : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ch::start(test_module, c300, c303, c320, c437, c565, c210, c402, c403, c513, c752, c1060, c440,
              c671, c701, c200, c201, c220, c257, c409, c410, c413, c420, c429, c430, c550, c650,
              c1100, c1050, c101, c620);
  }
};

struct bound_images {
  const char* what;
  std::function<std::string()> min_image;
  std::function<std::string()> max_image;
  const char* min;
  const char* max;
};

void expect_bound_images(const std::vector<bound_images>& cases) {
  for (const auto& c : cases) {
    EXPECT_EQ(c.min_image(), c.min) << c.what;
    EXPECT_EQ(c.max_image(), c.max) << c.what;
  }
}

// ---- Integers and times ----

TEST_F(characteristics_test, IntegerImagesHaveALeadingBlankOrAMinus) {
  EXPECT_EQ(c565.image_of(0), " 0");
  EXPECT_EQ(c565.image_of(-99), "-99");
  EXPECT_EQ(c565.image_of(99), " 99");
  EXPECT_EQ(c300.image_of(3), " 3");
  EXPECT_EQ(c320.image_of(9999), " 9999");
  expect_bound_images({
      {"c300", [] { return c300.min_image(); }, [] { return c300.max_image(); }, " 1", " 3"},
      {"c303", [] { return c303.min_image(); }, [] { return c303.max_image(); }, " 1", " 3"},
      {"c320", [] { return c320.min_image(); }, [] { return c320.max_image(); }, " 2", " 9999"},
      {"c565", [] { return c565.min_image(); }, [] { return c565.max_image(); }, "-99", " 99"},
  });
}

TEST_F(characteristics_test, IntegerImagesTakeExactlyTheRangeOfTheType) {
  EXPECT_EQ(raised_by([] { c300.image_of(0); }), "RANGE_ERROR");
  EXPECT_EQ(raised_by([] { c565.image_of(-100); }), "RANGE_ERROR");
  EXPECT_EQ(raised_by([] { c565.image_of(100); }), "RANGE_ERROR");
  // A value read from a file is taken as it is, and refused by the image.
  c300_type from_file;
  const std::uint8_t zero = 0;
  std::memcpy(&from_file, &zero, 1);
  EXPECT_EQ(raised_by([&] { c300.image_of(from_file); }), "RANGE_ERROR");
}

TEST_F(characteristics_test, LiteralDefaultsAndBoundsNeedNoStartUp) {
  EXPECT_EQ(c320.default_(), 0);
  EXPECT_EQ(c320.min(), 2);
  EXPECT_EQ(c437.default_(), 3);
  EXPECT_EQ(c565.min(), -99);
  EXPECT_EQ(c210.default_(), 10.0F);
  EXPECT_EQ(c440.default_(), c440_type::fixed);
  EXPECT_EQ(c101.default_(), csl::fixed_text<12>::from("NONAME"));
}

TEST_F(characteristics_test, TimesConvertToDurationsAndIntervals) {
  using std::chrono::nanoseconds;
  EXPECT_EQ(c320.duration_of(0), nanoseconds(0));
  EXPECT_EQ(c320.interval_of(0), csl_time::zero_interval);
  EXPECT_EQ(c437.duration_of(999), std::chrono::seconds(999));
  EXPECT_EQ(c437.interval_of(999), (csl_time::interval{0, 0, 16, 39, 0}));
  EXPECT_EQ(c437.interval_of(3), (csl_time::interval{0, 0, 0, 3, 0}));
  EXPECT_EQ(c320.duration_of(9999), std::chrono::seconds(9999));
  EXPECT_EQ(c320.interval_of(9999), (csl_time::interval{0, 2, 46, 39, 0}));
}

TEST_F(characteristics_test, RealTimesRoundToTheNearestNanosecondHalvesAwayFromZero) {
  using std::chrono::nanoseconds;
  EXPECT_EQ(c1060.duration_of(0.0F), nanoseconds(0));
  EXPECT_EQ(c1060.duration_of(9999.9F), nanoseconds(9999900390625));  // the float 9999.9
  EXPECT_EQ(c1060.duration_of(0.1F), nanoseconds(100000001));         // 0.100000001490...
  EXPECT_EQ(c1060.duration_of(0.0009765625F), nanoseconds(976563));   // 976562.5
  EXPECT_EQ(c1060.duration_of(-0.0009765625F), nanoseconds(-976563));
  EXPECT_EQ(raised_by([] { c1060.duration_of(1.0e10F); }), "RANGE_ERROR");
  EXPECT_EQ(c1060.min_image(), "   0.0");
  EXPECT_EQ(c1060.max_image(), "9999.9");
}

// ---- Reals ----

TEST_F(characteristics_test, PlainRealsUseTheirFixedDecimalLayout) {
  EXPECT_EQ(c210.image_of(-9.5F), " -9.5");
  EXPECT_EQ(c210.image_of(-99.5F), "-99.5");
  EXPECT_EQ(c513.image_of(20000.0F), "20000");
  EXPECT_EQ(c513.image_of(49.96F), "   50");
  EXPECT_EQ(c752.image_of(csl_statistical::percentage(12.5F)), "12.500");
  static_assert(decltype(c210)::chars_before_point == 3 && decltype(c210)::chars_after_point == 1);
  expect_bound_images({
      {"c210", [] { return c210.min_image(); }, [] { return c210.max_image(); }, "  0.0", "100.0"},
      {"c402", [] { return c402.min_image(); }, [] { return c402.max_image(); }, "     0.0000",
       "000000.0000"},
      {"c403", [] { return c403.min_image(); }, [] { return c403.max_image(); }, "0.00000",
       "9.99998"},
      {"c513", [] { return c513.min_image(); }, [] { return c513.max_image(); }, "    1", "99999"},
      {"c752", [] { return c752.min_image(); }, [] { return c752.max_image(); }, " 0.000",
       "99.999"},
  });
}

TEST_F(characteristics_test, ANegativeRealWithoutRoomForItsSignOverflowsNamingTheImage) {
  try {
    c210.image_of(-100.0F);
    FAIL() << "no overflow";
  } catch (const csl::named_error& e) {
    EXPECT_EQ(e.full_name(), "CSL_IMAGE_UTILITIES.IMAGE_OVERFLOW");
    EXPECT_NE(e.message().find("c210_image_of"), std::string::npos) << e.message();
  }
}

// ---- Enumerations ----

TEST_F(characteristics_test, EnumerationImagesAreTheLiteralsInCapitals) {
  EXPECT_EQ(c440.image_of(c440_type::cpp), "CPP");
  EXPECT_EQ(c671.image_of(c671_type::either_side), "EITHER_SIDE");
  EXPECT_EQ(c701.image_of(csl_tonals::series_type::modu), "MODU");
  EXPECT_EQ(raised_by([] { c440.image_of(static_cast<c440_type>(2)); }), "RANGE_ERROR");
  EXPECT_EQ(raised_by([] { c701.image_of(csl_tonals::series_type::pres); }), "RANGE_ERROR");
  EXPECT_EQ(raised_by([] { c701.image_of(csl_tonals::series_type::null_tonal); }), "RANGE_ERROR");
}

TEST_F(characteristics_test, ChoiceListsJoinTheLiteralsWithCommas) {
  EXPECT_EQ(c440.choice_list_image(), "FIXED,CPP");
  EXPECT_EQ(c671.choice_list_image(), "EITHER_SIDE,ASTERN,OB_SIDE");
  EXPECT_EQ(c701.choice_list_image(), "SPD,BLD,AUX,FIR,MODU");
  EXPECT_EQ(c440.choice_list().room(), 11U);
  EXPECT_EQ(c671.choice_list().room(), 35U);
  EXPECT_EQ(c440.choice_list().start(c440_type::fixed), 1);
  EXPECT_EQ(c440.choice_list().finish(c440_type::fixed), 5);
  EXPECT_EQ(c440.choice_list().start(c440_type::cpp), 7);
  EXPECT_EQ(c440.choice_list().finish(c440_type::cpp), 9);
  EXPECT_EQ(c671.choice_list().start(c671_type::ob_side), 20);
  EXPECT_EQ(c671.choice_list().finish(c671_type::ob_side), 26);
}

TEST_F(characteristics_test, OptionsAreTheListFromOneValueToAnother) {
  struct options_case {
    std::function<std::string()> options;
    const char* expected;
  };
  using s = csl_tonals::series_type;
  const std::vector<options_case> cases{
      {[] { return c440.choice_list().options(c440_type::fixed, c440_type::fixed); }, "FIXED"},
      {[] { return c440.choice_list().options(c440_type::cpp, c440_type::cpp); }, "CPP"},
      {[] { return c440.choice_list().options(c440_type::fixed, c440_type::cpp); }, "FIXED,CPP"},
      {[] { return c440.choice_list().options(c440_type::cpp, c440_type::fixed); }, ""},
      {[] { return c671.choice_list().options(c671_type::astern, c671_type::ob_side); },
       "ASTERN,OB_SIDE"},
      {[] { return c671.choice_list().options(c671_type::ob_side, c671_type::astern); }, ""},
      {[] { return c701.choice_list().options(s::bld, s::fir); }, "BLD,AUX,FIR"},
      {[] { return c701.choice_list().options(s::spd, s::modu); }, "SPD,BLD,AUX,FIR,MODU"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.options(), c.expected);
  EXPECT_EQ(raised_by([] { c701.choice_list().options(s::spd, s::pres); }), "RANGE_ERROR");
}

TEST(choice_list, PositionsFollowEachOtherAfterAComma) {
  const ch::choice_list list({"A", "BB", "CCC"});
  EXPECT_EQ(list.text(), "A,BB,CCC");
  EXPECT_EQ(list.start(0), 1);
  EXPECT_EQ(list.finish(0), 1);
  EXPECT_EQ(list.start(1), 3);
  EXPECT_EQ(list.finish(1), 4);
  EXPECT_EQ(list.start(2), 6);
  EXPECT_EQ(list.finish(2), 8);
  EXPECT_EQ(list.options(1, 1), "BB");
  EXPECT_EQ(list.options(2, 0), "");
  EXPECT_EQ(list.room(), 11U);
  EXPECT_EQ(raised_by([&] { list.start(3); }), "RANGE_ERROR");
  EXPECT_EQ(ch::choice_list().room(), 0U);
}

// ---- Quantities ----

TEST_F(characteristics_test, QuantityDefaultsAndBoundsAreConvertedFromOperatorUnits) {
  EXPECT_EQ(c200.default_().metres(), 50.0F * 0.9144F);
  EXPECT_EQ(c200.max().metres(), 33333.0F * 0.9144F);
  EXPECT_EQ(c201.min().metres(), -333.3F * 0.9144F);
  EXPECT_EQ(c409.default_().radians(), 0.5235988F);
  EXPECT_EQ(c257.default_().count(), 1280);
  EXPECT_EQ(c1100.max().count(), 6400);  // 99.999 dB reads back as 100.0
  EXPECT_EQ(c413.max().value(), 30.18F);
  EXPECT_EQ(c420.default_().value(), 1500.0F);  // degrees per second
  EXPECT_EQ(c1050.max().metres(), -99999.9F * 0.3048F);
  EXPECT_GT(c1050.min(), c1050.max());
}

TEST_F(characteristics_test, CopiesTakeTheOtherCharacteristicsItems) {
  EXPECT_EQ(c430.min(), c429.min());
  EXPECT_EQ(c430.max(), c429.max());
  EXPECT_EQ(c430.default_(), c429.max());
  EXPECT_EQ(c410.min(), c409.min());
  EXPECT_EQ(c410.default_(), c409.default_());
  EXPECT_EQ(c550.default_(), c550.min());  // a default copied from its own minimum
  EXPECT_EQ(c430.text_of(ch::item::default_), "9999.99 kn");
}

TEST_F(characteristics_test, QuantityBoundImagesUseTheUnitImage) {
  expect_bound_images({
      {"c200", [] { return c200.min_image(); }, [] { return c200.max_image(); }, " 0", " 99999"},
      {"c201", [] { return c201.min_image(); }, [] { return c201.max_image(); }, "-1000", " 0"},
      {"c220", [] { return c220.min_image(); }, [] { return c220.max_image(); }, "  0.00",
       " 90.00"},
      {"c257", [] { return c257.min_image(); }, [] { return c257.max_image(); }, "-300.0",
       " 300.0"},
      {"c409", [] { return c409.min_image(); }, [] { return c409.max_image(); }, "   0.00",
       "  90.00"},
      {"c410", [] { return c410.min_image(); }, [] { return c410.max_image(); }, "   0.00",
       "  90.00"},
      {"c413", [] { return c413.min_image(); }, [] { return c413.max_image(); }, " -99.0",
       "  99.0"},
      {"c420", [] { return c420.min_image(); }, [] { return c420.max_image(); }, "    0.0",
       "99999.0"},
      {"c429", [] { return c429.min_image(); }, [] { return c429.max_image(); }, "   0.0",
       "0000.0"},
      {"c430", [] { return c430.min_image(); }, [] { return c430.max_image(); }, "   0.0",
       "0000.0"},
      {"c550", [] { return c550.min_image(); }, [] { return c550.max_image(); }, "   0.0",
       "9999.9"},
      {"c650", [] { return c650.min_image(); }, [] { return c650.max_image(); }, "     0.0",
       "  9999.0"},
      {"c1100", [] { return c1100.min_image(); }, [] { return c1100.max_image(); }, "   0.0",
       " 100.0"},
      {"c1050", [] { return c1050.min_image(); }, [] { return c1050.max_image(); }, " 0",
       "-100000"},
  });
}

// ---- Start-up ----

ch::quantity<speed> never_started{9001, ch::knots(0), ch::knots(1), ch::knots(0)};
ch::quantity<speed> copies_too_early{9002, ch::min_of(never_started), ch::knots(1), ch::knots(0)};
// Its minimum would copy its maximum, which is converted after it.
ch::quantity<speed> copies_a_later_item{9005, ch::max_of(copies_a_later_item), ch::knots(1),
                                        ch::knots(0)};
ch::integer<c300_type> unstarted{9003, 1, 3, 1};
ch::enumeration unstarted_enumeration{
    9004, {"fixed", "cpp"}, c440_type::fixed, c440_type::cpp, c440_type::fixed};

TEST_F(characteristics_test, ItemsBuiltAtStartUpAreRefusedBeforeIt) {
  EXPECT_EQ(raised_by([] { unstarted.min_image(); }), not_started_name);
  EXPECT_EQ(raised_by([] { unstarted_enumeration.choice_list(); }), not_started_name);
  EXPECT_EQ(raised_by([] { unstarted_enumeration.choice_list_image(); }), not_started_name);
  EXPECT_EQ(raised_by([] { never_started.default_(); }), not_started_name);
  EXPECT_EQ(raised_by([] { ch::start(test_module, copies_too_early); }), not_started_name);
  EXPECT_FALSE(copies_too_early.started());
  EXPECT_EQ(raised_by([] { ch::start(test_module, copies_a_later_item); }), not_started_name);
  EXPECT_FALSE(copies_a_later_item.started());
  EXPECT_EQ(catalogue::find(9002), nullptr);
  EXPECT_EQ(unstarted.image_of(2), " 2");  // image operations need no start-up
}

TEST_F(characteristics_test, StartingTwiceKeepsTheSameItems) {
  const std::string list = c440.choice_list_image();
  const std::size_t rows = catalogue::rows().size();
  ch::start(test_module, c440, c200);
  EXPECT_EQ(c440.choice_list_image(), list);
  EXPECT_EQ(c200.max_image(), " 99999");
  EXPECT_EQ(catalogue::rows().size(), rows);
}

// What descriptors build on first use is kept in storage they all share. Many
// threads build the images of many descriptors at once: each is built once, reads
// back whole, and stays where it was while the storage grows.
TEST_F(characteristics_test, ImagesBuiltByManyThreadsAtOnceAreBuiltOnceAndStayPut) {
  constexpr int count = 300;
  // Never destroyed: a started descriptor must outlive every reader of it.
  static auto& reals = *new std::deque<ch::plain_real<float, 5, 0>>;
  for (int i = 0; i < count; ++i) {
    reals.emplace_back(ch::id(9100 + i), 0.0F, static_cast<float>(i), 0.0F).start(test_module);
  }
  const std::string& first = reals.front().max_image();
  std::vector<std::vector<const std::string*>> seen(8);
  std::vector<std::thread> threads;
  for (auto& mine : seen) {
    threads.emplace_back([&mine] {
      for (const auto& r : reals) mine.push_back(&r.max_image());
    });
  }
  for (std::thread& t : threads) t.join();
  for (int i = 0; i < count; ++i) {
    const std::string* built = seen[0][static_cast<std::size_t>(i)];
    EXPECT_EQ(*built, reals[static_cast<std::size_t>(i)].image_of(static_cast<float>(i)));
    for (const auto& other : seen) EXPECT_EQ(other[static_cast<std::size_t>(i)], built);
  }
  EXPECT_EQ(&first, seen[0][0]);
  EXPECT_EQ(first, "    0");
}

TEST(characteristic_id, NamesHaveAtLeastThreeDigits) {
  EXPECT_EQ(ch::id(5).name(), "c005");
  EXPECT_EQ(ch::id(42).name(), "c042");
  EXPECT_EQ(ch::id(200).name(), "c200");
  EXPECT_EQ(ch::id(1060).name(), "c1060");
  EXPECT_EQ(ch::id("issue").name(), "issue");
  EXPECT_EQ(ch::id("issue").number(), std::nullopt);
  EXPECT_EQ(ch::id(201, "keel_depth").alias(), "keel_depth");
}

// ---- Catalogue rows ----

TEST_F(characteristics_test, RowsAreFoundByNumberAndByName) {
  const catalogue::row* r = catalogue::find(200);
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(catalogue::find("c200"), r);
  EXPECT_EQ(r->name, "c200");
  EXPECT_EQ(r->number, 200);
  EXPECT_EQ(r->group, "test");
  EXPECT_EQ(r->types_module, "sm_model_vehicle_characteristics_test");
  EXPECT_EQ(r->alias, "length");
  EXPECT_EQ(catalogue::find(999), nullptr);
  EXPECT_EQ(catalogue::find("c999"), nullptr);
  // Numbered rows come first, in number order.
  const auto all = catalogue::rows();
  for (std::size_t i = 1; i < all.size() && all[i]->number; ++i) {
    EXPECT_LT(all[i - 1]->number, all[i]->number);
  }
}

TEST_F(characteristics_test, QuantityRowsGiveStoredValuesOperatorTextsAndImages) {
  const catalogue::row& r = *catalogue::find(200);
  EXPECT_EQ(r.kind_, catalogue::kind::quantity);
  EXPECT_EQ(r.value_type, "csl_length.distance (metres)");
  EXPECT_EQ(r.default_.stored, static_cast<double>(50.0F * 0.9144F));
  EXPECT_EQ(r.default_.text, "50 yd");
  EXPECT_EQ(r.min->text, "0 yd");
  EXPECT_EQ(r.max->text, "33333 yd");
  EXPECT_EQ(r.min_image, " 0");
  EXPECT_EQ(r.max_image, " 99999");
  EXPECT_EQ(r.image_name, "csl_image_utilities.image_in_feet_of");
  EXPECT_EQ(r.image_of(*r.default_.stored), " 150");
  EXPECT_FALSE(r.has_duration || r.has_interval);
  const catalogue::row& level = *catalogue::find(257);
  EXPECT_EQ(level.default_.stored, 1280.0);
  EXPECT_EQ(level.default_.text, "20 dB");
  EXPECT_EQ(level.type_first, -32768.0);
  EXPECT_EQ(level.image_of(-32.0), "  -0.5");
  EXPECT_EQ(catalogue::find(201)->min->text, "-333.3 yd");
  EXPECT_EQ(catalogue::find(413)->max->text, "30.18 m/s");
  EXPECT_EQ(catalogue::find(420)->default_.text, "250 rpm");
  EXPECT_EQ(catalogue::find(220)->image_name, "csl_image_utilities.image_in_degrees_360_of");
  EXPECT_EQ(catalogue::find(410)->default_.text, "30 deg");
}

TEST_F(characteristics_test, IntegerRealAndTimeRowsSayWhatTheyHave) {
  const catalogue::row& c320_row = *catalogue::find(320);
  EXPECT_EQ(c320_row.kind_, catalogue::kind::time);
  EXPECT_EQ(c320_row.value_type, "integer 0 .. 9999");
  EXPECT_EQ(c320_row.type_last, 9999.0);
  EXPECT_EQ(c320_row.default_.text, "0");
  EXPECT_EQ(c320_row.min->stored, 2.0);
  EXPECT_TRUE(c320_row.has_duration && c320_row.has_interval);
  EXPECT_EQ(c320_row.image_of(17.0), " 17");
  EXPECT_EQ(raised_by([&] { c320_row.image_of(10000.0); }), "RANGE_ERROR");
  EXPECT_EQ(catalogue::find(303)->image_name, "c300_image_of (integer image)");
  EXPECT_EQ(catalogue::find(300)->kind_, catalogue::kind::integer);
  EXPECT_FALSE(catalogue::find(300)->has_duration);

  const catalogue::row& c210_row = *catalogue::find(210);
  EXPECT_EQ(c210_row.kind_, catalogue::kind::plain_real);
  EXPECT_EQ(c210_row.value_type, "single-precision real");
  EXPECT_EQ(c210_row.default_.text, "10");
  EXPECT_EQ(c210_row.max_image, "100.0");
  EXPECT_EQ(c210_row.image_of(12.34), " 12.3");
  EXPECT_EQ(catalogue::find(752)->value_type, "csl_statistical.percentage");

  const catalogue::row& c1060_row = *catalogue::find(1060);
  EXPECT_EQ(c1060_row.kind_, catalogue::kind::time);
  EXPECT_EQ(c1060_row.value_type, "single-precision real, seconds");
  EXPECT_TRUE(c1060_row.has_duration);
  EXPECT_FALSE(c1060_row.has_interval);
}

TEST_F(characteristics_test, EnumerationRowsCarryTheirChoiceList) {
  const catalogue::row& r = *catalogue::find(671);
  EXPECT_EQ(r.kind_, catalogue::kind::enumeration);
  EXPECT_EQ(r.value_type, "enumeration EITHER_SIDE .. OB_SIDE");
  EXPECT_EQ(r.choice_list_image, "EITHER_SIDE,ASTERN,OB_SIDE");
  ASSERT_EQ(r.choices.size(), 3U);
  EXPECT_EQ(r.choices[1].image, "ASTERN");
  EXPECT_EQ(r.choices[1].stored, 1);
  EXPECT_EQ(r.choices[1].start, 13);
  EXPECT_EQ(r.choices[1].finish, 18);
  EXPECT_EQ(r.default_.text, "EITHER_SIDE");
  EXPECT_EQ(r.max->text, "OB_SIDE");
  EXPECT_FALSE(r.min_image.has_value());
  EXPECT_EQ(r.image_of(2.0), "OB_SIDE");
  EXPECT_EQ(raised_by([&] { r.image_of(3.0); }), "RANGE_ERROR");
  const catalogue::row& c701_row = *catalogue::find(701);
  EXPECT_EQ(c701_row.choices.front().stored, 1);
  EXPECT_EQ(c701_row.type_first, 1.0);
  EXPECT_EQ(c701_row.type_last, 5.0);
  EXPECT_EQ(c701_row.image_of(5.0), "MODU");
}

TEST_F(characteristics_test, TextAndIdentityRowsHaveADefaultOnly) {
  const catalogue::row& text = *catalogue::find(101);
  EXPECT_EQ(text.kind_, catalogue::kind::text);
  EXPECT_EQ(text.value_type, "text of 12 characters");
  EXPECT_EQ(text.default_.text, "NONAME      ");
  EXPECT_FALSE(text.default_.stored.has_value());
  EXPECT_FALSE(text.min.has_value() || text.min_image.has_value() || text.image_of);
  const catalogue::row& identity = *catalogue::find(620);
  EXPECT_EQ(identity.kind_, catalogue::kind::identity);
  EXPECT_EQ(identity.value_type, "sm_model_vehicle_kind.model_kind (32 bytes)");
  EXPECT_EQ(identity.default_.text, "sm_model_vehicle_kind.unallocated");
  EXPECT_EQ(c620.default_(), sm_model_vehicle_kind::unallocated());
}

TEST_F(characteristics_test, ANumberBelongsToOneTypesModule) {
  constexpr ch::module other{"other", "sm_model_vehicle_other_types"};
  // Rows are built from their descriptors when the catalogue is first read, so a
  // descriptor lives as long as the process, and the duplicate shows on reading.
  static ch::integer<c300_type> same_number{300, 1, 3, 1};
  ch::start(other, same_number);
  EXPECT_EQ(raised_by([] { catalogue::find(300); }),
            "SM_MODEL_VEHICLE_CATALOGUE.DUPLICATE_CHARACTERISTIC");
  // The refused row is dropped: the next read finds the first module's row.
  EXPECT_EQ(catalogue::find(300)->types_module, "sm_model_vehicle_characteristics_test");
}

TEST(catalogue_kind, HasAnImage) {
  EXPECT_EQ(catalogue::image_of(catalogue::kind::plain_real), "PLAIN_REAL");
  EXPECT_EQ(catalogue::image_of(catalogue::kind::identity), "IDENTITY");
}

}  // namespace
