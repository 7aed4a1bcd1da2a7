// vdb create and vdb sample: new databases. Neither overwrites anything: when a
// file of the database is already there, the tool says so and stops.
#include <string>

#include "sample_database.hpp"
#include "vdb_commands.hpp"

namespace vdb {

namespace {

bool refused_over_existing_files() {
  bool refused = false;
  for (const file_fact& f : {item_file(), index_file()}) {
    if (!f.exists) continue;
    complain(f.role + " " + f.name + " already exists");
    refused = true;
  }
  return refused;
}

// Both files, as the store makes them when it opens a database that is missing.
bool created_empty() {
  if (refused_over_existing_files()) return false;
  store().initialise();
  if (store().is_initialised()) return true;
  complain("cannot create the database " + store().file_name());
  return false;
}

}  // namespace

int create(const options&) {
  return created_empty() ? exit_ok : exit_problem;
}

int sample(const options& opts) {
  if (!created_empty()) return exit_problem;
  if (sample_database::store_all(store(), writer_policy(opts))) return exit_ok;
  complain("the sample could not be written whole");
  return exit_problem;
}

}  // namespace vdb
