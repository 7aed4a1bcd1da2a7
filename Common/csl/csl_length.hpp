// Lengths: distances (magnitudes) and signed position vectors, both single-precision
// metres, the operator units they are made from, their arithmetic and text images.
#pragma once

#include <compare>
#include <concepts>
#include <span>
#include <string>

#include "csl_angle.hpp"
#include "csl_exceptions.hpp"

namespace csl_length {

inline constexpr float feet_to_metres_convert = 0.3048F;
inline constexpr float yards_to_metres_convert = 0.9144F;
inline constexpr float nautical_miles_to_metres_convert = 1853.184F;

// 2^84 - 2^63: the largest value with 21 significant bits below 2^84.
inline constexpr float distance_last = 1.9342804e25F;

// Metres, 0 .. distance_last; -0.0 compares equal to 0.0 and is accepted.
class distance {
 public:
  constexpr distance() = default;
  explicit distance(float metres);

  constexpr float metres() const { return metres_; }
  friend constexpr auto operator<=>(distance, distance) = default;

 private:
  float metres_ = 0.0F;
};

// Signed metres, unconstrained.
class position_vector {
 public:
  constexpr position_vector() = default;
  constexpr explicit position_vector(float metres) : metres_(metres) {}

  constexpr float metres() const { return metres_; }
  friend constexpr auto operator<=>(position_vector, position_vector) = default;

 private:
  float metres_ = 0.0F;
};

static_assert(sizeof(distance) == 4 && sizeof(position_vector) == 4);

// Operator units, unconstrained.
struct metres {
  float value;
  friend constexpr auto operator<=>(metres, metres) = default;
};
struct feet {
  float value;
  friend constexpr auto operator<=>(feet, feet) = default;
};
struct yards {
  float value;
  friend constexpr auto operator<=>(yards, yards) = default;
};
struct nautical_miles {
  float value;
  friend constexpr auto operator<=>(nautical_miles, nautical_miles) = default;
};

static_assert(sizeof(metres) == 4 && sizeof(feet) == 4 && sizeof(yards) == 4);
static_assert(sizeof(nautical_miles) == 4);

template <class T>
concept unit = std::same_as<T, metres> || std::same_as<T, feet> || std::same_as<T, yards> ||
    std::same_as<T, nautical_miles>;

inline constexpr distance zero_distance{};
inline constexpr position_vector zero_position_vector{};

// A text image does not fit the caller's string.
class layout_error : public csl::named_error {
 public:
  explicit layout_error(std::string place);
};

// create<distance>(yards{50}) is the magnitude in metres; create<position_vector>
// keeps the sign, and also takes a distance. Products are single precision,
// rounded once.
template <class Result, class Unit>
requires(std::same_as<Result, distance>&& unit<Unit>) ||
    (std::same_as<Result, position_vector> && (unit<Unit> || std::same_as<Unit, distance>)) Result
    create(Unit value);

// The value in metres, unchanged.
constexpr float value_of(distance d) {
  return d.metres();
}
constexpr float value_of(position_vector p) {
  return p.metres();
}
// The value in a unit: value_of<feet>(d) is the metres divided by 0.3048.
template <unit Unit>
Unit value_of(distance d);
template <unit Unit>
Unit value_of(position_vector p);

// ---- Distances (a result outside 0 .. distance_last is the range error) ----

distance operator+(distance left, distance right);
distance operator-(distance left, distance right);
position_vector operator+(distance d);
position_vector operator-(distance d);
// d * |r|, d / |r|.
distance operator*(distance d, float r);
distance operator*(float r, distance d);
distance operator/(distance d, float r);
// The ratio; a zero divisor is the range error.
float operator/(distance d, distance e);

// The distance in the unit with decimal_digits decimals (0 .. 255; at least one is
// written), right-justified over the whole of to_string. An image longer than
// to_string is "CSL_LENGTH.LAYOUT_ERROR" and leaves to_string unchanged.
void image_in_metres(distance d, int decimal_digits, std::span<char> to_string);
void image_in_yards(distance d, int decimal_digits, std::span<char> to_string);
void image_in_nautical_miles(distance d, int decimal_digits, std::span<char> to_string);

// ---- Displacements (plain signed arithmetic; a division by zero, or a result
// beyond the float32 range, is the range error) ----

position_vector operator+(position_vector left, position_vector right);
position_vector operator-(position_vector left, position_vector right);
position_vector operator-(position_vector p);
position_vector operator*(position_vector p, float r);
position_vector operator*(float r, position_vector p);
position_vector operator/(position_vector p, float r);
float operator/(position_vector p, position_vector q);
position_vector operator+(position_vector p, distance d);
position_vector operator-(position_vector p, distance d);

distance absolute(position_vector p);
// The depth below (positive) or above the line of sight of a point at_range away
// at_elevation up: at_range * tan(at_elevation), negated for an elevation beyond
// 90 degrees either way.
position_vector relative_depth(distance at_range, csl_angle::angle at_elevation);

}  // namespace csl_length
