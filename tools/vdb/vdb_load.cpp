// vdb load: a dump (docs/dump_format.md) taken in two passes. The first reads it
// line by line, checks every value as vdb set checks it and builds each
// position's entry and record into a spool file; the second writes them through
// the store's batch change, whose writes are made durable together. Nothing is
// written unless the first pass found all of it good, and memory stays the same
// whatever the dump holds: standard input is read once, into the spool.
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "vdb_commands.hpp"
#include "vdb_dump_format.hpp"
#include "vdb_dump_record.hpp"

namespace vdb {

namespace {

namespace fields = sm_model_vehicle_fields;
namespace kind = sm_model_vehicle_kind;
using json = nlohmann::json;
using entry_type = sm_model_vehicle_database::key_rec;
using dump_record::record_bytes;
using dump_record::record_size;

constexpr std::size_t entry_size = sizeof(entry_type);
constexpr std::size_t preamble_size = offsetof(sm_model_vehicle_database::header_rec, index);
constexpr int most_problems_shown = 10;

// One position as the dump makes it.
struct slot {
  std::array<std::uint8_t, entry_size> entry{};
  record_bytes record{};
};

// ---- Reading the dump ----

// The dump opened for reading: standard input for "-"; none, having said why, for
// a file that is missing, a directory or unreadable.
FILE* opened(const std::string& name) {
  if (name == "-") return stdin;
  struct stat st {};
  if (::stat(name.c_str(), &st) != 0) {
    complain(errno == ENOENT ? "no file " + name
                             : "cannot read " + name + ": " + std::strerror(errno));
    return nullptr;
  }
  if (S_ISDIR(st.st_mode)) {
    complain(name + " is a directory, not a dump");
    return nullptr;
  }
  FILE* f = std::fopen(name.c_str(), "r");
  if (f == nullptr) complain("cannot read " + name + ": " + std::strerror(errno));
  return f;
}

// The lines of the dump one at a time; memory for the longest only.
class line_reader {
 public:
  explicit line_reader(FILE* f) : f_(f) {}
  line_reader(const line_reader&) = delete;
  line_reader& operator=(const line_reader&) = delete;
  ~line_reader() {
    std::free(buffer_);
    if (f_ != stdin) std::fclose(f_);
  }

  bool next(std::string_view& line) {
    const ssize_t n = ::getline(&buffer_, &capacity_, f_);
    if (n < 0) return false;
    ++number_;
    std::size_t size = static_cast<std::size_t>(n);
    while (size > 0 && (buffer_[size - 1] == '\n' || buffer_[size - 1] == '\r')) --size;
    line = std::string_view(buffer_, size);
    return true;
  }
  int number() const { return number_; }
  bool failed() const { return std::ferror(f_) != 0; }

 private:
  FILE* f_;
  char* buffer_ = nullptr;
  std::size_t capacity_ = 0;
  int number_ = 0;
};

// nlohmann's own words without its "[json.exception...] " prefix.
std::string parse_failure_of(const json::parse_error& e) {
  const std::string what = e.what();
  const std::size_t close = what.find("] ");
  return close == std::string::npos ? what : what.substr(close + 2);
}

// ---- The characteristics by name ----

const std::unordered_map<std::string_view, fields::located>& field_table() {
  static const auto table = [] {
    std::unordered_map<std::string_view, fields::located> t;
    for (const fields::group_fields& g : fields::groups()) {
      for (const fields::field& f : g.fields) t.emplace(f.name, fields::located{&g, &f});
    }
    return t;
  }();
  return table;
}

// Decimal digits without a leading zero, as the dump writes instance numbers.
bool number_part(std::string_view text, int& out) {
  const auto r = std::from_chars(text.data(), text.data() + text.size(), out);
  return !text.empty() && text[0] != '0' && r.ec == std::errc{} &&
         r.ptr == text.data() + text.size();
}

// "c204.2" as the dump names it: the field and its instance; none otherwise.
std::optional<std::pair<fields::located, fields::instance>> instance_named(std::string_view name) {
  const std::size_t dot = name.find('.');
  const auto found = field_table().find(name.substr(0, dot));
  if (found == field_table().end()) return std::nullopt;
  const fields::field& w = *found->second.what;
  fields::instance at;
  std::string_view rest = dot == std::string_view::npos ? "" : name.substr(dot + 1);
  if (!w.outer.per.empty()) {
    const std::size_t next = rest.find('.');
    if (!number_part(rest.substr(0, next), at.outer) || !w.outer.holds(at.outer)) {
      return std::nullopt;
    }
    rest = next == std::string_view::npos ? "" : rest.substr(next + 1);
    if (!w.inner.per.empty() && (!number_part(rest, at.inner) || !w.inner.holds(at.inner))) {
      return std::nullopt;
    }
  } else if (!rest.empty()) {
    return std::nullopt;
  }
  return std::pair{found->second, at};
}

// ---- Building a record ----

class record_builder {
 public:
  explicit record_builder(const dump_format::value_check& check) : check_(check) {
    given_.reserve(2048);
  }

