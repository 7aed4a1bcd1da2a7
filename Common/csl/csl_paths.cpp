#include "csl_paths.hpp"

#include "csl_exceptions.hpp"

namespace csl_paths {

std::string image_of(path_class c) {
  switch (c) {
    case path_class::primary:
      return "PRIMARY";
    case path_class::secondary:
      return "SECONDARY";
    case path_class::tertiary:
      return "TERTIARY";
  }
  throw csl::range_error("csl_paths.image_of");
}

}  // namespace csl_paths
