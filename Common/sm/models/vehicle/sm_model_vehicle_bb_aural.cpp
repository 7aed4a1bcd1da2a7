#include "sm_model_vehicle_bb_aural.hpp"

#include "csl_exceptions.hpp"
#include "sm_model_vehicle_group_defaults.hpp"

namespace sm_model_vehicle_bb_aural {
namespace {

// The four levels of nesting, each built from the one inside it.
struct defaults {
  prop_mode_dependent mode{};
  effect_modes modes{};
  effect one_effect{};
  effects all_effects{};
  group whole{};
};

defaults& the_defaults() {
  static defaults value;
  return value;
}

// An effect or mode made without a value holds 0, and one read from a file is taken
// as it is: neither may index past the arrays.
std::size_t element_of(std::int64_t number) {
  if (number < 1 || number > 3) throw csl::range_error("sm_model_vehicle_bb_aural.values_of");
  return static_cast<std::size_t>(number - 1);
}

template <class Group>
auto& values_in(Group& the_group, types::aural_effect_index_type the_effect, mode_number the_mode) {
  return the_group.effect[element_of(the_effect.value())].pmode[element_of(the_mode.value())];
}

}  // namespace

prop_mode_dependent& values_of(group& the_group, types::aural_effect_index_type the_effect,
                               mode_number the_mode) {
  return values_in(the_group, the_effect, the_mode);
}

const prop_mode_dependent& values_of(const group& the_group,
                                     types::aural_effect_index_type the_effect,
                                     mode_number the_mode) {
  return values_in(the_group, the_effect, the_mode);
}

namespace {

sm_model_vehicle_group_defaults::built_once building;

void build_defaults() {
  if (!types::started()) types::start_up();
  // Every byte not set below, the gap included, is zero.
  prop_mode_dependent m{};
  m.c560 = types::c560.default_();
  m.c561 = types::c561.default_();
  m.c562 = types::c562.default_();
  m.c563 = types::c563.default_();
  m.c564 = types::c564.default_();
  m.c565 = types::c565.default_();
  m.c566 = types::c566.default_();
  m.c567 = types::c567.default_();
  m.c568 = types::c568.default_();
  m.c570 = types::c570.default_();
  m.c572 = types::c572.default_();
  m.c573 = types::c573.default_();
  m.c574 = types::c574.default_();

  defaults& d = the_defaults();
  d.mode = m;
  d.modes = {m, m, m};
  d.one_effect.pmode = d.modes;
  d.all_effects = {d.one_effect, d.one_effect, d.one_effect};
  d.whole.effect = d.all_effects;
}

}  // namespace

void start_up() {
  building.run(build_defaults);
}

bool started() {
  return building.done();
}

const prop_mode_dependent& prop_mode_dependent_defaults() {
  start_up();
  return the_defaults().mode;
}
const effect_modes& effect_modes_defaults() {
  start_up();
  return the_defaults().modes;
}
const effect& effect_defaults() {
  start_up();
  return the_defaults().one_effect;
}
const effects& effects_defaults() {
  start_up();
  return the_defaults().all_effects;
}
const group& group_default() {
  start_up();
  return the_defaults().whole;
}

}  // namespace sm_model_vehicle_bb_aural
