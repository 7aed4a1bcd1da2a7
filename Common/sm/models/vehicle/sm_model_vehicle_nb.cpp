#include "sm_model_vehicle_nb.hpp"

#include <algorithm>
#include <string>

#include "csl_exceptions.hpp"

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
  bool done = false;
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

void start_up() {
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
  b.done = true;
}

bool started() {
  return the_defaults().done;
}

const prop_mode_dependent& prop_mode_dependent_defaults() {
  return the_defaults().mode;
}
const prop_modes& prop_modes_defaults() {
  return the_defaults().modes;
}
const tonal& tonal_default() {
  return the_defaults().default_tonal;
}
const tonal_series& tonal_series_default() {
  return the_defaults().series;
}
const group& group_default() {
  return the_defaults().whole;
}

}  // namespace sm_model_vehicle_nb
