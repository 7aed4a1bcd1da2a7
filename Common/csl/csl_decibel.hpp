// Decibel levels as 16-bit counts of 1/64 dB (-512.0 .. 511.984375).
#pragma once

#include <compare>
#include <cstdint>

namespace csl_decibel {

class db {
 public:
  constexpr db() = default;
  static constexpr db from_count(std::int16_t count) {
    db d;
    d.count_ = count;
    return d;
  }

  constexpr std::int16_t count() const { return count_; }
  friend constexpr auto operator<=>(db, db) = default;

 private:
  std::int16_t count_ = 0;
};

static_assert(sizeof(db) == 2);

// x * 64 rounded to the nearest count, halves away from zero; saturates at the ends.
db dbs_of(float x);
constexpr float value_of(db l) {
  return static_cast<float>(l.count()) / 64.0F;
}

}  // namespace csl_decibel
