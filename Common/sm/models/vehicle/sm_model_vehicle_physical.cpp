#include "sm_model_vehicle_physical.hpp"

#include "sm_model_vehicle_group_defaults.hpp"

#include <limits>

#include "csl_exceptions.hpp"

namespace sm_model_vehicle_physical {
namespace {

using defaults = sm_model_vehicle_group_defaults::defaults<prop_mode_dependent, group>;

defaults& the_defaults() {
  static defaults value;
  return value;
}

}  // namespace

csl_levels::db wide_db::level() const {
  if (count_ < std::numeric_limits<std::int16_t>::min() ||
      count_ > std::numeric_limits<std::int16_t>::max()) {
    throw csl::range_error("sm_model_vehicle_physical.wide_db.level");
  }
  return csl_levels::db::from_count(static_cast<std::int16_t>(count_));
}

void start_up() {
  if (!types::started()) types::start_up();
  prop_mode_dependent m;
  m.c204 = types::c204.default_();
  m.c205 = types::c205.default_();
  m.c277 = types::c277.default_();
  m.c278 = wide_db(types::c278.default_());

  group g;
  g.c200 = types::c200.default_();
  g.c201 = types::c201.default_();
  g.c202 = types::c202.default_();
  g.c203 = types::c203.default_();
  g.c206 = types::c206.default_();
  g.c209 = types::c209.default_();
  g.c215 = types::c215.default_();
  g.c216 = types::c216.default_();
  g.c217 = types::c217.default_();
  g.c218 = types::c218.default_();
  g.c220 = types::c220.default_();
  g.c257 = types::c257.default_();
  g.c258 = types::c258.default_();
  g.c259 = types::c259.default_();
  g.c260 = types::c260.default_();
  g.c261 = types::c261.default_();
  g.c210 = types::c210.default_();
  the_defaults().build(m, g);
}

bool started() {
  return the_defaults().built();
}

const prop_mode_dependent& prop_mode_dependent_defaults() {
  return the_defaults().mode();
}
const prop_modes& prop_modes_defaults() {
  return the_defaults().modes();
}
const group& group_default() {
  return the_defaults().whole();
}

}  // namespace sm_model_vehicle_physical
