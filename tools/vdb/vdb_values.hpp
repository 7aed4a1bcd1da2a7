// Characteristics named as people type them, and values checked as vdb set checks
// them: shared by every command that names a characteristic or writes a value.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sm_model_vehicle_catalogue.hpp"
#include "sm_model_vehicle_fields.hpp"

namespace vdb {

// A characteristic and one of its instances.
using target = std::pair<sm_model_vehicle_fields::located, sm_model_vehicle_fields::instance>;

// The catalogue name ("c200", "issue") of a characteristic as people type it:
// "c200", "C200", "200", "c5" or its alias in any case ("length"); none when
// nothing has that name.
std::optional<std::string> characteristic_named(std::string_view name);

// Up to three catalogue names and aliases close to a name that is none, for a
// "did you mean" hint.
std::vector<std::string> names_close_to(std::string_view name);

// A characteristic and instance named as people type them, or why the name is
// none: "c204.2", "204.2", "C277", "length", "<alias>.2".
struct resolution {
  std::optional<target> found;
  std::string problem;  // empty when found
};
resolution resolve(std::string_view name);

// resolve, with the problem as a diagnostic.
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
