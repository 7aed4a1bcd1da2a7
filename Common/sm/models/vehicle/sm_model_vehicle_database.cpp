#include "sm_model_vehicle_database.hpp"

namespace sm_model_vehicle_database {

store& instance() {
  static store the_store;
  return the_store;
}

void start_up() {
  instance().start_up(sm_model_vehicle::db_file_name(), sm_model_vehicle::default_());
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

sm_model_vehicle::data fast_item_of(const sm_model_vehicle_kind::model_kind& the_key) {
  return instance().fast_item_of(the_key);
}

}  // namespace sm_model_vehicle_database
