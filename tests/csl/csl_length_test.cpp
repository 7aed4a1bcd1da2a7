// Distances and displacements: units, arithmetic, images and relative depth.
#include "csl_length.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "csl_exceptions.hpp"

namespace {

using namespace csl_length;

distance m(float metres) {
  return distance(metres);
}
position_vector p(float metres) {
  return position_vector(metres);
}

TEST(length_units, DistancesAreMagnitudesInMetres) {
  EXPECT_EQ(create<distance>(feet{-10.0F}).metres(), 10.0F * 0.3048F);
  EXPECT_FLOAT_EQ(create<distance>(feet{-10.0F}).metres(), 3.048F);
  EXPECT_EQ(create<distance>(yards{50.0F}).metres(), 50.0F * 0.9144F);
  EXPECT_EQ(create<distance>(metres{-2.5F}).metres(), 2.5F);
  EXPECT_EQ(create<distance>(nautical_miles{1.0F}).metres(), 1853.184F);
  EXPECT_THROW(create<distance>(nautical_miles{1e23F}), csl::range_error);
}

TEST(length_units, DisplacementsKeepTheirSign) {
  EXPECT_EQ(create<position_vector>(feet{-10.0F}).metres(), -10.0F * 0.3048F);
  EXPECT_EQ(create<position_vector>(yards{-1.0F}).metres(), -0.9144F);
  EXPECT_EQ(create<position_vector>(nautical_miles{-2.0F}).metres(), -2.0F * 1853.184F);
  EXPECT_EQ(create<position_vector>(m(7.0F)).metres(), 7.0F);
}

TEST(length_units, ValuesInEachUnit) {
  EXPECT_EQ(value_of<nautical_miles>(m(1853.184F)).value, 1.0F);
  EXPECT_EQ(value_of<yards>(m(0.9144F)).value, 1.0F);
  EXPECT_FLOAT_EQ(value_of<feet>(m(3.048F)).value, 10.0F);
  EXPECT_EQ(value_of<metres>(m(4.5F)).value, 4.5F);
  EXPECT_EQ(value_of(m(4.5F)), 4.5F);
  EXPECT_EQ(value_of<feet>(p(-0.3048F)).value, -1.0F);
  EXPECT_EQ(value_of<nautical_miles>(p(-1853.184F)).value, -1.0F);
  EXPECT_EQ(value_of(p(-4.5F)), -4.5F);
}

TEST(length_distances, ArithmeticStaysNonNegative) {
  EXPECT_EQ(m(5.0F) + m(6.0F), m(11.0F));
  EXPECT_EQ(m(6.0F) - m(5.0F), m(1.0F));
  EXPECT_EQ(m(5.0F) - m(5.0F), zero_distance);
  EXPECT_THROW(m(5.0F) - m(6.0F), csl::range_error);
  EXPECT_EQ(m(5.0F) * -2.0F, m(10.0F));
  EXPECT_EQ(-2.0F * m(5.0F), m(10.0F));
  EXPECT_EQ(m(5.0F) / -2.0F, m(2.5F));
  EXPECT_EQ(m(5.0F) / m(2.0F), 2.5F);
  EXPECT_THROW(m(5.0F) / 0.0F, csl::range_error);
  EXPECT_THROW(m(5.0F) / zero_distance, csl::range_error);
  EXPECT_THROW(m(distance_last) + m(distance_last), csl::range_error);
  EXPECT_THROW(m(distance_last) * 2.0F, csl::range_error);
  EXPECT_THROW(m(1.0F) * std::numeric_limits<float>::quiet_NaN(), csl::range_error);
  EXPECT_EQ(+m(3.0F), p(3.0F));
  EXPECT_EQ(-m(3.0F), p(-3.0F));
}

TEST(length_displacements, PlainSignedArithmetic) {
  EXPECT_EQ(p(5.0F) - p(6.0F), p(-1.0F));
  EXPECT_EQ(p(5.0F) + p(-6.0F), p(-1.0F));
  EXPECT_EQ(-p(2.0F), p(-2.0F));
  EXPECT_EQ(p(2.0F) * -3.0F, p(-6.0F));
  EXPECT_EQ(-3.0F * p(2.0F), p(-6.0F));
  EXPECT_EQ(p(-6.0F) / 4.0F, p(-1.5F));
  EXPECT_EQ(p(-6.0F) / p(4.0F), -1.5F);
  EXPECT_EQ(p(-6.0F) + m(4.0F), p(-2.0F));
  EXPECT_EQ(p(-6.0F) - m(4.0F), p(-10.0F));
  EXPECT_EQ(absolute(p(-6.0F)), m(6.0F));
  EXPECT_THROW(p(1.0F) / 0.0F, csl::range_error);
  EXPECT_THROW(p(1.0F) / zero_position_vector, csl::range_error);
  EXPECT_THROW(p(3e38F) + p(3e38F), csl::range_error);
  EXPECT_LT(p(-1.0F), zero_position_vector);
}

TEST(length_images, RightJustifiedInTheCallersString) {
  std::string s(8, '#');
  image_in_metres(m(12.3456F), 2, s);
  EXPECT_EQ(s, "   12.35");
  image_in_yards(m(0.9144F), 1, s);
  EXPECT_EQ(s, "     1.0");
  image_in_nautical_miles(m(1853.184F), 3, s);
  EXPECT_EQ(s, "   1.000");
  image_in_metres(m(-0.0F), 0, s);  // one decimal at least, and no sign
  EXPECT_EQ(s, "     0.0");
  image_in_metres(m(99999.9F), 1, s);
  EXPECT_EQ(s, " 99999.9");
}

// Exact binary ties round away from zero, as every other image of the system does.
TEST(length_images, HalvesRoundAwayFromZero) {
  std::string s(8, '#');
  image_in_metres(m(0.125F), 2, s);
  EXPECT_EQ(s, "    0.13");
  image_in_metres(m(12.25F), 1, s);
  EXPECT_EQ(s, "    12.3");
  image_in_metres(m(0.375F), 2, s);
  EXPECT_EQ(s, "    0.38");
  image_in_metres(m(2.5F), 0, s);  // one decimal at least: 2.5 is no tie there
  EXPECT_EQ(s, "     2.5");
  image_in_metres(m(0.25F), 0, s);
  EXPECT_EQ(s, "     0.3");
}

TEST(length_images, AnImageTooLongIsTheLayoutErrorAndLeavesTheString) {
  std::string s(5, '#');
  try {
    image_in_yards(m(1000.0F), 2, s);
    ADD_FAILURE() << "no layout error";
  } catch (const layout_error& e) {
    EXPECT_EQ(e.full_name(), "CSL_LENGTH.LAYOUT_ERROR");
    EXPECT_EQ(e.message(), "csl_length.image_in_yards");
  }
  EXPECT_EQ(s, "#####");
  EXPECT_THROW(image_in_metres(m(1.0F), 1, std::span<char>()), layout_error);
  EXPECT_THROW(image_in_nautical_miles(m(1.0F), 256, s), csl::range_error);
}

TEST(length_depth, RangeTimesTangentTurnedOverBeyondNinetyDegrees) {
  const struct {
    float elevation_degrees;
    float depth;
  } cases[] = {
      {45.0F, 1000.0F}, {135.0F, 1000.0F}, {-45.0F, -1000.0F}, {-135.0F, -1000.0F}, {0.0F, 0.0F},
  };
  for (const auto& c : cases) {
    const auto elevation = csl_angle::from_float_degrees_convert(c.elevation_degrees);
    EXPECT_NEAR(relative_depth(m(1000.0F), elevation).metres(), c.depth, 0.01)
        << c.elevation_degrees;
  }
  EXPECT_THROW(relative_depth(m(1000.0F), csl_angle::angle(csl_angle::piby2)), csl::range_error);
}

}  // namespace
