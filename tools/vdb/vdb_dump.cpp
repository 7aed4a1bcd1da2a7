// vdb dump: both files of the database as JSON Lines (docs/dump_format.md), one
// header line, then one line per position written as it is read, so that memory
// stays the same whatever the database holds.
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "vdb_commands.hpp"
#include "vdb_dump_format.hpp"
#include "vdb_dump_record.hpp"

namespace vdb {

namespace {

namespace fields = sm_model_vehicle_fields;
using entry_type = sm_model_vehicle_database::key_rec;

template <class T>
dump_format::bytes_view bytes_of(const T& t) {
  return {reinterpret_cast<const std::uint8_t*>(&t), sizeof t};
}

std::string header_line() {
  const auto& h = store().header();
  std::string out = "{\"format\":";
  dump_format::put_string(out, dump_format::format_name);
  out += ",\"version\":" + std::to_string(dump_format::version) + ",\"passwords\":[";
  for (std::size_t i = 0; i < h.passwords.size(); ++i) {
    if (i > 0) out += ',';
    dump_format::put_text(out, bytes_of(h.passwords[i]));
  }
  out += "],\"fill\":\"" + hex_of(h.fill.data(), h.fill.size()) + "\",\"counters\":[";
  for (std::size_t i = 0; i < h.number.size(); ++i) {
    if (i > 0) out += ',';
    std::int32_t n = 0;
    std::memcpy(&n, &h.number[i], sizeof n);
    if (n >= 0) {
      out += std::to_string(n);
    } else {
      dump_format::put_hex_form(out, bytes_of(h.number[i]));
    }
  }
  return out + "]}\n";
}

// The characteristics in the tables' order: a dump reads as show lists them.
void put_characteristics(std::string& out, dump_format::bytes_view record) {
  // Records mostly hold the same instances: the names the last one had at each
  // place, made once, spare making them again.
  struct named {
    const fields::field* what;
    fields::instance at;
    std::string name;
  };
  static std::vector<named> recent;
  std::size_t k = 0;
  out += '{';
  for_each_held(record, [&](const fields::located& f, fields::instance at) {
    if (k > 0) out += ',';
    if (k >= recent.size()) recent.resize(k + 1);
    named& n = recent[k++];
    if (n.what != f.what || n.at.outer != at.outer || n.at.inner != at.inner) {
      n = {f.what, at, fields::instance_name(f, at)};
    }
    dump_format::put_string(out, n.name);
    out += ':';
    dump_format::put_value(out, f, at, record);
  });
  out += '}';
}

std::string entry_line(int position, const entry_type& e, dump_format::bytes_view record) {
  std::string out = "{\"position\":" + std::to_string(position) + ",\"state\":";
  dump_format::put_state(out, static_cast<std::uint8_t>(e.state));
  out += ",\"time\":";
  dump_format::put_time(out, bytes_of(e.mod_time));
  out += ",\"key\":";
  dump_format::put_key(out, bytes_of(e.details));
  out += ",\"fill\":\"" + hex_of(e.fill.data(), e.fill.size()) + "\",\"characteristics\":";
  put_characteristics(out, record);
  out += ",\"gaps\":";
  dump_record::put_gaps(out, record, dump_record::covered_by_fields(record));
  return out + "}\n";
}

// A position the dump leaves out is one that load --replace makes again: the
// empty entry (every byte zero) and the default record.
bool as_made_afresh(const entry_type& e, dump_format::bytes_view record) {
  static const entry_type empty{};
  const auto& base = dump_record::default_record();
  return std::memcmp(&e, &empty, sizeof e) == 0 &&
         std::memcmp(record.data(), base.data(), base.size()) == 0;
}

// Where the dump goes: standard output, or a file made beside FILE and put in its
// place only when the dump is whole, so that a failed dump never replaces a good
// one.
class sink {
 public:
  explicit sink(const std::string& file_name) : target_(file_name) {
    if (file_name.empty()) {
      out_ = data();
      return;
    }
    partial_ = file_name + ".partial-XXXXXX";
    const int fd = ::mkstemp(partial_.data());
    if (fd >= 0) out_ = ::fdopen(fd, "w");
    if (out_ == nullptr) {
      complain("cannot write " + file_name + ": " + std::strerror(errno));
      if (fd >= 0) ::close(fd);
      partial_.clear();
    }
  }
  sink(const sink&) = delete;
  sink& operator=(const sink&) = delete;
  ~sink() {
    if (!partial_.empty()) std::remove(partial_.c_str());
  }

