// Fixed-length texts as stored in records: exactly N characters, blank-padded on the
// right, never zero-terminated.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "csl_exceptions.hpp"

namespace csl {

template <std::size_t N>
struct fixed_text {
  std::array<char, N> chars{};

  // Pads with blanks; a text longer than N characters is a range error.
  static constexpr fixed_text from(std::string_view text) {
    if (text.size() > N) throw range_error("csl_fixed_text.from");
    fixed_text result;
    std::fill(result.chars.begin(), result.chars.end(), ' ');
    std::copy(text.begin(), text.end(), result.chars.begin());
    return result;
  }
  static constexpr fixed_text blanks() { return from(""); }

  std::string_view view() const { return {chars.data(), N}; }
  std::string str() const { return std::string(view()); }
  friend constexpr bool operator==(const fixed_text&, const fixed_text&) = default;
};

}  // namespace csl
