// Angles read from text of any content: an angle in range, or a named error.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "csl_angle.hpp"
#include "csl_exceptions.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool started = [] {
    fuzz_support::scratch();
    return true;
  }();
  (void)started;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (auto convert :
       {csl_angle::from_degree_string_convert, csl_angle::from_radian_string_convert}) {
    try {
      const csl_angle::read_angle result = convert(text);
      if (result.last_digit >= size) __builtin_trap();
      const float r = result.the_angle.radians();
      if (!(r >= -csl_angle::pi && r <= csl_angle::pi)) __builtin_trap();
    } catch (const csl::named_error&) {
    }
  }
  return 0;
}
