// Levels of the vehicle model, linear powers and voltages, and how they convert.
#include "csl_levels.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "csl_exceptions.hpp"
#include "csl_level_exceptions.hpp"

namespace {

using namespace csl_levels;
using csl_level_exceptions::out_of_range;

db dbs(float decibels) {
  return db(decibels);
}

TEST(level_tables, ArithmeticIsThatOfDecibels) {
  EXPECT_EQ(level_of(csl_decibel::db(-3.5F)), dbs(-3.5F));
  EXPECT_EQ(dbs_of(dbs(-3.5F)), csl_decibel::db(-3.5F));
  EXPECT_EQ(dbs(500.0F) + dbs(20.0F), dbs(511.984375F));
  EXPECT_EQ(-dbs(-512.0F), dbs(511.984375F));
  const std::vector<db> three{dbs(60.0F), dbs(60.0F), dbs(20.0F)};
  EXPECT_EQ(powersum(three), powersum(dbs(63.015625F), dbs(20.0F)));
  // Unlike csl_decibel, too short an array is the plain range error.
  const std::vector<db> one{dbs(1.0F)};
  EXPECT_THROW(powersum(one), csl::range_error);
}

TEST(level_tables, PowerRatiosOfEighthsOfADecibel) {
  const auto& table = alog_table();
  EXPECT_EQ(table[0], 1.0F);
  EXPECT_NEAR(table[64], log16, 5e-6);
  EXPECT_NEAR(table[65], 6.49382F, 5e-6);
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(table[i], static_cast<float>(std::pow(10.0, static_cast<double>(i) / 80.0))) << i;
  }
}

TEST(level_conversions, LevelsOfPowersAndVoltages) {
  EXPECT_EQ(level_of(power(0.0F)), zero_dbs);
  EXPECT_EQ(level_of(power(-5.0F)), zero_dbs);
  EXPECT_EQ(level_of(power(100.0F)), dbs(20.0F));
  EXPECT_EQ(level_factor_of(power_factor(0.1F)), dbs(-10.0F));
  EXPECT_EQ(level_of(voltage(10.0F)), dbs(20.0F));
  EXPECT_EQ(level_factor_of(voltage_factor(0.01F)), dbs(-40.0F));
  EXPECT_NEAR(value_of(level_of(power(2.0F))), 3.0103F, 1.0F / 128.0F);
  EXPECT_THROW(level_of(power(std::numeric_limits<float>::quiet_NaN())), out_of_range);
  EXPECT_THROW(level_of(voltage(std::numeric_limits<float>::infinity())), out_of_range);
}

TEST(level_conversions, PowersAndVoltagesOfLevels) {
  EXPECT_FLOAT_EQ(power_of(dbs(20.0F)).value(), 100.0F);
  EXPECT_FLOAT_EQ(power_factor_of(dbs(-10.0F)).value(), 0.1F);
  EXPECT_FLOAT_EQ(voltage_of(dbs(20.0F)).value(), 10.0F);
  EXPECT_FLOAT_EQ(voltage_factor_of(dbs(-40.0F)).value(), 0.01F);
  EXPECT_EQ(power_of(zero_dbs).value(), 1.0F);
  EXPECT_THROW(power_of(dbs(511.0F)), out_of_range);  // 10^51 is no float
  EXPECT_NO_THROW(voltage_of(dbs(511.0F)));
}

TEST(power_arithmetic, PlainWithFailuresAsLevelErrors) {
  using namespace csl_powers;
  EXPECT_EQ(power(1.5F) + power(2.0F), power(3.5F));
  EXPECT_EQ(power_factor(1.5F) * power_factor(2.0F), power_factor(3.0F));
  EXPECT_EQ(power(1.5F) * power_factor(2.0F), power(3.0F));
  EXPECT_EQ(power(3.0F) / power(2.0F), power_factor(1.5F));
  EXPECT_EQ(invert(power_factor(4.0F)), power_factor(0.25F));
  EXPECT_EQ(value_of(power_of(2.0F)), 2.0F);
  EXPECT_EQ(value_of(power_factor_of(-2.0F)), -2.0F);
  EXPECT_THROW(power(3e38F) + power(3e38F), out_of_range);
  EXPECT_THROW(power(3e38F) * power_factor(10.0F), out_of_range);
  EXPECT_THROW(power(1.0F) / power(0.0F), out_of_range);
  EXPECT_THROW(invert(power_factor(0.0F)), out_of_range);
  EXPECT_LT(power(1.0F), power(2.0F));
}

