// Rates of turn: conversions, arithmetic, and how each overflow is reported.
#include "csl_angle_rate.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "capture.hpp"
#include "csl_exceptions.hpp"

namespace {

using namespace csl_angle_rate;

const csl_time::interval two_seconds{0, 0, 0, 2, 0};

TEST(rate_conversions, BetweenOperatorUnits) {
  EXPECT_EQ(rate_of(degrees_per_second{-12.5F}).value(), -12.5F);
  EXPECT_EQ(rate_of(radians_per_second{1.0F}).value(), 57.29578F);
  EXPECT_EQ(rate_of(rpm(99999.99F)).value(), 599999.9375F);
  EXPECT_EQ(rate_of(rpm(-10.0F)).value(), -60.0F);
  EXPECT_EQ(rpm_of(rate(600.0F)).value(), 100.0F);
  EXPECT_EQ(rpm_of(degrees_per_second{-6.0F}).value(), -1.0F);
  EXPECT_FLOAT_EQ(rpm_of(radians_per_second{1.0F}).value(), 57.29578F / 6.0F);
  EXPECT_EQ(degrees_per_second_of(rate(-3.0F)).value, -3.0F);
  EXPECT_EQ(radians_per_second_of(rate(180.0F)).value, 180.0F * 0.017453292F);
  EXPECT_TRUE(is_clockwise(zero_rate));
  EXPECT_TRUE(is_clockwise(rate(0.5F)));
  EXPECT_FALSE(is_clockwise(rate(-0.5F)));
}

TEST(rate_conversions, OverIntervals) {
  EXPECT_FLOAT_EQ(rate_of(csl_angle::from_float_degrees_convert(90.0F), two_seconds).value(),
                  45.0F);
  // The angle is taken in -180 .. 180 degrees.
  EXPECT_FLOAT_EQ(rate_of(csl_angle::from_float_degrees_convert(270.0F), minute).value(), -1.5F);
  EXPECT_EQ(rate_of(revolution{1.0F}, second).value(), 360.0F);
  EXPECT_EQ(rate_of(revolution{-3.0F}, minute).value(), -18.0F);
  EXPECT_FLOAT_EQ(angle_of(rate(45.0F), two_seconds).radians(), csl_angle::piby2);
  EXPECT_FLOAT_EQ(angle_of(rate(-200.0F), two_seconds).radians(),
                  csl_angle::from_float_degrees_convert(-400.0F).radians());
  EXPECT_EQ(revolutions_of(rate(720.0F), two_seconds).value, 4.0F);
}

// What a failing call prints and which error it raises.
struct failure_case {
  const char* what;
  std::function<void()> call;
  const char* line;       // nullptr: nothing printed
  const char* full_name;  // of the error raised
};

void expect_failures(const std::vector<failure_case>& cases) {
  for (const auto& c : cases) {
    std::string raised;
    const auto lines = capture::lines_printed_by([&] {
      try {
        c.call();
      } catch (const csl::named_error& e) {
        raised = e.full_name();
      }
    });
    EXPECT_EQ(raised, c.full_name) << c.what;
    if (c.line == nullptr) {
      EXPECT_TRUE(lines.empty()) << c.what;
    } else {
      EXPECT_EQ(lines, std::vector<std::string>{c.line}) << c.what;
    }
  }
}

constexpr const char* range_line = "csl_angle_rate: RANGE_ERROR csl_angle_rate.rate";
constexpr const char* overflow_name = "CSL_ANGLE_RATE.OVERFLOW";

TEST(rate_overflow, ConversionsReportThenRaiseOverflowOrTheRangeError) {
  const csl_time::interval none = csl_time::zero_interval;
  expect_failures({
      {"degrees", [] { rate_of(degrees_per_second{600000.0F}); }, range_line, overflow_name},
      {"radians", [] { rate_of(radians_per_second{20000.0F}); }, range_line, overflow_name},
      {"turns", [&] { rate_of(revolution{1.0F}, none); },
       "csl_angle_rate: RANGE_ERROR csl_angle_rate.rate_of", overflow_name},
      {"rpm of degrees", [] { rpm_of(degrees_per_second{600000.0F}); },
       "csl_angle_rate: RANGE_ERROR csl_angle_rate.rpm", "RANGE_ERROR"},
      {"rpm of radians", [] { rpm_of(radians_per_second{-20000.0F}); },
       "csl_angle_rate: RANGE_ERROR csl_angle_rate.rpm", "RANGE_ERROR"},
      {"angle over nothing", [&] { rate_of(csl_angle::angle(1.0F), none); }, nullptr,
       "RANGE_ERROR"},
  });
}

TEST(rate_overflow, ArithmeticReportsThenRaisesOverflowExceptDivisionByAnInteger) {
  const rate big(500000.0F);
  expect_failures({
      {"+", [&] { (void)(big + big); }, range_line, overflow_name},
      {"-", [&] { (void)(rate(-500000.0F) - big); }, range_line, overflow_name},
      {"rate * real", [&] { (void)(big * 2.0F); }, range_line, overflow_name},
      {"real * rate", [&] { (void)(-2.0F * big); }, range_line, overflow_name},
      {"rate * integer", [&] { (void)(big * 2); }, range_line, overflow_name},
      {"integer * rate", [&] { (void)(2 * big); }, range_line, overflow_name},
      {"rpm * real", [] { (void)(rpm(60000.0F) * 2.0F); },
       "csl_angle_rate: RANGE_ERROR csl_angle_rate.rpm", overflow_name},
      {"rpm * integer", [] { (void)(rpm(60000.0F) * -2); },
       "csl_angle_rate: RANGE_ERROR csl_angle_rate.rpm", overflow_name},
      {"rate / real", [&] { (void)(big / 0.5F); }, range_line, overflow_name},
      {"rate / zero", [&] { (void)(big / 0.0F); },
       "csl_angle_rate: RANGE_ERROR csl_angle_rate.\"/\"", overflow_name},
      {"rate / rate", [&] { (void)(big / zero_rate); },
       "csl_angle_rate: RANGE_ERROR csl_angle_rate.\"/\"", overflow_name},
      {"rate / integer", [&] { (void)(big / 0); }, nullptr, "RANGE_ERROR"},
  });
  capture::output_of([&] {
    try {
      (void)(big + big);
      ADD_FAILURE() << "no overflow";
    } catch (const overflow& e) {
      EXPECT_EQ(e.message(), "csl_angle_rate.\"+\"");
    }
  });
}

TEST(rate_arithmetic, PlainResultsWithinRange) {
  EXPECT_EQ(rate(1.5F) + rate(2.0F), rate(3.5F));
  EXPECT_EQ(rate(1.5F) - rate(2.0F), rate(-0.5F));
  EXPECT_EQ(rate(1.5F) * 2.0F, rate(3.0F));
  EXPECT_EQ(2.0F * rate(1.5F), rate(3.0F));
  EXPECT_EQ(rate(1.5F) * -2, rate(-3.0F));
  EXPECT_EQ(-2 * rate(1.5F), rate(-3.0F));
  EXPECT_EQ(rpm(10.0F) * 0.5F, rpm(5.0F));
  EXPECT_EQ(rpm(10.0F) * 3, rpm(30.0F));
  EXPECT_EQ(rate(3.0F) / 2.0F, rate(1.5F));
  EXPECT_EQ(rate(3.0F) / 2, rate(1.5F));
  EXPECT_EQ(rate(3.0F) / rate(-6.0F), -0.5F);
  EXPECT_LT(rate(-1.0F), zero_rate);
  EXPECT_GE(rate(1.0F), rate(1.0F));
}

TEST(rate_images, RpmMagnitudeInSevenCharacters) {
  const struct {
    float degrees_per_second;
    const char* image;
  } cases[] = {
      {600.0F, "  100.0"},       {-600.0F, "  100.0"}, {0.0F, "    0.0"},
      {599999.9375F, "99999.9"}, {-9.0F, "    1.5"},   {3.0F, "    0.5"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(rpm_image_of(rate(c.degrees_per_second)), c.image) << c.degrees_per_second;
  }
}

}  // namespace
