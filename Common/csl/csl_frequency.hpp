// Frequencies: acoustic frequencies in hertz, signed shifts of them, their rates of
// change, and radio frequencies.
#pragma once

#include "csl_angle_rate.hpp"
#include "csl_quantity.hpp"
#include "csl_system_numbers.hpp"

namespace csl_frequency {

using csl_system_numbers::system_float;
using csl_system_numbers::system_integer;

// Gives the quantity types below this namespace's operators.
struct scope;

// Hertz, -999.0 .. 200000.0.
using hertz =
    csl::quantity<"csl_frequency.hertz", csl::bound(-999.0F), csl::bound(200000.0F), scope>;
// A signed frequency shift in hertz.
using offset = csl::unbounded_quantity<"csl_frequency.offset", scope>;
// Hertz per second.
using hertz_rate = csl::unbounded_quantity<"csl_frequency.hertz_rate", scope>;
// A radio frequency; its images are written in MHz and GHz.
using giga_hertz = csl::unbounded_quantity<"csl_frequency.giga_hertz", scope>;

static_assert(sizeof(hertz) == 4 && sizeof(offset) == 4 && sizeof(hertz_rate) == 4);
static_assert(sizeof(giga_hertz) == 4);

// The scaled or divided shift; a division by zero, or a result beyond the float32
// range, is the range error.
offset operator*(offset o, system_float r);
offset operator*(system_float r, offset o);
offset operator*(offset o, system_integer n);
offset operator*(system_integer n, offset o);
offset operator/(offset o, system_integer n);
offset operator/(offset o, system_float r);

// The revolutions per second of a rate of turn, as a magnitude: -360 degrees per
// second gives 1 Hz.
hertz hertz_of(csl_angle_rate::rate r);

}  // namespace csl_frequency
