// A ports file of any content read at start-up, and any line split into columns.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "csl_config.hpp"
#include "csl_exceptions.hpp"
#include "csl_host.hpp"
#include "csl_platform_process.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string prefix = [] {
    const std::string dir = fuzz_support::scratch() + "/alpha/dev";
    std::filesystem::create_directories(dir + "/target/data");
    csl_platform_process::set_hooks({[dir] { return std::optional<std::string>(dir + "/run"); },
                                     [] {
                                       return std::vector<std::string>{"fuzz", "shared", "second"};
                                     },
                                     [] { return std::optional<std::string>("fuzzhost"); }});
    return dir;
  }();
  fuzz_support::write_file(prefix + "/target/data/PORTS", data, size);
  csl_host::start_up();
  csl_config::start_up();
  csl_config::bc_port();
  csl_config::parsed_line line;
  csl_config::parse_config(std::string(reinterpret_cast<const char*>(data), size), 2, line);
  return 0;
}
