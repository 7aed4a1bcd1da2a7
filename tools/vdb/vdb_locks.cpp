// vdb locks: the lock files of a database, and clearing the stale ones. A writer
// holds a position's lock file for one operation and waits at most a few seconds
// for another's, so a lock file many seconds old was left by a process that died
// while holding it. Readers and writers cope with such a file (readers read on,
// writers wait their few seconds and carry on), but every writer of the position
// pays the wait until the file goes.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "vdb_commands.hpp"

namespace vdb {

namespace {

struct lock_file {
  std::string name;
  int position = 0;  // 0 when the name holds none
  double age = 0;    // seconds since it was made
  ino_t inode = 0;
  bool removed = false;
};

double seconds_since(const struct stat& st) {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const double now_s = std::chrono::duration<double>(now).count();
  return now_s - (static_cast<double>(st.st_mtim.tv_sec) + st.st_mtim.tv_nsec / 1e9);
}

std::vector<lock_file> lock_files_now() {
  std::vector<lock_file> all;
  for (const std::string& name : lock_files()) {
    struct stat st {};
    if (::stat(name.c_str(), &st) != 0) continue;  // gone since the listing
    lock_file f;
    f.name = name;
    f.age = seconds_since(st);
    f.inode = st.st_ino;
    const std::size_t at = name.rfind("_LOCK_");
    if (std::sscanf(name.c_str() + at + 6, "%d", &f.position) != 1) f.position = 0;
    all.push_back(f);
  }
  std::sort(all.begin(), all.end(),
            [](const lock_file& a, const lock_file& b) { return a.position < b.position; });
  return all;
}

// Removes the lock file only if it is still the one judged stale: it is first
// moved aside under a name no lock file has, and put back when a writer has
// made a new lock file of that name in the meantime.
bool removed_if_same(const lock_file& f) {
  const std::filesystem::path aside = std::filesystem::path(f.name).parent_path() /
                                      (".vdb_stale_lock_" + std::to_string(::getpid()));
  if (std::rename(f.name.c_str(), aside.c_str()) != 0) return false;
  struct stat st {};
  if (::stat(aside.c_str(), &st) == 0 && st.st_ino == f.inode) {
    return ::unlink(aside.c_str()) == 0;
  }
  // A new holder's file: give it back unless yet another holder has made one.
  if (::link(aside.c_str(), f.name.c_str()) != 0) complain("lock file " + f.name + " lost");
  ::unlink(aside.c_str());
  return false;
}

void put_locks_text(const std::vector<lock_file>& all, bool clearing) {
  if (all.empty()) put_line("lock files: none");
  for (const lock_file& f : all) {
    std::array<char, 32> age{};
    std::snprintf(age.data(), age.size(), "%.1f s old", f.age);
    std::string line = f.name + "  position " + std::to_string(f.position) + "  " + age.data();
    if (clearing) line += f.removed ? "  removed" : "  kept";
    put_line(line);
  }
}

void put_locks_json(const std::vector<lock_file>& all, bool clearing) {
  nlohmann::json list = nlohmann::json::array();
  for (const lock_file& f : all) {
    nlohmann::json j = {
        {"name", f.name}, {"position", f.position}, {"age_seconds", std::round(f.age * 10) / 10}};
    if (clearing) j["removed"] = f.removed;
    list.push_back(j);
  }
  nlohmann::json doc = json_document("locks");
  doc["lock_files"] = list;
  put_json(doc);
}

}  // namespace

int locks(const options& opts, std::optional<double> clear_stale_after) {
  std::vector<lock_file> all = lock_files_now();
  bool sound = true;
  if (clear_stale_after) {
    for (lock_file& f : all) {
      if (f.age < *clear_stale_after) continue;
      f.removed = removed_if_same(f);
      if (!f.removed && std::filesystem::exists(f.name)) sound = false;
    }
  }
  // A writer that left its lock file may have left its journal too: opening the
  // database now finishes or discards it, before another reader meets the record
  // half written.
  const bool any_removed = std::any_of(all.begin(), all.end(), [](auto& f) { return f.removed; });
  if (any_removed && !journal_files().empty() && item_file().exists && index_file().exists) {
    store().initialise();
  }
  if (opts.output_format == format::json) put_locks_json(all, clear_stale_after.has_value());
  if (opts.output_format == format::text) put_locks_text(all, clear_stale_after.has_value());
  return sound ? exit_ok : exit_problem;
}

int recover(const options&) {
  if (!database_readable()) return exit_problem;
  const std::vector<std::string> before = journal_files();
  store().initialise();  // replays or discards every journal whose lock it can have
  if (!store().is_initialised()) {
    complain("cannot open the database " + store().file_name());
    return exit_problem;
  }
  const std::vector<std::string> after = journal_files();
  for (const std::string& name : before) {
    if (std::find(after.begin(), after.end(), name) == after.end()) put_line(name + " recovered");
  }
  for (const std::string& name : after) {
    std::string lock = name;
    lock.replace(lock.rfind("_JOURNAL_"), 9, "_LOCK_");
    complain(name + " kept: the lock file " + lock +
             " is held; once its writer is gone, vdb locks --clear-stale finishes it");
  }
  if (before.empty()) put_line("no journals");
  return after.empty() ? exit_ok : exit_problem;
}

}  // namespace vdb
