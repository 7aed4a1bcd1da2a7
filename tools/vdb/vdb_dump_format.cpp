#include "vdb_dump_format.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <unordered_map>

#include "csl_time.hpp"
#include "vdb_common.hpp"
#include "vdb_dump_record.hpp"
#include "vdb_values.hpp"

namespace vdb::dump_format {

namespace {

namespace fields = sm_model_vehicle_fields;
namespace catalogue = sm_model_vehicle_catalogue;
using json = nlohmann::json;

std::uint64_t little_endian(bytes_view bytes) {
  std::uint64_t v = 0;
  for (std::size_t i = bytes.size(); i-- > 0;) v = (v << 8) | bytes[i];
  return v;
}

void put_little_endian(std::uint64_t v, bytes_span bytes) {
  for (std::uint8_t& b : bytes) {
    b = static_cast<std::uint8_t>(v & 0xFF);
    v >>= 8;
  }
}

std::int64_t signed_of(bytes_view bytes) {
  const std::uint64_t v = little_endian(bytes);
  const unsigned bits = 8U * static_cast<unsigned>(bytes.size());
  if (bits >= 64) return static_cast<std::int64_t>(v);
  const std::uint64_t sign = std::uint64_t{1} << (bits - 1);
  return static_cast<std::int64_t>((v ^ sign) - sign);
}

template <class Number>
void put_number(std::string& out, Number n) {
  std::array<char, 32> text{};
  const auto r = std::to_chars(text.data(), text.data() + text.size(), n);
  out.append(text.data(), r.ptr);
}

// Length of the UTF-8 sequence starting at b[0] of a printable character (no
// control character of either C0 or C1, no DEL); 0 when there is none.
std::size_t printable_sequence(bytes_view b) {
  const std::uint8_t lead = b[0];
  if (lead < 0x80) return lead >= 0x20 && lead != 0x7F ? 1 : 0;
  std::size_t n = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (lead > 0xF4 || n == 0 || b.size() < n) return 0;
  std::uint32_t cp = lead & (0x7FU >> n);
  for (std::size_t i = 1; i < n; ++i) {
    if ((b[i] & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b[i] & 0x3FU);
  }
  const bool overlong = (n == 2 && cp < 0x80) || (n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000);
  const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
  const bool c1 = cp >= 0x80 && cp <= 0x9F;
  return overlong || surrogate || c1 || cp > 0x10FFFF ? 0 : n;
}

std::string_view trailing_blanks_off(bytes_view bytes) {
  std::size_t size = bytes.size();
  while (size > 0 && bytes[size - 1] == ' ') --size;
  return {reinterpret_cast<const char*>(bytes.data()), size};
}

bool in_type(const catalogue::row* row, double stored) {
  if (row == nullptr || !row->type_first || !row->type_last) return true;
  return stored >= *row->type_first && stored <= *row->type_last;
}

// Appends the shortest text that reads back as the real, when a JSON number
// carries it exactly: finite, not minus zero, and coming back to the same bits.
bool put_carried_real(std::string& out, double stored, std::size_t size) {
  if (!std::isfinite(stored) || (stored == 0 && std::signbit(stored))) return false;
  std::array<char, 64> text{};
  char* last =
      size == 4
          ? std::to_chars(text.data(), text.data() + text.size(), static_cast<float>(stored)).ptr
          : std::to_chars(text.data(), text.data() + text.size(), stored).ptr;
  double back = 0;
  std::from_chars(text.data(), last, back);
  const bool same =
      size == 4 ? std::bit_cast<std::uint32_t>(static_cast<float>(back)) ==
                      std::bit_cast<std::uint32_t>(static_cast<float>(stored))
                : std::bit_cast<std::uint64_t>(back) == std::bit_cast<std::uint64_t>(stored);
  if (same) out.append(text.data(), last);
  return same;
}

// A whole number or the bits of a packed field, from the field's bytes.
std::uint64_t unsigned_of(const fields::located& f, bytes_view b) {
  const std::uint64_t word = little_endian(b);
  if (f.what->how != fields::encoding::bits) return word;
  return (word >> f.what->first_bit) & ((std::uint64_t{1} << f.what->bit_count) - 1);
}

bool is_hex_form(const json& j) {
  return j.is_object() && j.size() == 1 && j.contains("hex");
}

// ---- The parts of a key and of a time ----

struct ranged_part {
  const char* name;
  std::size_t offset;
  std::size_t size;
  bool is_signed;
  std::int64_t first;
  std::int64_t last;
};

// qualifier, library number and issue: numbers in their ranges.
constexpr std::array<ranged_part, 3> key_numbers = {{
    {"qualifier", 1, 1, false, 0, 64},
    {"library_number", 2, 2, false, 0, 999},
    {"issue", 28, 4, true, 0, 255},
}};

std::int64_t number_at(const ranged_part& p, bytes_view bytes) {
  const bytes_view b = bytes.subspan(p.offset, p.size);
  return p.is_signed ? signed_of(b) : static_cast<std::int64_t>(little_endian(b));
}

void put_ranged(std::string& out, const ranged_part& p, bytes_view bytes) {
  const std::int64_t n = number_at(p, bytes);
  if (n >= p.first && n <= p.last) {
    put_number(out, n);
  } else {
    put_hex_form(out, bytes.subspan(p.offset, p.size));
  }
}

std::string ranged_from(const json& j, const ranged_part& p, bytes_span bytes) {
  const bytes_span b = bytes.subspan(p.offset, p.size);
  const std::string why = std::string(p.name) + " is a whole number " + std::to_string(p.first) +
                          " .. " + std::to_string(p.last);
  if (is_hex_form(j)) {
    if (std::string e = hex_from(j, b); !e.empty()) return std::string(p.name) + ": " + e;
    const std::int64_t n = number_at(p, bytes);
    return n >= p.first && n <= p.last ? why + ", given as such" : std::string();
  }
  if (!j.is_number_integer()) return why;
  const std::int64_t n = j.get<std::int64_t>();
  if (j.is_number_unsigned() && j.get<std::uint64_t>() > 0x7FFFFFFF) return why;
  if (n < p.first || n > p.last) return why;
  put_little_endian(static_cast<std::uint64_t>(n), b);
  return {};
}

constexpr std::array<ranged_part, 6> time_parts = {{
    {"year", 0, 4, true, 1901, 2099},
    {"day", 4, 4, true, 1, 366},
    {"hour", 8, 4, true, 0, 23},
    {"minute", 12, 4, true, 0, 59},
    {"second", 16, 4, true, 0, 59},
    {"millisecond", 20, 4, true, 0, 999},
}};

bool time_in_range(bytes_view bytes) {
  return std::all_of(time_parts.begin(), time_parts.end(), [&](const ranged_part& p) {
    const std::int64_t n = number_at(p, bytes);
    return n >= p.first && n <= p.last;
  });
}

constexpr std::array<const char*, 3> state_images = {"EMPTY", "READ_ONLY", "READ_WRITE"};

}  // namespace

// ---- Writing ----

void put_string(std::string& out, std::string_view text) {
  out += '"';
  // Runs without a character to escape go in whole: most texts are one run.
  for (std::size_t from = 0;;) {
    const std::size_t at = text.find_first_of("\"\\", from);
    out.append(text.substr(from, at - from));
    if (at == std::string_view::npos) break;
    out += '\\';
    out += text[at];
    from = at + 1;
  }
  out += '"';
}

void put_hex_form(std::string& out, bytes_view bytes) {
  out += "{\"hex\":\"";
  out += hex_of(bytes.data(), bytes.size());
  out += "\"}";
}

bool is_plain_text(bytes_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t n = printable_sequence(bytes.subspan(i));
    if (n == 0) return false;
    i += n;
  }
  return true;
}

void put_text(std::string& out, bytes_view bytes) {
  if (is_plain_text(bytes)) {
    put_string(out, trailing_blanks_off(bytes));
  } else {
    put_hex_form(out, bytes);
  }
}

void put_time(std::string& out, bytes_view bytes) {
  if (!time_in_range(bytes)) {
    put_hex_form(out, bytes);
    return;
  }
  std::array<std::int32_t, 6> t{};
  for (std::size_t i = 0; i < t.size(); ++i) {
    t[i] = static_cast<std::int32_t>(number_at(time_parts[i], bytes));
  }
  put_string(out, time_image_of({t[0], t[1], t[2], t[3], t[4], t[5]}));
}

void put_state(std::string& out, std::uint8_t byte) {
  if (byte < state_images.size()) {
    put_string(out, state_images[byte]);
  } else {
    put_hex_form(out, bytes_view(&byte, 1));
  }
}

void put_key(std::string& out, bytes_view bytes) {
  const unsigned validity = bytes[0] & 0x0FU;
  const unsigned permanence = bytes[0] >> 4;
  out += '{';
  if (validity <= 1 && permanence <= 1) {
    out += validity == 1 ? "\"valid\":true" : "\"valid\":false";
    out += permanence == 0 ? ",\"permanence\":\"PERM\"" : ",\"permanence\":\"TEMP\"";
  } else {
    out += "\"flags\":";
    put_hex_form(out, bytes.subspan(0, 1));
  }
  for (const ranged_part& p : key_numbers) {
    out += ",\"";
    out += p.name;
    out += "\":";
    put_ranged(out, p, bytes);
  }
  out += ",\"class\":";
  put_text(out, bytes.subspan(4, 12));
  out += ",\"name\":";
  put_text(out, bytes.subspan(16, 12));
  out += '}';
}

const catalogue::row* row_of(const fields::located& f) {
  // The catalogue is read-only once built: each field's row is looked up once.
  static std::unordered_map<const fields::field*, const catalogue::row*> rows;
  const auto found = rows.find(f.what);
  if (found != rows.end()) return found->second;
  return rows[f.what] = catalogue::find(f.what->name);
}

namespace {

// Appends the value as the dump writes it, when it is one of its type; false
// (appending nothing) when only its bytes give it back.
bool put_decoded(std::string& out, const fields::located& f, fields::instance at,
                 bytes_view record) {
  const fields::field& w = *f.what;
  const bytes_view b = record.subspan(fields::offset_of(f, at), w.size);
  switch (w.how) {
    case fields::encoding::text:
      if (!is_plain_text(b)) return false;
      put_string(out, trailing_blanks_off(b));
      return true;
    case fields::encoding::real: {
      const double stored = w.size == 4 ? static_cast<double>(std::bit_cast<float>(
                                              static_cast<std::uint32_t>(little_endian(b))))
                                        : std::bit_cast<double>(little_endian(b));
      return in_type(row_of(f), stored) && put_carried_real(out, stored, w.size);
    }
    case fields::encoding::signed_integer: {
      const std::int64_t n = signed_of(b);
      if (!in_type(row_of(f), static_cast<double>(n))) return false;
      put_number(out, n);
      return true;
    }
    case fields::encoding::unsigned_integer:
    case fields::encoding::bits: {
      const std::uint64_t n = unsigned_of(f, b);
      if (!in_type(row_of(f), static_cast<double>(n))) return false;
      put_number(out, n);
      return true;
    }
  }
  return false;
}

bool decodable(const fields::located& f, fields::instance at, bytes_view record) {
  std::string ignored;
  return put_decoded(ignored, f, at, record);
}

// The bytes of the hex form of an instance: its own bytes, or for a field of bits
// its value in one byte.
void put_value_bytes(std::string& out, const fields::located& f, fields::instance at,
                     bytes_view record) {
  if (f.what->how == fields::encoding::bits) {
    const auto v = static_cast<std::uint8_t>(
        unsigned_of(f, record.subspan(fields::offset_of(f, at), f.what->size)));
    put_hex_form(out, bytes_view(&v, 1));
    return;
  }
  put_hex_form(out, record.subspan(fields::offset_of(f, at), f.what->size));
}

}  // namespace

void put_value(std::string& out, const fields::located& f, fields::instance at, bytes_view record) {
  if (!put_decoded(out, f, at, record)) put_value_bytes(out, f, at, record);
}

// ---- Reading ----

std::string hex_from(std::string_view text, bytes_span bytes) {
  if (text.size() != 2 * bytes.size()) {
    return "hex of " + std::to_string(bytes.size()) + " bytes is " +
           std::to_string(2 * bytes.size()) + " digits";
  }
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto r = std::from_chars(text.data() + 2 * i, text.data() + 2 * i + 2, bytes[i], 16);
    if (r.ec != std::errc{} || r.ptr != text.data() + 2 * i + 2) return "not hex digits";
  }
  return {};
}

