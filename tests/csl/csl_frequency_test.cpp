// Frequency shifts scaled and divided, and the frequency of a rate of turn.
#include "csl_frequency.hpp"

#include <gtest/gtest.h>

#include "csl_exceptions.hpp"

namespace {

using namespace csl_frequency;

TEST(frequency_offsets, ScaledAndDivided) {
  EXPECT_EQ(offset(-3.0F) * 2.5F, offset(-7.5F));
  EXPECT_EQ(2.5F * offset(-3.0F), offset(-7.5F));
  EXPECT_EQ(offset(-3.0F) * 2, offset(-6.0F));
  EXPECT_EQ(-2 * offset(-3.0F), offset(6.0F));
  EXPECT_EQ(offset(-3.0F) / 2, offset(-1.5F));
  EXPECT_EQ(offset(-3.0F) / 0.5F, offset(-6.0F));
  EXPECT_THROW(offset(1.0F) / 0, csl::range_error);
  EXPECT_THROW(offset(1.0F) / 0.0F, csl::range_error);
  EXPECT_THROW(offset(3e38F) * 10, csl::range_error);
}

TEST(frequency_of_rates, RevolutionsPerSecondAsAMagnitude) {
  using csl_angle_rate::rate;
  EXPECT_EQ(hertz_of(rate(-360.0F)), hertz(1.0F));
  EXPECT_EQ(hertz_of(rate(720.0F)), hertz(2.0F));
  EXPECT_EQ(hertz_of(csl_angle_rate::zero_rate), hertz(0.0F));
  EXPECT_FLOAT_EQ(hertz_of(rate(599999.9375F)).value(), 599999.9375F / 360.0F);
}

}  // namespace
