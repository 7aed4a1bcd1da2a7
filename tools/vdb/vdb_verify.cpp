// vdb verify: checks that the two files are whole and agree with each other:
// file sizes, journals and stale lock files left by writers that stopped, every
// state byte, and for every entry in use its key (valid, at its own position, no
// control bytes in class and name), the record's general group (the same vehicle
// as the key), its modification time and every characteristic's value (within its
// type and its editing bounds).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "csl_exceptions.hpp"
#include "sm_model_vehicle_catalogue.hpp"
#include "vdb_operations.hpp"
#include "vdb_values.hpp"

namespace vdb {

namespace {

// A lock file this old was left by a writer that died: writers hold theirs for
// one operation and wait for another's only a few seconds.
constexpr double stale_lock_seconds = 60;

using problems = std::vector<problem>;

void check_file(const file_fact& f, problems& found) {
  if (!f.exists) {
    found.push_back({std::nullopt, "file_missing", f.role + " " + f.name + " is missing"});
    return;
  }
  if (f.size != f.expected) {
    found.push_back({std::nullopt, "file_size",
                     f.role + " " + f.name + " holds " + std::to_string(f.size) + " bytes, not " +
                         std::to_string(f.expected)});
  }
}

// The position a lock file or journal is for: the number after its infix.
std::optional<int> position_in(const std::string& name, const std::string& infix) {
  int position = 0;
  const std::size_t at = name.rfind(infix);
  if (at == std::string::npos ||
      std::sscanf(name.c_str() + at + infix.size(), "%d", &position) != 1) {
    return std::nullopt;
  }
  return position;
}

void check_writers_left(problems& found) {
  for (const std::string& name : journal_files()) {
    found.push_back({position_in(name, "_JOURNAL_"), "journal",
                     "journal " + name + " holds a write that stopped half way; run vdb recover"});
  }
  for (const std::string& name : lock_files()) {
    const std::optional<double> age = age_of(name);
    if (!age || *age < stale_lock_seconds) continue;
    found.push_back(
        {position_in(name, "_LOCK_"), "stale_lock",
         "lock file " + name +
             " is more than 60 s old: its writer died; run vdb locks --clear-stale 60"});
  }
}

// "class" or "name" when either holds a control byte, as a problem text.
std::string control_bytes_in(const sm_model_vehicle_kind::model_kind& key) {
  const auto has_control = [](std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
      const auto b = static_cast<unsigned char>(c);
      return b < 0x20 || b == 0x7F;
    });
  };
  std::string which;
  if (has_control(key.model_class.view())) which = "class";
  if (has_control(key.model_name.view())) which += which.empty() ? "name" : " and name";
  return which.empty() ? which : "has control bytes in its key's " + which;
}

// The fields in which the record's general group names another vehicle than the
// key; empty when they agree.
std::string disagreement(const sm_model_vehicle_kind::model_kind& key,
                         const sm_model_vehicle::data& item) {
  const auto& g = item.general;
  std::string fields;
  const auto differs = [&fields](bool different, const char* field) {
    if (!different) return;
    if (!fields.empty()) fields += ", ";
    fields += field;
  };
  differs(g.is_valid() != sm_model_vehicle_kind::is_valid(key), "validity");
  differs(g.validity_and_permanence >> 4 != key.validity_and_permanence >> 4, "permanence");
  differs(g.library_number.value() != key.model_library_number.value(), "library number");
  differs(g.c100.value() != key.model_qualifier.value(), "qualifier");
  differs(g.c101.view() != key.model_name.view(), "name");
  differs(g.c102.view() != key.model_class.view(), "class");
  differs(static_cast<int>(g.issue) != static_cast<int>(key.issue.value()), "issue");
  return fields;
}

std::string time_problem(const csl_time::time& t) {
  if (csl_time::years::in_range(t.year.value()) && csl_time::days::in_range(t.day.value()) &&
      csl_time::hours::in_range(t.hour.value()) && csl_time::minutes::in_range(t.minute.value()) &&
      csl_time::seconds::in_range(t.second.value()) &&
      csl_time::milliseconds::in_range(t.millisecond.value())) {
    return {};
  }
  return "has the modification time " + time_image_of(t) + ", which is no time";
}

// A problem of the entry at a position: "entry 7 " and the text.
problem at_entry(int p, std::string check, const std::string& text) {
  return {p, std::move(check), "entry " + std::to_string(p) + " " + text};
}

