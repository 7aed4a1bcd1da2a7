// The associated fit and project-specific groups and the model kinds they hold,
// built byte by byte from the format tables (offset 0 = start of the group or kind).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "vdb_bytes_basics.hpp"

namespace vdb_bytes {

inline constexpr std::size_t fit_group_size = 788;
inline constexpr std::size_t project_group_size = 12;
inline constexpr std::size_t sonar_kind_size = 16;
inline constexpr std::size_t radar_kind_size = 28;
inline constexpr std::size_t vehicle_kind_size = 32;

// Where the kinds of the associated fit group start.
inline constexpr std::size_t fit_sonar_at = 8;
inline constexpr std::size_t fit_radar_at = 168;
inline constexpr std::size_t fit_vehicle_at = 448;

// A sonar kind: byte 0 validity bit 0 and permanence bits 4-7, issue, 16-bit
// library number, 12-character name.
inline bytes sonar_kind(bool valid, bool temporary, unsigned issue, unsigned library_number,
                        std::string_view name) {
  bytes b(sonar_kind_size, 0);
  put_u8(b, 0, (temporary ? 0x10U : 0x00U) | (valid ? 0x01U : 0x00U));
  put_u8(b, 1, issue);
  put_u16(b, 2, library_number);
  put_text(b, 4, 12, name);
  return b;
}

// A radar kind: byte 0 as for sonar, issue, 16-bit reference number, 32-bit
// library number, 20-character name.
inline bytes radar_kind(bool valid, bool temporary, unsigned issue, unsigned reference_number,
                        std::int32_t library_number, std::string_view name) {
  bytes b(radar_kind_size, 0);
  put_u8(b, 0, (temporary ? 0x10U : 0x00U) | (valid ? 0x01U : 0x00U));
  put_u8(b, 1, issue);
  put_u16(b, 2, reference_number);
  put_i32(b, 4, library_number);
  put_text(b, 8, 20, name);
  return b;
}

inline bytes unallocated_sonar_kind() {
  return sonar_kind(false, true, 0, 0, "NONAME");
}

inline bytes unallocated_radar_kind() {
  return radar_kind(false, true, 0, 0, 1, "NONAME");
}

// Not valid, temp, qualifier 1, library number 0, class "UNKNOWN", name "NONAME",
// issue 0.
inline bytes unallocated_vehicle_kind() {
  bytes b(vehicle_kind_size, 0);
  put_u8(b, 0, 0x10);
  put_u8(b, 1, 1);
  put_u16(b, 2, 0);
  put_text(b, 4, 12, "UNKNOWN");
  put_text(b, 16, 12, "NONAME");
  put_i32(b, 28, 0);
  return b;
}

inline void put_bytes(bytes& b, std::size_t at, const bytes& part) {
  for (std::size_t i = 0; i < part.size(); ++i) put_u8(b, at + i, part[i]);
}

// Three zero times, either_side, 0, then ten unallocated sonar kinds, ten radar
// kinds and ten vehicle kinds, and zero ranges and beamwidths.
inline bytes fit_group_default() {
  bytes b(fit_group_size, 0);
  for (std::size_t i = 0; i < 10; ++i) {
    put_bytes(b, fit_sonar_at + sonar_kind_size * i, unallocated_sonar_kind());
    put_bytes(b, fit_radar_at + radar_kind_size * i, unallocated_radar_kind());
    put_bytes(b, fit_vehicle_at + vehicle_kind_size * i, unallocated_vehicle_kind());
  }
  return b;
}

// Every characteristic 0.
inline bytes project_group_default() {
  return bytes(project_group_size, 0);
}

}  // namespace vdb_bytes
