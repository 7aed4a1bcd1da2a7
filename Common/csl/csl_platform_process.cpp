#include "csl_platform_process.hpp"

#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <utility>

#include "csl_platform.hpp"

namespace csl_platform_process {
namespace {

hooks& the_hooks() {
  static hooks value;
  return value;
}

// glibc hands the initialisers of every loaded object the program's arguments,
// which the kernel lays out one after another, each ended by a NUL: the very
// bytes /proc/self/cmdline shows. Noting where they lie lets start-up read the
// command line without opening /proc, which costs more than the rest of the
// configuration. The pointer array itself is not kept: a program may reorder or
// shorten it (test frameworks remove their own options) after loading.
std::string_view loaded_arguments;
#if defined(__GLIBC__)
[[gnu::constructor]] void note_arguments(int argc, char** argv, char** /*environment*/) {
  if (argc <= 0 || argv == nullptr || argv[0] == nullptr) return;
  const char* const first = argv[0];
  const char* end = first;
  for (int i = 0; i < argc; ++i) {
    if (argv[i] != end) return;  // not laid out as the kernel does: read /proc
    end += std::strlen(end) + 1;
  }
  loaded_arguments = std::string_view(first, static_cast<std::size_t>(end - first));
}
#endif

// Each argument ended by a NUL, as in /proc/self/cmdline.
std::vector<std::string> words_of(std::string_view all) {
  std::vector<std::string> words;
  std::string_view::size_type start = 0;
  while (start < all.size()) {
    std::string_view::size_type end = all.find('\0', start);
    if (end == std::string_view::npos) end = all.size();
    words.emplace_back(all.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

std::vector<std::string> proc_command_line() {
  std::string all;
  csl_platform::read_whole("/proc/self/cmdline", all);
  return words_of(all);
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
  if (loaded_arguments.empty()) return proc_command_line();
  return words_of(loaded_arguments);
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
