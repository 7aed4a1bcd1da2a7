// Types and descriptors of the propulsion mode group: the mode number c300 (the
// index of every per-mode array of the vehicle record), the per-mode depth and
// speed limits, the references to other modes, the mode label and its time.
#pragma once

#include <cstdint>

#include "csl_fixed_text.hpp"
#include "csl_length.hpp"
#include "csl_ranged.hpp"
#include "csl_velocity.hpp"
#include "sm_model_vehicle_characteristics.hpp"

namespace sm_model_vehicle_propulsion_mode_types {

namespace ch = sm_model_vehicle_characteristics;

// A propulsion mode number, 1 .. 3: a stored 0 is outside the type.
using c300_type = csl::ranged<std::uint8_t, 1, 3>;
using c301_type = csl_length::position_vector;
using min_depth_this_mode = c301_type;
using c302_type = csl_length::position_vector;
using max_depth_this_mode = c302_type;
using c303_type = c300_type;
using c304_type = c300_type;
using c305_type = csl::fixed_text<4>;
using c311_type = csl_velocity::speed;
using min_speed_each_mode = c311_type;
using c312_type = csl_velocity::speed;
using max_speed_each_mode = c312_type;
using c313_type = c300_type;
using c314_type = c300_type;
using c320_type = csl::ranged<std::uint16_t, 0, 9999>;  // seconds

// ---- Descriptors, in start-up order: (min, max, default) ----

inline constinit ch::integer<c300_type> c300{300, 1, 3, 1};
inline constinit ch::quantity<csl_length::position_vector> c301{
    {301, "min_depth_this_mode"}, ch::yards(-3333.3F), ch::yards(3333.3F), ch::yards(0)};
inline constinit ch::quantity<csl_length::position_vector> c302{
    {302, "max_depth_this_mode"}, ch::yards(-33333), ch::yards(33333), ch::yards(0)};
// The mode references are shown by c300's image operation.
inline constinit ch::integer_sharing_image<c303_type> c303{303, 1, 3, 1, "c300"};
inline constinit ch::integer_sharing_image<c304_type> c304{304, 1, 3, 1, "c300"};
inline constinit ch::text<4> c305{305, "NONE"};
inline constinit ch::quantity<csl_velocity::speed> c311{
    {311, "min_speed_each_mode"}, ch::knots(-99.9F), ch::knots(99.9F), ch::knots(0)};
inline constinit ch::quantity<csl_velocity::speed> c312{
    {312, "max_speed_each_mode"}, ch::knots(-200), ch::knots(2000), ch::knots(50)};
inline constinit ch::integer_sharing_image<c313_type> c313{313, 1, 3, 1, "c300"};
inline constinit ch::integer_sharing_image<c314_type> c314{314, 1, 3, 1, "c300"};
// The default 0 lies below the editing bound 2 and is a legal stored value.
inline constinit ch::time<c320_type> c320{320, 2, 9999, 0};

// Builds the bound images and adds the rows to the catalogue.
void start_up();
bool started();

}  // namespace sm_model_vehicle_propulsion_mode_types