  // The record from the default one: every characteristic's value, then the gaps.
  // Every instance the record holds must be given, and only those.
  std::string build(const json& values, const json& gaps, record_bytes& record) {
    start(record);
    if (!values.is_object()) return "characteristics are an object";
    for (const auto& [name, value] : values.items()) {
      const auto target = instance_named(name);
      if (!target) return name + ": no such characteristic";
      if (std::string e =
              dump_format::value_from(value, target->first, target->second, record, check_);
          !e.empty()) {
        return e;
      }
      given_.push_back(*target);
    }
    if (std::string e = each_held_given(record); !e.empty()) return e;
    return dump_record::gaps_from(gaps, record, dump_record::covered_by_fields(record));
  }

  // The streamed reading of a line: the record begun afresh, then each value
  // taken as it is read. A value at fault or given twice is not taken, and the
  // line is then read again as a whole, for build to name its fault as ever.
  void start(record_bytes& record) {
    record = dump_record::default_record();
    given_.clear();
    marked_.assign(8 * record_size, false);
    taken_ = 0;
  }
  bool take(std::string_view name, const json& value, record_bytes& record) {
    const auto target = named_as_before(name);
    if (!target) return false;
    const std::size_t bit = bit_of(target->first, target->second);
    if (marked_[bit]) return false;
    if (!dump_format::value_from(value, target->first, target->second, record, check_).empty()) {
      return false;
    }
    marked_[bit] = true;
    given_.push_back(*target);
    return true;
  }
  bool all_taken(const record_bytes& record) { return each_held_given(record).empty(); }

 private:
  static std::size_t bit_of(const fields::located& f, fields::instance at) {
    return 8 * fields::offset_of(f, at) + f.what->first_bit;
  }

  std::string each_held_given(const record_bytes& record) {
    std::vector<bool>& marked = marked_;
    for (const auto& [f, at] : given_) {
      if (!fields::holds(f, at, record)) {
        return fields::instance_name(f, at) + ": its tonal slot's kind does not hold it";
      }
      marked[bit_of(f, at)] = true;
    }
    std::string missing;
    for_each_held(record, [&](const fields::located& f, fields::instance at) {
      if (missing.empty() && !marked[bit_of(f, at)]) missing = fields::instance_name(f, at);
    });
    return missing.empty() ? missing : "lacks the value of " + missing;
  }

  // Every line of a dump names its characteristics in the same order: the name
  // the last line had at this place is most often this one's, and comparing it
  // spares looking the name up.
  std::optional<std::pair<fields::located, fields::instance>> named_as_before(
      std::string_view name) {
    const std::size_t k = taken_++;
    if (k < recent_.size() && recent_[k].first == name) return recent_[k].second;
    const auto target = instance_named(name);
    if (!target) return target;
    if (k >= recent_.size()) recent_.resize(k + 1);
    recent_[k] = {std::string(name), *target};
    return target;
  }

