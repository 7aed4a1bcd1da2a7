// Decibel levels: rounding from reals, saturating arithmetic and the power sum.
#include "csl_decibel.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "csl_fast_maths.hpp"
#include "csl_level_exceptions.hpp"

namespace {

using namespace csl_decibel;

db dbs(float decibels) {
  return db(decibels);
}
db count(int n) {
  return db::from_count(n);
}

TEST(decibel_reals, NearestCountHalvesAwayFromZeroAndSaturating) {
  const struct {
    float x;
    int count;
  } cases[] = {
      {0.0078125F, 1},  {-0.0078125F, -1}, {0.0078124F, 0},   {60.0F, 3840},
      {511.99F, 32767}, {1e9F, 32767},     {-512.0F, -32768}, {-600.0F, -32768},
  };
  for (const auto& c : cases) EXPECT_EQ(dbs_of(c.x).count(), c.count) << c.x;
  EXPECT_EQ(value_of(count(-96)), -1.5F);
}

TEST(decibel_arithmetic, ExactWithinRangeAndSaturatingAtBothEnds) {
  EXPECT_EQ(dbs(1.5F) + dbs(-0.25F), dbs(1.25F));
  EXPECT_EQ(dbs(1.5F) - dbs(-0.25F), dbs(1.75F));
  EXPECT_EQ(dbs(500.0F) + dbs(20.0F), dbs(511.984375F));
  EXPECT_EQ(dbs(-500.0F) - dbs(20.0F), dbs(-512.0F));
  EXPECT_EQ(dbs(-500.0F) + dbs(-20.0F), dbs(-512.0F));
  EXPECT_EQ(dbs(0.0F) - dbs(-512.0F), dbs(511.984375F));
  EXPECT_EQ(-dbs(-512.0F), dbs(511.984375F));
  EXPECT_EQ(-dbs(511.984375F), count(-32767));
  EXPECT_EQ(-dbs(3.0F), dbs(-3.0F));
  EXPECT_EQ(dbs(10.0F) * -0.5F, dbs(-5.0F));
  EXPECT_EQ(dbs(300.0F) * 2.0F, dbs(511.984375F));
  EXPECT_EQ(dbs(300.0F) * -2.0F, dbs(-512.0F));
  EXPECT_LT(dbs(-1.0F), dbs(0.0F));
  EXPECT_GT(dbs(1.0F), dbs(0.0F));
}

TEST(decibel_power_sums, CorrectionsFollowTheFormulaAndNeverRise) {
  const auto& table = powersum_correction();
  ASSERT_EQ(table.size(), 1281U);
  EXPECT_EQ(table[0].count(), 193);  // log10(2) from the table is 0.30103
  for (std::size_t i = 0; i < table.size(); ++i) {
    const double exact = 10.0 * std::log10(std::pow(10.0, -static_cast<double>(i) / 640.0) + 1.0);
    EXPECT_NEAR(value_of(table[i]), exact, 0.06) << i;
    if (i > 0) {
      EXPECT_LE(table[i], table[i - 1]) << i;
    }
  }
  EXPECT_NEAR(value_of(table[1280]), 0.04, 0.02);
}

TEST(decibel_power_sums, CompiledTableEqualsTheTableMathsAtRunTime) {
  // The compiler evaluates the table logarithm and antilogarithm; the program
  // must get the same counts from them.
  const auto& table = powersum_correction();
  for (int i = 0; i < static_cast<int>(table.size()); ++i) {
    volatile float difference = static_cast<float>(i);  // keeps the sum at run time
    const float ratio = csl_fast_maths::antilog(-difference / 640.0F);
    EXPECT_EQ(dbs_of(10.0F * csl_fast_maths::log(ratio + 1.0F)), table[static_cast<std::size_t>(i)])
        << i;
  }
}

TEST(decibel_power_sums, TwoLevels) {
  EXPECT_EQ(powersum(dbs(60.0F), dbs(60.0F)), dbs(63.015625F));
  EXPECT_EQ(powersum(dbs(80.0F), dbs(59.9F)), dbs(80.0F));
  EXPECT_EQ(powersum(dbs(59.9F), dbs(80.0F)), dbs(80.0F));
  const db d = powersum_correction()[1280];
  EXPECT_EQ(powersum(dbs(80.0F), dbs(60.0F)), dbs(80.0F) + d);  // exactly at the limit
  EXPECT_EQ(powersum(dbs(30.0F), dbs(40.0F)), dbs(40.0F) + powersum_correction()[640]);
  EXPECT_EQ(powersum(dbs(511.0F), dbs(511.0F)), dbs(511.984375F));
  EXPECT_EQ(powersum(dbs(-512.0F), dbs(511.984375F)), dbs(511.984375F));
}

TEST(decibel_power_sums, ArraysFoldInIndexOrder) {
  const std::vector<db> three{dbs(60.0F), dbs(60.0F), dbs(60.0F)};
  EXPECT_EQ(powersum(three), powersum(dbs(63.015625F), dbs(60.0F)));
  const std::vector<db> two{dbs(10.0F), dbs(40.0F)};
  EXPECT_EQ(powersum(two), powersum(dbs(10.0F), dbs(40.0F)));
  const std::vector<db> one{dbs(60.0F)};
  EXPECT_THROW(powersum(one), csl_level_exceptions::out_of_range);
  EXPECT_THROW(powersum(powersum_array()), csl_level_exceptions::out_of_range);
}

}  // namespace
