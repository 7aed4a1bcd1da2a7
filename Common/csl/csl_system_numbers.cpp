#include "csl_system_numbers.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>
#include <utility>

namespace csl_system_numbers {
namespace {

// Every real result of the module is checked here: the float32 range ends the
// quantities, and an infinity or NaN would only spread.
system_duration checked(float seconds, const char* place) {
  if (!std::isfinite(seconds)) throw csl::range_error(place);
  return system_duration(seconds);
}

// x >= 0 and finite, written with every fractional digit of its binary value:
// x = m * 2^(e - 53) for an integer m, so 53 - e decimals are exact.
std::string exact_decimal(double x) {
  int exponent = 0;
  std::frexp(x, &exponent);
  const int decimals = std::clamp(53 - exponent, 1, 1074);
  // Either at most 309 integer digits and one decimal, or fewer integer digits
  // than the 1074 decimals of the smallest value lack.
  std::array<char, 1104> text{};
  const auto [end, error] =
      std::to_chars(text.data(), text.data() + text.size(), x, std::chars_format::fixed, decimals);
  if (error != std::errc()) throw csl::range_error("csl_system_numbers.rounded_decimal");
  return std::string(text.data(), end);
}

}  // namespace

std::string rounded_decimal(double x, int decimals) {
  // The exact expansion makes the digit after the last kept one decide alone: 5
  // or more is at least half a step.
  std::string exact = exact_decimal(x);
  const std::size_t point = exact.find('.');
  exact.append(static_cast<std::size_t>(decimals) + 1, '0');
  const std::size_t kept_length = point + 1 + static_cast<std::size_t>(decimals);
  const bool round_up = exact[kept_length] >= '5';
  std::string kept = exact.substr(0, kept_length);
  if (!round_up) return kept;
  for (std::size_t i = kept.size(); i-- > 0;) {
    if (kept[i] == '.') continue;
    if (kept[i] != '9') {
      ++kept[i];
      return kept;
    }
    kept[i] = '0';
  }
  return "1" + kept;
}

system_duration operator*(system_float left, system_duration right) {
  return checked(left * right.value(), "csl_system_numbers.\"*\"");
}
system_duration operator*(system_duration left, system_float right) {
  return checked(left.value() * right, "csl_system_numbers.\"*\"");
}
system_duration operator*(system_integer left, system_duration right) {
  return static_cast<system_float>(left) * right;
}
system_duration operator*(system_duration left, system_integer right) {
  return left * static_cast<system_float>(right);
}
system_duration operator/(system_duration left, system_float right) {
  return checked(left.value() / right, "csl_system_numbers.\"/\"");
}
system_duration operator/(system_duration left, system_integer right) {
  return left / static_cast<system_float>(right);
}
system_float operator/(system_duration left, system_duration right) {
  return checked(left.value() / right.value(), "csl_system_numbers.\"/\"").value();
}
system_duration operator+(system_duration left, system_duration right) {
  return checked(left.value() + right.value(), "csl_system_numbers.\"+\"");
}
system_duration operator-(system_duration left, system_duration right) {
  return checked(left.value() - right.value(), "csl_system_numbers.\"-\"");
}
system_duration operator-(system_duration d) {
  return system_duration(-d.value());
}

system_integer power(system_integer base, system_integer exponent) {
  constexpr const char* place = "csl_system_numbers.\"**\"";
  if (exponent < 0) throw csl::range_error(place);
  // Powers of 0, 1 and -1 stay small however large the exponent; any other base
  // leaves 32 bits within 32 factors.
  if (exponent == 0) return 1;
  if (base == 0 || base == 1) return base;
  if (base == -1) return exponent % 2 == 0 ? 1 : -1;
  std::int64_t result = 1;
  for (system_integer i = 0; i < exponent; ++i) {
    result *= base;
    if (result < std::numeric_limits<system_integer>::min() ||
        result > std::numeric_limits<system_integer>::max()) {
      throw csl::range_error(place);
    }
  }
  return static_cast<system_integer>(result);
}

std::string image_of(std::int64_t value) {
  std::string digits = std::to_string(value);
  return value < 0 ? digits : " " + digits;
}

layout_error::layout_error(std::string place) : named_error("LAYOUT_ERROR", std::move(place)) {}

std::string fixed_image(double value, int aft, std::size_t width, const char* place) {
  if (aft < 0 || aft > 255 || !std::isfinite(value)) throw csl::range_error(place);
  // -0.0 is written as zero.
  if (value == 0.0) value = 0.0;
  const int decimals = aft == 0 ? 1 : aft;
  // Halves away from zero, as every other image rounds.
  const std::string digits = rounded_decimal(std::fabs(value), decimals);
  const std::string text = value < 0.0 ? "-" + digits : digits;
  if (text.size() > width) throw layout_error(place);
  return std::string(width - text.size(), ' ') + text;
}

std::int64_t round_to_integer(double value) {
  double whole = std::round(value);
  // 2^63 is exact in double; anything at or beyond it does not fit.
  if (!(whole >= -9223372036854775808.0 && whole < 9223372036854775808.0)) {
    throw csl::range_error("csl_system_numbers.round_to_integer");
  }
  return static_cast<std::int64_t>(whole);
}

system_integer round_to_system_integer(double value) {
  double whole = std::round(value);
  if (!(whole >= std::numeric_limits<system_integer>::min() &&
        whole <= std::numeric_limits<system_integer>::max())) {
    throw csl::range_error("csl_system_numbers.round_to_system_integer");
  }
  return static_cast<system_integer>(whole);
}

}  // namespace csl_system_numbers
