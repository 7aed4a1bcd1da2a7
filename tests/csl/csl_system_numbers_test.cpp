// Base numbers: subtype ranges, duration arithmetic, integer powers and rounding.
#include "csl_system_numbers.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "csl_exceptions.hpp"

namespace {

using namespace csl_system_numbers;

TEST(system_numbers_subtypes, IntegerSubtypesRefuseValuesOutsideTheirRange) {
  EXPECT_EQ(system_natural(0).value(), 0);
  EXPECT_THROW(system_natural(-1), csl::range_error);
  EXPECT_EQ(system_positive(1).value(), 1);
  EXPECT_THROW(system_positive(0), csl::range_error);
  EXPECT_EQ(system_positive(2147483647).value(), 2147483647);
  EXPECT_EQ(system_short_unsigned(65535).value(), 65535);
  EXPECT_THROW(system_short_unsigned(65536), csl::range_error);
  EXPECT_THROW(system_short_unsigned(-1), csl::range_error);
  EXPECT_EQ(unsigned_byte(255).value(), 255);
  EXPECT_THROW(unsigned_byte(256), csl::range_error);
  EXPECT_EQ(sizeof(system_short_unsigned), 4U);
  EXPECT_EQ(sizeof(unsigned_byte), 2U);
  EXPECT_EQ(sizeof(signed_byte), 1U);
  EXPECT_EQ(sizeof(system_short_integer), 2U);
}

TEST(system_numbers_subtypes, PositiveRealsRefuseNegativesAndNaN) {
  EXPECT_EQ(static_cast<float>(system_positive_float(2.5F)), 2.5F);
  EXPECT_EQ(static_cast<float>(system_positive_float(-0.0F)), 0.0F);
  EXPECT_THROW(system_positive_float(-1e-30F), csl::range_error);
  EXPECT_THROW(static_cast<void>(system_positive_float(std::numeric_limits<float>::quiet_NaN())),
               csl::range_error);
  EXPECT_THROW(system_positive_long_float(-1.0), csl::range_error);
  system_positive_float kept = 3.0F;
  EXPECT_THROW(kept = -3.0F, csl::range_error);
  EXPECT_EQ(static_cast<float>(kept), 3.0F);
}

TEST(system_numbers_durations, MixedProductsAndQuotientsAreDurations) {
  const system_duration two{2.0F};
  EXPECT_EQ((1.5F * two).value(), 3.0F);
  EXPECT_EQ((two * 1.5F).value(), 3.0F);
  EXPECT_EQ((3 * two).value(), 6.0F);
  EXPECT_EQ((two * -3).value(), -6.0F);
  EXPECT_EQ((two / 4.0F).value(), 0.5F);
  EXPECT_EQ((two / 4).value(), 0.5F);
  EXPECT_EQ(two / system_duration(8.0F), 0.25F);
  EXPECT_EQ((two + two).value(), 4.0F);
  EXPECT_EQ((two - system_duration(3.0F)).value(), -1.0F);
  EXPECT_EQ((-two).value(), -2.0F);
  static_assert(std::is_same_v<decltype(two / two), system_float>);
  static_assert(!std::is_convertible_v<float, system_duration>);
}

TEST(system_numbers_durations, ResultsBeyondTheFloatRangeAreRangeErrors) {
  const system_duration big{3e38F};
  EXPECT_THROW(big * 2.0F, csl::range_error);
  EXPECT_THROW(2 * big, csl::range_error);
  EXPECT_THROW(big + big, csl::range_error);
  EXPECT_THROW(system_duration(1.0F) / 0.0F, csl::range_error);
  EXPECT_THROW(system_duration(1.0F) / 0, csl::range_error);
  EXPECT_THROW(system_duration(0.0F) / system_duration(0.0F), csl::range_error);
}

TEST(system_numbers_durations, CompareByTheirSeconds) {
  EXPECT_LT(system_duration(1.0F), system_duration(2.0F));
  EXPECT_GE(system_duration(2.0F), system_duration(2.0F));
  EXPECT_EQ(system_duration(-0.0F), system_duration(0.0F));
}

struct integer_power_case {
  system_integer base;
  system_integer exponent;
  system_integer expected;
};

TEST(system_numbers_power, IntegerPowers) {
  const integer_power_case cases[] = {{2, 10, 1024},
                                      {-2, 3, -8},
                                      {0, 0, 1},
                                      {7, 0, 1},
                                      {0, 5, 0},
                                      {1, 2147483647, 1},
                                      {-1, 2147483647, -1},
                                      {-1, 2147483646, 1},
                                      {2, 30, 1073741824},
                                      {-2, 31, std::numeric_limits<system_integer>::min()}};
  for (const auto& c : cases) {
    EXPECT_EQ(power(c.base, c.exponent), c.expected) << c.base << " ** " << c.exponent;
  }
}

TEST(system_numbers_power, IntegerOverflowAndNegativeExponentsAreRangeErrors) {
  EXPECT_THROW(power(2, 31), csl::range_error);
  EXPECT_THROW(power(10, 10), csl::range_error);
  EXPECT_THROW(power(2, -1), csl::range_error);
}

TEST(system_numbers_power, RealPowers) {
  EXPECT_EQ(power(10.0F, 2), 100.0F);
  EXPECT_EQ(power(10.0F, -2), 0.01F);
  EXPECT_EQ(power(2.0F, -1), 0.5F);
  EXPECT_EQ(power(-3.0F, 3), -27.0F);
  EXPECT_EQ(power(5.0F, 0), 1.0F);
  EXPECT_EQ(power(10.0F, 38), 1e38F);
  EXPECT_EQ(power(10.0F, -50), 0.0F);
  EXPECT_THROW(power(10.0F, 39), csl::range_error);
  EXPECT_THROW(power(0.0F, -1), csl::range_error);
}

TEST(system_numbers_rounding, HalvesGoAwayFromZero) {
  EXPECT_EQ(round_to_integer(2.5), 3);
  EXPECT_EQ(round_to_integer(-2.5), -3);
  EXPECT_EQ(round_to_integer(2.4999), 2);
  EXPECT_EQ(round_to_system_integer(-0.5), -1);
  EXPECT_EQ(round_to_system_integer(2147483647.4), 2147483647);
  EXPECT_THROW(round_to_system_integer(2147483647.5), csl::range_error);
  EXPECT_THROW(round_to_system_integer(std::numeric_limits<double>::quiet_NaN()), csl::range_error);
  EXPECT_THROW(round_to_integer(1e19), csl::range_error);
}

TEST(system_numbers_image, LeadingBlankForZeroAndPositives) {
  EXPECT_EQ(image_of(42), " 42");
  EXPECT_EQ(image_of(0), " 0");
  EXPECT_EQ(image_of(-7), "-7");
}

TEST(system_rounding, CompileTimeRoundAgreesWithTheStandardRound) {
  static_assert(round_half_away(2.5F) == 3.0F && round_half_away(-2.5F) == -3.0F);
  const float edges[] = {0.0F,        0.49999997F, 0.5F,       -0.49999997F, -0.5F,
                         1.5F,        -1.5F,       8388607.5F, -8388607.5F,  8388608.0F,
                         16777217.0F, 1e30F,       -1e30F,     0.99999994F,  -0.99999994F,
                         1.0000001F,  123.456F,    -123.456F,  4194303.75F,  -4194303.25F};
  for (const float v : edges) EXPECT_EQ(round_half_away(v), std::round(v)) << v;
  // A sweep across many binades, both signs.
  for (float v = 1e-6F; v < 1e8F; v *= 1.0137F) {
    EXPECT_EQ(round_half_away(v), std::round(v)) << v;
    EXPECT_EQ(round_half_away(-v), std::round(-v)) << -v;
  }
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_TRUE(std::isnan(round_half_away(nan)));
}

TEST(system_powers, FloatPowersAtCompileTimeAndOverflow) {
  static_assert(power(10.0F, -3) == 0.001F && power(10.0F, 38) == 1e38F);
  EXPECT_EQ(power(2.0F, 127), 0x1p127F);
  EXPECT_THROW(power(10.0F, 39), csl::range_error);
  EXPECT_THROW(power(-10.0F, 39), csl::range_error);
}

}  // namespace
