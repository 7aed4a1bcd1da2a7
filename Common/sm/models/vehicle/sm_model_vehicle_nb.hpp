// The narrowband group: up to 40 tonal series, each a tonal whose last part
// depends on its kind (spd, bld, aux, fir or modu), and per propulsion mode the
// distribution of the asynchronous lines over four shafts. 5012 bytes of the
// vehicle record.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

#include "csl_ranged.hpp"
#include "csl_tonals.hpp"
#include "sm_model_vehicle_fields.hpp"
#include "sm_model_vehicle_nb_aux_int.hpp"
#include "sm_model_vehicle_nb_bld.hpp"
#include "sm_model_vehicle_nb_common.hpp"
#include "sm_model_vehicle_nb_common_types.hpp"
#include "sm_model_vehicle_nb_fir.hpp"
#include "sm_model_vehicle_nb_mod.hpp"
#include "sm_model_vehicle_nb_spd.hpp"

namespace sm_model_vehicle_nb {

namespace types = sm_model_vehicle_nb_common_types;

using series_type = csl_tonals::series_type;
using all_tonals = sm_model_vehicle_nb_common::all_tonals;
using spd_tonal = sm_model_vehicle_nb_spd::spd_tonal;
using bld_tonal = sm_model_vehicle_nb_bld::bld_tonal;
using aux_int_tonal = sm_model_vehicle_nb_aux_int::aux_int_tonal;
using fir_tonal = sm_model_vehicle_nb_fir::fir_tonal;
using modu_tonal = sm_model_vehicle_nb_mod::modu_tonal;

// Where a tonal's component starts, and the room a tonal takes whatever its kind
// (that of bld, the largest).
inline constexpr std::size_t component_offset = 84;
inline constexpr std::size_t slot_size = 124;

// One tonal: its kind c701, whether it is used by unmanned vehicles, the common
// part, and from byte 84 the component of its kind. The kind is fixed when the
// tonal is made; only a whole tonal of another kind changes it. Reaching the
// component of another kind raises the range error and leaves the tonal as it was.
//
// A tonal made without a value is of kind spd and not used by unmanned vehicles;
// its other bytes are zero but carry no value until set.
//
// `=` copies all 124 bytes, as any record copy does; `assign` is the copy of a
// whole tonal into a series slot, which copies only the bytes of the tonal's kind.
class tonal {
 public:
  tonal() = default;

  // A tonal of the component's kind.
  static tonal create(bool used_by_unmanned, const all_tonals& common, const spd_tonal& spd);
  static tonal create(bool used_by_unmanned, const all_tonals& common, const bld_tonal& bld);
  static tonal create(bool used_by_unmanned, const all_tonals& common,
                      const aux_int_tonal& aux_int);
  static tonal create(bool used_by_unmanned, const all_tonals& common, const fir_tonal& fir);
  static tonal create(bool used_by_unmanned, const all_tonals& common, const modu_tonal& modu);

  types::c701_type c701() const { return c701_; }

  bool used_by_unmanned() const { return used_by_unmanned_ != 0; }
  void set_used_by_unmanned(bool used) { used_by_unmanned_ = used ? 1 : 0; }

  const all_tonals& common() const { return common_; }
  all_tonals& common() { return common_; }

  // The component of the current kind; any other is the range error.
  spd_tonal spd() const;
  void set_spd(const spd_tonal& value);
  bld_tonal bld() const;
  void set_bld(const bld_tonal& value);
  aux_int_tonal aux_int() const;
  void set_aux_int(const aux_int_tonal& value);
  fir_tonal fir() const;
  void set_fir(const fir_tonal& value);
  modu_tonal modu() const;
  void set_modu(const modu_tonal& value);

  // The bytes that carry a tonal of the kind: 108 (spd), 124 (bld), 108 (aux),
  // 116 (fir), 100 (modu). A kind outside spd .. modu (one read from a file) is
  // the range error.
  static std::size_t size_of(series_type kind);
  std::size_t size() const { return size_of(c701_); }

  // Stores a whole tonal here, kind included: only the bytes of its kind are
  // copied and the rest of the slot keeps what it held. A value of no narrowband
  // kind is the range error and changes nothing.
  void assign(const tonal& value);

  // Equal when of the same kind, with the same used_by_unmanned, common part and
  // component of that kind. Padding and the bytes beyond the kind take no part;
  // floats compare as floats.
  friend bool operator==(const tonal& left, const tonal& right);

