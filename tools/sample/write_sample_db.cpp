// write_sample_db BASE: writes the notional sample database, the item file BASE
// and the index file BASE_INDEX, through the library's store alone. It refuses
// when either file exists. Exit codes: 0 written, 1 not written, 2 usage error.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>

#include "csl_exceptions.hpp"
#include "radar_vdb_access.h"
#include "sample_database.hpp"
#include "sm_model_vehicle_database.hpp"

namespace {

constexpr const char* usage =
    "usage: write_sample_db BASE\n"
    "Writes the notional sample vehicle database: the item file BASE and the index\n"
    "file BASE_INDEX. Refuses when either file exists.\n";

void complain(const std::string& line) {
  std::fflush(stdout);
  std::fprintf(stderr, "write_sample_db: %s\n", line.c_str());
}

bool refused_over_existing_files(const std::string& base) {
  bool refused = false;
  for (const auto& [role, name] :
       {std::pair<std::string, std::string>{"item file", base}, {"index file", base + "_INDEX"}}) {
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(name, ec))) continue;
    complain(role + " " + name + " already exists");
    refused = true;
  }
  return refused;
}

int written(const std::string& base) {
  sm_model_vehicle_database::store& db = sm_model_vehicle_database::instance();
  // A start-up that failed (it reports why) leaves the store without the name.
  if (db.file_name() != base) {
    complain("the library could not start");
    return EXIT_FAILURE;
  }
  db.initialise();
  if (!db.is_initialised()) {
    complain("cannot create the database " + base);
    return EXIT_FAILURE;
  }
  try {
    if (!sample_database::store_all(db)) {
      complain("the sample could not be written whole");
      return EXIT_FAILURE;
    }
  } catch (const csl::named_error& e) {
    complain(e.full_name() + " " + e.message());
    return EXIT_FAILURE;
  } catch (const std::exception& e) {
    complain(e.what());
    return EXIT_FAILURE;
  }
  std::printf("write_sample_db: %zu vehicles written to %s\n", sample_database::vehicles().size(),
              base.c_str());
  return EXIT_SUCCESS;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
    std::fputs(usage, stdout);
    return EXIT_SUCCESS;
  }
  if (argc != 2 || argv[1][0] == '\0' || argv[1][0] == '-') {
    std::fputs(usage, stderr);
    return 2;
  }
  const std::string base = argv[1];
  if (refused_over_existing_files(base)) return EXIT_FAILURE;
  // The library takes its base name from the environment when it starts.
  ::setenv("ACM_VDB_FILE", base.c_str(), 1);
  adainit();
  const int code = written(base);
  adafinal();
  return code;
}
