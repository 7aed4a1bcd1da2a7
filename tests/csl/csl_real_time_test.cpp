// Real time over the platform clock, which the tests replace with readings of
// their own through the platform layer.
#include "csl_real_time.hpp"

#include <gtest/gtest.h>

#include "csl_exceptions.hpp"
#include "csl_platform.hpp"

namespace {

using csl_time::interval;
using csl_time::time;

// Installs a calendar clock that reads `now`; uninstalls itself at the end.
class fixed_clock : public testing::Test {
 protected:
  fixed_clock() {
    csl_platform::set_clock_hook([this] { return now; });
  }
  ~fixed_clock() override { csl_platform::set_clock_hook(nullptr); }

  csl_platform::calendar_reading now{2004, 1, 1, 0.0};
};

struct date_case {
  csl_platform::calendar_reading reading;
  time expected;
};

TEST_F(fixed_clock, TheDateBecomesYearAndDayOfYear) {
  const date_case cases[] = {
      {{2004, 1, 1, 0.0}, {2004, 1, 0, 0, 0, 0}},
      {{2004, 2, 29, 0.0}, {2004, 60, 0, 0, 0, 0}},
      {{2004, 3, 1, 0.0}, {2004, 61, 0, 0, 0, 0}},
      {{2003, 3, 1, 0.0}, {2003, 60, 0, 0, 0, 0}},
      {{2004, 12, 31, 0.0}, {2004, 366, 0, 0, 0, 0}},
      {{2003, 12, 31, 0.0}, {2003, 365, 0, 0, 0, 0}},
      {{2026, 7, 15, 0.0}, {2026, 196, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    now = c.reading;
    EXPECT_EQ(csl_real_time::read_processor_time(), c.expected) << c.reading.month;
    EXPECT_EQ(csl_real_time::processor_time(), c.expected) << c.reading.month;
  }
}

TEST_F(fixed_clock, TheSecondsOfTheDayAreAddedInSinglePrecision) {
  now = {2004, 1, 1, 45296.25};
  EXPECT_EQ(csl_real_time::read_processor_time(), (time{2004, 1, 12, 34, 56, 250}));
  EXPECT_EQ(csl_real_time::processor_duration().value(), 45296.25F);
  // 86399.999 has no float32 of its own below 86400: it reads as the next midnight.
  now = {2004, 12, 31, 86399.999};
  EXPECT_EQ(csl_real_time::read_processor_time(), (time{2005, 1, 0, 0, 0, 0}));
}

TEST_F(fixed_clock, ADateOutsideTheCalendarIsARangeError) {
  now = {1900, 12, 31, 0.0};
  EXPECT_THROW(csl_real_time::read_processor_time(), csl::range_error);
  now = {2004, 13, 1, 0.0};
  EXPECT_THROW(csl_real_time::read_processor_time(), csl::range_error);
  now = {2004, 0, 1, 0.0};
  EXPECT_THROW(csl_real_time::read_processor_time(), csl::range_error);
}

TEST_F(fixed_clock, ASetClockKeepsItsOffsetAndAdvancesWithTheProcessor) {
  now = {2004, 1, 1, 36000.0};  // 10:00
  csl_real_time::clock c{};
  csl_real_time::set_time(c, time{2010, 100, 0, 0, 0, 0});
  // 2010 day 100 is 2291 days after 2004 day 1; less ten hours.
  EXPECT_EQ(c, (csl_real_time::clock{2290, 14, 0, 0, 0}));
  EXPECT_EQ(csl_real_time::read_time(c), (time{2010, 100, 0, 0, 0, 0}));
  now.seconds += 90.5;
  EXPECT_EQ(csl_real_time::read_time(c), (time{2010, 100, 0, 1, 30, 500}));
}

TEST_F(fixed_clock, AClockSetIntoThePastHasANegativeOffset) {
  now = {2004, 1, 2, 0.0};
  csl_real_time::clock c{};
  csl_real_time::set_time(c, time{2004, 1, 23, 0, 0, 0});
  EXPECT_EQ(c, (csl_real_time::clock{-1, 23, 0, 0, 0}));
  now.seconds = 7200.0;
  EXPECT_EQ(csl_real_time::read_time(c), (time{2004, 2, 1, 0, 0, 0}));
}

TEST(real_time_constants, ScenarioUpdateIsOneSecond) {
  EXPECT_EQ(csl_real_time::scenario_update_duration.value(), 1.0F);
  EXPECT_EQ(csl_real_time::scenario_update_interval, (interval{0, 0, 0, 1, 0}));
}

TEST(real_time_platform, ThePlatformClockReadsAValidTime) {
  time t = csl_real_time::read_processor_time();
  EXPECT_GE(t.year, 2020);
  EXPECT_TRUE(csl_time::days::in_range(t.day.value()));
  csl_platform::calendar_reading r = csl_platform::calendar_clock();
  EXPECT_GE(r.seconds, 0.0);
  EXPECT_LE(r.seconds, 86401.0);  // a leap second
}

}  // namespace