  dump_format::value_check check_;
  std::vector<std::pair<std::string, std::pair<fields::located, fields::instance>>> recent_;
  std::size_t taken_ = 0;
  std::vector<std::pair<fields::located, fields::instance>> given_;
  std::vector<bool> marked_;
};

// ---- Streaming a line ----

// Reads an entry line as SAX events: every member into a document as the whole
// parse would make it, except the characteristics' values, which go straight
// into the record as they are read; the document's characteristics are left an
// empty object. A document of some 3000 members a line is most of a load's time
// otherwise. Anything unusual (a fault, a value not taken, characteristics not
// an object or given twice) stops the reading, and the line is read as a whole.
class line_stream {
 public:
  using string_t = json::string_t;
  using dom = nlohmann::detail::json_sax_dom_parser<json>;

  line_stream(json& doc, record_builder& builder, record_bytes& record)
      : outer_(doc, false), builder_(builder), record_(record) {}

  bool null() { return scalar(nullptr); }
  bool boolean(bool v) { return scalar(v); }
  bool number_integer(json::number_integer_t v) { return scalar(v); }
  bool number_unsigned(json::number_unsigned_t v) { return scalar(v); }
  bool number_float(json::number_float_t v, const string_t&) { return scalar(v); }
  bool string(string_t& v) { return scalar(v); }
  bool binary(json::binary_t&) { return false; }

  bool start_object(std::size_t n) {
    if (awaiting_) {
      // The characteristics: an empty object in the document, the values streamed.
      awaiting_ = false;
      in_characteristics_ = true;
      ++depth_;
      builder_.start(record_);
      return outer_.start_object(0) && outer_.end_object();
    }
    return opened(n, [&](dom& d) { return d.start_object(n); });
  }
  bool end_object() {
    return closed([](dom& d) { return d.end_object(); });
  }
  bool start_array(std::size_t n) {
    if (awaiting_) return false;
    return opened(n, [&](dom& d) { return d.start_array(n); });
  }
  bool end_array() {
    return closed([](dom& d) { return d.end_array(); });
  }
  bool key(string_t& k) {
    if (inner_) return inner_->key(k);
    if (in_characteristics_) {
      name_ = k;
      return true;
    }
    if (depth_ == 1 && k == "characteristics") {
      if (seen_) return false;
      seen_ = awaiting_ = true;
    }
    return outer_.key(k);
  }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) {
    return false;
  }
  bool characteristics_seen() const { return seen_; }

 private:
  // A value directly in the characteristics is taken; any other goes to its document.
  template <class T>
  bool scalar(T&& v) {
    if (awaiting_) return false;
    if (inner_) return forward_scalar(*inner_, std::forward<T>(v));
    if (in_characteristics_) return builder_.take(name_, json(std::forward<T>(v)), record_);
    return forward_scalar(outer_, std::forward<T>(v));
  }
  template <class T>
  static bool forward_scalar(dom& d, T&& v) {
    if constexpr (std::is_same_v<std::decay_t<T>, std::nullptr_t>) {
      return d.null();
    } else if constexpr (std::is_same_v<std::decay_t<T>, bool>) {
      return d.boolean(v);
    } else if constexpr (std::is_same_v<std::decay_t<T>, json::number_integer_t>) {
      return d.number_integer(v);
    } else if constexpr (std::is_same_v<std::decay_t<T>, json::number_unsigned_t>) {
      return d.number_unsigned(v);
    } else if constexpr (std::is_same_v<std::decay_t<T>, json::number_float_t>) {
      return d.number_float(v, {});
    } else {
      return d.string(v);
    }
  }
  template <class F>
  bool opened(std::size_t, F&& start) {
    ++depth_;
    if (in_characteristics_ && !inner_) {
      value_ = json();
      inner_.emplace(value_, false);
    }
    return start(inner_ ? *inner_ : outer_);
  }
  template <class F>
  bool closed(F&& end) {
    --depth_;
    if (in_characteristics_ && !inner_) {
      in_characteristics_ = false;  // the characteristics' end: closed already
      return true;
    }
    if (!end(inner_ ? *inner_ : outer_)) return false;
    if (inner_ && depth_ == 2) {
      inner_.reset();
      return builder_.take(name_, value_, record_);
    }
    return true;
  }

