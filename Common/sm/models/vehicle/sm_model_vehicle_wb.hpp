// The wideband group: up to ten broad spectral lines of a vehicle, tonal series
// 41 .. 50 after the forty narrowband series. Each line is a tonal whose last part
// depends on its kind: pres, or one of hres and lres. The counter of the last slot
// in use comes first, then the ten 148-byte slots.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

#include "sm_model_vehicle_fields.hpp"
#include "sm_model_vehicle_wb_types.hpp"

namespace sm_model_vehicle_wb {

namespace types = sm_model_vehicle_wb_types;

static_assert(std::endian::native == std::endian::little);

// 8 bytes: what differs per propulsion mode. Byte 0 packs c802 (bits 0-1), c850
// (bits 2-3) and c853 (bits 4-7); each setter changes only its own bits.
struct prop_mode_dependent {
  std::uint8_t c802_c850_c853 = 0;
  std::uint8_t gap = 0;
  types::c851_type c851;
  types::c852_type c852;

  // The bits as stored; from a file c802 may hold 2 or 3, whose images are the
  // range error.
  types::c802_type c802() const;
  types::c850_type c850() const;
  // The grade as stored, 0 .. 15 from a file; grades refuses 13 .. 15.
  std::uint8_t c853() const;
  // A value outside the field's type is the range error; the byte is unchanged.
  void set_c802(types::c802_type value);
  void set_c850(types::c850_type value);
  void set_c853(types::c853_type value);

  // Every field but the gap; c852 compares as a float.
  friend bool operator==(const prop_mode_dependent& left, const prop_mode_dependent& right);
};

static_assert(sizeof(prop_mode_dependent) == 8);
static_assert(offsetof(prop_mode_dependent, c802_c850_c853) == 0);
static_assert(offsetof(prop_mode_dependent, gap) == 1);
static_assert(offsetof(prop_mode_dependent, c851) == 2);
static_assert(offsetof(prop_mode_dependent, c852) == 4);

// Element i - 1 holds propulsion mode i (1 .. 3).
using prop_modes = std::array<prop_mode_dependent, 3>;

static_assert(sizeof(prop_modes) == 24);

// 8 bytes: the correction of one line.
struct line_correction {
  types::c857_type c857 = 0.0F;
  types::c858_type c858;
  std::uint8_t gap[2]{};

  friend bool operator==(const line_correction& left, const line_correction& right);
};

static_assert(sizeof(line_correction) == 8);
static_assert(offsetof(line_correction, c857) == 0 && offsetof(line_correction, c858) == 4);
static_assert(offsetof(line_correction, gap) == 6);

// Element i - 1 holds line i (1 .. 10).
using lines = std::array<line_correction, 10>;

static_assert(sizeof(lines) == 80);

// 132 bytes: the part every wideband tonal has.
struct all_tonals {
  prop_modes pmode;
  lines line;
  types::c800_type c800{};
  types::c809_type c809;
  types::c830_type c830;
  types::c836_type c836;
  types::c837_type c837;
  types::c864_type c864;
  types::c865_type c865;
  types::c856_type c856;
  std::uint8_t gap = 0;
  types::c813_type c813;

  // Every field but the gap, arrays element by element.
  friend bool operator==(const all_tonals& left, const all_tonals& right);
};

static_assert(sizeof(all_tonals) == 132);
static_assert(offsetof(all_tonals, pmode) == 0 && offsetof(all_tonals, line) == 24);
static_assert(offsetof(all_tonals, c800) == 104 && offsetof(all_tonals, c809) == 110);
static_assert(offsetof(all_tonals, c830) == 112 && offsetof(all_tonals, c836) == 116);
static_assert(offsetof(all_tonals, c837) == 120 && offsetof(all_tonals, c864) == 124);
static_assert(offsetof(all_tonals, c865) == 126 && offsetof(all_tonals, c856) == 128);
static_assert(offsetof(all_tonals, gap) == 129 && offsetof(all_tonals, c813) == 130);

// 12 bytes: what only a pres tonal has.
struct pres_tonal_specific {
  types::c832_type c832 = 0.0F;
  types::c881_type c881 = 0.0F;
  types::c880_type c880;
  std::uint8_t gap[2]{};

  friend bool operator==(const pres_tonal_specific& left, const pres_tonal_specific& right);
};

static_assert(sizeof(pres_tonal_specific) == 12);
static_assert(offsetof(pres_tonal_specific, c832) == 0);
static_assert(offsetof(pres_tonal_specific, c881) == 4);
static_assert(offsetof(pres_tonal_specific, c880) == 8);
static_assert(offsetof(pres_tonal_specific, gap) == 10);

// 8 bytes: what only an hres or lres tonal has.
struct hres_lres_tonal_specific {
  types::c831_type c831;
  types::c833_type c833;
  std::uint8_t gap[2]{};

