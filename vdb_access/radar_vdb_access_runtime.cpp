// Start-up and shut-down of the library for C callers, and the configuration's
// verbosity predicate. Every module is started
// here, explicitly and in dependency order, so that no module depends on another
// from a static initialiser.
#include <exception>
#include <string>

#include "csl_angle.hpp"
#include "csl_config.hpp"
#include "csl_decibel.hpp"
#include "csl_exceptions.hpp"
#include "csl_host.hpp"
#include "csl_ids.hpp"
#include "csl_output.hpp"
#include "csl_start_up_code.hpp"
#include "radar_vdb_access.h"
#include "radar_vdb_access_internal.hpp"
#include "sm_model_radar_general_types.hpp"
#include "sm_model_radar_kind.hpp"
#include "sm_model_sonar_general_types.hpp"
#include "sm_model_sonar_kind.hpp"
#include "sm_model_vehicle.hpp"
#include "sm_model_vehicle_associated_fit_types.hpp"
#include "sm_model_vehicle_bb_aural_types.hpp"
#include "sm_model_vehicle_bb_flow_types.hpp"
#include "sm_model_vehicle_bb_machinery_types.hpp"
#include "sm_model_vehicle_bb_propeller_modulation_types.hpp"
#include "sm_model_vehicle_bb_propeller_types.hpp"
#include "sm_model_vehicle_database.hpp"
#include "sm_model_vehicle_enhanced_aural_types.hpp"
#include "sm_model_vehicle_general_types.hpp"
#include "sm_model_vehicle_nb_aux_int_types.hpp"
#include "sm_model_vehicle_nb_bld_types.hpp"
#include "sm_model_vehicle_nb_common_types.hpp"
#include "sm_model_vehicle_nb_fir_types.hpp"
#include "sm_model_vehicle_nb_mod_types.hpp"
#include "sm_model_vehicle_nb_spd_bld_types.hpp"
#include "sm_model_vehicle_nb_spd_types.hpp"
#include "sm_model_vehicle_physical_types.hpp"
#include "sm_model_vehicle_project_specific_types.hpp"
#include "sm_model_vehicle_propulsion_mode_types.hpp"
#include "sm_model_vehicle_speed_types.hpp"
#include "sm_model_vehicle_turning_diving_types.hpp"
#include "sm_model_vehicle_wb_types.hpp"

namespace {

bool started = false;

void start_modules() {
  csl_host::start_up();
  // The angle, power-sum and level tables are built by the compiler.
  // The image utilities keep no state and need no start-up. Types modules hand the
  // catalogue their characteristics. Group defaults and the default record are
  // built the first time they are asked for (a data call asks for none), each
  // group module starting the types modules it reads.
  sm_model_sonar_general_types::start_up();
  sm_model_sonar_kind::start_up();
  sm_model_radar_general_types::start_up();
  sm_model_radar_kind::start_up();
  sm_model_vehicle_general_types::start_up();
  sm_model_vehicle_physical_types::start_up();
  sm_model_vehicle_propulsion_mode_types::start_up();
  sm_model_vehicle_speed_types::start_up();
  sm_model_vehicle_turning_diving_types::start_up();
  sm_model_vehicle_bb_aural_types::start_up();
  sm_model_vehicle_bb_flow_types::start_up();
  sm_model_vehicle_bb_machinery_types::start_up();
  sm_model_vehicle_bb_propeller_types::start_up();
  sm_model_vehicle_bb_propeller_modulation_types::start_up();
  sm_model_vehicle_associated_fit_types::start_up();
  sm_model_vehicle_nb_common_types::start_up();
  sm_model_vehicle_nb_spd_bld_types::start_up();
  sm_model_vehicle_nb_spd_types::start_up();
  sm_model_vehicle_nb_bld_types::start_up();
  sm_model_vehicle_nb_aux_int_types::start_up();
  sm_model_vehicle_nb_fir_types::start_up();
  sm_model_vehicle_nb_mod_types::start_up();
  sm_model_vehicle_wb_types::start_up();
  sm_model_vehicle_project_specific_types::start_up();
  sm_model_vehicle_enhanced_aural_types::start_up();
  csl_config::start_up();
  sm_model_vehicle::start_up_report();
  sm_model_vehicle_database::start_up();
  radar_vdb_access::start_up();
}

}  // namespace

extern "C" {

CSL_START_UP_CODE void adainit(void) {
  if (started) return;
  try {
    start_modules();
    started = true;
  } catch (const csl::named_error& e) {
    // Nothing may cross the C boundary; a failed start-up is reported.
    csl_output::put_line("radar_vdb_access: start-up failed: " + e.full_name() + " " + e.message());
  } catch (const std::exception& e) {
    csl_output::put_line(std::string("radar_vdb_access: start-up failed: ") + e.what());
  }
}

void adafinal(void) {
  csl_output::flush();
}

bool Verbose(uint32_t id) {
  return csl_config::verbose(csl_ids::id(id));
}

}  // extern "C"
