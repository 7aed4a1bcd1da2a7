// Process configuration read once at start-up.
#pragma once

#include <string>

namespace csl_config {

// TODO: read the trainer name, prefixes, ports and command line and print the
// configuration report; until then the path prefix is empty.
void start_up();

// The root below which the program finds its files.
const std::string& path_prefix();

}  // namespace csl_config
