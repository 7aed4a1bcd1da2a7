// vdb describe: the characteristic catalogue, as a data-entry or display tool
// needs it. Texts are printed quoted, because their blanks are significant.
#include <cstddef>
#include <string>
#include <vector>

#include "sm_model_vehicle_catalogue.hpp"
#include "sm_model_vehicle_fields.hpp"
#include "vdb_operations.hpp"
#include "vdb_values.hpp"

namespace vdb {

namespace {

namespace cat = sm_model_vehicle_catalogue;

std::string quoted(const std::string& text) {
  return nlohmann::json(text).dump();
}

std::string value_line(const char* label, const std::optional<cat::value>& v) {
  std::string line = std::string("  ") + label + ": ";
  if (!v) return line + "none";
  line += quoted(v->text);
  if (v->stored) line += " (stored " + number_image_of(*v->stored) + ")";
  return line;
}

std::string text_line(const char* label, const std::optional<std::string>& text) {
  return std::string("  ") + label + ": " + (text ? quoted(*text) : std::string("none"));
}

std::string plain_line(const char* label, const std::string& text) {
  return std::string("  ") + label + ": " + (text.empty() ? std::string("none") : text);
}

std::string range_line(const cat::row& r) {
  if (!r.type_first || !r.type_last) return "  type range: none";
  return "  type range: " + number_image_of(*r.type_first) + " .. " + number_image_of(*r.type_last);
}

void put_choices(const cat::row& r) {
  if (r.choices.empty()) {
    put_line("  choices: none");
    return;
  }
  put_line("  choices:");
  for (const cat::choice& c : r.choices) {
    put_line("    " + std::to_string(c.stored) + " " + quoted(c.image) + " at " +
             std::to_string(c.start) + " .. " + std::to_string(c.finish));
  }
}

void put_text(const cat::row& r) {
  put_line(r.name);
  put_line(plain_line("group", r.group));
  put_line(plain_line("types module", r.types_module));
  put_line(plain_line("alias", r.alias));
  put_line(plain_line("kind", cat::image_of(r.kind_)));
  put_line(plain_line("value type", r.value_type));
  put_line(range_line(r));
  put_line(plain_line("unit", r.unit));
  put_line(value_line("default", r.default_));
  put_line(value_line("min", r.min));
  put_line(value_line("max", r.max));
  put_line(text_line("min image", r.min_image));
  put_line(text_line("max image", r.max_image));
  put_line(plain_line("image operation", r.image_name));
  put_line(text_line("choice list",
                     r.choices.empty() ? std::nullopt : std::optional(r.choice_list_image)));
  put_choices(r);
  put_line(std::string("  duration: ") + (r.has_duration ? "yes" : "no"));
  put_line(std::string("  interval: ") + (r.has_interval ? "yes" : "no"));
}

template <class T>
nlohmann::json json_or_null(const std::optional<T>& v) {
  return v ? nlohmann::json(*v) : nlohmann::json(nullptr);
}

nlohmann::json json_number_or_null(const std::optional<double>& v) {
  return v ? json_number_of(*v) : nlohmann::json(nullptr);
}

nlohmann::json json_of(const std::optional<cat::value>& v) {
  if (!v) return nullptr;
  return {{"stored", json_number_or_null(v->stored)}, {"text", v->text}};
}

nlohmann::json json_of(const cat::row& r) {
  nlohmann::json choices = nlohmann::json::array();
  for (const cat::choice& c : r.choices) {
    choices.push_back(
        {{"stored", c.stored}, {"image", c.image}, {"start", c.start}, {"finish", c.finish}});
  }
  return {{"name", r.name},
          {"number", json_or_null(r.number)},
          {"group", r.group},
          {"types_module", r.types_module},
          {"alias", r.alias},
          {"kind", cat::image_of(r.kind_)},
          {"value_type", r.value_type},
          {"type_first", json_number_or_null(r.type_first)},
          {"type_last", json_number_or_null(r.type_last)},
          {"unit", r.unit},
          {"default", json_of(std::optional(r.default_))},
          {"min", json_of(r.min)},
          {"max", json_of(r.max)},
          {"min_image", json_or_null(r.min_image)},
          {"max_image", json_or_null(r.max_image)},
          {"image_operation", r.image_name},
          {"choices", choices},
          {"choice_list",
           r.choices.empty() ? nlohmann::json(nullptr) : nlohmann::json(r.choice_list_image)},
          {"duration", r.has_duration},
          {"interval", r.has_interval}};
}

// Any name a characteristic goes by; an instance suffix ("c204.2") names the
// characteristic all the same.
const cat::row* row_named(const std::string& text) {
  const std::optional<std::string> name = characteristic_named(text.substr(0, text.find('.')));
  return name ? cat::find(*name) : nullptr;
}

void put_rows(const options& opts, const std::vector<const cat::row*>& rows, bool one) {
  if (opts.output_format == format::json) {
    put_json(describe_document(rows, one));
    return;
  }
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i > 0) put_line("");
    put_text(*rows[i]);
  }
}

