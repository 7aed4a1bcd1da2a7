#include "sm_model_vehicle_catalogue.hpp"

#include "csl_start_up_code.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstddef>
#include <limits>
#include <map>
#include <mutex>
#include <system_error>
#include <utility>
#include <vector>

namespace sm_model_vehicle_catalogue {
namespace {

// Numbered rows first, by number; named items after them, by name. A map keeps
// its elements in place, so the pointers handed out stay valid.
using key = std::pair<int, std::string>;

key key_of(const row& r) {
  return {r.number.value_or(std::numeric_limits<int>::max()), r.name};
}

std::map<key, row>& the_rows() {
  static std::map<key, row> rows;
  return rows;
}

// The same rows by name, so that finding one by name does not walk them all.
std::map<std::string, const row*, std::less<>>& the_names() {
  static std::map<std::string, const row*, std::less<>> names;
  return names;
}

// Rows handed in but not yet built, in the order they came.
struct pending_rows {
  later* first = nullptr;
  later* last = nullptr;
};
pending_rows& the_pending() {
  static pending_rows pending;
  return pending;
}

later* take_first_pending() {
  pending_rows& pending = the_pending();
  later* node = pending.first;
  if (node == nullptr) return nullptr;
  pending.first = node->next;
  if (pending.first == nullptr) pending.last = nullptr;
  node->next = nullptr;
  node->queued = false;
  return node;
}

std::recursive_mutex& the_lock() {
  static std::recursive_mutex lock;
  return lock;
}

const row* find_built(int number) {
  const auto& rows = the_rows();
  const auto found = rows.lower_bound({number, std::string()});
  if (found == rows.end() || found->second.number != number) return nullptr;
  return &found->second;
}

const row* find_built(std::string_view name) {
  const auto& names = the_names();
  const auto found = names.find(name);
  return found == names.end() ? nullptr : found->second;
}

void add_built(row r) {
  const row* same_name = find_built(r.name);
  const row* same_number = r.number ? find_built(*r.number) : nullptr;
  for (const row* other : {same_name, same_number}) {
    if (other != nullptr && (other->types_module != r.types_module || other->name != r.name)) {
      throw duplicate_characteristic("sm_model_vehicle_catalogue.add (" + r.name + " of " +
                                     r.types_module + ", already in " + other->types_module + ")");
    }
  }
  auto& rows = the_rows();
  const key k = key_of(r);
  if (const auto found = rows.find(k); found != rows.end()) {
    found->second = std::move(r);
  } else {
    const auto added = rows.emplace(k, std::move(r)).first;
    the_names()[added->second.name] = &added->second;
  }
}

// Builds the rows handed in so far, in the order they came. A row that fails (a
// duplicate) is dropped, so that the next read does not fail on it again. A row
// whose making reads the catalogue sees the rows built so far.
void build_pending() {
  static bool building = false;
  if (building || the_pending().first == nullptr) return;
  building = true;
  try {
    // Taken off first: a row that fails is dropped, and a row's making may hand
    // in further rows, which join the end.
    while (const later* node = take_first_pending()) add_built(node->make(node->owner));
  } catch (...) {
    building = false;
    throw;
  }
  building = false;
}

// ---- Reading operator text ----

bool is_blank(char c) {
  return c == ' ' || c == '\t';
}

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

bool same_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) !=
        std::toupper(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// `c005: "1.5"`: the start of a message about text the operator typed.
std::string quoted(std::string_view name, std::string_view text) {
  return std::string(name) + ": \"" + std::string(text) + "\"";
}

// The shortest text that reads back as the float: 99999.99, -512, 3.4028235e+38.
std::string shortest(float value) {
  std::array<char, 32> text{};
  const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc()) return "?";
  return std::string(text.data(), end);
}

bad_value outside(std::string_view name, std::string_view number, const std::string& first,
                  const std::string& last, std::string_view unit) {
  std::string message =
      std::string(name) + ": " + std::string(number) + " is outside " + first + " .. " + last;
  if (!unit.empty()) message += " " + std::string(unit);
  return bad_value(std::move(message));
}

// An optional sign and at least one decimal digit, nothing else.
bool is_whole_number(std::string_view t) {
  if (!t.empty() && (t.front() == '+' || t.front() == '-')) t.remove_prefix(1);
  if (t.empty()) return false;
  for (const char c : t) {
    if (!is_digit(c)) return false;
  }
  return true;
}

// The length of the number that starts t, 0 when none does: an optional sign,
// digits with an optional point (at least one digit in all), and an optional
// exponent. An "e" without digits after it is not part of the number.
std::size_t number_length(std::string_view t) {
  std::size_t i = 0;
  auto skip_digits = [&t, &i] {
    const std::size_t from = i;
    while (i < t.size() && is_digit(t[i])) ++i;
    return i - from;
  };
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  std::size_t digits = skip_digits();
  if (i < t.size() && t[i] == '.') {
    ++i;
    digits += skip_digits();
  }
  if (digits == 0) return 0;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    const std::size_t mantissa_end = i++;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    if (skip_digits() == 0) i = mantissa_end;
  }
  return i;
}

