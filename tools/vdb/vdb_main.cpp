// vdb: creates, inspects and checks vehicle databases through the library's own
// store, so that it honours the lock files as every other program sharing the
// database does. The exit codes are stated in exit_rule below.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "csl_exceptions.hpp"
#include "radar_vdb_access.h"
#include "vdb_commands.hpp"
#include "vdb_operations.hpp"
#include "vdb_serve.hpp"

namespace {

using vdb::options;

struct command_line {
  options opts;
  std::optional<std::string> characteristic;
  std::string format_name = "text";
  std::optional<std::string> record_group;
  std::vector<std::string> names;
  vdb::list_filter filter;
  std::string group_name;
  std::string state_name;
  int position = 0;
  bool raw = false;
  vdb::new_vehicle_request request;
  std::string permanence_name = "perm";
  std::vector<std::string> assignments;
  std::string time_text;
  std::string file_name;
  std::optional<double> stale_after;
  std::function<int()> run;
};

const char* const exit_rule =
    "Exit codes: 0 done (verify: no problems); 1 a problem found in the database or its\n"
    "files, a change refused by what the database holds (an empty position, a read_only\n"
    "entry), or a lock file not had in time; 2 a usage error: anything wrong on the\n"
    "command line itself, whatever the database holds (an unknown command, option,\n"
    "characteristic or group, a position that is not 1 .. 2000, a value or time that\n"
    "cannot be taken). Nothing is written unless the exit code is 0.\n"
    "JSON output (--format json) is documented in docs/json.md.\n";

// Only the names: a number given for a format is refused, not taken as its enum.
void add_format(CLI::App& sub, command_line& cl,
                std::vector<std::string> names = {"text", "json"}) {
  std::string help = "Output as " + names.front() + " (default)";
  for (std::size_t i = 1; i < names.size(); ++i) {
    help += (i + 1 == names.size() ? " or " : ", ") + names[i];
  }
  sub.add_option("--format", cl.format_name, help)->check(CLI::IsMember(names, CLI::ignore_case));
}

vdb::format format_named(const std::string& name) {
  const std::string n = CLI::detail::to_lower(name);
  return n == "json"       ? vdb::format::json
         : n == "markdown" ? vdb::format::markdown
                           : vdb::format::text;
}

// Positions and numbers are decimal: "0x7" and "07e0" are refused, not converted.
CLI::Validator decimal_in(int first, int last) {
  return CLI::Validator(
      [first, last](const std::string& s) -> std::string {
        const bool digits =
            !s.empty() && s.size() <= 9 &&
            std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!digits || std::stoi(s) < first || std::stoi(s) > last) {
          return "must be a decimal number " + std::to_string(first) + " .. " +
                 std::to_string(last) + ", not " + s;
        }
        return {};
      },
      std::to_string(first) + ".." + std::to_string(last));
}

void add_global_options(CLI::App& app, command_line& cl) {
  app.set_version_flag("--version", std::string("vdb ") + RADAR_VDB_ACCESS_VERSION_STRING);
  app.add_option("--db", cl.opts.db,
                 "Base name of the database (default: ACM_VDB_FILE when set, else the "
                 "library's own); the index file adds _INDEX")
      ->check(CLI::Validator(
          [](const std::string& s) { return s.empty() ? "must not be empty" : std::string(); },
          "BASE"));
  CLI::Option* verbose =
      app.add_flag("--verbose", cl.opts.verbose, "Show the library's start-up report on stderr");
  app.add_flag("--quiet,-q", cl.opts.quiet,
               "Print nothing on stdout and no progress on stderr, only errors: the exit code "
               "tells the outcome")
      ->excludes(verbose);
  app.add_option("--wait", cl.opts.wait_seconds,
                 "Seconds a writing command waits for a position's lock file (default 5); "
                 "then it writes nothing, names the lock file and exits 1, leaving the lock "
                 "file to its holder")
      ->check(CLI::Range(0.0, 3600.0));
  app.require_subcommand(1, 1);
  app.fallthrough();
  app.footer(exit_rule);
}

void add_create_commands(CLI::App& app, command_line& cl) {
  app.add_subcommand("create", "Create an empty database (refuses when a file exists)")
      ->callback([&cl] { cl.run = [&cl] { return vdb::create(cl.opts); }; });
  app.add_subcommand("sample", "Create the notional sample database (refuses when a file exists)")
      ->callback([&cl] { cl.run = [&cl] { return vdb::sample(cl.opts); }; });
}

