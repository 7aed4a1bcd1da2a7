#include "sm_model_vehicle_nb.hpp"

#include <algorithm>
#include <string>
#include <string_view>
#include <tuple>

#include "csl_exceptions.hpp"
#include "sm_model_vehicle_group_defaults.hpp"

namespace sm_model_vehicle_nb {
namespace {

constexpr const char* module_place = "sm_model_vehicle_nb.";

// The component's bytes as a value of its type, and back.
template <class Component, std::size_t N>
Component from_bytes(const std::array<std::uint8_t, N>& bytes) {
  static_assert(sizeof(Component) <= N);
  std::array<std::uint8_t, sizeof(Component)> raw{};
  std::copy_n(bytes.begin(), sizeof(Component), raw.begin());
  return std::bit_cast<Component>(raw);
}

template <class Component, std::size_t N>
void to_bytes(const Component& value, std::array<std::uint8_t, N>& bytes) {
  static_assert(sizeof(Component) <= N);
  const auto raw = std::bit_cast<std::array<std::uint8_t, sizeof(Component)>>(value);
  std::copy(raw.begin(), raw.end(), bytes.begin());
}

// The kind each component belongs to.
template <class Component>
constexpr series_type kind_of();
template <>
constexpr series_type kind_of<spd_tonal>() {
  return series_type::spd;
}
template <>
constexpr series_type kind_of<bld_tonal>() {
  return series_type::bld;
}
template <>
constexpr series_type kind_of<aux_int_tonal>() {
  return series_type::aux;
}
template <>
constexpr series_type kind_of<fir_tonal>() {
  return series_type::fir;
}
template <>
constexpr series_type kind_of<modu_tonal>() {
  return series_type::modu;
}

template <class Component>
constexpr const char* place_of();
template <>
constexpr const char* place_of<spd_tonal>() {
  return "sm_model_vehicle_nb.tonal.spd";
}
template <>
constexpr const char* place_of<bld_tonal>() {
  return "sm_model_vehicle_nb.tonal.bld";
}
template <>
constexpr const char* place_of<aux_int_tonal>() {
  return "sm_model_vehicle_nb.tonal.aux_int";
}
template <>
constexpr const char* place_of<fir_tonal>() {
  return "sm_model_vehicle_nb.tonal.fir";
}
template <>
constexpr const char* place_of<modu_tonal>() {
  return "sm_model_vehicle_nb.tonal.modu";
}

struct built {
  prop_mode_dependent mode;
  prop_modes modes;
  tonal default_tonal;
  tonal_series series;
  group whole;
};

built& the_defaults() {
  static built value;
  return value;
}

}  // namespace

// ---- Tonals ----

template <class Component>
tonal tonal::create(series_type kind, bool used_by_unmanned, const all_tonals& common,
                    const Component& component) {
  tonal t;
  t.c701_ = kind;
  t.set_used_by_unmanned(used_by_unmanned);
  t.common_ = common;
  to_bytes(component, t.variant_);
  return t;
}

tonal tonal::create(bool used_by_unmanned, const all_tonals& common, const spd_tonal& spd) {
  return create(series_type::spd, used_by_unmanned, common, spd);
}
tonal tonal::create(bool used_by_unmanned, const all_tonals& common, const bld_tonal& bld) {
  return create(series_type::bld, used_by_unmanned, common, bld);
}
tonal tonal::create(bool used_by_unmanned, const all_tonals& common, const aux_int_tonal& aux_int) {
  return create(series_type::aux, used_by_unmanned, common, aux_int);
}
tonal tonal::create(bool used_by_unmanned, const all_tonals& common, const fir_tonal& fir) {
  return create(series_type::fir, used_by_unmanned, common, fir);
}
tonal tonal::create(bool used_by_unmanned, const all_tonals& common, const modu_tonal& modu) {
  return create(series_type::modu, used_by_unmanned, common, modu);
}

void tonal::require(series_type kind, const char* place) const {
  if (c701_.value() != kind) throw csl::range_error(place);
}

template <class Component>
Component tonal::component() const {
  require(kind_of<Component>(), place_of<Component>());
  return from_bytes<Component>(variant_);
}

template <class Component>
void tonal::set_component(const Component& value) {
  require(kind_of<Component>(), place_of<Component>());
  to_bytes(value, variant_);
}

spd_tonal tonal::spd() const {
  return component<spd_tonal>();
}
void tonal::set_spd(const spd_tonal& value) {
  set_component(value);
}
bld_tonal tonal::bld() const {
  return component<bld_tonal>();
}
void tonal::set_bld(const bld_tonal& value) {
  set_component(value);
}
aux_int_tonal tonal::aux_int() const {
  return component<aux_int_tonal>();
}
void tonal::set_aux_int(const aux_int_tonal& value) {
  set_component(value);
}
fir_tonal tonal::fir() const {
  return component<fir_tonal>();
}
void tonal::set_fir(const fir_tonal& value) {
  set_component(value);
}
modu_tonal tonal::modu() const {
  return component<modu_tonal>();
}
void tonal::set_modu(const modu_tonal& value) {
  set_component(value);
}

std::size_t tonal::size_of(series_type kind) {
  switch (kind) {
    case series_type::spd:
      return component_offset + sizeof(spd_tonal);
    case series_type::bld:
      return component_offset + sizeof(bld_tonal);
    case series_type::aux:
      return component_offset + sizeof(aux_int_tonal);
    case series_type::fir:
      return component_offset + sizeof(fir_tonal);
    case series_type::modu:
      return component_offset + sizeof(modu_tonal);
    default:
      throw csl::range_error(std::string(module_place) + "tonal.size_of");
  }
}

void tonal::assign(const tonal& value) {
  // The size first: a value of no narrowband kind must leave this tonal untouched.
  const std::size_t component_size = value.size() - component_offset;
  c701_ = value.c701_;
  used_by_unmanned_ = value.used_by_unmanned_;
  std::copy(std::begin(value.padding_), std::end(value.padding_), std::begin(padding_));
  common_ = value.common_;
  std::copy_n(value.variant_.begin(), component_size, variant_.begin());
}

bool operator==(const tonal& left, const tonal& right) {
  if (left.c701_.value() != right.c701_.value()) return false;
  if (left.used_by_unmanned() != right.used_by_unmanned() || !(left.common_ == right.common_)) {
    return false;
  }
  switch (left.c701_.value()) {
    case series_type::spd:
      return left.spd() == right.spd();
    case series_type::bld:
      return left.bld() == right.bld();
    case series_type::aux:
      return left.aux_int() == right.aux_int();
    case series_type::fir:
      return left.fir() == right.fir();
    case series_type::modu:
      return left.modu() == right.modu();
    default:
      return true;  // no narrowband kind (read from a file): no component to compare
  }
}

// ---- Defaults ----

namespace {

sm_model_vehicle_group_defaults::built_once building;

void build_defaults() {
  if (!types::started()) types::start_up();
  if (!sm_model_vehicle_nb_common::started()) sm_model_vehicle_nb_common::start_up();
  // Only the spd default goes into the group's default; the other sources start
  // here too, so that starting this module makes the whole group usable.
  if (!sm_model_vehicle_nb_spd::started()) sm_model_vehicle_nb_spd::start_up();
  if (!sm_model_vehicle_nb_bld::started()) sm_model_vehicle_nb_bld::start_up();
  if (!sm_model_vehicle_nb_aux_int::started()) sm_model_vehicle_nb_aux_int::start_up();
  if (!sm_model_vehicle_nb_fir::started()) sm_model_vehicle_nb_fir::start_up();
  if (!sm_model_vehicle_nb_mod::started()) sm_model_vehicle_nb_mod::start_up();

  prop_mode_dependent m;
  m.c786 = types::c786.default_();
  m.c787 = types::c787.default_();
  m.c788 = types::c788.default_();
  m.c789 = types::c789.default_();

  built& b = the_defaults();
  b.mode = m;
  b.modes = {m, m, m};
  b.default_tonal = tonal::create(false, sm_model_vehicle_nb_common::all_tonals_default(),
                                  sm_model_vehicle_nb_spd::spd_tonal_default());
  // A slot made without a value holds zero beyond the spd tonal's 108 bytes, and
  // assigning copies only those 108.
  for (tonal& slot : b.series) slot.assign(b.default_tonal);
  b.whole.shaft = b.modes;
  b.whole.series = b.series;
  b.whole.last_tonal_used = no_tonals;
}

}  // namespace

void start_up() {
  building.run(build_defaults);
}

bool started() {
  return building.done();
}

const prop_mode_dependent& prop_mode_dependent_defaults() {
  start_up();
  return the_defaults().mode;
}
const prop_modes& prop_modes_defaults() {
  start_up();
  return the_defaults().modes;
}
const tonal& tonal_default() {
  start_up();
  return the_defaults().default_tonal;
}
tonal tonal_default_of(series_type kind) {
  const all_tonals& c = sm_model_vehicle_nb_common::all_tonals_default();
  switch (kind) {
    case series_type::spd:
      return tonal_default();
    case series_type::bld:
      return tonal::create(false, c, sm_model_vehicle_nb_bld::bld_tonal_default());
    case series_type::aux:
      return tonal::create(false, c, sm_model_vehicle_nb_aux_int::aux_int_tonal_default());
    case series_type::fir:
      return tonal::create(false, c, sm_model_vehicle_nb_fir::fir_tonal_default());
    case series_type::modu:
      return tonal::create(false, c, sm_model_vehicle_nb_mod::modu_tonal_default());
    default:
      throw csl::range_error("sm_model_vehicle_nb.tonal_default_of");
  }
}
const tonal_series& tonal_series_default() {
  start_up();
  return the_defaults().series;
}
const group& group_default() {
  start_up();
  return the_defaults().whole;
}

// ---- Where each characteristic lies ----

namespace {

using sm_model_vehicle_fields::encoding;
using sm_model_vehicle_fields::field;
using sm_model_vehicle_fields::repeat;
namespace common = sm_model_vehicle_nb_common;
namespace spd_bld = sm_model_vehicle_nb_spd_bld;
namespace aux_int = sm_model_vehicle_nb_aux_int;
namespace fir = sm_model_vehicle_nb_fir;
namespace mod = sm_model_vehicle_nb_mod;

static_assert(sizeof(group) <= 0xFFFF, "offsets are 16-bit");

constexpr field number(std::string_view name, std::size_t offset, std::size_t size, encoding how) {
  return {
      name, static_cast<std::uint16_t>(offset), static_cast<std::uint8_t>(size), how, 0, 0, {}, {},
      {}};
}

// Enumerations, booleans and counts.
constexpr field whole(std::string_view name, std::size_t offset, std::size_t size) {
  return number(name, offset, size, encoding::unsigned_integer);
}

constexpr field real(std::string_view name, std::size_t offset) {
  return number(name, offset, sizeof(float), encoding::real);
}

// A count of 1/64 dB.
constexpr field level(std::string_view name, std::size_t offset) {
  return number(name, offset, sizeof(csl_levels::db), encoding::signed_integer);
}

// Element i - 1 of a prop_modes array holds mode i.
template <class Modes>
constexpr repeat per_mode{"mode", std::tuple_size_v<Modes>, sizeof(typename Modes::value_type)};

// The shaft table comes first, one entry per mode.
constexpr field in_shaft(field f) {
  f.outer = per_mode<prop_modes>;
  return f;
}

// The tonals follow, slot 1 first. Every slot takes the room of the largest kind.
constexpr std::size_t series_at = offsetof(group, series);
static_assert(sizeof(tonal_series) == std::tuple_size_v<tonal_series> * sizeof(tonal));

// A field that every slot holds, `f.offset` from the start of the slot.
constexpr field in_slot(field f) {
  f.offset = static_cast<std::uint16_t>(f.offset + series_at);
  f.outer = {"slot", std::tuple_size_v<tonal_series>, sizeof(tonal)};
  return f;
}

// The tonal leads with its kind c701 and used_by_unmanned; the common part ends
// where the component begins (tonal_layout checks the private offsets).
constexpr std::size_t kind_at = 0;
constexpr std::size_t unmanned_at = 1;
constexpr std::size_t common_at = component_offset - sizeof(all_tonals);
static_assert(common_at == 4);

// A field of the common part, `f.offset` from the start of that part.
constexpr field in_common(field f) {
  f.offset = static_cast<std::uint16_t>(f.offset + common_at);
  return in_slot(f);
}

// Per mode within the common part of every slot.
constexpr field in_common_mode(field f) {
  f.offset = static_cast<std::uint16_t>(f.offset + offsetof(all_tonals, pmode));
  f.inner = per_mode<common::prop_modes>;
  return in_common(f);
}

// Per harmonic correction within the common part of every slot.
constexpr field in_harmonic(field f) {
  f.offset = static_cast<std::uint16_t>(f.offset + offsetof(all_tonals, harmonic));
  f.inner = {"harmonic", std::tuple_size_v<common::harmonics>, sizeof(common::harmonic_correction)};
  return in_common(f);
}

// The kinds whose slots hold a component field: bit k for the kind of value k.
constexpr std::uint16_t kind_bit(series_type kind) {
  return static_cast<std::uint16_t>(1U << static_cast<unsigned>(kind));
}
constexpr std::uint16_t spd_kind = kind_bit(series_type::spd);
constexpr std::uint16_t bld_kind = kind_bit(series_type::bld);
constexpr std::uint16_t aux_kind = kind_bit(series_type::aux);
constexpr std::uint16_t fir_kind = kind_bit(series_type::fir);
constexpr std::uint16_t modu_kind = kind_bit(series_type::modu);

// A field of the component of the given kinds, `f.offset` from the start of the
// component. The selector names the kind byte of slot 1 from the start of the
// group; each slot's own lies a slot further on.
constexpr field in_component(std::uint16_t kinds, field f) {
  f.offset = static_cast<std::uint16_t>(f.offset + component_offset);
  f = in_slot(f);
  f.only_when = {static_cast<std::int16_t>(series_at + kind_at), kinds};
  return f;
}

// Per mode within a component whose modes come first.
template <class Modes>
constexpr field in_component_mode(std::uint16_t kinds, field f) {
  f.inner = per_mode<Modes>;
  return in_component(kinds, f);
}

// spd and bld share their first part: ratios per mode and the shaft choice.
static_assert(offsetof(spd_tonal, spd_bld) == 0 && offsetof(bld_tonal, spd_bld) == 0);
constexpr std::uint16_t spd_or_bld = spd_kind | bld_kind;
using spd_bld_tonals = spd_bld::spd_bld_tonals;
static_assert(offsetof(spd_bld_tonals, pmode) == 0);
static_assert(offsetof(aux_int_tonal, pmode) == 0 && offsetof(fir_tonal, pmode) == 0 &&
              offsetof(modu_tonal, pmode) == 0);

// In offset order; where kinds share bytes, in the order spd, bld, aux, fir, modu.
constexpr std::array table{
    in_shaft(real("c786", offsetof(prop_mode_dependent, c786))),
    in_shaft(real("c787", offsetof(prop_mode_dependent, c787))),
    in_shaft(real("c788", offsetof(prop_mode_dependent, c788))),
    in_shaft(real("c789", offsetof(prop_mode_dependent, c789))),
    in_slot(whole("c701", kind_at, sizeof(types::c701_type))),
    in_slot(whole("used_by_unmanned", unmanned_at, 1)),
    in_common_mode(
        whole("c750", offsetof(common::prop_mode_dependent, c750), sizeof(types::c750_type))),
    in_common_mode(
        whole("c753", offsetof(common::prop_mode_dependent, c753), sizeof(types::c753_type))),
    in_common_mode(
        whole("c751", offsetof(common::prop_mode_dependent, c751), sizeof(types::c751_type))),
    in_common_mode(real("c752", offsetof(common::prop_mode_dependent, c752))),
    in_harmonic(
        whole("c757", offsetof(common::harmonic_correction, c757), sizeof(types::c757_type))),
    in_harmonic(number("c758", offsetof(common::harmonic_correction, c758),
                       sizeof(types::c758_type), encoding::signed_integer)),
    in_common(number("c700", offsetof(all_tonals, c700), sizeof(types::c700_type), encoding::text)),
    in_common(whole("c709", offsetof(all_tonals, c709), sizeof(types::c709_type))),
    in_common(whole("c756", offsetof(all_tonals, c756), sizeof(types::c756_type))),
    in_common(whole("c702", offsetof(all_tonals, c702), sizeof(types::c702_type))),
    in_common(level("c764", offsetof(all_tonals, c764))),
    in_common(level("c765", offsetof(all_tonals, c765))),
    // The components, each from byte 0 of its own record.
    in_component_mode<spd_bld::prop_modes>(
        spd_or_bld, real("c782", offsetof(spd_bld::prop_mode_dependent, c782))),
    in_component_mode<aux_int::prop_modes>(
        aux_kind, real("c783", offsetof(aux_int::prop_mode_dependent, c783))),
    in_component_mode<fir::prop_modes>(fir_kind,
                                       real("c784", offsetof(fir::prop_mode_dependent, c784))),
    in_component_mode<mod::prop_modes>(modu_kind,
                                       real("c785", offsetof(mod::prop_mode_dependent, c785))),
    in_component(spd_or_bld, whole("c712", offsetof(spd_bld_tonals, c712),
                                   sizeof(sm_model_vehicle_nb_spd_bld_types::c712_type))),
    in_component(aux_kind, real("c720", offsetof(aux_int_tonal, c720))),
    in_component(fir_kind, real("c730", offsetof(fir_tonal, c730))),
    in_component(modu_kind, whole("c742", offsetof(modu_tonal, c742),
                                  sizeof(sm_model_vehicle_nb_mod_types::c742_type))),
    in_component(modu_kind, whole("c743", offsetof(modu_tonal, c743),
                                  sizeof(sm_model_vehicle_nb_mod_types::c743_type))),
    in_component(spd_kind, real("c781", offsetof(spd_tonal, c781))),
    in_component(bld_kind, real("c771", offsetof(bld_tonal, c771))),
    in_component(aux_kind, level("c723", offsetof(aux_int_tonal, c723))),
    in_component(fir_kind, real("c731", offsetof(fir_tonal, c731))),
    in_component(aux_kind, whole("c725", offsetof(aux_int_tonal, c725),
                                 sizeof(sm_model_vehicle_nb_aux_int_types::c725_type))),
    in_component(aux_kind, whole("c728", offsetof(aux_int_tonal, c728),
                                 sizeof(sm_model_vehicle_nb_aux_int_types::c728_type))),
    in_component(spd_kind, level("c780", offsetof(spd_tonal, c780))),
    in_component(bld_kind, real("c772", offsetof(bld_tonal, c772))),
    in_component(aux_kind, whole("c726", offsetof(aux_int_tonal, c726),
                                 sizeof(sm_model_vehicle_nb_aux_int_types::c726_type))),
    in_component(fir_kind, real("c736", offsetof(fir_tonal, c736))),
    in_component(aux_kind, whole("c727", offsetof(aux_int_tonal, c727),
                                 sizeof(sm_model_vehicle_nb_aux_int_types::c727_type))),
    in_component(bld_kind, real("c773", offsetof(bld_tonal, c773))),
    in_component(fir_kind, real("c737", offsetof(fir_tonal, c737))),
    in_component(bld_kind, real("c774", offsetof(bld_tonal, c774))),
    in_component(fir_kind, level("c733", offsetof(fir_tonal, c733))),
    in_component(bld_kind, real("c775", offsetof(bld_tonal, c775))),
    in_component(bld_kind, level("c713", offsetof(bld_tonal, c713))),
    // A count of slots, signed 32-bit.
    number("last_tonal_used", offsetof(group, last_tonal_used), sizeof(tonal_ref),
           encoding::signed_integer),
};

}  // namespace

std::span<const sm_model_vehicle_fields::field> fields() {
  return table;
}

}  // namespace sm_model_vehicle_nb
