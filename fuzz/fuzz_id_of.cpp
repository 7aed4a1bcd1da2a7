// Identities written "N.N" on the command line: any text gives an identity or 0.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "csl_ids.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_support::scratch();
  const csl_ids::id result =
      csl_ids::id_of(std::string_view(reinterpret_cast<const char*>(data), size));
  if (csl_ids::csci_of(result) > 15 || csl_ids::routine_of(result) != 0) __builtin_trap();
  csl_ids::image_of(result);
  return 0;
}
