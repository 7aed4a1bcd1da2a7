#include "vdb_dump_record.hpp"

#include <cstring>

#include "vdb_common.hpp"
#include "vdb_dump_format.hpp"

namespace vdb::dump_record {

namespace fields = sm_model_vehicle_fields;

record_bytes covered_by_fields(std::span<const std::uint8_t> record) {
  record_bytes covered{};
  for_each_held(record, [&](const fields::located& f, fields::instance at) {
    const std::size_t offset = fields::offset_of(f, at);
    if (f.what->how != fields::encoding::bits) {
      std::memset(covered.data() + offset, 0xFF, f.what->size);
      return;
    }
    const std::uint64_t mask = ((std::uint64_t{1} << f.what->bit_count) - 1) << f.what->first_bit;
    for (std::size_t i = 0; i < f.what->size; ++i) {
      covered[offset + i] |= static_cast<std::uint8_t>(mask >> (8 * i));
    }
  });
  return covered;
}

const record_bytes& default_record() {
  static const record_bytes bytes = [] {
    record_bytes b{};
    const sm_model_vehicle::data& d = sm_model_vehicle::default_();
    std::memcpy(b.data(), &d, b.size());
    return b;
  }();
  return bytes;
}

void put_gaps(std::string& out, std::span<const std::uint8_t> record, const record_bytes& covered) {
  const record_bytes& base = default_record();
  const auto differs = [&](std::size_t i) {
    return ((record[i] ^ base[i]) & static_cast<std::uint8_t>(~covered[i])) != 0;
  };
  out += '[';
  bool first = true;
  for (std::size_t i = 0; i < record_size;) {
    if (!differs(i)) {
      ++i;
      continue;
    }
    std::size_t end = i + 1;
    while (end < record_size && differs(end)) ++end;
    if (!first) out += ',';
    first = false;
    out += '[';
    out += std::to_string(i);
    out += ",\"";
    out += hex_of(record.data() + i, end - i);
    out += "\"]";
    i = end;
  }
  out += ']';
}

std::string gaps_from(const nlohmann::json& j, std::span<std::uint8_t> record,
                      const record_bytes& covered) {
  constexpr const char* form = "gaps are [[offset, \"hex\"], ...]";
  if (!j.is_array()) return form;
  for (const nlohmann::json& run : j) {
    if (!run.is_array() || run.size() != 2 || !run[0].is_number_unsigned() || !run[1].is_string()) {
      return form;
    }
    const std::size_t offset = run[0].get<std::size_t>();
    const std::string& hex = run[1].get_ref<const std::string&>();
    if (offset >= record_size || hex.size() / 2 > record_size - offset) {
      return "a gap at " + std::to_string(offset) + " lies beyond the record";
    }
    std::uint8_t bytes[record_size];
    const std::span<std::uint8_t> run_bytes(bytes, hex.size() / 2);
    if (std::string e = dump_format::hex_from(std::string_view(hex), run_bytes);
        !e.empty() || hex.size() % 2 != 0) {
      return "the gap at " + std::to_string(offset) + ": not hex digits";
    }
    // The characteristics' values stand: a gap gives only the bits none covers.
    for (std::size_t i = 0; i < run_bytes.size(); ++i) {
      const std::uint8_t keep = covered[offset + i];
      record[offset + i] = static_cast<std::uint8_t>(
          (record[offset + i] & keep) | (run_bytes[i] & static_cast<std::uint8_t>(~keep)));
    }
  }
  return {};
}

}  // namespace vdb::dump_record