  dom outer_;
  std::optional<dom> inner_;  // the value in the characteristics being read
  json value_;
  record_builder& builder_;
  record_bytes& record_;
  std::string name_;
  int depth_ = 0;
  bool awaiting_ = false;  // the characteristics' value comes next
  bool in_characteristics_ = false;
  bool seen_ = false;
};

// ---- The lines ----

std::string members_known(const json& j, std::initializer_list<std::string_view> known) {
  for (const auto& [name, value] : j.items()) {
    bool found = false;
    for (const std::string_view k : known) found = found || name == k;
    if (!found) return "no member " + name + " belongs here";
  }
  for (const std::string_view k : known) {
    if (k != "gaps" && !j.contains(std::string(k))) return "lacks its " + std::string(k);
  }
  return {};
}

// The header line: format, version, passwords, fill and counters.
std::string preamble_from(const json& j, std::array<std::uint8_t, preamble_size>& bytes) {
  const std::string wanted =
      "not a \"vdb dump\" of version " + std::to_string(dump_format::version);
  if (!j.is_object() || j.value("format", "") != dump_format::format_name) return wanted;
  if (j.value("version", 0) == 1) {
    return "a dump of version 1, which this vdb no longer reads: dump the database again";
  }
  if (j.value("version", 0) != dump_format::version) return wanted;
  if (std::string e = members_known(j, {"format", "version", "passwords", "fill", "counters"});
      !e.empty()) {
    return e;
  }
  const json& passwords = j["passwords"];
  const json& counters = j["counters"];
  if (!passwords.is_array() || passwords.size() != 3) return "passwords are 3 texts";
  if (!counters.is_array() || counters.size() != 3) return "counters are 3 numbers";
  const std::span<std::uint8_t> all(bytes);
  for (std::size_t i = 0; i < 3; ++i) {
    if (std::string e = dump_format::text_from(passwords[i], all.subspan(10 * i, 10)); !e.empty()) {
      return "password " + std::to_string(i + 1) + ": " + e;
    }
  }
  if (std::string e = dump_format::hex_from(j["fill"], all.subspan(30, 2)); !e.empty()) {
    return "fill: " + e;
  }
  for (std::size_t i = 0; i < 3; ++i) {
    const std::span<std::uint8_t> counter = all.subspan(32 + 4 * i, 4);
    const json& c = counters[i];
    if (c.is_number_integer() && c.get<std::int64_t>() >= 0 &&
        c.get<std::int64_t>() <= 0x7FFFFFFF) {
      const auto n = static_cast<std::int32_t>(c.get<std::int64_t>());
      std::memcpy(counter.data(), &n, 4);
    } else if (!c.is_object() || !dump_format::hex_from(c, counter).empty() || counter[3] < 0x80) {
      return "counter " + std::to_string(i + 1) + " is a number 0 .. 2147483647";
    }
  }
  return {};
}

// A key in use must belong at its position and agree with its record's general
// group, as vdb set keeps them.
std::string belonging(int position, const slot& s) {
  if (s.entry[32] == 0) return {};
  kind::model_kind key;
  std::memcpy(&key, s.entry.data(), sizeof key);
  if (!kind::is_valid(key) || !library_group_of(key)) return "its key is not a valid vehicle kind";
  if (kind::db_index_of(key).value() != position) {
    return "the key " + kind::image_of(key) + " belongs at position " +
           std::to_string(kind::db_index_of(key).value());
  }
  sm_model_vehicle::data d;
  std::memcpy(static_cast<void*>(&d), s.record.data(), record_size);
  if (!(sm_model_vehicle::kind_of(d) == key)) {
    return "the record's general group does not agree with the key";
  }
  return {};
}

// With the characteristics streamed, s.record already holds their values.
std::string entry_from(const json& j, int& position, slot& s, record_builder& builder, bool force,
                       bool streamed) {
  if (!j.is_object()) return "an entry is an object";
  if (std::string e =
          members_known(j, {"position", "state", "time", "key", "fill", "characteristics", "gaps"});
      !e.empty()) {
    return e;
  }
  if (!j["position"].is_number_integer() || j["position"].get<std::int64_t>() < 1 ||
      j["position"].get<std::int64_t>() > positions) {
    return "the position is a number 1 .. " + std::to_string(positions);
  }
  position = j["position"].get<int>();
  const std::span<std::uint8_t> entry(s.entry);
  for (const std::string& e : {dump_format::key_from(j["key"], entry.subspan(0, 32)),
                               dump_format::state_from(j["state"], s.entry[32]),
                               dump_format::hex_from(j["fill"], entry.subspan(33, 3)),
                               dump_format::time_from(j["time"], entry.subspan(36, 24))}) {
    if (!e.empty()) return e;
  }
  static const json no_gaps = json::array();
  const json& gaps = j.contains("gaps") ? j["gaps"] : no_gaps;
  if (std::string e = streamed ? dump_record::gaps_from(gaps, s.record,
                                                        dump_record::covered_by_fields(s.record))
                               : builder.build(j["characteristics"], gaps, s.record);
      !e.empty()) {
    return e;
  }
  return force ? std::string() : belonging(position, s);
}

// ---- Reading the characteristics by hand ----

// The characteristics as the dump writes them, read without a JSON parser: a
// name of plain characters, then a number or a text of plain characters with no
// escape. Anything else (a hex form, a blank, an escape) leaves the line to the
// parser. Numbers are read by JSON's own grammar, as the parser reads them.
class plain_reader {
 public:
  explicit plain_reader(std::string_view text) : p_(text.data()), end_(text.data() + text.size()) {}