void add_describe(CLI::App& app, command_line& cl) {
  CLI::App* sub = app.add_subcommand("describe", "Show the characteristic catalogue");
  sub->add_option("characteristic", cl.characteristic,
                  "Only this characteristic: c200, C200, 200, its alias (length) or an item's "
                  "name (issue)");
  add_format(*sub, cl, {"text", "json", "markdown"});
  sub->callback([&cl] { cl.run = [&cl] { return vdb::describe(cl.opts, cl.characteristic); }; });
}

void add_stat_and_verify(CLI::App& app, command_line& cl) {
  CLI::App* stat = app.add_subcommand("stat", "File sizes, entries per state and group, locks");
  add_format(*stat, cl);
  stat->callback([&cl] { cl.run = [&cl] { return vdb::stat(cl.opts); }; });
  CLI::App* verify = app.add_subcommand("verify", "Check the files; one line per problem");
  add_format(*verify, cl);
  verify->callback([&cl] { cl.run = [&cl] { return vdb::verify(cl.opts); }; });
}

std::optional<sm_model_vehicle_kind::group> group_named(const std::string& name) {
  using sm_model_vehicle_kind::group;
  for (int g = 0; g < static_cast<int>(group::all_groups); ++g) {
    if (CLI::detail::to_lower(sm_model_vehicle_kind::image_of(static_cast<group>(g))) ==
        CLI::detail::to_lower(name)) {
      return static_cast<group>(g);
    }
  }
  return std::nullopt;  // all_groups: no filter
}

std::vector<std::string> group_names() {
  std::vector<std::string> names;
  for (int g = 0; g <= static_cast<int>(sm_model_vehicle_kind::group::all_groups); ++g) {
    names.push_back(CLI::detail::to_lower(
        sm_model_vehicle_kind::image_of(static_cast<sm_model_vehicle_kind::group>(g))));
  }
  return names;
}

void add_list(CLI::App& app, command_line& cl) {
  CLI::App* sub = app.add_subcommand("list", "The entries in use");
  sub->add_option("--group", cl.group_name, "Only this library group (soviet_sub .. test)")
      ->check(CLI::IsMember(group_names(), CLI::ignore_case));
  sub->add_option("--state", cl.state_name, "Only entries in this state")
      ->check(CLI::IsMember({"read_only", "read_write"}, CLI::ignore_case));
  add_format(*sub, cl);
  sub->callback([&cl] {
    if (!cl.group_name.empty()) cl.filter.group = group_named(cl.group_name);
    if (!cl.state_name.empty()) {
      cl.filter.state = CLI::detail::to_lower(cl.state_name) == "read_only"
                            ? csl_database::key_state::read_only
                            : csl_database::key_state::read_write;
    }
    cl.run = [&cl] { return vdb::list(cl.opts, cl.filter); };
  });
}

void add_position(CLI::App& sub, command_line& cl) {
  sub.add_option("position", cl.position, "Index position, 1 .. 2000")
      ->required()
      ->check(decimal_in(1, vdb::positions));
}

// A characteristic as people type it, with its instance where it has one.
const char* const names_help =
    "Characteristics: c200, C200, 200 or the alias (length, any case), with the mode or slot "
    "where it has them: c204.2, 204.2";

void add_show(CLI::App& app, command_line& cl) {
  CLI::App* sub = app.add_subcommand("show", "One position of the database");
  add_position(*sub, cl);
  CLI::Option* raw =
      sub->add_flag("--raw", cl.raw, "The index entry and the record's bytes as a hex dump");
  sub->add_option(
         "--group", cl.record_group,
         "Only this group of the record (general .. " + vdb::record_group_names().back() + ")")
      ->check(CLI::IsMember(vdb::record_group_names(), CLI::ignore_case))
      ->excludes(raw);
  add_format(*sub, cl);
  sub->callback([&cl] {
    if (cl.record_group) cl.record_group = CLI::detail::to_lower(*cl.record_group);
    cl.run = [&cl] {
      return cl.raw ? vdb::show_raw(cl.opts, cl.position)
                    : vdb::show(cl.opts, cl.position, cl.record_group);
    };
  });
}

void add_get(CLI::App& app, command_line& cl) {
  CLI::App* sub = app.add_subcommand("get", "Values of a vehicle, one a line, in operator units");
  add_position(*sub, cl);
  sub->add_option("names", cl.names, "c200, length, c204.2, ...")->required();
  add_format(*sub, cl);
  sub->footer(names_help);
  sub->callback([&cl] { cl.run = [&cl] { return vdb::get(cl.opts, cl.position, cl.names); }; });
}

