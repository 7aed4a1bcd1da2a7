#include "csl_config.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <vector>

#include "csl_exceptions.hpp"
#include "csl_fixed_text.hpp"
#include "csl_host.hpp"
#include "csl_output.hpp"
#include "csl_platform_process.hpp"
#include "csl_start_up_code.hpp"
#include "csl_system_numbers.hpp"

namespace csl_config {
namespace {

constexpr std::size_t trainer_name_size = 10;
constexpr std::size_t prefix_size = 160;
constexpr std::size_t version_size = 10;
constexpr std::size_t ports_line_size = 80;
constexpr std::size_t version_line_size = 100;

struct state {
  csl::fixed_text<trainer_name_size> trainer_name = csl::fixed_text<trainer_name_size>::blanks();
  std::size_t trainer_name_length = 0;
  std::string prefix;
  std::string d_prefix;
  std::string bld_version;
  std::string gbld_version;
  std::array<int, 2> local_bc_port{6020, 6021};
  scenario_configuration_type scenario_configuration = scenario_configuration_type::standard;
  executable_type executable = executable_type::first;
  std::array<bool, 16> verbose_csci{};
  std::array<bool, 16> verbose_tlcsc{};
  std::string my_name;
};

CSL_START_UP_CODE state& the_state() {
  static state value;
  return value;
}

void put(const std::string& line) {
  csl_output::put_line(line);
}

std::vector<std::string> tokens_of(std::string_view line) {
  std::vector<std::string> tokens;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) tokens.emplace_back(line.substr(start, i - start));
  }
  return tokens;
}

// The first line of a file in the working directory, cut to `size` characters, or
// nothing when the file cannot be read or has no line.
std::optional<std::string> first_line(const std::string& file, std::size_t size) {
  std::optional<std::vector<std::string>> lines = csl_platform_process::read_lines(file);
  if (!lines || lines->empty()) return std::nullopt;
  return lines->front().substr(0, size);
}

void set_name(state& s, std::string_view name) {
  s.trainer_name = csl::fixed_text<trainer_name_size>::from(name);
  s.trainer_name_length = name.size();
}

// "/alpha/run/bin" gives "alpha"; without a second "/" there is no name.
std::string first_directory(const std::string& path) {
  const std::string::size_type second = path.find('/', 1);
  if (path.size() < 2 || second == std::string::npos) return "";
  return path.substr(1, second - 1);
}

// The path up to the last "dev/", without its "/"; empty when there is none.
std::string up_to_last_dev(const std::string& path) {
  const std::string::size_type at = path.rfind("dev/", maxpathlen - 4);
  return at == std::string::npos ? "" : path.substr(0, at + 3);
}

// The working directory, asked of the system the first time a step needs it and
// then kept for the rest of the start-up (up to three steps fall back on it).
class working_directory {
 public:
  const std::optional<std::string>& get() {
    if (!asked_) {
      path_ = csl_platform_process::current_directory();
      asked_ = true;
    }
    return path_;
  }

 private:
  bool asked_ = false;
  std::optional<std::string> path_;
};

void get_trainer(state& s, working_directory& cwd) {
  if (std::optional<std::string> line = first_line(trainer_name_file, 80);
      line && line->size() <= trainer_name_size) {
    set_name(s, *line);
    put("csl_config: TRAINER_NAME found: trainer name = " + *line);
  } else if (cwd.get()) {
    // A first directory too long for the name is not taken: the fallback follows.
    if (std::string name = first_directory(*cwd.get()); name.size() <= trainer_name_size)
      set_name(s, name);
  } else {
    put("csl_config.get_trainer: getcwd failed");
  }
  if (s.trainer_name_length == 0) {
    put("csl_config: can't find trainer name: using generic");
    set_name(s, "generic");
  }
}

void get_prefix(state& s, working_directory& cwd, std::string& target, const std::string& file,
                const char* getcwd_failed) {
  if (std::optional<std::string> line = first_line(file, prefix_size)) {
    target = *line;
    put("csl_config: reading " + file);
  } else if (cwd.get()) {
    target = up_to_last_dev(*cwd.get());
  } else {
    put(getcwd_failed);
  }
  if (target.empty()) {
    std::string fallback(1, '/');
    fallback.append(s.trainer_name.view().substr(0, s.trainer_name_length));
    target.swap(fallback);
  }
}

