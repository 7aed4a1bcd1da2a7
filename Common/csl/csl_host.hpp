// The name of the machine the program runs on, asked of the platform once.
#pragma once

#include <string>

#include "csl_exceptions.hpp"

namespace csl_host {

inline constexpr std::size_t host_name_size = 128;

// Raised when the platform's host name does not fit the cache.
class mad_host_name : public csl::named_error {
 public:
  explicit mad_host_name(std::string place);
};

// Starts the platform's network layer (nothing to do on Linux) and empties the cache.
void start_up();

// The host name; the first call asks the platform and caches the answer.
std::string get_id();
// The identity is the host's name.
std::string name_of(const std::string& the_id);
// Exactly the cached name, letter case included; does not fill the cache.
bool is_host(const std::string& name);

}  // namespace csl_host
