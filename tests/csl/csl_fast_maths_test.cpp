// Table logarithm and antilogarithm, the functions built on them, and the decibel
// power sum.
#include "csl_fast_maths.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "csl_exceptions.hpp"

namespace {

using namespace csl_fast_maths;

constexpr float inf = std::numeric_limits<float>::infinity();
constexpr float nan = std::numeric_limits<float>::quiet_NaN();

float five_decimals(double v) {
  return static_cast<float>(std::round(v * 1e5) / 1e5);
}

TEST(fast_maths_tables, TablesHoldTheirFunctionsToFiveDecimals) {
  ASSERT_EQ(log_table.size(), 47U);
  for (std::size_t i = 0; i < log_table.size(); ++i) {
    EXPECT_EQ(log_table[i], five_decimals(std::log10(1.0 + 0.2 * static_cast<double>(i)))) << i;
  }
  ASSERT_EQ(antilog_table.size(), 34U);
  for (std::size_t i = 0; i < antilog_table.size(); ++i) {
    EXPECT_EQ(antilog_table[i], five_decimals(std::pow(10.0, static_cast<double>(i) / 32.0))) << i;
  }
  EXPECT_EQ(log_table[45], 1.0F);
  EXPECT_EQ(antilog_table[32], 10.0F);
  EXPECT_EQ(db_base.size(), 21U);
  EXPECT_EQ(db_grad.size(), 21U);
}

struct value_case {
  float x;
  float expected;
};

TEST(fast_maths_log, ExactAtTableEntriesAndZeroForNonPositives) {
  const value_case exact[] = {{100.0F, 2.0F}, {1.0F, 0.0F},  {10.0F, 1.0F},
                              {0.0F, 0.0F},   {-5.0F, 0.0F}, {-inf, 0.0F}};
  for (const auto& c : exact) EXPECT_EQ(log(c.x), c.expected) << c.x;
  const value_case near[] = {{2.0F, 0.30103F}, {0.002F, -2.69897F}, {1e30F, 30.0F}};
  for (const auto& c : near) EXPECT_NEAR(log(c.x), c.expected, 1e-5) << c.x;
}

TEST(fast_maths_log, InterpolatesBetweenEntriesAndBelowTheNearestOne) {
  // 1.1 lies half-way from entry 0 to entry 1; c = 0.5 rounds up to entry 1 and
  // the segment from 1 to 2 is extended backwards.
  EXPECT_FLOAT_EQ(log(1.1F), 0.07918F - 0.5F * (0.14613F - 0.07918F));
  // 9.95 rounds to the last entry 45 and uses the extra entry 46.
  EXPECT_FLOAT_EQ(log(9.95F), 1.0F - 0.25F * (1.0086F - 1.0F));
  for (float x = 0.013F; x < 5000.0F; x *= 1.37F) {
    EXPECT_NEAR(log(x), std::log10(x), 5e-3) << x;
  }
}

TEST(fast_maths_log, NaNAndInfinityAreRangeErrors) {
  EXPECT_THROW(log(nan), csl::range_error);
  EXPECT_THROW(log(inf), csl::range_error);
}

TEST(fast_maths_antilog, ExactAtWholeNumbers) {
  const value_case cases[] = {{0.0F, 1.0F},   {1.0F, 10.0F},   {-1.0F, 0.1F},
                              {2.0F, 100.0F}, {-3.0F, 0.001F}, {0.5F, 3.16228F}};
  for (const auto& c : cases) EXPECT_FLOAT_EQ(antilog(c.x), c.expected) << c.x;
}

TEST(fast_maths_antilog, InterpolatesWithinOneStep) {
  // Half-way between entries 1 and 2 of 10^(i/32): f = 1.5 rounds to entry 2 and
  // the segment from 2 to 3 is extended backwards.
  EXPECT_FLOAT_EQ(antilog(1.5F / 32.0F), 1.15478F - 0.5F * (1.24094F - 1.15478F));
  for (float x = -20.0F; x < 20.0F; x += 0.173F) {
    EXPECT_NEAR(antilog(x) / std::pow(10.0F, x), 1.0F, 3e-3) << x;
  }
}

TEST(fast_maths_antilog, ResultsBeyondTheFloatRangeAreRangeErrors) {
  EXPECT_THROW(antilog(39.0F), csl::range_error);
  EXPECT_THROW(antilog(nan), csl::range_error);
  EXPECT_THROW(antilog(inf), csl::range_error);
  EXPECT_NO_THROW(antilog(38.0F));
}

TEST(fast_maths_derived, LogarithmsToOtherBasesAndPowers) {
  EXPECT_NEAR(log_n(natural_e), 1.0F, 2e-3);
  EXPECT_NEAR(log_to_the_base(2.0F, 8.0F), 3.0F, 1e-3);
  EXPECT_EQ(log_to_the_base(1.0F, 8.0F), 0.0F);
  EXPECT_EQ(log_to_the_base(0.0F, 8.0F), 0.0F);
  EXPECT_EQ(log_to_the_base(-2.0F, 8.0F), 0.0F);
  EXPECT_NEAR(raise_x(2.0F, 10.0F), 1024.0F, 1.0F);
  EXPECT_NEAR(raise_e(1.0F), 2.7182817F, 2e-3);
  EXPECT_FLOAT_EQ(raise_e(0.0F), 1.0F);
  EXPECT_EQ(sqrt(2.25F), 1.5F);
  EXPECT_EQ(sqrt(0.0F), 0.0F);
  EXPECT_THROW(sqrt(-1.0F), csl::range_error);
  EXPECT_THROW(sqrt(nan), csl::range_error);
}

struct sum_case {
  std::vector<float> levels;
  double expected;
};

TEST(fast_maths_power_sum, AddsTableCorrectionsToTheRunningSum) {
  const sum_case cases[] = {
      {{60.0F}, 60.0},
      {{60.0F, 60.0F}, 63.0067},
      {{60.0F, 30.0F}, 60.0},  // 30 dB below: no part
      {{60.0F, 40.0F}, 60.0431},
      {{60.0F, 39.9F}, 60.0},
      {{60.0F, 55.0F}, 61.1908},
      {{60.0F, 54.6F}, 60.0 + 1.1908 - 0.4 * 0.2197},
      // 4.6 dB rounds to the 5 dB entry; its slope extends backwards.
      {{60.0F, 55.4F}, 60.0 + 1.1908 + 0.4 * 0.2197},
      // From the 60 at index 2: the 50 (10 dB below) comes first in index order,
      // then the other 60 against the running sum 60.4128.
      {{50.0F, 60.0F, 60.0F}, 60.4128 + 3.0067 - 0.4128 * 0.4712},
      // From the first 60, so the 50 comes before the second 60.
      {{60.0F, 50.0F, 60.0F}, 60.4128 + 3.0067 - 0.4128 * 0.4712},
      // The 59 first (1 dB below), then the 50 against the running sum 62.5355:
      // 12.5355 dB rounds to the 13 dB entry.
      {{59.0F, 60.0F, 50.0F}, 62.5355 + 0.2118 + 0.4645 * 0.0428},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(power_sum(c.levels), c.expected, 2e-4) << c.levels.size() << " " << c.levels[0];
  }
}

TEST(fast_maths_power_sum, EmptyInputAndNaNAreRangeErrors) {
  EXPECT_THROW(power_sum({}), csl::range_error);
  const std::vector<float> with_nan{60.0F, nan};
  EXPECT_THROW(power_sum(with_nan), csl::range_error);
}

}  // namespace
