// vdb show and vdb get: the characteristics of one position as the operator reads
// them, images in operator units, gathered as data first and only then printed as
// text or JSON.
#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "sm_model_vehicle_catalogue.hpp"
#include "sm_model_vehicle_fields.hpp"
#include "vdb_operations.hpp"
#include "vdb_values.hpp"

namespace vdb {

namespace {

namespace fields = sm_model_vehicle_fields;
namespace catalogue = sm_model_vehicle_catalogue;

std::span<const std::uint8_t> bytes_of(const sm_model_vehicle::data& d) {
  return {reinterpret_cast<const std::uint8_t*>(&d), sizeof d};
}

// The operator's image of a stored value; a value its type cannot hold is shown
// as the stored number with the reason.
std::string image_of(const catalogue::row* row, const fields::value& v) {
  if (const auto* text = std::get_if<std::string>(&v)) return *text;
  const double stored = *fields::number_of(v);
  if (row == nullptr || !row->image_of) return number_image_of(stored);
  try {
    return row->image_of(stored);
  } catch (const std::exception&) {
    return "stored " + number_image_of(stored) + ", outside its type";
  }
}

shown_value shown_of(const fields::located& f, fields::instance at,
                     std::span<const std::uint8_t> record) {
  const catalogue::row* row = catalogue::find(f.what->name);
  shown_value v;
  v.name = fields::instance_name(f, at);
  v.group = std::string(f.group->group);
  v.alias = row != nullptr ? row->alias : std::string();
  v.unit = row != nullptr ? row->unit : std::string();
  v.stored = fields::read(f, at, record);
  v.text = f.what->how == fields::encoding::text;
  v.image = image_of(row, v.stored);
  v.characteristic = std::string(f.what->name);
  v.at = at;
  return v;
}

nlohmann::json json_of(const shown_value& v) {
  nlohmann::json stored;
  if (const auto* i = std::get_if<std::int64_t>(&v.stored)) stored = *i;
  if (const auto* u = std::get_if<std::uint64_t>(&v.stored)) stored = *u;
  if (const auto* d = std::get_if<double>(&v.stored)) stored = json_number_of(*d);
  if (const auto* t = std::get_if<std::string>(&v.stored)) stored = trimmed(*t);
  return {{"name", v.name}, {"group", v.group},          {"alias", v.alias},
          {"unit", v.unit}, {"image", trimmed(v.image)}, {"stored", stored}};
}

void put_show_text(int position, const std::vector<shown_value>& values) {
  for (const std::string& line : entry_lines(position)) put_line(line);
  std::string group;
  for (const shown_value& v : values) {
    if (v.group != group) {
      group = v.group;
      put_line(group + ":");
    }
    std::string name = v.name;
    std::string alias = v.alias;
    name.resize(std::max<std::size_t>(name.size(), 10), ' ');
    alias.resize(std::max<std::size_t>(alias.size(), 32), ' ');
    // Texts are quoted: their blanks are significant.
    put_line("  " + name + " " + alias + " " + (v.text ? nlohmann::json(v.image).dump() : v.image));
  }
}

// What an editor shows beside a value: how the instance is counted, the bounds
// and the choices it may take.
nlohmann::json editing_json_of(const shown_value& v) {
  nlohmann::json j = json_of(v);
  const catalogue::row* row = catalogue::find(v.characteristic);
  const std::optional<fields::located> f = fields::find(v.characteristic);
  j["characteristic"] = v.characteristic;
  j["outer"] = v.at.outer;
  j["inner"] = v.at.inner;
  j["outer_per"] = f ? std::string(f->what->outer.per) : std::string();
  j["inner_per"] = f ? std::string(f->what->inner.per) : std::string();
  j["text_size"] = v.text && f ? nlohmann::json(f->what->size) : nlohmann::json(nullptr);
  j["bounds"] = row != nullptr && row->min && row->max ? nlohmann::json(bounds_of(*row))
                                                       : nlohmann::json(nullptr);
  nlohmann::json choices = nlohmann::json::array();
  if (row != nullptr) {
    for (const catalogue::choice& c : row->choices) choices.push_back(trimmed(c.image));
  }
  j["choices"] = choices;
  return j;
}

}  // namespace

bool record_at(int position, sm_model_vehicle::data& item) {
  if (!database_readable()) return false;
  load_index();
  if (read_item(position, item)) return true;
  complain("the record at position " + std::to_string(position) + " cannot be read");
  return false;
}

nlohmann::json show_document(int position, const std::vector<shown_value>& values) {
  nlohmann::json doc = json_document("show");
  doc["position"] = position;
  doc["entry"] = entry_json_of(position);
  doc["characteristics"] = nlohmann::json::array();
  for (const shown_value& v : values) doc["characteristics"].push_back(json_of(v));
  return doc;
}

nlohmann::json vehicle_document(int position, const sm_model_vehicle::data& item) {
  nlohmann::json doc = json_document("show");
  doc["position"] = position;
  doc["entry"] = entry_json_of(position);
  doc["characteristics"] = nlohmann::json::array();
  for (const shown_value& v : shown_values(item, std::nullopt)) {
    doc["characteristics"].push_back(editing_json_of(v));
  }
  return doc;
}

std::vector<std::string> record_group_names() {
  std::vector<std::string> names;
  for (const fields::group_fields& g : fields::groups()) names.emplace_back(g.group);
  return names;
}

std::vector<shown_value> shown_values(const sm_model_vehicle::data& item,
                                      const std::optional<std::string>& group) {
  std::vector<shown_value> values;
  const std::span<const std::uint8_t> record = bytes_of(item);
  for_each_held(record, [&](const fields::located& f, fields::instance at) {
    if (!group || f.group->group == *group) values.push_back(shown_of(f, at, record));
  });
  return values;
}

int show(const options& opts, int position, const std::optional<std::string>& group) {
  sm_model_vehicle::data item{};
  if (!record_at(position, item)) return exit_problem;
  const std::vector<shown_value> values = shown_values(item, group);
  if (opts.output_format == format::text) {
    put_show_text(position, values);
    return exit_ok;
  }
  put_json(show_document(position, values));
  return exit_ok;
}

int get(const options& opts, int position, const std::vector<std::string>& names) {
  std::vector<target> targets;
  for (const std::string& name : names) {
    const std::optional<target> t = target_of(name);
    if (!t) return exit_usage;
    targets.push_back(*t);
  }
  sm_model_vehicle::data item{};
  if (!record_at(position, item)) return exit_problem;
  if (state_byte_of(position) == static_cast<std::uint8_t>(csl_database::key_state::empty)) {
    complain("position " + std::to_string(position) + " holds no vehicle");
    return exit_problem;
  }
  std::vector<shown_value> values;
  for (std::size_t i = 0; i < targets.size(); ++i) {
    const auto& [f, at] = targets[i];
    if (!fields::holds(f, at, bytes_of(item))) {
      complain(names[i] + ": this tonal slot's kind does not hold it");
      return exit_problem;
    }
    values.push_back(shown_of(f, at, bytes_of(item)));
  }
  if (opts.output_format == format::text) {
    for (const shown_value& v : values) put_line(trimmed(v.image));
    return exit_ok;
  }
  nlohmann::json doc = json_document("get");
  doc["position"] = position;
  doc["values"] = nlohmann::json::array();
  for (const shown_value& v : values) doc["values"].push_back(json_of(v));
  put_json(doc);
  return exit_ok;
}

}  // namespace vdb
