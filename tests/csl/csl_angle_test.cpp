// Angles: wrapping, conversions to and from degrees, brams and text, wrapped
// arithmetic, turn and sector tests, and the table trigonometry.
#include "csl_angle.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "capture.hpp"
#include "csl_exceptions.hpp"
#include "csl_system_numbers.hpp"

namespace {

using namespace csl_angle;

constexpr float nan = std::numeric_limits<float>::quiet_NaN();
constexpr double exact_pi = 3.14159265358979323846;

angle a(float radians) {
  return angle(radians);
}

struct real_case {
  float in;
  float expected;
};

TEST(angle_wrapping, BringIntoRangeGivesMinusPiUpToJustBelowPi) {
  const real_case cases[] = {
      {pi, -pi},
      {-pi, -pi},
      {0.0F, 0.0F},
      {4.0F, 4.0F - two_pi},
      {-4.0F, -4.0F + two_pi},
      {13.0F, 13.0F - two_pi - two_pi},
  };
  for (const auto& c : cases) {
    const std::string printed =
        capture::output_of([&] { EXPECT_EQ(bring_into_range(c.in), c.expected) << c.in; });
    EXPECT_EQ(printed, "") << c.in;
  }
  // The largest sensible angle still comes into range, silently.
  float got = 0.0F;
  EXPECT_EQ(capture::output_of([&] { got = bring_into_range(1000000.0F); }), "");
  EXPECT_TRUE(got >= -pi && got < pi) << got;
}

TEST(angle_wrapping, AnAbsurdAngleIsReportedWithoutALineEndAndGivesZero) {
  for (float absurd : {2000000.0F, -1000001.0F, std::numeric_limits<float>::infinity()}) {
    float got = 1.0F;
    EXPECT_EQ(capture::output_of([&] { got = bring_into_range(absurd); }),
              "absurd angle to bring into range 0 returned");
    EXPECT_EQ(got, 0.0F);
  }
}

TEST(angle_conversions, FromOperatorUnits) {
  EXPECT_EQ(from_float_degrees_convert(180.0F), a(-pi));
  EXPECT_FLOAT_EQ(from_float_degrees_convert(270.0F).radians(), -piby2);
  EXPECT_FLOAT_EQ(from_float_radians_convert(4.0F).radians(), 4.0F - two_pi);
  EXPECT_EQ(from_radian_convert(radians{-pi}), a(-pi));
  EXPECT_THROW(from_radian_convert(radians{4.0F}), csl::range_error);
  EXPECT_EQ(from_degree_convert(degrees(180.0F)), a(pi));  // not wrapped
  EXPECT_EQ(from_degree_convert(degrees(-90.0F)).radians(), -90.0F * 0.017453292F);
  EXPECT_EQ(from_brams_convert(bram_type(-1.0F)), a(-pi));
  EXPECT_EQ(from_brams_convert(bram_type(0.5F)), a(piby2));
  EXPECT_LT(from_brams_convert(bram_type::from_count(32767)).radians(), pi);
}

TEST(angle_conversions, ToDegreesAndRadiansFromAStart) {
  const angle minus_90 = from_float_degrees_convert(-90.0F);
  EXPECT_FLOAT_EQ(to_float_degrees_convert(minus_90, 0.0F), 270.0F);
  EXPECT_FLOAT_EQ(to_float_degrees_convert(minus_90, -180.0F), -90.0F);
  EXPECT_FLOAT_EQ(to_float_degrees_convert(minus_90, 720.0F), 990.0F);
  EXPECT_FLOAT_EQ(to_float_degrees_convert(minus_90, -1000.0F), -810.0F);
  // Both ends of the span are inside it.
  EXPECT_EQ(to_float_degrees_convert(a(pi), -180.0F), 180.0F);
  EXPECT_EQ(to_float_degrees_convert(a(-pi), -180.0F), -180.0F);
  EXPECT_FLOAT_EQ(to_float_radians_convert(a(-piby2), 0.0F), 3.0F * piby2);
  EXPECT_FLOAT_EQ(to_float_radians_convert(a(piby2), -10.0F), piby2 - two_pi);
  EXPECT_THROW(to_float_degrees_convert(minus_90, nan), csl::range_error);
}

TEST(angle_conversions, ToBramsRoundsAndFoldsPiOntoMinusOne) {
  struct bram_case {
    float radians;
    int count;
  };
  const bram_case cases[] = {
      {pi, -32768},         {-pi, -32768}, {piby2, 16384}, {-piby2, -16384}, {0.0F, 0},
      {pi / 65536.0F, 1},  // exactly half a count rounds away from zero
      {-pi / 65536.0F, -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(to_brams_convert(a(c.radians)).count(), c.count) << c.radians;
  EXPECT_EQ(to_brams_convert(a(pi)).value(), -1.0F);
  EXPECT_EQ(to_brams_convert(a(piby2)).value(), 0.5F);
}

TEST(angle_conversions, ToRadiansAndDegrees) {
  EXPECT_EQ(to_radian_convert(a(-1.25F)).value, -1.25F);
  EXPECT_EQ(to_degree_convert(a(pi)).value(), 180.0F);
  EXPECT_EQ(to_degree_convert(a(-pi)).value(), -180.0F);
  EXPECT_FLOAT_EQ(to_degree_convert(a(1.0F)).value(), 57.29578F);
}

TEST(angle_text, ReadsOneRealAndTheIndexOfItsLastCharacter) {
  struct read_case {
    const char* text;
    bool in_degrees;
    std::size_t last;
    float value;
  };
  const read_case cases[] = {
      {"  45.5xyz", true, 5, 45.5F},
      {"90", true, 1, 90.0F},
      {"\t-1_000.0 rest", true, 8, -1000.0F},
      {"1.5e1", true, 4, 15.0F},
      {"+0.5", false, 3, 0.5F},
      {"3", false, 0, 3.0F},
      {"-2.5E-1,", false, 6, -0.25F},
      {"7.0 8.0", false, 2, 7.0F},
  };
  for (const auto& c : cases) {
    const read_angle r =
        c.in_degrees ? from_degree_string_convert(c.text) : from_radian_string_convert(c.text);
    EXPECT_EQ(r.last_digit, c.last) << c.text;
    const angle expected =
        c.in_degrees ? from_float_degrees_convert(c.value) : from_float_radians_convert(c.value);
    EXPECT_EQ(r.the_angle, expected) << c.text;
  }
}

TEST(angle_text, ATextWithoutARealIsAStringErrorAndABlankOneTheEndError) {
  for (const char* bad : {"abc", "1.", ".5", "1e", "1e+", "1__0", "1_", "-", "+x", "1e99", "- 1"}) {
    EXPECT_THROW(from_radian_string_convert(bad), string_error) << bad;
    EXPECT_THROW(from_degree_string_convert(bad), string_error) << bad;
  }
  for (const char* blank : {"", "   ", "\t"}) {
    try {
      from_degree_string_convert(blank);
      ADD_FAILURE() << "no error for '" << blank << "'";
    } catch (const end_error& e) {
      EXPECT_EQ(e.full_name(), "END_ERROR");
      EXPECT_EQ(e.message(), "csl_angle.from_degree_string_convert");
    }
  }
  try {
    from_radian_string_convert("x");
  } catch (const csl::named_error& e) {
    EXPECT_EQ(e.full_name(), "CSL_ANGLE.STRING_ERROR");
  }
}

TEST(angle_text, WritesRadiansRightJustifiedOverTheWholeString) {
  std::string s(8, '#');
  convert_angle_to_string(a(-1.5F), s, 3);
  EXPECT_EQ(s, "  -1.500");
  convert_angle_to_string(a(0.25F), s, 0);  // at least one decimal; the half goes up
  EXPECT_EQ(s, "     0.3");
  convert_angle_to_string(a(-0.125F), s, 2);
  EXPECT_EQ(s, "   -0.13");
  std::string exact(6, '#');
  convert_angle_to_string(a(-pi), exact, 3);
  EXPECT_EQ(exact, "-3.142");
  std::string short_one(5, '#');
  EXPECT_THROW(convert_angle_to_string(a(-pi), short_one, 3), csl_system_numbers::layout_error);
  EXPECT_EQ(short_one, "#####");
  EXPECT_THROW(convert_angle_to_string(a(1.0F), s, 256), csl::range_error);
  EXPECT_THROW(convert_angle_to_string(a(1.0F), s, -1), csl::range_error);
}

TEST(angle_arithmetic, SumsProductsAndQuotientsWrap) {
  EXPECT_EQ(a(3.0F) + a(1.0F), a(4.0F - two_pi));
  EXPECT_EQ(a(-3.0F) - a(1.0F), a(-4.0F + two_pi));
  EXPECT_EQ(a(piby2) + a(piby2), a(-pi));
  EXPECT_EQ(-a(pi), a(-pi));
  EXPECT_EQ(-a(-pi), a(pi));
  EXPECT_EQ(a(2.0F) * 2.0F, a(4.0F - two_pi));
  // Quotients first take each angle in 0 .. 2 pi.
  EXPECT_FLOAT_EQ(a(-piby2) / a(piby2), 3.0F);
  EXPECT_FLOAT_EQ((a(-piby2) / 3.0F).radians(), piby2);
  EXPECT_FLOAT_EQ(div180(a(-1.0F), a(2.0F)), -0.5F);
  EXPECT_EQ(div180(a(-1.0F), 2.0F), a(-0.5F));
  EXPECT_THROW(a(1.0F) / zero_degrees, csl::range_error);
  EXPECT_THROW(a(1.0F) / 0.0F, csl::range_error);
  EXPECT_THROW(div180(a(1.0F), zero_degrees), csl::range_error);
  EXPECT_THROW(div180(a(1.0F), 0.0F), csl::range_error);
}

struct pair_case {
  float left;
  float right;
  bool expected;
};

TEST(angle_turns, PortWhenTheDifferenceLiesInMinusPiToZeroOrBeyondPi) {
  const pair_case cases[] = {
      {0.0F, piby2, true},  {piby2, 0.0F, false}, {3.0F, -3.0F, true},
      {-3.0F, 3.0F, false}, {1.0F, 1.0F, false},  {0.0F, pi, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(port_turn_shorter(a(c.left), a(c.right)), c.expected) << c.left << " " << c.right;
    EXPECT_EQ(starboard_turn_shorter(a(c.left), a(c.right)), !c.expected);
  }
}

TEST(angle_turns, AverageIsTheBisectorOfTheSmallerArc) {
  EXPECT_FLOAT_EQ(average(a(0.0F), a(piby2)).radians(), piby2 / 2.0F);
  EXPECT_FLOAT_EQ(average(a(piby2), a(0.0F)).radians(), piby2 / 2.0F);
  EXPECT_EQ(average(a(-3.0F * piby2 / 2.0F), a(3.0F * piby2 / 2.0F)), a(-pi));
  // -2 and 3 are closer across pi: the bisector lies opposite their mean 0.5.
  EXPECT_FLOAT_EQ(average(a(3.0F), a(-2.0F)).radians(), 0.5F - pi);
  EXPECT_EQ(average(a(1.0F), a(1.0F)), a(1.0F));
  EXPECT_FLOAT_EQ(average(a(0.0F), a(pi)).radians(), piby2);
}

TEST(angle_turns, SectorsIncludeTheirEdgesAndMayCrossPi) {
  struct sector_case {
    float the_angle;
    float left;
    float right;
    bool inside;
  };
  const float three_quarters = 3.0F * piby2 / 2.0F;
  const sector_case cases[] = {
      {pi, three_quarters, -three_quarters, true},
      {-pi, three_quarters, -three_quarters, true},
      {0.0F, three_quarters, -three_quarters, false},
      {three_quarters, three_quarters, -three_quarters, true},
      {0.0F, -1.0F, 1.0F, true},
      {1.0F, -1.0F, 1.0F, true},
      {2.0F, -1.0F, 1.0F, false},
      {pi, -1.0F, 1.0F, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(in_sector(a(c.the_angle), a(c.left), a(c.right)), c.inside)
        << c.the_angle << " in " << c.left << " .. " << c.right;
  }
}

TEST(angle_tables, TablesHoldTheirFunctionsWithAnEntryBeyondEachEnd) {
  for (int i = -1; i <= 901; ++i) {
    EXPECT_NEAR(sine_table(i), std::sin(i * exact_pi / 1800.0), 2e-7) << i;
  }
  for (int i = -1; i <= 101; ++i) {
    EXPECT_NEAR(arctan_table(i), std::atan(i / 100.0), 2e-7) << i;
  }
  EXPECT_EQ(sine_table(0), 0.0F);
  EXPECT_EQ(sine_table(900), 1.0F);
  EXPECT_THROW(sine_table(-2), csl::range_error);
  EXPECT_THROW(sine_table(902), csl::range_error);
  EXPECT_THROW(arctan_table(-2), csl::range_error);
  EXPECT_THROW(arctan_table(102), csl::range_error);
}

TEST(angle_tables, CompiledTablesEqualTheSeriesAtRunTime) {
  // The compiler evaluates the series; the program must get the same floats.
  for (int i = -1; i <= 901; ++i) {
    volatile float index = static_cast<float>(i);  // keeps the series at run time
    EXPECT_EQ(sine_table(i), series_sine(index / 900.0F * piby2)) << i;
  }
  for (int i = -1; i <= 101; ++i) {
    volatile float index = static_cast<float>(i);
    EXPECT_EQ(arctan_table(i), series_arctan(index / 100.0F, 1.0F)) << i;
  }
}

TEST(angle_tables, SineAndCosineFollowThePlatformOverTheWholeCircle) {
  for (int k = -20000; k <= 20000; ++k) {
    const float x = static_cast<float>(k) * pi / 20000.0F;
    EXPECT_NEAR(sine(a(x)), std::sin(static_cast<double>(x)), 1e-6) << x;
    EXPECT_NEAR(cos(a(x)), std::cos(static_cast<double>(x)), 1e-6) << x;
  }
  EXPECT_EQ(sine(zero_degrees), 0.0F);
  EXPECT_EQ(sine(a(piby2)), 1.0F);
  EXPECT_EQ(sine(a(-piby2)), -1.0F);
  EXPECT_NEAR(tan(a(piby2 / 2.0F)), 1.0F, 1e-6);
  EXPECT_NEAR(tan(a(-1.0F)), std::tan(-1.0), 1e-5);
  EXPECT_THROW(tan(a(piby2)), csl::range_error);
}

TEST(angle_tables, ArctanFollowsThePlatformInEveryQuadrant) {
  for (int k = -3600; k < 3600; ++k) {
    const double bearing = k * exact_pi / 3600.0;
    for (double size : {1e-3, 1.0, 250.0}) {
      const auto x = static_cast<float>(size * std::sin(bearing));
      const auto y = static_cast<float>(size * std::cos(bearing));
      const double expected = std::atan2(static_cast<double>(x), static_cast<double>(y));
      double error = std::fabs(arctan(x, y).radians() - expected);
      if (error > exact_pi) error = std::fabs(error - 2.0 * exact_pi);  // +-pi
      EXPECT_LT(error, 1e-5) << x << " " << y;
    }
  }
}

TEST(angle_tables, ArctanMeasuresFromNorthTowardsEast) {
  struct arctan_case {
    float x;
    float y;
    float expected;
  };
  const arctan_case cases[] = {
      {1.0F, 0.0F, piby2},
      {0.0F, -1.0F, pi},
      {-1.0F, 0.0F, -piby2},
      {0.0F, 0.0F, 0.0F},
      {0.0F, 5.0F, 0.0F},
      {3.0F, 3.0F, piby2 / 2.0F},
      {-2.0F, -2.0F, -3.0F * piby2 / 2.0F},
  };
  for (const auto& c : cases) EXPECT_FLOAT_EQ(arctan(c.x, c.y).radians(), c.expected);
  EXPECT_THROW(arctan(nan, 1.0F), csl::range_error);
}

TEST(angle_tables, InverseFunctionsRefuseArgumentsBeyondOne) {
  EXPECT_FLOAT_EQ(arcsine(1.0F).radians(), piby2);
  EXPECT_FLOAT_EQ(arcsine(-1.0F).radians(), -piby2);
  EXPECT_NEAR(arcsine(0.5F).radians(), exact_pi / 6.0, 1e-5);
  EXPECT_EQ(arccos(1.0F), zero_degrees);
  EXPECT_FLOAT_EQ(arccos(-1.0F).radians(), pi);
  EXPECT_NEAR(arccos(0.5F).radians(), exact_pi / 3.0, 1e-5);
  for (float bad : {1.0000001F, -1.5F, nan}) {
    EXPECT_THROW(arcsine(bad), out_of_range) << bad;
    EXPECT_THROW(arccos(bad), out_of_range) << bad;
  }
}

TEST(angle_series, FoldingRulesHoldForAnyArgument) {
  for (float x = -30.0F; x < 30.0F; x += 0.0137F) {
    EXPECT_NEAR(series_sine(x), std::sin(static_cast<double>(x)), 2e-6) << x;
    EXPECT_NEAR(series_cosine(x), std::cos(static_cast<double>(x)), 2e-6) << x;
  }
  for (float x : {-3.0F, -0.2F, 0.0F, 0.4F, 0.9F, 7.0F}) {
    for (float y : {-5.0F, -0.5F, 0.0F, 0.6F, 1.0F, 9.0F}) {
      EXPECT_NEAR(series_arctan(x, y), std::atan2(x, y), 1e-6) << x << " " << y;
    }
  }
  EXPECT_THROW(series_sine(nan), csl::range_error);
  EXPECT_THROW(
      series_arctan(std::numeric_limits<float>::infinity(), std::numeric_limits<float>::infinity()),
      csl::range_error);
}

}  // namespace
