// The helpers every byte builder uses: little-endian puts, texts, memory images
// and the operator-unit conversions as the library stores them.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace vdb_bytes {

using bytes = std::vector<std::uint8_t>;

inline constexpr std::size_t item_size = 12864;
inline constexpr std::size_t index_size = 120044;
inline constexpr std::size_t entry_size = 60;
inline constexpr int positions = 2000;

inline void put_u8(bytes& b, std::size_t at, unsigned v) {
  b.at(at) = static_cast<std::uint8_t>(v);
}

inline void put_u16(bytes& b, std::size_t at, unsigned v) {
  put_u8(b, at, v & 0xFF);
  put_u8(b, at + 1, (v >> 8) & 0xFF);
}

inline void put_i32(bytes& b, std::size_t at, std::int32_t v) {
  auto u = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) put_u8(b, at + i, (u >> (8 * i)) & 0xFF);
}

inline void put_f32(bytes& b, std::size_t at, float v) {
  std::uint32_t u;
  std::memcpy(&u, &v, 4);
  put_i32(b, at, static_cast<std::int32_t>(u));
}

// Blank-padded, no terminator.
inline void put_text(bytes& b, std::size_t at, std::size_t width, std::string_view text) {
  for (std::size_t i = 0; i < width; ++i) put_u8(b, at + i, i < text.size() ? text[i] : ' ');
}

// The memory image of a record, to compare with bytes built from the tables.
template <class T>
bytes bytes_of(const T& value) {
  bytes b(sizeof value);
  std::memcpy(b.data(), &value, sizeof value);
  return b;
}

inline float f32_of(const bytes& b, std::size_t at) {
  float v;
  std::memcpy(&v, b.data() + at, 4);
  return v;
}

// 50 yards as stored: float32(50) x float32(0.9144), rounded once.
inline constexpr std::uint8_t fifty_yards[4] = {0x47, 0xE1, 0x36, 0x42};

// Operator-unit conversions as stored: the float32 product, rounded once.
inline constexpr float knots_to_metres_per_second = 0.51477337F;
inline constexpr float radians_per_degree = 0.017453292F;
inline constexpr float degrees_per_second_per_rpm = 6.0F;

// Copies a group's bytes into the record at its offset.
inline void put_group(bytes& record, std::size_t at, const bytes& group) {
  std::copy(group.begin(), group.end(), record.begin() + static_cast<std::ptrdiff_t>(at));
}

}  // namespace vdb_bytes
