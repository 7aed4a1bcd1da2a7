// The subcommands of the vdb tool. Each runs after the library has started and
// returns the tool's exit code (vdb::exit_ok, exit_problem).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "vdb_common.hpp"

namespace vdb {

// An empty database: both files, every entry empty, every record the default.
int create(const options& opts);
// The notional sample database: a few vehicles spread over the index.
int sample(const options& opts);

// The characteristic catalogue, or its one row named by "c200", "200" or a name.
int describe(const options& opts, const std::optional<std::string>& characteristic);

// File sizes, entries per state and per library group, lock files present.
int stat(const options& opts);

struct list_filter {
  std::optional<sm_model_vehicle_kind::group> group;
  std::optional<csl_database::key_state> state;
};
// The entries in use, as the filter selects them.
int list(const options& opts, const list_filter& filter);

// The index entry and the record of one position, byte for byte.
int show_raw(const options& opts, int position);
// One characteristic instance of a record as the operator reads it.
struct shown_value {
  std::string name;   // "c204.2"
  std::string group;  // "physical", as record_group_names gives it
  std::string alias;  // "length"; empty when there is none
  std::string unit;   // of the image; empty when there is none
  std::string image;  // in operator units, as the library makes it (padding kept)
  sm_model_vehicle_fields::value stored;
  bool text = false;                     // a text characteristic: image and stored are the text
  std::string characteristic;            // "c204": the name without its instance
  sm_model_vehicle_fields::instance at;  // mode, slot or set; 1 when held once
};
// The groups of a record in record order, as show names them: "general" ..
std::vector<std::string> record_group_names();
// Every characteristic instance the record holds, group by group and instance by
// instance; only those of one group when given.
std::vector<shown_value> shown_values(const sm_model_vehicle::data& item,
                                      const std::optional<std::string>& group);
// The index entry and the characteristics of one position (of one group when
// given) as images in operator units.
int show(const options& opts, int position, const std::optional<std::string>& group);
// The named characteristics of the vehicle at a position, one a line, as images
// in operator units.
int get(const options& opts, int position, const std::vector<std::string>& names);

// Both files as JSON Lines (docs/dump_format.md): a header line, then one line
// per position of those asked for that is in use or holds anything but the empty
// entry and the default record, on standard output or into a file (made whole, or
// not at all).
struct dump_request {
  std::string file_name;       // empty: standard output
  std::vector<int> positions;  // in order, each once
};
int dump(const options& opts, const dump_request& request);
// "7", "5-9": positions and ranges of them, 1 .. 2000, in order, each once; none
// (with a diagnostic) for a text that is neither. No texts: every position.
std::optional<std::vector<int>> positions_of(const std::vector<std::string>& texts);

// Stores the entries of a dump ("-": standard input) at their positions, creating
// the database when neither file exists. Every line is checked before anything is
// written, and every value as vdb set checks it; nothing is written unless all of
// it is good.
struct load_request {
  std::string file_name;
  bool replace = false;       // positions the dump does not hold are made afresh
  bool no_overwrite = false;  // refuse when an entry in use would change
  bool force = false;         // values beyond their editing bounds, inside their type
};
int load(const options& opts, const load_request& request);

// The lock files of the database with their ages; with clear_stale_after, removes
// those at least that many seconds old.
int locks(const options& opts, std::optional<double> clear_stale_after);

// Replays or discards the journals that writers stopped half way left behind, as
// opening the database does; one line per journal dealt with, and a diagnostic for
// each still there because its position's lock file is held.
int recover(const options& opts);

// One fault verify finds: the position it concerns (none for the files as a
// whole), the check that found it ("file_size", "editing_bounds", ...; the list
// is in docs/json.md) and a line that says it.
struct problem {
  std::optional<int> position;
  std::string check;
  std::string message;
};
// Every check of the files' consistency, in file order.
std::vector<problem> problems_of_database();
// The problems, one line each, or "no problems".
int verify(const options& opts);

// The bounds of a new vehicle's identity, checked alike by the command line's
// options and by every other front end (new_vehicle_problem).
struct bounds_of_identity {
  int first;
  int last;
  bool holds(int v) const { return v >= first && v <= last; }
};
inline constexpr bounds_of_identity library_numbers{0, 999};
inline constexpr bounds_of_identity qualifiers{1, 64};
inline constexpr bounds_of_identity issues{0, 255};
inline constexpr std::size_t identity_text_size = 12;  // of the name and of the class

// A new vehicle: the default record under the kind the request names, stored at
// the kind's position when that is empty. Prints the position.
struct new_vehicle_request {
  int library_number = 0;
  sm_model_vehicle_kind::permanence permanence = sm_model_vehicle_kind::perm;
  std::string name;
  std::string class_name;
  int qualifier = 1;
  int issue = 0;
};
int new_vehicle(const options& opts, const new_vehicle_request& request);

// Characteristics of the record at a position, "c200=50" or "c204.2=3", in
// operator units; all or nothing.
int set(const options& opts, int position, const std::vector<std::string>& assignments);
// The state of the entry at a position in use.
int set_state(const options& opts, int position, csl_database::key_state to);
// The modification time of a read_write entry: "2026-341T12:00:00.000" or "now".
int touch(const options& opts, int position, const std::string& time);

}  // namespace vdb