void put_usage() {
  put("Usage: " + name_of_program() + " [-va|-vi ID]");
  put("     : -va = verbose (all) ");
  put("     : -vi ID = verbose for id ID (form N.N e.g 1.2) - for multiple ids keep adding -vi ID");
  put("CSL Note : Other options may be required by other parts of the program");
}

void get_command_parameters(state& s) {
  std::vector<std::string> args = csl_platform_process::command_line();
  if (!args.empty()) args.erase(args.begin());
  const std::string first = args.empty() ? "" : args[0];
  s.scenario_configuration = first == "split"        ? scenario_configuration_type::dual_split
                             : first == "shared"     ? scenario_configuration_type::dual_shared
                             : first == "integrated" ? scenario_configuration_type::integrated
                                                     : scenario_configuration_type::standard;
  const bool dual = s.scenario_configuration == scenario_configuration_type::dual_shared ||
                    s.scenario_configuration == scenario_configuration_type::dual_split;
  s.executable = dual && args.size() >= 2 && args[1] == "second" ? executable_type::second
                                                                 : executable_type::first;
  for (std::size_t i = 1; i <= args.size(); ++i) {
    if (args[i - 1] == "-va") set_verbose_all();
    if (args[i - 1] != "-vi") continue;
    if (i == args.size()) {
      put("csl_config: No ID specified");
      put_usage();
      continue;
    }
    try {
      set_verbose(csl_ids::id_of(args[i]));
    } catch (const csl::named_error& e) {
      put("CSL_Config: ID error: Arg" + csl_system_numbers::image_of(static_cast<std::int64_t>(i)) +
          " " + e.message() + " " + e.full_name());
    }
  }
}

// An integer column of the ports file: optional sign and decimal digits.
int port_value(const std::string& text) {
  int value = 0;
  const char* begin = text.data() + (!text.empty() && text[0] == '+' ? 1 : 0);
  auto [end, error] = std::from_chars(begin, text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    throw csl::range_error("csl_config.get_port");
  }
  return value;
}

void take_ports_line(state& s, const std::string& line, int columns) {
  parsed_line parsed;
  const bool complete = parse_config(line, columns, parsed);
  if (parsed.host_name != s.my_name) return;
  if (!complete) {
    put("Csl_Config: too few arguments");
    return;
  }
  s.local_bc_port[0] = port_value(parsed.port_number[0]);
  if (columns == 2) s.local_bc_port[1] = port_value(parsed.port_number[1]);
}

void get_port(state& s) {
  s.local_bc_port = {6020, 6021};
  const std::string name = s.prefix + "/target/data/PORTS";
  std::optional<std::vector<std::string>> lines = csl_platform_process::read_lines(name);
  if (!lines) {
    put("csl_config: no PORTS file: using defaults");
    return;
  }
  put("csl_config: reading " + name);
  const int columns = s.executable == executable_type::second ? 2 : 1;
  for (const std::string& whole : *lines) {
    const std::string line = whole.substr(0, ports_line_size);
    if (line.empty() || line[0] == '#') continue;
    try {
      take_ports_line(s, line, columns);
    } catch (const csl::named_error&) {
      put("csl_config: exception raised processing the following line:");
      put("      \"" + line + "\"");
    }
  }
}

void print_configuration(const state& s) {
  put("csl_config: program name = " + name_of_program());
  put("csl_config: build version = " + s.bld_version + " (G" + s.gbld_version + ")");
  put("csl_config: trainer name = " + name_of_trainer());
  put(s.prefix.empty() ? "csl_config: no path prefix" : "csl_config: path prefix = " + s.prefix);
  put("csl_config: broadcast port = " + csl_system_numbers::image_of(bc_port()));
  put("csl_config: scenario config = " + image_of(s.scenario_configuration));
}

// One line of a build-dates file (or of an installed target's LABEL): build, date
// and generic build; a line of any trainer other than "generic" has a third token
// before the generic build, which is skipped.
struct build_entry {
  std::string build;
  std::string date;
  std::string generic_build;
};

std::optional<build_entry> parse_build_line(std::string_view line, bool generic_trainer) {
  const std::vector<std::string> tokens = tokens_of(line);
  const std::size_t wanted = generic_trainer ? 3 : 4;
  if (tokens.size() < wanted) return std::nullopt;
  return build_entry{tokens[0], tokens[1], tokens[wanted - 1]};
}

