// Decibel levels as 16-bit counts of 1/64 dB (-512.0 .. 511.984375).
#pragma once

#include <compare>
#include <cstdint>
#include <span>

#include "csl_quantity.hpp"

namespace csl_decibel {

// Built from a real in -512.0 .. 511.984375 (nearest count, halves away from zero)
// or from a count.
using db = csl::fixed_quantity<"csl_decibel.db", std::int16_t, 64>;
// Working values of the module, same representation.
using intermediate_db = csl::fixed_quantity<"csl_decibel.intermediate_db", std::int16_t, 64>;

static_assert(sizeof(db) == 2 && sizeof(intermediate_db) == 2);

// Levels in index order; the first element is index 1.
using powersum_array = std::span<const db>;

// Two levels further apart than this many counts (20.0 dB) sum to the larger.
inline constexpr std::int32_t powersum_difference_limit = 1280;
inline constexpr std::int32_t powersum_table_size = 20;

// x * 64 rounded to the nearest count, halves away from zero; saturates at the ends.
db dbs_of(float x);
constexpr float value_of(db l) {
  return static_cast<float>(l.count()) / 64.0F;
}

}  // namespace csl_decibel
