// Integer fields whose range is smaller than their storage. The wrapper has the size
// of its storage, so records keep their file layout; assigning a value outside the
// range raises the range error and keeps the old value. Values read from a file are
// taken as they are: the check guards what this process stores.
#pragma once

#include <concepts>
#include <cstdint>
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

}  // namespace csl
