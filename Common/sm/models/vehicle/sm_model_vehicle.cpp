#include "sm_model_vehicle.hpp"

#include "csl_config.hpp"
#include "csl_output.hpp"
#include "csl_platform.hpp"
#include "csl_start_up_code.hpp"
#include "sm_model_vehicle_group_defaults.hpp"

namespace sm_model_vehicle {
namespace {

data& the_default() {
  static data value;
  return value;
}

// Calls f(handle member, record member) for the eleven groups in record order.
template <class F>
void for_each_group(F&& f) {
  f(&handle::general, &data::general);
  f(&handle::physical, &data::physical);
  f(&handle::propulsion, &data::propulsion);
  f(&handle::speed, &data::speed);
  f(&handle::turn_dive, &data::turn_dive);
  f(&handle::bb, &data::bb);
  f(&handle::fit, &data::fit);
  f(&handle::nb, &data::nb);
  f(&handle::wb, &data::wb);
  f(&handle::project, &data::project);
  f(&handle::eaural, &data::eaural);
}

sm_model_vehicle_kind::model_kind kind_of_general(const sm_model_vehicle_general::group* g) {
  if (g == nullptr || !g->is_valid()) return sm_model_vehicle_kind::unallocated();
  // The record holds the name before the class; the kind the other way round.
  return sm_model_vehicle_kind::create(g->library_number, g->c100, g->c101, g->c102,
                                       g->permanence(), g->issue.value());
}

sm_model_vehicle_group_defaults::built_once building;

// Built in place: a record on the stack and a copy would fault in four more pages.
void build_default() {
  data& d = the_default();
  d.general = sm_model_vehicle_general::group_default();
  d.physical = sm_model_vehicle_physical::group_default();
  d.propulsion = sm_model_vehicle_propulsion_mode::group_default();
  d.speed = sm_model_vehicle_speed::group_default();
  d.turn_dive = sm_model_vehicle_turning_diving::group_default();
  d.bb = sm_model_vehicle_bb::group_default();
  d.fit = sm_model_vehicle_associated_fit::group_default();
  d.nb = sm_model_vehicle_nb::group_default();
  d.wb = sm_model_vehicle_wb::group_default();
  d.project = sm_model_vehicle_project_specific::group_default();
  d.eaural = sm_model_vehicle_enhanced_aural::group_default();
}

}  // namespace

void start_up() {
  building.run(build_default);
}

CSL_START_UP_CODE void start_up_report() {
  csl_output::put_line("sm_model_vehicle: Using " + db_file_name());
}

const data& default_() {
  start_up();
  return the_default();
}

handle allocate_defaults() {
  handle h;
  for_each_group([&h](auto hm, auto dm) {
    using group_type = typename std::decay_t<decltype(h.*hm)>::element_type;
    h.*hm = std::make_unique<group_type>(default_().*dm);
  });
  return h;
}

void set_defaults_in(handle& the_handle) {
  for_each_group([&the_handle](auto hm, auto dm) {
    if (the_handle.*hm) *(the_handle.*hm) = default_().*dm;
  });
}

void allocate(handle& the_handle) {
  for_each_group([&the_handle](auto hm, auto) {
    using group_type = typename std::decay_t<decltype(the_handle.*hm)>::element_type;
    if (!(the_handle.*hm)) the_handle.*hm = std::make_unique<group_type>();
  });
}

void deallocate(handle& the_handle) {
  for_each_group([&the_handle](auto hm, auto) { (the_handle.*hm).reset(); });
}

bool is_valid(const handle& the_handle) {
  return the_handle.general != nullptr && the_handle.general->is_valid();
}

sm_model_vehicle_kind::model_kind kind_of(const handle& the_handle) {
  return kind_of_general(the_handle.general.get());
}

sm_model_vehicle_kind::model_kind kind_of(const data& the_data) {
  return kind_of_general(&the_data.general);
}

void copy_data_to_handle(const data& the_data, handle& to_handle) {
  for_each_group([&](auto hm, auto dm) {
    if (to_handle.*hm) *(to_handle.*hm) = the_data.*dm;
  });
}

void copy_handle_to_data(const handle& the_handle, data& to_data) {
  for_each_group([&](auto hm, auto dm) {
    to_data.*dm = (the_handle.*hm) ? *(the_handle.*hm) : default_().*dm;
  });
}

CSL_START_UP_CODE std::string db_file_name() {
  std::optional<std::string> chosen = csl_platform::environment_value("ACM_VDB_FILE");
  if (chosen && !chosen->empty()) return *chosen;
  return csl_config::path_prefix() + "/target/data/vehicle/vehicle_db";
}

}  // namespace sm_model_vehicle
