#include "sm_model_vehicle_project_specific.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace sm_model_vehicle_project_specific {
namespace {

using sm_model_vehicle_fields::encoding;
using sm_model_vehicle_fields::field;

// Every characteristic of the group is one unsigned byte.
static_assert(sizeof(types::c940_type) == 1 && sizeof(types::c941_type) == 1);
constexpr field whole(std::string_view name, std::size_t offset) {
  return {name, static_cast<std::uint16_t>(offset), 1, encoding::unsigned_integer};
}

// Every byte of the group, in offset order: six pairs of a tonal series reference
// and its companion value.
constexpr auto table = std::to_array<field>({
    whole("c940", offsetof(group, c940)),
    whole("c941", offsetof(group, c941)),
    whole("c942", offsetof(group, c942)),
    whole("c943", offsetof(group, c943)),
    whole("c944", offsetof(group, c944)),
    whole("c945", offsetof(group, c945)),
    whole("c946", offsetof(group, c946)),
    whole("c947", offsetof(group, c947)),
    whole("c948", offsetof(group, c948)),
    whole("c949", offsetof(group, c949)),
    whole("c950", offsetof(group, c950)),
    whole("c951", offsetof(group, c951)),
});
static_assert(std::ranges::is_sorted(table, {}, &field::offset));

// Every characteristic's default is 0.
constexpr group the_default{};

}  // namespace

void start_up() {
  if (!types::started()) types::start_up();
}

bool started() {
  return types::started();
}

const group& group_default() {
  return the_default;
}

std::span<const sm_model_vehicle_fields::field> fields() {
  return table;
}

}  // namespace sm_model_vehicle_project_specific