// ---- The reference in Markdown ----

namespace fields = sm_model_vehicle_fields;

// A table cell: texts in code spans with their quotes, so that blanks show; bars
// escaped.
std::string cell(std::string text) {
  std::string out;
  for (char c : text) {
    if (c == '|') out += '\\';
    out += c;
  }
  return out;
}

std::string code(const std::string& text) {
  // Appended rather than "`" + cell(text): g++ 12 at -O2 warns falsely (-Wrestrict)
  // on a literal joined to a temporary string.
  std::string out(1, '`');
  out += cell(text);
  out += '`';
  return out;
}

std::string value_cell(const std::optional<cat::value>& v) {
  if (!v) return "";
  return code(quoted(v->text)) + (v->stored ? " (" + number_image_of(*v->stored) + ")" : "");
}

std::string encoding_of(const fields::field& f) {
  switch (f.how) {
    case fields::encoding::signed_integer:
      return "signed " + std::to_string(f.size * 8) + "-bit";
    case fields::encoding::unsigned_integer:
      return "unsigned " + std::to_string(f.size * 8) + "-bit";
    case fields::encoding::real:
      return f.size == 4 ? "IEEE single" : "IEEE double";
    case fields::encoding::text:
      return std::to_string(f.size) + " characters";
    case fields::encoding::bits:
      return "bits " + std::to_string(f.first_bit) + ".." +
             std::to_string(f.first_bit + f.bit_count - 1) + " of " + std::to_string(f.size * 8) +
             "-bit word";
  }
  return "";
}

std::string repeats_of(const fields::field& f) {
  std::string text;
  for (const fields::repeat* r : {&f.outer, &f.inner}) {
    if (r->per.empty()) continue;
    if (!text.empty()) text += ", ";
    text += std::to_string(r->count) + " per " + std::string(r->per) + " every " +
            std::to_string(r->stride) + " bytes";
  }
  if (f.only_when.offset >= 0) {
    text += (text.empty() ? "" : "; ") + std::string("only when the ") + std::string(f.outer.per) +
            "'s byte at group offset " + std::to_string(f.only_when.offset) + " is ";
    bool first = true;
    for (int k = 0; k < 16; ++k) {
      if (((f.only_when.mask >> k) & 1) == 0) continue;
      text += (first ? "" : " or ") + std::to_string(k);
      first = false;
    }
  }
  return text;
}

void put_files_markdown() {
  using header = sm_model_vehicle_database::header_rec;
  using entry = sm_model_vehicle_database::key_rec;
  using key = sm_model_vehicle_kind::model_kind;
  put_line("## Files");
  put_line("");
  put_line("A database is two files: the item file (the base name) holds " +
           std::to_string(positions) + " records of " + std::to_string(item_size) +
           " bytes, position p at byte (p - 1) x " + std::to_string(item_size) +
           "; the index file (the base name and `_INDEX`) holds one header record of " +
           std::to_string(sizeof(header)) +
           " bytes. Lock files are the base name, `_LOCK_` and "
           "the position with a leading blank. Numbers are little-endian.");
  put_line("");
  put_line("| Index file part | Offset | Bytes |");
  put_line("|---|---|---|");
  put_line("| passwords | " + std::to_string(offsetof(header, passwords)) + " | " +
           std::to_string(sizeof(header::passwords)) + " |");
  put_line("| fill | " + std::to_string(offsetof(header, fill)) + " | " +
           std::to_string(sizeof(header::fill)) + " |");
  put_line("| counters | " + std::to_string(offsetof(header, number)) + " | " +
           std::to_string(sizeof(header::number)) + " |");
  put_line("| entries, position p at offset + (p - 1) x " + std::to_string(sizeof(entry)) + " | " +
           std::to_string(offsetof(header, index)) + " | " + std::to_string(sizeof(header::index)) +
           " |");
  put_line("");
  put_line("| Index entry part | Offset | Bytes |");
  put_line("|---|---|---|");
  put_line("| key: validity (bits 0-3) and permanence (bits 4-7) | 0 | 1 |");
  put_line("| key: qualifier | " + std::to_string(offsetof(key, model_qualifier)) + " | 1 |");
  put_line("| key: library number | " + std::to_string(offsetof(key, model_library_number)) +
           " | 2 |");
  put_line("| key: class | " + std::to_string(offsetof(key, model_class)) + " | " +
           std::to_string(sizeof(key::model_class)) + " |");
  put_line("| key: name | " + std::to_string(offsetof(key, model_name)) + " | " +
           std::to_string(sizeof(key::model_name)) + " |");
  put_line("| key: issue | " + std::to_string(offsetof(key, issue)) + " | " +
           std::to_string(sizeof(key::issue)) + " |");
  put_line("| state: 0 EMPTY, 1 READ_ONLY, 2 READ_WRITE | " +
           std::to_string(offsetof(entry, state)) + " | 1 |");
  put_line("| fill | " + std::to_string(offsetof(entry, fill)) + " | " +
           std::to_string(sizeof(entry::fill)) + " |");
  put_line("| modification time: year, day, hour, minute, second, millisecond | " +
           std::to_string(offsetof(entry, mod_time)) + " | " +
           std::to_string(sizeof(entry::mod_time)) + " |");
  put_line("");
}

