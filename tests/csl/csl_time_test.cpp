// Calendar times and intervals: stored layout, normalisation, conversions,
// arithmetic and comparison.
#include "csl_time.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "csl_exceptions.hpp"
#include "vdb_bytes.hpp"

namespace {

using csl_time::comparison;
using csl_time::duration;
using csl_time::interval;
using csl_time::psuedo_interval;
using csl_time::psuedo_time;
using csl_time::scaled;
using csl_time::system_duration;
using csl_time::system_float;
using csl_time::system_integer;
using csl_time::time;
using csl_time::zero_interval;
using csl_time::zero_time;
using namespace csl_time;

constexpr std::int32_t int_max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int_min = std::numeric_limits<std::int32_t>::min();

template <class Record>
vdb_bytes::bytes bytes_of(const Record& r) {
  vdb_bytes::bytes b(sizeof(Record));
  std::memcpy(b.data(), &r, sizeof(Record));
  return b;
}

TEST(time_layout, TimeIsSixLittleEndianWordsInFieldOrder) {
  vdb_bytes::bytes expected(24);
  vdb_bytes::put_i32(expected, 0, 2004);
  vdb_bytes::put_i32(expected, 4, 60);
  vdb_bytes::put_i32(expected, 8, 12);
  vdb_bytes::put_i32(expected, 12, 5);
  vdb_bytes::put_i32(expected, 16, 9);
  vdb_bytes::put_i32(expected, 20, 999);
  EXPECT_EQ(bytes_of(time{2004, 60, 12, 5, 9, 999}), expected);
}

TEST(time_layout, IntervalIsFiveLittleEndianWordsInFieldOrder) {
  vdb_bytes::bytes expected(20);
  vdb_bytes::put_i32(expected, 0, -2);
  vdb_bytes::put_i32(expected, 4, 23);
  vdb_bytes::put_i32(expected, 8, 59);
  vdb_bytes::put_i32(expected, 12, 30);
  vdb_bytes::put_i32(expected, 16, 1);
  EXPECT_EQ(bytes_of(interval{-2, 23, 59, 30, 1}), expected);
}

TEST(time_layout, FieldsRefuseValuesOutsideTheirRanges) {
  EXPECT_THROW(static_cast<void>(time{2100, 1, 0, 0, 0, 0}), csl::range_error);
  EXPECT_THROW(static_cast<void>(time{2004, 367, 0, 0, 0, 0}), csl::range_error);
  EXPECT_THROW(static_cast<void>(time{1900, 1, 0, 0, 0, 0}), csl::range_error);
  EXPECT_THROW(static_cast<void>(interval{0, 24, 0, 0, 0}), csl::range_error);
  EXPECT_THROW(static_cast<void>(interval{0, 0, 0, 0, 1000}), csl::range_error);
  EXPECT_EQ(zero_time, (time{1901, 1, 0, 0, 0, 0}));
  EXPECT_EQ(zero_interval, (interval{0, 0, 0, 0, 0}));
  EXPECT_EQ(image_of(comparison::bigger), "BIGGER");
  EXPECT_EQ(image_of(comparison::same), "SAME");
  EXPECT_EQ(image_of(comparison::smaller), "SMALLER");
}

struct scale_case {
  system_integer number, first, last, value, carry;
};

TEST(time_normalisation, ScaleIntoRangeCarriesTowardsMinusInfinity) {
  const scale_case cases[] = {{-1, 0, 999, 999, -1},          {1000, 0, 999, 0, 1},
                              {-1000, 0, 999, 0, -1},         {-1001, 0, 999, 999, -2},
                              {0, 1, 366, 366, -1},           {5, 3, 3, 3, 2},
                              {int_min, 0, 59, 52, -35791395}};
  for (const auto& c : cases) {
    scaled s = scale_into_range(c.number, c.first, c.last);
    EXPECT_EQ(s.value, c.value) << c.number;
    EXPECT_EQ(s.carry, c.carry) << c.number;
  }
  EXPECT_THROW(scale_into_range(0, 5, 4), csl::range_error);
  EXPECT_THROW(scale_into_range(int_max, int_min, int_min), csl::range_error);
}

struct interval_case {
  psuedo_interval in;
  interval out;
};

TEST(time_normalisation, IntervalsCarryUpIntoDaysWhichKeepTheSign) {
  const interval_case cases[] = {
      {{0, 0, 0, 0, -1}, {-1, 23, 59, 59, 999}},     {{0, 0, 0, -30, 0}, {-1, 23, 59, 30, 0}},
      {{0, 0, 0, 0, 86400000}, {1, 0, 0, 0, 0}},     {{1, 25, 61, 61, 1001}, {2, 2, 2, 2, 1}},
      {{0, 0, 0, int_max, 0}, {24855, 3, 14, 7, 0}}, {{-3, 0, 0, 0, 0}, {-3, 0, 0, 0, 0}}};
  for (const auto& c : cases) EXPECT_EQ(normalise_interval(c.in), c.out);
  EXPECT_THROW(normalise_interval({int_max, 24, 0, 0, 0}), csl::range_error);
  EXPECT_THROW(normalise_interval({int_min, 0, 0, 0, -1}), csl::range_error);
}

struct time_case {
  psuedo_time in;
  time out;
};

TEST(time_normalisation, DaysCarryIntoYearsWithEveryFourthYearLeap) {
  const time_case cases[] = {{{2004, 366, 23, 59, 59, 1000}, {2005, 1, 0, 0, 0, 0}},
                             {{2003, 366, 0, 0, 0, 0}, {2004, 1, 0, 0, 0, 0}},
                             {{2004, 367, 0, 0, 0, 0}, {2005, 1, 0, 0, 0, 0}},
                             {{2005, 0, 0, 0, 0, 0}, {2004, 366, 0, 0, 0, 0}},
                             {{2004, 0, 0, 0, 0, 0}, {2003, 365, 0, 0, 0, 0}},
                             {{1901, 1461 + 1, 0, 0, 0, 0}, {1905, 1, 0, 0, 0, 0}},
                             {{2099, -72318, 0, 0, 0, 0}, {1901, 1, 0, 0, 0, 0}},
                             {{2000, 60, -24, 0, 0, 0}, {2000, 59, 0, 0, 0, 0}},
                             {{1950, 1, 0, 0, 0, 0}, {1950, 1, 0, 0, 0, 0}}};
  for (const auto& c : cases) EXPECT_EQ(normalise_time(c.in), c.out) << c.in.year;
}

TEST(time_normalisation, YearsOutside1901To2099AreRangeErrors) {
  EXPECT_THROW(normalise_time({1901, 1, 0, 0, 0, -1}), csl::range_error);
  EXPECT_THROW(normalise_time({2099, 366, 0, 0, 0, 0}), csl::range_error);  // 2099 has 365
  EXPECT_THROW(normalise_time({2099, int_max, 0, 0, 0, 0}), csl::range_error);
  EXPECT_THROW(normalise_time({int_min, int_min, int_min, int_min, int_min, int_min}),
               csl::range_error);
  EXPECT_EQ(normalise_time({2099, 365, 23, 59, 59, 999}), (time{2099, 365, 23, 59, 59, 999}));
}

struct seconds_case {
  float seconds;
  interval out;
};

TEST(time_conversions, RealSecondsRoundHalvesAwayFromZero) {
  const seconds_case cases[] = {{1.7F, {0, 0, 0, 1, 700}},      {2.5F, {0, 0, 0, 2, 500}},
                                {-0.5F, {-1, 23, 59, 59, 500}}, {-30.0F, {-1, 23, 59, 30, 0}},
                                {0.0F, {0, 0, 0, 0, 0}},        {90061.25F, {1, 1, 1, 1, 250}}};
  for (const auto& c : cases) {
    EXPECT_EQ(convert(c.seconds), c.out) << c.seconds;
    EXPECT_EQ(convert(system_duration(c.seconds)), c.out) << c.seconds;
  }
  EXPECT_THROW(convert(3e9F), csl::range_error);
  EXPECT_THROW(convert(std::numeric_limits<float>::quiet_NaN()), csl::range_error);
}

TEST(time_conversions, IntegerSecondsAreExact) {
  EXPECT_EQ(convert(999), (interval{0, 0, 16, 39, 0}));
  EXPECT_EQ(convert(-1), (interval{-1, 23, 59, 59, 0}));
  // 2^24 + 1 has no float32 of its own.
  EXPECT_EQ(convert(16777217), (interval{194, 4, 20, 17, 0}));
}

TEST(time_conversions, IntervalsToSecondsAndNanoseconds) {
  const interval minus_30{-1, 23, 59, 30, 0};
  EXPECT_EQ(convert<system_float>(minus_30), -30.0F);
  EXPECT_EQ(convert<system_duration>(minus_30).value(), -30.0F);
  EXPECT_EQ(convert<system_integer>(minus_30), -30);
  EXPECT_EQ(convert<system_integer>(interval{0, 0, 0, 2, 500}), 3);
  EXPECT_EQ(convert<system_integer>(interval{-1, 23, 59, 57, 500}), -3);
  EXPECT_EQ(convert<system_float>(interval{1, 1, 1, 1, 250}), 90061.25F);
  EXPECT_EQ(convert<duration>(interval{1, 0, 0, 0, 1}), duration(86400001000000));
  EXPECT_EQ(convert<duration>(interval{-1, 23, 59, 59, 999}), duration(-1000000));
  // 106751 days is just within 2^63 ns, 106752 beyond.
  EXPECT_EQ(convert<duration>(interval{106751, 0, 0, 0, 0}), duration(9223286400000000000));
  EXPECT_THROW(convert<duration>(interval{106752, 0, 0, 0, 0}), csl::range_error);
  EXPECT_THROW(convert<system_integer>(interval{24856, 0, 0, 0, 0}), csl::range_error);
}

// Seconds are those of the platform duration: an interval it cannot hold converts to nothing.
TEST(time_conversions, IntervalsBeyondTheDurationTypeAreRangeErrors) {
  EXPECT_EQ(convert<system_float>(interval{106751, 0, 0, 0, 0}), 9223286400.0F);
  EXPECT_THROW(convert<system_float>(interval{106752, 0, 0, 0, 0}), csl::range_error);
  EXPECT_THROW(convert<system_duration>(interval{106752, 0, 0, 0, 0}), csl::range_error);
  EXPECT_THROW(convert<system_float>(interval{-106752, 0, 0, 0, 0}), csl::range_error);
  EXPECT_THROW((interval{106752, 0, 0, 0, 0} / 2.0F), csl::range_error);
  EXPECT_THROW((interval{106752, 0, 0, 0, 0} / interval{1, 0, 0, 0, 0}), csl::range_error);
}

TEST(time_conversions, DaysFrom1900AndImages) {
  EXPECT_EQ(days_from_1900(zero_time), 1);
  EXPECT_EQ(days_from_1900(time{1902, 1, 0, 0, 0, 0}), 366);
  EXPECT_EQ(days_from_1900(time{1905, 1, 0, 0, 0, 0}), 1462);
  EXPECT_EQ(days_from_1900(time{2004, 60, 0, 0, 0, 0}), 103 * 365 + 25 + 60);
  EXPECT_EQ(image_of(time{2004, 60, 12, 5, 9, 999}), " 2004 60 12 5 9");
  EXPECT_EQ(image_of(zero_time), " 1901 1 0 0 0");
}

TEST(time_arithmetic, TimesPlusAndMinusIntervals) {
  const interval one_ms{0, 0, 0, 0, 1};
  const interval one_day{1, 0, 0, 0, 0};
  EXPECT_EQ((time{2004, 366, 23, 59, 59, 999} + one_ms), (time{2005, 1, 0, 0, 0, 0}));
  EXPECT_EQ((time{2003, 365, 0, 0, 0, 0} + one_day), (time{2004, 1, 0, 0, 0, 0}));
  EXPECT_EQ((time{2004, 365, 0, 0, 0, 0} + one_day), (time{2004, 366, 0, 0, 0, 0}));
  EXPECT_EQ((one_day + time{2004, 365, 0, 0, 0, 0}), (time{2004, 366, 0, 0, 0, 0}));
  EXPECT_EQ((time{2005, 1, 0, 0, 0, 0} - one_ms), (time{2004, 366, 23, 59, 59, 999}));
  EXPECT_EQ((time{2004, 1, 0, 0, 0, 0} + interval{-1, 23, 59, 30, 0}),
            (time{2003, 365, 23, 59, 30, 0}));
  EXPECT_THROW(zero_time - one_ms, csl::range_error);
  EXPECT_THROW((zero_time + interval{int_max, 0, 0, 0, 0}), csl::range_error);
}

TEST(time_arithmetic, TimeMinusTimeIsAnInterval) {
  EXPECT_EQ((time{2005, 1, 0, 0, 0, 0} - time{2004, 366, 0, 0, 0, 0}), (interval{1, 0, 0, 0, 0}));
  EXPECT_EQ((time{2004, 366, 0, 0, 0, 0} - time{2005, 1, 0, 0, 0, 0}), (interval{-1, 0, 0, 0, 0}));
  EXPECT_EQ((time{2004, 60, 0, 0, 0, 0} - time{2004, 59, 23, 59, 59, 999}),
            (interval{0, 0, 0, 0, 1}));
  EXPECT_EQ((time{2099, 365, 0, 0, 0, 0} - zero_time), (interval{72683, 0, 0, 0, 0}));
}

TEST(time_arithmetic, IntervalSumsAndDifferences) {
  EXPECT_EQ((interval{0, 23, 59, 59, 999} + interval{0, 0, 0, 0, 1}), (interval{1, 0, 0, 0, 0}));
  EXPECT_EQ((interval{0, 0, 0, 0, 0} - interval{0, 0, 0, 30, 0}), (interval{-1, 23, 59, 30, 0}));
  EXPECT_THROW((interval{int_max, 0, 0, 0, 0} + interval{1, 0, 0, 0, 0}), csl::range_error);
  EXPECT_THROW((interval{int_min, 0, 0, 0, 0} - interval{1, 0, 0, 0, 0}), csl::range_error);
}

struct scaling_case {
  interval in;
  float r;
  interval out;
};

TEST(time_arithmetic, ScalingPassesEachRemainderDown) {
  const scaling_case cases[] = {{{1, 0, 0, 0, 0}, 1.5F, {1, 12, 0, 0, 0}},
                                {{0, 1, 30, 0, 0}, 0.5F, {0, 0, 45, 0, 0}},
                                {{0, 0, 0, 1, 0}, 0.25F, {0, 0, 0, 0, 250}},
                                {{0, 0, 0, 10, 0}, -1.0F, {-1, 23, 59, 50, 0}},
                                {{2, 0, 0, 0, 0}, 0.0F, {0, 0, 0, 0, 0}}};
  for (const auto& c : cases) EXPECT_EQ(c.in * c.r, c.out) << c.r;
  EXPECT_THROW((interval{int_max, 0, 0, 0, 0} * 2.0F), csl::range_error);
}

TEST(time_arithmetic, DivisionByRealsAndByIntervals) {
  EXPECT_EQ((interval{0, 0, 1, 0, 0} / 4.0F), (interval{0, 0, 0, 15, 0}));
  EXPECT_EQ((interval{0, 0, 0, 1, 0} / -2.0F), (interval{-1, 23, 59, 59, 500}));
  EXPECT_EQ((interval{0, 1, 0, 0, 0} / interval{0, 0, 1, 0, 0}), 60.0F);
  EXPECT_EQ((interval{-1, 23, 59, 30, 0} / interval{0, 0, 0, 10, 0}), -3.0F);
  EXPECT_THROW((interval{0, 0, 0, 1, 0} / 0.0F), csl::range_error);
  EXPECT_THROW((interval{0, 0, 0, 1, 0} / zero_interval), csl::range_error);
}

struct compare_case {
  time left, right;
  comparison expected;
};

TEST(time_comparison, TimesCompareFieldByFieldFromTheYear) {
  const time t{2004, 60, 12, 5, 9, 500};
  const compare_case cases[] = {{t, t, comparison::same},
                                {t, {2004, 60, 12, 5, 9, 501}, comparison::smaller},
                                {t, {2003, 366, 23, 59, 59, 999}, comparison::bigger},
                                {t, {2004, 61, 0, 0, 0, 0}, comparison::smaller},
                                {t, {2004, 60, 11, 59, 59, 999}, comparison::bigger}};
  for (const auto& c : cases) {
    EXPECT_EQ(compare(c.left, c.right), c.expected) << image_of(c.right);
    EXPECT_EQ(c.left < c.right, c.expected == comparison::smaller);
    EXPECT_EQ(c.left <= c.right, c.expected != comparison::bigger);
    EXPECT_EQ(c.left > c.right, c.expected == comparison::bigger);
    EXPECT_EQ(c.left >= c.right, c.expected != comparison::smaller);
  }
}

TEST(time_comparison, IntervalsCompareFromTheDayGap) {
  EXPECT_EQ(compare(interval{-1, 23, 59, 59, 999}, zero_interval), comparison::smaller);
  EXPECT_EQ(compare(interval{0, 0, 0, 0, 1}, zero_interval), comparison::bigger);
  EXPECT_EQ(compare(interval{1, 2, 3, 4, 5}, interval{1, 2, 3, 4, 5}), comparison::same);
  EXPECT_LT((interval{0, 0, 59, 0, 0}), (interval{0, 1, 0, 0, 0}));
  EXPECT_GE((interval{0, 1, 0, 0, 0}), (interval{0, 1, 0, 0, 0}));
  EXPECT_GT((interval{0, 0, 0, 0, 2}), (interval{0, 0, 0, 0, 1}));
  EXPECT_LE((interval{-2, 0, 0, 0, 0}), (interval{-1, 0, 0, 0, 0}));
}

}  // namespace