void add_new(CLI::App& app, command_line& cl) {
  CLI::App* sub = app.add_subcommand("new", "Store a new vehicle with the default record");
  sub->add_option("library_number", cl.request.library_number, "Library number, 0 .. 999")
      ->required()
      ->check(decimal_in(vdb::library_numbers.first, vdb::library_numbers.last));
  sub->add_option("--permanence", cl.permanence_name, "perm (default) or temp")
      ->check(CLI::IsMember({"perm", "temp"}, CLI::ignore_case));
  const auto at_most = [](const char* what) {
    return CLI::Validator(
        [](const std::string& s) {
          return s.size() > vdb::identity_text_size ? "at most 12 characters" : "";
        },
        what);
  };
  sub->add_option("--name", cl.request.name, "Vehicle name, at most 12 characters")
      ->required()
      ->check(at_most("NAME"));
  sub->add_option("--class", cl.request.class_name, "Vehicle class, at most 12 characters")
      ->required()
      ->check(at_most("CLASS"));
  sub->add_option("--qualifier", cl.request.qualifier, "Qualifier, 1 .. 64 (default 1)")
      ->check(CLI::Range(vdb::qualifiers.first, vdb::qualifiers.last));
  sub->add_option("--issue", cl.request.issue, "Issue, 0 .. 255 (default 0)")
      ->check(CLI::Range(vdb::issues.first, vdb::issues.last));
  sub->callback([&cl] {
    cl.request.permanence = CLI::detail::to_lower(cl.permanence_name) == "temp"
                                ? sm_model_vehicle_kind::temp
                                : sm_model_vehicle_kind::perm;
    cl.run = [&cl] { return vdb::new_vehicle(cl.opts, cl.request); };
  });
}

void add_edits(CLI::App& app, command_line& cl) {
  CLI::App* set = app.add_subcommand(
      "set", "Set characteristics in operator units: c200=50 c204.2=3 (all or nothing)");
  add_position(*set, cl);
  set->add_option("assignments", cl.assignments, "NAME=VALUE")->required();
  set->footer(
      std::string(names_help) +
      ".\nA tonal slot's kind changes only with the whole tonal: c701.SLOT=KIND (narrowband\n"
      "slots 1 .. 40) or c801.SLOT=KIND (wideband slots 41 .. 50) makes the slot afresh as\n"
      "a tonal of that kind with its defaults; the slot's other values given in the same\n"
      "command are then set in it, e.g. c701.3=fir c736.3=10");
  set->callback(
      [&cl] { cl.run = [&cl] { return vdb::set(cl.opts, cl.position, cl.assignments); }; });

  CLI::App* state = app.add_subcommand("state", "Set the state of an entry in use");
  add_position(*state, cl);
  state->add_option("state", cl.state_name, "empty, read_only or read_write")
      ->required()
      ->check(CLI::IsMember({"empty", "read_only", "read_write"}, CLI::ignore_case));
  state->callback([&cl] {
    const csl_database::key_state to = *vdb::state_named(cl.state_name);  // IsMember checked it
    cl.run = [&cl, to] { return vdb::set_state(cl.opts, cl.position, to); };
  });

  CLI::App* touch = app.add_subcommand("touch", "Set the modification time of an entry");
  add_position(*touch, cl);
  touch->add_option("time", cl.time_text, "YYYY-DDDTHH:MM:SS[.mmm] or now")->required();
  touch->callback(
      [&cl] { cl.run = [&cl] { return vdb::touch(cl.opts, cl.position, cl.time_text); }; });
}

