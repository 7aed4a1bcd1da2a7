#include "csl_ids.hpp"

#include <charconv>
#include <limits>

#include "csl_exceptions.hpp"
#include "csl_output.hpp"
#include "csl_system_numbers.hpp"

namespace csl_ids {
namespace {

struct field {
  unsigned shift;
  unsigned bits;

  std::uint32_t mask() const { return (1U << bits) - 1U; }
  offset place(unsigned n, const char* where) const {
    if (n > mask()) throw csl::range_error(where);
    return offset(static_cast<std::uint32_t>(n) << shift);
  }
  unsigned of(id the_id) const { return (the_id.value() >> shift) & mask(); }
};

constexpr field csci_field{28, 4};
constexpr field tlcsc_field{24, 4};
constexpr field llcsc1_field{19, 5};
constexpr field llcsc2_field{14, 5};
constexpr field unit_field{7, 7};
constexpr field routine_field{0, 7};

// Decimal digits only, at most 15: anything else is the range error.
unsigned small_number(std::string_view digits) {
  unsigned value = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
      value > 15) {
    throw csl::range_error("csl_ids.id_of");
  }
  return value;
}

bool only_digits_and_points(std::string_view text) {
  for (char c : text) {
    if (!(c == '.' || (c >= '0' && c <= '9'))) return false;
  }
  return true;
}

}  // namespace

id operator+(id left, id right) {
  const std::uint64_t sum = std::uint64_t{left.value()} + right.value();
  if (sum > std::numeric_limits<std::uint32_t>::max()) throw csl::range_error("csl_ids.\"+\"");
  return id(static_cast<std::uint32_t>(sum));
}

offset csci(unsigned n) {
  return csci_field.place(n, "csl_ids.csci");
}
offset tlcsc(unsigned n) {
  return tlcsc_field.place(n, "csl_ids.tlcsc");
}
offset llcsc1(unsigned n) {
  return llcsc1_field.place(n, "csl_ids.llcsc1");
}
offset llcsc2(unsigned n) {
  return llcsc2_field.place(n, "csl_ids.llcsc2");
}
offset unit(unsigned n) {
  return unit_field.place(n, "csl_ids.unit");
}
id routine(unsigned n) {
  return routine_field.place(n, "csl_ids.routine");
}

unsigned csci_of(id the_id) {
  return csci_field.of(the_id);
}
unsigned tlcsc_of(id the_id) {
  return tlcsc_field.of(the_id);
}
unsigned llcsc1_of(id the_id) {
  return llcsc1_field.of(the_id);
}
unsigned llcsc2_of(id the_id) {
  return llcsc2_field.of(the_id);
}
unsigned unit_of(id the_id) {
  return unit_field.of(the_id);
}
unsigned routine_of(id the_id) {
  return routine_field.of(the_id);
}

std::string image_of(id the_id) {
  std::string image;
  for (const field& f :
       {csci_field, tlcsc_field, llcsc1_field, llcsc2_field, unit_field, routine_field}) {
    if (!image.empty()) image += '.';
    image += std::to_string(f.of(the_id));
  }
  return image;
}

id id_of(std::string_view text) {
  if (text.empty() || text.size() > 5) return unknown;
  if (!only_digits_and_points(text)) {
    csl_output::put_line(text);
    return unknown;
  }
  // A leading "." is not a separator.
  const std::string_view::size_type point = text.find('.', 1);
  if (point == std::string_view::npos) return unknown;
  try {
    const unsigned c = small_number(text.substr(0, point));
    const unsigned t = small_number(text.substr(point + 1));
    csl_output::put_line("csl_ids: CSCI = " + csl_system_numbers::image_of(c) +
                         " - TLCSC = " + csl_system_numbers::image_of(t));
    return csci(c) + tlcsc(t);
  } catch (const csl::named_error& e) {
    csl_output::put_line(e.message() + " " + e.full_name());
    return unknown;
  }
}

}  // namespace csl_ids
