// The forms in which vdb dump writes, and vdb load reads back, every part of the
// two database files (docs/dump_format.md): decoded values where they say what
// the bytes hold, and the bytes themselves, as hexadecimal, where no value would
// give them back. Both commands go through these forms, so that what one writes
// the other takes, byte for byte.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "sm_model_vehicle_catalogue.hpp"
#include "sm_model_vehicle_fields.hpp"

namespace vdb::dump_format {

inline constexpr std::string_view format_name = "vdb dump";
inline constexpr int version = 2;

using bytes_view = std::span<const std::uint8_t>;
using bytes_span = std::span<std::uint8_t>;

// ---- Writing (vdb dump) ----
// Each appends one JSON value to `out`.

// {"hex":"00ff"}: bytes in file order.
void put_hex_form(std::string& out, bytes_view bytes);
// A blank-padded text as its characters without the trailing blanks, when they
// are printable (UTF-8 allowed) and so give the bytes back; else its hex form.
void put_text(std::string& out, bytes_view bytes);
// "2026-341T09:30:15.250", or the hex form of the 24 bytes when a field is out
// of range.
void put_time(std::string& out, bytes_view bytes);
// "READ_WRITE", or the hex form of a byte that is no state.
void put_state(std::string& out, std::uint8_t byte);
// The 32 bytes of a key as an object of its parts, each in its own form.
void put_key(std::string& out, bytes_view bytes);
// The stored value of an instance: a number or a text where it is one of its
// type; else the hex form (of the bytes, or for a field of bits of its value).
void put_value(std::string& out, const sm_model_vehicle_fields::located& f,
               sm_model_vehicle_fields::instance at, bytes_view record);
// A JSON string of text that needs no more than quotes and backslashes escaped.
void put_string(std::string& out, std::string_view text);

// ---- Reading (vdb load) ----
// Each writes what the JSON value stands for into `bytes` and returns an empty
// text, or returns why the value is not one of the form (the bytes then are
// unspecified).

std::string text_from(const nlohmann::json& j, bytes_span bytes);
std::string time_from(const nlohmann::json& j, bytes_span bytes);
std::string state_from(const nlohmann::json& j, std::uint8_t& byte);
std::string key_from(const nlohmann::json& j, bytes_span bytes);
// Hex of exactly bytes.size() bytes, as a JSON string or in the hex form.
std::string hex_from(const nlohmann::json& j, bytes_span bytes);
std::string hex_from(std::string_view text, bytes_span bytes);

// How a characteristic's value is checked on its way in.
struct value_check {
  bool beyond_bounds_allowed = false;  // --force: outside the editing bounds, inside the type
};
// The value of an instance written into the record, checked as vdb set checks
// it: its type's range, its editing bounds. The hex form is taken only for bytes
// that no value could give back.
std::string value_from(const nlohmann::json& j, const sm_model_vehicle_fields::located& f,
                       sm_model_vehicle_fields::instance at, bytes_span record,
                       const value_check& check);

// ---- Both ----

// The catalogue row of a field, found once.
const sm_model_vehicle_catalogue::row* row_of(const sm_model_vehicle_fields::located& f);
// Whether the bytes are a text that put_text writes as characters.
bool is_plain_text(bytes_view bytes);

}  // namespace vdb::dump_format
