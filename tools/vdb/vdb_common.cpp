#include "vdb_common.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "radar_vdb_access.h"
#include "vdb_values.hpp"

namespace vdb {

namespace {

FILE* data_stream = nullptr;

// Keeps the tool's standard output for data before anything of the library
// writes to it.
bool set_data_apart() {
  if (data_stream != nullptr) return true;
  const int fd = ::dup(STDOUT_FILENO);
  if (fd < 0) return false;
  data_stream = ::fdopen(fd, "w");
  if (data_stream == nullptr) ::close(fd);
  return data_stream != nullptr;
}

std::string contents_of(FILE* f) {
  std::string text;
  std::rewind(f);
  std::array<char, 4096> buffer{};
  for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), f)) > 0;) {
    text.append(buffer.data(), n);
  }
  return text;
}

// Runs the library's start-up with its report lines caught in a temporary file
// (or on standard error when there is none), and sends every later library line
// to standard error. Returns what was caught.
std::string started_quietly() {
  std::fflush(stdout);
  FILE* report = std::tmpfile();
  if (report != nullptr) ::dup2(::fileno(report), STDOUT_FILENO);
  if (report == nullptr) ::dup2(STDERR_FILENO, STDOUT_FILENO);
  adainit();
  std::fflush(stdout);
  ::dup2(STDERR_FILENO, STDOUT_FILENO);
  if (report == nullptr) return {};
  std::string text = contents_of(report);
  std::fclose(report);
  return text;
}

std::string to_text(char* first, std::to_chars_result r) {
  return r.ec == std::errc{} ? std::string(first, r.ptr) : std::string("?");
}

}  // namespace

FILE* data() {
  return data_stream != nullptr ? data_stream : stdout;
}

void put(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), data());
}

void put_line(std::string_view line) {
  put(line);
  std::fputc('\n', data());
}

void put_json(const nlohmann::json& value) {
  put_line(value.dump(2, ' ', false, nlohmann::json::error_handler_t::replace));
}

nlohmann::json json_document(std::string_view command) {
  return {{"format", "vdb " + std::string(command)}, {"version", json_version}};
}

namespace {
thread_local diagnostics_kept* keeping = nullptr;
}  // namespace

diagnostics_kept::diagnostics_kept() : outer_(keeping) {
  keeping = this;
}

diagnostics_kept::~diagnostics_kept() {
  keeping = outer_;
}

void complain(std::string_view line) {
  if (keeping != nullptr) {
    keeping->lines_.emplace_back(line);
    return;
  }
  std::fflush(stdout);
  std::string text = "vdb: ";
  text += line;
  text += '\n';
  std::fwrite(text.data(), 1, text.size(), stderr);
}

bool start_library(const options& opts) {
  if (opts.quiet && data_stream == nullptr) data_stream = std::fopen("/dev/null", "w");
  if (!set_data_apart()) {
    complain("standard output cannot be used");
    return false;
  }
  if (!opts.db.empty()) ::setenv("ACM_VDB_FILE", opts.db.c_str(), 1);
  const std::string report = started_quietly();
  // The start-up of the library reports its own failure and carries on.
  const bool failed = report.find("start-up failed") != std::string::npos;
  if (opts.verbose || failed) std::fwrite(report.data(), 1, report.size(), stderr);
  if (failed) complain("the library could not start");
  return !failed;
}

bool finish_output() {
  if (data_stream == nullptr) return std::fflush(stdout) == 0;
  const bool flushed = std::fflush(data_stream) == 0 && std::ferror(data_stream) == 0;
  std::fclose(data_stream);
  data_stream = nullptr;
  if (!flushed) complain("writing to standard output failed");
  return flushed;
}

sm_model_vehicle_database::store& store() {
  return sm_model_vehicle_database::instance();
}

namespace {

file_fact fact_of(std::string role, const std::string& name, std::uintmax_t expected) {
  file_fact f;
  f.role = std::move(role);
  f.name = name;
  f.expected = expected;
  std::error_code ec;
  const std::filesystem::file_status st = std::filesystem::status(name, ec);
  f.exists = !ec && std::filesystem::exists(st);
  if (f.exists) {
    const std::uintmax_t size = std::filesystem::file_size(name, ec);
    f.size = ec ? 0 : size;
  }
  return f;
}

}  // namespace

