// Item records of any content read through the store, and what a reader derives
// from them: the record's kind and its images, the dimensions and levels.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "csl_exceptions.hpp"
#include "fuzz_support.hpp"
#include "sm_model_vehicle_database.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string base = fuzz_support::scratch() + "/item_db";
  fuzz_support::write_file(base, data, size);
  // An index whose first three entries are in use.
  std::vector<std::uint8_t> index(sizeof(sm_model_vehicle_database::header_rec), 0);
  for (int p = 1; p <= 3; ++p) {
    const std::size_t e = 44 + 60 * static_cast<std::size_t>(p - 1);
    index[e] = p == 2 ? 0x11 : 0x01;
    index[e + 2] = static_cast<std::uint8_t>((p - 1) / 2);
    index[e + 32] = 2;
  }
  fuzz_support::write_file(base + "_INDEX", index.data(), index.size());
  sm_model_vehicle_database::store db;
  db.start_up(base, sm_model_vehicle::default_);
  db.initialise();
  if (!db.is_initialised()) return 0;
  for (auto [number, p] :
       {std::pair{0, sm_model_vehicle_kind::perm}, std::pair{0, sm_model_vehicle_kind::temp},
        std::pair{1, sm_model_vehicle_kind::perm}}) {
    try {
      const sm_model_vehicle::data d = db.item_of(sm_model_vehicle_kind::create(number, p));
      const auto kind = sm_model_vehicle::kind_of(d);
      sm_model_vehicle_kind::image_of(kind);
      if (sm_model_vehicle_kind::is_valid(kind)) {
        sm_model_vehicle_kind::selection_image_of(kind);
        sm_model_vehicle_kind::group_of(kind);
        sm_model_vehicle_kind::db_index_of(kind);
      }
      volatile float length = csl_length::value_of(d.physical.c200);
      (void)length;
      for (const auto& mode : d.physical.pmode) mode.c278.level();
    } catch (const csl::named_error&) {
    }
  }
  return 0;
}
