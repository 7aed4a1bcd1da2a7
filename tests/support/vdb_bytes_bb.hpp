// The broadband group's default bytes, built offset by offset from the layout
// tables, independently of the library's records.
#pragma once

#include <cstddef>

#include "vdb_bytes_basics.hpp"

namespace vdb_bytes {

inline constexpr std::size_t bb_size = 656;

// Where each sub-group begins within the broadband group.
inline constexpr std::size_t bb_aural_at = 0;
inline constexpr std::size_t bb_flow_at = 324;
inline constexpr std::size_t bb_machinery_at = 384;
inline constexpr std::size_t bb_propeller_at = 440;
inline constexpr std::size_t bb_modulation_at = 532;

// Levels are counts of 1/64 dB, two's complement in 16 bits.
inline constexpr unsigned db_count(int decibels) {
  return static_cast<unsigned>(decibels * 64) & 0xFFFFU;
}

inline bytes bb_group_default() {
  bytes b(bb_size, 0);
  // Aural effects: three effects of three 36-byte modes, all zero but the label.
  for (std::size_t effect = 0; effect < 3; ++effect) {
    for (std::size_t mode = 0; mode < 3; ++mode) {
      put_text(b, bb_aural_at + 108 * effect + 36 * mode + 16, 12, "NONAME");  // c568
    }
  }
  // Flow noise: three 16-byte modes, then the vehicle's values.
  const std::size_t f = bb_flow_at;
  for (std::size_t mode = 0; mode < 3; ++mode) {
    const std::size_t m = f + 16 * mode;
    put_u16(b, m + 0, db_count(0));  // c510
    put_u8(b, m + 2, 10);            // c511
    put_u8(b, m + 3, 0);             // c512
    put_f32(b, m + 4, 50.0F);        // c513
    put_f32(b, m + 8, 20000.0F);     // c515
    put_u8(b, m + 12, 1);            // c514
    put_u8(b, m + 13, 0xF7);         // c516, -9
  }
  put_f32(b, f + 48, 0.1F);                        // c517
  put_u16(b, f + 52, db_count(1));                 // c583
  put_f32(b, f + 56, 25.0F * radians_per_degree);  // c585
  // Machinery noise: three 16-byte modes, then the vehicle's values.
  const std::size_t mc = bb_machinery_at;
  for (std::size_t mode = 0; mode < 3; ++mode) {
    const std::size_t m = mc + 16 * mode;
    put_u16(b, m + 0, db_count(10));  // c500
    put_u8(b, m + 2, 0);              // c501
    put_u8(b, m + 3, 0xFB);           // c502, -5
    put_f32(b, m + 4, 50.0F);         // c503
    put_f32(b, m + 8, 20000.0F);      // c505
    put_u8(b, m + 12, 1);             // c504
    put_u8(b, m + 13, 0xF7);          // c506, -9
  }
  put_u16(b, mc + 48, db_count(-1));                // c580
  put_f32(b, mc + 52, 15.0F * radians_per_degree);  // c582
  // Propeller noise: three 24-byte modes (gap at 3), then the vehicle's values.
  const std::size_t p = bb_propeller_at;
  for (std::size_t mode = 0; mode < 3; ++mode) {
    const std::size_t m = p + 24 * mode;
    put_u8(b, m + 0, 2);             // c534
    put_u8(b, m + 1, 0xF7);          // c536, -9
    put_u8(b, m + 2, 0xFB);          // c522, -5
    put_u16(b, m + 4, db_count(1));  // c520
    put_u16(b, m + 6, 50);           // c521
    put_f32(b, m + 8, 0.0F);         // c525
    put_f32(b, m + 12, -0.01F);      // c528
    put_f32(b, m + 16, 50.0F);       // c533
    put_f32(b, m + 20, 20000.0F);    // c535
  }
  put_f32(b, p + 72, 1.0F);                        // c526
  put_f32(b, p + 76, 0.1F);                        // c537
  put_f32(b, p + 80, 0.0F);                        // c538
  put_f32(b, p + 84, 15.0F * radians_per_degree);  // c589
  put_u16(b, p + 88, db_count(6));                 // c587
  put_u16(b, p + 90, db_count(6));                 // c588
  // Propeller modulation: the vehicle's value, then three 40-byte modes.
  const std::size_t pm = bb_modulation_at;
  put_f32(b, pm + 0, 5.0F);  // c546
  for (std::size_t mode = 0; mode < 3; ++mode) {
    const std::size_t m = pm + 4 + 40 * mode;
    put_f32(b, m + 0, 12.0F * knots_to_metres_per_second);   // c523
    put_f32(b, m + 4, 0.0F);                                 // c524
    put_f32(b, m + 8, 9.0F * knots_to_metres_per_second);    // c540
    put_f32(b, m + 12, 30.0F * knots_to_metres_per_second);  // c541
    put_f32(b, m + 16, -1.0F);                               // c542
    put_f32(b, m + 20, -30.0F);                              // c543
    // c544, c545, c550 (0 knots), c551 and c552 (0 dB) stay zero.
  }
  return b;
}

}  // namespace vdb_bytes