  const char* at() const { return p_; }
  bool eat(char c) {
    if (p_ == end_ || *p_ != c) return false;
    ++p_;
    return true;
  }
  bool plain_string(std::string_view& out) {
    if (!eat('"')) return false;
    const char* first = p_;
    while (p_ != end_ && *p_ != '"') {
      const auto c = static_cast<unsigned char>(*p_);
      if (c < 0x20 || c > 0x7E || c == '\\') return false;
      ++p_;
    }
    out = std::string_view(first, static_cast<std::size_t>(p_ - first));
    return eat('"');
  }
  bool number(json& out) {
    const char* first = p_;
    eat('-');
    if (!eat('0') && !digits()) return false;
    bool whole = true;
    if (eat('.')) {
      whole = false;
      if (!digits()) return false;
    }
    if (eat('e') || eat('E')) {
      whole = false;
      if (!eat('+')) eat('-');
      if (!digits()) return false;
    }
    return whole ? whole_number(first, out) : real_number(first, out);
  }

 private:
  bool digits() {
    const char* first = p_;
    while (p_ != end_ && *p_ >= '0' && *p_ <= '9') ++p_;
    return p_ != first;
  }
  // A number beyond 64 bits the parser takes as a real: it is left to it.
  bool whole_number(const char* first, json& out) {
    if (*first == '-') {
      json::number_integer_t n = 0;
      const auto r = std::from_chars(first, p_, n);
      out = n;
      return r.ec == std::errc{} && r.ptr == p_;
    }
    json::number_unsigned_t n = 0;
    const auto r = std::from_chars(first, p_, n);
    out = n;
    return r.ec == std::errc{} && r.ptr == p_;
  }
  bool real_number(const char* first, json& out) {
    json::number_float_t d = 0;
    const auto r = std::from_chars(first, p_, d);
    out = d;
    return r.ec == std::errc{} && r.ptr == p_;
  }

