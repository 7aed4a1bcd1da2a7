// Types and descriptors of the modulating tonal (kind modu): what modulates it,
// one or several sources, and per propulsion mode its ratio to the shaft rate.
#pragma once

#include <cstdint>

#include "csl_ranged.hpp"
#include "sm_model_vehicle_characteristics.hpp"

namespace sm_model_vehicle_nb_mod_types {

namespace ch = sm_model_vehicle_characteristics;

enum class c742_type : std::uint8_t { prop_shaft = 0, prop_blade = 1, eng_machine = 2 };
enum class c743_type : std::uint8_t { single = 0, multiple = 1 };
// The fields that store them: any other byte is the range error.
using c742_field = csl::ranged_enum<c742_type, c742_type::prop_shaft, c742_type::eng_machine>;
using c743_field = csl::ranged_enum<c743_type, c743_type::single, c743_type::multiple>;
using c785_type = float;
using ratio_to_shaft_rate = c785_type;

static_assert(sizeof(c742_type) == 1 && sizeof(c743_type) == 1);
static_assert(sizeof(c742_field) == 1 && sizeof(c743_field) == 1);

// ---- Descriptors, in start-up order: (min, max, default) ----

inline constinit ch::enumeration c742{742,
                                      {"prop_shaft", "prop_blade", "eng_machine"},
                                      c742_type::prop_shaft,
                                      c742_type::eng_machine,
                                      c742_type::prop_shaft};
inline constinit ch::enumeration c743{
    743, {"single", "multiple"}, c743_type::single, c743_type::multiple, c743_type::single};
inline constinit ch::plain_real<c785_type, 3, 3> c785{
    {785, "ratio_to_shaft_rate"}, 0.0F, 999.999F, 0.0F};

// Builds the bound images and choice lists and adds the rows to the catalogue.
void start_up();
bool started();

}  // namespace sm_model_vehicle_nb_mod_types
