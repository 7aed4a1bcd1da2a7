#include "csl_decibel.hpp"

#include <cmath>
#include <cstddef>
#include <limits>

#include "csl_exceptions.hpp"
#include "csl_fast_maths.hpp"
#include "csl_level_exceptions.hpp"

namespace csl_decibel {
namespace {

constexpr std::int32_t lowest = std::numeric_limits<std::int16_t>::min();
constexpr std::int32_t highest = std::numeric_limits<std::int16_t>::max();

std::array<db, powersum_difference_limit + 1> corrections{};

db saturated(std::int32_t count) {
  if (count < lowest) return db::from_count(lowest);
  if (count > highest) return db::from_count(highest);
  return db::from_count(count);
}

}  // namespace

void start_up() {
  for (std::int32_t i = 0; i <= powersum_difference_limit; ++i) {
    const float ratio = csl_fast_maths::antilog(-static_cast<float>(i) / 640.0F);
    corrections[static_cast<std::size_t>(i)] = dbs_of(10.0F * csl_fast_maths::log(ratio + 1.0F));
  }
}

db dbs_of(float x) {
  float n = std::round(x * 64.0F);
  if (!(n >= -32768.0F)) return db::from_count(std::numeric_limits<std::int16_t>::min());
  if (n > 32767.0F) return db::from_count(std::numeric_limits<std::int16_t>::max());
  return db::from_count(static_cast<std::int16_t>(n));
}

db operator+(db left, db right) {
  return saturated(std::int32_t{left.count()} + right.count());
}

db operator-(db left, db right) {
  return saturated(std::int32_t{left.count()} - right.count());
}

db operator-(db l) {
  return saturated(-std::int32_t{l.count()});
}

db operator*(db l, float x) {
  return dbs_of(value_of(l) * x);
}

db powersum(db left, db right) {
  const bool right_larger = left < right;
  const db larger = right_larger ? right : left;
  const db smaller = right_larger ? left : right;
  const std::int32_t difference = std::int32_t{larger.count()} - smaller.count();
  if (difference > powersum_difference_limit) return larger;
  return larger + corrections[static_cast<std::size_t>(difference)];
}

db powersum(powersum_array levels) {
  if (levels.size() < 2) throw csl_level_exceptions::out_of_range("csl_decibel.powersum");
  db sum = powersum(levels[0], levels[1]);
  for (std::size_t i = 2; i < levels.size(); ++i) sum = powersum(sum, levels[i]);
  return sum;
}

const std::array<db, powersum_difference_limit + 1>& powersum_correction() {
  return corrections;
}

}  // namespace csl_decibel
