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

// The correction for two levels i counts apart: 10 log10(10^(-i/640) + 1), with
// the table logarithm and antilogarithm, built by the compiler.
using correction_table = std::array<db, powersum_difference_limit + 1>;

constexpr correction_table build_corrections() {
  correction_table table{};
  for (std::int32_t i = 0; i <= powersum_difference_limit; ++i) {
    const float ratio = csl_fast_maths::antilog(-static_cast<float>(i) / 640.0F);
    table[static_cast<std::size_t>(i)] = dbs_of(10.0F * csl_fast_maths::log(ratio + 1.0F));
  }
  return table;
}

constexpr correction_table corrections = build_corrections();

db saturated(std::int32_t count) {
  if (count < lowest) return db::from_count(lowest);
  if (count > highest) return db::from_count(highest);
  return db::from_count(count);
}

}  // namespace

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
