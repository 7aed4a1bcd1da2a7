#include "csl_level_exceptions.hpp"

#include <utility>

namespace csl_level_exceptions {

out_of_range::out_of_range(std::string place)
    : named_error("CSL_LEVEL_EXCEPTIONS.OUT_OF_RANGE", std::move(place)) {}

}  // namespace csl_level_exceptions
