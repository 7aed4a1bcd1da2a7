// Building blocks of the quantity types: a single-precision real and a scaled-integer
// fixed-point number, each a distinct class named by the module-qualified name of its
// type ("csl_angle.degrees"). The name keeps types of equal representation apart and
// is the place a range error reports. Both classes have the size of their
// representation and are trivially copyable, so they serve as record fields.
#pragma once

#include <algorithm>
#include <bit>
#include <cmath>
#include <compare>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "csl_exceptions.hpp"

namespace csl {

// A string literal usable as a template argument.
template <std::size_t N>
struct type_name {
  char text[N]{};
  constexpr type_name(const char (&name)[N]) { std::copy_n(name, N, text); }  // NOLINT
};

inline constexpr float unbounded = std::numeric_limits<float>::infinity();

// A bound as a template argument: the bit pattern of its float, since not every
// compiler of the project takes floats as template arguments yet.
constexpr std::uint32_t bound(float value) {
  return std::bit_cast<std::uint32_t>(value);
}

// Every quantity type is an alias of a csl template, so argument-dependent lookup
// would search only csl for its operators. Scope, a type declared in the module's
// own namespace (the module's `scope`), adds that namespace: `a + b` on two speeds
// then finds csl_velocity's operator wherever it is written.

// A float32 quantity. With bounds, construction checks first <= value <= last
// (NaN fails) and raises the range error, storing nothing; without bounds any
// value is taken, as for a plain float.
template <type_name Name, std::uint32_t LoBits = bound(-unbounded),
          std::uint32_t HiBits = bound(unbounded), class Scope = void>
class quantity {
 public:
  static constexpr float first = std::bit_cast<float>(LoBits);
  static constexpr float last = std::bit_cast<float>(HiBits);
  static constexpr bool constrained = first != -unbounded || last != unbounded;

  constexpr quantity() = default;
  constexpr explicit quantity(float v) : value_(checked(v)) {}

  constexpr float value() const { return value_; }
  friend constexpr auto operator<=>(quantity, quantity) = default;

  static constexpr bool in_range(float v) { return !constrained || (v >= first && v <= last); }

 private:
  static constexpr float checked(float v) {
    if (!in_range(v)) throw range_error(Name.text);
    return v;
  }

  float value_ = 0.0F;
};

// A float32 quantity without bounds, with the operators of its module.
template <type_name Name, class Scope>
using unbounded_quantity = quantity<Name, bound(-unbounded), bound(unbounded), Scope>;

// A fixed-point quantity: a signed count n of steps 1/Scale, standing for n / Scale.
// Counts lie in Lo .. Hi (by default the whole storage).
template <type_name Name, std::signed_integral Storage, std::int64_t Scale,
          std::int64_t Lo = std::numeric_limits<Storage>::min(),
          std::int64_t Hi = std::numeric_limits<Storage>::max(), class Scope = void>
class fixed_quantity {
 public:
  static_assert(Lo <= Hi && Lo >= std::numeric_limits<Storage>::min() &&
                Hi <= std::numeric_limits<Storage>::max());
  using storage_type = Storage;
  static constexpr std::int64_t scale = Scale;
  static constexpr std::int64_t first_count = Lo;
  static constexpr std::int64_t last_count = Hi;
  static constexpr float first = static_cast<float>(Lo) / static_cast<float>(Scale);
  static constexpr float last = static_cast<float>(Hi) / static_cast<float>(Scale);

  constexpr fixed_quantity() = default;
  // The real must lie in first .. last; it is stored as the nearest count, halves
  // away from zero.
  explicit fixed_quantity(float v) {
    if (!(v >= first && v <= last)) throw range_error(Name.text);
    count_ = static_cast<Storage>(std::round(static_cast<double>(v) * Scale));
  }
  static constexpr fixed_quantity from_count(std::int64_t count) {
    if (count < Lo || count > Hi) throw range_error(Name.text);
    fixed_quantity q;
    q.count_ = static_cast<Storage>(count);
    return q;
  }

  constexpr Storage count() const { return count_; }
  constexpr float value() const { return static_cast<float>(count_) / static_cast<float>(Scale); }
  friend constexpr auto operator<=>(fixed_quantity, fixed_quantity) = default;

 private:
  Storage count_ = 0;
};

}  // namespace csl