void add_dump_and_load(CLI::App& app, command_line& cl) {
  // Kept alive by the callbacks that use them.
  auto dumped = std::make_shared<vdb::dump_request>();
  auto selection = std::make_shared<std::vector<std::string>>();
  CLI::App* dump = app.add_subcommand(
      "dump", "Both files as JSON Lines, lossless (docs/dump_format.md), on standard output");
  dump->add_option("-o,--output", dumped->file_name, "Write the dump to FILE instead");
  dump->add_option("positions", *selection, "Only these positions: 7, 5-9 (default: all)");
  dump->callback([&cl, dumped, selection] {
    cl.run = [&cl, dumped, selection] {
      const std::optional<std::vector<int>> positions = vdb::positions_of(*selection);
      if (!positions) return vdb::exit_usage;
      dumped->positions = *positions;
      return vdb::dump(cl.opts, *dumped);
    };
  });
  auto loaded = std::make_shared<vdb::load_request>();
  CLI::App* load = app.add_subcommand(
      "load", "Store the entries of a dump, every value checked as set checks it (all or nothing)");
  load->add_option("file", loaded->file_name, "The dump, or - for standard input")->required();
  load->add_flag("--replace", loaded->replace,
                 "Make the database exactly the dump: positions it does not hold become empty "
                 "with the default record");
  load->add_flag("--no-overwrite", loaded->no_overwrite,
                 "Refuse (writing nothing) when an entry in use would change");
  load->add_flag("--force", loaded->force,
                 "Load values outside their editing bounds (never outside their type), and "
                 "keys that do not belong at their position");
  load->callback([&cl, loaded] { cl.run = [&cl, loaded] { return vdb::load(cl.opts, *loaded); }; });
}

void add_recover(CLI::App& app, command_line& cl) {
  app.add_subcommand("recover",
                     "Finish or discard the writes that stopped half way (their journals); "
                     "exit 1 while a journal's lock file is still held")
      ->callback([&cl] { cl.run = [&cl] { return vdb::recover(cl.opts); }; });
}

void add_locks(CLI::App& app, command_line& cl) {
  CLI::App* sub = app.add_subcommand("locks", "List the lock files, or clear stale ones");
  sub->add_option("--clear-stale", cl.stale_after,
                  "Remove lock files at least this many seconds old (10 at least; no writer "
                  "holds a lock file that long)")
      ->check(CLI::Range(10.0, 1.0e9));
  add_format(*sub, cl);
  sub->callback([&cl] { cl.run = [&cl] { return vdb::locks(cl.opts, cl.stale_after); }; });
}

void add_serve(CLI::App& app, command_line& cl) {
  auto served = std::make_shared<vdb::serve_request>();
  CLI::App* sub = app.add_subcommand(
      "serve", "See and edit the database in a browser: prints the address to open; Ctrl-C stops");
  sub->add_option("--port", served->port, "TCP port (default 8023; 0: any free port)")
      ->check(CLI::Range(0, 65535));
  sub->add_option("--bind", served->bind,
                  "Address to listen on (default 127.0.0.1: this machine only)");
  sub->add_flag("--read-only", served->read_only, "Serve no writing operation at all");
  sub->callback([&cl, served] { cl.run = [&cl, served] { return vdb::serve(cl.opts, *served); }; });
}

// "vdb bogus": CLI11 would only say that a subcommand is required.
std::optional<std::string> unknown_subcommand(const CLI::App& app, int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--db" || arg == "--wait") {
      ++i;  // their value
      continue;
    }
    if (arg == "--") return std::nullopt;
    if (!arg.empty() && arg[0] == '-') continue;
    for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; })) {
      if (sub->get_name() == arg) return std::nullopt;
    }
    return arg;
  }
  return std::nullopt;
}

// The subcommand, with the library started and its lines kept off the data.
int run(command_line& cl) {
  cl.opts.output_format = format_named(cl.format_name);
  if (!vdb::start_library(cl.opts)) return vdb::exit_problem;
  int code = vdb::exit_problem;
  try {
    code = cl.run();
  } catch (const csl::named_error& e) {
    vdb::complain(e.full_name() + " " + e.message());
  } catch (const std::exception& e) {
    vdb::complain(e.what());
  }
  if (!vdb::finish_output()) return vdb::exit_problem;
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  command_line cl;
  CLI::App app("Creates, inspects and checks vehicle databases.", "vdb");
  add_global_options(app, cl);
  add_create_commands(app, cl);
  add_describe(app, cl);
  add_stat_and_verify(app, cl);
  add_list(app, cl);
  add_show(app, cl);
  add_get(app, cl);
  add_new(app, cl);
  add_edits(app, cl);
  add_dump_and_load(app, cl);
  add_locks(app, cl);
  add_recover(app, cl);
  add_serve(app, cl);
  if (const std::optional<std::string> bogus = unknown_subcommand(app, argc, argv)) {
    vdb::complain("unknown command \"" + *bogus + "\"; vdb --help lists the commands");
    return vdb::exit_usage;
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    // Help and version are successes; every other parse failure is a usage error.
    return app.exit(e) == 0 ? vdb::exit_ok : vdb::exit_usage;
  }
  return run(cl);
}
