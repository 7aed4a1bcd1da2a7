#include "csl_config.hpp"

namespace csl_config {
namespace {

std::string& prefix() {
  static std::string value;
  return value;
}

}  // namespace

void start_up() {}

const std::string& path_prefix() {
  return prefix();
}

}  // namespace csl_config
