#include "csl_exceptions.hpp"

#include <utility>

namespace csl {

named_error::named_error(std::string full_name, std::string message)
    : full_name_(std::move(full_name)), message_(std::move(message)) {}

range_error::range_error(std::string place) : named_error("RANGE_ERROR", std::move(place)) {}

}  // namespace csl
