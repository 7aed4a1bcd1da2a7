#include "sample_database.hpp"

#include <array>

#include "csl_length.hpp"
#include "csl_time.hpp"
#include "sm_model_vehicle.hpp"
#include "sm_model_vehicle_general_types.hpp"

namespace sample_database {

namespace {

using sm_model_vehicle_kind::perm;
using sm_model_vehicle_kind::temp;

constexpr std::array<vehicle, 9> sample = {{
    {0, perm, "LAUNCH", "PATROL", 20.0F, 5.0F, 4.5F},
    {0, temp, "LAUNCH MOD", "PATROL", 21.5F, 5.0F, 4.5F},
    {3, perm, "ECHO II", "SSGN", 115.0F, 9.0F, 8.0F},
    {200, temp, "FLEET OILER", "AUXILIARY", 240.0F, 35.0F, 40.0F},
    {500, perm, "STORES SHIP", "AUXILIARY", 180.0F, 30.0F, 25.0F},
    {700, perm, "HEAVY TORP", "WEAPON", 6.5F, 0.53F, 0.53F},
    {995, perm, "TRIALS SHIP", "TRIALS", 150.0F, 30.0F, 13.0F},
    {999, perm, "TARGET", "TEST", 50.0F, 10.0F, 10.0F},
    {999, temp, "TARGET MOD", "TEST", 60.0F, 12.0F, 12.0F},
}};

sm_model_vehicle::data record_of(const vehicle& v) {
  sm_model_vehicle::data d = sm_model_vehicle::default_();
  d.general.set_is_valid(true);
  d.general.set_permanence(v.permanence);
  d.general.library_number = v.library_number;
  d.general.c101 = sm_model_vehicle_general_types::c101_type::from(v.name);
  d.general.c102 = sm_model_vehicle_general_types::c102_type::from(v.class_name);
  d.physical.c200 = csl_length::distance(v.length);
  d.physical.c203 = csl_length::distance(v.height);
  d.physical.c215 = csl_length::distance(v.width);
  return d;
}

// A fixed modification time keeps the sample's bytes the same on every run.
constexpr csl_time::time sample_time{2026, 341, 12, 0, 0, 0};

}  // namespace

std::span<const vehicle> vehicles() {
  return sample;
}

bool store_all(sm_model_vehicle_database::store& db, csl_database::lock_policy policy) {
  for (const vehicle& v : sample) {
    const sm_model_vehicle::data d = record_of(v);
    const sm_model_vehicle_kind::model_kind key = sm_model_vehicle::kind_of(d);
    const csl_database::modify_result r = db.modify(
        key,
        [&](auto& entry, sm_model_vehicle::data& record) {
          record = d;
          entry.details = key;
          entry.state = csl_database::key_state::read_write;
          entry.mod_time = sample_time;
          return true;
        },
        policy);
    if (r.outcome != csl_database::modify_outcome::written || !r.whole) return false;
  }
  return true;
}

}  // namespace sample_database
