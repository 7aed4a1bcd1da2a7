// Levels of the vehicle record's acoustic groups: a type of their own with the
// representation of csl_decibel.db (16-bit counts of 1/64 dB), and the linear
// powers and voltages they convert to.
#pragma once

#include <compare>
#include <cstdint>
#include <span>

#include "csl_decibel.hpp"
#include "csl_powers.hpp"
#include "csl_quantity.hpp"
#include "csl_volts.hpp"

namespace csl_levels {

// -512.0 .. 511.984375 dB.
using db = csl::fixed_quantity<"csl_levels.db", std::int16_t, 64>;

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

// The same count viewed as the other level type.
constexpr db level_of(csl_decibel::db d) {
  return db::from_count(d.count());
}
constexpr csl_decibel::db dbs_of(db l) {
  return csl_decibel::db::from_count(l.count());
}

}  // namespace csl_levels
