// Temporary directories and whole-file reads and writes for tests.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "vdb_bytes.hpp"

namespace test_files {

// A fresh directory, removed with everything in it at the end of the test.
class temp_dir {
 public:
  temp_dir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "rva_test_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
  }
  ~temp_dir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  temp_dir(const temp_dir&) = delete;
  temp_dir& operator=(const temp_dir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// In one read: the tests are compiled unoptimised, and a character at a time an
// item file of 25 MB took a second.
inline vdb_bytes::bytes read_all(const std::string& name) {
  std::ifstream in(name, std::ios::binary | std::ios::ate);
  if (!in) return {};
  vdb_bytes::bytes content(static_cast<std::size_t>(in.tellg()));
  in.seekg(0);
  in.read(reinterpret_cast<char*>(content.data()), static_cast<std::streamsize>(content.size()));
  content.resize(static_cast<std::size_t>(in.gcount()));
  return content;
}

inline void write_all(const std::string& name, const vdb_bytes::bytes& content) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(content.data()),
            static_cast<std::streamsize>(content.size()));
}

inline void write_text(const std::string& name, const std::string& text) {
  std::ofstream out(name, std::ios::trunc);
  out << text;
}

// An item file of `records` default records with the given vehicles in place, and
// an index holding their entries, all read_write.
inline void write_database(const std::string& base, const std::vector<vdb_bytes::vehicle>& vehicles,
                           int records = vdb_bytes::positions) {
  vdb_bytes::bytes index = vdb_bytes::new_index();
  const vdb_bytes::bytes blank = vdb_bytes::default_item();
  vdb_bytes::bytes items;
  items.reserve(blank.size() * static_cast<std::size_t>(records));
  for (int p = 0; p < records; ++p) items.insert(items.end(), blank.begin(), blank.end());
  for (const auto& v : vehicles) {
    vdb_bytes::put_entry(index, v, 2);
    const vdb_bytes::bytes item = vdb_bytes::item_of(v);
    const std::size_t at = vdb_bytes::item_size * static_cast<std::size_t>(v.position() - 1);
    if (at + item.size() <= items.size()) std::copy(item.begin(), item.end(), items.begin() + at);
  }
  write_all(base, items);
  write_all(base + "_INDEX", index);
}

}  // namespace test_files