  const char* p_;
  const char* end_;
};

// Where the characteristics' object begins in a line as the dump writes it, at
// the top level of the line's object; npos when not found so.
std::size_t characteristics_at(std::string_view line) {
  constexpr std::string_view marker = "\"characteristics\":{";
  const std::size_t found = line.find(marker);
  if (found == std::string_view::npos ||
      line.substr(0, found).find("characteristics") != std::string_view::npos) {
    return std::string_view::npos;
  }
  int depth = 0;
  bool in_string = false;
  for (std::size_t i = 0; i < found; ++i) {
    const char c = line[i];
    if (in_string) {
      i += c == '\\' ? 1 : 0;  // an escaped character never ends the text
      in_string = c != '"';
    } else if (c == '"') {
      in_string = true;
    } else if (c == '{' || c == '[') {
      ++depth;
    } else if (c == '}' || c == ']') {
      --depth;
    }
  }
  return !in_string && depth == 1 ? found + marker.size() - 1 : std::string_view::npos;
}

// True when the line's characteristics were read by hand with every value taken
// and each the record holds given; j is then the rest of the line's document,
// its characteristics an empty object.
bool read_plainly(std::string_view line, json& j, record_builder& builder, record_bytes& record) {
  const std::size_t open = characteristics_at(line);
  if (open == std::string_view::npos) return false;
  plain_reader in(line.substr(open));
  in.eat('{');
  builder.start(record);
  std::string_view name;
  json value;
  if (!in.eat('}')) {
    do {
      std::string_view text;
      if (!in.plain_string(name) || !in.eat(':')) return false;
      if (in.plain_string(text)) {
        value = std::string(text);
      } else if (!in.number(value)) {
        return false;
      }
      if (!builder.take(name, value, record)) return false;
    } while (in.eat(','));
    if (!in.eat('}')) return false;
  }
  const std::string_view after = line.substr(static_cast<std::size_t>(in.at() - line.data()));
  if (after.find("characteristics") != std::string_view::npos) return false;
  std::string rest(line.substr(0, open));
  rest += "{}";
  rest += after;
  j = json::parse(rest, nullptr, false);
  return !j.is_discarded() && builder.all_taken(record);
}

// True when the line streamed with every characteristic taken and each the
// record holds given; j is then the line less the characteristics' values.
bool streamed_clean(std::string_view line, json& j, record_builder& builder, record_bytes& record) {
  bool characteristics_seen = false;
  {
    line_stream stream(j, builder, record);
    if (!json::sax_parse(line, &stream)) return false;
    characteristics_seen = stream.characteristics_seen();
  }
  return !characteristics_seen || builder.all_taken(record);
}

// ---- The spool ----

// Each position's entry and record as the dump makes them, at the position's
// place in a temporary file that goes when it is closed.
class spool {
 public:
  spool() : file_(std::tmpfile()), held_(static_cast<std::size_t>(positions) + 1, false) {}
  spool(const spool&) = delete;
  spool& operator=(const spool&) = delete;
  ~spool() {
    if (file_ != nullptr) std::fclose(file_);
  }

  bool usable() const { return file_ != nullptr; }
  bool holds(int position) const { return held_[static_cast<std::size_t>(position)]; }
  int count() const { return count_; }

  bool put(int position, const slot& s) {
    held_[static_cast<std::size_t>(position)] = true;
    ++count_;
    return ::pwrite(::fileno(file_), &s, sizeof s, offset_of(position)) ==
           static_cast<ssize_t>(sizeof s);
  }
  // The position as the dump makes it; a position it does not hold is made afresh.
  bool get(int position, slot& s) const {
    if (!holds(position)) {
      s.entry.fill(0);
      s.record = dump_record::default_record();
      return true;
    }
    return ::pread(::fileno(file_), &s, sizeof s, offset_of(position)) ==
           static_cast<ssize_t>(sizeof s);
  }