  friend bool operator==(const hres_lres_tonal_specific& left,
                         const hres_lres_tonal_specific& right);
};

static_assert(sizeof(hres_lres_tonal_specific) == 8);
static_assert(offsetof(hres_lres_tonal_specific, c831) == 0);
static_assert(offsetof(hres_lres_tonal_specific, c833) == 4);
static_assert(offsetof(hres_lres_tonal_specific, gap) == 6);

// 148 bytes in every slot, whatever the kind: c801 (the kind, pres .. lres), the
// common part, then the kind's own part (12 bytes for pres, 8 for hres and lres,
// whose last 4 bytes then carry nothing). The kind is fixed when the tonal is
// made; only assigning a whole tonal (all 148 bytes) changes it. Reaching the
// other kind's part is the range error.
class tonal {
 public:
  // A pres tonal with every other byte zero: what a slot holds before it is given
  // a value (the defaults are tonal_default()).
  tonal() = default;
  // A tonal of the kind, every field zero. A kind outside pres .. lres is the
  // range error.
  explicit tonal(types::c801_type kind);
  tonal(const all_tonals& common, const pres_tonal_specific& pres);
  // kind is hres or lres, else the range error.
  tonal(types::c801_type kind, const all_tonals& common, const hres_lres_tonal_specific& hres_lres);

  types::c801_type c801() const { return c801_; }
  all_tonals& common() { return common_; }
  const all_tonals& common() const { return common_; }
  // The range error unless c801 is pres.
  pres_tonal_specific& pres();
  const pres_tonal_specific& pres() const;
  // The range error unless c801 is hres or lres.
  hres_lres_tonal_specific& hres_lres();
  const hres_lres_tonal_specific& hres_lres() const;

  // False when the kinds differ; else the common parts and the parts of the kind
  // compare field by field. Gaps and the unused bytes of an hres or lres tonal
  // take no part.
  friend bool operator==(const tonal& left, const tonal& right);

 private:
  friend struct tonal_layout;

  // Made as a zero pres part, so that all 12 bytes start zero whatever the kind.
  union variant_part {
    variant_part() : pres{} {}
    pres_tonal_specific pres;
    hres_lres_tonal_specific hres_lres;
  };

  types::c801_type c801_ = csl_tonals::series_type::pres;
  std::uint8_t gap_[3]{};
  all_tonals common_;
  variant_part variant_;
};

// Offsets of the stored tonal, checked where its private fields are visible.
struct tonal_layout {
  static_assert(sizeof(tonal) == 148);
  static_assert(offsetof(tonal, c801_) == 0 && offsetof(tonal, gap_) == 1);
  static_assert(offsetof(tonal, common_) == 4 && offsetof(tonal, variant_) == 136);
  static_assert(sizeof(tonal::variant_part) == 12);
};

// A wideband series number, 41 .. 50.
using series_number = csl::ranged<std::int32_t, 41, 50>;

// The ten slots, series 41 .. 50; slot n starts at byte 148 x (n - 41).
struct tonal_series {
  std::array<tonal, 10> slots;

  // A number outside 41 .. 50 is the range error.
  tonal& operator[](series_number n) { return slots[index_of(n)]; }
  const tonal& operator[](series_number n) const { return slots[index_of(n)]; }
  friend bool operator==(const tonal_series&, const tonal_series&) = default;

 private:
  static std::size_t index_of(series_number n) { return static_cast<std::size_t>(n.value() - 41); }
};

static_assert(sizeof(tonal_series) == 1480 && offsetof(tonal_series, slots) == 0);

// The last series slot in use, 41 .. 50, or no_tonals (51) when none is.
using tonal_ref = csl::ranged<std::int32_t, 41, 51>;
inline constexpr tonal_ref no_tonals{51};

// 1484 bytes: the counter first, then the series. Made without a value, no slot is
// in use, every slot is a pres tonal and every other byte zero (the defaults are
// group_default()).
struct group {
  tonal_ref last_tonal_used = no_tonals;
  tonal_series series;

  friend bool operator==(const group&, const group&) = default;
};

static_assert(sizeof(group) == 1484);
static_assert(offsetof(group, last_tonal_used) == 0 && offsetof(group, series) == 4);

// Read and written as their bytes.
static_assert(std::is_trivially_copyable_v<prop_mode_dependent> &&
              std::is_trivially_copyable_v<line_correction> &&
              std::is_trivially_copyable_v<all_tonals> &&
              std::is_trivially_copyable_v<pres_tonal_specific> &&
              std::is_trivially_copyable_v<hres_lres_tonal_specific> &&
              std::is_trivially_copyable_v<tonal> && std::is_trivially_copyable_v<group>);

// Builds the defaults from the descriptors (starting the types module first if a
// caller has not), once: every default below asks for it on first use.
void start_up();
bool started();
const prop_mode_dependent& prop_mode_dependent_defaults();
const prop_modes& prop_modes_defaults();
const line_correction& line_correction_default();
const lines& lines_defaults();
const all_tonals& all_tonals_default();
const pres_tonal_specific& pres_tonal_specific_default();
const hres_lres_tonal_specific& hres_lres_tonal_specific_default();
// A pres tonal: all_tonals_default and pres_tonal_specific_default.
const tonal& tonal_default();
// Every slot a copy of tonal_default.
// A tonal of the kind with its defaults: the common default and the kind's own
// part's default. A kind outside pres .. lres is the range error.
tonal tonal_default_of(types::c801_type kind);
const tonal_series& tonal_series_default();
// last_tonal_used no_tonals, the series tonal_series_default.
const group& group_default();

// Where each characteristic of the group lies, offsets from the start of the group.
std::span<const sm_model_vehicle_fields::field> fields();

}  // namespace sm_model_vehicle_wb
