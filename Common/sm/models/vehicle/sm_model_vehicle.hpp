// The complete description of one vehicle: a 12864-byte record of eleven groups,
// which is also the item record of the vehicle database, the default vehicle, a
// handle whose groups are allocated separately, and the database's base file name.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "sm_model_vehicle_associated_fit.hpp"
#include "sm_model_vehicle_bb.hpp"
#include "sm_model_vehicle_enhanced_aural.hpp"
#include "sm_model_vehicle_general.hpp"
#include "sm_model_vehicle_kind.hpp"
#include "sm_model_vehicle_nb.hpp"
#include "sm_model_vehicle_physical.hpp"
#include "sm_model_vehicle_project_specific.hpp"
#include "sm_model_vehicle_propulsion_mode.hpp"
#include "sm_model_vehicle_speed.hpp"
#include "sm_model_vehicle_turning_diving.hpp"
#include "sm_model_vehicle_wb.hpp"

namespace sm_model_vehicle {

// The groups one after another with no gap; written to the item file as it stands.
struct data {
  sm_model_vehicle_general::group general;
  sm_model_vehicle_physical::group physical;
  sm_model_vehicle_propulsion_mode::group propulsion;
  sm_model_vehicle_speed::group speed;
  sm_model_vehicle_turning_diving::group turn_dive;
  sm_model_vehicle_bb::group bb;
  sm_model_vehicle_associated_fit::group fit;
  sm_model_vehicle_nb::group nb;
  sm_model_vehicle_wb::group wb;
  sm_model_vehicle_project_specific::group project;
  sm_model_vehicle_enhanced_aural::group eaural;
};

static_assert(sizeof(data) == 12864);
static_assert(offsetof(data, general) == 0 && offsetof(data, physical) == 92);
static_assert(offsetof(data, propulsion) == 176 && offsetof(data, speed) == 264);
static_assert(offsetof(data, turn_dive) == 416 && offsetof(data, bb) == 472);
static_assert(offsetof(data, fit) == 1128 && offsetof(data, nb) == 1916);
static_assert(offsetof(data, wb) == 6928 && offsetof(data, project) == 8412);
static_assert(offsetof(data, eaural) == 8424);
static_assert(offsetof(data, physical) + offsetof(sm_model_vehicle_physical::group, c200) == 116);
static_assert(offsetof(data, physical) + offsetof(sm_model_vehicle_physical::group, c203) == 128);
static_assert(offsetof(data, physical) + offsetof(sm_model_vehicle_physical::group, c215) == 140);

// Each group null or owned here; a new handle has all eleven null.
struct handle {
  std::unique_ptr<sm_model_vehicle_general::group> general;
  std::unique_ptr<sm_model_vehicle_physical::group> physical;
  std::unique_ptr<sm_model_vehicle_propulsion_mode::group> propulsion;
  std::unique_ptr<sm_model_vehicle_speed::group> speed;
  std::unique_ptr<sm_model_vehicle_turning_diving::group> turn_dive;
  std::unique_ptr<sm_model_vehicle_bb::group> bb;
  std::unique_ptr<sm_model_vehicle_associated_fit::group> fit;
  std::unique_ptr<sm_model_vehicle_nb::group> nb;
  std::unique_ptr<sm_model_vehicle_wb::group> wb;
  std::unique_ptr<sm_model_vehicle_project_specific::group> project;
  std::unique_ptr<sm_model_vehicle_enhanced_aural::group> eaural;
};

// Assembles the default record from the group defaults, once; default_() asks for
// it on first use. Each group builds its own default when first asked, so the
// record is always whole.
void start_up();
// Writes "sm_model_vehicle: Using " and the base name (after the configuration).
void start_up_report();

// The default vehicle record (not valid, temporary, every group its default).
const data& default_();

handle allocate_defaults();
void set_defaults_in(handle& the_handle);
void allocate(handle& the_handle);
void deallocate(handle& the_handle);
bool is_valid(const handle& the_handle);
sm_model_vehicle_kind::model_kind kind_of(const handle& the_handle);
sm_model_vehicle_kind::model_kind kind_of(const data& the_data);
void copy_data_to_handle(const data& the_data, handle& to_handle);
void copy_handle_to_data(const handle& the_handle, data& to_data);

// "ACM_VDB_FILE" when set and not empty, else the path prefix followed by
// "/target/data/vehicle/vehicle_db".
std::string db_file_name();

}  // namespace sm_model_vehicle
