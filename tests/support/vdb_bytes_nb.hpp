// The narrowband group's bytes built offset by offset from its record layout,
// independently of the library's records: 48 bytes of shaft distribution, 40
// tonal slots of 124 bytes, the last slot in use.
#pragma once

#include <cstddef>
#include <cstdint>

#include "vdb_bytes_basics.hpp"

namespace vdb_bytes {

inline constexpr std::size_t nb_group_size = 5012;
inline constexpr std::size_t nb_slot_size = 124;
inline constexpr std::size_t nb_series_offset = 48;
inline constexpr std::size_t nb_last_tonal_used_offset = 5008;

// Where slot 1 .. 40 starts within the group.
inline std::size_t nb_slot_offset(int slot) {
  return nb_series_offset + nb_slot_size * static_cast<std::size_t>(slot - 1);
}

// The default tonal at `at`: kind spd (1), not used by unmanned vehicles, the
// common part's name "NONAME" and series type spd, every other value zero; the
// spd component (bytes 84 .. 107) and the rest of the slot zero.
inline void put_nb_default_tonal(bytes& b, std::size_t at) {
  put_u8(b, at + 0, 1);                   // c701 spd
  put_u8(b, at + 1, 0);                   // used_by_unmanned
  put_text(b, at + 4 + 64, 6, "NONAME");  // common c700
  put_u8(b, at + 4 + 73, 1);              // common c702 spd
}

// 5012 bytes: shaft all 0.0, every slot the default tonal, last_tonal_used 0.
inline bytes nb_group_default() {
  bytes b(nb_group_size, 0);
  for (int slot = 1; slot <= 40; ++slot) put_nb_default_tonal(b, nb_slot_offset(slot));
  put_i32(b, nb_last_tonal_used_offset, 0);
  return b;
}

}  // namespace vdb_bytes
