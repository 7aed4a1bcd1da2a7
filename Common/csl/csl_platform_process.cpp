#include "csl_platform_process.hpp"

#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "csl_platform.hpp"

namespace csl_platform_process {
namespace {

hooks& the_hooks() {
  static hooks value;
  return value;
}

// /proc/self/cmdline holds the arguments, each ended by a NUL.
std::vector<std::string> proc_command_line() {
  std::string all;
  csl_platform::read_whole("/proc/self/cmdline", all);
  std::vector<std::string> words;
  std::string::size_type start = 0;
  while (start < all.size()) {
    std::string::size_type end = all.find('\0', start);
    if (end == std::string::npos) end = all.size();
    words.push_back(all.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

}  // namespace

std::optional<std::string> current_directory() {
  if (the_hooks().current_directory) return the_hooks().current_directory();
  std::array<char, 1024> buffer{};
  if (::getcwd(buffer.data(), buffer.size()) == nullptr) return std::nullopt;
  return std::string(buffer.data());
}

std::vector<std::string> command_line() {
  if (the_hooks().command_line) return the_hooks().command_line();
  return proc_command_line();
}

std::optional<std::string> host_name() {
  if (the_hooks().host_name) return the_hooks().host_name();
  std::array<char, 256> buffer{};
  if (::gethostname(buffer.data(), buffer.size() - 1) != 0) return std::nullopt;
  return std::string(buffer.data());
}

std::optional<std::vector<std::string>> read_lines(const std::string& name) {
  std::string content;
  if (!csl_platform::read_whole(name, content).ok()) return std::nullopt;
  std::vector<std::string> lines;
  std::string::size_type start = 0;
  while (start < content.size()) {
    std::string::size_type end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    lines.push_back(content.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::optional<std::vector<directory_entry>> list_directory(const std::string& name) {
  std::error_code error;
  std::vector<directory_entry> entries;
  for (std::filesystem::directory_iterator it(name, error), end; !error && it != end;
       it.increment(error)) {
    const auto modified = it->last_write_time(error);
    if (error) break;
    entries.push_back({it->path().filename().string(),
                       static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                                  modified.time_since_epoch())
                                                  .count())});
  }
  if (error) return std::nullopt;
  return entries;
}

int run_command(const std::string& command) {
  return std::system(command.c_str());
}

void set_hooks(hooks replacement) {
  the_hooks() = std::move(replacement);
}

}  // namespace csl_platform_process
