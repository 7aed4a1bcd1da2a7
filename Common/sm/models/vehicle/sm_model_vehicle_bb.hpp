// The broadband group: a vehicle's broadband acoustic signature, made of the aural
// effects, flow noise, machinery noise, propeller noise and propeller modulation
// sub-groups laid end to end.
#pragma once

#include <cstddef>
#include <span>
#include <type_traits>

#include "sm_model_vehicle_bb_aural.hpp"
#include "sm_model_vehicle_bb_flow.hpp"
#include "sm_model_vehicle_bb_machinery.hpp"
#include "sm_model_vehicle_bb_propeller.hpp"
#include "sm_model_vehicle_bb_propeller_modulation.hpp"
#include "sm_model_vehicle_fields.hpp"

namespace sm_model_vehicle_bb {

// 656 bytes, no gaps between the sub-groups.
struct group {
  sm_model_vehicle_bb_aural::group aural;
  sm_model_vehicle_bb_flow::group flow;
  sm_model_vehicle_bb_machinery::group mach;
  sm_model_vehicle_bb_propeller::group prop;
  sm_model_vehicle_bb_propeller_modulation::group prop_modu;
};

static_assert(sizeof(group) == 656);
static_assert(offsetof(group, aural) == 0 && offsetof(group, flow) == 324);
static_assert(offsetof(group, mach) == 384 && offsetof(group, prop) == 440);
static_assert(offsetof(group, prop_modu) == 532);

// Read and written as its bytes.
static_assert(std::is_trivially_copyable_v<group>);

// Copies the five sub-group defaults into place, once: group_default asks for it
// on first use.
void start_up();
bool started();
const group& group_default();

// Where each characteristic of the group lies, offsets from the start of the group.
std::span<const sm_model_vehicle_fields::field> fields();

}  // namespace sm_model_vehicle_bb
