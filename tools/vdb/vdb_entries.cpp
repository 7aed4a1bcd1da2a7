// vdb stat, vdb list and vdb show: what a database holds, read as the store's
// own readers read it (under the readers' locks), never changing it.
#include <array>
#include <cstdio>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "vdb_operations.hpp"
#include "vdb_values.hpp"

namespace vdb {

namespace {

using sm_model_vehicle_kind::group;

constexpr std::array<group, 10> library_groups = {
    group::soviet_sub, group::soviet_surf, group::soviet_aux,     group::nato_sub, group::nato_surf,
    group::nato_aux,   group::general,     group::weapons_decoys, group::aircraft, group::test};

struct census {
  std::array<int, 3> states{};  // by key_state
  int other_states = 0;         // bytes that are no state
  std::map<group, int> groups;  // entries in use, by their key's library group
  int without_group = 0;        // entries in use without a valid key
};

census census_of_index() {
  census c;
  for (group g : library_groups) c.groups[g] = 0;
  for (int p = 1; p <= positions; ++p) {
    const std::uint8_t byte = state_byte_of(p);
    if (!state_image_of(byte)) {
      ++c.other_states;
      continue;
    }
    ++c.states[byte];
    if (byte == 0) continue;
    const auto g = library_group_of(store().value_of(p));
    if (g) ++c.groups[*g];
    if (!g) ++c.without_group;
  }
  return c;
}

std::string size_image_of(const file_fact& f) {
  if (!f.exists) return "missing";
  return std::to_string(f.size) + " bytes (expected " + std::to_string(f.expected) + ")";
}

nlohmann::json json_of(const file_fact& f) {
  return {{"name", f.name},
          {"exists", f.exists},
          {"size", f.exists ? nlohmann::json(f.size) : nlohmann::json(nullptr)},
          {"expected_size", f.expected},
          {"as_expected", f.as_expected()}};
}

void put_stat_text(const std::vector<file_fact>& files, const std::optional<census>& c,
                   const std::vector<std::string>& locks) {
  for (const file_fact& f : files) {
    put_line(f.role + ": " + f.name);
    put_line("  size: " + size_image_of(f));
  }
  if (c) {
    put_line("entries:");
    for (std::uint8_t s = 0; s < 3; ++s)
      put_line("  " + *state_image_of(s) + ": " + std::to_string(c->states[s]));
    put_line("  other state bytes: " + std::to_string(c->other_states));
    put_line("groups:");
    for (group g : library_groups)
      put_line("  " + sm_model_vehicle_kind::image_of(g) + ": " + std::to_string(c->groups.at(g)));
    put_line("  no valid key: " + std::to_string(c->without_group));
  }
  put_line(locks.empty() ? "lock files: none" : "lock files:");
  for (const std::string& name : locks) put_line("  " + name);
}

nlohmann::json stat_json(const std::vector<file_fact>& files, const std::optional<census>& c,
                         const std::vector<std::string>& locks) {
  nlohmann::json j = json_document("stat");
  j["item_file"] = json_of(files[0]);
  j["index_file"] = json_of(files[1]);
  j["lock_files"] = locks;
  j["entries"] = nullptr;
  j["groups"] = nullptr;
  if (c) {
    j["entries"] = {{"EMPTY", c->states[0]},
                    {"READ_ONLY", c->states[1]},
                    {"READ_WRITE", c->states[2]},
                    {"other_state_bytes", c->other_states}};
    nlohmann::json groups = nlohmann::json::object();
    for (group g : library_groups) groups[sm_model_vehicle_kind::image_of(g)] = c->groups.at(g);
    groups["no_valid_key"] = c->without_group;
    j["groups"] = groups;
  }
  return j;
}

bool selected(const list_filter& filter, std::uint8_t state, const listed& e) {
  if (filter.state && static_cast<std::uint8_t>(*filter.state) != state) return false;
  return !filter.group || library_group_of(e.key) == filter.group;
}

// Length, Height and Width of each entry listed, from its record.
bool dimensions_of(std::span<listed> entries) {
  std::vector<int> at;
  at.reserve(entries.size());
  for (const listed& e : entries) at.push_back(e.position);
  bool sound = true;
  std::size_t i = 0;
  for_each_item(at, [&](int p, const sm_model_vehicle::data& item, bool read) {
    listed& e = entries[i++];
    if (!read) {
      complain("the record at position " + std::to_string(p) + " cannot be read");
      sound = false;
      return;
    }
    e.dimensions = std::array<float, 3>{item.physical.c200.metres(), item.physical.c203.metres(),
                                        item.physical.c215.metres()};
  });
  return sound;
}

// The entries in use that the filter selects; false when an entry's state byte
// is no state (reported) or a record could not be read.
bool entries_listed(const list_filter& filter, std::vector<listed>& out) {
  bool sound = true;
  const std::size_t first = out.size();
  for (int p = 1; p <= positions; ++p) {
    const std::uint8_t byte = state_byte_of(p);
    const auto state = state_image_of(byte);
    if (!state) {
      complain("entry " + std::to_string(p) + " holds the state byte " + std::to_string(byte) +
               ", not 0, 1 or 2");
      sound = false;
      continue;
    }
    if (byte == 0) continue;
    listed e{p, store().value_of(p), *state, store().mod_time_of(p), std::nullopt};
    if (!selected(filter, byte, e)) continue;
    out.push_back(e);
  }
  return dimensions_of(std::span<listed>(out).subspan(first)) && sound;
}

std::string dimension_image_of(const std::optional<std::array<float, 3>>& d, std::size_t i) {
  std::array<char, 64> text{};
  if (!d) return "          -";
  std::snprintf(text.data(), text.size(), " %10.2f", static_cast<double>((*d)[i]));
  return text.data();
}

// The columns before the dimensions, in fixed widths.
std::string list_columns(const std::string& position, const std::string& kind,
                         const std::string& class_, const std::string& name,
                         const std::string& state, const std::string& modified) {
  std::array<char, 160> text{};
  std::snprintf(text.data(), text.size(), "%4s  %-5s  %-12s  %-12s  %-10s  %-21s", position.c_str(),
                kind.c_str(), class_.c_str(), name.c_str(), state.c_str(), modified.c_str());
  return text.data();
}

std::string list_line(const listed& e) {
  return list_columns(std::to_string(e.position), key_image_of(e.key), e.key.model_class.str(),
                      e.key.model_name.str(), e.state, time_image_of(e.modified)) +
         dimension_image_of(e.dimensions, 0) + dimension_image_of(e.dimensions, 1) +
         dimension_image_of(e.dimensions, 2);
}

nlohmann::json json_of(const listed& e) {
  nlohmann::json j = {{"position", e.position},
                      {"kind", key_image_of(e.key)},
                      {"class", trimmed(e.key.model_class.str())},
                      {"name", trimmed(e.key.model_name.str())},
                      {"state", e.state},
                      {"modified", time_image_of(e.modified)},
                      {"modified_zone", writer_local_time},
                      {"length", nullptr},
                      {"height", nullptr},
                      {"width", nullptr}};
  if (e.dimensions) {
    j["length"] = json_number_of((*e.dimensions)[0]);
    j["height"] = json_number_of((*e.dimensions)[1]);
    j["width"] = json_number_of((*e.dimensions)[2]);
  }
  return j;
}

void put_list(const options& opts, const std::vector<listed>& entries) {
  if (opts.output_format == format::json) {
    put_json(list_document(entries));
    return;
  }
  // The writers' local time: the files do not say which zone.
  put_line(list_columns("POS", "KIND", "CLASS", "NAME", "STATE", "MODIFIED (local time)") +
           " LENGTH (m) HEIGHT (m)  WIDTH (m)");
  for (const listed& e : entries) put_line(list_line(e));
}

void put_show_text(int position, const sm_model_vehicle::data& item) {
  const auto& entry = store().header().entry(position);
  for (const std::string& line : entry_lines(position)) put_line(line);
  put_line("index entry (" + std::to_string(sizeof entry) + " bytes at offset " +
           std::to_string(store().entry_offset(position)) + " of the index file):");
  for (const std::string& line : hex_dump_of(&entry, sizeof entry)) put_line(line);
  put_line("record (" + std::to_string(sizeof item) + " bytes at offset " +
           std::to_string(store().item_offset(position)) + " of the item file):");
  for (const std::string& line : hex_dump_of(&item, sizeof item)) put_line(line);
}

void put_show_json(int position, const sm_model_vehicle::data& item) {
  const auto& entry = store().header().entry(position);
  nlohmann::json doc = json_document("show --raw");
  doc["position"] = position;
  doc["entry"] = entry_json_of(position);
  doc["entry"]["offset"] = store().entry_offset(position);
  doc["entry"]["bytes"] = hex_of(&entry, sizeof entry);
  doc["record"] = {{"offset", store().item_offset(position)},
                   {"bytes", hex_of(&item, sizeof item)}};
  put_json(doc);
}

// What stat finds: the files, the census of a whole index, the lock files.
struct facts {
  std::vector<file_fact> files;
  std::optional<census> entries;
  std::vector<std::string> locks;
  bool as_expected() const { return files[0].as_expected() && files[1].as_expected(); }
};

facts facts_of_database() {
  facts f{{item_file(), index_file()}, std::nullopt, {}};
  if (f.files[1].as_expected()) {
    load_index();
    f.entries = census_of_index();
  }
  f.locks = lock_files();
  return f;
}

}  // namespace

nlohmann::json stat_document(bool& as_expected) {
  const facts f = facts_of_database();
  as_expected = f.as_expected();
  return stat_json(f.files, f.entries, f.locks);
}

int stat(const options& opts) {
  const facts f = facts_of_database();
  if (opts.output_format == format::json) put_json(stat_json(f.files, f.entries, f.locks));
  if (opts.output_format == format::text) put_stat_text(f.files, f.entries, f.locks);
  return f.as_expected() ? exit_ok : exit_problem;
}

std::optional<listing> listed_entries(const list_filter& filter) {
  if (!database_readable()) return std::nullopt;
  load_index();
  listing l;
  l.sound = entries_listed(filter, l.entries);
  return l;
}

nlohmann::json list_document(const std::vector<listed>& entries) {
  nlohmann::json doc = json_document("list");
  doc["entries"] = nlohmann::json::array();
  for (const listed& e : entries) doc["entries"].push_back(json_of(e));
  return doc;
}

int list(const options& opts, const list_filter& filter) {
  const std::optional<listing> l = listed_entries(filter);
  if (!l) return exit_problem;
  put_list(opts, l->entries);
  return l->sound ? exit_ok : exit_problem;
}

int show_raw(const options& opts, int position) {
  if (!database_readable()) return exit_problem;
  load_index();
  sm_model_vehicle::data item{};
  if (!read_item(position, item)) {
    complain("the record at position " + std::to_string(position) + " cannot be read");
    return exit_problem;
  }
  if (opts.output_format == format::json) put_show_json(position, item);
  if (opts.output_format == format::text) put_show_text(position, item);
  return exit_ok;
}

}  // namespace vdb
