// The platform layer's view of the process: its working directory, command line,
// host name and environment, small text files read whole, and the C library's
// command interpreter. Tests replace the queries through hooks.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace csl_platform_process {

// The working directory (a buffer of 1024 characters), or nothing when the query
// fails.
std::optional<std::string> current_directory();
// The command line, the command name first (read from the platform, since the
// library's start-up takes no arguments).
std::vector<std::string> command_line();
// The host's name as the operating system gives it, or nothing on failure.
std::optional<std::string> host_name();

// The lines of a text file without their line ends, or nothing when it cannot be
// opened or read. Goes through the file fault hooks.
std::optional<std::vector<std::string>> read_lines(const std::string& name);

// The entries of a directory with their modification times (nanoseconds since
// the epoch), or nothing when it cannot be listed.
struct directory_entry {
  std::string name;
  long long modified;
};
std::optional<std::vector<directory_entry>> list_directory(const std::string& name);

// Runs a command line through the C library's interpreter; its raw status.
int run_command(const std::string& command);

struct hooks {
  std::function<std::optional<std::string>()> current_directory;
  std::function<std::vector<std::string>()> command_line;
  std::function<std::optional<std::string>()> host_name;
};
// Replaces the queries that have a hook; empty members keep the real query.
void set_hooks(hooks replacement);

}  // namespace csl_platform_process
