// Database files built byte by byte from the format tables, independently of the
// library's own records, so that tests can compare what the library writes and
// feed it files it did not make.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>

#include "vdb_bytes_basics.hpp"
#include "vdb_bytes_bb.hpp"
#include "vdb_bytes_fit.hpp"
#include "vdb_bytes_nb.hpp"
#include "vdb_bytes_wb.hpp"

namespace vdb_bytes {

// The default vehicle record: every group's default at its offset.
inline bytes default_item() {
  bytes b(item_size, 0);
  // General group at 0.
  put_u8(b, 0, 0x10);  // not valid, temp
  put_u8(b, 1, 1);     // c100
  put_text(b, 4, 12, "NONAME");
  put_text(b, 16, 12, "UNKNOWN");
  put_text(b, 28, 8, "UNKNOWN");
  put_text(b, 40, 40, "");
  put_text(b, 80, 3, "");
  put_u16(b, 90, 1);  // c005
  // Physical group at 92.
  const std::size_t p = 92;
  for (std::size_t mode = 0; mode < 3; ++mode) {
    put_u8(b, p + 8 * mode + 1, 3);         // c205
    put_u16(b, p + 8 * mode + 2, 20 * 64);  // c277, 20 dB
  }
  for (std::size_t i = 0; i < 4; ++i) {
    b[p + 24 + i] = fifty_yards[i];  // c200
    b[p + 36 + i] = fifty_yards[i];  // c203
  }
  put_f32(b, p + 48, 9.144F);                // c215, 10 yards
  put_f32(b, p + 64, 45.0F * 0.017453292F);  // c220
  put_u16(b, p + 68, 20 * 64);               // c257
  put_u16(b, p + 70, 10 * 64);               // c258
  put_f32(b, p + 72, 25.0F * 0.017453292F);  // c259
  put_f32(b, p + 80, 10.0F);                 // c210
  // Propulsion mode group at 176: three 28-byte modes, then c300.
  const std::size_t pm = 176;
  for (std::size_t mode = 0; mode < 3; ++mode) {
    const std::size_t m = pm + 28 * mode;
    for (std::size_t i = 0; i < 4; ++i) put_u8(b, m + i, 1);  // c303, c304, c313, c314
    put_text(b, m + 4, 4, "NONE");                            // c305
    put_f32(b, m + 20, 50.0F * knots_to_metres_per_second);   // c312
  }
  put_u8(b, pm + 84, 1);  // c300
  // Speed group at 264: the vehicle's reductions and times, then three 44-byte modes.
  const std::size_t s = 264;
  put_u16(b, s + 12, 100);  // c434
  put_u16(b, s + 14, 200);  // c435
  put_u16(b, s + 16, 150);  // c436
  put_u16(b, s + 18, 3);    // c437
  for (std::size_t mode = 0; mode < 3; ++mode) {
    const std::size_t m = s + 20 + 44 * mode;
    put_u16(b, m + 0, 99);                                      // c421
    put_u16(b, m + 2, 99);                                      // c422
    put_u16(b, m + 4, 99);                                      // c423
    put_f32(b, m + 8, 250.0F * degrees_per_second_per_rpm);     // c420
    put_f32(b, m + 16, 9999.99F * knots_to_metres_per_second);  // c430
    put_f32(b, m + 20, 5.0F);                                   // c441
    put_f32(b, m + 28, 10.0F);                                  // c443
    put_f32(b, m + 32, 80.0F * degrees_per_second_per_rpm);     // c444
    put_f32(b, m + 40, 10.0F * knots_to_metres_per_second);     // c446
  }
  // Turning and diving group at 416: vehicle constants, then three 8-byte modes.
  const std::size_t t = 416;
  put_u16(b, t + 0, 10);                           // c400
  put_u16(b, t + 2, 10);                           // c411
  put_f32(b, t + 4, 3.0F);                         // c401
  put_f32(b, t + 8, 0.4F);                         // c402
  put_f32(b, t + 12, 0.0009F);                     // c403
  put_f32(b, t + 16, 30.0F * radians_per_degree);  // c410
  for (std::size_t mode = 0; mode < 3; ++mode) {
    put_f32(b, t + 32 + 8 * mode, 30.0F * radians_per_degree);  // c409
  }
  put_group(b, 472, bb_group_default());
  put_group(b, 1128, fit_group_default());
  put_group(b, 1916, nb_group_default());
  put_group(b, 6928, wb_group_default());
  put_group(b, 8412, project_group_default());
  put_group(b, 8424, eaural_group_default());
  return b;
}

struct vehicle {
  unsigned library_number;
  bool temporary;
  std::string name;
  std::string class_name;
  float length, height, width;

  int position() const { return static_cast<int>(2 * library_number + (temporary ? 2 : 1)); }
};

// The first position (1-based) of an item file whose record is not `record`, or 0
// when every one of the 2000 is.
inline int first_record_other_than(const bytes& items, const bytes& record) {
  for (int p = 1; p <= positions; ++p) {
    const auto at = items.begin() + static_cast<std::ptrdiff_t>((p - 1) * item_size);
    if (!std::equal(record.begin(), record.end(), at)) return p;
  }
  return 0;
}

inline bytes item_of(const vehicle& v) {
  bytes b = default_item();
  put_u8(b, 0, (v.temporary ? 0x10 : 0x00) | 0x01);
  put_u16(b, 2, v.library_number);
  put_text(b, 4, 12, v.name);
  put_text(b, 16, 12, v.class_name);
  put_f32(b, 116, v.length);
  put_f32(b, 128, v.height);
  put_f32(b, 140, v.width);
  return b;
}

// A new index file: blank passwords, zero counters, every entry empty.
inline bytes new_index() {
  bytes b(index_size, 0);
  for (std::size_t i = 0; i < 3; ++i) put_text(b, 10 * i, 10, "");
  return b;
}

inline std::size_t entry_offset(int position) {
  return 44 + entry_size * static_cast<std::size_t>(position - 1);
}

// An index entry for the vehicle: its key (class before name), the state and a time.
inline void put_entry(bytes& index, const vehicle& v, unsigned state) {
  const std::size_t e = entry_offset(v.position());
  put_u8(index, e, (v.temporary ? 0x10 : 0x00) | 0x01);
  put_u8(index, e + 1, 1);
  put_u16(index, e + 2, v.library_number);
  put_text(index, e + 4, 12, v.class_name);
  put_text(index, e + 16, 12, v.name);
  put_i32(index, e + 28, 0);
  put_u8(index, e + 32, state);
  const std::int32_t stamp[6] = {2026, 341, 9, 30, 15, 250};
  for (std::size_t i = 0; i < 6; ++i) put_i32(index, e + 36 + 4 * i, stamp[i]);
}

}  // namespace vdb_bytes
