// Percentages applied to numbers, and their image.
#include "csl_statistical.hpp"

#include <gtest/gtest.h>

#include "csl_exceptions.hpp"

namespace {

using namespace csl_statistical;

TEST(percentage_arithmetic, AHundredthOfThePercentageTimesTheNumber) {
  EXPECT_EQ(percentage(50.0F) * 3.0F, 1.5F);
  EXPECT_EQ(3.0F * percentage(50.0F), 1.5F);
  EXPECT_EQ(percentage(25.0F) * 4, 1.0F);
  EXPECT_EQ(-4 * percentage(25.0F), -1.0F);
  EXPECT_EQ(zero_percent * 1e30F, 0.0F);
  EXPECT_THROW(percentage(3e38F) * 1e10F, csl::range_error);
}

TEST(percentage_images, SixCharactersWithOneDecimal) {
  const struct {
    float value;
    const char* image;
  } cases[] = {
      {50.0F, "  50.0"},
      {0.0F, "   0.0"},
      {-5.26F, "  -5.3"},
      {9999.9F, "9999.9"},
      {-999.9F, "-999.9"},
      {100.04F, " 100.0"},
      // Exact binary ties round away from zero.
      {12.25F, "  12.3"},
      {-0.25F, "  -0.3"},
      {0.75F, "   0.8"},
  };
  for (const auto& c : cases) EXPECT_EQ(image_of(percentage(c.value)), c.image) << c.value;
  EXPECT_THROW(image_of(percentage(12345.0F)), csl_system_numbers::layout_error);
  EXPECT_THROW(image_of(percentage(-1000.0F)), csl_system_numbers::layout_error);
}

}  // namespace
