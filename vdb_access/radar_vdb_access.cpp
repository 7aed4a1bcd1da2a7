// The library's public face: three C operations that read a vehicle's Length,
// Height and Width from the vehicle database. Nothing but results crosses the C
// boundary: every failure is caught here, reported in one line and turned into
// zeros.
#include "radar_vdb_access.h"

#include <cstddef>
#include <cstdlib>
#include <exception>
#include <new>
#include <string>
#include <string_view>

#include "csl_exceptions.hpp"
#include "csl_output.hpp"
#include "csl_system_numbers.hpp"
#include "radar_vdb_access_internal.hpp"

// The version string must say what the version numbers say.
#define RVA_TEXT_OF(x) #x
#define RVA_IMAGE_OF(x) RVA_TEXT_OF(x)
static_assert(std::string_view(RADAR_VDB_ACCESS_VERSION_STRING) ==
              RVA_IMAGE_OF(RADAR_VDB_ACCESS_VERSION_MAJOR) "." RVA_IMAGE_OF(
                  RADAR_VDB_ACCESS_VERSION_MINOR) "." RVA_IMAGE_OF(RADAR_VDB_ACCESS_VERSION_PATCH));
#undef RVA_IMAGE_OF
#undef RVA_TEXT_OF
#include "csl_start_up_code.hpp"
#include "sm_model_vehicle_database.hpp"
#include "sm_model_vehicle_kind.hpp"

static_assert(sizeof(Radar_Vdb_Access_Data_T) == 12);
static_assert(offsetof(Radar_Vdb_Access_Data_T, C203_Height) == 4);
static_assert(offsetof(Radar_Vdb_Access_Data_T, C215_Width) == 8);

namespace radar_vdb_access {
namespace {

// Set once the database initialisation has returned; never set back.
bool init = false;

constexpr int last_index = 1999;

// "radar_vdb_access: " with the error's full name and its message. The operation
// name s says who caught it; it is not part of the line.
void error(const char* /*s*/, const std::string& full_name, const std::string& message) {
  csl_output::put_line("radar_vdb_access: " + full_name + " " + message);
}

// Catches everything an operation can raise and reports it.
template <class Operation>
void guarded(const char* s, Operation&& operation) {
  try {
    operation();
  } catch (const csl::named_error& e) {
    error(s, e.full_name(), e.message());
  } catch (const std::bad_alloc& e) {
    error(s, "STORAGE_ERROR", e.what());
  } catch (const std::exception& e) {
    error(s, "PROGRAM_ERROR", e.what());
  } catch (...) {
    error(s, "PROGRAM_ERROR", "unknown failure");
  }
}

// Odd positions hold permanent models, even ones temporary models.
sm_model_vehicle_kind::model_kind kind_at(int index) {
  if (index % 2 == 1)
    return sm_model_vehicle_kind::create((index - 1) / 2, sm_model_vehicle_kind::perm);
  return sm_model_vehicle_kind::create(index / 2 - 1, sm_model_vehicle_kind::temp);
}

void read_dimensions(int index, Radar_Vdb_Access_Data_T& radar_data) {
  if (!init) {
    csl_output::put_line("radar_db_access: DB not initialised - will return default");
    return;
  }
  if (!(0 < index && index <= last_index)) {
    csl_output::put_line("radar_db_access: PassiveParameterIndex out of range (0 - " +
                         csl_system_numbers::image_of(last_index + 1) + ") - will return default");
    return;
  }
  // A failed item read inside the store gives a zero record, hence zeros here.
  // Each thread reads into a record of its own, kept between calls: a fresh one
  // would be set up and copied, 12864 bytes each, on every call.
  thread_local sm_model_vehicle::data all_vehicle_data;
  sm_model_vehicle_database::item_of(kind_at(index), all_vehicle_data);
  radar_data.C200_Length = csl_length::value_of(all_vehicle_data.physical.c200);
  radar_data.C203_Height = csl_length::value_of(all_vehicle_data.physical.c203);
  radar_data.C215_Width = csl_length::value_of(all_vehicle_data.physical.c215);
}

}  // namespace

CSL_START_UP_CODE void start_up() {
  init = false;
}

}  // namespace radar_vdb_access

extern "C" {

void Radar_Vdb_Access_Initialise(void) {
  radar_vdb_access::guarded("Initialise", [] {
    sm_model_vehicle_database::initialise();
    radar_vdb_access::init = true;
  });
}

Radar_Vdb_Access_Data_T Radar_Vdb_Access_Get_Data_T(int PassiveParameterIndex) {
  Radar_Vdb_Access_Data_T radar_data{0.0F, 0.0F, 0.0F};
  radar_vdb_access::guarded(
      "Get_Data_T", [&] { radar_vdb_access::read_dimensions(PassiveParameterIndex, radar_data); });
  return radar_data;
}

Radar_Vdb_Access_Data_P Radar_Vdb_Access_Get_Data_P(int PassiveParameterIndex) {
  auto* record = static_cast<Radar_Vdb_Access_Data_P>(std::malloc(sizeof(Radar_Vdb_Access_Data_T)));
  if (record == nullptr) return nullptr;
  *record = Radar_Vdb_Access_Get_Data_T(PassiveParameterIndex);
  return record;
}

}  // extern "C"
