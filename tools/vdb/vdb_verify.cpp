// vdb verify: checks that the two files are whole and agree with each other:
// file sizes, every state byte, and for every entry in use its key (valid, at
// its own position), the record's general group (the same vehicle as the key),
// its modification time and every characteristic's value (within its type).
#include <cmath>
#include <string>
#include <vector>

#include "csl_exceptions.hpp"
#include "sm_model_vehicle_catalogue.hpp"
#include "vdb_commands.hpp"

namespace vdb {

namespace {

using problems = std::vector<std::string>;

void check_file(const file_fact& f, problems& found) {
  if (!f.exists) {
    found.push_back(f.role + " " + f.name + " is missing");
    return;
  }
  if (f.size != f.expected) {
    found.push_back(f.role + " " + f.name + " holds " + std::to_string(f.size) + " bytes, not " +
                    std::to_string(f.expected));
  }
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

// Every characteristic whose stored value lies outside its type.
std::vector<std::string> field_problems(const sm_model_vehicle::data& item) {
  std::vector<std::string> found;
  const std::span<const std::uint8_t> record(reinterpret_cast<const std::uint8_t*>(&item),
                                             sizeof item);
  for_each_held(record, [&](const sm_model_vehicle_fields::located& f,
                            sm_model_vehicle_fields::instance at) {
    const sm_model_vehicle_catalogue::row* row = sm_model_vehicle_catalogue::find(f.what->name);
    if (row == nullptr) return;
    const auto stored =
        sm_model_vehicle_fields::number_of(sm_model_vehicle_fields::read(f, at, record));
    if (!stored) return;
    if (!row->type_first || !row->type_last) {
      // A real of no narrower type holds any number, but not an infinity or NaN.
      if (std::isfinite(*stored)) return;
      found.push_back("has " + sm_model_vehicle_fields::instance_name(f, at) +
                      " stored as a bit pattern that is no number");
      return;
    }
    if (*stored >= *row->type_first && *stored <= *row->type_last) return;
    found.push_back("has " + sm_model_vehicle_fields::instance_name(f, at) + " stored as " +
                    number_image_of(*stored) + ", outside its type " +
                    number_image_of(*row->type_first) + " .. " + number_image_of(*row->type_last));
  });
  return found;
}

// The problem of one entry's key and general group, or an empty text.
std::string entry_problem(int p, bool records_readable) {
  const auto& key = store().value_of(p);
  if (!sm_model_vehicle_kind::is_valid(key)) return "is in use but its key is not valid";
  const int number = key.model_library_number.value();
  if (!sm_model_vehicle_kind::library_number::in_range(number)) {
    return "has the library number " + std::to_string(number) + ", not 0 .. 999";
  }
  const int home = sm_model_vehicle_kind::db_index_of(key);
  if (home != p) {
    return "holds the key " + sm_model_vehicle_kind::image_of(key) +
           ", which belongs at position " + std::to_string(home);
  }
  if (!records_readable) return {};
  sm_model_vehicle::data item{};
  if (!read_item(p, item)) return "has a record that cannot be read";
  const std::string fields = disagreement(key, item);
  if (fields.empty()) return {};
  return "has a record whose general group differs from the key in: " + fields;
}

// The problems of one entry in use; empty when there are none.
std::vector<std::string> entry_problems(int p, bool records_readable) {
  std::string problem = entry_problem(p, records_readable);
  if (!problem.empty()) return {problem};
  std::vector<std::string> found;
  problem = time_problem(store().header().entry(p).mod_time);
  if (!problem.empty()) found.push_back(problem);
  sm_model_vehicle::data item{};
  if (records_readable && read_item(p, item)) {
    for (std::string& f : field_problems(item)) found.push_back(std::move(f));
  }
  return found;
}

void check_entries(bool records_readable, problems& found) {
  load_index();
  for (int p = 1; p <= positions; ++p) {
    const std::uint8_t byte = state_byte_of(p);
    const std::string entry = "entry " + std::to_string(p) + " ";
    if (!state_image_of(byte)) {
      found.push_back(entry + "holds the state byte " + std::to_string(byte) + ", not 0, 1 or 2");
      continue;
    }
    if (byte == 0) continue;
    try {
      for (const std::string& problem : entry_problems(p, records_readable)) {
        found.push_back(entry + problem);
      }
    } catch (const csl::named_error& e) {
      found.push_back(entry + "cannot be checked: " + e.full_name() + " " + e.message());
    }
  }
}

void put_problems(const options& opts, const problems& found) {
  if (opts.output_format == format::json) {
    put_json({{"problems", found}});
    return;
  }
  for (const std::string& line : found) put_line(line);
  if (found.empty()) put_line("no problems");
}

}  // namespace

int verify(const options& opts) {
  problems found;
  const file_fact items = item_file();
  const file_fact index = index_file();
  check_file(items, found);
  check_file(index, found);
  for (const std::string& name : journal_files()) {
    found.push_back("journal " + name + " holds a write that stopped half way; run vdb recover");
  }
  // A longer index file still holds a whole header at its start.
  if (index.exists && index.size >= index.expected) check_entries(items.exists, found);
  put_problems(opts, found);
  return found.empty() ? exit_ok : exit_problem;
}

}  // namespace vdb
