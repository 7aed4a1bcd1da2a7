// The notional sample database: a handful of vehicles spread over the index, the
// same bytes on every run. The vdb tool ("vdb sample") and write_sample_db, which
// needs nothing but the library, both write it from here.
#pragma once

#include <span>

#include "sm_model_vehicle_database.hpp"
#include "sm_model_vehicle_kind.hpp"

namespace sample_database {

struct vehicle {
  int library_number;
  sm_model_vehicle_kind::permanence permanence;
  const char* name;
  const char* class_name;
  float length, height, width;  // metres
};

// The vehicles of the sample, in the order they are stored.
std::span<const vehicle> vehicles();

// Stores every vehicle of the sample, read-write and stamped with a fixed time,
// into an initialised database: each vehicle's record, key, state and time in one
// change under its position's lock. False when a vehicle could not be written
// whole (the store has reported why, or the lock could not be had under `policy`).
bool store_all(sm_model_vehicle_database::store& db, csl_database::lock_policy policy = {});

}  // namespace sample_database