 private:
  static off_t offset_of(int position) {
    return static_cast<off_t>(sizeof(slot)) * static_cast<off_t>(position - 1);
  }
  FILE* file_;
  std::vector<bool> held_;
  int count_ = 0;
};

void show_progress(const char* what, int done, bool last) {
  if (::isatty(STDERR_FILENO) == 0) return;
  std::fprintf(stderr, "\rvdb: %s %d", what, done);
  if (last) std::fputc('\n', stderr);
}

// The first pass: every line checked, the header's bytes and every position's
// into the spool. False, having named each line at fault, when any is.
bool checked(const load_request& r, std::array<std::uint8_t, preamble_size>& preamble,
             spool& into) {
  FILE* f = opened(r.file_name);
  if (f == nullptr) return false;
  line_reader lines(f);
  record_builder builder({r.force});
  const std::string source = r.file_name == "-" ? "standard input" : r.file_name;
  int problems = 0;
  const auto fault = [&](const std::string& why) {
    if (++problems <= most_problems_shown) {
      complain(source + " line " + std::to_string(lines.number()) + ": " + why);
    }
  };
  slot s;
  std::string_view line;
  bool header_seen = false;
  while (lines.next(line)) {
    if (lines.number() % 64 == 0) show_progress("checking line", lines.number(), false);
    if (line.empty() && header_seen) continue;
    json j;
    const bool streamed = header_seen && (read_plainly(line, j, builder, s.record) ||
                                          streamed_clean(line, j, builder, s.record));
    try {
      if (!streamed) j = json::parse(line);
    } catch (const json::parse_error& e) {
      fault(header_seen ? "not JSON: " + parse_failure_of(e)
                        : "not a \"vdb dump\" of version " + std::to_string(dump_format::version));
      if (!header_seen) break;
      continue;
    }
    if (!header_seen) {
      header_seen = true;
      if (std::string e = preamble_from(j, preamble); !e.empty()) {
        fault(e);
        break;
      }
      continue;
    }
    int position = 0;
    std::string e = entry_from(j, position, s, builder, r.force, streamed);
    if (e.empty() && into.holds(position)) e = "position " + std::to_string(position) + " again";
    if (!e.empty()) {
      fault(position > 0 ? "position " + std::to_string(position) + ": " + e : e);
    } else if (!into.put(position, s)) {
      complain("cannot write the spool file: " + std::string(std::strerror(errno)));
      return false;
    }
  }
  show_progress("checking line", lines.number(), true);
  if (lines.failed()) {
    complain("cannot read " + source + ": " + std::strerror(errno));
    return false;
  }
  if (!header_seen && problems == 0) fault("empty: not a \"vdb dump\"");
  if (problems > most_problems_shown) {
    complain(std::to_string(problems - most_problems_shown) + " more problems");
  }
  return problems == 0;
}

// ---- The second pass ----

bool same_as(const slot& s, const entry_type& entry, const sm_model_vehicle::data& item) {
  return std::memcmp(s.entry.data(), &entry, entry_size) == 0 &&
         std::memcmp(s.record.data(), &item, record_size) == 0;
}

// With --no-overwrite: no entry in use may change.
bool nothing_overwritten(const std::vector<int>& to_write, const spool& from) {
  load_index();
  bool clear = true;
  slot s;
  sm_model_vehicle::data item{};
  for (const int p : to_write) {
    const entry_type& entry = store().header().entry(p);
    if (entry.state == csl_database::key_state::empty) continue;
    if (!from.get(p, s) || !read_item(p, item) || !same_as(s, entry, item)) {
      complain("position " + std::to_string(p) + " is in use and would change (--no-overwrite)");
      clear = false;
    }
  }
  return clear;
}

void complain_not_locked(int position, const csl_platform::status& why) {
  const std::string name = store().lock_file_name(position);
  if (!csl_platform::already_exists(why)) {
    complain("cannot make the lock file " + name + ": " + why.message());
    return;
  }
  const std::optional<double> age = age_of(name);
  std::array<char, 32> seconds{};
  if (age) std::snprintf(seconds.data(), seconds.size(), "%.1f", *age);
  complain("the lock file " + name + " is held" +
           (age ? " (made " + std::string(seconds.data()) + " s ago)" : std::string()));
}

// The header's passwords, fill and counters, under the lock of position 1.
bool preamble_written(const options& opts, const std::array<std::uint8_t, preamble_size>& bytes) {
  const csl_database::modify_result r = store().modify_preamble(
      [&](sm_model_vehicle_database::header_rec& h) {
        std::memcpy(static_cast<void*>(&h), bytes.data(), bytes.size());
        return true;
      },
      writer_policy(opts));
  if (r.outcome == csl_database::modify_outcome::not_locked) {
    complain_not_locked(1, r.lock_status);
    complain("the header's passwords and counters were not written");
    return false;
  }
  return r.outcome == csl_database::modify_outcome::written && r.whole;
}

int written(const options& opts, const load_request& r, const spool& from,
            const std::vector<int>& to_write) {
  std::vector<int> changed_meanwhile;
  int done = 0;
  const csl_database::batch_result result = store().modify_batch(
      to_write,
      [&](int p, entry_type& entry, sm_model_vehicle::data& item) {
        show_progress("writing position", ++done, false);
        slot s;
        if (!from.get(p, s)) throw std::runtime_error("the spool file cannot be read");
        if (r.no_overwrite && entry.state != csl_database::key_state::empty &&
            !same_as(s, entry, item)) {
          changed_meanwhile.push_back(p);
          return false;
        }
        std::memcpy(static_cast<void*>(&entry), s.entry.data(), entry_size);
        std::memcpy(static_cast<void*>(&item), s.record.data(), record_size);
        return true;
      },
      writer_policy(opts));
  show_progress("writing position", done, true);
  switch (result.outcome) {
    case csl_database::modify_outcome::not_locked:
      complain_not_locked(result.position, result.lock_status);
      complain("nothing loaded");
      return exit_problem;
    case csl_database::modify_outcome::unreadable:
      complain("position " + std::to_string(result.position) +
               " cannot be read; the load stopped there, the positions before it written");
      return exit_problem;
    default:
      break;
  }
  for (const int p : changed_meanwhile) {
    complain("position " + std::to_string(p) + " came into use meanwhile; left as it is");
  }
  if (!result.whole) {
    complain("not every write was whole; run vdb verify");
    return exit_problem;
  }
  return changed_meanwhile.empty() ? exit_ok : exit_problem;
}

}  // namespace

