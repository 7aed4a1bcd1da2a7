// vdb show: a record characteristic by characteristic, through the library's
// field tables, each characteristic's image in operator units.
#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "sm_model_vehicle_catalogue.hpp"
#include "sm_model_vehicle_fields.hpp"
#include "vdb_commands.hpp"

namespace vdb {

namespace {

namespace fields = sm_model_vehicle_fields;
namespace catalogue = sm_model_vehicle_catalogue;
// Ordered: show keeps the tables' order.
using json = nlohmann::ordered_json;

std::span<std::uint8_t> bytes_of(sm_model_vehicle::data& d) {
  return {reinterpret_cast<std::uint8_t*>(&d), sizeof d};
}

json json_of(const fields::value& v) {
  if (const auto* i = std::get_if<std::int64_t>(&v)) return *i;
  if (const auto* u = std::get_if<std::uint64_t>(&v)) return *u;
  if (const auto* d = std::get_if<double>(&v)) return json_number_of(*d);
  return std::get<std::string>(v);
}

// The operator's image of a stored value; a value its type cannot hold is shown
// as the stored number with the reason.
std::string image_of(const fields::located& f, const fields::value& v) {
  if (const auto* text = std::get_if<std::string>(&v)) return json(*text).dump();
  const std::optional<double> stored = fields::number_of(v);
  const catalogue::row* row = catalogue::find(f.what->name);
  if (row == nullptr || !row->image_of) return number_image_of(*stored);
  try {
    return row->image_of(*stored);
  } catch (const std::exception&) {
    return "stored " + number_image_of(*stored) + ", outside its type";
  }
}

std::string alias_of(const fields::located& f) {
  const catalogue::row* row = catalogue::find(f.what->name);
  return row != nullptr ? row->alias : std::string();
}

void put_characteristics_text(std::span<const std::uint8_t> record) {
  std::string_view group;
  for_each_held(record, [&](const fields::located& f, fields::instance at) {
    if (f.group->group != group) {
      group = f.group->group;
      put_line(std::string(group) + ":");
    }
    std::string name = fields::instance_name(f, at);
    std::string alias = alias_of(f);
    name.resize(std::max<std::size_t>(name.size(), 10), ' ');
    alias.resize(std::max<std::size_t>(alias.size(), 32), ' ');
    put_line("  " + name + " " + alias + " " + image_of(f, fields::read(f, at, record)));
  });
}

json characteristics_json(std::span<const std::uint8_t> record) {
  json all = json::array();
  for_each_held(record, [&](const fields::located& f, fields::instance at) {
    const fields::value v = fields::read(f, at, record);
    const std::string name = fields::instance_name(f, at);
    all.push_back({{"name", name},
                   {"group", f.group->group},
                   {"alias", alias_of(f)},
                   {"image", image_of(f, v)},
                   {"stored", json_of(v)}});
  });
  return all;
}

}  // namespace

int show(const options& opts, int position) {
  if (!database_readable()) return exit_problem;
  load_index();
  sm_model_vehicle::data item{};
  if (!read_item(position, item)) {
    complain("the record at position " + std::to_string(position) + " cannot be read");
    return exit_problem;
  }
  if (opts.output_format == format::json) {
    put_line(json({{"position", position},
                   {"key", json(vdb::json_of(store().header().entry(position).details))},
                   {"entry", entry_lines(position)},
                   {"characteristics", characteristics_json(bytes_of(item))}})
                 .dump(2));
    return exit_ok;
  }
  for (const std::string& line : entry_lines(position)) put_line(line);
  put_characteristics_text(bytes_of(item));
  return exit_ok;
}

}  // namespace vdb
