// Decibel levels as 16-bit counts of 1/64 dB (-512.0 .. 511.984375). Their
// arithmetic saturates at the ends instead of failing, and two levels add as powers
// through a table of corrections built when the library is compiled.
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <limits>
#include <span>

#include "csl_quantity.hpp"
#include "csl_system_numbers.hpp"

namespace csl_decibel {

// Gives the quantity types below this namespace's operators.
struct scope;

// Built from a real in -512.0 .. 511.984375 (nearest count, halves away from zero)
// or from a count.
using db = csl::fixed_quantity<"csl_decibel.db", std::int16_t, 64,
                               std::numeric_limits<std::int16_t>::min(),
                               std::numeric_limits<std::int16_t>::max(), scope>;
// Working values of the module, same representation.
using intermediate_db = csl::fixed_quantity<"csl_decibel.intermediate_db", std::int16_t, 64,
                                            std::numeric_limits<std::int16_t>::min(),
                                            std::numeric_limits<std::int16_t>::max(), scope>;

static_assert(sizeof(db) == 2 && sizeof(intermediate_db) == 2);

// Levels in index order; the first element is index 1.
using powersum_array = std::span<const db>;

// Two levels further apart than this many counts (20.0 dB) sum to the larger.
inline constexpr std::int32_t powersum_difference_limit = 1280;
inline constexpr std::int32_t powersum_table_size = 20;

// x * 64 rounded to the nearest count, halves away from zero; saturates at the ends.
constexpr db dbs_of(float x) {
  const float n = csl_system_numbers::round_half_away(x * 64.0F);
  if (!(n >= -32768.0F)) return db::from_count(std::numeric_limits<std::int16_t>::min());
  if (n > 32767.0F) return db::from_count(std::numeric_limits<std::int16_t>::max());
  return db::from_count(static_cast<std::int16_t>(n));
}
constexpr float value_of(db l) {
  return static_cast<float>(l.count()) / 64.0F;
}

// Exact on the counts, saturating at -512.0 and 511.984375; -(-512.0) gives
// 511.984375.
db operator+(db left, db right);
db operator-(db left, db right);
db operator-(db l);
// dbs_of(value_of(l) * x), saturating alike.
db operator*(db l, float x);

// The larger level plus the correction for the difference of the two; 20 dB or
// more apart, the larger alone.
db powersum(db left, db right);
// The first two summed, then each further level in index order. Fewer than two
// levels is "CSL_LEVEL_EXCEPTIONS.OUT_OF_RANGE".
db powersum(powersum_array levels);

// Entry i is the level to add to the larger of two levels i/64 dB apart:
// 10 log10(10^(-i/640) + 1), by the fast logarithm and antilogarithm.
const std::array<db, powersum_difference_limit + 1>& powersum_correction();

}  // namespace csl_decibel
