// Types and descriptors of the part every narrowband tonal shares: its kind, its
// instability per propulsion mode, its harmonic corrections and levels, the tonal
// series numbers, the instability grades, and the shaft distribution of the
// narrowband group.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "csl_exceptions.hpp"
#include "csl_fixed_text.hpp"
#include "csl_levels.hpp"
#include "csl_ranged.hpp"
#include "csl_statistical.hpp"
#include "csl_tonals.hpp"
#include "sm_model_vehicle_characteristics.hpp"

namespace sm_model_vehicle_nb_common_types {

namespace ch = sm_model_vehicle_characteristics;

// A narrowband series type, spd .. modu, in one byte. Storing any other series
// type raises the range error and keeps the old value. A value read from a file
// is taken as it is; whoever uses it checks it.
class nb_series_type {
 public:
  using value_type = csl_tonals::series_type;

  constexpr nb_series_type() = default;
  // Implicit on purpose: `common.c702 = series_type::bld;` reads as the assignment it is.
  // NOLINTNEXTLINE(google-explicit-constructor)
  constexpr nb_series_type(value_type t) : value_(checked(t)) {}

  constexpr value_type value() const { return value_; }
  constexpr operator value_type() const { return value_; }  // NOLINT(google-explicit-constructor)

  static constexpr bool in_range(value_type t) {
    return t >= value_type::spd && t <= value_type::modu;
  }

 private:
  static constexpr value_type checked(value_type t) {
    if (!in_range(t)) throw csl::range_error("sm_model_vehicle_nb_common_types.nb_series_type");
    return t;
  }

  value_type value_ = value_type::spd;
};

static_assert(sizeof(nb_series_type) == 1);

// Tonal series numbers: narrowband 0 .. 499, wideband 500 .. 799.
using tonal_series_no = csl::ranged<std::uint16_t, 0, 799>;
// A narrowband series slot, 1 .. 40, or none.
using nb_series_ref = csl::ranged<csl_tonals::series_reference, 0, 40>;
inline constexpr nb_series_ref unallocated{0};

using c700_type = csl::fixed_text<6>;
using c701_type = nb_series_type;
using c702_type = nb_series_type;
using c709_type = csl::ranged<std::uint16_t, 0, 499>;
// How a tonal's frequency wanders.
enum class c750_type : std::uint8_t { stable = 0, sinusoidal = 1, sawtooth = 2, random = 3 };
// The field that stores it: any other byte is the range error.
using c750_field = csl::ranged_enum<c750_type, c750_type::stable, c750_type::random>;
using c751_type = csl::ranged<std::uint16_t, 0, 9999>;  // whole seconds
using c752_type = csl_statistical::percentage;
using instability_deviation = c752_type;
using c753_type = csl::ranged<std::uint8_t, 0, 12>;  // an index into grades
using c756_type = csl::ranged<std::uint8_t, 0, 10>;
using c757_type = csl::ranged<std::uint16_t, 0, 999>;
using c758_type = csl::ranged<std::int8_t, -99, 99>;
using c764_type = csl_levels::db;
using c765_type = csl_levels::db;
using c786_type = float;
using shaft_1_async_distribution = c786_type;
using c787_type = float;
using shaft_2_async_distribution = c787_type;
using c788_type = float;
using shaft_3_async_distribution = c788_type;
using c789_type = float;
using shaft_4_async_distribution = c789_type;

static_assert(sizeof(c750_type) == 1 && sizeof(c752_type) == 4 && sizeof(c764_type) == 2);
static_assert(sizeof(c750_field) == 1);

// The instability grades c753 selects: doubling from 0.05 % to 6.4 %, then 8, 10,
// 12 and 15 %. An index outside 0 .. 12 (one read from a file) is the range error.
inline constexpr std::array<float, 13> grade_percentages{
    0.0F, 0.05F, 0.1F, 0.2F, 0.4F, 0.8F, 1.6F, 3.2F, 6.4F, 8.0F, 10.0F, 12.0F, 15.0F};

constexpr csl_statistical::percentage grades(c753_type index) {
  if (index.value() >= grade_percentages.size()) {
    throw csl::range_error("sm_model_vehicle_nb_common_types.grades");
  }
  return csl_statistical::percentage(grade_percentages[index.value()]);
}

// ---- Descriptors, in start-up order: (min, max, default) ----

inline constinit ch::text<6> c700{700, "NONAME"};
inline constinit ch::enumeration c701{701,
                                      csl_tonals::series_type::spd,
                                      {"spd", "bld", "aux", "fir", "modu"},
                                      csl_tonals::series_type::spd,
                                      csl_tonals::series_type::modu,
                                      csl_tonals::series_type::spd};
inline constinit ch::enumeration c702{702,
                                      csl_tonals::series_type::spd,
                                      {"spd", "bld", "aux", "fir", "modu"},
                                      csl_tonals::series_type::spd,
                                      csl_tonals::series_type::modu,
                                      csl_tonals::series_type::spd};
inline constinit ch::integer<tonal_series_no> tonal_series_no_characteristic{"tonal_series_no", 0,
                                                                             799, 0};
inline constinit ch::integer<c709_type> c709{709, 0, 499, 0};
inline constinit ch::enumeration c750{750,
                                      {"stable", "sinusoidal", "sawtooth", "random"},
                                      c750_type::stable,
                                      c750_type::random,
                                      c750_type::stable};
inline constinit ch::time<c751_type> c751{751, 0, 9999, 0};
inline constinit ch::plain_real<c752_type, 2, 3> c752{
    {752, "instability_deviation"}, 0.0F, 99.999F, 0.0F};
inline constinit ch::integer<c753_type> c753{753, 0, 12, 0};
inline constinit ch::integer<c756_type> c756{756, 0, 10, 0};
inline constinit ch::integer<c757_type> c757{757, 0, 999, 0};
inline constinit ch::integer<c758_type> c758{758, -99, 99, 0};
inline constinit ch::quantity<csl_levels::db> c764{764, ch::decibels(-99.0F), ch::decibels(99.0F),
                                                   ch::decibels(0.0F)};
inline constinit ch::quantity<csl_levels::db> c765{765, ch::decibels(-99.0F), ch::decibels(99.0F),
                                                   ch::decibels(0.0F)};
inline constinit ch::plain_real<c786_type, 4, 1> c786{
    {786, "shaft_1_async_distribution"}, -100.0F, 100.0F, 0.0F};
inline constinit ch::plain_real<c787_type, 4, 1> c787{
    {787, "shaft_2_async_distribution"}, -100.0F, 100.0F, 0.0F};
inline constinit ch::plain_real<c788_type, 4, 1> c788{
    {788, "shaft_3_async_distribution"}, -100.0F, 100.0F, 0.0F};
inline constinit ch::plain_real<c789_type, 4, 1> c789{
    {789, "shaft_4_async_distribution"}, -100.0F, 100.0F, 0.0F};

// The integer image of a series number: " 0", " 799"; another value is the range
// error.
std::string tonal_series_no_image_of(tonal_series_no n);
// " 0" and " 799", once the module has started.
const std::string& tonal_series_no_min_image();
const std::string& tonal_series_no_max_image();

// Builds the bound images and choice lists and adds the rows to the catalogue.
void start_up();
bool started();

}  // namespace sm_model_vehicle_nb_common_types