std::string hex_from(const json& j, bytes_span bytes) {
  const json* text = &j;
  if (is_hex_form(j)) text = &j["hex"];
  if (!text->is_string()) return "not hex digits";
  return hex_from(std::string_view(text->get_ref<const std::string&>()), bytes);
}

std::string text_from(const json& j, bytes_span bytes) {
  if (is_hex_form(j)) {
    if (std::string e = hex_from(j, bytes); !e.empty()) return e;
    return is_plain_text(bytes) ? "a text of plain characters is given as such" : "";
  }
  if (!j.is_string()) return "not a text";
  const std::string& text = j.get_ref<const std::string&>();
  if (text.size() > bytes.size()) {
    return "\"" + text + "\" is longer than " + std::to_string(bytes.size()) + " bytes";
  }
  std::memset(bytes.data(), ' ', bytes.size());
  std::memcpy(bytes.data(), text.data(), text.size());
  if (!is_plain_text(bytes)) return "control characters are given as {\"hex\": ...}";
  return {};
}

std::string time_from(const json& j, bytes_span bytes) {
  if (is_hex_form(j)) {
    if (std::string e = hex_from(j, bytes); !e.empty()) return "time: " + e;
    return time_in_range(bytes) ? "a time in range is given as YYYY-DDDTHH:MM:SS.mmm" : "";
  }
  constexpr const char* why = "the time is written YYYY-DDDTHH:MM:SS.mmm";
  if (!j.is_string()) return why;
  const std::string& text = j.get_ref<const std::string&>();
  std::array<int, 6> t{};
  if (std::sscanf(text.c_str(), "%4d-%3dT%2d:%2d:%2d.%3d", &t[0], &t[1], &t[2], &t[3], &t[4],
                  &t[5]) != 6) {
    return why;
  }
  for (std::size_t i = 0; i < t.size(); ++i) {
    put_little_endian(static_cast<std::uint64_t>(static_cast<std::int64_t>(t[i])),
                      bytes.subspan(4 * i, 4));
  }
  if (!time_in_range(bytes)) return "the time " + text + " is out of range";
  if (time_image_of({t[0], t[1], t[2], t[3], t[4], t[5]}) != text) return why;
  return {};
}

