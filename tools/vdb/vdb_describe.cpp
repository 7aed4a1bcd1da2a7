// vdb describe: the characteristic catalogue, as a data-entry or display tool
// needs it. Texts are printed quoted, because their blanks are significant.
#include <charconv>
#include <string>
#include <vector>

#include "sm_model_vehicle_catalogue.hpp"
#include "vdb_commands.hpp"

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

// "c200" and "200" name characteristic 200; anything else is a row's name.
const cat::row* row_named(const std::string& text) {
  const std::string digits = (!text.empty() && text[0] == 'c') ? text.substr(1) : text;
  int number = 0;
  const char* last = digits.data() + digits.size();
  const auto r = std::from_chars(digits.data(), last, number);
  if (!digits.empty() && r.ec == std::errc{} && r.ptr == last) return cat::find(number);
  return cat::find(text);
}

void put_rows(const options& opts, const std::vector<const cat::row*>& rows, bool one) {
  if (opts.output_format == format::json) {
    nlohmann::json all = nlohmann::json::array();
    for (const cat::row* r : rows) all.push_back(json_of(*r));
    put_json(one ? all.front() : all);
    return;
  }
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i > 0) put_line("");
    put_text(*rows[i]);
  }
}

}  // namespace

int describe(const options& opts, const std::optional<std::string>& characteristic) {
  if (!characteristic) {
    put_rows(opts, cat::rows(), false);
    return exit_ok;
  }
  const cat::row* r = row_named(*characteristic);
  if (r == nullptr) {
    complain("no characteristic " + *characteristic);
    return exit_problem;
  }
  put_rows(opts, {r}, true);
  return exit_ok;
}

}  // namespace vdb
