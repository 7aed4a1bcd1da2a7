#include "csl_host.hpp"

#include <optional>
#include <utility>

#include "csl_platform_process.hpp"
#include "csl_start_up_code.hpp"

namespace csl_host {
namespace {

struct cache {
  std::string host_name;
  bool host_name_cached = false;
};

cache& the_cache() {
  static cache value;
  return value;
}

}  // namespace

mad_host_name::mad_host_name(std::string place)
    : named_error("CSL_HOST.MAD_HOST_NAME", std::move(place)) {}

CSL_START_UP_CODE void start_up() {
  the_cache() = cache{};
}

std::string get_id() {
  cache& c = the_cache();
  if (c.host_name_cached) return c.host_name;
  // A failed query gives an empty name, which matches no line of the ports file.
  std::string name = csl_platform_process::host_name().value_or("");
  if (name.size() > host_name_size) throw mad_host_name("csl_host.get_id");
  c.host_name = std::move(name);
  c.host_name_cached = true;
  return c.host_name;
}

std::string name_of(const std::string& the_id) {
  return the_id;
}

bool is_host(const std::string& name) {
  const cache& c = the_cache();
  return name == c.host_name;
}

}  // namespace csl_host
