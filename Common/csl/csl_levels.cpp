#include "csl_levels.hpp"

#include <cstddef>

#include "csl_exceptions.hpp"
#include "csl_fast_maths.hpp"
#include "csl_level_exceptions.hpp"

namespace csl_levels {
namespace {

// 10^(i/80) to the nearest float, written out so that start-up computes nothing
// and the table lies in read-only pages; a test recomputes every entry.
constexpr std::array<float, 66> power_ratios{
    1.0F,        1.02920055F, 1.05925369F, 1.09018445F, 1.12201846F, 1.15478194F, 1.18850219F,
    1.22320712F, 1.25892544F, 1.29568672F, 1.33352149F, 1.37246096F, 1.41253757F, 1.45378435F,
    1.49623561F, 1.53992653F, 1.58489323F, 1.6311729F,  1.67880404F, 1.727826F,   1.77827942F,
    1.83020616F, 1.88364911F, 1.93865263F, 1.99526227F, 2.05352497F, 2.11348915F, 2.17520404F,
    2.23872113F, 2.30409288F, 2.37137365F, 2.44061899F, 2.51188636F, 2.58523488F, 2.66072512F,
    2.73841953F, 2.81838298F, 2.90068126F, 2.98538256F, 3.07255745F, 3.1622777F,  3.25461793F,
    3.34965444F, 3.44746614F, 3.54813385F, 3.65174127F, 3.75837398F, 3.86812043F, 3.98107171F,
    4.09732103F, 4.2169652F,  4.34010267F, 4.46683598F, 4.59727001F, 4.73151255F, 4.86967516F,
    5.01187229F, 5.15822172F, 5.30884457F, 5.46386528F, 5.62341309F, 5.78762007F, 5.95662165F,
    6.13055801F, 6.30957365F, 6.49381638F};

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