// An 8-character date "DD?MM?YY" as YYYYMMDD; a two-digit year of 91 .. 98 is
// 1991 .. 1998, any other 2000 + the year.
std::optional<int> date_key(std::string_view date) {
  if (date.size() < 8) return std::nullopt;
  date = date.substr(date.size() - 8);
  auto two = [&](std::size_t at) -> std::optional<int> {
    if (!std::isdigit(static_cast<unsigned char>(date[at])) ||
        !std::isdigit(static_cast<unsigned char>(date[at + 1]))) {
      return std::nullopt;
    }
    return (date[at] - '0') * 10 + (date[at + 1] - '0');
  };
  const std::optional<int> day = two(0), month = two(3), year = two(6);
  if (!day || !month || !year || *month < 1 || *month > 12 || *day < 1 || *day > 31)
    return std::nullopt;
  const int full_year = (*year >= 91 && *year <= 98) ? 1900 + *year : 2000 + *year;
  return full_year * 10000 + *month * 100 + *day;
}

// The last line of a text file, cut to the line size of the build files.
std::optional<std::string> last_line(const std::string& file) {
  std::optional<std::vector<std::string>> lines = csl_platform_process::read_lines(file);
  if (!lines || lines->empty()) return std::nullopt;
  return lines->back().substr(0, version_line_size);
}

// The newest "build-record.*" file of a directory by modification time.
std::optional<std::string> newest_build_record(const std::string& directory) {
  std::optional<std::vector<csl_platform_process::directory_entry>> entries =
      csl_platform_process::list_directory(directory);
  if (!entries) return std::nullopt;
  std::optional<csl_platform_process::directory_entry> newest;
  for (const auto& e : *entries) {
    if (e.name.rfind("build-record.", 0) != 0) continue;
    if (!newest || e.modified > newest->modified) newest = e;
  }
  if (!newest) return std::nullopt;
  return newest->name;
}

struct version_failure {
  int place;
};

// Of the candidate entries, the newest dated no later than the build record; when
// all are later, the newest of all.
build_entry choose_entry(const std::vector<build_entry>& candidates, int record_date) {
  std::optional<std::pair<int, build_entry>> best_before, best_any;
  for (const build_entry& e : candidates) {
    const std::optional<int> key = date_key(e.date);
    if (!key) throw version_failure{6};
    if (!best_any || *key > best_any->first) best_any = {{*key, e}};
    if (*key <= record_date && (!best_before || *key > best_before->first))
      best_before = {{*key, e}};
  }
  return best_before ? best_before->second : best_any->second;
}

build_entry find_version(const state& s) {
  const bool generic_trainer = name_of_trainer() == "generic";
  std::string trainer("/");
  trainer += name_of_trainer();
  const std::string& prefix = s.prefix;
  const bool project = prefix.find(trainer + "/project") != std::string::npos;
  const bool other_tree = prefix.find(trainer + "/factory") != std::string::npos ||
                          prefix.find(trainer + "/private") != std::string::npos;
  if (!project && !other_tree) {
    std::optional<std::string> label = first_line(trainer + "/target/LABEL", version_line_size);
    if (!label) throw version_failure{2};
    std::optional<build_entry> entry = parse_build_line(*label, generic_trainer);
    if (!entry) throw version_failure{2};
    return *entry;
  }
  // The newest build record names the date of the latest build.
  std::optional<std::string> record = newest_build_record(trainer + "/project/dev/BR");
  if (!record) throw version_failure{3};
  const std::optional<int> record_date = date_key(*record);
  if (!record_date) throw version_failure{3};
  std::vector<std::string> files = {trainer + "/project/dev/BR/build-dates",
                                    trainer + "/project/dev/BR/build-dates-incremental"};
  if (other_tree && !generic_trainer) files.push_back("/generic/project/dev/BR/build-dates");
  std::vector<build_entry> candidates;
  for (const std::string& file : files) {
    std::optional<std::string> line = last_line(file);
    if (!line) throw version_failure{4};
    std::optional<build_entry> entry = parse_build_line(*line, generic_trainer);
    if (!entry) throw version_failure{5};
    candidates.push_back(*entry);
  }
  return choose_entry(candidates, *record_date);
}

}  // namespace

void get_version() {
  state& s = the_state();
  try {
    const build_entry chosen = find_version(s);
    s.bld_version = chosen.build.substr(0, version_size);
    s.gbld_version = chosen.generic_build.substr(0, version_size);
  } catch (const version_failure& failure) {
    put("csl_config: get version failed at place" + csl_system_numbers::image_of(failure.place));
  }
}

