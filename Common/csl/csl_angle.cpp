#include "csl_angle.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>
#include <utility>

#include "csl_fast_maths.hpp"
#include "csl_output.hpp"
#include "csl_system_numbers.hpp"

namespace csl_angle {
namespace {

// Entries -1 .. 901 and -1 .. 101: the extra entry at each end lets every look-up
// interpolate towards its right neighbour.
constexpr int sine_first = -1;
constexpr int sine_last = 901;
constexpr int arctan_first = -1;
constexpr int arctan_last = 101;

// Built by the compiler from the series.
constexpr std::array<float, sine_last - sine_first + 1> sine_values = [] {
  std::array<float, sine_last - sine_first + 1> values{};
  for (int i = sine_first; i <= sine_last; ++i) {
    values[static_cast<std::size_t>(i - sine_first)] =
        series_sine(static_cast<float>(i) / 900.0F * piby2);
  }
  return values;
}();

constexpr std::array<float, arctan_last - arctan_first + 1> arctan_values = [] {
  std::array<float, arctan_last - arctan_first + 1> values{};
  for (int i = arctan_first; i <= arctan_last; ++i) {
    values[static_cast<std::size_t>(i - arctan_first)] =
        series_arctan(static_cast<float>(i) / 100.0F, 1.0F);
  }
  return values;
}();

void require_finite(float x, const char* place) {
  if (!std::isfinite(x)) throw csl::range_error(place);
}

float interpolate(float q, float at_i, float at_next, int i) {
  return at_i + (q - static_cast<float>(i)) * (at_next - at_i);
}

// The whole part of q >= 0, taken as the nearest integer to q - 0.5 (so 0 gives
// -1, which the tables' entry -1 serves).
int whole_part(float q) {
  return static_cast<int>(std::round(q - 0.5F));
}

angle wrapped(float x) {
  return angle(bring_into_range(x));
}

// a in 0 .. 2 pi.
float positive(angle a) {
  return a.radians() < 0.0F ? a.radians() + two_pi : a.radians();
}

float divided(float x, float by, const char* place) {
  if (by == 0.0F) throw csl::range_error(place);
  return x / by;
}

float ratio(float x, float by, const char* place) {
  float r = divided(x, by, place);
  require_finite(r, place);
  return r;
}

// v moved by whole turns into [start, start + turn].
float moved_into(float v, float start, float turn, const char* place) {
  const float end = start + turn;
  require_finite(end, place);
  if (v < start || v > end) {
    const double turns = std::ceil((static_cast<double>(start) - v) / turn);
    v += static_cast<float>(turns) * turn;
  }
  // Rounding can leave the value a hair outside; one more turn settles it.
  if (v < start) v += turn;
  if (v > end) v -= turn;
  return v;
}

// Decimal digits with single underscores between them, appended to literal
// without the underscores. False when there is no digit at from.
bool read_digits(std::string_view s, std::size_t& at, std::string& literal, const char* place) {
  auto digit = [&](std::size_t i) { return i < s.size() && s[i] >= '0' && s[i] <= '9'; };
  if (!digit(at)) return false;
  while (digit(at)) {
    literal += s[at++];
    if (at < s.size() && s[at] == '_') {
      if (!digit(at + 1)) throw string_error(place);
      ++at;
    }
  }
  return true;
}

// The real at the start of s, and the index of its last character.
std::pair<float, std::size_t> read_real(std::string_view s, const char* place) {
  std::size_t at = 0;
  while (at < s.size() && (s[at] == ' ' || s[at] == '\t')) ++at;
  if (at == s.size()) throw end_error(place);
  std::string literal;
  if (s[at] == '+' || s[at] == '-') {
    if (s[at] == '-') literal += '-';
    ++at;
  }
  if (!read_digits(s, at, literal, place)) throw string_error(place);
  if (at < s.size() && s[at] == '.') {
    literal += s[at++];
    if (!read_digits(s, at, literal, place)) throw string_error(place);
  }
  if (at < s.size() && (s[at] == 'e' || s[at] == 'E')) {
    literal += s[at++];
    if (at < s.size() && (s[at] == '+' || s[at] == '-')) literal += s[at++];
    if (!read_digits(s, at, literal, place)) throw string_error(place);
  }
  double value = 0.0;
  const auto [end, error] = std::from_chars(literal.data(), literal.data() + literal.size(), value);
  if (error != std::errc() || end != literal.data() + literal.size() ||
      !(std::fabs(value) <= std::numeric_limits<float>::max())) {
    throw string_error(place);
  }
  return {static_cast<float>(value), at - 1};
}

}  // namespace

angle::angle(float radians) : radians_(radians) {
  if (!(radians >= -pi && radians <= pi)) throw csl::range_error("csl_angle.angle");
}

out_of_range::out_of_range(std::string place)
    : named_error("CSL_ANGLE.OUT_OF_RANGE", std::move(place)) {}

string_error::string_error(std::string place)
    : named_error("CSL_ANGLE.STRING_ERROR", std::move(place)) {}

end_error::end_error(std::string place) : named_error("END_ERROR", std::move(place)) {}

// ---- Conversions ----

float bring_into_range(float x) {
  if (std::fabs(x) > 1000000.0F) {
    csl_output::put("absurd angle to bring into range 0 returned");
    return 0.0F;
  }
  while (x >= pi) x -= two_pi;
  while (x < -pi) x += two_pi;
  return x;
}

angle from_float_degrees_convert(float in_degrees) {
  return wrapped(in_degrees * radians_per_degree);
}

angle from_float_radians_convert(float in_radians) {
  return wrapped(in_radians);
}

angle from_radian_convert(radians r) {
  return angle(r.value);
}

angle from_degree_convert(degrees d) {
  return angle(d.value() * radians_per_degree);
}

angle from_brams_convert(bram_type b) {
  return wrapped(b.value() * pi);
}

read_angle from_radian_string_convert(std::string_view s) {
  const auto [value, last] = read_real(s, "csl_angle.from_radian_string_convert");
  return {last, from_float_radians_convert(value)};
}

read_angle from_degree_string_convert(std::string_view s) {
  const auto [value, last] = read_real(s, "csl_angle.from_degree_string_convert");
  return {last, from_float_degrees_convert(value)};
}

float to_float_degrees_convert(angle a, float start) {
  return moved_into(a.radians() * degrees_per_radian, start, 360.0F,
                    "csl_angle.to_float_degrees_convert");
}

float to_float_radians_convert(angle a, float start) {
  return moved_into(a.radians(), start, two_pi, "csl_angle.to_float_radians_convert");
}

bram_type to_brams_convert(angle a) {
  const float count = std::round(a.radians() / pi * 32768.0F);
  // pi and -pi are the same direction; only -pi has a count.
  if (count >= 32768.0F) return bram_type::from_count(-32768);
  return bram_type::from_count(static_cast<std::int64_t>(count));
}

radians to_radian_convert(angle a) {
  return radians{a.radians()};
}

degrees to_degree_convert(angle a) {
  return degrees(a.radians() * degrees_per_radian);
}

void convert_angle_to_string(angle a, std::span<char> to_string, int decimal_digits) {
  const std::string image = csl_system_numbers::fixed_image(
      a.radians(), decimal_digits, to_string.size(), "csl_angle.convert_angle_to_string");
  image.copy(to_string.data(), to_string.size());
}

// ---- Arithmetic ----

angle operator+(angle a, angle b) {
  return wrapped(a.radians() + b.radians());
}

angle operator-(angle a, angle b) {
  return wrapped(a.radians() - b.radians());
}

angle operator-(angle a) {
  return angle(-a.radians());
}

angle operator*(angle a, float r) {
  return wrapped(a.radians() * r);
}

float operator/(angle a, angle b) {
  return ratio(positive(a), positive(b), "csl_angle.\"/\"");
}

angle operator/(angle a, float r) {
  return wrapped(divided(positive(a), r, "csl_angle.\"/\""));
}

float div180(angle a, angle b) {
  return ratio(a.radians(), b.radians(), "csl_angle.div180");
}

angle div180(angle a, float r) {
  return wrapped(divided(a.radians(), r, "csl_angle.div180"));
}

angle average(angle a, angle b) {
  if (b < a) std::swap(a, b);
  const float middle = (a.radians() + b.radians()) / 2.0F;
  // Beyond half a turn apart, the smaller arc crosses +-pi: its bisector is
  // opposite the plain mean.
  if (b.radians() - a.radians() > pi) return wrapped(middle - pi);
  return angle(middle);
}

bool port_turn_shorter(angle left, angle right) {
  const float d = left.radians() - right.radians();
  return d > pi || (d > -pi && d < 0.0F);
}

bool starboard_turn_shorter(angle left, angle right) {
  return !port_turn_shorter(left, right);
}

bool in_sector(angle the_angle, angle left_of_sector, angle right_of_sector) {
  if (left_of_sector <= right_of_sector) {
    return left_of_sector <= the_angle && the_angle <= right_of_sector;
  }
  return the_angle >= left_of_sector || the_angle <= right_of_sector;
}

// ---- Trigonometry ----

float sine(angle a) {
  float x = std::fabs(a.radians());
  if (x > piby2) x = pi - x;
  const float q = x / interval;
  const int i = whole_part(q);
  const float s = interpolate(q, sine_table(i), sine_table(i + 1), i);
  return a.radians() < 0.0F ? -s : s;
}

float cos(angle a) {
  return sine(wrapped(a.radians() + piby2));
}

float tan(angle a) {
  return ratio(sine(a), cos(a), "csl_angle.tan");
}

angle arctan(float of_x_coord, float of_y_coord) {
  const bool x_negative = of_x_coord < 0.0F;
  const bool y_negative = of_y_coord < 0.0F;
  float x = std::fabs(of_x_coord);
  float y = std::fabs(of_y_coord);
  const bool swapped = x > y;
  if (swapped) std::swap(x, y);
  if (y == 0.0F) return zero_degrees;
  const float q = x / y / arctan_interval;
  // Two infinities, or a NaN, have no direction.
  if (!(q >= 0.0F && q <= 100.0F)) throw csl::range_error("csl_angle.arctan");
  const int i = whole_part(q);
  float r = interpolate(q, arctan_table(i), arctan_table(i + 1), i);
  if (swapped) r = piby2 - r;
  if (y_negative) r = pi - r;
  if (x_negative) r = -r;
  return angle(r);
}

angle arcsine(float n) {
  if (!(n >= -1.0F && n <= 1.0F)) throw out_of_range("csl_angle.arcsine");
  return arctan(n, csl_fast_maths::sqrt(1.0F - n * n));
}

angle arccos(float n) {
  if (!(n >= -1.0F && n <= 1.0F)) throw out_of_range("csl_angle.arccos");
  return arctan(csl_fast_maths::sqrt(1.0F - n * n), n);
}

float sine_table(int i) {
  if (i < sine_first || i > sine_last) throw csl::range_error("csl_angle.sine_table");
  return sine_values[static_cast<std::size_t>(i - sine_first)];
}

float arctan_table(int i) {
  if (i < arctan_first || i > arctan_last) throw csl::range_error("csl_angle.arctan_table");
  return arctan_values[static_cast<std::size_t>(i - arctan_first)];
}

}  // namespace csl_angle
