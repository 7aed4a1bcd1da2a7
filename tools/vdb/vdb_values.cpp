// Characteristics named as people type them, and values checked as vdb set checks
// them.
#include "vdb_values.hpp"

#include <algorithm>
#include <cctype>
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

namespace {

std::string lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// "c5", "C200" and "200" as the tables name them: "c005", "c200".
std::optional<std::string> numbered(std::string_view name) {
  std::string_view digits = name;
  if (!digits.empty() && (digits.front() == 'c' || digits.front() == 'C')) digits.remove_prefix(1);
  int number = 0;
  if (digits.empty() || digits.size() > 4 || !whole_number(digits, number) || number < 0 ||
      digits.front() == '+' || digits.front() == '-') {
    return std::nullopt;
  }
  std::string text = std::to_string(number);
  while (text.size() < 3) text.insert(text.begin(), '0');
  return "c" + text;
}

bool exists(const std::string& name) {
  return fields::find(name).has_value() || catalogue::find(name) != nullptr;
}

// Levenshtein distance, for hints: names are short.
std::size_t distance(const std::string& a, const std::string& b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

std::string form_of(const fields::field& f) {
  std::string form(f.name);
  for (const fields::repeat* r : {&f.outer, &f.inner}) {
    if (r->per.empty()) continue;
    form.append(".").append(r->per).append(" (");
    form.append(std::to_string(r->first)).append(" .. ");
    form.append(std::to_string(r->last())).append(")");
  }
  return form;
}

std::vector<std::string_view> parts_of(std::string_view name) {
  std::vector<std::string_view> parts;
  for (std::size_t from = 0;;) {
    const std::size_t dot = name.find('.', from);
    parts.push_back(name.substr(from, dot - from));
    if (dot == std::string_view::npos) break;
    from = dot + 1;
  }
  return parts;
}

// The characteristics whose alias is the name, in any case.
std::vector<std::string> alias_owners(const std::string& wanted) {
  std::vector<std::string> owners;
  for (const catalogue::row* r : catalogue::rows()) {
    if (!r->alias.empty() && lower(r->alias) == wanted) owners.push_back(r->name);
  }
  return owners;
}

// Why the name is no characteristic: unknown (with close names), or an alias of
// more than one.
std::string unknown_name_problem(std::string_view name) {
  const std::vector<std::string> owners = alias_owners(lower(name));
  if (owners.size() > 1) {
    std::string problem = std::string(name) + ": the alias of ";
    for (std::size_t i = 0; i < owners.size(); ++i) {
      problem += (i == 0 ? "" : i + 1 == owners.size() ? " and " : ", ") + owners[i];
    }
    return problem + "; name it by number";
  }
  std::string problem = std::string(name) + ": no such characteristic";
  // A number is not misspelt: its neighbours are other characteristics.
  const std::vector<std::string> close =
      numbered(name) ? std::vector<std::string>{} : names_close_to(name);
  for (std::size_t i = 0; i < close.size(); ++i) {
    problem += (i == 0 ? "; did you mean " : i + 1 == close.size() ? " or " : ", ") + close[i];
  }
  return close.empty() ? problem : problem + "?";
}

}  // namespace

std::optional<std::string> characteristic_named(std::string_view name) {
  if (const std::optional<std::string> n = numbered(name); n && exists(*n)) return n;
  const std::string wanted = lower(name);
  if (wanted.empty()) return std::nullopt;
  if (exists(wanted)) return wanted;
  const std::vector<std::string> owners = alias_owners(wanted);
  if (owners.size() == 1) return owners.front();
  return std::nullopt;  // none, or an alias that several share
}

std::vector<std::string> names_close_to(std::string_view name) {
  const std::string wanted = lower(name);
  std::vector<std::pair<std::size_t, std::string>> scored;
  for (const catalogue::row* r : catalogue::rows()) {
    for (const std::string& candidate : {r->name, r->alias}) {
      if (candidate.empty()) continue;
      const std::size_t d = distance(wanted, lower(candidate));
      if (d <= 2 && 2 * d < wanted.size()) scored.emplace_back(d, candidate);
    }
  }
  std::stable_sort(scored.begin(), scored.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> close;
  for (const auto& [d, candidate] : scored) {
    if (close.size() == 3) break;
    if (std::find(close.begin(), close.end(), candidate) == close.end()) close.push_back(candidate);
  }
  return close;
}

resolution resolve(std::string_view name) {
  const std::vector<std::string_view> parts = parts_of(name);
  const std::optional<std::string> base = characteristic_named(parts.front());
  const std::optional<fields::located> f = base ? fields::find(*base) : std::nullopt;
  if (!f) return {std::nullopt, unknown_name_problem(parts.front())};
  const std::size_t levels =
      (f->what->outer.per.empty() ? 0 : 1) + (f->what->inner.per.empty() ? 0 : 1);
  fields::instance at;
  bool ok = parts.size() - 1 == levels;
  if (ok && levels >= 1) ok = whole_number(parts[1], at.outer);
  if (ok && levels == 2) ok = whole_number(parts[2], at.inner);
  if (ok) ok = f->what->outer.holds(at.outer) && f->what->inner.holds(at.inner);
  if (!ok) return {std::nullopt, std::string(name) + ": name it as " + form_of(*f->what)};
  return {std::pair{*f, at}, {}};
}

std::optional<target> target_of(std::string_view name) {
  resolution r = resolve(name);
  if (!r.found) complain(r.problem);
  return r.found;
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
