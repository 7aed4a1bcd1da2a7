// Lengths: distances (magnitudes) and signed position vectors, both single-precision
// metres, and the operator units they are made from.
#pragma once

#include <compare>
#include <string>

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

inline constexpr distance zero_distance{};
inline constexpr position_vector zero_position_vector{};

// A text image does not fit the caller's string.
class layout_error : public csl::named_error {
 public:
  explicit layout_error(std::string place);
};

// create<distance>(yards{50}) is the magnitude in metres; create<position_vector>
// keeps the sign. Products are single precision, rounded once.
template <class Result, class Unit>
Result create(Unit value);

// The distance in metres, unchanged.
constexpr float value_of(distance d) {
  return d.metres();
}
constexpr float value_of(position_vector p) {
  return p.metres();
}

}  // namespace csl_length
