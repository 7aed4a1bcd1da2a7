// Process-wide configuration, filled once at start-up from small files in the
// working directory, the working directory's path, the command line and the ports
// file below the path prefix, then reported on standard output. Afterwards it
// answers queries; only the verbosity and the trainer name may still change.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "csl_ids.hpp"

namespace csl_config {

enum class scenario_configuration_type : std::uint8_t {
  standard,
  dual_shared,
  dual_split,
  integrated
};
enum class executable_type : std::uint8_t { first, second };

inline constexpr std::size_t maxpathlen = 1024;
inline constexpr const char* trainer_name_file = "TRAINER_NAME";

// Host name first, then the port columns of one ports-file line.
struct parsed_line {
  std::string host_name;
  std::array<std::string, 2> port_number;
};

// Reads the configuration and prints the report; called once at start-up.
void start_up();

std::string name_of_trainer();
// Same length and the same letters, ignoring case.
bool is_trainer(std::string_view name);
std::string path_prefix();
std::string data_prefix();
std::string build_version();
std::string gen_build_version();
int bc_port();
scenario_configuration_type scenario_configured_as();
executable_type execution_mode();
std::string scenario_master();
std::string exercise_server();
// The command name without its directory.
std::string name_of_program();
// name_of_program without ".exe" and then without "_gui".
std::string unified_name();
bool verbose(csl_ids::id the_id);

void set_verbose(csl_ids::id the_id);
void set_verbose_all();
void set_trainer_name(std::string_view to);

// Splits a line at runs of blanks and tabs: the host name, then no_of_ports port
// columns. False when the line has fewer tokens.
bool parse_config(std::string_view input, int no_of_ports, parsed_line& result);

// Derives the build versions from the build records below the trainer's tree;
// not run at start-up.
void get_version();

std::string image_of(scenario_configuration_type value);
std::string image_of(executable_type value);

}  // namespace csl_config
