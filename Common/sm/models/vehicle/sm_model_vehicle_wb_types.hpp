// Types and descriptors of the wideband group: per tonal its kind (pres, hres or
// lres), name, series number, fundamental frequency, speed band and levels; per
// propulsion mode its on/off switch and instability; per line a frequency and level
// correction; and the parts that only pres or only hres and lres tonals have.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "csl_frequency.hpp"
#include "csl_levels.hpp"
#include "csl_ranged.hpp"
#include "csl_statistical.hpp"
#include "csl_tonals.hpp"
#include "csl_velocity.hpp"
#include "sm_model_vehicle_characteristics.hpp"

namespace sm_model_vehicle_wb_types {

namespace ch = sm_model_vehicle_characteristics;

// Tonal series numbers: narrowband 0 .. 499, wideband 500 .. 799.
using tonal_series_no = csl::ranged<std::uint16_t, 0, 799>;

using c800_type = csl::fixed_text<6>;
// The tonal's kind, one of the wideband series types pres .. lres; the
// discriminant of the tonal record.
using c801_type = csl_tonals::series_type;
enum class c802_type : std::uint8_t { off = 0, on = 1 };
using c809_type = csl::ranged<std::uint16_t, 500, 799>;  // a wideband tonal_series_no
using c813_type = csl_levels::db;
using c830_type = csl_frequency::offset;
using fundamental_freq = c830_type;
using c831_type = csl_statistical::percentage;
using resonant_freq_offset = c831_type;
using c832_type = float;
using freq_var_with_speed = c832_type;
using c833_type = csl_levels::db;
using c836_type = csl_velocity::speed;
using min_speed = c836_type;
using c837_type = csl_velocity::speed;
using max_speed = c837_type;
enum class c850_type : std::uint8_t { stable = 0, sinusoidal = 1, sawtooth = 2, random = 3 };
using c851_type = csl::ranged<std::uint16_t, 0, 9999>;  // whole seconds
using c852_type = csl_statistical::percentage;
using instability_deviation = c852_type;
using c853_type = csl::ranged<std::uint8_t, 0, 12>;  // an index into grades
using c856_type = csl::ranged<std::uint8_t, 0, 10>;
using c857_type = float;
using freq_correction = c857_type;
using c858_type = csl_levels::db;
using c864_type = csl_levels::db;
using c865_type = csl_levels::db;
using c880_type = csl_levels::db;
using c881_type = float;
using level_inc_to_max_speed = c881_type;

static_assert(sizeof(c801_type) == 1 && sizeof(c802_type) == 1 && sizeof(c850_type) == 1);

// Instability grades: the percentage that each value of c853 stands for. They
// double from 0.05 to 6.4, then rise by 2 and 3.
class grade_table {
 public:
  static constexpr std::size_t size() { return 13; }
  // A grade outside 0 .. 12 is the range error.
  constexpr csl_statistical::percentage operator[](c853_type grade) const {
    return values_[grade.value()];
  }

 private:
  static constexpr std::array<csl_statistical::percentage, 13> values_{
      csl_statistical::percentage(0.0F),  csl_statistical::percentage(0.05F),
      csl_statistical::percentage(0.1F),  csl_statistical::percentage(0.2F),
      csl_statistical::percentage(0.4F),  csl_statistical::percentage(0.8F),
      csl_statistical::percentage(1.6F),  csl_statistical::percentage(3.2F),
      csl_statistical::percentage(6.4F),  csl_statistical::percentage(8.0F),
      csl_statistical::percentage(10.0F), csl_statistical::percentage(12.0F),
      csl_statistical::percentage(15.0F)};
};

inline constexpr grade_table grades{};

// ---- Descriptors, in start-up order: (min, max, default) ----

inline constinit ch::text<6> c800{800, "NONAME"};
inline constinit ch::enumeration c801{801,
                                      csl_tonals::series_type::pres,
                                      {"pres", "hres", "lres"},
                                      csl_tonals::series_type::pres,
                                      csl_tonals::series_type::lres,
                                      csl_tonals::series_type::pres};
inline constinit ch::enumeration c802{
    802, {"off", "on"}, c802_type::off, c802_type::on, c802_type::off};
inline constinit ch::integer<c809_type> c809{809, 500, 799, 500};
inline constinit ch::quantity<csl_levels::db> c813{813, ch::decibels(-300), ch::decibels(300),
                                                   ch::decibels(0)};
inline constinit ch::plain_real<c830_type, 5, 2> c830{
    {830, "fundamental_freq"}, 0.0F, 99999.99F, 0.0F};
inline constinit ch::plain_real<c831_type, 2, 1> c831{
    {831, "resonant_freq_offset"}, 0.0F, 99.9F, 0.0F};
inline constinit ch::plain_real<c832_type, 2, 1> c832{
    {832, "freq_var_with_speed"}, 0.0F, 99.9F, 0.0F};
inline constinit ch::quantity<csl_levels::db> c833{833, ch::decibels(0), ch::decibels(500),
                                                   ch::decibels(0)};
inline constinit ch::quantity<csl_velocity::speed> c836{
    {836, "min_speed"}, ch::knots(0), ch::knots(99.9F), ch::knots(0)};
inline constinit ch::quantity<csl_velocity::speed> c837{
    {837, "max_speed"}, ch::knots(0), ch::knots(99.9F), ch::knots(0)};
inline constinit ch::enumeration c850{850,
                                      {"stable", "sinusoidal", "sawtooth", "random"},
                                      c850_type::stable,
                                      c850_type::random,
                                      c850_type::stable};
inline constinit ch::time<c851_type> c851{851, 0, 9999, 0};
inline constinit ch::plain_real<c852_type, 2, 3> c852{
    {852, "instability_deviation"}, 0.0F, 99.999F, 0.0F};
inline constinit ch::integer<c853_type> c853{853, 0, 12, 0};
inline constinit ch::integer<c856_type> c856{856, 0, 10, 0};
inline constinit ch::plain_real<c857_type, 4, 0> c857{
    {857, "freq_correction"}, -999.0F, 999.0F, 0.0F};
// 99.9 dB is no whole count of 1/64 dB: the bound is stored as 6394 counts and
// reads back as 99.90625 dB.
inline constinit ch::quantity<csl_levels::db> c858{858, ch::decibels(-99), ch::decibels(99.9F),
                                                   ch::decibels(0)};
inline constinit ch::quantity<csl_levels::db> c864{864, ch::decibels(-99), ch::decibels(99),
                                                   ch::decibels(0)};
inline constinit ch::quantity<csl_levels::db> c865{865, ch::decibels(-99), ch::decibels(99),
                                                   ch::decibels(0)};
inline constinit ch::quantity<csl_levels::db> c880{880, ch::decibels(-300), ch::decibels(300),
                                                   ch::decibels(0)};
inline constinit ch::plain_real<c881_type, 2, 5> c881{
    {881, "level_inc_to_max_speed"}, -9.99998F, 9.99998F, 0.0F};

// Converts defaults and bounds, builds the bound images and choice lists and adds
// the rows to the catalogue.
void start_up();
bool started();

}  // namespace sm_model_vehicle_wb_types
