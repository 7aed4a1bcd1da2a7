// Tonals: the compact 24-byte record of one narrowband line of an acoustic
// signature. The first word packs the line's identity bits and its bandwidth; the
// last part is either the modulation depths of a modulating line (class modu) or
// the received levels per propagation path and receiver of any other line.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>

#include "csl_exceptions.hpp"
#include "csl_frequency.hpp"
#include "csl_levels.hpp"
#include "csl_paths.hpp"
#include "csl_quantity.hpp"
#include "csl_ranged.hpp"

namespace csl_tonals {

enum class series_type : std::uint8_t { null_tonal, spd, bld, aux, fir, modu, pres, hres, lres };

static_assert(sizeof(series_type) == 1);

// "NULL_TONAL", "SPD", "BLD", "AUX", "FIR", "MODU", "PRES", "HRES", "LRES".
std::string image_of(series_type t);

// Gives the quantity types below this namespace's operators.
struct scope;

using series_reference = std::int32_t;
using series_number = csl::ranged<series_reference, 1, 50>;
using harmonic_type = csl::ranged<std::int32_t, 1, 10>;
using shaft_type = csl::ranged<std::int32_t, 0, 4>;
using small_boolean = bool;
// A bandwidth in hertz: a signed 24-bit count of 1/512 Hz (-16384.0 .. 16383.998).
using internal_width =
    csl::fixed_quantity<"csl_tonals.internal_width", std::int32_t, 512, -8388608, 8388607, scope>;
// A modulation depth, 0.0 .. 1.0.
using modulation =
    csl::quantity<"csl_tonals.modulation", csl::bound(0.0F), csl::bound(1.0F), scope>;

enum class receiver : std::uint8_t { own_boat, own_towed_array };

static_assert(sizeof(receiver) == 1);

// "OWN_BOAT", "OWN_TOWED_ARRAY".
std::string image_of(receiver r);

// One received level per propagation path, 6 bytes. A path_class outside the
// enumeration is a range error.
class levels {
 public:
  constexpr levels() = default;
  constexpr levels(csl_levels::db primary, csl_levels::db secondary, csl_levels::db tertiary)
      : by_path_{primary, secondary, tertiary} {}

  csl_levels::db& operator[](csl_paths::path_class p) { return by_path_[index_of(p)]; }
  const csl_levels::db& operator[](csl_paths::path_class p) const { return by_path_[index_of(p)]; }
  friend constexpr bool operator==(const levels&, const levels&) = default;

 private:
  static std::size_t index_of(csl_paths::path_class p) {
    auto i = static_cast<std::size_t>(p);
    if (i > 2) throw csl::range_error("csl_tonals.levels");
    return i;
  }

  std::array<csl_levels::db, 3> by_path_{};
};

static_assert(sizeof(levels) == 6);

inline constexpr levels dummy{};

// A line of class modu, or any other, is fixed when the record is made; assigning
// a whole record changes it. Reading or writing a component of the other kind is a
// range error. A default record is a null_tonal of harmonic 1 and series 1 with
// every other field zero.
class tonal {
 public:
  constexpr tonal() = default;
  explicit tonal(series_type the_class);

  series_type class_() const { return class_of_; }

  harmonic_type harmonic() const;
  void set_harmonic(harmonic_type h);
  shaft_type shaft_number() const;
  void set_shaft_number(shaft_type s);
  small_boolean for_unmanned() const;
  void set_for_unmanned(small_boolean b);
  internal_width width() const;
  void set_width(internal_width w);
  csl_frequency::hertz frequency() const { return frequency_; }
  void set_frequency(csl_frequency::hertz f) { frequency_ = f; }
  series_number series_index() const;
  void set_series_index(series_number n);

  // Class modu only.
  modulation component_modulation() const;
  void set_component_modulation(modulation m);
  modulation ob_modulation() const;
  void set_ob_modulation(modulation m);
  modulation own_ta_modulation() const;
  void set_own_ta_modulation(modulation m);

  // Every class but modu.
  levels ob_level() const;
  void set_ob_level(const levels& l);
  levels own_ta_level() const;
  void set_own_ta_level(const levels& l);
  csl_levels::db radiated_level() const;
  void set_radiated_level(csl_levels::db l);

