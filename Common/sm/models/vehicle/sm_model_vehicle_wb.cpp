#include "sm_model_vehicle_wb.hpp"

#include <bit>
#include <string>
#include <string_view>
#include <tuple>

#include "csl_exceptions.hpp"
#include "sm_model_vehicle_group_defaults.hpp"

namespace sm_model_vehicle_wb {
namespace {

using csl_tonals::series_type;

constexpr std::uint8_t c802_bits = 0x03;
constexpr std::uint8_t c850_bits = 0x0C;
constexpr std::uint8_t c853_bits = 0xF0;
constexpr int c850_shift = 2;
constexpr int c853_shift = 4;

[[noreturn]] void range_error(const char* operation) {
  throw csl::range_error(std::string("sm_model_vehicle_wb.") + operation);
}

// Replaces the bits of `mask` in `byte` by `value` shifted into place.
std::uint8_t with_bits(std::uint8_t byte, std::uint8_t mask, unsigned value, int shift) {
  return static_cast<std::uint8_t>((byte & ~mask) | ((value << shift) & mask));
}

bool is_hres_or_lres(series_type kind) {
  return kind == series_type::hres || kind == series_type::lres;
}

struct defaults {
  prop_mode_dependent mode;
  prop_modes modes;
  line_correction line;
  lines all_lines;
  all_tonals common;
  pres_tonal_specific pres;
  hres_lres_tonal_specific hres_lres;
  tonal one_tonal;
  tonal_series series;
  group whole;
};

defaults& the_defaults() {
  static defaults value;
  return value;
}

prop_mode_dependent mode_default() {
  prop_mode_dependent m;
  m.set_c802(types::c802.default_());
  m.set_c850(types::c850.default_());
  m.set_c853(types::c853.default_());
  m.c851 = types::c851.default_();
  m.c852 = types::c852.default_();
  return m;
}

line_correction line_default() {
  line_correction l;
  l.c857 = types::c857.default_();
  l.c858 = types::c858.default_();
  return l;
}

all_tonals common_default(const prop_modes& modes, const lines& all_lines) {
  all_tonals a;
  a.pmode = modes;
  a.line = all_lines;
  a.c800 = types::c800.default_();
  a.c809 = types::c809.default_();
  a.c830 = types::c830.default_();
  a.c836 = types::c836.default_();
  a.c837 = types::c837.default_();
  a.c864 = types::c864.default_();
  a.c865 = types::c865.default_();
  a.c856 = types::c856.default_();
  a.c813 = types::c813.default_();
  return a;
}

}  // namespace

// ---- Per-mode byte 0 ----

types::c802_type prop_mode_dependent::c802() const {
  return static_cast<types::c802_type>(c802_c850_c853 & c802_bits);
}

types::c850_type prop_mode_dependent::c850() const {
  return static_cast<types::c850_type>((c802_c850_c853 & c850_bits) >> c850_shift);
}

std::uint8_t prop_mode_dependent::c853() const {
  return static_cast<std::uint8_t>(c802_c850_c853 >> c853_shift);
}

void prop_mode_dependent::set_c802(types::c802_type value) {
  const auto v = static_cast<unsigned>(value);
  if (v > static_cast<unsigned>(types::c802_type::on)) range_error("set_c802");
  c802_c850_c853 = with_bits(c802_c850_c853, c802_bits, v, 0);
}

void prop_mode_dependent::set_c850(types::c850_type value) {
  const auto v = static_cast<unsigned>(value);
  if (v > static_cast<unsigned>(types::c850_type::random)) range_error("set_c850");
  c802_c850_c853 = with_bits(c802_c850_c853, c850_bits, v, c850_shift);
}

void prop_mode_dependent::set_c853(types::c853_type value) {
  c802_c850_c853 = with_bits(c802_c850_c853, c853_bits, value.value(), c853_shift);
}

// ---- Equality over the meaningful fields ----

bool operator==(const prop_mode_dependent& left, const prop_mode_dependent& right) {
  return left.c802_c850_c853 == right.c802_c850_c853 && left.c851 == right.c851 &&
         left.c852 == right.c852;
}

bool operator==(const line_correction& left, const line_correction& right) {
  return left.c857 == right.c857 && left.c858 == right.c858;
}

bool operator==(const all_tonals& left, const all_tonals& right) {
  return left.pmode == right.pmode && left.line == right.line && left.c800 == right.c800 &&
         left.c809 == right.c809 && left.c830 == right.c830 && left.c836 == right.c836 &&
         left.c837 == right.c837 && left.c864 == right.c864 && left.c865 == right.c865 &&
         left.c856 == right.c856 && left.c813 == right.c813;
}

bool operator==(const pres_tonal_specific& left, const pres_tonal_specific& right) {
  return left.c832 == right.c832 && left.c881 == right.c881 && left.c880 == right.c880;
}

bool operator==(const hres_lres_tonal_specific& left, const hres_lres_tonal_specific& right) {
  return left.c831 == right.c831 && left.c833 == right.c833;
}

// ---- Tonals ----

tonal::tonal(types::c801_type kind) {
  if (kind == series_type::pres) return;
  if (!is_hres_or_lres(kind)) range_error("tonal");
  c801_ = kind;
  variant_.hres_lres = hres_lres_tonal_specific{};
}

tonal::tonal(const all_tonals& common, const pres_tonal_specific& pres) : common_(common) {
  variant_.pres = pres;
}

tonal::tonal(types::c801_type kind, const all_tonals& common,
             const hres_lres_tonal_specific& hres_lres)
    : common_(common) {
  if (!is_hres_or_lres(kind)) range_error("tonal");
  c801_ = kind;
  variant_.hres_lres = hres_lres;
}

pres_tonal_specific& tonal::pres() {
  if (c801_ != series_type::pres) range_error("tonal.pres");
  return variant_.pres;
}

const pres_tonal_specific& tonal::pres() const {
  if (c801_ != series_type::pres) range_error("tonal.pres");
  return variant_.pres;
}

hres_lres_tonal_specific& tonal::hres_lres() {
  if (!is_hres_or_lres(c801_)) range_error("tonal.hres_lres");
  return variant_.hres_lres;
}

const hres_lres_tonal_specific& tonal::hres_lres() const {
  if (!is_hres_or_lres(c801_)) range_error("tonal.hres_lres");
  return variant_.hres_lres;
}

bool operator==(const tonal& left, const tonal& right) {
  if (left.c801_ != right.c801_ || !(left.common_ == right.common_)) return false;
  if (left.c801_ == series_type::pres) return left.variant_.pres == right.variant_.pres;
  if (is_hres_or_lres(left.c801_)) return left.variant_.hres_lres == right.variant_.hres_lres;
  // A kind read from a file that is none of the three has no part of its own.
  return true;
}

// ---- Defaults ----

namespace {

sm_model_vehicle_group_defaults::built_once building;

void build_defaults() {
  if (!types::started()) types::start_up();
  defaults& d = the_defaults();
  d.mode = mode_default();
  d.modes = {d.mode, d.mode, d.mode};
  d.line = line_default();
  d.all_lines.fill(d.line);
  d.common = common_default(d.modes, d.all_lines);
  d.pres.c832 = types::c832.default_();
  d.pres.c881 = types::c881.default_();
  d.pres.c880 = types::c880.default_();
  d.hres_lres.c831 = types::c831.default_();
  d.hres_lres.c833 = types::c833.default_();
  d.one_tonal = tonal(d.common, d.pres);
  d.series.slots.fill(d.one_tonal);
  d.whole.last_tonal_used = no_tonals;
  d.whole.series = d.series;
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
const line_correction& line_correction_default() {
  start_up();
  return the_defaults().line;
}
const lines& lines_defaults() {
  start_up();
  return the_defaults().all_lines;
}
const all_tonals& all_tonals_default() {
  start_up();
  return the_defaults().common;
}
const pres_tonal_specific& pres_tonal_specific_default() {
  start_up();
  return the_defaults().pres;
}
const hres_lres_tonal_specific& hres_lres_tonal_specific_default() {
  start_up();
  return the_defaults().hres_lres;
}
const tonal& tonal_default() {
  start_up();
  return the_defaults().one_tonal;
}
tonal tonal_default_of(types::c801_type kind) {
  if (kind == series_type::pres) return tonal_default();
  // The constructor refuses a kind other than hres and lres.
  return tonal(kind, all_tonals_default(), hres_lres_tonal_specific_default());
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

static_assert(sizeof(group) <= 0xFFFF, "offsets are 16-bit");

constexpr field number(std::string_view name, std::size_t offset, std::size_t size, encoding how) {
  return {
      name, static_cast<std::uint16_t>(offset), static_cast<std::uint8_t>(size), how, 0, 0, {}, {},
      {}};
}

// Enumerations and counts.
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

// One of the small fields packed into byte 0 of each mode, under `mask`.
constexpr field packed(std::string_view name, std::uint8_t mask) {
  field f = number(name, offsetof(prop_mode_dependent, c802_c850_c853),
                   sizeof(prop_mode_dependent::c802_c850_c853), encoding::bits);
  f.first_bit = static_cast<std::uint8_t>(std::countr_zero(mask));
  f.bit_count = static_cast<std::uint8_t>(std::popcount(mask));
  return f;
}
static_assert(std::countr_zero(c850_bits) == c850_shift &&
              std::countr_zero(c853_bits) == c853_shift);

// The counter comes first, then the tonals, slot 1 (series 41) first.
constexpr std::size_t series_at = offsetof(group, series) + offsetof(tonal_series, slots);
constexpr std::size_t slot_count = std::tuple_size_v<decltype(tonal_series::slots)>;
static_assert(sizeof(tonal_series) == slot_count * sizeof(tonal));
static_assert(series_number::last - series_number::first + 1 == slot_count);

// A field that every slot holds, `f.offset` from the start of the slot. Slots
// are numbered as their series, 41 .. 50.
constexpr field in_slot(field f) {
  f.offset = static_cast<std::uint16_t>(f.offset + series_at);
  f.outer = {"slot", slot_count, sizeof(tonal), static_cast<std::uint16_t>(series_number::first)};
  return f;
}

// The tonal leads with its kind c801 and ends with the part of its kind, whose
// largest (pres) fills the slot; the common part lies in between. tonal_layout
// checks the private offsets.
constexpr std::size_t kind_at = 0;
constexpr std::size_t variant_at = sizeof(tonal) - sizeof(pres_tonal_specific);
constexpr std::size_t common_at = variant_at - sizeof(all_tonals);
static_assert(common_at == 4 && variant_at == 136);
static_assert(sizeof(hres_lres_tonal_specific) <= sizeof(pres_tonal_specific));

// A field of the common part, `f.offset` from the start of that part.
constexpr field in_common(field f) {
  f.offset = static_cast<std::uint16_t>(f.offset + common_at);
  return in_slot(f);
}

// Per mode within the common part of every slot; element i - 1 holds mode i.
constexpr field in_mode(field f) {
  f.offset = static_cast<std::uint16_t>(f.offset + offsetof(all_tonals, pmode));
  f.inner = {"mode", std::tuple_size_v<prop_modes>, sizeof(prop_mode_dependent)};
  return in_common(f);
}

// Per line correction within the common part of every slot.
constexpr field in_line(field f) {
  f.offset = static_cast<std::uint16_t>(f.offset + offsetof(all_tonals, line));
  f.inner = {"line", std::tuple_size_v<lines>, sizeof(line_correction)};
  return in_common(f);
}

// The kinds whose slots hold a field of the kind's own part: bit k for the kind
// of value k.
constexpr std::uint16_t kind_bit(series_type kind) {
  return static_cast<std::uint16_t>(1U << static_cast<unsigned>(kind));
}
constexpr std::uint16_t pres_kind = kind_bit(series_type::pres);
constexpr std::uint16_t hres_or_lres = kind_bit(series_type::hres) | kind_bit(series_type::lres);

// A field of the kind's own part, `f.offset` from its start. The selector names
// the kind byte of slot 1 from the start of the group; each slot's own lies a
// slot further on.
constexpr field in_variant(std::uint16_t kinds, field f) {
  f.offset = static_cast<std::uint16_t>(f.offset + variant_at);
  f = in_slot(f);
  f.only_when = {static_cast<std::int16_t>(series_at + kind_at), kinds};
  return f;
}

// In offset order; where the kinds share bytes, pres first.
constexpr std::array table{
    // The last slot in use as a series number 41 .. 50, or 51, signed 32-bit.
    number("wb_last_tonal_used", offsetof(group, last_tonal_used), sizeof(tonal_ref),
           encoding::signed_integer),
    in_slot(whole("c801", kind_at, sizeof(types::c801_type))),
    in_mode(packed("c802", c802_bits)),
    in_mode(packed("c850", c850_bits)),
    in_mode(packed("c853", c853_bits)),
    in_mode(whole("c851", offsetof(prop_mode_dependent, c851), sizeof(types::c851_type))),
    in_mode(real("c852", offsetof(prop_mode_dependent, c852))),
    in_line(real("c857", offsetof(line_correction, c857))),
    in_line(level("c858", offsetof(line_correction, c858))),
    in_common(number("c800", offsetof(all_tonals, c800), sizeof(types::c800_type), encoding::text)),
    in_common(whole("c809", offsetof(all_tonals, c809), sizeof(types::c809_type))),
    in_common(real("c830", offsetof(all_tonals, c830))),
    in_common(real("c836", offsetof(all_tonals, c836))),
    in_common(real("c837", offsetof(all_tonals, c837))),
    in_common(level("c864", offsetof(all_tonals, c864))),
    in_common(level("c865", offsetof(all_tonals, c865))),
    in_common(whole("c856", offsetof(all_tonals, c856), sizeof(types::c856_type))),
    in_common(level("c813", offsetof(all_tonals, c813))),
    in_variant(pres_kind, real("c832", offsetof(pres_tonal_specific, c832))),
    in_variant(hres_or_lres, real("c831", offsetof(hres_lres_tonal_specific, c831))),
    in_variant(pres_kind, real("c881", offsetof(pres_tonal_specific, c881))),
    in_variant(hres_or_lres, level("c833", offsetof(hres_lres_tonal_specific, c833))),
    in_variant(pres_kind, level("c880", offsetof(pres_tonal_specific, c880))),
};

}  // namespace

std::span<const sm_model_vehicle_fields::field> fields() {
  return table;
}

}  // namespace sm_model_vehicle_wb
