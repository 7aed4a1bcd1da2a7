// The one way the library prints: whole lines on the C stdout stream, so that they
// interleave with a C caller's printf in call order, also when stdout is a pipe.
#pragma once

#include <string_view>

namespace csl_output {

void put_line(std::string_view line);
// Text without a line end (a few diagnostics are written that way).
void put(std::string_view text);
void flush();

}  // namespace csl_output
