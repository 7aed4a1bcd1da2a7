// Types and descriptors of the project-specific group: six pairs of small integers,
// each a tonal series reference (0 .. 50) and a companion value (0 .. 10). The
// pairs after the first share the first pair's types and image operations.
#pragma once

#include <cstdint>

#include "csl_ranged.hpp"
#include "sm_model_vehicle_characteristics.hpp"

namespace sm_model_vehicle_project_specific_types {

namespace ch = sm_model_vehicle_characteristics;

// A tonal series reference (0 for none) and its companion, one byte each.
using c940_type = csl::ranged<std::uint8_t, 0, 50>;
using c941_type = csl::ranged<std::uint8_t, 0, 10>;
using c942_type = c940_type;
using c943_type = c941_type;
using c944_type = c940_type;
using c945_type = c941_type;
using c946_type = c940_type;
using c947_type = c941_type;
using c948_type = c940_type;
using c949_type = c941_type;
using c950_type = c940_type;
using c951_type = c941_type;

// ---- Descriptors, in start-up order: (min, max, default) ----

inline constinit ch::integer<c940_type> c940{940, 0, 50, 0};
inline constinit ch::integer<c941_type> c941{941, 0, 10, 0};
inline constinit ch::integer_sharing_image<c942_type> c942{942, 0, 50, 0, "c940"};
inline constinit ch::integer_sharing_image<c943_type> c943{943, 0, 10, 0, "c941"};
inline constinit ch::integer_sharing_image<c944_type> c944{944, 0, 50, 0, "c940"};
inline constinit ch::integer_sharing_image<c945_type> c945{945, 0, 10, 0, "c941"};
inline constinit ch::integer_sharing_image<c946_type> c946{946, 0, 50, 0, "c940"};
inline constinit ch::integer_sharing_image<c947_type> c947{947, 0, 10, 0, "c941"};
inline constinit ch::integer_sharing_image<c948_type> c948{948, 0, 50, 0, "c940"};
inline constinit ch::integer_sharing_image<c949_type> c949{949, 0, 10, 0, "c941"};
inline constinit ch::integer_sharing_image<c950_type> c950{950, 0, 50, 0, "c940"};
inline constinit ch::integer_sharing_image<c951_type> c951{951, 0, 10, 0, "c941"};

// Builds the bound images and adds the rows to the catalogue.
void start_up();
bool started();

}  // namespace sm_model_vehicle_project_specific_types
