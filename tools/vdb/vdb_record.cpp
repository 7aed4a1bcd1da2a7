// vdb dump and load: a record characteristic by characteristic, through the
// library's field tables. They carry stored numbers, so that loading a dump gives
// back every byte that holds a characteristic exactly.
#include <bit>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iostream>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "sm_model_vehicle_catalogue.hpp"
#include "sm_model_vehicle_fields.hpp"
#include "vdb_commands.hpp"

namespace vdb {

namespace {

namespace fields = sm_model_vehicle_fields;
namespace catalogue = sm_model_vehicle_catalogue;
namespace kind = sm_model_vehicle_kind;
// Ordered: a dump keeps the tables' order, a tonal slot's kind before its parts.
using json = nlohmann::ordered_json;

constexpr const char* dump_format = "vdb dump";
constexpr int dump_version = 1;

std::span<std::uint8_t> bytes_of(sm_model_vehicle::data& d) {
  return {reinterpret_cast<std::uint8_t*>(&d), sizeof d};
}

json json_of(const fields::value& v) {
  if (const auto* i = std::get_if<std::int64_t>(&v)) return *i;
  if (const auto* u = std::get_if<std::uint64_t>(&v)) return *u;
  if (const auto* d = std::get_if<double>(&v)) return json_number_of(*d);
  return std::get<std::string>(v);
}

std::optional<fields::value> value_of(const json& j) {
  if (j.is_number_unsigned()) return fields::value(j.get<std::uint64_t>());
  if (j.is_number_integer()) return fields::value(j.get<std::int64_t>());
  if (j.is_number_float()) return fields::value(j.get<double>());
  if (j.is_string()) return fields::value(j.get<std::string>());
  return std::nullopt;
}

// ---- Reals that a JSON number cannot carry ----
// A real that is not finite, or whose single-precision value would not come back
// from the nearest double of its shortest decimal, is dumped as its IEEE bits,
// "ieee:7fc00000", and loaded from them, byte for byte.

constexpr std::string_view ieee_prefix = "ieee:";

std::string ieee_image_of(std::span<const std::uint8_t> bytes) {
  std::string hex;
  for (std::size_t i = bytes.size(); i-- > 0;) hex += hex_of(&bytes[i], 1);
  return std::string(ieee_prefix) + hex;
}

bool ieee_needed(const fields::located& f, double stored) {
  if (!std::isfinite(stored)) return true;
  if (f.what->size != 4) return false;
  const double carried = json_number_of(stored).get<double>();
  return std::bit_cast<std::uint32_t>(static_cast<float>(carried)) !=
         std::bit_cast<std::uint32_t>(static_cast<float>(stored));
}

// The dumped form of an instance's stored value.
json dumped(const fields::located& f, fields::instance at, std::span<const std::uint8_t> record) {
  const fields::value v = fields::read(f, at, record);
  if (f.what->how == fields::encoding::real && ieee_needed(f, std::get<double>(v))) {
    return ieee_image_of(record.subspan(fields::offset_of(f, at), f.what->size));
  }
  return json_of(v);
}

// Writes "ieee:..." bits into a real field; false when the text is not such bits.
bool loaded_ieee(const fields::located& f, fields::instance at, const std::string& text,
                 std::span<std::uint8_t> record) {
  const std::size_t digits = 2U * f.what->size;
  if (f.what->how != fields::encoding::real || text.rfind(ieee_prefix, 0) != 0 ||
      text.size() != ieee_prefix.size() + digits) {
    return false;
  }
  std::uint64_t bits = 0;
  const char* first = text.data() + ieee_prefix.size();
  const auto r = std::from_chars(first, first + digits, bits, 16);
  if (r.ec != std::errc{} || r.ptr != first + digits) return false;
  const std::span<std::uint8_t> bytes = record.subspan(fields::offset_of(f, at), f.what->size);
  for (std::uint8_t& b : bytes) {
    b = static_cast<std::uint8_t>(bits & 0xFF);
    bits >>= 8;
  }
  return true;
}

json characteristics_json(std::span<const std::uint8_t> record) {
  json all = json::object();
  for_each_held(record, [&](const fields::located& f, fields::instance at) {
    all[fields::instance_name(f, at)] = dumped(f, at, record);
  });
  return all;
}

// ---- load ----

struct loaded_entry {
  int position = 0;
  kind::model_kind key;
  csl_database::key_state state = csl_database::key_state::read_write;
  csl_time::time time{};
  sm_model_vehicle::data record{};
};

[[noreturn]] void refuse(const std::string& where, const std::string& why) {
  throw std::runtime_error(where + ": " + why);
}

csl_time::time time_from(const json& j, const std::string& where) {
  try {
    return {j.at("year").get<int>(),   j.at("day").get<int>(),    j.at("hour").get<int>(),
            j.at("minute").get<int>(), j.at("second").get<int>(), j.at("millisecond").get<int>()};
  } catch (const std::exception&) {
    refuse(where, "the time is not a time of the database");
  }
}

kind::model_kind key_from(const json& j, const std::string& where) {
  try {
    const std::string p = j.at("permanence").get<std::string>();
    if (p != "PERM" && p != "TEMP") refuse(where, "permanence is PERM or TEMP");
    return kind::create(j.at("library_number").get<int>(), j.at("qualifier").get<int>(),
                        kind::name::from(j.at("name").get<std::string>()),
                        kind::class_::from(j.at("class").get<std::string>()),
                        p == "PERM" ? kind::perm : kind::temp, j.at("issue").get<int>());
  } catch (const std::runtime_error&) {
    throw;
  } catch (const std::exception&) {
    refuse(where, "the key is not a vehicle kind");
  }
}

csl_database::key_state state_from(const json& j, const std::string& where) {
  const std::string s = j.is_string() ? j.get<std::string>() : std::string();
  if (s == "READ_ONLY") return csl_database::key_state::read_only;
  if (s == "READ_WRITE") return csl_database::key_state::read_write;
  refuse(where, "state is READ_ONLY or READ_WRITE");
}

// The record from the default one with every dumped characteristic written in
// the order the dump gives them: a tonal slot's kind comes before its parts.
void record_from(const json& values, sm_model_vehicle::data& d, const std::string& where) {
  d = sm_model_vehicle::default_();
  if (!values.is_object()) refuse(where, "characteristics are an object");
  for (const auto& [name, j] : values.items()) {
    const std::size_t dot = name.find('.');
    const auto f = fields::find(name.substr(0, dot));
    if (!f) refuse(where, name + ": no such characteristic");
    fields::instance at;
    if (dot != std::string::npos &&
        std::sscanf(name.c_str() + dot, ".%d.%d", &at.outer, &at.inner) < 1) {
      refuse(where, name + ": not an instance");
    }
    if (fields::instance_name(*f, at) != name) refuse(where, name + ": not an instance");
    if (j.is_string() && loaded_ieee(*f, at, j.get<std::string>(), bytes_of(d))) continue;
    const std::optional<fields::value> v = value_of(j);
    if (!v) refuse(where, name + ": not a number or text");
    try {
      fields::write(*f, at, *v, bytes_of(d));
    } catch (const fields::field_error&) {
      refuse(where, name + ": the value does not fit");
    }
  }
}

loaded_entry entry_from(const json& j, std::size_t n) {
  std::string where = "entry " + std::to_string(n);
  loaded_entry e;
  if (!j.is_object() || !j.contains("position") || !j["position"].is_number_integer()) {
    refuse(where, "no position");
  }
  e.position = j["position"].get<int>();
  where = "position " + std::to_string(e.position);
  e.key = key_from(j.value("key", json::object()), where);
  if (kind::db_index_of(e.key).value() != e.position) {
    refuse(where, "the key " + kind::image_of(e.key) + " belongs at another position");
  }
  e.state = state_from(j.value("state", json()), where);
  e.time = time_from(j.value("time", json::object()), where);
  record_from(j.value("characteristics", json()), e.record, where);
  if (!(sm_model_vehicle::kind_of(e.record) == e.key)) {
    refuse(where, "the record's general group does not agree with the key");
  }
  return e;
}

std::vector<loaded_entry> entries_from(const json& dump) {
  if (!dump.is_object() || dump.value("format", "") != dump_format ||
      dump.value("version", 0) != dump_version || !dump.contains("entries") ||
      !dump["entries"].is_array()) {
    refuse("the dump",
           std::string("not a \"") + dump_format + "\" of version " + std::to_string(dump_version));
  }
  std::vector<loaded_entry> all;
  std::map<int, bool> seen;
  for (const json& j : dump["entries"]) {
    all.push_back(entry_from(j, all.size() + 1));
    if (seen[all.back().position])
      refuse("position " + std::to_string(all.back().position), "twice");
    seen[all.back().position] = true;
  }
  return all;
}

// Stores the entry as it was dumped, record, key, state and time in one change
// under the position's lock; a read_only entry is overwritten as well.
bool stored_entry(const options& opts, const loaded_entry& e) {
  return changed(opts, e.key, [&](auto& entry, sm_model_vehicle::data& record) {
           record = e.record;
           entry.details = e.key;
           entry.state = e.state;
           entry.mod_time = e.time;
           return true;
         }) == exit_ok;
}

}  // namespace

int dump(const options&) {
  if (!database_readable()) return exit_problem;
  load_index();
  json entries = json::array();
  bool sound = true;
  for (int p = 1; p <= positions; ++p) {
    const std::uint8_t byte = state_byte_of(p);
    if (byte == static_cast<std::uint8_t>(csl_database::key_state::empty)) continue;
    const auto state = state_image_of(byte);
    sm_model_vehicle::data item{};
    if (!state || !read_item(p, item)) {
      complain("position " + std::to_string(p) + " left out: " +
               (state ? "its record cannot be read" : "its state byte is no state"));
      sound = false;
      continue;
    }
    const auto& entry = store().header().entry(p);
    entries.push_back({{"position", p},
                       {"state", *state},
                       {"time", json(vdb::json_of(entry.mod_time))},
                       {"key", json(vdb::json_of(entry.details))},
                       {"characteristics", characteristics_json(bytes_of(item))}});
  }
  put_line(
      json({{"format", dump_format}, {"version", dump_version}, {"entries", entries}}).dump(2));
  return sound ? exit_ok : exit_problem;
}

int load(const options& opts, const std::string& file_name) {
  json dump;
  try {
    if (file_name == "-") {
      dump = json::parse(std::cin);
    } else {
      std::ifstream in(file_name);
      if (!in) {
        complain("cannot open " + file_name);
        return exit_problem;
      }
      dump = json::parse(in);
    }
  } catch (const json::exception& e) {
    complain(file_name + " is not JSON: " + e.what());
    return exit_problem;
  }
  std::vector<loaded_entry> entries;
  try {
    entries = entries_from(dump);
  } catch (const std::runtime_error& e) {
    complain(std::string(e.what()) + "; nothing loaded");
    return exit_problem;
  }
  // The store creates both files when neither is there, and opens them otherwise.
  if ((item_file().exists || index_file().exists) && !database_readable()) return exit_problem;
  store().initialise();
  if (!store().is_initialised()) {
    complain("cannot open the database " + store().file_name());
    return exit_problem;
  }
  // Every entry is tried: one that cannot be written (its lock held) does not
  // keep the others from their positions.
  int code = exit_ok;
  for (const loaded_entry& e : entries) {
    if (!stored_entry(opts, e)) code = exit_problem;
  }
  return code;
}

}  // namespace vdb
