// What every subcommand of the vdb tool shares: the global options, the stream
// that carries data (standard output, kept apart from the library's own report
// lines), starting the library, the facts about the two database files, and the
// text forms of times, numbers and bytes.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "csl_database.hpp"
#include "csl_time.hpp"
#include "sm_model_vehicle.hpp"
#include "sm_model_vehicle_database.hpp"
#include "sm_model_vehicle_fields.hpp"
#include "sm_model_vehicle_kind.hpp"

namespace vdb {

// Exit codes of every subcommand.
inline constexpr int exit_ok = 0;
inline constexpr int exit_problem = 1;
inline constexpr int exit_usage = 2;

enum class format { text, json, markdown };  // markdown: describe only

struct options {
  std::string db;  // empty: the library's own base name
  format output_format = format::text;
  bool verbose = false;       // also show the library's start-up report
  bool quiet = false;         // no data and no progress: errors and the exit code only
  double wait_seconds = 5.0;  // how long a writer waits for a position's lock
};

// Data lines go here: the standard output the tool was started with. The
// library's report lines, which it writes to the C stdout stream, are sent to
// standard error instead, so that standard output carries data only.
FILE* data();
void put(std::string_view text);
void put_line(std::string_view line);
// Bytes that are not UTF-8 are shown as U+FFFD rather than refused.
void put_json(const nlohmann::json& value);
// Every JSON output starts so: {"format": "vdb list", "version": 1}. The version
// grows when a shape changes so that consumers can tell (docs/json.md).
inline constexpr int json_version = 1;
nlohmann::json json_document(std::string_view command);
// One diagnostic line on standard error, "vdb: " first; or, while a
// diagnostics_kept is alive on this thread, kept in it instead, for a front end
// that shows them elsewhere (the web server answers with them).
void complain(std::string_view line);
class diagnostics_kept {
 public:
  diagnostics_kept();
  ~diagnostics_kept();
  diagnostics_kept(const diagnostics_kept&) = delete;
  diagnostics_kept& operator=(const diagnostics_kept&) = delete;
  const std::vector<std::string>& lines() const { return lines_; }

 private:
  friend void complain(std::string_view line);
  std::vector<std::string> lines_;
  diagnostics_kept* outer_;
};

// Sets the data stream apart, then starts every module of the library with the
// given base name (or the library's own when empty). The start-up report is
// shown only when verbose or when start-up fails. False when it failed.
bool start_library(const options& opts);
// Flushes the data stream; false (with a diagnostic) when data could not be
// written.
bool finish_output();

inline constexpr std::uintmax_t item_size = sizeof(sm_model_vehicle::data);
inline constexpr int positions = sm_model_vehicle_database::store::positions;
inline constexpr std::uintmax_t item_file_size = item_size * positions;
inline constexpr std::uintmax_t index_file_size = sizeof(sm_model_vehicle_database::header_rec);

struct file_fact {
  std::string role;  // "item file", "index file"
  std::string name;
  bool exists = false;
  std::uintmax_t size = 0;
  std::uintmax_t expected = 0;
  bool as_expected() const { return exists && size == expected; }
};

sm_model_vehicle_database::store& store();
file_fact item_file();
file_fact index_file();
// Lock files of the database present now, by name, sorted.
std::vector<std::string> lock_files();

// Refuses (with a diagnostic per fault) when either file is missing or the
// index file is not one whole header: its entries could not be read.
bool database_readable();
// Rereads the index as the store's readers do.
void load_index();
// The item record of a position, read as the store's readers read it (under the
// position's read lock, or from the journal of a write in flight); false when it
// could not be read whole.
bool read_item(int position, sm_model_vehicle::data& item);
// The records of many positions, each read as read_item reads it, handed over in
// order with whether it could be read whole; their read locks are taken a few
// dozen at a time, which costs far less than one by one.
using item_visitor = std::function<void(int position, const sm_model_vehicle::data&, bool read)>;
void for_each_item(std::span<const int> positions, const item_visitor& visit);

// A change of one position's index entry and record, made under the position's
// lock (the store's modify): it returns false, having said why, to write nothing.
using change =
    std::function<bool(sm_model_vehicle_database::key_rec& entry, sm_model_vehicle::data& record)>;
// The tool's writers wait at most opts.wait_seconds for a lock, then give up.
csl_database::lock_policy writer_policy(const options& opts);
// Makes the change, waiting at most opts.wait_seconds for the lock; a lock that
// cannot be had is named with its age and left in place, and nothing is written.
// exit_ok when the change was written whole, exit_problem otherwise.
int changed(const options& opts, const sm_model_vehicle_kind::model_kind& key, const change& c);

// The journals of interrupted writes present now, by name, sorted.
std::vector<std::string> journal_files();
// Seconds since the file was last changed; none when it is gone.
std::optional<double> age_of(const std::string& file_name);

// The raw state byte of an entry and its image, "EMPTY" .. "READ_WRITE", or
// none for a byte that is no state.
std::uint8_t state_byte_of(int position);
std::optional<std::string> state_image_of(std::uint8_t byte);
// The index entry of a position as it was last loaded: position, kind, class,
// name, state and modification time, one "label: value" line each.
std::vector<std::string> entry_lines(int position);
// The image of a key, "042 P"; a damaged key's library number beyond 999 has
// none and is shown as it is stored, "1500 P".
std::string key_image_of(const sm_model_vehicle_kind::model_kind& key);
// The library group of a valid key with a library number in range.
std::optional<sm_model_vehicle_kind::group> library_group_of(
    const sm_model_vehicle_kind::model_kind& key);

// "2026-341T12:00:00.000": year, day of the year, time of day.
std::string time_image_of(const csl_time::time& t);
// Writers stamp their own local time and the files do not say which zone that
// was: "2026-341T12:00:00.000 local time (this machine: CET, UTC+01:00)", with
// this machine's zone at that time for a reader to compare with.
std::string local_time_image_of(const csl_time::time& t);
// The value of the "modified_zone" member beside every time in JSON.
inline constexpr const char* writer_local_time = "WRITER_LOCAL";
nlohmann::json json_of(const csl_time::time& t);
nlohmann::json json_of(const sm_model_vehicle_kind::model_kind& key);
// The key as json_of gives it, with class and name trimmed of their padding.
nlohmann::json display_json_of(const sm_model_vehicle_kind::model_kind& key);
// The index entry of a position as it was last loaded: key, state and time.
nlohmann::json entry_json_of(int position);
// The shortest text that reads back as the same number, held as float when it
// is one; a whole number has no point ("45.72", "3", "-0.5", "1.9342804e+25").
std::string number_image_of(double value);
// A number as JSON: held as float when it is one, so that "45.72" stays 45.72.
nlohmann::json json_number_of(double value);
// Lower-case hexadecimal, two digits a byte.
std::string hex_of(const void* bytes, std::size_t size);
// Sixteen bytes a line: offset, bytes, and the printable ones.
std::vector<std::string> hex_dump_of(const void* bytes, std::size_t size);

// Calls visit(field, instance) for every instance the record holds, group by
// group; within a group the fields held once come first, then instance by
// instance (mode 1, then mode 2, ...) for each kind of repetition in turn.
void for_each_held(std::span<const std::uint8_t> record,
                   const std::function<void(const sm_model_vehicle_fields::located&,
                                            sm_model_vehicle_fields::instance)>& visit);

}  // namespace vdb
