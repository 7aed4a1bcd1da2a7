// Speeds: units, arithmetic, and distances and times with durations.
#include "csl_velocity.hpp"

#include <gtest/gtest.h>

#include "csl_exceptions.hpp"

namespace {

using namespace csl_velocity;
using csl_length::position_vector;

TEST(velocity_units, KnotsAndMetresPerSecond) {
  EXPECT_EQ(create(knots{10.0F}).value(), 5.1477337F);
  EXPECT_FLOAT_EQ(value_of<knots>(create(knots{10.0F})).value, 10.0F);
  EXPECT_EQ(create(metres_per_second{-3.0F}).value(), -3.0F);
  EXPECT_EQ(value_of<metres_per_second>(speed(-3.0F)).value, -3.0F);
  EXPECT_EQ(value_of<knots>(speed(0.51477337F)).value, 1.0F);
}

TEST(velocity_arithmetic, PlainSignedArithmetic) {
  EXPECT_EQ(speed(2.0F) + speed(-3.0F), speed(-1.0F));
  EXPECT_EQ(speed(2.0F) - speed(-3.0F), speed(5.0F));
  EXPECT_EQ(-speed(2.0F), speed(-2.0F));
  EXPECT_EQ(speed(2.0F) * -1.5F, speed(-3.0F));
  EXPECT_EQ(speed(3.0F) / -2.0F, speed(-1.5F));
  EXPECT_EQ(speed(3.0F) / speed(-2.0F), -1.5F);
  EXPECT_EQ(abs(speed(-4.0F)), speed(4.0F));
  EXPECT_THROW(speed(3.0F) / 0.0F, csl::range_error);
  EXPECT_THROW(speed(3.0F) / zero_speed, csl::range_error);
  EXPECT_THROW(speed(3e38F) * 2.0F, csl::range_error);
  EXPECT_GT(speed(1.0F), zero_speed);
}

TEST(velocity_arithmetic, DistanceSpeedAndTime) {
  const csl_system_numbers::system_duration ten_seconds(10.0F);
  EXPECT_EQ(speed(-2.5F) * ten_seconds, position_vector(-25.0F));
  EXPECT_EQ(ten_seconds * speed(2.5F), position_vector(25.0F));
  EXPECT_EQ(position_vector(-25.0F) / ten_seconds, speed(-2.5F));
  EXPECT_EQ(position_vector(25.0F) / speed(2.5F), ten_seconds);
  EXPECT_THROW(position_vector(1.0F) / csl_system_numbers::system_duration(0.0F), csl::range_error);
  EXPECT_THROW(position_vector(1.0F) / zero_speed, csl::range_error);
}

}  // namespace
