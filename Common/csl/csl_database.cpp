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

namespace {

// The table of the reflected polynomial 0xEDB88320, one entry per byte value.
constexpr std::array<std::uint32_t, 256> crc_table = [] {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}();

}  // namespace

std::uint32_t checksum_of(const void* bytes, std::size_t size) {
  const auto* b = static_cast<const unsigned char*>(bytes);
  std::uint32_t c = 0xFFFFFFFFU;
  for (std::size_t i = 0; i < size; ++i) c = crc_table[(c ^ b[i]) & 0xFFU] ^ (c >> 8);
  return c ^ 0xFFFFFFFFU;
}

}  // namespace csl_database
