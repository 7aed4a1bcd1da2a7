// Characteristics named as people type them, and values checked as vdb set checks
// them.
#include "vdb_values.hpp"

#include <charconv>
#include <vector>

#include "vdb_common.hpp"

namespace vdb {

namespace {

namespace fields = sm_model_vehicle_fields;
namespace catalogue = sm_model_vehicle_catalogue;

bool whole_number(std::string_view text, int& out) {
  const auto r = std::from_chars(text.data(), text.data() + text.size(), out);
  return r.ec == std::errc{} && r.ptr == text.data() + text.size();
}

}  // namespace

// "c204.2" or "c277": the field and its instance numbers.
std::optional<target> target_of(std::string_view name) {
  std::vector<std::string_view> parts;
  for (std::size_t from = 0;;) {
    const std::size_t dot = name.find('.', from);
    parts.push_back(name.substr(from, dot - from));
    if (dot == std::string_view::npos) break;
    from = dot + 1;
  }
  const std::optional<fields::located> f = fields::find(parts.front());
  if (!f) {
    complain(std::string(parts.front()) + ": no such characteristic");
    return std::nullopt;
  }
  const std::size_t levels =
      (f->what->outer.per.empty() ? 0 : 1) + (f->what->inner.per.empty() ? 0 : 1);
  fields::instance at;
  bool ok = parts.size() - 1 == levels;
  if (ok && levels >= 1) ok = whole_number(parts[1], at.outer);
  if (ok && levels == 2) ok = whole_number(parts[2], at.inner);
  if (ok) ok = f->what->outer.holds(at.outer) && f->what->inner.holds(at.inner);
  if (!ok) {
    std::string form(f->what->name);
    if (!f->what->outer.per.empty()) {
      form.append(".").append(f->what->outer.per).append(" (");
      form.append(std::to_string(f->what->outer.first)).append(" .. ");
      form.append(std::to_string(f->what->outer.last())).append(")");
    }
    if (!f->what->inner.per.empty()) {
      form.append(".").append(f->what->inner.per).append(" (");
      form.append(std::to_string(f->what->inner.first)).append(" .. ");
      form.append(std::to_string(f->what->inner.last())).append(")");
    }
    complain(std::string(name) + ": name it as " + form);
    return std::nullopt;
  }
  return std::pair{*f, at};
}

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? text
                                    : text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

// The editing bounds as the operator reads and types them: the bound images in
// the unit of the characteristic's image where it has them.
std::string bounds_of(const catalogue::row& row) {
  if (row.min_image && row.max_image) {
    return trimmed(*row.min_image) + " .. " + trimmed(*row.max_image) +
           (row.unit.empty() ? "" : " " + row.unit);
  }
  return row.min->text + " .. " + row.max->text;
}

bool within_editing_bounds(const catalogue::row& row, double stored) {
  if (!row.min || !row.max || !row.min->stored || !row.max->stored ||
      *row.min->stored > *row.max->stored) {
    return true;
  }
  return stored >= *row.min->stored && stored <= *row.max->stored;
}

}  // namespace vdb
