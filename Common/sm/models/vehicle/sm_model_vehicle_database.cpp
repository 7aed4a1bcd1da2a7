#include "sm_model_vehicle_database.hpp"

#include "csl_start_up_code.hpp"

namespace sm_model_vehicle_database {

CSL_START_UP_CODE store& instance() {
  static store the_store;
  return the_store;
}

CSL_START_UP_CODE void start_up() {
  instance().start_up(sm_model_vehicle::db_file_name(), sm_model_vehicle::default_);
}

void initialise() {
  instance().initialise();
}
bool is_initialised() {
  return instance().is_initialised();
}
void load_index() {
  instance().load_index();
}

sm_model_vehicle::data item_of(const sm_model_vehicle_kind::model_kind& the_key) {
  return instance().item_of(the_key);
}

void item_of(const sm_model_vehicle_kind::model_kind& the_key, sm_model_vehicle::data& into) {
  instance().item_of(the_key, into);
}

sm_model_vehicle::data fast_item_of(const sm_model_vehicle_kind::model_kind& the_key) {
  return instance().fast_item_of(the_key);
}

void update(const sm_model_vehicle::data& the_item,
            const sm_model_vehicle_kind::model_kind& the_key) {
  instance().update(the_item, the_key);
}

void update(const sm_model_vehicle::data& the_item) {
  instance().update(the_item);
}

void set_state_of(const sm_model_vehicle_kind::model_kind& the_key, key_state to) {
  instance().set_state_of(the_key, to);
}

void set_time_of(const sm_model_vehicle_kind::model_kind& the_key, const csl_time::time& to) {
  instance().set_time_of(the_key, to);
}

csl_time::time time_of(const sm_model_vehicle_kind::model_kind& the_key) {
  return instance().time_of(the_key);
}

key_state state_of(const sm_model_vehicle_kind::model_kind& the_key) {
  return instance().state_of(the_key);
}

sm_model_vehicle_kind::model_kind value_of(int the_position) {
  return instance().value_of(the_position);
}
bool is_empty(int the_position) {
  return instance().is_empty(the_position);
}
csl_time::time mod_time_of(int the_position) {
  return instance().mod_time_of(the_position);
}

void initialise(iterator& the_iterator) {
  instance().initialise(the_iterator);
}
void next(iterator& the_iterator) {
  instance().next(the_iterator);
}

sm_model_vehicle_kind::model_kind value_of(const iterator& the_iterator) {
  return instance().value_of(the_iterator);
}

bool is_done(const iterator& the_iterator) {
  return store::is_done(the_iterator);
}

}  // namespace sm_model_vehicle_database
