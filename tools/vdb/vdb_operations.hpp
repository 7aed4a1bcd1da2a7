// The operations of the vdb tool as data: what list, stat, show, describe and
// verify find, and the changes of set, new, state and touch with their outcome.
// Two front ends format them: the command line (vdb_commands.hpp) as text or
// JSON, the web server of vdb serve as JSON documents of the same shapes
// (docs/json.md). A rule lives here once; a front end never reads or writes the
// files itself.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "sm_model_vehicle_catalogue.hpp"
#include "vdb_commands.hpp"
#include "vdb_common.hpp"

namespace vdb {

// ---- Reading ----

// One entry in use, as list shows it.
struct listed {
  int position;
  sm_model_vehicle_kind::model_kind key;
  std::string state;
  csl_time::time modified;
  std::optional<std::array<float, 3>> dimensions;  // length, height, width; none: unreadable
};
struct listing {
  std::vector<listed> entries;
  bool sound = true;  // false when a state byte is no state or a record could not be read
};
// The entries in use that the filter selects, with the index loaded; none (with a
// diagnostic) when the database cannot be read.
std::optional<listing> listed_entries(const list_filter& filter);
// {"format": "vdb list", ...}
nlohmann::json list_document(const std::vector<listed>& entries);

// {"format": "vdb stat", ...}: file sizes, entries per state and group, lock
// files; as_expected false when either file is missing or of the wrong size.
nlohmann::json stat_document(bool& as_expected);

// The record of a position as its readers read it, with the index loaded; false
// (with a diagnostic) when it cannot be read.
bool record_at(int position, sm_model_vehicle::data& item);
// {"format": "vdb show", ...}
nlohmann::json show_document(int position, const std::vector<shown_value>& values);
// The show document with what an editor needs beside each value: the
// characteristic and instance it is, its editing bounds and choices.
nlohmann::json vehicle_document(int position, const sm_model_vehicle::data& item);

// The catalogue rows a name selects (every row when none), or none (with a
// diagnostic) for a name that is no characteristic.
std::optional<std::vector<const sm_model_vehicle_catalogue::row*>> described(
    const std::optional<std::string>& characteristic);
// {"format": "vdb describe", ...}; one: the document of a single characteristic.
nlohmann::json describe_document(const std::vector<const sm_model_vehicle_catalogue::row*>& rows,
                                 bool one);

// {"format": "vdb verify", ...}
nlohmann::json verify_document(const std::vector<problem>& found);

// ---- Changing ----

// "2026-341T12:00:00.000" (the milliseconds may be left out), or "now"; none for
// any other text.
std::optional<csl_time::time> time_from(const std::string& text);

// "empty", "read_only", "read_write" in any case; none for any other text.
std::optional<csl_database::key_state> state_named(const std::string& text);

struct set_request {
  int position = 0;
  std::vector<std::string> assignments;  // "c200=50", "c204.2=3"
  // The modification time the editor read the entry with: the change is refused
  // when the entry has been modified since.
  std::optional<csl_time::time> loaded;
};
struct set_outcome {
  int code = exit_problem;     // exit_ok, exit_problem, exit_usage
  bool changed_since = false;  // refused because the entry was modified since it was loaded
};
set_outcome set_values(const options& opts, const set_request& request);

// What is wrong with a new vehicle's identity, within the bounds the command
// line's options check too (library_numbers, qualifiers, issues,
// identity_text_size); none when nothing is.
std::optional<std::string> new_vehicle_problem(const new_vehicle_request& request);
// The position of the new vehicle; none (with a diagnostic) when it was not stored.
std::optional<int> stored_new_vehicle(const options& opts, const new_vehicle_request& request);

}  // namespace vdb