 private:
  friend struct tonal_layout;

  template <class Component>
  static tonal create(series_type kind, bool used_by_unmanned, const all_tonals& common,
                      const Component& component);
  void require(series_type kind, const char* place) const;
  template <class Component>
  Component component() const;
  template <class Component>
  void set_component(const Component& value);

  types::c701_type c701_{series_type::spd};
  std::uint8_t used_by_unmanned_ = 0;  // 0 false, 1 true
  std::uint8_t padding_[2] = {0, 0};
  all_tonals common_;
  std::array<std::uint8_t, slot_size - component_offset> variant_{};
};

// Stored records are their memory image, and files are little-endian.
static_assert(std::endian::native == std::endian::little);

// Offsets of the stored tonal, checked where its private fields are visible.
struct tonal_layout {
  static_assert(sizeof(tonal) == slot_size);
  static_assert(offsetof(tonal, c701_) == 0 && offsetof(tonal, used_by_unmanned_) == 1);
  static_assert(offsetof(tonal, padding_) == 2 && offsetof(tonal, common_) == 4);
  static_assert(offsetof(tonal, variant_) == component_offset);
  static_assert(component_offset + sizeof(bld_tonal) == slot_size);
};

static_assert(std::is_trivially_copyable_v<tonal> && std::is_standard_layout_v<tonal>);

// Slots 1 .. 40, 124 bytes each whatever their kind; element i - 1 holds slot i.
using tonal_series = std::array<tonal, 40>;
static_assert(sizeof(tonal_series) == 4960);

// The last slot in use, or no_tonals.
using tonal_ref = csl::ranged<csl_tonals::series_reference, 0, 40>;
inline constexpr tonal_ref no_tonals{0};

// 16 bytes: one propulsion mode's distribution of the asynchronous lines over the
// four shafts.
struct prop_mode_dependent {
  types::c786_type c786 = 0.0F;
  types::c787_type c787 = 0.0F;
  types::c788_type c788 = 0.0F;
  types::c789_type c789 = 0.0F;

  friend bool operator==(const prop_mode_dependent&, const prop_mode_dependent&) = default;
};

static_assert(sizeof(prop_mode_dependent) == 16);
static_assert(offsetof(prop_mode_dependent, c786) == 0 && offsetof(prop_mode_dependent, c787) == 4);
static_assert(offsetof(prop_mode_dependent, c788) == 8 &&
              offsetof(prop_mode_dependent, c789) == 12);

// Element i - 1 holds propulsion mode i (1 .. 3).
using prop_modes = std::array<prop_mode_dependent, 3>;

// 5012 bytes, no gaps besides those inside the tonals. A group made without a
// value has every slot of kind spd and not used by unmanned vehicles; the rest
// carries no value until set. Equality compares the tonals as tonals.
struct group {
  prop_modes shaft;
  tonal_series series;
  tonal_ref last_tonal_used;

  friend bool operator==(const group&, const group&) = default;
};

static_assert(sizeof(group) == 5012);
static_assert(offsetof(group, shaft) == 0 && offsetof(group, series) == 48);
static_assert(offsetof(group, last_tonal_used) == 5008);
static_assert(sizeof(tonal_ref) == 4);

// Read and written as their bytes.
static_assert(std::is_trivially_copyable_v<prop_mode_dependent> &&
              std::is_trivially_copyable_v<group>);

// Builds the defaults (starting the narrowband types, common and source modules
// first if a caller has not), once: every default below asks for it on first use.
void start_up();
bool started();
const prop_mode_dependent& prop_mode_dependent_defaults();
const prop_modes& prop_modes_defaults();
// Kind spd, not used by unmanned vehicles, the common default and the spd default:
// 108 bytes of value, the rest zero.
const tonal& tonal_default();
// A tonal of the kind with its defaults: the common default and the kind's own
// part's default. A kind outside spd .. modu is the range error.
tonal tonal_default_of(series_type kind);
// tonal_default assigned to every slot, so each slot's last 16 bytes stay zero.
const tonal_series& tonal_series_default();
const group& group_default();

// Where each characteristic of the group lies, offsets from the start of the group.
std::span<const sm_model_vehicle_fields::field> fields();

}  // namespace sm_model_vehicle_nb
