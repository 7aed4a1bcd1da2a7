// The subcommands of the vdb tool. Each runs after the library has started and
// returns the tool's exit code (vdb::exit_ok, exit_problem).
#pragma once

#include <optional>
#include <string>

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

// Every check of the files' consistency; one line per problem.
int verify(const options& opts);

}  // namespace vdb
