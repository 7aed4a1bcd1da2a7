#include "sm_model_vehicle_physical.hpp"

#include <limits>

#include "csl_decibel.hpp"
#include "csl_exceptions.hpp"

namespace sm_model_vehicle_physical {
namespace {

struct defaults {
  prop_mode_dependent mode;
  prop_modes modes;
  group whole;
};

defaults& the_defaults() {
  static defaults value;
  return value;
}

csl_levels::db level(float decibels) {
  return csl_levels::level_of(csl_decibel::dbs_of(decibels));
}

csl_length::distance yards(float value) {
  return csl_length::create<csl_length::distance>(csl_length::yards{value});
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
  // TODO: take the defaults from the characteristic descriptors once they exist.
  defaults& d = the_defaults();
  d.mode.c204 = 0;
  d.mode.c205 = 3;
  d.mode.c277 = level(20.0F);
  d.mode.c278 = wide_db(level(0.0F));
  d.modes = {d.mode, d.mode, d.mode};

  group g;
  g.pmode = d.modes;
  g.c200 = yards(50.0F);
  g.c203 = yards(50.0F);
  g.c215 = yards(10.0F);
  g.c220 = csl_angle::from_float_degrees_convert(45.0F);
  g.c257 = level(20.0F);
  g.c258 = level(10.0F);
  g.c259 = csl_angle::from_float_degrees_convert(25.0F);
  g.c260 = level(0.0F);
  g.c261 = level(0.0F);
  g.c210 = 10.0F;
  d.whole = g;
}

const prop_mode_dependent& prop_mode_dependent_defaults() {
  return the_defaults().mode;
}
const prop_modes& prop_modes_defaults() {
  return the_defaults().modes;
}
const group& group_default() {
  return the_defaults().whole;
}

}  // namespace sm_model_vehicle_physical
