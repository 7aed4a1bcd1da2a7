#include "csl_database.hpp"

namespace csl_database {

std::string image_of(key_state state) {
  switch (state) {
    case key_state::empty:
      return "EMPTY";
    case key_state::read_only:
      return "READ_ONLY";
    case key_state::read_write:
      return "READ_WRITE";
  }
  throw csl::range_error("csl_database.image_of");
}

void report(std::string_view prefix, const csl_platform::status& failure, std::string_view step,
            const std::string& file_name, std::optional<std::int64_t> position) {
  report(prefix, failure.message(), failure.name(), step, file_name, position);
}

void report(std::string_view prefix, std::string_view message, std::string_view name,
            std::string_view step, const std::string& file_name,
            std::optional<std::int64_t> position) {
  std::string line(prefix);
  line += message;
  line += ' ';
  line += name;
  line += step;
  line += file_name;
  if (position) {
    line += " position ";
    line += csl_system_numbers::image_of(*position);
  }
  csl_output::put_line(line);
}

}  // namespace csl_database
