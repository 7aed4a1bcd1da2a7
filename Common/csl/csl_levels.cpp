#include "csl_levels.hpp"

#include <cmath>
#include <cstddef>

#include "csl_exceptions.hpp"
#include "csl_fast_maths.hpp"
#include "csl_level_exceptions.hpp"

namespace csl_levels {
namespace {

std::array<float, 66> power_ratios{};

db level_from(float value, float decibels_per_decade, const char* place) {
  try {
    return level_of(csl_decibel::dbs_of(decibels_per_decade * csl_fast_maths::log(value)));
  } catch (const csl::range_error&) {
    throw csl_level_exceptions::out_of_range(place);
  }
}

float linear_from(db l, float decibels_per_decade, const char* place) {
  try {
    return csl_fast_maths::antilog(value_of(l) / decibels_per_decade);
  } catch (const csl::range_error&) {
    throw csl_level_exceptions::out_of_range(place);
  }
}

}  // namespace

void start_up() {
  for (std::size_t i = 0; i < power_ratios.size(); ++i) {
    power_ratios[i] = static_cast<float>(std::pow(10.0, static_cast<double>(i) / 80.0));
  }
}

const std::array<float, 66>& alog_table() {
  return power_ratios;
}

db operator+(db left, db right) {
  return level_of(dbs_of(left) + dbs_of(right));
}

db operator-(db left, db right) {
  return level_of(dbs_of(left) - dbs_of(right));
}

db operator-(db l) {
  return level_of(-dbs_of(l));
}

db powersum(db left, db right) {
  return level_of(csl_decibel::powersum(dbs_of(left), dbs_of(right)));
}

db powersum(powersum_array levels) {
  if (levels.size() < 2) throw csl::range_error("csl_levels.powersum");
  db sum = powersum(levels[0], levels[1]);
  for (std::size_t i = 2; i < levels.size(); ++i) sum = powersum(sum, levels[i]);
  return sum;
}

db level_of(power p) {
  return level_from(p.value(), 10.0F, "csl_levels.level_of");
}

db level_factor_of(power_factor f) {
  return level_from(f.value(), 10.0F, "csl_levels.level_factor_of");
}

db level_of(voltage v) {
  return level_from(v.value(), 20.0F, "csl_levels.level_of");
}

db level_factor_of(voltage_factor f) {
  return level_from(f.value(), 20.0F, "csl_levels.level_factor_of");
}

power power_of(db l) {
  return power(linear_from(l, 10.0F, "csl_levels.power_of"));
}

power_factor power_factor_of(db l) {
  return power_factor(linear_from(l, 10.0F, "csl_levels.power_factor_of"));
}

voltage voltage_of(db l) {
  return voltage(linear_from(l, 20.0F, "csl_levels.voltage_of"));
}

voltage_factor voltage_factor_of(db l) {
  return voltage_factor(linear_from(l, 20.0F, "csl_levels.voltage_factor_of"));
}

}  // namespace csl_levels