// Whether a number too large or too small for a float (the only numbers
// from_chars refuses) is too large: the power of ten of its first significant
// digit, exponent included, is then positive.
bool is_too_large(std::string_view number) {
  const std::size_t e = number.find_first_of("eE");
  const std::string_view mantissa = number.substr(0, e);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return false;  // zero
  long long power = first < point ? static_cast<long long>(point - first) - 1
                                  : -static_cast<long long>(first - point);
  if (e != std::string_view::npos) {
    std::string_view exponent = number.substr(e + 1);
    const bool negative = !exponent.empty() && exponent.front() == '-';
    if (!exponent.empty() && (exponent.front() == '+' || negative)) exponent.remove_prefix(1);
    long long value = 0;
    for (const char c : exponent) value = std::min(value * 10 + (c - '0'), 1000000LL);
    power += negative ? -value : value;
  }
  return power >= 0;
}

// The nearest float, read straight from the text as the compiler reads a float
// literal (through a double, a number near a midpoint could round twice); a
// number beyond the floats is infinite or zero. None when the standard reader
// takes the text otherwise than the grammar above.
std::optional<float> value_of_number(std::string_view number) {
  const bool negative = number.front() == '-';
  if (number.front() == '+') number.remove_prefix(1);
  float value = 0.0F;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error == std::errc::result_out_of_range) {
    value = is_too_large(number) ? std::numeric_limits<float>::infinity() : 0.0F;
    return negative ? -value : value;
  }
  if (error != std::errc() || end != number.data() + number.size()) return std::nullopt;
  return value;
}

std::string joined(const std::vector<std::string>& images) {
  std::string list;
  for (const std::string& image : images) list += (list.empty() ? "" : ", ") + image;
  return list;
}

}  // namespace

std::string image_of(kind k) {
  switch (k) {
    case kind::integer:
      return "INTEGER";
    case kind::time:
      return "TIME";
    case kind::enumeration:
      return "ENUMERATION";
    case kind::plain_real:
      return "PLAIN_REAL";
    case kind::quantity:
      return "QUANTITY";
    case kind::text:
      return "TEXT";
    case kind::identity:
      return "IDENTITY";
  }
  throw csl::range_error("sm_model_vehicle_catalogue.image_of");
}

duplicate_characteristic::duplicate_characteristic(std::string place)
    : named_error("SM_MODEL_VEHICLE_CATALOGUE.DUPLICATE_CHARACTERISTIC", std::move(place)) {}

bad_value::bad_value(std::string message)
    : named_error("SM_MODEL_VEHICLE_CATALOGUE.BAD_VALUE", std::move(message)) {}

std::int64_t whole_number_of(std::string_view name, std::string_view text, std::int64_t first,
                             std::int64_t last) {
  const std::string_view t = trimmed(text);
  if (!is_whole_number(t)) throw bad_value(quoted(name, t) + " is not a whole number");
  const std::string_view digits = t.front() == '+' ? t.substr(1) : t;
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || value < first || value > last) {
    throw outside(name, t, std::to_string(first), std::to_string(last), {});
  }
  return value;
}

float real_number_of(std::string_view name, std::string_view text, std::string_view unit,
                     float first, float last) {
  const std::string_view t = trimmed(text);
  const std::size_t length = number_length(t);
  const std::string_view rest = trimmed(t.substr(length));
  const bool unit_only = rest.empty() || (!unit.empty() && same_ignoring_case(rest, unit));
  const std::string_view number = t.substr(0, length);
  const std::optional<float> value =
      length > 0 && unit_only ? value_of_number(number) : std::nullopt;
  if (!value) {
    std::string message = quoted(name, t) + " is not a number";
    if (!unit.empty()) message += " in " + std::string(unit);
    throw bad_value(std::move(message));
  }
  if (!(*value >= first && *value <= last)) {
    throw outside(name, number, shortest(first), shortest(last), unit);
  }
  return *value;
}

std::int64_t literal_of(std::string_view name, std::string_view text,
                        const std::vector<std::string>& images, std::int64_t first) {
  const std::string_view t = trimmed(text);
  for (std::size_t i = 0; i < images.size(); ++i) {
    if (same_ignoring_case(t, images[i])) return first + static_cast<std::int64_t>(i);
  }
  if (is_whole_number(t)) {
    return whole_number_of(name, t, first, first + static_cast<std::int64_t>(images.size()) - 1);
  }
  throw bad_value(quoted(name, t) + " is not one of " + joined(images));
}

void add(row r) {
  const std::lock_guard<std::recursive_mutex> hold(the_lock());
  build_pending();
  add_built(std::move(r));
}

CSL_START_UP_CODE void add_later(std::span<later* const> nodes) {
  const std::lock_guard<std::recursive_mutex> hold(the_lock());
  pending_rows& pending = the_pending();
  for (later* node : nodes) {
    if (node->queued) continue;
    node->queued = true;
    node->next = nullptr;
    (pending.last != nullptr ? pending.last->next : pending.first) = node;
    pending.last = node;
  }
}

const row* find(int number) {
  const std::lock_guard<std::recursive_mutex> hold(the_lock());
  build_pending();
  return find_built(number);
}

const row* find(std::string_view name) {
  const std::lock_guard<std::recursive_mutex> hold(the_lock());
  build_pending();
  return find_built(name);
}

std::vector<const row*> rows() {
  const std::lock_guard<std::recursive_mutex> hold(the_lock());
  build_pending();
  std::vector<const row*> all;
  all.reserve(the_rows().size());
  for (const auto& [k, r] : the_rows()) all.push_back(&r);
  return all;
}

}  // namespace sm_model_vehicle_catalogue
