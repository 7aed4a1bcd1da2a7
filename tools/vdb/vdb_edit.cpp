// vdb new, set, state and touch: the changes an engineer makes to a database, each
// read, checked and written under the position's one lock (the store's modify), so
// that concurrent changes of one position all keep theirs. A change that cannot be
// made whole is refused before anything is written.
#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "csl_real_time.hpp"

#include "csl_exceptions.hpp"
#include "sm_model_vehicle_catalogue.hpp"
#include "sm_model_vehicle_fields.hpp"
#include "sm_model_vehicle_general_types.hpp"
#include "sm_model_vehicle_nb.hpp"
#include "sm_model_vehicle_wb.hpp"
#include "vdb_operations.hpp"
#include "vdb_values.hpp"

namespace vdb {

namespace {

namespace fields = sm_model_vehicle_fields;
namespace catalogue = sm_model_vehicle_catalogue;
namespace kind = sm_model_vehicle_kind;

// Opens the database for writing; never creates one.
bool opened_for_writing() {
  if (!database_readable()) return false;
  // Opened once per process: the web server writes many times.
  if (!store().is_initialised()) store().initialise();
  if (store().is_initialised()) return true;
  complain("cannot open the database " + store().file_name());
  return false;
}

// The key of a position in use whose key really belongs there; none (with a
// diagnostic) otherwise, for the store would act on the key's own position.
std::optional<kind::model_kind> key_at(int position) {
  if (!opened_for_writing()) return std::nullopt;
  load_index();
  const std::uint8_t state = state_byte_of(position);
  const kind::model_kind key = store().value_of(position);
  if (state == static_cast<std::uint8_t>(csl_database::key_state::empty) || !kind::is_valid(key)) {
    complain("position " + std::to_string(position) + " holds no vehicle");
    return std::nullopt;
  }
  if (!library_group_of(key) || kind::db_index_of(key).value() != position) {
    complain("position " + std::to_string(position) + " holds the key " + key_image_of(key) +
             ", which belongs elsewhere; run vdb verify");
    return std::nullopt;
  }
  return key;
}

// ---- set ----

// The stored value the operator's text stands for, within the characteristic's
// editing bounds; none, with the reason, otherwise.
std::optional<fields::value> stored_of(const fields::located& f, const std::string& name,
                                       const std::string& text) {
  if (f.what->how == fields::encoding::text) {
    if (text.size() > f.what->size) {
      complain(name + ": \"" + text + "\" is longer than " + std::to_string(f.what->size) +
               " characters");
      return std::nullopt;
    }
    return text;
  }
  const catalogue::row* row = catalogue::find(f.what->name);
  double stored = 0;
  if (row != nullptr && row->stored_of) {
    stored = row->stored_of(text);  // bad_value says what is wrong
  } else {
    const auto r = std::from_chars(text.data(), text.data() + text.size(), stored);
    if (r.ec != std::errc{} || r.ptr != text.data() + text.size()) {
      complain(name + ": \"" + text + "\" is not a number");
      return std::nullopt;
    }
  }
  if (row != nullptr && !within_editing_bounds(*row, stored)) {
    complain(name + ": " + text + " is outside the editing bounds " + bounds_of(*row));
    return std::nullopt;
  }
  if (f.what->how == fields::encoding::real) return stored;
  if (std::trunc(stored) != stored) {
    complain(name + ": \"" + text + "\" is not a whole number");
    return std::nullopt;
  }
  return static_cast<std::int64_t>(stored);
}

// A tonal slot's kind changes only with the whole tonal.
bool is_kind(const fields::located& f) {
  return f.what->name == "c701" || f.what->name == "c801";
}

bool names_a_kind(const std::string& text) {
  const std::string name = text.substr(0, text.find('='));
  const std::optional<std::string> base = characteristic_named(name.substr(0, name.find('.')));
  const std::optional<fields::located> f = base ? fields::find(*base) : std::nullopt;
  return f && is_kind(*f);
}

// A value the characteristic refused, said once: the catalogue's messages name
// the characteristic already.
void complain_refused(const fields::located& f, const std::string& name,
                      const csl::named_error& e) {
  const std::string prefix = std::string(f.what->name) + ": ";
  const std::string& why = e.message();
  complain(name + ": " + (why.rfind(prefix, 0) == 0 ? why.substr(prefix.size()) : why));
}

// What the command line alone shows to be wrong, whatever the record holds: an
// assignment that is none, a name that is no characteristic, a value that its
// characteristic refuses. True when there is nothing of that.
bool well_formed(const std::vector<std::string>& texts) {
  bool ok = true;
  for (const std::string& text : texts) {
    const std::size_t eq = text.find('=');
    if (eq == std::string::npos) {
      complain(text + ": write it as NAME=VALUE, e.g. c200=50 or c204.2=3");
      ok = false;
      continue;
    }
    const std::string name = text.substr(0, eq);
    const auto target = target_of(name);
    if (!target) {
      ok = false;
      continue;
    }
    try {
      if (!stored_of(target->first, name, text.substr(eq + 1))) ok = false;
    } catch (const csl::named_error& e) {
      complain_refused(target->first, name, e);
      ok = false;
    }
  }
  return ok;
}

// The slot made afresh as a tonal of the new kind with that kind's defaults, so
// that no byte of the old kind is read as the new one's; the kind it already has
// leaves it as it is.
void renew_slot(const fields::located& f, fields::instance at, std::int64_t kind,
                std::span<std::uint8_t> record) {
  const std::size_t slot = fields::offset_of(f, at);  // the kind byte leads the slot
  if (record[slot] == kind) return;
  const auto k = static_cast<csl_tonals::series_type>(kind);
  if (f.what->name == "c701") {
    const sm_model_vehicle_nb::tonal t = sm_model_vehicle_nb::tonal_default_of(k);
    std::memcpy(record.data() + slot, &t, t.size());
  } else {
    const sm_model_vehicle_wb::tonal t = sm_model_vehicle_wb::tonal_default_of(k);
    std::memcpy(record.data() + slot, &t, sizeof t);
  }
}

// Every assignment parsed, checked and written into the record; false (with a
// diagnostic for each that failed) when any did, and then the record is not stored.
bool assigned(const std::vector<std::string>& texts, std::span<std::uint8_t> record) {
  bool ok = true;
  // New kinds first: the slot's other values given here then go into the new tonal.
  std::vector<std::string> ordered(texts);
  std::stable_partition(ordered.begin(), ordered.end(), names_a_kind);
  for (const std::string& text : ordered) {
    const std::size_t eq = text.find('=');
    const std::string name = text.substr(0, eq);  // well_formed: they are assignments
    const auto target = target_of(name);
    if (!target) {
      ok = false;
      continue;
    }
    if (!fields::holds(target->first, target->second, record)) {
      complain(name + ": this tonal slot's kind does not hold it");
      ok = false;
      continue;
    }
    try {
      std::optional<fields::value> v = stored_of(target->first, name, text.substr(eq + 1));
      if (!v) {
        ok = false;
        continue;
      }
      if (is_kind(target->first)) {
        renew_slot(target->first, target->second, std::get<std::int64_t>(*v), record);
      } else {
        fields::write(target->first, target->second, *v, record);  // checks the value fits
      }
    } catch (const csl::named_error& e) {
      complain_refused(target->first, name, e);
      ok = false;
    }
  }
  return ok;
}

}  // namespace

namespace {

bool in_use(const sm_model_vehicle_database::key_rec& entry) {
  return entry.state != csl_database::key_state::empty;
}

// The entry as the change found it under the lock: still the vehicle it was when
// the command started, and open for changes.
bool still_read_write(int position, const kind::model_kind& key,
                      const sm_model_vehicle_database::key_rec& entry) {
  if (!in_use(entry) || !(entry.details == key)) {
    complain("position " + std::to_string(position) + " changed meanwhile; nothing written");
    return false;
  }
  if (entry.state != csl_database::key_state::read_write) {
    complain("position " + std::to_string(position) + " is not read_write; nothing written");
    return false;
  }
  return true;
}

}  // namespace

std::optional<csl_time::time> time_from(const std::string& text) {
  if (text == "now") return csl_real_time::processor_time();
  int year = 0, day = 0, hour = 0, minute = 0, second = 0, milli = 0;
  char dot = 0;
  std::array<char, 4> millis{};
  const int n = std::sscanf(text.c_str(), "%4d-%3dT%2d:%2d:%2d%c%3[0-9]", &year, &day, &hour,
                            &minute, &second, &dot, millis.data());
  if (n < 5 || !csl_time::years::in_range(year) || !csl_time::days::in_range(day) ||
      !csl_time::hours::in_range(hour) || !csl_time::minutes::in_range(minute) ||
      !csl_time::seconds::in_range(second)) {
    return std::nullopt;
  }
  const std::string whole = time_image_of({year, day, hour, minute, second, 0});
  if (n == 7 && dot == '.' && std::strlen(millis.data()) == 3) {
    milli = std::atoi(millis.data());
    if (text != whole.substr(0, whole.size() - 3) + millis.data()) return std::nullopt;
  } else if (n != 5 || text != whole.substr(0, whole.size() - 4)) {
    return std::nullopt;
  }
  return csl_time::time{year, day, hour, minute, second, milli};
}

std::optional<std::string> new_vehicle_problem(const new_vehicle_request& r) {
  const auto range = [](const bounds_of_identity& b) {
    return std::to_string(b.first) + " .. " + std::to_string(b.last);
  };
  const std::string at_most = "at most " + std::to_string(identity_text_size) + " characters";
  if (!library_numbers.holds(r.library_number)) {
    return "the library number is " + range(library_numbers);
  }
  if (r.name.size() > identity_text_size) return "the name is " + at_most;
  if (r.class_name.size() > identity_text_size) return "the class is " + at_most;
  if (!qualifiers.holds(r.qualifier)) return "the qualifier is " + range(qualifiers);
  if (!issues.holds(r.issue)) return "the issue is " + range(issues);
  return std::nullopt;
}

std::optional<csl_database::key_state> state_named(const std::string& text) {
  std::string t = text;
  for (char& c : t) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (t == "empty") return csl_database::key_state::empty;
  if (t == "read_only") return csl_database::key_state::read_only;
  if (t == "read_write") return csl_database::key_state::read_write;
  return std::nullopt;
}

std::optional<int> stored_new_vehicle(const options& opts, const new_vehicle_request& r) {
  const kind::model_kind key =
      kind::create(r.library_number, r.qualifier, kind::name::from(r.name),
                   kind::class_::from(r.class_name), r.permanence, r.issue);
  const int position = kind::db_index_of(key).value();
  if (!opened_for_writing()) return std::nullopt;
  const int code = changed(opts, key, [&](auto& entry, sm_model_vehicle::data& d) {
    if (in_use(entry)) {
      complain("position " + std::to_string(position) + " is in use by " +
               key_image_of(entry.details) + "; nothing written");
      return false;
    }
    d = sm_model_vehicle::default_();
    d.general.set_is_valid(true);
    d.general.set_permanence(r.permanence);
    d.general.library_number = r.library_number;
    d.general.c100 = r.qualifier;
    d.general.c101 = kind::name::from(r.name);
    d.general.c102 = kind::class_::from(r.class_name);
    d.general.issue = static_cast<sm_model_vehicle_general_types::issue>(r.issue);
    entry.details = key;
    entry.state = csl_database::key_state::read_write;
    entry.mod_time = csl_real_time::processor_time();
    return true;
  });
  if (code != exit_ok) return std::nullopt;
  return position;
}

int new_vehicle(const options& opts, const new_vehicle_request& r) {
  const std::optional<int> position = stored_new_vehicle(opts, r);
  if (!position) return exit_problem;
  put_line(std::to_string(*position));
  return exit_ok;
}

int set(const options& opts, int position, const std::vector<std::string>& texts) {
  return set_values(opts, {position, texts, std::nullopt}).code;
}

set_outcome set_values(const options& opts, const set_request& request) {
  const int position = request.position;
  const std::vector<std::string>& texts = request.assignments;
  set_outcome out;
  if (!well_formed(texts)) {
    complain("nothing written");
    out.code = exit_usage;
    return out;
  }
  const std::optional<kind::model_kind> key = key_at(position);
  if (!key) return out;
  out.code = changed(opts, *key, [&](auto& entry, sm_model_vehicle::data& d) {
    if (!still_read_write(position, *key, entry)) return false;
    // Checked under the lock, so that no change made since the editor read the
    // entry is overwritten unseen.
    if (request.loaded && !(entry.mod_time == *request.loaded)) {
      complain("position " + std::to_string(position) + " was modified at " +
               time_image_of(entry.mod_time) + ", after it was read at " +
               time_image_of(*request.loaded) + "; nothing written");
      out.changed_since = true;
      return false;
    }
    std::span<std::uint8_t> record(reinterpret_cast<std::uint8_t*>(&d), sizeof d);
    if (!assigned(texts, record)) {
      complain("nothing written");
      return false;
    }
    // A record whose identity changed must still belong at its position.
    const kind::model_kind identity = sm_model_vehicle::kind_of(d);
    if (!kind::is_valid(identity) || !library_group_of(identity) ||
        kind::db_index_of(identity).value() != position) {
      complain("the record would no longer belong at position " + std::to_string(position) +
               "; nothing written");
      return false;
    }
    entry.details = identity;
    entry.mod_time = csl_real_time::processor_time();
    return true;
  });
  return out;
}

int set_state(const options& opts, int position, csl_database::key_state to) {
  const std::optional<kind::model_kind> key = key_at(position);
  if (!key) return exit_problem;
  return changed(opts, *key, [&](auto& entry, sm_model_vehicle::data&) {
    if (!(entry.details == *key)) {
      complain("position " + std::to_string(position) + " changed meanwhile; nothing written");
      return false;
    }
    entry.state = to;
    return true;
  });
}

int touch(const options& opts, int position, const std::string& time_text) {
  const std::optional<csl_time::time> t = time_from(time_text);
  if (!t) {
    complain("\"" + time_text + "\" is not a time: write YYYY-DDDTHH:MM:SS[.mmm] or now");
    return exit_usage;
  }
  const std::optional<kind::model_kind> key = key_at(position);
  if (!key) return exit_problem;
  return changed(opts, *key, [&](auto& entry, sm_model_vehicle::data&) {
    if (!still_read_write(position, *key, entry)) return false;
    entry.mod_time = *t;
    return true;
  });
}

}  // namespace vdb
