// The project-specific group: six pairs of a tonal series reference and its
// companion value, one byte each.
#pragma once

#include <cstddef>
#include <span>
#include <type_traits>

#include "sm_model_vehicle_fields.hpp"
#include "sm_model_vehicle_project_specific_types.hpp"

namespace sm_model_vehicle_project_specific {

namespace types = sm_model_vehicle_project_specific_types;

// 12 bytes, no gaps.
struct group {
  types::c940_type c940;
  types::c941_type c941;
  types::c942_type c942;
  types::c943_type c943;
  types::c944_type c944;
  types::c945_type c945;
  types::c946_type c946;
  types::c947_type c947;
  types::c948_type c948;
  types::c949_type c949;
  types::c950_type c950;
  types::c951_type c951;

  friend bool operator==(const group&, const group&) = default;
};

static_assert(sizeof(group) == 12);
static_assert(offsetof(group, c940) == 0 && offsetof(group, c941) == 1);
static_assert(offsetof(group, c942) == 2 && offsetof(group, c943) == 3);
static_assert(offsetof(group, c944) == 4 && offsetof(group, c945) == 5);
static_assert(offsetof(group, c946) == 6 && offsetof(group, c947) == 7);
static_assert(offsetof(group, c948) == 8 && offsetof(group, c949) == 9);
static_assert(offsetof(group, c950) == 10 && offsetof(group, c951) == 11);

// Read and written as its bytes.
static_assert(std::is_trivially_copyable_v<group>);

// The default is twelve zero bytes and needs no computing; start-up only starts
// the types module if a caller has not, so that the descriptors are there whenever
// the group is.
void start_up();
bool started();
const group& group_default();

// Where each characteristic of the group lies, offsets from the start of the group.
std::span<const sm_model_vehicle_fields::field> fields();

}  // namespace sm_model_vehicle_project_specific
