// Fixed-format images: the fixed-decimal image and its unit instances, lengths,
// rates, intervals, durations, dates and times, latitude and longitude.
#include "csl_image_utilities.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "capture.hpp"
#include "csl_decibel.hpp"

namespace {

using namespace csl_image_utilities;

constexpr const char* overflow_name = "CSL_IMAGE_UTILITIES.IMAGE_OVERFLOW";

// The full name of the error the call raises, or "" when it raises none.
std::string raised_by(const std::function<void()>& call) {
  try {
    call();
  } catch (const csl::named_error& e) {
    return e.full_name();
  }
  return "";
}

struct fixed_case {
  double value;
  int before;
  int after;
  const char* image;
};

TEST(fixed_decimal_image, PlacesSignPointAndDecimals) {
  const std::vector<fixed_case> cases{
      {12.34, 4, 1, "  12.3"},    {-12.34, 4, 1, " -12.3"},       {10.0, 3, 1, " 10.0"},
      {100.0, 3, 1, "100.0"},     {-5.0, 3, 1, " -5.0"},          {0.0, 3, 1, "  0.0"},
      {-9.5, 3, 1, " -9.5"},      {-99.5, 3, 1, "-99.5"},         {0.5, 1, 3, "0.500"},
      {-9.9999, 2, 4, "-9.9999"}, {-99999.99, 6, 2, "-99999.99"}, {0.0009F, 1, 5, "0.00090"},
      {1.0e-30, 3, 1, "  0.0"},   {-0.0, 3, 1, "  0.0"},  // minus zero is not negative
      {-0.04, 3, 1, " -0.0"},  // a negative value keeps its sign when it rounds to zero
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fixed_decimal_image_of(c.value, {c.before, c.after}, "test"), c.image)
        << c.value << " " << c.before << "/" << c.after;
  }
}

TEST(fixed_decimal_image, WithoutDecimalsRoundsToOneDecimalThenDropsIt) {
  const std::vector<fixed_case> cases{
      {50.0, 5, 0, "   50"},    {49.96, 5, 0, "   50"},   {49.94, 5, 0, "   49"},
      {20000.0, 5, 0, "20000"}, {2.5, 5, 0, "    2"},     {-7.0, 3, 0, " -7"},
      {-99.0, 3, 0, "-99"},     {99999.0, 5, 0, "99999"}, {0.96, 1, 0, "1"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fixed_decimal_image_of(c.value, {c.before, c.after}, "test"), c.image) << c.value;
  }
}

TEST(fixed_decimal_image, PositiveOverflowKeepsTheLastIntegerDigits) {
  const std::vector<fixed_case> cases{
      {1000000.0, 6, 4, "000000.0000"},
      {9999.99F, 4, 1, "0000.0"},  // rounds to 10000.0
      {9.96, 1, 1, "0.0"},         // the carry makes a new digit, which is dropped
      {123456.0, 3, 0, "456"},
      {1.0e22, 22, 1, "0000000000000000000000.0"},  // 23 digits, 22 kept
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fixed_decimal_image_of(c.value, {c.before, c.after}, "test"), c.image) << c.value;
  }
}

TEST(fixed_decimal_image, RoundsTheLastDecimalHalfAwayFromZero) {
  // Exact binary halves: a tie at the last decimal goes away from zero.
  const std::vector<fixed_case>
      cases{
          {0.25, 2, 1, " 0.3"},    {-0.25, 2, 1, "-0.3"}, {0.125, 2, 2, " 0.13"},
          {-0.375, 2, 2, "-0.38"}, {2.5, 2, 1, " 2.5"},   {0.75, 1, 1, "0.8"},
          {0.35F, 2, 1, " 0.3"},  // the float 0.35 lies just below 0.35
          {0.15F, 2, 1, " 0.2"},  // and 0.15 just above
      };
  for (const auto& c : cases) {
    EXPECT_EQ(fixed_decimal_image_of(c.value, {c.before, c.after}, "test"), c.image) << c.value;
  }
}

