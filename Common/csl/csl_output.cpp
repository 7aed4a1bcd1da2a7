#include "csl_output.hpp"

#include <cstdio>

namespace csl_output {

void put(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
}

void put_line(std::string_view line) {
  put(line);
  std::fputc('\n', stdout);
}

void flush() {
  std::fflush(stdout);
}

}  // namespace csl_output
