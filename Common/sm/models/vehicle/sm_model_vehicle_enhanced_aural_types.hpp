// Types and descriptors of the enhanced aural group: per effect set its names, an
// aspect angle, levels and an amplitude period; per propulsion mode the broadband
// shape, modulation, the speed and depth band, on/off timing and the speed and
// depth breakpoints of the effect.
#pragma once

#include <cstdint>

#include "csl_angle.hpp"
#include "csl_fixed_text.hpp"
#include "csl_frequency.hpp"
#include "csl_length.hpp"
#include "csl_levels.hpp"
#include "csl_ranged.hpp"
#include "csl_statistical.hpp"
#include "csl_velocity.hpp"
#include "sm_model_vehicle_characteristics.hpp"

namespace sm_model_vehicle_enhanced_aural_types {

namespace ch = sm_model_vehicle_characteristics;

// The effect sets of a vehicle, 1 .. 10.
using enhanced_aural_index_type = csl::ranged<std::int32_t, 1, 10>;

using c1000_type = csl::fixed_text<12>;
using c1001_type = csl::ranged<std::uint16_t, 0, 999>;
using c1010_type = csl::fixed_text<3>;
using c1011_type = csl::ranged<std::uint16_t, 0, 999>;
using c1012_type = csl::ranged<std::uint16_t, 0, 999>;
using c1013_type = csl_levels::db;
using c1014_type = float;
using bb_source_level_slope = c1014_type;
using c1015_type = float;
using bb_mid_frequency_slope = c1015_type;
using c1016_type = csl_frequency::offset;
using bb_low_frequency_breakpoint = c1016_type;
using c1017_type = float;
using bb_low_frequency_slope = c1017_type;
using c1020_type = csl::ranged<std::uint16_t, 0, 999>;
using c1021_type = csl::ranged<std::uint16_t, 0, 999>;
using c1022_type = csl_statistical::percentage;
using modulation_depth = c1022_type;
using c1023_type = csl::fixed_text<6>;
using c1024_type = float;
using rpm_peak_offset = c1024_type;
using c1030_type = csl::ranged<std::uint8_t, 0, 9>;
using c1040_type = csl_velocity::speed;
using min_speed = c1040_type;
using c1041_type = csl_velocity::speed;
using max_speed = c1041_type;
using c1042_type = float;
using speed_variation_with_depth = c1042_type;
using c1050_type = csl_length::position_vector;
using minimum_depth = c1050_type;
using c1051_type = csl_length::position_vector;
using maximum_depth = c1051_type;
using c1052_type = float;
using depth_variation_with_speed = c1052_type;
using c1060_type = float;  // seconds
using mean_on_time = c1060_type;
using c1061_type = float;  // seconds
using std_dev_on_time = c1061_type;
using c1062_type = float;  // seconds
using mean_off_time = c1062_type;
using c1063_type = float;  // seconds
using std_dev_off_time = c1063_type;
using c1064_type = csl_velocity::speed;
using intermittent_speed_range = c1064_type;
using c1065_type = csl_length::position_vector;
using intermittent_depth_range = c1065_type;
using c1066_type = float;  // seconds
using max_mean_on_time = c1066_type;
using c1070_type = csl::ranged<std::int32_t, 0, 9>;  // a full 32-bit field
using c1071_type = csl::ranged<std::uint8_t, 0, 9>;
using c1080_type = csl_levels::db;
using c1081_type = csl_levels::db;
using c1082_type = csl_angle::angle;
using aspect_angle = c1082_type;
using c1090_type = csl::ranged<std::uint16_t, 0, 999>;
using c1091_type = csl::ranged<std::uint16_t, 0, 999>;
using c1092_type = csl::ranged<std::uint16_t, 0, 9>;
using c1100_type = csl_levels::db;
using c1101_type = float;  // seconds
using amplitude_variability_period = c1101_type;
using c1200_type = csl_velocity::speed;
using tdf_min_speed_breakpoint = c1200_type;
using c1201_type = csl_velocity::speed;
using tdf_max_speed_breakpoint = c1201_type;
using c1202_type = csl_length::position_vector;
using tdf_min_depth_breakpoint = c1202_type;
using c1203_type = c1202_type;
using tdf_max_depth_breakpoint = c1203_type;
using c1210_type = csl::fixed_text<1>;
using c1211_type = csl::ranged<std::uint16_t, 0, 9>;
using c1212_type = float;
using tdf_ratio_to_shaft_rate = c1212_type;
using c1220_type = csl_levels::db;
using c1221_type = float;
using tdf_sl_speed_breakpoint = c1221_type;
using c1222_type = float;
using tdf_sl_low_speed_slope = c1222_type;
using c1223_type = float;
using tdf_sl_high_speed_slope = c1223_type;
using c1224_type = float;
using tdf_sl_offset_variation_with_depth = c1224_type;

// ---- Descriptors, in start-up order: (min, max, default) ----

inline constinit ch::text<12> c1000{1000, "NONAME"};
inline constinit ch::integer<c1001_type> c1001{1001, 0, 999, 0};
inline constinit ch::text<3> c1010{1010, ""};
inline constinit ch::integer<c1011_type> c1011{1011, 0, 999, 0};
inline constinit ch::integer<c1012_type> c1012{1012, 0, 999, 0};
inline constinit ch::quantity<csl_levels::db> c1013{1013, ch::decibels(-300), ch::decibels(300),
                                                    ch::decibels(0)};
inline constinit ch::plain_real<c1014_type, 3, 1> c1014{
    {1014, "bb_source_level_slope"}, 0.0F, 999.9F, 0.0F};
inline constinit ch::plain_real<c1015_type, 3, 1> c1015{
    {1015, "bb_mid_frequency_slope"}, -99.9F, 99.9F, 0.0F};
inline constinit ch::plain_real<c1016_type, 5, 1> c1016{
    {1016, "bb_low_frequency_breakpoint"}, 0.0F, 99999.9F, 0.0F};
inline constinit ch::plain_real<c1017_type, 3, 1> c1017{
    {1017, "bb_low_frequency_slope"}, -99.9F, 99.9F, 0.0F};
inline constinit ch::integer<c1020_type> c1020{1020, 0, 999, 0};
inline constinit ch::integer<c1021_type> c1021{1021, 0, 999, 0};
inline constinit ch::plain_real<c1022_type, 2, 1> c1022{
    {1022, "modulation_depth"}, 0.0F, 99.9F, 0.0F};
inline constinit ch::text<6> c1023{1023, "NONAME"};
inline constinit ch::plain_real<c1024_type, 2, 1> c1024{
    {1024, "rpm_peak_offset"}, 0.0F, 99.9F, 0.0F};
inline constinit ch::integer<c1030_type> c1030{1030, 0, 9, 0};
// The speed defaults are their own minimum, copied once it is computed.
inline constinit ch::quantity<csl_velocity::speed> c1040{
    {1040, "min_speed"}, ch::knots(0), ch::knots(9999.9F), ch::min_of(c1040)};
inline constinit ch::quantity<csl_velocity::speed> c1041{
    {1041, "max_speed"}, ch::knots(0), ch::knots(9999.9F), ch::min_of(c1041)};
inline constinit ch::plain_real<c1042_type, 5, 1> c1042{
    {1042, "speed_variation_with_depth"}, -9999.9F, 9999.9F, 0.0F};
// Depths run downwards, so the maximum depth is the lower number: the max of these
// two lies below their min.
inline constinit ch::quantity<csl_length::position_vector> c1050{
    {1050, "minimum_depth"}, ch::feet(0), ch::feet(-99999.9F), ch::feet(0)};
inline constinit ch::quantity<csl_length::position_vector> c1051{
    {1051, "maximum_depth"}, ch::feet(0), ch::feet(-99999.9F), ch::feet(0)};
inline constinit ch::plain_real<c1052_type, 5, 1> c1052{
    {1052, "depth_variation_with_speed"}, -9999.9F, 9999.9F, 0.0F};
inline constinit ch::real_time<c1060_type, 4, 1> c1060{{1060, "mean_on_time"}, 0.0F, 9999.9F, 0.0F};
inline constinit ch::real_time<c1061_type, 3, 2> c1061{
    {1061, "std_dev_on_time"}, 0.0F, 999.99F, 0.0F};
inline constinit ch::real_time<c1062_type, 4, 1> c1062{
    {1062, "mean_off_time"}, 0.0F, 9999.9F, 0.0F};
inline constinit ch::real_time<c1063_type, 3, 2> c1063{
    {1063, "std_dev_off_time"}, 0.0F, 999.99F, 0.0F};
inline constinit ch::quantity<csl_velocity::speed> c1064{
    {1064, "intermittent_speed_range"}, ch::knots(0), ch::knots(9999.9F), ch::min_of(c1064)};
inline constinit ch::quantity<csl_length::position_vector> c1065{
    {1065, "intermittent_depth_range"}, ch::feet(0), ch::feet(99999.9F), ch::feet(0)};
inline constinit ch::real_time<c1066_type, 4, 1> c1066{
    {1066, "max_mean_on_time"}, 0.0F, 9999.9F, 0.0F};
inline constinit ch::integer<c1070_type> c1070{1070, 0, 9, 0};
inline constinit ch::integer<c1071_type> c1071{1071, 0, 9, 0};
inline constinit ch::quantity<csl_levels::db> c1080{1080, ch::decibels(-99), ch::decibels(99),
                                                    ch::decibels(0)};
inline constinit ch::quantity<csl_levels::db> c1081{1081, ch::decibels(-99), ch::decibels(99),
                                                    ch::decibels(0)};
inline constinit ch::quantity<csl_angle::angle, ch::image::degrees_180> c1082{
    {1082, "aspect_angle"}, ch::degrees(0), ch::degrees(90), ch::degrees(0)};
inline constinit ch::integer<c1090_type> c1090{1090, 0, 999, 0};
inline constinit ch::integer<c1091_type> c1091{1091, 0, 999, 0};
inline constinit ch::integer<c1092_type> c1092{1092, 0, 9, 0};
// 99.999 dB rounds to 6400 counts of 1/64 dB: the bound reads back as 100.0 dB.
inline constinit ch::quantity<csl_levels::db> c1100{1100, ch::decibels(0), ch::decibels(99.999F),
                                                    ch::decibels(0)};
inline constinit ch::real_time<c1101_type, 4, 1> c1101{
    {1101, "amplitude_variability_period"}, 0.0F, 9999.9F, 0.0F};
inline constinit ch::quantity<csl_velocity::speed> c1200{
    {1200, "tdf_min_speed_breakpoint"}, ch::knots(0), ch::knots(9999.9F), ch::min_of(c1200)};
inline constinit ch::quantity<csl_velocity::speed> c1201{
    {1201, "tdf_max_speed_breakpoint"}, ch::knots(0), ch::knots(9999.9F), ch::min_of(c1201)};
inline constinit ch::quantity<csl_length::position_vector> c1202{
    {1202, "tdf_min_depth_breakpoint"}, ch::feet(0), ch::feet(99999.9F), ch::feet(0)};
// Of c1202's type: every item a copy of c1202's, so c1202 starts first.
inline constinit ch::quantity<csl_length::position_vector> c1203{{1203, "tdf_max_depth_breakpoint"},
                                                                 ch::min_of(c1202),
                                                                 ch::max_of(c1202),
                                                                 ch::default_of(c1202)};
inline constinit ch::text<1> c1210{1210, " "};
inline constinit ch::integer<c1211_type> c1211{1211, 0, 9, 0};
inline constinit ch::plain_real<c1212_type, 3, 1> c1212{
    {1212, "tdf_ratio_to_shaft_rate"}, 0.0F, 100.0F, 0.0F};
inline constinit ch::quantity<csl_levels::db> c1220{1220, ch::decibels(-99), ch::decibels(99),
                                                    ch::decibels(0)};
inline constinit ch::plain_real<c1221_type, 4, 1> c1221{
    {1221, "tdf_sl_speed_breakpoint"}, 0.0F, 9999.9F, 0.0F};
// The three slopes default to their lower limits.
inline constinit ch::plain_real<c1222_type, 3, 2> c1222{
    {1222, "tdf_sl_low_speed_slope"}, -99.99F, 99.99F, -99.99F};
inline constinit ch::plain_real<c1223_type, 3, 2> c1223{
    {1223, "tdf_sl_high_speed_slope"}, -99.99F, 99.99F, -99.99F};
inline constinit ch::plain_real<c1224_type, 2, 3> c1224{
    {1224, "tdf_sl_offset_variation_with_depth"}, -9.999F, 9.999F, -9.999F};

// Converts defaults and bounds, builds the bound images and adds the rows to the
// catalogue.
void start_up();
bool started();

}  // namespace sm_model_vehicle_enhanced_aural_types
