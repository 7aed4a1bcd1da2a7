// Named errors of the support library and of everything built on it. Every failure
// is known by its full upper-case name, module first ("SM_MODEL_VEHICLE_KIND.
// MODEL_NOT_CREATED"), and carries the place where it was raised as its message.
#pragma once

#include <exception>
#include <string>

namespace csl {

class named_error : public std::exception {
 public:
  named_error(std::string full_name, std::string message);

  const std::string& full_name() const noexcept { return full_name_; }
  const std::string& message() const noexcept { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string full_name_;
  std::string message_;
};

// The library-wide error for a value outside its type's range.
class range_error : public named_error {
 public:
  explicit range_error(std::string place);
};

}  // namespace csl
