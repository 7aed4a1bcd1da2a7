#include "csl_tonals.hpp"

#include <cstring>
#include <utility>

namespace csl_tonals {
namespace {

// Offsets within the variant part (record bytes 8-21).
constexpr std::size_t component_modulation_at = 0;
constexpr std::size_t ob_modulation_at = 4;
constexpr std::size_t own_ta_modulation_at = 8;
constexpr std::size_t ob_level_at = 0;
constexpr std::size_t own_ta_level_at = 6;
constexpr std::size_t radiated_level_at = 12;

constexpr std::uint8_t harmonic_bits = 0x0F;
constexpr std::uint8_t shaft_bits = 0x70;
constexpr std::uint8_t unmanned_bit = 0x80;

void require_receiver(receiver r, const char* place) {
  if (r != receiver::own_boat && r != receiver::own_towed_array) throw csl::range_error(place);
}

// The fields both kinds of tonal share.
void fill_common(tonal& t, series_number series_id, harmonic_type harmonic, shaft_type shaft_number,
                 small_boolean unmanned_flag, csl_frequency::hertz frequency,
                 csl_frequency::hertz width) {
  t.set_harmonic(harmonic);
  t.set_shaft_number(shaft_number);
  t.set_for_unmanned(unmanned_flag);
  t.set_width(internal_width(width.value()));
  t.set_frequency(frequency);
  t.set_series_index(series_id);
}

// Whether a procedure form may fill the_tonal as a record of the_class. A record
// made without a class (the default, a null_tonal) holds no line yet, so its class
// is not fixed; any other keeps the class it was made with.
bool may_fill_as(const tonal& the_tonal, series_type the_class) {
  return the_tonal.class_() == the_class || the_tonal.class_() == series_type::null_tonal;
}

}  // namespace

std::string image_of(series_type t) {
  switch (t) {
    case series_type::null_tonal:
      return "NULL_TONAL";
    case series_type::spd:
      return "SPD";
    case series_type::bld:
      return "BLD";
    case series_type::aux:
      return "AUX";
    case series_type::fir:
      return "FIR";
    case series_type::modu:
      return "MODU";
    case series_type::pres:
      return "PRES";
    case series_type::hres:
      return "HRES";
    case series_type::lres:
      return "LRES";
  }
  throw csl::range_error("csl_tonals.image_of");
}

std::string image_of(receiver r) {
  switch (r) {
    case receiver::own_boat:
      return "OWN_BOAT";
    case receiver::own_towed_array:
      return "OWN_TOWED_ARRAY";
  }
  throw csl::range_error("csl_tonals.image_of");
}

class_error::class_error(std::string place)
    : named_error("CSL_TONALS.CLASS_ERROR", std::move(place)) {}

tonal::tonal(series_type the_class) {
  if (static_cast<std::uint8_t>(the_class) > static_cast<std::uint8_t>(series_type::lres)) {
    throw csl::range_error("csl_tonals.tonal");
  }
  class_of_ = the_class;
}

template <class T>
T tonal::get(std::size_t at, bool modulating) const {
  if ((class_of_ == series_type::modu) != modulating) throw csl::range_error("csl_tonals.tonal");
  T value;
  std::memcpy(&value, variant_ + at, sizeof(T));
  return value;
}

template <class T>
void tonal::put(std::size_t at, bool modulating, const T& value) {
  if ((class_of_ == series_type::modu) != modulating) throw csl::range_error("csl_tonals.tonal");
  std::memcpy(variant_ + at, &value, sizeof(T));
}

harmonic_type tonal::harmonic() const {
  return ids_ & harmonic_bits;
}

void tonal::set_harmonic(harmonic_type h) {
  ids_ = static_cast<std::uint8_t>((ids_ & ~harmonic_bits) | h.value());
}

shaft_type tonal::shaft_number() const {
  return (ids_ & shaft_bits) >> 4;
}

void tonal::set_shaft_number(shaft_type s) {
  ids_ = static_cast<std::uint8_t>((ids_ & ~shaft_bits) | (s.value() << 4));
}

small_boolean tonal::for_unmanned() const {
  return (ids_ & unmanned_bit) != 0;
}

void tonal::set_for_unmanned(small_boolean b) {
  ids_ = static_cast<std::uint8_t>(b ? (ids_ | unmanned_bit) : (ids_ & ~unmanned_bit));
}

internal_width tonal::width() const {
  auto raw = static_cast<std::uint32_t>(width_[0]) | (static_cast<std::uint32_t>(width_[1]) << 8) |
             (static_cast<std::uint32_t>(width_[2]) << 16);
  // Sign-extend the 24 bits.
  auto count = static_cast<std::int32_t>(raw ^ 0x800000U) - 0x800000;
  return internal_width::from_count(count);
}

void tonal::set_width(internal_width w) {
  auto raw = static_cast<std::uint32_t>(w.count());
  width_[0] = static_cast<std::uint8_t>(raw & 0xFFU);
  width_[1] = static_cast<std::uint8_t>((raw >> 8) & 0xFFU);
  width_[2] = static_cast<std::uint8_t>((raw >> 16) & 0xFFU);
}

series_number tonal::series_index() const {
  return series_index_;
}

void tonal::set_series_index(series_number n) {
  series_index_ = static_cast<std::uint8_t>(n.value());
}

modulation tonal::component_modulation() const {
  return get<modulation>(component_modulation_at, true);
}
void tonal::set_component_modulation(modulation m) {
  put(component_modulation_at, true, m);
}
modulation tonal::ob_modulation() const {
  return get<modulation>(ob_modulation_at, true);
}
void tonal::set_ob_modulation(modulation m) {
  put(ob_modulation_at, true, m);
}
modulation tonal::own_ta_modulation() const {
  return get<modulation>(own_ta_modulation_at, true);
}
void tonal::set_own_ta_modulation(modulation m) {
  put(own_ta_modulation_at, true, m);
}

levels tonal::ob_level() const {
  return get<levels>(ob_level_at, false);
}
void tonal::set_ob_level(const levels& l) {
  put(ob_level_at, false, l);
}
levels tonal::own_ta_level() const {
  return get<levels>(own_ta_level_at, false);
}
void tonal::set_own_ta_level(const levels& l) {
  put(own_ta_level_at, false, l);
}
csl_levels::db tonal::radiated_level() const {
  return get<csl_levels::db>(radiated_level_at, false);
}
void tonal::set_radiated_level(csl_levels::db l) {
  put(radiated_level_at, false, l);
}

bool operator==(const tonal& left, const tonal& right) {
  if (left.class_of_ != right.class_of_) return false;
  bool common = left.ids_ == right.ids_ && left.width().count() == right.width().count() &&
                left.frequency_ == right.frequency_ && left.series_index_ == right.series_index_;
  if (!common) return false;
  if (left.class_of_ == series_type::modu) {
    // Depths compare as reals (-0.0 equals 0.0).
    return left.component_modulation() == right.component_modulation() &&
           left.ob_modulation() == right.ob_modulation() &&
           left.own_ta_modulation() == right.own_ta_modulation();
  }
  return left.ob_level() == right.ob_level() && left.own_ta_level() == right.own_ta_level() &&
         left.radiated_level() == right.radiated_level();
}

// ---- Making tonals ----

tonal create_non_modulating(series_type the_class, series_number series_id, harmonic_type harmonic,
                            shaft_type shaft_number, small_boolean unmanned_flag,
                            csl_frequency::hertz frequency, csl_frequency::hertz width,
                            csl_levels::db radiated_level) {
  if (the_class == series_type::modu) throw class_error("csl_tonals.create_non_modulating");
  tonal t(the_class);
  fill_common(t, series_id, harmonic, shaft_number, unmanned_flag, frequency, width);
  t.set_ob_level(dummy);
  t.set_own_ta_level(dummy);
  t.set_radiated_level(radiated_level);
  return t;
}

void create_non_modulating(tonal& the_tonal, series_type the_class, series_number series_id,
                           harmonic_type harmonic, shaft_type shaft_number,
                           small_boolean unmanned_flag, csl_frequency::hertz frequency,
                           csl_frequency::hertz width, csl_levels::db radiated_level) {
  tonal made = create_non_modulating(the_class, series_id, harmonic, shaft_number, unmanned_flag,
                                     frequency, width, radiated_level);
  if (!may_fill_as(the_tonal, the_class)) {
    throw csl::range_error("csl_tonals.create_non_modulating");
  }
  the_tonal = made;
}

tonal create_modulating(series_number series_id, harmonic_type harmonic, shaft_type shaft_number,
                        small_boolean unmanned_flag, csl_frequency::hertz frequency,
                        csl_frequency::hertz width, modulation modulation_depth) {
  tonal t(series_type::modu);
  fill_common(t, series_id, harmonic, shaft_number, unmanned_flag, frequency, width);
  t.set_component_modulation(modulation_depth);
  t.set_ob_modulation(modulation(0.0F));
  t.set_own_ta_modulation(modulation(0.0F));
  return t;
}

void create_modulating(tonal& the_tonal, series_number series_id, harmonic_type harmonic,
                       shaft_type shaft_number, small_boolean unmanned_flag,
                       csl_frequency::hertz frequency, csl_frequency::hertz width,
                       modulation modulation_depth) {
  tonal made = create_modulating(series_id, harmonic, shaft_number, unmanned_flag, frequency, width,
                                 modulation_depth);
  if (!may_fill_as(the_tonal, series_type::modu)) {
    throw csl::range_error("csl_tonals.create_modulating");
  }
  the_tonal = made;
}

// ---- Reading and setting ----

void set_received_data(tonal& in_tonal, const levels& to_levels, receiver for_receiver) {
  require_receiver(for_receiver, "csl_tonals.set_received_data");
  if (for_receiver == receiver::own_boat) {
    in_tonal.set_ob_level(to_levels);
  } else {
    in_tonal.set_own_ta_level(to_levels);
  }
}

void set_receiver_modulation(tonal& in_tonal, modulation to_value, receiver for_receiver) {
  require_receiver(for_receiver, "csl_tonals.set_receiver_modulation");
  if (for_receiver == receiver::own_boat) {
    in_tonal.set_ob_modulation(to_value);
  } else {
    in_tonal.set_own_ta_modulation(to_value);
  }
}

csl_levels::db source_level(const tonal& t) {
  return t.radiated_level();
}

csl_levels::db level(const tonal& t, csl_paths::path_class for_path, receiver at_receiver) {
  require_receiver(at_receiver, "csl_tonals.level");
  const levels by_path = at_receiver == receiver::own_boat ? t.ob_level() : t.own_ta_level();
  return by_path[for_path];
}

modulation base_depth(const tonal& t) {
  return t.component_modulation();
}

modulation depth(const tonal& t, receiver at_receiver) {
  require_receiver(at_receiver, "csl_tonals.depth");
  return at_receiver == receiver::own_boat ? t.ob_modulation() : t.own_ta_modulation();
}

small_boolean unmanned_requirement(const tonal& t) {
  return t.for_unmanned();
}

csl_frequency::hertz frequency(const tonal& t) {
  return t.frequency();
}

csl_frequency::hertz width(const tonal& t) {
  return csl_frequency::hertz(t.width().value());
}

id_data get_id_data(const tonal& t) {
  return {t.series_index(), t.harmonic(), t.shaft_number()};
}

// ---- Modulation arithmetic ----

modulation operator*(modulation m, float r) {
  return modulation(m.value() * r);
}

modulation operator*(float r, modulation m) {
  return modulation(r * m.value());
}

modulation operator*(modulation m, std::int32_t n) {
  return m * static_cast<float>(n);
}

modulation operator*(std::int32_t n, modulation m) {
  return static_cast<float>(n) * m;
}

modulation operator/(modulation m, std::int32_t n) {
  return m / static_cast<float>(n);
}

modulation operator/(modulation m, float r) {
  // 0 / 0 is NaN and x / 0 infinite: both fail the range check.
  return modulation(m.value() / r);
}

}  // namespace csl_tonals
