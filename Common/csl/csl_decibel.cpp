#include "csl_decibel.hpp"

#include <cmath>
#include <limits>

namespace csl_decibel {

db dbs_of(float x) {
  float n = std::round(x * 64.0F);
  if (!(n >= -32768.0F)) return db::from_count(std::numeric_limits<std::int16_t>::min());
  if (n > 32767.0F) return db::from_count(std::numeric_limits<std::int16_t>::max());
  return db::from_count(static_cast<std::int16_t>(n));
}

}  // namespace csl_decibel