std::string state_from(const json& j, std::uint8_t& byte) {
  if (is_hex_form(j)) {
    if (std::string e = hex_from(j, bytes_span(&byte, 1)); !e.empty()) return "state: " + e;
    return byte < state_images.size() ? "a state is given by its name" : "";
  }
  if (j.is_string()) {
    std::string name = j.get<std::string>();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    for (std::size_t s = 0; s < state_images.size(); ++s) {
      if (name == state_images[s]) {
        byte = static_cast<std::uint8_t>(s);
        return {};
      }
    }
  }
  return "the state is EMPTY, READ_ONLY or READ_WRITE";
}

namespace {

std::string flags_from(const json& key, bytes_span bytes) {
  if (key.contains("flags")) {
    if (std::string e = hex_from(key["flags"], bytes.subspan(0, 1)); !e.empty()) {
      return "flags: " + e;
    }
    return (bytes[0] & 0x0FU) <= 1 && (bytes[0] >> 4) <= 1 ? "flags in range are given as valid "
                                                             "and permanence"
                                                           : "";
  }
  if (!key.contains("valid") || !key["valid"].is_boolean()) return "the key lacks valid";
  if (!key.contains("permanence") || !key["permanence"].is_string()) {
    return "the key lacks its permanence";
  }
  std::string p = key["permanence"].get<std::string>();
  std::transform(p.begin(), p.end(), p.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  if (p != "PERM" && p != "TEMP") return "permanence is PERM or TEMP";
  bytes[0] = static_cast<std::uint8_t>((key["valid"].get<bool>() ? 1 : 0) | (p == "TEMP" ? 16 : 0));
  return {};
}

}  // namespace

std::string key_from(const json& j, bytes_span bytes) {
  if (!j.is_object()) return "the key is an object";
  if (std::string e = flags_from(j, bytes); !e.empty()) return e;
  for (const ranged_part& p : key_numbers) {
    if (!j.contains(p.name)) return std::string("the key lacks its ") + p.name;
    if (std::string e = ranged_from(j[p.name], p, bytes); !e.empty()) return "key: " + e;
  }
  for (const auto& [name, offset] : {std::pair{"class", 4}, std::pair{"name", 16}}) {
    if (!j.contains(name)) return std::string("the key lacks its ") + name;
    const bytes_span text = bytes.subspan(static_cast<std::size_t>(offset), 12);
    if (std::string e = text_from(j[name], text); !e.empty()) {
      return std::string("key ") + name + ": " + e;
    }
  }
  return {};
}

namespace {

std::string named(const fields::located& f, fields::instance at, const std::string& why) {
  return fields::instance_name(f, at) + ": " + why;
}

// The stored number of a JSON number: a whole number as it is, a real as the
// nearest single-precision value where the field holds one.
struct number {
  bool whole = false;
  std::int64_t n = 0;  // whole numbers beyond int64 are not numbers of any field
  double d = 0;
};

std::optional<number> number_of_json(const json& j) {
  number v;
  if (j.is_number_unsigned()) {
    if (j.get<std::uint64_t>() > static_cast<std::uint64_t>(INT64_MAX)) return std::nullopt;
    v.whole = true;
    v.n = static_cast<std::int64_t>(j.get<std::uint64_t>());
    v.d = static_cast<double>(v.n);
  } else if (j.is_number_integer()) {
    v.whole = true;
    v.n = j.get<std::int64_t>();
    v.d = static_cast<double>(v.n);
  } else {
    v.d = j.get<double>();
    v.whole = std::isfinite(v.d) && std::trunc(v.d) == v.d && std::fabs(v.d) < 9.2e18;
    if (v.whole) v.n = static_cast<std::int64_t>(v.d);
  }
  return v;
}

// Writes the number into the instance's bytes (the other bits of a packed
// field kept); false when the field cannot hold it.
bool stored_into(const fields::located& f, fields::instance at, const number& v,
                 bytes_span record) {
  const fields::field& w = *f.what;
  const bytes_span b = record.subspan(fields::offset_of(f, at), w.size);
  if (w.how == fields::encoding::real) {
    if (w.size == 8) {
      put_little_endian(std::bit_cast<std::uint64_t>(v.d), b);
      return true;
    }
    const auto single = static_cast<float>(v.d);
    put_little_endian(std::bit_cast<std::uint32_t>(single), b);
    return std::isfinite(single);
  }
  if (!v.whole) return false;
  const unsigned bits = w.how == fields::encoding::bits ? w.bit_count : 8U * w.size;
  if (w.how == fields::encoding::signed_integer) {
    const std::int64_t limit = bits >= 64 ? INT64_MAX : (std::int64_t{1} << (bits - 1)) - 1;
    if (v.n > limit || v.n < -limit - 1) return false;
    put_little_endian(static_cast<std::uint64_t>(v.n), b);
    return true;
  }
  if (v.n < 0 || (bits < 63 && static_cast<std::uint64_t>(v.n) >> bits != 0)) return false;
  if (w.how == fields::encoding::unsigned_integer) {
    put_little_endian(static_cast<std::uint64_t>(v.n), b);
    return true;
  }
  const std::uint64_t mask = ((std::uint64_t{1} << w.bit_count) - 1) << w.first_bit;
  put_little_endian((little_endian(b) & ~mask) | (static_cast<std::uint64_t>(v.n) << w.first_bit),
                    b);
  return true;
}

// The library's own defaults stand even where they lie outside the editing
// bounds (some do): the default record's value, or the characteristic's default.
bool is_default(const fields::located& f, fields::instance at, const catalogue::row* row,
                double stored) {
  if (row->default_.stored && *row->default_.stored == stored) return true;
  const std::optional<double> in_default =
      fields::number_of(fields::read(f, at, dump_record::default_record()));
  return in_default && *in_default == stored;
}

// A decoded number written into the instance and checked against its type and
// editing bounds.
std::string number_from(const json& j, const fields::located& f, fields::instance at,
                        bytes_span record, const value_check& check) {
  if (!j.is_number()) return named(f, at, j.dump() + " is not a number");
  const std::optional<number> v = number_of_json(j);
  const bool real = f.what->how == fields::encoding::real;
  if (v && !real && !v->whole) return named(f, at, j.dump() + " is not a whole number");
  if (!v || !stored_into(f, at, *v, record)) {
    return named(f, at, j.dump() + " does not fit its type");
  }
  const catalogue::row* row = row_of(f);
  const bytes_view b = record.subspan(fields::offset_of(f, at), f.what->size);
  const double stored =
      real ? (f.what->size == 4 ? static_cast<double>(static_cast<float>(v->d)) : v->d)
           : static_cast<double>(f.what->how == fields::encoding::signed_integer
                                     ? signed_of(b)
                                     : static_cast<std::int64_t>(unsigned_of(f, b)));
  if (!in_type(row, stored)) {
    return named(f, at, j.dump() + " is outside its type (" + row->value_type + ")");
  }
  if (row != nullptr && !check.beyond_bounds_allowed && !within_editing_bounds(*row, stored) &&
      !is_default(f, at, row, stored)) {
    return named(
        f, at,
        j.dump() + " is outside the editing bounds " + bounds_of(*row) + " (--force loads it)");
  }
  return {};
}

}  // namespace

std::string value_from(const json& j, const fields::located& f, fields::instance at,
                       bytes_span record, const value_check& check) {
  const std::size_t offset = fields::offset_of(f, at);
  if (f.what->how == fields::encoding::text) {
    const std::string e = text_from(j, record.subspan(offset, f.what->size));
    return e.empty() ? e : named(f, at, e);
  }
  if (!is_hex_form(j)) return number_from(j, f, at, record, check);
  if (f.what->how == fields::encoding::bits) {
    std::uint8_t byte = 0;
    if (std::string e = hex_from(j, bytes_span(&byte, 1)); !e.empty()) return named(f, at, e);
    number v;
    v.whole = true;
    v.n = byte;
    if (!stored_into(f, at, v, record)) return named(f, at, "the hex form does not fit its bits");
  } else if (std::string e = hex_from(j, record.subspan(offset, f.what->size)); !e.empty()) {
    return named(f, at, e);
  }
  if (decodable(f, at, record)) return named(f, at, "a value of its type is given as a number");
  return {};
}

}  // namespace vdb::dump_format
