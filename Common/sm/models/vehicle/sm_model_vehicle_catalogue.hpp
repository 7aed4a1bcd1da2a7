// The catalogue of vehicle characteristics: one row per characteristic, found by
// its number ("c200" is 200) or its name, saying what a data-entry or display tool
// needs to present it: group and types module, alias, kind, value type and range,
// default and editing bounds in stored and operator units, bound images, image
// operation, choice list, and whether it converts to a duration and an interval,
// and reads operator text back into the number the record stores.
// Each types module hands in its rows when it starts, as functions that build
// them: the rows are built the first time the catalogue is read, so that
// starting the library costs no more than the characteristics it really uses.
// Reading and handing in are safe from several threads.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "csl_exceptions.hpp"

namespace sm_model_vehicle_catalogue {

enum class kind : std::uint8_t { integer, time, enumeration, plain_real, quantity, text, identity };

// "INTEGER", "TIME", "ENUMERATION", "PLAIN_REAL", "QUANTITY", "TEXT", "IDENTITY".
std::string image_of(kind k);

// A default or a bound: the number the record stores (a count of 1/64 dB for a
// level, metres for a length, radians for an angle, the position of an
// enumeration literal; none for texts and identities) and the value as written in
// operator units ("50 yd", "99.9 kn", "1", "FIXED", "NONAME      ").
struct value {
  std::optional<double> stored;
  std::string text;
};

// One literal of a choice list: its stored number, its image and where the image
// lies in the list text (1-based, inclusive).
struct choice {
  std::int64_t stored;
  std::string image;
  int start;
  int finish;
};

// Turns a stored number (as in `value`) into the characteristic's text image.
using image_operation = std::function<std::string(double stored)>;

// Turns text as an operator types it ("50", " 50 yd", "fixed", "-9.5") into the
// number the record would store (as in `value`); text that is no value of the
// characteristic's type is bad_value. Editing bounds are not checked.
using reading_operation = std::function<double(std::string_view text)>;

struct row {
  std::string name;           // "c200", or a named item of a types module ("issue")
  std::optional<int> number;  // 200; none for a named item
  std::string group;          // "physical"
  std::string types_module;   // "sm_model_vehicle_physical_types"
  std::string alias;          // "length"; empty when there is none
  kind kind_ = kind::integer;
  std::string value_type;  // "integer 0 .. 99", "csl_length.distance (metres)"
  // The range of the value type in stored numbers, where it has one.
  std::optional<double> type_first;
  std::optional<double> type_last;
  value default_;
  std::optional<value> min;  // none for texts and identities
  std::optional<value> max;
  std::optional<std::string> min_image;  // none for enumerations, texts and identities
  std::optional<std::string> max_image;
  std::string image_name;  // "c005_image_of (integer image)"; empty when there is none
  image_operation image_of;
  // The unit the image and bound images show ("yd", "ft", "kn", "ft/s", "deg",
  // "rpm", "dB"); empty for plain numbers, enumerations, texts and identities.
  std::string unit;
  reading_operation stored_of;    // empty for texts and identities
  std::vector<choice> choices;    // enumerations only, in declaration order
  std::string choice_list_image;  // enumerations only
  bool has_duration = false;
  bool has_interval = false;
};

// A second row with the name or number of a row that another types module added.
class duplicate_characteristic : public csl::named_error {
 public:
  explicit duplicate_characteristic(std::string place);
};

// Text that is no value of the characteristic's type. The message names the
// characteristic and says what was wrong: `c005: "1.5" is not a whole number`.
class bad_value : public csl::named_error {
 public:
  explicit bad_value(std::string message);
};

// ---- Reading operator text, for the rows' stored_of ----
// Each reads the whole text; blanks around it are allowed. `name` ("c005") starts
// the message of the bad_value each raises.

// An optional sign and decimal digits, in first .. last.
std::int64_t whole_number_of(std::string_view name, std::string_view text, std::int64_t first,
                             std::int64_t last);

// A number in decimal or exponent notation ("-9.5", "1e3", ".5"), followed by the
// unit symbol when one is given ("50 yd", "50yd"; any case), as the nearest
// single-precision value, which must lie in first .. last.
float real_number_of(std::string_view name, std::string_view text, std::string_view unit,
                     float first, float last);

// The stored number of the literal whose image is the text, in any case ("fixed"
// for FIXED), or the text read as that number (first for the first literal).
// `images` are the literals' images in declaration order.
std::int64_t literal_of(std::string_view name, std::string_view text,
                        const std::vector<std::string>& images, std::int64_t first);

// Adds the row. A row of the same name from the same types module (a module
// started twice) is replaced.
void add(row r);

// A row handed in but not yet built: `make(owner)` builds it. The node lives in
// its owner, a descriptor that lives as long as the process, so that handing in
// the rows of every characteristic at start-up allocates nothing.
struct later {
  row (*make)(const void* owner) = nullptr;
  const void* owner = nullptr;
  later* next = nullptr;
  bool queued = false;
};

// Adds the rows that the nodes make, in order, when the catalogue is first read;
// a duplicate is reported then, by the read. A node already waiting is not queued
// twice. A types module hands in all its rows at once, under one lock.
void add_later(std::span<later* const> nodes);

// The row, or nullptr when no started types module has it.
const row* find(int number);
const row* find(std::string_view name);

// Every row: numbered rows by number, then named items by name. The pointers stay
// valid for the life of the process.
std::vector<const row*> rows();

}  // namespace sm_model_vehicle_catalogue
