// Characteristics named as people type them, and values checked as vdb set checks
// them: shared by every command that names a characteristic or writes a value.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "sm_model_vehicle_catalogue.hpp"
#include "sm_model_vehicle_fields.hpp"

namespace vdb {

// A characteristic and one of its instances.
using target = std::pair<sm_model_vehicle_fields::located, sm_model_vehicle_fields::instance>;

// "c204.2" or "c277": the field and its instance numbers; none, with a diagnostic
// that says how to name it, otherwise.
std::optional<target> target_of(std::string_view name);

// The text without its leading and trailing blanks.
std::string trimmed(const std::string& text);

// The editing bounds as the operator reads and types them: the bound images in
// the unit of the characteristic's image where it has them.
std::string bounds_of(const sm_model_vehicle_catalogue::row& row);

// Whether a stored value lies within the row's editing bounds; true when the row
// has none (or they are not in order).
bool within_editing_bounds(const sm_model_vehicle_catalogue::row& row, double stored);

}  // namespace vdb
