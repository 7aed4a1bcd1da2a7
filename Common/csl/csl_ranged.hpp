// Integer and enumeration fields whose range is smaller than their storage. The
// wrapper has the size of its storage, so records keep their file layout;
// assigning a value outside the range raises the range error and keeps the old
// value. Values read from a file are taken as they are: the check guards what
// this process stores.
#pragma once

#include <concepts>
#include <cstdint>
#include <type_traits>
#include <utility>

#include "csl_exceptions.hpp"

namespace csl {

template <std::integral Storage, std::int64_t Lo, std::int64_t Hi>
class ranged {
 public:
  using storage_type = Storage;
  static constexpr std::int64_t first = Lo;
  static constexpr std::int64_t last = Hi;

  constexpr ranged() = default;
  // Implicit on purpose: `group.c100 = 1;` reads like the field assignment it is.
  template <std::integral V>
  constexpr ranged(V v) : value_(checked(v)) {}  // NOLINT(google-explicit-constructor)

  constexpr Storage value() const { return value_; }
  constexpr operator Storage() const { return value_; }  // NOLINT(google-explicit-constructor)

  template <std::integral V>
  static constexpr bool in_range(V v) {
    return std::cmp_greater_equal(v, Lo) && std::cmp_less_equal(v, Hi);
  }

 private:
  template <std::integral V>
  static constexpr Storage checked(V v) {
    if (!in_range(v)) throw range_error("csl_ranged.ranged");
    return static_cast<Storage>(v);
  }

  Storage value_ = 0;
};

// An enumeration field whose literals run from First to Last, in the enumeration's
// own storage (one byte for the record enumerations). As with ranged, assigning
// any other value raises the range error and keeps the old value, and a byte
// read from a file is taken as it is.
template <class E, E First, E Last>
requires std::is_enum_v<E>
class ranged_enum {
 public:
  using value_type = E;
  static constexpr E first = First;
  static constexpr E last = Last;

  constexpr ranged_enum() = default;
  // Implicit on purpose: `tonal.c742 = c742_type::prop_blade;` reads as the assignment it is.
  constexpr ranged_enum(E v) : value_(checked(v)) {}  // NOLINT(google-explicit-constructor)

  constexpr E value() const { return value_; }
  constexpr operator E() const { return value_; }  // NOLINT(google-explicit-constructor)

  static constexpr bool in_range(E v) {
    return position(v) >= position(First) && position(v) <= position(Last);
  }

 private:
  static constexpr std::underlying_type_t<E> position(E v) {
    return static_cast<std::underlying_type_t<E>>(v);
  }
  static constexpr E checked(E v) {
    if (!in_range(v)) throw range_error("csl_ranged.ranged_enum");
    return v;
  }

  E value_ = First;
};

}  // namespace csl
