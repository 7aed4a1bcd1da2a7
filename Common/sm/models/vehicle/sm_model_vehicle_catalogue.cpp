#include "sm_model_vehicle_catalogue.hpp"

#include <cstddef>
#include <limits>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

namespace sm_model_vehicle_catalogue {
namespace {

// Numbered rows first, by number; named items after them, by name. A map keeps
// its elements in place, so the pointers handed out stay valid.
using key = std::pair<int, std::string>;

key key_of(const row& r) {
  return {r.number.value_or(std::numeric_limits<int>::max()), r.name};
}

std::map<key, row>& the_rows() {
  static std::map<key, row> rows;
  return rows;
}

// The same rows by name, so that finding one by name does not walk them all.
std::map<std::string, const row*, std::less<>>& the_names() {
  static std::map<std::string, const row*, std::less<>> names;
  return names;
}

// Rows handed in but not yet built, in the order they came.
std::vector<std::function<row()>>& the_pending() {
  static std::vector<std::function<row()>> pending;
  return pending;
}

std::recursive_mutex& the_lock() {
  static std::recursive_mutex lock;
  return lock;
}

const row* find_built(int number) {
  const auto& rows = the_rows();
  const auto found = rows.lower_bound({number, std::string()});
  if (found == rows.end() || found->second.number != number) return nullptr;
  return &found->second;
}

const row* find_built(std::string_view name) {
  const auto& names = the_names();
  const auto found = names.find(name);
  return found == names.end() ? nullptr : found->second;
}

void add_built(row r) {
  const row* same_name = find_built(r.name);
  const row* same_number = r.number ? find_built(*r.number) : nullptr;
  for (const row* other : {same_name, same_number}) {
    if (other != nullptr && (other->types_module != r.types_module || other->name != r.name)) {
      throw duplicate_characteristic("sm_model_vehicle_catalogue.add (" + r.name + " of " +
                                     r.types_module + ", already in " + other->types_module + ")");
    }
  }
  auto& rows = the_rows();
  const key k = key_of(r);
  if (const auto found = rows.find(k); found != rows.end()) {
    found->second = std::move(r);
  } else {
    const auto added = rows.emplace(k, std::move(r)).first;
    the_names()[added->second.name] = &added->second;
  }
}

// Builds the rows handed in so far, in the order they came. A row that fails (a
// duplicate) is dropped, so that the next read does not fail on it again. A row
// whose making reads the catalogue sees the rows built so far.
void build_pending() {
  static bool building = false;
  auto& pending = the_pending();
  if (building || pending.empty()) return;
  building = true;
  std::size_t next = 0;
  try {
    for (; next < pending.size(); ++next) {
      // Moved out first: a row's making may hand in further rows.
      const std::function<row()> make = std::move(pending[next]);
      add_built(make());
    }
  } catch (...) {
    pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(next) + 1);
    building = false;
    throw;
  }
  pending.clear();
  building = false;
}

}  // namespace

std::string image_of(kind k) {
  switch (k) {
    case kind::integer:
      return "INTEGER";
    case kind::time:
      return "TIME";
    case kind::enumeration:
      return "ENUMERATION";
    case kind::plain_real:
      return "PLAIN_REAL";
    case kind::quantity:
      return "QUANTITY";
    case kind::text:
      return "TEXT";
    case kind::identity:
      return "IDENTITY";
  }
  throw csl::range_error("sm_model_vehicle_catalogue.image_of");
}

duplicate_characteristic::duplicate_characteristic(std::string place)
    : named_error("SM_MODEL_VEHICLE_CATALOGUE.DUPLICATE_CHARACTERISTIC", std::move(place)) {}

void add(row r) {
  const std::lock_guard<std::recursive_mutex> hold(the_lock());
  build_pending();
  add_built(std::move(r));
}

void add_later(std::function<row()> make) {
  const std::lock_guard<std::recursive_mutex> hold(the_lock());
  the_pending().push_back(std::move(make));
}

const row* find(int number) {
  const std::lock_guard<std::recursive_mutex> hold(the_lock());
  build_pending();
  return find_built(number);
}

const row* find(std::string_view name) {
  const std::lock_guard<std::recursive_mutex> hold(the_lock());
  build_pending();
  return find_built(name);
}

std::vector<const row*> rows() {
  const std::lock_guard<std::recursive_mutex> hold(the_lock());
  build_pending();
  std::vector<const row*> all;
  all.reserve(the_rows().size());
  for (const auto& [k, r] : the_rows()) all.push_back(&r);
  return all;
}

}  // namespace sm_model_vehicle_catalogue