file_fact item_file() {
  return fact_of("item file", store().file_name(), item_file_size);
}

file_fact index_file() {
  return fact_of("index file", store().index_file_name(), index_file_size);
}

namespace {

// The files beside the database whose names are the base name and the infix
// followed by anything, by name, sorted.
std::vector<std::string> files_named(const std::string& infix) {
  const std::string base = store().file_name();
  const std::filesystem::path base_path(base);
  const std::filesystem::path dir =
      base_path.has_parent_path() ? base_path.parent_path() : std::filesystem::path(".");
  const std::string leaf_base = base_path.filename().string();
  const std::string prefix = leaf_base + infix;
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string leaf = it->path().filename().string();
    if (leaf.rfind(prefix, 0) == 0) names.push_back(base + leaf.substr(leaf_base.size()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string seconds_image(double seconds) {
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%.1f", seconds);
  return text.data();
}

// Why a writer could not have the lock file `name`.
void complain_lock_not_had(const std::string& name, const csl_platform::status& why) {
  if (!csl_platform::already_exists(why)) {
    complain("cannot make the lock file " + name + ": " + why.message() + "; nothing written");
    return;
  }
  const std::optional<double> age = age_of(name);
  complain("the lock file " + name + " is held" +
           (age ? " (made " + seconds_image(*age) + " s ago)" : std::string()) +
           "; nothing written");
}

}  // namespace

std::vector<std::string> lock_files() {
  return files_named("_LOCK_");
}

std::vector<std::string> journal_files() {
  return files_named("_JOURNAL_");
}

std::optional<double> age_of(const std::string& file_name) {
  struct stat st {};
  if (::stat(file_name.c_str(), &st) != 0) return std::nullopt;
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return std::chrono::duration<double>(now).count() -
         (static_cast<double>(st.st_mtim.tv_sec) + static_cast<double>(st.st_mtim.tv_nsec) / 1e9);
}

csl_database::lock_policy writer_policy(const options& opts) {
  csl_database::lock_policy policy;
  policy.retries = static_cast<int>(std::ceil(opts.wait_seconds / csl_database::lock_wait_seconds));
  policy.timeout = csl_database::on_lock_timeout::give_up;
  return policy;
}

int changed(const options& opts, const sm_model_vehicle_kind::model_kind& key, const change& c) {
  const csl_database::modify_result r = store().modify(key, c, writer_policy(opts));
  const int position = sm_model_vehicle_kind::db_index_of(key).value();
  switch (r.outcome) {
    case csl_database::modify_outcome::written:
      if (r.whole) return exit_ok;
      complain("the change of position " + std::to_string(position) +
               " was not written whole; run vdb verify");
      return exit_problem;
    case csl_database::modify_outcome::declined:
      return exit_problem;
    case csl_database::modify_outcome::not_locked:
      complain_lock_not_had(store().lock_file_name(position), r.lock_status);
      return exit_problem;
    case csl_database::modify_outcome::unreadable:
      complain("position " + std::to_string(position) + " cannot be read; nothing written");
      return exit_problem;
  }
  return exit_problem;
}

bool database_readable() {
  bool readable = true;
  for (const file_fact& f : {item_file(), index_file()}) {
    if (f.exists) continue;
    complain("no " + f.role + " " + f.name);
    readable = false;
  }
  const file_fact index = index_file();
  if (index.exists && !index.as_expected()) {
    complain(index.role + " " + index.name + " holds " + std::to_string(index.size) +
             " bytes, not " + std::to_string(index.expected));
    readable = false;
  }
  return readable;
}

void load_index() {
  store().load_index();
}

bool read_item(int position, sm_model_vehicle::data& item) {
  return store().item_at_position(position, item);
}

void for_each_item(std::span<const int> positions, const item_visitor& visit) {
  store().items_at_positions(positions, visit);
}

std::uint8_t state_byte_of(int position) {
  return static_cast<std::uint8_t>(store().header().entry(position).state);
}

std::optional<std::string> state_image_of(std::uint8_t byte) {
  if (byte > static_cast<std::uint8_t>(csl_database::key_state::read_write)) return std::nullopt;
  return csl_database::image_of(static_cast<csl_database::key_state>(byte));
}

std::vector<std::string> entry_lines(int position) {
  const auto& entry = store().header().entry(position);
  const std::uint8_t byte = state_byte_of(position);
  const auto state = state_image_of(byte);
  return {"position: " + std::to_string(position),
          "kind: " + key_image_of(entry.details),
          "class: " + nlohmann::json(entry.details.model_class.str()).dump(),
          "name: " + nlohmann::json(entry.details.model_name.str()).dump(),
          "state: " + (state ? *state : "byte " + std::to_string(byte) + ", not a state"),
          "modified: " + local_time_image_of(entry.mod_time)};
}

std::string key_image_of(const sm_model_vehicle_kind::model_kind& key) {
  const int number = key.model_library_number.value();
  if (!sm_model_vehicle_kind::is_valid(key) ||
      sm_model_vehicle_kind::library_number::in_range(number)) {
    return sm_model_vehicle_kind::image_of(key);
  }
  return std::to_string(number) + ((key.validity_and_permanence >> 4) == 1 ? " T" : " P");
}

std::optional<sm_model_vehicle_kind::group> library_group_of(
    const sm_model_vehicle_kind::model_kind& key) {
  if (!sm_model_vehicle_kind::is_valid(key)) return std::nullopt;
  if (!sm_model_vehicle_kind::library_number::in_range(key.model_library_number.value())) {
    return std::nullopt;
  }
  return sm_model_vehicle_kind::group_of(key);
}

std::string time_image_of(const csl_time::time& t) {
  std::array<char, 96> text{};
  std::snprintf(text.data(), text.size(), "%04d-%03dT%02d:%02d:%02d.%03d", static_cast<int>(t.year),
                static_cast<int>(t.day), static_cast<int>(t.hour), static_cast<int>(t.minute),
                static_cast<int>(t.second), static_cast<int>(t.millisecond));
  return text.data();
}

namespace {

// This machine's zone at the given local time (or now, for a stamp that is no
// time): "CET, UTC+01:00".
std::string zone_image_at(const csl_time::time& t) {
  std::tm local{};
  local.tm_year = static_cast<int>(t.year) - 1900;
  local.tm_mday = static_cast<int>(t.day);  // January the day-th: mktime carries it on
  local.tm_hour = static_cast<int>(t.hour);
  local.tm_min = static_cast<int>(t.minute);
  local.tm_sec = static_cast<int>(t.second);
  local.tm_isdst = -1;
  std::time_t at = std::mktime(&local);
  if (at == static_cast<std::time_t>(-1)) at = std::time(nullptr);
  if (::localtime_r(&at, &local) == nullptr) return "unknown zone";
  const long offset = local.tm_gmtoff / 60;
  std::array<char, 96> text{};
  std::snprintf(text.data(), text.size(), "%s, UTC%c%02ld:%02ld", local.tm_zone,
                offset < 0 ? '-' : '+', std::labs(offset) / 60, std::labs(offset) % 60);
  return text.data();
}

}  // namespace

std::string local_time_image_of(const csl_time::time& t) {
  return time_image_of(t) + " local time (this machine: " + zone_image_at(t) + ")";
}

nlohmann::json json_of(const csl_time::time& t) {
  return {{"year", static_cast<int>(t.year)},     {"day", static_cast<int>(t.day)},
          {"hour", static_cast<int>(t.hour)},     {"minute", static_cast<int>(t.minute)},
          {"second", static_cast<int>(t.second)}, {"millisecond", static_cast<int>(t.millisecond)}};
}

nlohmann::json json_of(const sm_model_vehicle_kind::model_kind& key) {
  const int permanence = key.validity_and_permanence >> 4;
  nlohmann::json j = {
      {"valid", sm_model_vehicle_kind::is_valid(key)},
      {"image", key_image_of(key)},
      {"library_number", static_cast<int>(key.model_library_number.value())},
      {"qualifier", static_cast<int>(key.model_qualifier.value())},
      {"class", key.model_class.str()},
      {"name", key.model_name.str()},
      {"issue", static_cast<int>(key.issue.value())},
  };
  if (permanence <= 1) j["permanence"] = permanence == 0 ? "PERM" : "TEMP";
  if (permanence > 1) j["permanence"] = permanence;
  return j;
}

nlohmann::json display_json_of(const sm_model_vehicle_kind::model_kind& key) {
  nlohmann::json j = json_of(key);
  j["class"] = trimmed(key.model_class.str());
  j["name"] = trimmed(key.model_name.str());
  return j;
}

nlohmann::json entry_json_of(int position) {
  const auto& entry = store().header().entry(position);
  const std::uint8_t byte = state_byte_of(position);
  const auto state = state_image_of(byte);
  return {{"key", display_json_of(entry.details)},
          {"state", state ? nlohmann::json(*state) : nlohmann::json(nullptr)},
          {"state_byte", byte},
          {"modified", time_image_of(entry.mod_time)},
          {"modified_zone", writer_local_time}};
}

std::string number_image_of(double value) {
  std::array<char, 400> text{};
  char* first = text.data();
  char* last = text.data() + text.size();
  const auto single = static_cast<float>(value);
  if (static_cast<double>(single) == value) {
    return to_text(first, std::to_chars(first, last, single));
  }
  return to_text(first, std::to_chars(first, last, value));
}

nlohmann::json json_number_of(double value) {
  const auto single = static_cast<float>(value);
  if (static_cast<double>(single) != value) return value;
  // The decimal that the float stands for, as the nearest double.
  std::array<char, 64> text{};
  const auto r = std::to_chars(text.data(), text.data() + text.size(), single);
  double shortest = value;
  std::from_chars(text.data(), r.ptr, shortest);
  return shortest;
}

std::string hex_of(const void* bytes, std::size_t size) {
  static constexpr char digits[] = "0123456789abcdef";
  const auto* b = static_cast<const unsigned char*>(bytes);
  std::string text;
  text.reserve(size * 2);
  for (std::size_t i = 0; i < size; ++i) {
    text += digits[b[i] >> 4];
    text += digits[b[i] & 0x0F];
  }
  return text;
}

std::vector<std::string> hex_dump_of(const void* bytes, std::size_t size) {
  const auto* b = static_cast<const unsigned char*>(bytes);
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < size; at += 16) {
    std::array<char, 24> offset{};  // room for every size_t: 16 digits, a blank, the end
    std::snprintf(offset.data(), offset.size(), "%08zx ", at);
    std::string line = offset.data();
    std::string printable;
    for (std::size_t i = at; i < at + 16; ++i) {
      if (i % 8 == 0) line += ' ';
      line += i < size ? hex_of(b + i, 1) + " " : "   ";
      if (i < size) printable += (b[i] >= 0x20 && b[i] < 0x7F) ? static_cast<char>(b[i]) : '.';
    }
    lines.push_back(line + " |" + printable + "|");
  }
  return lines;
}

void for_each_held(std::span<const std::uint8_t> record,
                   const std::function<void(const sm_model_vehicle_fields::located&,
                                            sm_model_vehicle_fields::instance)>& visit) {
  for (const sm_model_vehicle_fields::group_fields& g : sm_model_vehicle_fields::groups()) {
    std::vector<std::string_view> pers;
    int most = 1;
    for (const sm_model_vehicle_fields::field& f : g.fields) {
      if (f.outer.per.empty()) {
        visit(sm_model_vehicle_fields::located{&g, &f}, sm_model_vehicle_fields::instance{});
      } else if (std::find(pers.begin(), pers.end(), f.outer.per) == pers.end()) {
        pers.push_back(f.outer.per);
      }
      most = std::max<int>(most, f.outer.count);
    }
    for (const std::string_view per : pers) {
      for (int k = 0; k < most; ++k) {
        for (const sm_model_vehicle_fields::field& f : g.fields) {
          if (f.outer.per != per || k >= f.outer.count) continue;
          const int o = f.outer.first + k;
          const sm_model_vehicle_fields::located at{&g, &f};
          if (!sm_model_vehicle_fields::holds(at, {o, f.inner.first}, record)) continue;
          for (int i = f.inner.first; i <= f.inner.last(); ++i)
            visit(at, sm_model_vehicle_fields::instance{o, i});
        }
      }
    }
  }
}

}  // namespace vdb
