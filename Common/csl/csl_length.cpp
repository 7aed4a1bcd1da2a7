#include "csl_length.hpp"

#include <cmath>
#include <string>
#include <type_traits>
#include <utility>

#include "csl_exceptions.hpp"
#include "csl_system_numbers.hpp"

namespace csl_length {
namespace {

using csl_system_numbers::finite;
using csl_system_numbers::quotient;

float in_metres(metres m) {
  return m.value;
}
float in_metres(feet f) {
  return f.value * feet_to_metres_convert;
}
float in_metres(yards y) {
  return y.value * yards_to_metres_convert;
}
float in_metres(nautical_miles n) {
  return n.value * nautical_miles_to_metres_convert;
}
float in_metres(distance d) {
  return d.metres();
}

template <unit Unit>
constexpr float metres_per() {
  if constexpr (std::is_same_v<Unit, feet>) return feet_to_metres_convert;
  if constexpr (std::is_same_v<Unit, yards>) return yards_to_metres_convert;
  if constexpr (std::is_same_v<Unit, nautical_miles>) return nautical_miles_to_metres_convert;
  return 1.0F;
}

template <unit Unit>
Unit in_unit(float m) {
  if constexpr (std::is_same_v<Unit, metres>) {
    return Unit{m};
  } else {
    return Unit{m / metres_per<Unit>()};
  }
}

void put_image(float value, int decimal_digits, std::span<char> to_string, const char* place) {
  std::string image;
  try {
    image = csl_system_numbers::fixed_image(value, decimal_digits, to_string.size(), place);
  } catch (const csl_system_numbers::layout_error&) {
    throw layout_error(place);
  }
  image.copy(to_string.data(), to_string.size());
}

}  // namespace

layout_error::layout_error(std::string place)
    : named_error("CSL_LENGTH.LAYOUT_ERROR", std::move(place)) {}

distance::distance(float metres) : metres_(metres) {
  // Written so that NaN fails too.
  if (!(metres >= 0.0F && metres <= distance_last)) throw csl::range_error("csl_length.distance");
}

template <class Result, class Unit>
requires(std::same_as<Result, distance>&& unit<Unit>) ||
    (std::same_as<Result, position_vector> && (unit<Unit> || std::same_as<Unit, distance>)) Result
    create(Unit value) {
  float m = in_metres(value);
  if constexpr (std::is_same_v<Result, distance>) {
    return distance(std::fabs(m));
  } else {
    return position_vector(m);
  }
}

template distance create<distance>(metres);
template distance create<distance>(feet);
template distance create<distance>(yards);
template distance create<distance>(nautical_miles);
template position_vector create<position_vector>(metres);
template position_vector create<position_vector>(feet);
template position_vector create<position_vector>(yards);
template position_vector create<position_vector>(nautical_miles);
template position_vector create<position_vector>(distance);

template <unit Unit>
Unit value_of(distance d) {
  return in_unit<Unit>(d.metres());
}

template <unit Unit>
Unit value_of(position_vector p) {
  return in_unit<Unit>(p.metres());
}

template metres value_of<metres>(distance);
template feet value_of<feet>(distance);
template yards value_of<yards>(distance);
template nautical_miles value_of<nautical_miles>(distance);
template metres value_of<metres>(position_vector);
template feet value_of<feet>(position_vector);
template yards value_of<yards>(position_vector);
template nautical_miles value_of<nautical_miles>(position_vector);

// ---- Distances ----

distance operator+(distance left, distance right) {
  return distance(left.metres() + right.metres());
}

distance operator-(distance left, distance right) {
  return distance(left.metres() - right.metres());
}

position_vector operator+(distance d) {
  return position_vector(d.metres());
}

position_vector operator-(distance d) {
  return position_vector(-d.metres());
}

distance operator*(distance d, float r) {
  return distance(d.metres() * std::fabs(r));
}

distance operator*(float r, distance d) {
  return d * r;
}

distance operator/(distance d, float r) {
  return distance(quotient(d.metres(), std::fabs(r), "csl_length.\"/\""));
}

float operator/(distance d, distance e) {
  return quotient(d.metres(), e.metres(), "csl_length.\"/\"");
}

void image_in_metres(distance d, int decimal_digits, std::span<char> to_string) {
  put_image(d.metres(), decimal_digits, to_string, "csl_length.image_in_metres");
}

void image_in_yards(distance d, int decimal_digits, std::span<char> to_string) {
  put_image(value_of<yards>(d).value, decimal_digits, to_string, "csl_length.image_in_yards");
}

void image_in_nautical_miles(distance d, int decimal_digits, std::span<char> to_string) {
  put_image(value_of<nautical_miles>(d).value, decimal_digits, to_string,
            "csl_length.image_in_nautical_miles");
}

// ---- Displacements ----

position_vector operator+(position_vector left, position_vector right) {
  return position_vector(finite(left.metres() + right.metres(), "csl_length.\"+\""));
}

position_vector operator-(position_vector left, position_vector right) {
  return position_vector(finite(left.metres() - right.metres(), "csl_length.\"-\""));
}

position_vector operator-(position_vector p) {
  return position_vector(-p.metres());
}

position_vector operator*(position_vector p, float r) {
  return position_vector(finite(p.metres() * r, "csl_length.\"*\""));
}

position_vector operator*(float r, position_vector p) {
  return p * r;
}

position_vector operator/(position_vector p, float r) {
  return position_vector(quotient(p.metres(), r, "csl_length.\"/\""));
}

float operator/(position_vector p, position_vector q) {
  return quotient(p.metres(), q.metres(), "csl_length.\"/\"");
}

position_vector operator+(position_vector p, distance d) {
  return position_vector(finite(p.metres() + d.metres(), "csl_length.\"+\""));
}

position_vector operator-(position_vector p, distance d) {
  return position_vector(finite(p.metres() - d.metres(), "csl_length.\"-\""));
}

distance absolute(position_vector p) {
  return distance(std::fabs(p.metres()));
}

position_vector relative_depth(distance at_range, csl_angle::angle at_elevation) {
  const float depth =
      finite(at_range.metres() * csl_angle::tan(at_elevation), "csl_length.relative_depth");
  const float elevation = csl_angle::to_float_degrees_convert(at_elevation, -180.0F);
  return position_vector(std::fabs(elevation) > 90.0F ? -depth : depth);
}

}  // namespace csl_length
