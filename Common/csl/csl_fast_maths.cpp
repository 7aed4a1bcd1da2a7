#include "csl_fast_maths.hpp"

#include <cmath>
#include <cstddef>

#include "csl_exceptions.hpp"

namespace csl_fast_maths {
namespace {

// The nearest index, halves away from zero; an index outside 0 .. last is a range
// error.
std::size_t table_index(float v, std::size_t last, const char* place) {
  float whole = std::round(v);
  if (!(whole >= 0.0F && whole <= static_cast<float>(last))) throw csl::range_error(place);
  return static_cast<std::size_t>(whole);
}

float as_real(std::size_t i) {
  return static_cast<float>(i);
}

}  // namespace

system_float log(system_float x) {
  constexpr const char* place = "csl_fast_maths.log";
  if (std::isnan(x) || x == HUGE_VALF) throw csl::range_error(place);
  if (x <= 0.0F) return 0.0F;
  system_integer decades = 0;
  while (x >= ten) {
    x /= ten;
    ++decades;
  }
  while (x < one) {
    x *= ten;
    --decades;
  }
  float c = (x - one) * log_interval;
  std::size_t i = table_index(c, log_table.size() - 2, place);
  // Below i the segment from i to i + 1 extends backwards.
  return static_cast<float>(decades) + log_table[i] +
         (c - as_real(i)) * (log_table[i + 1] - log_table[i]);
}

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

system_float antilog(system_float x) {
  constexpr const char* place = "csl_fast_maths.antilog";
  if (!std::isfinite(x)) throw csl::range_error(place);
  // d is the whole part of x, except that a positive whole x gives d = x and a
  // negative or zero one d = x - 1; either way 0 <= f <= 32.
  float shifted = std::round(x - 0.5F);
  if (!(shifted >= -2147483648.0F && shifted < 2147483648.0F)) throw csl::range_error(place);
  auto d = static_cast<system_integer>(shifted);
  float f = (x - static_cast<float>(d)) / antilog_interval;
  std::size_t l = table_index(f, antilog_table.size() - 2, place);
  float mantissa = antilog_table[l] + (f - as_real(l)) * (antilog_table[l + 1] - antilog_table[l]);
  float result = csl_system_numbers::power(ten, d) * mantissa;
  if (!std::isfinite(result)) throw csl::range_error(place);
  return result;
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
    std::size_t k = table_index(diff, db_base.size() - 1, place);
    sum = sum + db_base[k] - (diff - as_real(k)) * db_grad[k];
  }
  return sum;
}

}  // namespace csl_fast_maths