CSL_START_UP_CODE void start_up() {
  state& s = the_state();
  s = state{};
  s.my_name = csl_host::name_of(csl_host::get_id());
  working_directory cwd;
  get_trainer(s, cwd);
  get_prefix(s, cwd, s.prefix, "PATH_PREFIX", "csl_config.get_prefix: getcwd failed");
  get_prefix(s, cwd, s.d_prefix, "DATA_PREFIX", "csl_config.data_prefix: getcwd failed");
  get_command_parameters(s);
  try {
    get_port(s);
  } catch (const csl::named_error& e) {
    put(e.message() + " " + e.full_name());
  }
  print_configuration(s);
}

std::string name_of_trainer() {
  const state& s = the_state();
  return std::string(s.trainer_name.view().substr(0, s.trainer_name_length));
}

bool is_trainer(std::string_view name) {
  const std::string trainer = name_of_trainer();
  return name.size() == trainer.size() &&
         std::equal(name.begin(), name.end(), trainer.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) ==
                  std::tolower(static_cast<unsigned char>(b));
         });
}

std::string path_prefix() {
  return the_state().prefix;
}
std::string data_prefix() {
  return the_state().d_prefix;
}
std::string build_version() {
  return the_state().bld_version;
}
std::string gen_build_version() {
  return the_state().gbld_version;
}

int bc_port() {
  const state& s = the_state();
  return s.local_bc_port[static_cast<std::size_t>(s.executable)];
}

scenario_configuration_type scenario_configured_as() {
  return the_state().scenario_configuration;
}
executable_type execution_mode() {
  return the_state().executable;
}
std::string scenario_master() {
  return "Platform_Server";
}
std::string exercise_server() {
  return "Exercise_Server";
}

std::string name_of_program() {
  const std::vector<std::string> words = csl_platform_process::command_line();
  const std::string command = words.empty() ? "" : words.front();
  std::string::size_type cut = command.rfind('/');
  if (cut == std::string::npos) cut = command.rfind('\\');
  return cut == std::string::npos ? command : command.substr(cut + 1);
}

std::string unified_name() {
  std::string name = name_of_program();
  for (const char* ending : {".exe", "_gui"}) {
    // A match at the first character is not an ending.
    const std::string::size_type at = name.find(ending);
    if (at != std::string::npos && at > 0) name.erase(at);
  }
  return name;
}

bool verbose(csl_ids::id the_id) {
  const state& s = the_state();
  return s.verbose_csci[csl_ids::csci_of(the_id)] && s.verbose_tlcsc[csl_ids::tlcsc_of(the_id)];
}

void set_verbose(csl_ids::id the_id) {
  state& s = the_state();
  s.verbose_csci[csl_ids::csci_of(the_id)] = true;
  s.verbose_tlcsc[csl_ids::tlcsc_of(the_id)] = true;
}

void set_verbose_all() {
  state& s = the_state();
  s.verbose_csci.fill(true);
  s.verbose_tlcsc.fill(true);
}

void set_trainer_name(std::string_view to) {
  state& s = the_state();
  if (to.size() > trainer_name_size) {
    put("CSL_Config : Unable to change trainer name using " + s.trainer_name.str());
    return;
  }
  set_name(s, to);
}

bool parse_config(std::string_view input, int no_of_ports, parsed_line& result) {
  const std::vector<std::string> tokens = tokens_of(input);
  if (!tokens.empty()) result.host_name = tokens[0];
  for (std::size_t i = 1; i < tokens.size() && i <= result.port_number.size(); ++i) {
    result.port_number[i - 1] = tokens[i];
  }
  return tokens.size() >= 1 + static_cast<std::size_t>(no_of_ports);
}

std::string image_of(scenario_configuration_type value) {
  switch (value) {
    case scenario_configuration_type::standard:
      return "STANDARD";
    case scenario_configuration_type::dual_shared:
      return "DUAL_SHARED";
    case scenario_configuration_type::dual_split:
      return "DUAL_SPLIT";
    case scenario_configuration_type::integrated:
      return "INTEGRATED";
  }
  throw csl::range_error("csl_config.image_of");
}

std::string image_of(executable_type value) {
  return value == executable_type::second ? "SECOND" : "FIRST";
}

}  // namespace csl_config
