// The named error of the level, power and voltage modules.
#pragma once

#include <string>

#include "csl_exceptions.hpp"

namespace csl_level_exceptions {

// A level, power or voltage result cannot be represented.
class out_of_range : public csl::named_error {
 public:
  explicit out_of_range(std::string place);
};

}  // namespace csl_level_exceptions
