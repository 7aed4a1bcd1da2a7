// Fast maths: the table logarithm and antilogarithm and the decibel power sum used
// by the level modules on every simulation step, each a normalisation, one table
// look-up and one linear interpolation, and thin wrappers over the standard square
// root. Everything is single precision.
#pragma once

#include <array>
#include <cstddef>
#include <limits>
#include <span>

#include "csl_exceptions.hpp"

#include "csl_system_numbers.hpp"

namespace csl_fast_maths {

using csl_system_numbers::system_float;
using csl_system_numbers::system_integer;

// Values in index order; the first element is index 1.
using input = std::span<const system_float>;

inline constexpr system_float natural_e = 2.7182817F;
inline constexpr system_float log_10_e = 0.4342944F;
inline constexpr system_float significance_level = 20.0F;
inline constexpr system_integer number_of_log_steps = 45;
inline constexpr system_integer number_of_antilog_steps = 32;
inline constexpr system_float log_interval = 5.0F;
inline constexpr system_float antilog_interval = 0.03125F;
inline constexpr system_integer number_of_db_steps = 20;
inline constexpr system_float one = 1.0F;
inline constexpr system_float ten = 10.0F;
inline constexpr system_float tenth = 0.1F;
inline constexpr system_float alog_length = 32.0F;

// log10(1 + 0.2 i) to five decimals, i = 0 .. 46 (1.0 at 45; 46 lets the last step
// interpolate).
inline constexpr std::array<system_float, 47> log_table{
    0.00000F, 0.07918F, 0.14613F, 0.20412F, 0.25527F, 0.30103F, 0.34242F, 0.38021F,
    0.41497F, 0.44716F, 0.47712F, 0.50515F, 0.53148F, 0.55630F, 0.57978F, 0.60206F,
    0.62325F, 0.64345F, 0.66276F, 0.68124F, 0.69897F, 0.71600F, 0.73239F, 0.74819F,
    0.76343F, 0.77815F, 0.79239F, 0.80618F, 0.81954F, 0.83251F, 0.84510F, 0.85733F,
    0.86923F, 0.88081F, 0.89209F, 0.90309F, 0.91381F, 0.92428F, 0.93450F, 0.94448F,
    0.95424F, 0.96379F, 0.97313F, 0.98227F, 0.99123F, 1.00000F, 1.00860F};

// 10^(i / 32) to five decimals, i = 0 .. 33 (10.0 at 32).
inline constexpr std::array<system_float, 34> antilog_table{
    1.00000F, 1.07461F, 1.15478F, 1.24094F, 1.33352F, 1.43301F,  1.53993F, 1.65482F, 1.77828F,
    1.91095F, 2.05353F, 2.20673F, 2.37137F, 2.54830F, 2.73842F,  2.94273F, 3.16228F, 3.39821F,
    3.65174F, 3.92419F, 4.21697F, 4.53158F, 4.86968F, 5.23299F,  5.62341F, 6.04296F, 6.49382F,
    6.97831F, 7.49894F, 8.05842F, 8.65964F, 9.30572F, 10.00000F, 10.74608F};

// The level to add to the running power sum for a difference of k whole dB, and
// its slope per dB, k = 0 .. 20.
inline constexpr std::array<system_float, 21> db_base{
    3.0067F, 2.5355F, 2.1211F, 1.7612F, 1.4526F, 1.1908F, 0.9711F,
    0.7882F, 0.6373F, 0.5137F, 0.4128F, 0.3311F, 0.2650F, 0.2118F,
    0.1690F, 0.1348F, 0.1074F, 0.0856F, 0.0681F, 0.0542F, 0.0431F};
inline constexpr std::array<system_float, 21> db_grad{
    0.4712F, 0.4144F, 0.3599F, 0.3086F, 0.2618F, 0.2197F, 0.1829F,
    0.1509F, 0.1236F, 0.1009F, 0.0817F, 0.0661F, 0.0532F, 0.0428F,
    0.0342F, 0.0274F, 0.0218F, 0.0175F, 0.0139F, 0.0111F, 0.0087F};

namespace detail {

// The nearest index, halves away from zero; an index outside 0 .. last is a range
// error.
constexpr std::size_t table_index(float v, std::size_t last, const char* place) {
  const float whole = csl_system_numbers::round_half_away(v);
  if (!(whole >= 0.0F && whole <= static_cast<float>(last))) throw csl::range_error(place);
  return static_cast<std::size_t>(whole);
}

}  // namespace detail

// log10(x) by table; 0 for x <= 0. NaN and +infinity are range errors. Usable at
// compile time, with the same result.
constexpr system_float log(system_float x) {
  constexpr const char* place = "csl_fast_maths.log";
  if (x != x || x == std::numeric_limits<float>::infinity()) throw csl::range_error(place);
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
  const float c = (x - one) * log_interval;
  const std::size_t i = detail::table_index(c, log_table.size() - 2, place);
  // Below i the segment from i to i + 1 extends backwards.
  return static_cast<float>(decades) + log_table[i] +
         (c - static_cast<float>(i)) * (log_table[i + 1] - log_table[i]);
}
// The natural logarithm: log(x) / log_10_e.
system_float log_n(system_float x);
// log(x) / log(n); 0 when n = 1 or n <= 0.
system_float log_to_the_base(system_float n, system_float x);
// 10^x by table. A result beyond the float32 range, or x not finite, is a range
// error. Usable at compile time, with the same result.
constexpr system_float antilog(system_float x) {
  constexpr const char* place = "csl_fast_maths.antilog";
  if (!csl_system_numbers::is_finite(x)) throw csl::range_error(place);
  // d is the whole part of x, except that a positive whole x gives d = x and a
  // negative or zero one d = x - 1; either way 0 <= f <= 32.
  const float shifted = csl_system_numbers::round_half_away(x - 0.5F);
  if (!(shifted >= -2147483648.0F && shifted < 2147483648.0F)) throw csl::range_error(place);
  const auto d = static_cast<system_integer>(shifted);
  const float f = (x - static_cast<float>(d)) / antilog_interval;
  const std::size_t l = detail::table_index(f, antilog_table.size() - 2, place);
  const float mantissa =
      antilog_table[l] + (f - static_cast<float>(l)) * (antilog_table[l + 1] - antilog_table[l]);
  const float result = csl_system_numbers::power(ten, d) * mantissa;
  if (!csl_system_numbers::is_finite(result)) throw csl::range_error(place);
  return result;
}
system_float raise_x(system_float x, system_float to_the_power);
system_float raise_e(system_float to_the_power);
// The standard square root; a negative x (or NaN) is a range error.
system_float sqrt(system_float x);
// The power sum of decibel values: from the largest (the first of equal ones) each
// other value in index order adds a table correction for its difference from the
// running sum; values more than 20 dB below it add nothing. An empty input, or a
// NaN in it, is a range error.
system_float power_sum(input a);

}  // namespace csl_fast_maths
