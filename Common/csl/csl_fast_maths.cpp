#include "csl_fast_maths.hpp"

#include <cmath>
#include <cstddef>

#include "csl_exceptions.hpp"

namespace csl_fast_maths {
system_float log_n(system_float x) {
  return log(x) / log_10_e;
}

system_float log_to_the_base(system_float n, system_float x) {
  if (n == one || n <= 0.0F) return 0.0F;
  float of_base = log(n);
  // Only n = 1 has a logarithm of exactly 0 in practice; never divide by it.
  if (of_base == 0.0F) return 0.0F;
  return log(x) / of_base;
}

system_float raise_x(system_float x, system_float to_the_power) {
  return antilog(log(x) * to_the_power);
}

system_float raise_e(system_float to_the_power) {
  return antilog(to_the_power * log_10_e);
}

system_float sqrt(system_float x) {
  if (!(x >= 0.0F)) throw csl::range_error("csl_fast_maths.sqrt");
  return std::sqrt(x);
}

system_float power_sum(input a) {
  constexpr const char* place = "csl_fast_maths.power_sum";
  if (a.empty()) throw csl::range_error(place);
  std::size_t largest = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::isnan(a[i])) throw csl::range_error(place);
    if (a[i] > a[largest]) largest = i;
  }
  float sum = a[largest];
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (i == largest) continue;
    float diff = sum - a[i];
    if (!(diff <= significance_level)) continue;
    const std::size_t k = detail::table_index(diff, db_base.size() - 1, place);
    sum = sum + db_base[k] - (diff - static_cast<float>(k)) * db_grad[k];
  }
  return sum;
}

}  // namespace csl_fast_maths
