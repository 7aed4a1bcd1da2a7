// The vehicle database: the record store instantiated for vehicle records, keyed
// by vehicle kind, with 2000 positions and its files named after db_file_name.
#pragma once

#include "csl_database.hpp"
#include "sm_model_vehicle.hpp"
#include "sm_model_vehicle_kind.hpp"

namespace sm_model_vehicle_database {

struct traits {
  using item = sm_model_vehicle::data;
  using key = sm_model_vehicle_kind::model_kind;
  static constexpr int positions = 2000;
  static constexpr const char* module_name = "SM_MODEL_VEHICLE_DATABASE";

  static bool is_valid(const key& k) { return sm_model_vehicle_kind::is_valid(k); }
  static int index_of(const key& k) { return sm_model_vehicle_kind::db_index_of(k); }
  static key key_of(const item& i) { return sm_model_vehicle::kind_of(i); }
};

using store = csl_database::store<traits>;
using key_state = csl_database::key_state;
using access_mode = csl_database::access_mode;
using header_rec = store::header_type;
using key_rec = store::key_record;
using initialisation_error = store::initialisation_error;
using key_error = store::key_error;
using state_error = store::state_error;
using iterator_error = store::iterator_error;
using iterator = csl_database::iterator;

static_assert(sizeof(key_rec) == 60);
static_assert(sizeof(header_rec) == 120044);

// The process's one vehicle database.
store& instance();

// Start-up: base name from db_file_name, null item from the default record.
void start_up();

void initialise();
bool is_initialised();
void load_index();
sm_model_vehicle::data item_of(const sm_model_vehicle_kind::model_kind& the_key);
// item_of into a record the caller keeps, for callers that read often.
void item_of(const sm_model_vehicle_kind::model_kind& the_key, sm_model_vehicle::data& into);
sm_model_vehicle::data fast_item_of(const sm_model_vehicle_kind::model_kind& the_key);

void update(const sm_model_vehicle::data& the_item,
            const sm_model_vehicle_kind::model_kind& the_key);
void update(const sm_model_vehicle::data& the_item);
void set_state_of(const sm_model_vehicle_kind::model_kind& the_key, key_state to);
void set_time_of(const sm_model_vehicle_kind::model_kind& the_key, const csl_time::time& to);
csl_time::time time_of(const sm_model_vehicle_kind::model_kind& the_key);
key_state state_of(const sm_model_vehicle_kind::model_kind& the_key);

sm_model_vehicle_kind::model_kind value_of(int the_position);
bool is_empty(int the_position);
csl_time::time mod_time_of(int the_position);

void initialise(iterator& the_iterator);
void next(iterator& the_iterator);
sm_model_vehicle_kind::model_kind value_of(const iterator& the_iterator);
bool is_done(const iterator& the_iterator);

}  // namespace sm_model_vehicle_database
