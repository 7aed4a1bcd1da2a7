// vdb create and vdb sample: new databases. Neither overwrites anything: when a
// file of the database is already there, the tool says so and stops.
#include <string>
#include <vector>

#include "csl_exceptions.hpp"
#include "csl_length.hpp"
#include "sm_model_vehicle_general_types.hpp"
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

struct sample_vehicle {
  int library_number;
  sm_model_vehicle_kind::permanence permanence;
  const char* name;
  const char* class_name;
  float length, height, width;  // metres
};

// The notional vehicles of the sample database.
const std::vector<sample_vehicle>& sample_vehicles() {
  using sm_model_vehicle_kind::perm;
  using sm_model_vehicle_kind::temp;
  static const std::vector<sample_vehicle> list = {
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

sm_model_vehicle::data record_of(const sample_vehicle& s) {
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

// Each vehicle in one change under its position's lock: record, key, state and
// time together.
bool stored_sample(const options& opts, const sample_vehicle& s) {
  const sm_model_vehicle::data d = record_of(s);
  const sm_model_vehicle_kind::model_kind key = sm_model_vehicle::kind_of(d);
  return changed(opts, key, [&](auto& entry, sm_model_vehicle::data& record) {
           record = d;
           entry.details = key;
           entry.state = csl_database::key_state::read_write;
           entry.mod_time = sample_time;
           return true;
         }) == exit_ok;
}

}  // namespace

int create(const options&) {
  return created_empty() ? exit_ok : exit_problem;
}

int sample(const options& opts) {
  if (!created_empty()) return exit_problem;
  for (const sample_vehicle& s : sample_vehicles()) {
    if (!stored_sample(opts, s)) return exit_problem;
  }
  return exit_ok;
}

}  // namespace vdb