  // Equal when the class and every field of the present variant are equal.
  friend bool operator==(const tonal& left, const tonal& right);

 private:
  friend struct tonal_layout;

  template <class T>
  T get(std::size_t at, bool modulating) const;
  template <class T>
  void put(std::size_t at, bool modulating, const T& value);

  std::uint8_t ids_ = 0x01;           // bits 0-3 harmonic, 4-6 shaft, 7 unmanned
  std::uint8_t width_[3]{};           // signed 24 bits, least significant byte first
  csl_frequency::hertz frequency_{};  //
  std::uint8_t variant_[14]{};        // bytes 8-21 of the record
  series_type class_of_ = series_type::null_tonal;
  std::uint8_t series_index_ = 1;
};

// Stored records are their memory image, and files are little-endian.
static_assert(std::endian::native == std::endian::little);

// Offsets of the stored record, checked where the private fields are visible.
struct tonal_layout {
  static_assert(sizeof(tonal) == 24);
  static_assert(offsetof(tonal, ids_) == 0 && offsetof(tonal, width_) == 1);
  static_assert(offsetof(tonal, frequency_) == 4 && offsetof(tonal, variant_) == 8);
  static_assert(offsetof(tonal, class_of_) == 22 && offsetof(tonal, series_index_) == 23);
};

// A non-modulating tonal was asked for with the class modu.
class class_error : public csl::named_error {
 public:
  explicit class_error(std::string place);
};

// ---- Making tonals ----
// Both take the width in hertz and store the nearest count of 1/512 Hz; a width
// beyond +-16384 Hz is the range error. The received levels start at 0 dB, the
// receivers' modulation depths at 0. The forms that fill a caller's record fill a
// default record (made without a class, a null_tonal) as any class; a record of
// another class they leave unchanged and raise the range error: only assigning a
// whole record changes its class.

// Any class but modu ("CSL_TONALS.CLASS_ERROR").
tonal create_non_modulating(series_type the_class, series_number series_id, harmonic_type harmonic,
                            shaft_type shaft_number, small_boolean unmanned_flag,
                            csl_frequency::hertz frequency, csl_frequency::hertz width,
                            csl_levels::db radiated_level);
void create_non_modulating(tonal& the_tonal, series_type the_class, series_number series_id,
                           harmonic_type harmonic, shaft_type shaft_number,
                           small_boolean unmanned_flag, csl_frequency::hertz frequency,
                           csl_frequency::hertz width, csl_levels::db radiated_level);
// Class modu.
tonal create_modulating(series_number series_id, harmonic_type harmonic, shaft_type shaft_number,
                        small_boolean unmanned_flag, csl_frequency::hertz frequency,
                        csl_frequency::hertz width, modulation modulation_depth);
void create_modulating(tonal& the_tonal, series_number series_id, harmonic_type harmonic,
                       shaft_type shaft_number, small_boolean unmanned_flag,
                       csl_frequency::hertz frequency, csl_frequency::hertz width,
                       modulation modulation_depth);

// ---- Reading and setting them (levels on any class but modu, depths on modu
// only; the other kind is the range error) ----

void set_received_data(tonal& in_tonal, const levels& to_levels, receiver for_receiver);
void set_receiver_modulation(tonal& in_tonal, modulation to_value, receiver for_receiver);
csl_levels::db source_level(const tonal& t);
csl_levels::db level(const tonal& t, csl_paths::path_class for_path, receiver at_receiver);
modulation base_depth(const tonal& t);
modulation depth(const tonal& t, receiver at_receiver);
small_boolean unmanned_requirement(const tonal& t);
csl_frequency::hertz frequency(const tonal& t);
// The stored count / 512; a width outside -999.0 .. 200000.0 is the range error.
csl_frequency::hertz width(const tonal& t);

struct id_data {
  series_number series_index;
  harmonic_type harmonic;
  shaft_type shaft_number;
};
id_data get_id_data(const tonal& t);

// ---- Modulation arithmetic: a result outside 0 .. 1 is the range error ----

modulation operator*(modulation m, float r);
modulation operator*(float r, modulation m);
modulation operator*(modulation m, std::int32_t n);
modulation operator*(std::int32_t n, modulation m);
modulation operator/(modulation m, std::int32_t n);
modulation operator/(modulation m, float r);

}  // namespace csl_tonals
