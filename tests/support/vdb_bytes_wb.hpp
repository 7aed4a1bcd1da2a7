// The default bytes of the wideband and enhanced aural groups, built offset by
// offset from the file layout, independently of the library's records. Offset
// 0 is the start of the group.
#pragma once

#include <cstddef>
#include <cstdint>

#include "vdb_bytes_basics.hpp"

namespace vdb_bytes {

inline constexpr std::size_t wb_group_size = 1484;
inline constexpr std::size_t wb_tonal_size = 148;
inline constexpr std::size_t wb_series_offset = 4;
inline constexpr std::size_t eaural_group_size = 4440;
inline constexpr std::size_t eaural_set_size = 444;
inline constexpr std::size_t eaural_modes_offset = 48;
inline constexpr std::size_t eaural_mode_size = 132;

// Where wideband series slot n (41 .. 50) starts in the group.
inline std::size_t wb_slot_offset(int n) {
  return wb_series_offset + wb_tonal_size * static_cast<std::size_t>(n - 41);
}

// The default wideband tonal: kind pres (6), then the common part with c800
// "NONAME" at 104 and c809 500 at 110 (4 bytes further on in the tonal), every
// other byte zero: modes off, stable, grade 0; no corrections; 0 Hz, 0 kn, 0 dB.
inline bytes wb_tonal_default() {
  bytes b(wb_tonal_size, 0);
  put_u8(b, 0, 6);
  put_text(b, 4 + 104, 6, "NONAME");
  put_u16(b, 4 + 110, 500);
  return b;
}

// last_tonal_used 51 (no tonals), then slots 41 .. 50 each the default tonal.
inline bytes wb_group_default() {
  bytes b(wb_group_size, 0);
  put_i32(b, 0, 51);
  const bytes tonal = wb_tonal_default();
  for (int n = 41; n <= 50; ++n) {
    for (std::size_t i = 0; i < wb_tonal_size; ++i) b[wb_slot_offset(n) + i] = tonal[i];
  }
  return b;
}

// One default propulsion-mode block: zero except the three tdf_sl slopes at their
// lower limits.
inline bytes eaural_mode_default() {
  bytes b(eaural_mode_size, 0);
  put_f32(b, 96, -99.99F);   // c1222
  put_f32(b, 100, -99.99F);  // c1223
  put_f32(b, 104, -9.999F);  // c1224
  return b;
}

// One default effect set: the names and blanks of bytes 22 .. 45, then three
// default mode blocks.
inline bytes eaural_set_default() {
  bytes b(eaural_set_size, 0);
  put_text(b, 22, 1, " ");        // c1210
  put_text(b, 24, 12, "NONAME");  // c1000
  put_text(b, 36, 3, "");         // c1010
  put_text(b, 40, 6, "NONAME");   // c1023
  const bytes mode = eaural_mode_default();
  for (std::size_t m = 0; m < 3; ++m) {
    for (std::size_t i = 0; i < eaural_mode_size; ++i) {
      b[eaural_modes_offset + eaural_mode_size * m + i] = mode[i];
    }
  }
  return b;
}

// Ten default effect sets.
inline bytes eaural_group_default() {
  bytes b(eaural_group_size, 0);
  const bytes set = eaural_set_default();
  for (std::size_t k = 0; k < 10; ++k) {
    for (std::size_t i = 0; i < eaural_set_size; ++i) b[eaural_set_size * k + i] = set[i];
  }
  return b;
}

}  // namespace vdb_bytes