// Every characteristic whose stored value lies outside its type, or within it
// but beyond the editing bounds that vdb set and the editors keep to.
problems field_problems(int p, const sm_model_vehicle::data& item) {
  problems found;
  const std::span<const std::uint8_t> record(reinterpret_cast<const std::uint8_t*>(&item),
                                             sizeof item);
  for_each_held(
      record, [&](const sm_model_vehicle_fields::located& f, sm_model_vehicle_fields::instance at) {
        const sm_model_vehicle_catalogue::row* row = sm_model_vehicle_catalogue::find(f.what->name);
        if (row == nullptr) return;
        const auto stored =
            sm_model_vehicle_fields::number_of(sm_model_vehicle_fields::read(f, at, record));
        if (!stored) return;
        const std::string name = sm_model_vehicle_fields::instance_name(f, at);
        if (!row->type_first || !row->type_last) {
          // A real of no narrower type holds any number, but not an infinity or NaN.
          if (!std::isfinite(*stored)) {
            found.push_back(at_entry(p, "type_range",
                                     "has " + name + " stored as a bit pattern that is no number"));
            return;
          }
        } else if (*stored < *row->type_first || *stored > *row->type_last) {
          found.push_back(at_entry(p, "type_range",
                                   "has " + name + " stored as " + number_image_of(*stored) +
                                       ", outside its type " + number_image_of(*row->type_first) +
                                       " .. " + number_image_of(*row->type_last)));
          return;
        }
        // A default is legal although it may lie beyond the bounds (c320's 0 under 2).
        if (within_editing_bounds(*row, *stored) || row->default_.stored == *stored) return;
        found.push_back(at_entry(p, "editing_bounds",
                                 "has " + name + " stored as " + number_image_of(*stored) +
                                     ", beyond its editing bounds " + bounds_of(*row)));
      });
  return found;
}

// The problem of one entry's key and general group: its check and text; an empty
// text when there is none.
std::pair<std::string, std::string> entry_problem(int p, bool records_readable) {
  const auto& key = store().value_of(p);
  if (!sm_model_vehicle_kind::is_valid(key)) return {"key", "is in use but its key is not valid"};
  const int number = key.model_library_number.value();
  if (!sm_model_vehicle_kind::library_number::in_range(number)) {
    return {"key", "has the library number " + std::to_string(number) + ", not 0 .. 999"};
  }
  const int home = sm_model_vehicle_kind::db_index_of(key);
  if (home != p) {
    return {"key", "holds the key " + sm_model_vehicle_kind::image_of(key) +
                       ", which belongs at position " + std::to_string(home)};
  }
  if (!records_readable) return {};
  sm_model_vehicle::data item{};
  if (!read_item(p, item)) return {"record_readable", "has a record that cannot be read"};
  const std::string fields = disagreement(key, item);
  if (fields.empty()) return {};
  return {"record_key", "has a record whose general group differs from the key in: " + fields};
}

// The problems of one entry in use; empty when there are none.
problems entry_problems(int p, bool records_readable) {
  const auto [check, text] = entry_problem(p, records_readable);
  if (!text.empty()) return {at_entry(p, check, text)};
  problems found;
  const std::string controls = control_bytes_in(store().value_of(p));
  if (!controls.empty()) found.push_back(at_entry(p, "control_bytes", controls));
  const std::string time = time_problem(store().header().entry(p).mod_time);
  if (!time.empty()) found.push_back(at_entry(p, "modification_time", time));
  sm_model_vehicle::data item{};
  if (records_readable && read_item(p, item)) {
    for (problem& f : field_problems(p, item)) found.push_back(std::move(f));
  }
  return found;
}

void check_entries(bool records_readable, problems& found) {
  load_index();
  for (int p = 1; p <= positions; ++p) {
    const std::uint8_t byte = state_byte_of(p);
    if (!state_image_of(byte)) {
      found.push_back(at_entry(p, "state_byte",
                               "holds the state byte " + std::to_string(byte) + ", not 0, 1 or 2"));
      continue;
    }
    if (byte == 0) continue;
    try {
      for (problem& f : entry_problems(p, records_readable)) found.push_back(std::move(f));
    } catch (const csl::named_error& e) {
      found.push_back(
          at_entry(p, "checkable", "cannot be checked: " + e.full_name() + " " + e.message()));
    }
  }
}

void put_problems(const options& opts, const problems& found) {
  if (opts.output_format == format::json) {
    put_json(verify_document(found));
    return;
  }
  for (const problem& f : found) put_line(f.message);
  if (found.empty()) put_line("no problems");
}

}  // namespace

problems problems_of_database() {
  problems found;
  const file_fact items = item_file();
  const file_fact index = index_file();
  check_file(items, found);
  check_file(index, found);
  check_writers_left(found);
  // A longer index file still holds a whole header at its start.
  if (index.exists && index.size >= index.expected) check_entries(items.exists, found);
  return found;
}

nlohmann::json verify_document(const problems& found) {
  nlohmann::json doc = json_document("verify");
  doc["problems"] = nlohmann::json::array();
  for (const problem& f : found) {
    doc["problems"].push_back({{"position", f.position ? nlohmann::json(*f.position) : nullptr},
                               {"check", f.check},
                               {"message", f.message}});
  }
  return doc;
}

int verify(const options& opts) {
  const problems found = problems_of_database();
  put_problems(opts, found);
  return found.empty() ? exit_ok : exit_problem;
}

}  // namespace vdb