void put_groups_markdown() {
  put_line("## Record groups");
  put_line("");
  put_line("| Group | Offset | Bytes |");
  put_line("|---|---|---|");
  for (const fields::group_fields& g : fields::groups()) {
    put_line("| " + std::string(g.group) + " | " + std::to_string(g.offset) + " | " +
             std::to_string(g.size) + " |");
  }
  put_line("");
}

void put_fields_markdown() {
  put_line("## Characteristics");
  put_line("");
  put_line(
      "Offsets are from the start of the record, for the first instance. Stored numbers "
      "are in parentheses after the operator images.");
  put_line("");
  put_line(
      "| Name | Group | Alias | Offset | Stored as | Repeats | Value type | Unit | Default | "
      "Min | Max |");
  put_line("|---|---|---|---|---|---|---|---|---|---|---|");
  for (const fields::group_fields& g : fields::groups()) {
    for (const fields::field& f : g.fields) {
      const cat::row* r = cat::find(f.name);
      const std::string offset = std::to_string(g.offset + f.offset);
      std::string line = "| " + std::string(f.name) + " | " + std::string(g.group) + " | ";
      line += (r ? cell(r->alias) : "") + " | " + offset + " | " + encoding_of(f) + " | " +
              repeats_of(f) + " | ";
      if (r) {
        line += cell(r->value_type) + " | " + r->unit + " | " + value_cell(r->default_) + " | " +
                value_cell(r->min) + " | " + value_cell(r->max) + " |";
      } else {
        line += " |  |  |  |  |";
      }
      put_line(line);
    }
  }
}

void put_markdown() {
  put_line("# Vehicle database reference");
  put_line("");
  put_line("Generated by `vdb describe --format markdown`; do not edit.");
  put_line("");
  put_files_markdown();
  put_groups_markdown();
  put_fields_markdown();
}

}  // namespace

int describe(const options& opts, const std::optional<std::string>& characteristic) {
  if (opts.output_format == format::markdown) {
    if (characteristic) {
      complain("the Markdown reference covers every characteristic; leave out " + *characteristic);
      return exit_usage;
    }
    put_markdown();
    return exit_ok;
  }
  const auto rows = described(characteristic);
  if (!rows) return exit_usage;
  put_rows(opts, *rows, characteristic.has_value());
  return exit_ok;
}

std::optional<std::vector<const cat::row*>> described(
    const std::optional<std::string>& characteristic) {
  if (!characteristic) return cat::rows();
  const cat::row* r = row_named(*characteristic);
  if (r == nullptr) {
    const std::string problem = resolve(*characteristic).problem;
    complain(problem.empty() ? *characteristic + ": not in the catalogue" : problem);
    return std::nullopt;
  }
  return std::vector<const cat::row*>{r};
}

nlohmann::json describe_document(const std::vector<const cat::row*>& rows, bool one) {
  nlohmann::json all = nlohmann::json::array();
  for (const cat::row* r : rows) all.push_back(json_of(*r));
  nlohmann::json doc = json_document("describe");
  if (one) doc["characteristic"] = all.front();
  if (!one) doc["characteristics"] = all;
  return doc;
}

}  // namespace vdb