int load(const options& opts, const load_request& r) {
  std::array<std::uint8_t, preamble_size> preamble{};
  spool from;
  if (!from.usable()) {
    complain("cannot make a spool file: " + std::string(std::strerror(errno)));
    return exit_problem;
  }
  if (!checked(r, preamble, from)) {
    complain("nothing loaded");
    return exit_problem;
  }
  // The store creates both files when neither is there, and opens them otherwise.
  const bool creating = !item_file().exists && !index_file().exists;
  if (!creating && !database_readable()) return exit_problem;
  store().initialise();
  if (!store().is_initialised()) {
    complain("cannot open the database " + store().file_name());
    return exit_problem;
  }
  std::vector<int> to_write;
  for (int p = 1; p <= positions; ++p) {
    if (r.replace || from.holds(p)) to_write.push_back(p);
  }
  if (r.no_overwrite && !nothing_overwritten(to_write, from)) {
    complain("nothing loaded");
    return exit_problem;
  }
  const int code = written(opts, r, from, to_write);
  if (code != exit_ok) return code;
  // The header is the dump's when the database becomes the dump; a merge keeps
  // the database's own.
  if ((r.replace || creating) && !preamble_written(opts, preamble)) return exit_problem;
  return exit_ok;
}

}  // namespace vdb