TEST(fixed_decimal_image, OverflowsWithoutRoomForTheSignOrTheBuffer) {
  const std::vector<fixed_case> cases{
      {-1234.0, 4, 1, nullptr},
      {-100.0, 3, 1, nullptr},
      {-10.0, 2, 0, nullptr},
      {-0.5, 1, 3, nullptr},
      {1.0e24, 23, 0, nullptr},  // 25 digits, the point and a decimal
      {-1.0e30, 4, 1, nullptr},
      {std::numeric_limits<double>::quiet_NaN(), 4, 1, nullptr},
      {std::numeric_limits<double>::infinity(), 4, 1, nullptr},
      {1.0, 0, 1, nullptr},   // no character before the point
      {1.0, 24, 1, nullptr},  // the layout itself leaves the buffer
  };
  for (const auto& c : cases) {
    EXPECT_EQ(raised_by([&] {
                fixed_decimal_image_of(c.value, {c.before, c.after}, "test");
              }),
              overflow_name)
        << c.value << " " << c.before << "/" << c.after;
  }
}

TEST(fixed_decimal_image, OverflowMessageNamesTheInstance) {
  try {
    fixed_decimal<float, 3, 1>::image_of(-100.0F, "c210_image_of");
    FAIL() << "no overflow";
  } catch (const image_overflow& e) {
    EXPECT_EQ(e.full_name(), overflow_name);
    EXPECT_EQ(e.message(), "csl_image_utilities.fixed_decimal_image_of (c210_image_of)");
  }
}

TEST(fixed_decimal_image, CompileTimeLayoutKnowsItsWidth) {
  using b3a1 = fixed_decimal<float, 3, 1>;
  using b5a0 = fixed_decimal<float, 5, 0>;
  using b6a4 = fixed_decimal<double, 6, 4>;
  EXPECT_EQ(b3a1::width, 5);
  EXPECT_EQ(b5a0::width, 5);
  EXPECT_EQ(b6a4::width, 11);
  EXPECT_EQ(b3a1::image_of(10.0F), " 10.0");
  EXPECT_EQ(b5a0::image_of(20000.0F), "20000");
  EXPECT_EQ(b6a4::image_of(0.4), "     0.4000");
  static_assert(layout{23, 1}.fits_buffer() && !layout{24, 1}.fits_buffer());
  static_assert(layout{23, 0}.fits_buffer() && !layout{1, 24}.fits_buffer());
}

// ---- Instances ----

csl_levels::db decibels(float v) {
  return csl_levels::level_of(csl_decibel::dbs_of(v));
}
csl_angle::angle degrees(float v) {
  return csl_angle::from_float_degrees_convert(v);
}

struct instance_case {
  const char* what;
  std::function<std::string()> image;
  const char* expected;
};

