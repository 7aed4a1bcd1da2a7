// Shared set-up of the fuzz targets: the vehicle modules started once, a scratch
// directory, and the library's report lines sent to /dev/null.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "sm_model_vehicle.hpp"
#include "sm_model_vehicle_general.hpp"
#include "sm_model_vehicle_physical.hpp"

namespace fuzz_support {

inline const std::string& scratch() {
  static const std::string dir = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "rva_fuzz_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, 1);
    sm_model_vehicle_general::start_up();
    sm_model_vehicle_physical::start_up();
    sm_model_vehicle::start_up();
    return pattern;
  }();
  return dir;
}

inline void write_file(const std::string& name, const std::uint8_t* data, std::size_t size) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace fuzz_support