TEST(volt_sums, AddVoltageByPhaseDifference) {
  using namespace csl_volts;
  const auto phase = [](float degrees) { return csl_angle::from_float_degrees_convert(degrees); };
  const voltage one(1.0F);
  EXPECT_EQ(add_voltage(one, one, phase(0.0F)), voltage(2.0F));
  EXPECT_EQ(add_voltage(one, one, csl_angle::angle(csl_angle::pi)), voltage(0.0F));
  EXPECT_FLOAT_EQ(add_voltage(one, one, phase(90.0F)).value(), 1.0F + 0.041602F + 0.382672F);
  EXPECT_FLOAT_EQ(add_voltage(one, one, phase(-90.0F)).value(), 1.0F + 0.041602F + 0.382672F);
  // 44 degrees is nearest the 40-degree row; the larger voltage leads.
  EXPECT_FLOAT_EQ(add_voltage(voltage(1.0F), voltage(2.0F), phase(44.0F)).value(),
                  2.0F + 0.791822F + 0.091602F / 2.0F);
  EXPECT_EQ(add_voltage(voltage(0.0F), voltage(-1.0F), phase(0.0F)), voltage(0.0F));
  EXPECT_FLOAT_EQ(powersum(voltage(3.0F), voltage(4.0F)).value(),
                  4.0F + 0.041602243F * 3.0F + 0.3826724F * 9.0F / 4.0F);
  EXPECT_EQ(powersum(voltage(-3.0F), voltage(-4.0F)), voltage(0.0F));
}

TEST(volt_arithmetic, PlainArithmeticAndIntegerValues) {
  using namespace csl_volts;
  EXPECT_EQ(voltage_factor(1.5F) * voltage_factor(2.0F), voltage_factor(3.0F));
  EXPECT_EQ(voltage(1.5F) * voltage_factor(2.0F), voltage(3.0F));
  EXPECT_EQ(voltage(3.0F) / voltage(2.0F), voltage_factor(1.5F));
  EXPECT_EQ(invert(voltage_factor(4.0F)), voltage_factor(0.25F));
  EXPECT_EQ(value_of(voltage_of(2.5F)), 2.5F);
  EXPECT_EQ(value_of(voltage_factor_of(0.5F)), 0.5F);
  EXPECT_EQ(voltage_of(-7), voltage(-7.0F));
  EXPECT_EQ(value_of<csl_system_numbers::system_integer>(voltage(2.5F)), 3);
  EXPECT_EQ(value_of<csl_system_numbers::system_integer>(voltage(-2.5F)), -3);
  EXPECT_EQ(value_of<csl_system_numbers::system_integer>(voltage(2.49F)), 2);
  EXPECT_THROW(value_of<csl_system_numbers::system_integer>(voltage(3e9F)), out_of_range);
  EXPECT_GT(voltage_factor(1.0F), voltage_factor(0.5F));
}

// A voltage result that cannot be represented is the level error, not the range error.
TEST(volt_arithmetic, UnrepresentableResultsAreTheLevelError) {
  using namespace csl_volts;
  EXPECT_THROW(voltage(3e38F) * voltage_factor(10.0F), out_of_range);
  EXPECT_THROW(voltage_factor(3e38F) * voltage_factor(10.0F), out_of_range);
  EXPECT_THROW(voltage(1.0F) / voltage(0.0F), out_of_range);
  EXPECT_THROW(invert(voltage_factor(0.0F)), out_of_range);
  EXPECT_THROW(powersum(voltage(3e38F), voltage(3e38F)), out_of_range);
  EXPECT_THROW(add_voltage(voltage(3e38F), voltage(3e38F), csl_angle::angle(0.0F)), out_of_range);
}

}  // namespace