  bool usable() const { return out_ != nullptr; }
  void put(const std::string& line) { std::fwrite(line.data(), 1, line.size(), out_); }

  // True when every line was written and, for a file, it is in place.
  bool finished(bool whole) {
    if (partial_.empty()) return std::ferror(out_) == 0;
    const bool written = std::fflush(out_) == 0 && std::ferror(out_) == 0;
    const bool closed = std::fclose(out_) == 0;
    if (!written || !closed) {
      complain("cannot write " + target_ + ": " + std::strerror(errno));
      return false;
    }
    if (!whole) return false;
    if (std::rename(partial_.c_str(), target_.c_str()) != 0) {
      complain("cannot write " + target_ + ": " + std::strerror(errno));
      return false;
    }
    partial_.clear();
    return true;
  }

 private:
  std::string target_;
  std::string partial_;
  FILE* out_ = nullptr;
};

void show_progress(const char* what, int done, int of, bool last) {
  if (::isatty(STDERR_FILENO) == 0) return;
  std::fprintf(stderr, "\rvdb: %s %d of %d", what, done, of);
  if (last) std::fputc('\n', stderr);
}

}  // namespace

std::optional<std::vector<int>> positions_of(const std::vector<std::string>& texts) {
  std::vector<bool> chosen(static_cast<std::size_t>(positions) + 1, texts.empty());
  for (const std::string& text : texts) {
    const std::size_t dash = text.find('-');
    int first = 0;
    int last = 0;
    const auto number = [](std::string_view t, int& out) {
      const auto r = std::from_chars(t.data(), t.data() + t.size(), out);
      return !t.empty() && r.ec == std::errc{} && r.ptr == t.data() + t.size();
    };
    const std::string_view t(text);
    const bool read = dash == std::string::npos
                          ? number(t, first) && number(t, last)
                          : number(t.substr(0, dash), first) && number(t.substr(dash + 1), last);
    if (!read || first < 1 || last > positions || first > last) {
      complain("\"" + text + "\" is not a position 1 .. " + std::to_string(positions) +
               " nor a range of them such as 5-9");
      return std::nullopt;
    }
    for (int p = first; p <= last; ++p) chosen[static_cast<std::size_t>(p)] = true;
  }
  std::vector<int> all;
  for (int p = 1; p <= positions; ++p) {
    if (chosen[static_cast<std::size_t>(p)]) all.push_back(p);
  }
  return all;
}

int dump(const options&, const dump_request& request) {
  if (!database_readable()) return exit_problem;
  load_index();
  sink out(request.file_name);
  if (!out.usable()) return exit_problem;
  out.put(header_line());
  bool whole = true;
  const int count = static_cast<int>(request.positions.size());
  int i = 0;
  for_each_item(request.positions, [&](int p, const sm_model_vehicle::data& item, bool read) {
    if (i % 64 == 0 || i + 1 == count)
      show_progress("dumping position", i + 1, count, i + 1 == count);
    ++i;
    if (!read) {
      complain("position " + std::to_string(p) + " left out: its record cannot be read");
      whole = false;
      return;
    }
    const entry_type& e = store().header().entry(p);
    const dump_format::bytes_view record = bytes_of(item);
    if (!as_made_afresh(e, record)) out.put(entry_line(p, e, record));
  });
  if (!out.finished(whole)) return exit_problem;
  if (!whole) complain("the dump is not whole");
  return whole ? exit_ok : exit_problem;
}

}  // namespace vdb
