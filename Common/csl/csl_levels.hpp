// Levels of the vehicle record's acoustic groups: a type of their own with the
// representation of csl_decibel.db (16-bit counts of 1/64 dB).
#pragma once

#include <compare>
#include <cstdint>

#include "csl_decibel.hpp"

namespace csl_levels {

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

inline constexpr db zero_dbs{};

// The same count viewed as the other level type.
constexpr db level_of(csl_decibel::db d) {
  return db::from_count(d.count());
}
constexpr csl_decibel::db dbs_of(db l) {
  return csl_decibel::db::from_count(l.count());
}

}  // namespace csl_levels
