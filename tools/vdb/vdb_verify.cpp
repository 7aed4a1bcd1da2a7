// vdb verify: checks that the two files are whole and agree with each other:
// file sizes, every state byte, and for every entry in use its key (valid, at
// its own position) and the record's general group (the same vehicle as the key).
#include <string>
#include <vector>

#include "csl_exceptions.hpp"
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

// The problem of one entry in use, or an empty text.
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
      const std::string problem = entry_problem(p, records_readable);
      if (!problem.empty()) found.push_back(entry + problem);
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
  // A longer index file still holds a whole header at its start.
  if (index.exists && index.size >= index.expected) check_entries(items.exists, found);
  put_problems(opts, found);
  return found.empty() ? exit_ok : exit_problem;
}

}  // namespace vdb
