#include "sm_model_vehicle_general.hpp"

namespace sm_model_vehicle_general {
namespace {

group& the_default() {
  static group value;
  return value;
}

}  // namespace

void start_up() {
  // Every field from its characteristic's default; only the validity is a literal.
  group g;
  g.set_is_valid(false);
  g.set_permanence(types::permanence_characteristic.default_());
  g.c100 = types::c100.default_();
  g.library_number = types::library_number_characteristic.default_();
  g.c101 = types::c101.default_();
  g.c102 = types::c102.default_();
  g.c103 = types::c103.default_();
  g.c104 = types::c104.default_();
  g.c105 = types::c105.default_();
  g.c106 = types::c106.default_();
  g.c109 = types::c109.default_();
  g.issue = types::issue_characteristic.default_();
  g.c114 = types::c114.default_();
  g.c115 = types::c115.default_();
  g.c107 = types::c107.default_();
  g.c005 = types::c005.default_();
  the_default() = g;
}

const group& group_default() {
  return the_default();
}

}  // namespace sm_model_vehicle_general
