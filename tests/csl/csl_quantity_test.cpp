// The quantity types of every module: ranges at their ends, storage, distinctness,
// constants, relational operators, enumeration images and the named errors.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <type_traits>

#include "csl_angle.hpp"
#include "csl_angle_rate.hpp"
#include "csl_decibel.hpp"
#include "csl_exceptions.hpp"
#include "csl_frequency.hpp"
#include "csl_length.hpp"
#include "csl_level_exceptions.hpp"
#include "csl_levels.hpp"
#include "csl_powers.hpp"
#include "csl_statistical.hpp"
#include "csl_tonals.hpp"
#include "csl_velocity.hpp"
#include "csl_volts.hpp"

namespace {

constexpr float nan = std::numeric_limits<float>::quiet_NaN();

float above(float v) {
  return std::nextafter(v, std::numeric_limits<float>::infinity());
}
float below(float v) {
  return std::nextafter(v, -std::numeric_limits<float>::infinity());
}

// The first and last values are accepted and kept; the next float beyond either
// end, and NaN, are range errors that leave the target as it was.
template <class Q>
void expect_range(float first, float last) {
  EXPECT_EQ(Q(first).value(), first);
  EXPECT_EQ(Q(last).value(), last);
  Q kept(last);
  EXPECT_THROW(kept = Q(below(first)), csl::range_error);
  EXPECT_THROW(kept = Q(above(last)), csl::range_error);
  EXPECT_THROW(kept = Q(nan), csl::range_error);
  EXPECT_EQ(kept.value(), last);
}

TEST(quantity_ranges, RealTypesAcceptTheirEndsAndNothingBeyond) {
  expect_range<csl_angle::degrees>(-180.0F, 180.0F);
  expect_range<csl_angle_rate::rate>(-599999.9375F, 599999.9375F);
  expect_range<csl_angle_rate::rpm>(-99999.9921875F, 99999.9921875F);
  expect_range<csl_frequency::hertz>(-999.0F, 200000.0F);
  expect_range<csl_tonals::modulation>(0.0F, 1.0F);
}

TEST(quantity_ranges, TheDecimalBoundsAreTheirSinglePrecisionValues) {
  EXPECT_EQ(csl_angle_rate::rate::last, 599999.9375F);
  EXPECT_EQ(csl_angle_rate::rpm::last, 99999.9921875F);
  EXPECT_EQ(csl_angle_rate::rate::last, 6.0F * csl_angle_rate::rpm::last);
}

TEST(quantity_ranges, AnglesIncludeBothEndsOfPi) {
  EXPECT_EQ(csl_angle::angle(3.1415927F).radians(), csl_angle::pi);
  EXPECT_EQ(csl_angle::angle(-3.1415927F).radians(), -csl_angle::pi);
  EXPECT_THROW(csl_angle::angle(3.1415929F), csl::range_error);
  EXPECT_THROW(csl_angle::angle{nan}, csl::range_error);
}

TEST(quantity_ranges, DistancesAcceptMinusZeroButNoNegative) {
  EXPECT_EQ(csl_length::distance(-0.0F), csl_length::zero_distance);
  EXPECT_THROW(csl_length::distance(-1e-40F), csl::range_error);
  // 2^84 - 2^63 is the last distance.
  const float last = std::ldexp(1.0F, 84) - std::ldexp(1.0F, 63);
  EXPECT_EQ(csl_length::distance(last).metres(), last);
  EXPECT_THROW(csl_length::distance(above(last)), csl::range_error);
}

TEST(quantity_ranges, FixedPointTypesStoreTheNearestCount) {
  using csl_angle::bram_type;
  EXPECT_EQ(bram_type(-1.0F).count(), -32768);
  EXPECT_EQ(bram_type(32767.0F / 32768.0F).count(), 32767);
  EXPECT_THROW(bram_type(1.0F), csl::range_error);
  EXPECT_EQ(bram_type(0.5F).value(), 0.5F);

  using csl_levels::db;
  EXPECT_EQ(db(511.984375F).count(), 32767);
  EXPECT_EQ(db(-512.0F).count(), -32768);
  EXPECT_THROW(db(512.0F), csl::range_error);
  EXPECT_THROW(db(below(-512.0F)), csl::range_error);
  EXPECT_EQ(db(0.0078125F).count(), 1);  // half a step, away from zero
  EXPECT_EQ(db(-0.0078125F).count(), -1);
  EXPECT_EQ(db(0.0078124F).count(), 0);
  EXPECT_EQ(csl_decibel::db(60.0F).count(), 3840);
  EXPECT_EQ(csl_decibel::intermediate_db(-1.5F).count(), -96);

  using csl_tonals::internal_width;
  EXPECT_EQ(internal_width(-16384.0F).count(), -8388608);
  EXPECT_EQ(internal_width(16383.998046875F).count(), 8388607);
  EXPECT_THROW(internal_width(16384.0F), csl::range_error);
  EXPECT_THROW(internal_width::from_count(8388608), csl::range_error);
}

TEST(quantity_ranges, UnconstrainedTypesTakeAnyValue) {
  EXPECT_EQ(csl_velocity::speed(-3e38F).value(), -3e38F);
  EXPECT_EQ(csl_statistical::percentage(250.0F).value(), 250.0F);
}

template <class T, std::size_t Size>
constexpr bool is_field_type =
    sizeof(T) == Size&& std::is_trivially_copyable_v<T>&& std::is_standard_layout_v<T>;

TEST(quantity_storage, TypesHaveTheSizeOfTheirRepresentationAndStayApart) {
  static_assert(is_field_type<csl_angle::angle, 4> && is_field_type<csl_angle::degrees, 4>);
  static_assert(is_field_type<csl_angle::bram_type, 2> && is_field_type<csl_levels::db, 2>);
  static_assert(is_field_type<csl_decibel::db, 2> && is_field_type<csl_angle_rate::rate, 4>);
  static_assert(is_field_type<csl_frequency::hertz, 4> && is_field_type<csl_velocity::speed, 4>);
  static_assert(is_field_type<csl_volts::voltage, 4> && is_field_type<csl_powers::power, 4>);
  static_assert(is_field_type<csl_statistical::percentage, 4>);
  static_assert(!std::is_same_v<csl_levels::db, csl_decibel::db>);
  static_assert(!std::is_same_v<csl_decibel::db, csl_decibel::intermediate_db>);
  static_assert(!std::is_same_v<csl_powers::power, csl_powers::power_factor>);
  static_assert(!std::is_same_v<csl_frequency::offset, csl_frequency::hertz_rate>);
  static_assert(!std::is_convertible_v<float, csl_velocity::speed>);
  static_assert(!std::is_convertible_v<csl_velocity::speed, float>);
  static_assert(std::is_same_v<csl_levels::power, csl_powers::power>);
  static_assert(std::is_same_v<csl_levels::voltage_factor, csl_volts::voltage_factor>);

  // A level is its count, little-endian, in two bytes.
  const csl_levels::db level = csl_levels::db::from_count(-2);
  std::uint8_t bytes[2];
  std::memcpy(bytes, &level, 2);
  EXPECT_EQ(bytes[0], 0xFE);
  EXPECT_EQ(bytes[1], 0xFF);
}

TEST(quantity_relations, EveryKindOfTypeComparesByItsStoredNumber) {
  EXPECT_LT(csl_angle::degrees(-10.0F), csl_angle::degrees(10.0F));
  EXPECT_GT(csl_angle::bram_type(0.5F), csl_angle::bram_type(-0.5F));
  EXPECT_LT(csl_levels::db(-0.5F), csl_levels::zero_dbs);
  EXPECT_GT((csl_length::feet{-1.0F}), (csl_length::feet{-2.0F}));
  EXPECT_LE((csl_velocity::knots{5.0F}), (csl_velocity::knots{5.0F}));
  EXPECT_EQ(csl_angle_rate::rate(-0.0F), csl_angle_rate::zero_rate);
}

TEST(quantity_constants, ConversionFactorsAndReferenceLevels) {
  // The constants are the decimal values of their definition, within float32.
  EXPECT_FLOAT_EQ(csl_velocity::knots_to_metres_per_second_convert, 1853.184F / 3600.0F);
  EXPECT_EQ(csl_length::nautical_miles_to_metres_convert, 1853.184F);
  EXPECT_NEAR(csl_levels::log16, std::pow(10.0, 0.8), 5e-6);
  const double reference = -20.0 * std::log10(1853.1841);
  EXPECT_EQ(csl_levels::dbs_ref_m_to_dbs_ref_nm.count(), std::lround(reference * 64.0));
  EXPECT_NEAR(csl_decibel::value_of(csl_levels::dbs_ref_m_to_dbs_ref_nm), -65.36, 0.005);
  EXPECT_EQ(csl_decibel::powersum_difference_limit, 20 * 64);
  EXPECT_EQ(csl_angle_rate::minute, csl_time::minute_interval);
  EXPECT_EQ(&csl_angle_rate::second, &csl_time::second_interval);
  for (auto p : {csl_paths::path_class::primary, csl_paths::path_class::secondary,
                 csl_paths::path_class::tertiary}) {
    EXPECT_EQ(csl_tonals::dummy[p], csl_levels::zero_dbs);
  }
}

struct named_case {
  const char* full_name;
  std::function<void()> raise;
};

TEST(quantity_errors, EveryNamedErrorHasItsFullName) {
  const named_case cases[] = {
      {"CSL_ANGLE.OUT_OF_RANGE", [] { throw csl_angle::out_of_range("here"); }},
      {"CSL_ANGLE.STRING_ERROR", [] { throw csl_angle::string_error("here"); }},
      {"CSL_ANGLE_RATE.OVERFLOW", [] { throw csl_angle_rate::overflow("here"); }},
      {"CSL_LENGTH.LAYOUT_ERROR", [] { throw csl_length::layout_error("here"); }},
      {"CSL_LEVEL_EXCEPTIONS.OUT_OF_RANGE",
       [] { throw csl_level_exceptions::out_of_range("here"); }},
      {"CSL_TONALS.CLASS_ERROR", [] { throw csl_tonals::class_error("here"); }},
      {"RANGE_ERROR", [] { csl_angle::degrees(200.0F); }},
  };
  for (const auto& c : cases) {
    try {
      c.raise();
      ADD_FAILURE() << c.full_name << " not raised";
    } catch (const csl::named_error& e) {
      EXPECT_EQ(e.full_name(), c.full_name);
    }
  }
}

TEST(quantity_errors, TheRangeErrorNamesTheTypeThatRefused) {
  try {
    csl_frequency::hertz(-1000.0F);
    FAIL();
  } catch (const csl::range_error& e) {
    EXPECT_EQ(e.message(), "csl_frequency.hertz");
  }
}

TEST(quantity_images, EnumerationImages) {
  using csl_tonals::series_type;
  const std::pair<series_type, const char*> series[] = {{series_type::null_tonal, "NULL_TONAL"},
                                                        {series_type::spd, "SPD"},
                                                        {series_type::bld, "BLD"},
                                                        {series_type::aux, "AUX"},
                                                        {series_type::fir, "FIR"},
                                                        {series_type::modu, "MODU"},
                                                        {series_type::pres, "PRES"},
                                                        {series_type::hres, "HRES"},
                                                        {series_type::lres, "LRES"}};
  std::uint8_t expected_value = 0;
  for (const auto& [t, image] : series) {
    EXPECT_EQ(csl_tonals::image_of(t), image);
    EXPECT_EQ(static_cast<std::uint8_t>(t), expected_value++);
  }
  EXPECT_EQ(csl_tonals::image_of(csl_tonals::receiver::own_boat), "OWN_BOAT");
  EXPECT_EQ(csl_tonals::image_of(csl_tonals::receiver::own_towed_array), "OWN_TOWED_ARRAY");
  EXPECT_EQ(csl_paths::image_of(csl_paths::path_class::primary), "PRIMARY");
  EXPECT_EQ(csl_paths::image_of(csl_paths::path_class::secondary), "SECONDARY");
  EXPECT_EQ(csl_paths::image_of(csl_paths::path_class::tertiary), "TERTIARY");
  EXPECT_THROW(csl_paths::image_of(static_cast<csl_paths::path_class>(3)), csl::range_error);
}

// No using-directive here: each module's operators are found through its types.
TEST(quantity_operators, AreFoundFromTheOperandsAlone) {
  EXPECT_EQ(csl_velocity::speed(1.0F) + csl_velocity::speed(2.0F), csl_velocity::speed(3.0F));
  EXPECT_EQ(csl_angle_rate::rate(1.0F) * 2, csl_angle_rate::rate(2.0F));
  EXPECT_EQ(csl_frequency::offset(1.5F) * 2.0F, csl_frequency::offset(3.0F));
  EXPECT_EQ(csl_levels::db(1.0F) + csl_levels::db(2.0F), csl_levels::db(3.0F));
  EXPECT_EQ(-csl_decibel::db(1.0F), csl_decibel::db(-1.0F));
  EXPECT_EQ(csl_powers::power(1.0F) + csl_powers::power(2.0F), csl_powers::power(3.0F));
  EXPECT_EQ(csl_volts::voltage(2.0F) * csl_volts::voltage_factor(2.0F), csl_volts::voltage(4.0F));
  EXPECT_EQ(csl_tonals::modulation(0.5F) / 2, csl_tonals::modulation(0.25F));
  EXPECT_EQ(csl_statistical::percentage(10.0F) * 5.0F, 0.5F);
  EXPECT_EQ(csl_length::distance(1.0F) + csl_length::distance(2.0F), csl_length::distance(3.0F));
  EXPECT_EQ(csl_length::position_vector(6.0F) / csl_system_numbers::system_duration(2.0F),
            csl_velocity::speed(3.0F));
}

}  // namespace
