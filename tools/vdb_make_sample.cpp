// Writes a small sample vehicle database through the store's own operations:
// a few notional vehicles spread over the index, each read-write with a proper
// general group. Usage: vdb_make_sample <base name>. Existing files of that base
// name are replaced.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "csl_length.hpp"
#include "csl_platform.hpp"
#include "radar_vdb_access.h"
#include "sm_model_vehicle.hpp"
#include "sm_model_vehicle_database.hpp"
#include "sm_model_vehicle_kind.hpp"

namespace {

struct sample {
  int library_number;
  sm_model_vehicle_kind::permanence permanence;
  const char* name;
  const char* class_name;
  float length, height, width;  // metres
};

const std::vector<sample>& samples() {
  using sm_model_vehicle_kind::perm;
  using sm_model_vehicle_kind::temp;
  static const std::vector<sample> list = {
      {0, perm, "LAUNCH", "PATROL", 20.0F, 5.0F, 4.5F},
      {0, temp, "LAUNCH MOD", "PATROL", 21.5F, 5.0F, 4.5F},
      {3, perm, "ECHO II", "SSGN", 115.0F, 9.0F, 8.0F},
      {200, temp, "FLEET OILER", "AUXILIARY", 240.0F, 35.0F, 40.0F},
      {500, perm, "STORES SHIP", "AUXILIARY", 180.0F, 30.0F, 25.0F},
      {700, perm, "HEAVY TORP", "WEAPON", 6.5F, 0.53F, 0.53F},
      {995, perm, "TRIALS SHIP", "TRIALS", 150.0F, 30.0F, 13.0F},
      {999, perm, "TARGET", "TEST", 50.0F, 10.0F, 10.0F},
      {999, temp, "TARGET MOD", "TEST", 60.0F, 12.0F, 12.0F},
  };
  return list;
}

sm_model_vehicle::data vehicle_of(const sample& s) {
  sm_model_vehicle::data d = sm_model_vehicle::default_();
  d.general.set_is_valid(true);
  d.general.set_permanence(s.permanence);
  d.general.library_number = s.library_number;
  d.general.c101 = sm_model_vehicle_general_types::c101_type::from(s.name);
  d.general.c102 = sm_model_vehicle_general_types::c102_type::from(s.class_name);
  d.physical.c200 = csl_length::distance(s.length);
  d.physical.c203 = csl_length::distance(s.height);
  d.physical.c215 = csl_length::distance(s.width);
  return d;
}

// A fixed modification time keeps the sample's bytes the same on every run.
constexpr csl_time::time sample_time{2026, 341, 12, 0, 0, 0};

void store_vehicle(sm_model_vehicle_database::store& db, const sample& s) {
  const sm_model_vehicle::data d = vehicle_of(s);
  const sm_model_vehicle_kind::model_kind kind = sm_model_vehicle::kind_of(d);
  db.update(d);
  db.set_time_of(kind, sample_time);
  std::printf("vdb_make_sample: %s at position %d\n",
              sm_model_vehicle_kind::selection_image_of(kind).c_str(),
              static_cast<int>(sm_model_vehicle_kind::db_index_of(kind)));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || argv[1][0] == '\0') {
    std::fprintf(stderr, "usage: vdb_make_sample <base name>\n");
    return 2;
  }
  const std::string base = argv[1];
  setenv("ACM_VDB_FILE", base.c_str(), 1);
  csl_platform::remove(base);
  csl_platform::remove(base + "_INDEX");
  adainit();
  sm_model_vehicle_database::store& db = sm_model_vehicle_database::instance();
  db.initialise();
  if (!db.is_initialised()) {
    std::fprintf(stderr, "vdb_make_sample: cannot create the database %s\n", base.c_str());
    return 1;
  }
  for (const sample& s : samples()) store_vehicle(db, s);
  adafinal();
  return 0;
}
