#include "sm_model_vehicle_general.hpp"

namespace sm_model_vehicle_general {
namespace {

group& the_default() {
  static group value;
  return value;
}

}  // namespace

void start_up() {
  // TODO: take the defaults from the characteristic descriptors once they exist.
  group g;
  g.set_is_valid(false);
  g.set_permanence(types::permanence_default);
  g.c100 = 1;
  g.library_number = 0;
  g.c101 = types::c101_type::from("NONAME");
  g.c102 = types::c102_type::from("UNKNOWN");
  g.c103 = types::c103_type::from("UNKNOWN");
  g.c106 = types::c106_type::blanks();
  g.c109 = types::c109_type::blanks();
  g.c005 = 1;
  the_default() = g;
}

const group& group_default() {
  return the_default();
}

}  // namespace sm_model_vehicle_general