TEST(unit_images, ShowTheValueInTheirUnitAndLayout) {
  using csl_velocity::speed;
  const std::vector<instance_case> cases{
      {"4/4", [] { return image_4_4_of(3.14159); }, "   3.1416"},
      {"4/4 negative", [] { return image_4_4_of(-0.00005); }, "  -0.0001"},
      {"dB 0", [] { return db_image_of(decibels(0.0F)); }, "   0.0"},
      {"dB -0.5", [] { return db_image_of(decibels(-0.5F)); }, "  -0.5"},
      {"dB -511.5", [] { return db_image_of(decibels(-511.5F)); }, "-511.5"},
      {"dB 300", [] { return db_image_of(decibels(300.0F)); }, " 300.0"},
      {"deg360 -90", [] { return image_in_degrees_360_of(degrees(-90.0F)); }, "270.00"},
      {"deg360 90", [] { return image_in_degrees_360_of(degrees(90.0F)); }, " 90.00"},
      {"deg180 -90", [] { return image_in_degrees_180_of(degrees(-90.0F)); }, " -90.00"},
      {"deg180 270", [] { return image_in_degrees_180_of(degrees(270.0F)); }, " -90.00"},
      {"yards", [] { return image_in_yards_of(csl_length::distance(100.0F)); }, "   109.4"},
      {"kyards", [] { return image_in_kyards_of(csl_length::distance(9144.0F)); }, "   10.0"},
      {"ft/s", [] { return image_in_feet_per_second_of(speed(30.18F)); }, "  99.0"},
      {"ft/s negative", [] { return image_in_feet_per_second_of(speed(-30.18F)); }, " -99.0"},
      {"knots", [] { return image_in_knots_of(speed(0.51477337F * 12.0F)); }, "  12.0"},
      {"knots 99.99", [] { return image_in_knots_of(speed(0.51477337F * 99.99F)); }, " 100.0"},
      {"hz", [] { return image_in_hz_of(csl_frequency::hertz(440.0F)); }, "   440.0"},
      {"hz offset", [] { return image_in_hz_offset_of(csl_frequency::offset(-12.5F)); },
       "    -12.5"},
      {"khz", [] { return image_in_khz_of(csl_frequency::hertz(2500.0F)); }, "  2.5"},
      {"mhz", [] { return image_in_mhz_of(csl_frequency::giga_hertz(1.5F)); }, " 1500.0"},
      {"ghz", [] { return image_in_ghz_of(csl_frequency::giga_hertz(1.5F)); }, " 1.500"},
      {"modulation", [] { return modulation_image_of(csl_tonals::modulation(0.5F)); }, "0.50"},
      {"rpm", [] { return image_in_rpm_of(csl_angle_rate::rate(600.0F)); }, "  100.0"},
      {"rpm magnitude", [] { return image_in_rpm_of(csl_angle_rate::rate(-600.0F)); }, "  100.0"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.image(), c.expected) << c.what;
}

TEST(unit_images, OverflowWhenTheSignHasNoRoom) {
  EXPECT_EQ(raised_by([] { image_in_knots_of(csl_velocity::speed(-1000.0F)); }), overflow_name);
  EXPECT_EQ(raised_by([] { modulation_image_of(csl_tonals::modulation(1.0F)); }), "");
}

TEST(length_images, RoundToWholeUnitsHalvesAwayFromZero) {
  using csl_length::distance;
  using csl_length::position_vector;
  const std::vector<instance_case> cases{
      {"50 yd in feet",
       [] { return image_in_feet_of(csl_length::create<distance>(csl_length::yards{50.0F})); },
       " 150"},
      {"metres", [] { return image_in_metres_of(distance(45.72F)); }, " 46"},
      {"metres half", [] { return image_in_metres_of(distance(2.5F)); }, " 3"},
      {"zero", [] { return image_in_feet_of(distance(0.0F)); }, " 0"},
      {"negative feet", [] { return image_in_feet_of(position_vector(-30.48F)); }, "-100"},
      {"negative half", [] { return image_in_metres_of(position_vector(-2.5F)); }, "-3"},
      {"-333.3 yd",
       [] {
         return image_in_feet_of(csl_length::create<position_vector>(csl_length::yards{-333.3F}));
       },
       "-1000"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.image(), c.expected) << c.what;
}

TEST(length_images, BeyondThirtyTwoBitsIsTheRangeError) {
  EXPECT_EQ(raised_by([] { image_in_metres_of(csl_length::distance(3.0e9F)); }), "RANGE_ERROR");
  EXPECT_EQ(raised_by([] { image_in_feet_of(csl_length::position_vector(-1.0e9F)); }),
            "RANGE_ERROR");
  EXPECT_EQ(image_in_metres_of(csl_length::position_vector(-2147483648.0F)), "-2147483648");
}

// ---- Intervals and durations ----

csl_time::interval interval(std::int32_t days, std::int32_t hours, std::int32_t minutes,
                            std::int32_t seconds, std::int32_t milliseconds) {
  return {days, hours, minutes, seconds, milliseconds};
}

TEST(interval_images, DropTheLowerFields) {
  const csl_time::interval i = interval(0, 1, 59, 59, 999);
  EXPECT_EQ(image_in_days_of(i), " 0");
  EXPECT_EQ(image_in_hours_of(i), " 1");
  EXPECT_EQ(image_in_minutes_of(i), " 119");
  EXPECT_EQ(image_in_seconds_of(i), " 7199");
  EXPECT_EQ(image_in_milliseconds_of(i), " 7199999");
  const csl_time::interval j = interval(2, 5, 0, 1, 500);
  EXPECT_EQ(image_in_days_of(j), " 2");
  EXPECT_EQ(image_in_hours_of(j), " 53");
  EXPECT_EQ(image_in_minutes_of(j), " 3180");
  EXPECT_EQ(image_in_seconds_of(j), " 190801");
  EXPECT_EQ(image_in_milliseconds_of(j), " 190801500");
  EXPECT_EQ(image_in_seconds_of(csl_time::convert(csl_time::system_integer{999})), " 999");
}

TEST(interval_images, NegativeOrOverflowingTotalsOverflow) {
  using image = std::string (*)(const csl_time::interval&);
  const std::vector<image> images{image_in_days_of, image_in_hours_of, image_in_minutes_of,
                                  image_in_seconds_of, image_in_milliseconds_of};
  const csl_time::interval minus_one_day = interval(-1, 0, 0, 0, 0);
  const csl_time::interval minus_one_ms = interval(-1, 23, 59, 59, 999);
  for (const image f : images) {
    EXPECT_EQ(raised_by([&] { f(minus_one_day); }), overflow_name);
    EXPECT_EQ(raised_by([&] { f(minus_one_ms); }), overflow_name);
  }
  // 24 days of milliseconds fit 32 bits; 25 do not.
  EXPECT_EQ(image_in_milliseconds_of(interval(24, 0, 0, 0, 0)), " 2073600000");
  EXPECT_EQ(raised_by([] { image_in_milliseconds_of(interval(25, 0, 0, 0, 0)); }), overflow_name);
  EXPECT_EQ(raised_by([] { image_in_seconds_of(interval(24856, 0, 0, 0, 0)); }), overflow_name);
  EXPECT_EQ(image_in_days_of(interval(2147483647, 0, 0, 0, 0)), " 2147483647");
}

TEST(duration_images, ShowSecondsToTheMillisecond) {
  using csl_system_numbers::system_duration;
  const std::vector<std::pair<float, const char*>> cases{
      {12.3456F, " 12.346"}, {0.005F, " 0.005"},       {0.0F, " 0.000"},
      {1.0F, " 1.000"},      {0.9996F, " 1.000"},      {59.9994F, " 59.999"},
      {-0.25F, "-0.250"},    {-12.3456F, "-12.346"},   {0.0004F, " 0.000"},
      {-0.0004F, " 0.000"},  {86400.0F, " 86400.000"},
  };
  for (const auto& [seconds, image] : cases) {
    EXPECT_EQ(image_in_seconds_of(system_duration(seconds)), image) << seconds;
  }
  EXPECT_EQ(raised_by([] {
              image_in_seconds_of(system_duration(std::numeric_limits<float>::infinity()));
            }),
            overflow_name);
  EXPECT_EQ(raised_by([] { image_in_seconds_of(system_duration(1.0e20F)); }), overflow_name);
}

// ---- Dates and times ----

csl_time::time instant(std::int32_t year, std::int32_t day, std::int32_t hour = 0,
                       std::int32_t minute = 0, std::int32_t second = 0) {
  return {year, day, hour, minute, second, 0};
}

TEST(date_images, FindDayAndMonthFromTheDayOfTheYear) {
  struct date_case {
    std::int32_t year;
    std::int32_t day;
    const char* date;
    const char* necta;
  };
  const std::vector<date_case> cases{
      {2004, 60, "29/02/04", "02/29/04"},  {2005, 60, "01/03/05", "03/01/05"},
      {1999, 365, "31/12/99", "12/31/99"}, {2005, 1, "01/01/05", "01/01/05"},
      {2005, 31, "31/01/05", "01/31/05"},  {2005, 32, "01/02/05", "02/01/05"},
      {2005, 59, "28/02/05", "02/28/05"},  {2005, 90, "31/03/05", "03/31/05"},
      {2005, 91, "01/04/05", "04/01/05"},  {2005, 335, "01/12/05", "12/01/05"},
      {2004, 61, "01/03/04", "03/01/04"},  {2004, 91, "31/03/04", "03/31/04"},
      {2004, 336, "01/12/04", "12/01/04"}, {2004, 366, "31/12/04", "12/31/04"},
      {2000, 1, "01/01/00", "01/01/00"},   {1901, 244, "01/09/01", "09/01/01"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(date_image_of(instant(c.year, c.day)), c.date) << c.year << " " << c.day;
    EXPECT_EQ(necta_date_image_of(instant(c.year, c.day)), c.necta) << c.year << " " << c.day;
  }
}

TEST(date_images, ShowTimesOfDayWithoutMilliseconds) {
  const csl_time::time t{1999, 365, 23, 59, 59, 999};
  EXPECT_EQ(time_image_of(t), "23:59:59");
  EXPECT_EQ(date_time_image_of(t), "23:59:59 31/12/99");
  EXPECT_EQ(necta_time_image_of(t), "23:59");
  EXPECT_EQ(time_image_of(instant(2004, 1, 7, 5, 9)), "07:05:09");
  EXPECT_EQ(necta_time_image_of(instant(2004, 1, 0, 0, 0)), "00:00");
}

TEST(date_images, RefuseDaysBeyondTheYearAndFieldsOutOfRange) {
  EXPECT_EQ(raised_by([] { date_image_of(instant(2005, 366)); }), "RANGE_ERROR");
  EXPECT_EQ(raised_by([] { necta_date_image_of(instant(2005, 366)); }), "RANGE_ERROR");
  // A new index entry holds zeros: no date, no time.
  csl_time::time zeros;
  const unsigned char zero_bytes[sizeof zeros]{};
  std::memcpy(&zeros, zero_bytes, sizeof zeros);
  EXPECT_EQ(raised_by([&] { date_image_of(zeros); }), "RANGE_ERROR");
  EXPECT_EQ(time_image_of(zeros), "00:00:00");
  csl_time::time bad_hour = instant(2004, 1);
  const std::int32_t hour = 24;
  std::memcpy(reinterpret_cast<unsigned char*>(&bad_hour) + 8, &hour, sizeof hour);
  EXPECT_EQ(raised_by([&] { time_image_of(bad_hour); }), "RANGE_ERROR");
  EXPECT_EQ(raised_by([&] { necta_time_image_of(bad_hour); }), "RANGE_ERROR");
}

TEST(date_images, ShowThePlatformClockWithAFourDigitYear) {
  const csl_platform::calendar_reading noon{2024, 2, 29, 45296.7};
  EXPECT_EQ(date_image_of(noon), "29/02/2024");
  EXPECT_EQ(time_image_of(noon), "12:34:56");
  EXPECT_EQ(time_image_of(csl_platform::calendar_reading{2024, 1, 1, 0.0}), "00:00:00");
  EXPECT_EQ(time_image_of(csl_platform::calendar_reading{2024, 1, 1, 86399.99}), "23:59:59");
  EXPECT_EQ(time_image_of(csl_platform::calendar_reading{2024, 1, 1, 86400.0}), "23:59:59");
  EXPECT_EQ(date_image_of(csl_platform::calendar_reading{987, 12, 3, 0.0}), "03/12/0987");
  EXPECT_EQ(raised_by([] {
              time_image_of(csl_platform::calendar_reading{2024, 1, 1, -1.0});
            }),
            "RANGE_ERROR");
  EXPECT_EQ(raised_by([] {
              date_image_of(csl_platform::calendar_reading{2024, 13, 1, 0.0});
            }),
            "RANGE_ERROR");
}

// ---- Positions ----

struct position_case {
  float degrees;
  const char* latitude;
  const char* longitude;
};

TEST(position_images, ShowDegreesMinutesSecondsAndHemisphere) {
  const std::vector<position_case> cases{
      {51.5F, "51:30:   0.0000 N", " 51:30:   0.0000 E"},
      {-33.25F, "33:15:   0.0000 S", " 33:15:   0.0000 W"},
      {-0.5F, " 0:30:   0.0000 S", "  0:30:   0.0000 W"},
      {45.0F, "45: 0:   0.0000 N", " 45: 0:   0.0000 E"},
      {0.0F, " 0: 0:   0.0000 N", "  0: 0:   0.0000 E"},
      {10.25F, "10:15:   0.0000 N", " 10:15:   0.0000 E"},
  };
  for (const auto& c : cases) {
    const csl_angle::angle a = degrees(c.degrees);
    EXPECT_EQ(lat_image_of(a), c.latitude) << c.degrees;
    EXPECT_EQ(long_image_of(a), c.longitude) << c.degrees;
  }
  EXPECT_EQ(long_image_of(degrees(179.75F)), "179:45:   0.0000 E");
  EXPECT_EQ(long_image_of(degrees(-135.5F)), "135:30:   0.0000 W");
}

TEST(position_images, JustBelowAWholeMinuteShowsATinyNegativeSecond) {
  // The float below 12.5 is 12 degrees 29.99994 minutes: the minute is taken as 30.
  EXPECT_EQ(lat_image_of(degrees(std::nextafter(12.5F, 0.0F))), "12:30:  -0.0034 N");
  EXPECT_EQ(lat_image_of(degrees(std::nextafter(std::nextafter(12.5F, 0.0F), 0.0F))),
            "12:29:  59.9931 N");
}

TEST(position_images, AFailureIsPrintedAndTheImageReturnedAsFarAsFilled) {
  std::string latitude;
  const auto lines = capture::lines_printed_by([&] { latitude = lat_image_of(degrees(120.0F)); });
  EXPECT_EQ(lines, std::vector<std::string>{"Caught LAYOUT_ERROR in Lat_Image_Of"});
  EXPECT_EQ(latitude, std::string(17, ' '));
  std::string longitude;
  const auto none = capture::lines_printed_by([&] { longitude = long_image_of(degrees(120.0F)); });
  EXPECT_TRUE(none.empty());
  EXPECT_EQ(longitude.size(), 18U);
}

TEST(other_images, StringOfIsACopy) {
  EXPECT_EQ(string_of("  FIXED "), "  FIXED ");
  EXPECT_EQ(string_of(""), "");
}

}  // namespace
