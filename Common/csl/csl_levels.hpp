// Levels of the vehicle record's acoustic groups: a type of their own with the
// representation of csl_decibel.db (16-bit counts of 1/64 dB), their arithmetic
// (that of csl_decibel), and the linear powers and voltages they convert to.
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <limits>
#include <span>

#include "csl_decibel.hpp"
#include "csl_powers.hpp"
#include "csl_quantity.hpp"
#include "csl_volts.hpp"

namespace csl_levels {

// Gives the quantity types below this namespace's operators.
struct scope;

// -512.0 .. 511.984375 dB. It serves both as a level and as a level ratio.
using db =
    csl::fixed_quantity<"csl_levels.db", std::int16_t, 64, std::numeric_limits<std::int16_t>::min(),
                        std::numeric_limits<std::int16_t>::max(), scope>;

static_assert(sizeof(db) == 2);

// Levels in index order; the first element is index 1.
using powersum_array = std::span<const db>;

using power = csl_powers::power;
using power_factor = csl_powers::power_factor;
using voltage = csl_volts::voltage;
using voltage_factor = csl_volts::voltage_factor;

inline constexpr db zero_dbs{};
// How a level changes when its reference distance goes from one metre to one
// nautical mile: -20 log10(1853.1841) = -65.3586 dB, to the nearest 1/64 dB.
inline constexpr csl_decibel::db dbs_ref_m_to_dbs_ref_nm = csl_decibel::db::from_count(-4183);
inline constexpr float one = 1.0F;
inline constexpr float log16 = 6.3095698F;  // 10^0.8
inline constexpr float alog_length = 64.0F;

// Entry i is 10^(i/80), the power ratio of i/8 dB, i = 0 .. 65.
const std::array<float, 66>& alog_table();

// The same count viewed as the other level type.
constexpr db level_of(csl_decibel::db d) {
  return db::from_count(d.count());
}
constexpr db level_factor_of(csl_decibel::db d) {
  return db::from_count(d.count());
}
constexpr csl_decibel::db dbs_of(db l) {
  return csl_decibel::db::from_count(l.count());
}
constexpr float value_of(db l) {
  return csl_decibel::value_of(dbs_of(l));
}

// The csl_decibel arithmetic on the same counts: saturating, never failing.
db operator+(db left, db right);
db operator-(db left, db right);
db operator-(db l);
db powersum(db left, db right);
// As csl_decibel.powersum, except that fewer than two levels is the range error.
db powersum(powersum_array levels);

// 10 log10 of a power, 20 log10 of a voltage, by the fast logarithm (0 dB for a
// value of 0 or less). A failure is "CSL_LEVEL_EXCEPTIONS.OUT_OF_RANGE".
db level_of(power p);
db level_factor_of(power_factor f);
db level_of(voltage v);
db level_factor_of(voltage_factor f);

// 10^(dB/10) and 10^(dB/20) by the fast antilogarithm. A result beyond the float32
// range is "CSL_LEVEL_EXCEPTIONS.OUT_OF_RANGE".
power power_of(db l);
power_factor power_factor_of(db l);
voltage voltage_of(db l);
voltage_factor voltage_factor_of(db l);

}  // namespace csl_levels
