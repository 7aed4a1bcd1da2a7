// An index file of any content: start-up, keyed reads, states, times and a walk
// must report or raise named errors, never crash or read out of bounds.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "csl_exceptions.hpp"
#include "fuzz_support.hpp"
#include "sm_model_vehicle_database.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string base = fuzz_support::scratch() + "/index_db";
  fuzz_support::write_file(base + "_INDEX", data, size);
  const std::vector<std::uint8_t> items(3 * sizeof(sm_model_vehicle::data), 0);
  fuzz_support::write_file(base, items.data(), items.size());
  sm_model_vehicle_database::store db;
  db.start_up(base, sm_model_vehicle::default_);
  db.initialise();
  if (!db.is_initialised()) return 0;
  for (int number : {0, 1, 500, 999}) {
    for (auto p : {sm_model_vehicle_kind::perm, sm_model_vehicle_kind::temp}) {
      const auto key = sm_model_vehicle_kind::create(number, p);
      try {
        db.state_of(key);
        db.time_of(key);
        db.item_of(key);
      } catch (const csl::named_error&) {
      }
    }
  }
  try {
    sm_model_vehicle_database::iterator it;
    for (db.initialise(it); !db.is_done(it); db.next(it)) {
      const auto key = db.value_of(it);
      sm_model_vehicle_kind::image_of(key);
      if (sm_model_vehicle_kind::is_valid(key)) sm_model_vehicle_kind::selection_image_of(key);
    }
  } catch (const csl::named_error&) {
  }
  return 0;
}
