// The narrowband group: its default bytes and the bytes of every kind of tonal
// built offset by offset, the variant record's guarded components, kind-sized
// slot assignment and equality, the ranged fields and grades, and the descriptors
// of the common and source types modules as the catalogue shows them.
#include "sm_model_vehicle_nb.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "sm_model_vehicle_catalogue.hpp"
#include "vdb_bytes.hpp"
#include "vdb_bytes_nb.hpp"

namespace {

namespace nb = sm_model_vehicle_nb;
namespace common = sm_model_vehicle_nb_common;
namespace common_types = sm_model_vehicle_nb_common_types;
namespace spd_bld = sm_model_vehicle_nb_spd_bld;
namespace spd_bld_types = sm_model_vehicle_nb_spd_bld_types;
namespace spd = sm_model_vehicle_nb_spd;
namespace spd_types = sm_model_vehicle_nb_spd_types;
namespace bld = sm_model_vehicle_nb_bld;
namespace bld_types = sm_model_vehicle_nb_bld_types;
namespace aux_int = sm_model_vehicle_nb_aux_int;
namespace aux_int_types = sm_model_vehicle_nb_aux_int_types;
namespace fir = sm_model_vehicle_nb_fir;
namespace fir_types = sm_model_vehicle_nb_fir_types;
namespace mod = sm_model_vehicle_nb_mod;
namespace mod_types = sm_model_vehicle_nb_mod_types;
namespace catalogue = sm_model_vehicle_catalogue;

using csl_tonals::series_type;
using vdb_bytes::bytes;
using vdb_bytes::bytes_of;
using vdb_bytes::put_f32;
using vdb_bytes::put_u16;
using vdb_bytes::put_u8;

void put_i16(bytes& b, std::size_t at, int v) {
  put_u16(b, at, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
}

bytes slice(const bytes& b, std::size_t from, std::size_t count) {
  return {b.begin() + static_cast<std::ptrdiff_t>(from),
          b.begin() + static_cast<std::ptrdiff_t>(from + count)};
}

// A tonal made from its stored bytes, as a read from a file makes it; bytes not
// given are zero.
nb::tonal tonal_of(const bytes& b) {
  std::array<std::uint8_t, sizeof(nb::tonal)> raw{};
  std::copy_n(b.begin(), std::min(b.size(), raw.size()), raw.begin());
  return std::bit_cast<nb::tonal>(raw);
}

csl_levels::db level(int count) {
  return csl_levels::db::from_count(count);
}

class nb_test : public testing::Test {
 protected:
  static void SetUpTestSuite() { nb::start_up(); }
};

// ---- Tonals with every field set, and their bytes laid out offset by offset ----

common::all_tonals sample_common() {
  common::all_tonals a = common::all_tonals_default();
  for (std::size_t i = 0; i < 3; ++i) {
    a.pmode[i].c750 = static_cast<common_types::c750_type>(i + 1);
    a.pmode[i].c753 = static_cast<int>(10 + i);
    a.pmode[i].c751 = static_cast<int>(9997 + i);
    a.pmode[i].c752 = csl_statistical::percentage(1.5F * static_cast<float>(i + 1));
  }
  for (std::size_t h = 0; h < 10; ++h) {
    a.harmonic[h].c757 = static_cast<int>(990 + h);
    a.harmonic[h].c758 = -static_cast<int>(90 + h);
  }
  a.c700 = csl::fixed_text<6>::from("TONAL7");
  a.c709 = 499;
  a.c756 = 10;
  a.c702 = series_type::fir;
  a.c764 = level(-6336);
  a.c765 = level(6336);
  return a;
}

void put_common(bytes& b, std::size_t at) {
  for (std::size_t i = 0; i < 3; ++i) {
    const std::size_t m = at + 8 * i;
    put_u8(b, m, static_cast<unsigned>(i + 1));
    put_u8(b, m + 1, static_cast<unsigned>(10 + i));
    put_u16(b, m + 2, static_cast<unsigned>(9997 + i));
    put_f32(b, m + 4, 1.5F * static_cast<float>(i + 1));
  }
  for (std::size_t h = 0; h < 10; ++h) {
    const std::size_t c = at + 24 + 4 * h;
    put_u16(b, c, static_cast<unsigned>(990 + h));
    put_u8(b, c + 2, static_cast<std::uint8_t>(-static_cast<int>(90 + h)));
  }
  vdb_bytes::put_text(b, at + 64, 6, "TONAL7");
  put_u16(b, at + 70, 499);
  put_u8(b, at + 72, 10);
  put_u8(b, at + 73, 4);  // fir
  put_i16(b, at + 74, -6336);
  put_i16(b, at + 76, 6336);
}

// The first bytes of a tonal: kind, used by unmanned vehicles, the common part.
bytes tonal_head(unsigned kind) {
  bytes b(nb::slot_size, 0);
  put_u8(b, 0, kind);
  put_u8(b, 1, 1);
  put_common(b, 4);
  return b;
}

spd_bld::spd_bld_tonals sample_spd_bld() {
  spd_bld::spd_bld_tonals s;
  s.pmode = {{{1.25F}, {2.5F}, {999.999F}}};
  s.c712 = spd_bld_types::c712_type::multi_shaft;
  return s;
}

void put_spd_bld(bytes& b, std::size_t at) {
  put_f32(b, at + 0, 1.25F);
  put_f32(b, at + 4, 2.5F);
  put_f32(b, at + 8, 999.999F);
  put_u8(b, at + 12, 1);
}

struct kind_case {
  const char* name;
  nb::tonal value;
  bytes expected;  // the bytes of its kind
};

std::vector<kind_case> every_kind() {
  const common::all_tonals a = sample_common();
  std::vector<kind_case> cases;

  spd::spd_tonal s;
  s.spd_bld = sample_spd_bld();
  s.c781 = -9.99998F;
  s.c780 = level(-19200);
  bytes sb = tonal_head(1);
  put_spd_bld(sb, 84);
  put_f32(sb, 84 + 16, -9.99998F);
  put_i16(sb, 84 + 20, -19200);
  cases.push_back({"spd", nb::tonal::create(true, a, s), slice(sb, 0, 108)});

  bld::bld_tonal d;
  d.spd_bld = sample_spd_bld();
  d.c771 = -99.99F;
  d.c772 = csl_velocity::speed(514.0F);
  d.c773 = 42.5F;
  d.c774 = csl_velocity::speed(3.75F);
  d.c775 = 0.125F;
  d.c713 = level(19200);
  bytes db = tonal_head(2);
  put_spd_bld(db, 84);
  put_f32(db, 84 + 16, -99.99F);
  put_f32(db, 84 + 20, 514.0F);
  put_f32(db, 84 + 24, 42.5F);
  put_f32(db, 84 + 28, 3.75F);
  put_f32(db, 84 + 32, 0.125F);
  put_i16(db, 84 + 36, 19200);
  cases.push_back({"bld", nb::tonal::create(true, a, d), db});

  aux_int::aux_int_tonal x;
  x.pmode = {{{csl_statistical::percentage(5.0F)},
              {csl_statistical::percentage(50.0F)},
              {csl_statistical::percentage(999.0F)}}};
  x.c720 = csl_frequency::offset(9999.99F);
  x.c723 = level(19199);
  x.c725 = aux_int_types::c725_type::fish_hook;
  x.c728 = aux_int_types::c728_type::dive_surf;
  x.c726 = 9999;
  x.c727 = 1234;
  bytes xb = tonal_head(3);
  put_f32(xb, 84 + 0, 5.0F);
  put_f32(xb, 84 + 4, 50.0F);
  put_f32(xb, 84 + 8, 999.0F);
  put_f32(xb, 84 + 12, 9999.99F);
  put_i16(xb, 84 + 16, 19199);
  put_u8(xb, 84 + 18, 3);
  put_u8(xb, 84 + 19, 1);
  put_u16(xb, 84 + 20, 9999);
  put_u16(xb, 84 + 22, 1234);
  cases.push_back({"aux", nb::tonal::create(true, a, x), slice(xb, 0, 108)});

  fir::fir_tonal f;
  f.pmode = {{{7.0F}, {8.0F}, {9.0F}}};
  f.c730 = csl_frequency::offset(440.25F);
  f.c731 = csl_statistical::percentage(99.99F);
  f.c736 = csl_velocity::speed(1.5F);
  f.c737 = csl_velocity::speed(51.0F);
  f.c733 = level(32755);
  bytes fb = tonal_head(4);
  put_f32(fb, 84 + 0, 7.0F);
  put_f32(fb, 84 + 4, 8.0F);
  put_f32(fb, 84 + 8, 9.0F);
  put_f32(fb, 84 + 12, 440.25F);
  put_f32(fb, 84 + 16, 99.99F);
  put_f32(fb, 84 + 20, 1.5F);
  put_f32(fb, 84 + 24, 51.0F);
  put_i16(fb, 84 + 28, 32755);
  cases.push_back({"fir", nb::tonal::create(true, a, f), slice(fb, 0, 116)});

  mod::modu_tonal m;
  m.pmode = {{{0.5F}, {1.0F}, {999.999F}}};
  m.c742 = mod_types::c742_type::eng_machine;
  m.c743 = mod_types::c743_type::multiple;
  bytes mb = tonal_head(5);
  put_f32(mb, 84 + 0, 0.5F);
  put_f32(mb, 84 + 4, 1.0F);
  put_f32(mb, 84 + 8, 999.999F);
  put_u8(mb, 84 + 12, 2);
  put_u8(mb, 84 + 13, 1);
  cases.push_back({"modu", nb::tonal::create(true, a, m), slice(mb, 0, 100)});
  return cases;
}

// ---- Defaults ----

TEST_F(nb_test, GroupDefaultMatchesItsLayoutByteForByte) {
  const bytes expected = vdb_bytes::nb_group_default();
  EXPECT_EQ(bytes_of(nb::group_default()), expected);
  EXPECT_EQ(bytes_of(nb::group_default().shaft), slice(expected, 0, 48));
  EXPECT_EQ(bytes_of(nb::prop_modes_defaults()), slice(expected, 0, 48));
  EXPECT_EQ(bytes_of(nb::prop_mode_dependent_defaults()), slice(expected, 0, 16));
  EXPECT_EQ(bytes_of(nb::tonal_series_default()), slice(expected, 48, 4960));
  EXPECT_EQ(bytes_of(nb::tonal_default()), slice(expected, 48, 124));
  EXPECT_EQ(nb::group_default().last_tonal_used, nb::no_tonals);
}

TEST_F(nb_test, DefaultTonalIsAnSpdTonalNamedNoname) {
  const nb::tonal& t = nb::tonal_default();
  EXPECT_EQ(t.c701(), series_type::spd);
  EXPECT_EQ(t.size(), 108U);
  EXPECT_FALSE(t.used_by_unmanned());
  EXPECT_EQ(t.common().c700.str(), "NONAME");
  EXPECT_EQ(t.common().c702.value(), series_type::spd);
  EXPECT_EQ(t.common(), common::all_tonals_default());
  EXPECT_EQ(t.spd(), spd::spd_tonal_default());
  const bytes b = bytes_of(t);
  EXPECT_EQ(slice(b, 68, 6), (bytes{'N', 'O', 'N', 'A', 'M', 'E'}));
  EXPECT_EQ(b[77], 1);
  for (const nb::tonal& slot : nb::group_default().series) EXPECT_EQ(slot, t);
}

TEST_F(nb_test, SourceDefaultsAreZeroExceptTheFirstSpeedSlope) {
  EXPECT_EQ(bytes_of(spd::spd_tonal_default()), bytes(24, 0));
  EXPECT_EQ(bytes_of(spd_bld::spd_bld_tonals_default()), bytes(16, 0));
  EXPECT_EQ(bytes_of(spd_bld::prop_modes_defaults()), bytes(12, 0));
  bytes b(40, 0);
  put_f32(b, 16, 1.0F);
  EXPECT_EQ(bytes_of(bld::bld_tonal_default()), b);
  EXPECT_EQ(bytes_of(aux_int::aux_int_tonal_default()), bytes(24, 0));
  EXPECT_EQ(bytes_of(aux_int::prop_modes_defaults()), bytes(12, 0));
  EXPECT_EQ(bytes_of(fir::fir_tonal_default()), bytes(32, 0));
  EXPECT_EQ(bytes_of(fir::prop_modes_defaults()), bytes(12, 0));
  EXPECT_EQ(bytes_of(mod::modu_tonal_default()), bytes(16, 0));
  EXPECT_EQ(bytes_of(mod::prop_mode_dependent_defaults()), bytes(4, 0));
}

TEST_F(nb_test, CommonDefaultsMatchTheirLayout) {
  bytes a(80, 0);
  vdb_bytes::put_text(a, 64, 6, "NONAME");
  put_u8(a, 73, 1);
  EXPECT_EQ(bytes_of(common::all_tonals_default()), a);
  EXPECT_EQ(bytes_of(common::harmonics_defaults()), bytes(40, 0));
  EXPECT_EQ(bytes_of(common::harmonic_correction_default()), bytes(4, 0));
  EXPECT_EQ(bytes_of(common::prop_modes_defaults()), bytes(24, 0));
  EXPECT_EQ(common::prop_mode_dependent_defaults().c750, common_types::c750_type::stable);
}

TEST_F(nb_test, GroupMadeWithoutAValueHasOnlyItsSlotsKindAndUnmannedFlag) {
  // Over storage full of ones, so that a field the construction does not set
  // would not read as its value by chance.
  alignas(nb::group) std::array<std::uint8_t, sizeof(nb::group)> storage;
  storage.fill(0xFF);
  const nb::group* g = new (storage.data()) nb::group;
  for (const nb::tonal& slot : g->series) {
    EXPECT_EQ(slot.c701(), series_type::spd);
    EXPECT_FALSE(slot.used_by_unmanned());
  }
  EXPECT_NE(g->series[0].common().c700.str(), "NONAME");  // not the default tonal
  EXPECT_NE(*g, nb::group_default());
  nb::tonal t;
  EXPECT_EQ(t.c701(), series_type::spd);
  EXPECT_NO_THROW(t.spd());
}

// ---- Layout of every kind ----

TEST_F(nb_test, EachKindLaysItsFieldsOutAtTheirOffsets) {
  for (const kind_case& c : every_kind()) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.value.size(), c.expected.size());
    EXPECT_EQ(slice(bytes_of(c.value), 0, c.expected.size()), c.expected);
    EXPECT_EQ(c.value, tonal_of(c.expected));  // and reads back from those bytes
  }
}

TEST_F(nb_test, BldTonalInSlot40FillsBytes4884To5007) {
  const kind_case bld_case = every_kind()[1];
  nb::group g = nb::group_default();
  g.series[39].assign(bld_case.value);
  g.last_tonal_used = 40;
  g.shaft[2].c789 = -100.0F;
  g.shaft[0].c786 = 12.5F;

  bytes expected = vdb_bytes::nb_group_default();
  std::copy(bld_case.expected.begin(), bld_case.expected.end(), expected.begin() + 4884);
  vdb_bytes::put_i32(expected, 5008, 40);
  put_f32(expected, 2 * 16 + 12, -100.0F);
  put_f32(expected, 0, 12.5F);
  EXPECT_EQ(bytes_of(g), expected);
  EXPECT_EQ(vdb_bytes::nb_slot_offset(40) + 124, 5008U);
}

TEST_F(nb_test, AssigningCopiesOnlyTheBytesOfTheKind) {
  const std::vector<kind_case> kinds = every_kind();
  const kind_case& bld_case = kinds[1];
  for (const kind_case& c : kinds) {
    SCOPED_TRACE(c.name);
    nb::tonal slot = bld_case.value;
    slot.assign(c.value);
    const bytes after = bytes_of(slot);
    EXPECT_EQ(slot.c701(), c.value.c701());
    EXPECT_EQ(slice(after, 0, c.expected.size()), c.expected);
    // What lies beyond the kind is still the bld tonal's.
    EXPECT_EQ(slice(after, c.expected.size(), 124 - c.expected.size()),
              slice(bld_case.expected, c.expected.size(), 124 - c.expected.size()));
    EXPECT_EQ(slot, c.value);
  }
  // Of an spd tonal into a fresh slot: 108 bytes, the last 16 stay zero.
  nb::tonal fresh = nb::tonal::create(false, sample_common(), bld::bld_tonal_default());
  fresh.assign(kinds[0].value);
  EXPECT_EQ(slice(bytes_of(fresh), 108, 16), slice(bytes_of(bld::bld_tonal_default()), 24, 16));
}

// ---- The guarded variant ----

struct access {
  series_type kind;
  std::function<void(nb::tonal&)> read;
  std::function<void(nb::tonal&)> write;
};

TEST_F(nb_test, OnlyTheComponentOfTheCurrentKindCanBeReachedOrChanged) {
  const std::vector<access> accessors{
      {series_type::spd, [](nb::tonal& t) { (void)t.spd(); },
       [](nb::tonal& t) { t.set_spd(spd::spd_tonal_default()); }},
      {series_type::bld, [](nb::tonal& t) { (void)t.bld(); },
       [](nb::tonal& t) { t.set_bld(bld::bld_tonal_default()); }},
      {series_type::aux, [](nb::tonal& t) { (void)t.aux_int(); },
       [](nb::tonal& t) { t.set_aux_int(aux_int::aux_int_tonal_default()); }},
      {series_type::fir, [](nb::tonal& t) { (void)t.fir(); },
       [](nb::tonal& t) { t.set_fir(fir::fir_tonal_default()); }},
      {series_type::modu, [](nb::tonal& t) { (void)t.modu(); },
       [](nb::tonal& t) { t.set_modu(mod::modu_tonal_default()); }},
  };
  for (const kind_case& c : every_kind()) {
    for (const access& a : accessors) {
      SCOPED_TRACE(std::string(c.name) + " reached as " + csl_tonals::image_of(a.kind));
      nb::tonal t = c.value;
      const bytes before = bytes_of(t);
      if (a.kind == c.value.c701()) {
        EXPECT_NO_THROW(a.read(t));
        EXPECT_NO_THROW(a.write(t));
        EXPECT_EQ(t.c701(), a.kind);
      } else {
        EXPECT_THROW(a.read(t), csl::range_error);
        EXPECT_THROW(a.write(t), csl::range_error);
        EXPECT_EQ(bytes_of(t), before);
      }
    }
  }
}

TEST_F(nb_test, ComponentsReadBackWhatWasSet) {
  nb::tonal t = nb::tonal::create(false, common::all_tonals_default(), fir::fir_tonal_default());
  fir::fir_tonal f = t.fir();
  f.c733 = fir_types::c733.max();
  f.pmode[2].c784 = 999.0F;
  t.set_fir(f);
  EXPECT_EQ(t.fir(), f);
  EXPECT_EQ(t.fir().c733.count(), 32755);
  t.common().c709 = 17;
  t.set_used_by_unmanned(true);
  EXPECT_EQ(bytes_of(t)[1], 1);
  EXPECT_EQ(bytes_of(t)[4 + 70], 17);
  EXPECT_EQ(t.fir().pmode[2].c784, 999.0F);
}

TEST_F(nb_test, TonalOfNoNarrowbandKindReachesNothingAndIsNotStored) {
  bytes b = every_kind()[1].expected;
  put_u8(b, 0, 6);  // pres, a wideband kind
  const nb::tonal odd = tonal_of(b);
  EXPECT_THROW(odd.size(), csl::range_error);
  EXPECT_THROW(odd.bld(), csl::range_error);
  EXPECT_THROW(odd.spd(), csl::range_error);
  nb::tonal slot = nb::tonal_default();
  EXPECT_THROW(slot.assign(odd), csl::range_error);
  EXPECT_EQ(slot, nb::tonal_default());
  EXPECT_EQ(bytes_of(slot), bytes_of(nb::tonal_default()));
  EXPECT_NE(odd, slot);
  EXPECT_EQ(odd, tonal_of(b));
}

// ---- Equality ----

TEST_F(nb_test, ModuTonalsDifferingOnlyBeyondByte100AreEqual) {
  const kind_case modu_case = every_kind()[4];
  nb::tonal over_bld = every_kind()[1].value;
  over_bld.assign(modu_case.value);
  const nb::tonal fresh = modu_case.value;
  EXPECT_NE(slice(bytes_of(over_bld), 100, 24), slice(bytes_of(fresh), 100, 24));
  EXPECT_EQ(over_bld, fresh);
  EXPECT_FALSE(over_bld != fresh);
}

TEST_F(nb_test, TonalsDifferingOnlyInKindAreNeverEqual) {
  // Every component all zero, so the bytes differ in byte 0 alone.
  const common::all_tonals& a = common::all_tonals_default();
  std::vector<nb::tonal> zero{
      nb::tonal::create(false, a, spd::spd_tonal_default()),
      nb::tonal::create(false, a, aux_int::aux_int_tonal_default()),
      nb::tonal::create(false, a, fir::fir_tonal_default()),
      nb::tonal::create(false, a, mod::modu_tonal_default()),
  };
  bld::bld_tonal zero_bld = bld::bld_tonal_default();
  zero_bld.c771 = 0.0F;
  zero.push_back(nb::tonal::create(false, a, zero_bld));
  for (std::size_t i = 0; i < zero.size(); ++i) {
    for (std::size_t j = 0; j < zero.size(); ++j) {
      bytes left = bytes_of(zero[i]);
      bytes right = bytes_of(zero[j]);
      left[0] = right[0] = 0;
      EXPECT_EQ(left, right);
      EXPECT_EQ(zero[i] == zero[j], i == j) << i << " " << j;
    }
  }
}

TEST_F(nb_test, PaddingTakesNoPartInEquality) {
  for (const kind_case& c : every_kind()) {
    SCOPED_TRACE(c.name);
    bytes b = bytes_of(c.value);
    for (const std::size_t padding : {2, 3, 4 + 24 + 3, 4 + 24 + 4 * 9 + 3, 4 + 78, 4 + 79}) {
      b[padding] = 0xA5;
    }
    const series_type kind = c.value.c701();
    if (kind == series_type::spd || kind == series_type::bld) b[84 + 13] = b[84 + 15] = 0xA5;
    if (kind == series_type::spd) b[84 + 22] = 0xA5;
    if (kind == series_type::bld) b[84 + 39] = 0xA5;
    if (kind == series_type::fir) b[84 + 30] = 0xA5;
    if (kind == series_type::modu) b[84 + 14] = 0xA5;
    EXPECT_NE(b, bytes_of(c.value));
    EXPECT_EQ(tonal_of(b), c.value);
  }
}

struct change {
  const char* what;
  std::function<void(nb::tonal&)> apply;
};

TEST_F(nb_test, EveryMeaningfulFieldTakesPartInEquality) {
  const nb::tonal base = every_kind()[1].value;  // bld
  const std::vector<change> changes{
      {"used_by_unmanned", [](nb::tonal& t) { t.set_used_by_unmanned(false); }},
      {"pmode 3 c752",
       [](nb::tonal& t) { t.common().pmode[2].c752 = csl_statistical::percentage(4.0F); }},
      {"pmode 1 c750",
       [](nb::tonal& t) { t.common().pmode[0].c750 = common_types::c750_type::stable; }},
      {"harmonic 10 c758", [](nb::tonal& t) { t.common().harmonic[9].c758 = 0; }},
      {"harmonic 1 c757", [](nb::tonal& t) { t.common().harmonic[0].c757 = 0; }},
      {"c700 last character", [](nb::tonal& t) { t.common().c700.chars[5] = '8'; }},
      {"c709", [](nb::tonal& t) { t.common().c709 = 498; }},
      {"c756", [](nb::tonal& t) { t.common().c756 = 9; }},
      {"c702", [](nb::tonal& t) { t.common().c702 = series_type::modu; }},
      {"c764", [](nb::tonal& t) { t.common().c764 = level(0); }},
      {"c765", [](nb::tonal& t) { t.common().c765 = level(0); }},
      {"bld c712",
       [](nb::tonal& t) {
         bld::bld_tonal b = t.bld();
         b.spd_bld.c712 = spd_bld_types::c712_type::single_shaft;
         t.set_bld(b);
       }},
      {"bld mode 3 c782",
       [](nb::tonal& t) {
         bld::bld_tonal b = t.bld();
         b.spd_bld.pmode[2].c782 = 0.0F;
         t.set_bld(b);
       }},
      {"bld c713",
       [](nb::tonal& t) {
         bld::bld_tonal b = t.bld();
         b.c713 = level(0);
         t.set_bld(b);
       }},
      {"bld c775",
       [](nb::tonal& t) {
         bld::bld_tonal b = t.bld();
         b.c775 = 0.0F;
         t.set_bld(b);
       }},
  };
  for (const change& c : changes) {
    nb::tonal t = base;
    c.apply(t);
    EXPECT_NE(t, base) << c.what;
  }
}

TEST_F(nb_test, FloatsCompareAsFloats) {
  nb::tonal plus =
      nb::tonal::create(false, common::all_tonals_default(), mod::modu_tonal_default());
  nb::tonal minus = plus;
  mod::modu_tonal m = minus.modu();
  m.pmode[1].c785 = -0.0F;
  minus.set_modu(m);
  EXPECT_NE(bytes_of(plus), bytes_of(minus));
  EXPECT_EQ(plus, minus);

  nb::tonal not_a_number = plus;
  m.pmode[1].c785 = std::numeric_limits<float>::quiet_NaN();
  not_a_number.set_modu(m);
  EXPECT_NE(not_a_number, not_a_number);
}

TEST_F(nb_test, GroupsCompareTheirTonalsAsTonals) {
  nb::group left = nb::group_default();
  nb::group right = nb::group_default();
  left.series[5].assign(every_kind()[1].value);
  right.series[5].assign(every_kind()[4].value);
  left.series[5].assign(every_kind()[4].value);  // bytes 100 .. 123 still the bld's
  EXPECT_NE(bytes_of(left), bytes_of(right));
  EXPECT_EQ(left, right);
  right.last_tonal_used = 6;
  EXPECT_NE(left, right);
}

// ---- Ranged fields and grades ----

struct range_case {
  const char* what;
  std::function<void()> assign;
  bool accepted;
};

TEST_F(nb_test, RangedFieldsRefuseValuesOutsideTheirTypeAndKeepTheOldOne) {
  nb::group g = nb::group_default();
  common::all_tonals& a = g.series[0].common();
  aux_int::aux_int_tonal x = aux_int::aux_int_tonal_default();
  const std::vector<range_case> cases{
      {"c758 -99", [&] { a.harmonic[0].c758 = -99; }, true},
      {"c758 99", [&] { a.harmonic[1].c758 = 99; }, true},
      {"c758 -100", [&] { a.harmonic[0].c758 = -100; }, false},
      {"c758 100", [&] { a.harmonic[1].c758 = 100; }, false},
      {"c753 12", [&] { a.pmode[0].c753 = 12; }, true},
      {"c753 13", [&] { a.pmode[0].c753 = 13; }, false},
      {"c751 9999", [&] { a.pmode[1].c751 = 9999; }, true},
      {"c751 10000", [&] { a.pmode[1].c751 = 10000; }, false},
      {"c757 1000", [&] { a.harmonic[2].c757 = 1000; }, false},
      {"c709 499", [&] { a.c709 = 499; }, true},
      {"c709 500", [&] { a.c709 = 500; }, false},
      {"c756 11", [&] { a.c756 = 11; }, false},
      {"c702 modu", [&] { a.c702 = series_type::modu; }, true},
      {"c702 pres", [&] { a.c702 = series_type::pres; }, false},
      {"c702 null_tonal", [&] { a.c702 = series_type::null_tonal; }, false},
      {"last_tonal_used 40", [&] { g.last_tonal_used = 40; }, true},
      {"last_tonal_used 41", [&] { g.last_tonal_used = 41; }, false},
      {"last_tonal_used -1", [&] { g.last_tonal_used = -1; }, false},
      {"c726 9999", [&] { x.c726 = 9999; }, true},
      {"c726 10000", [&] { x.c726 = 10000; }, false},
      {"c727 10000", [&] { x.c727 = 10000; }, false},
      {"tonal_series_no 800",
       [] {
         common_types::tonal_series_no n = 800;
         (void)n;
       },
       false},
      {"c701 of pres",
       [] {
         common_types::c701_type k = series_type::pres;
         (void)k;
       },
       false},
  };
  for (const range_case& c : cases) {
    if (c.accepted) {
      EXPECT_NO_THROW(c.assign()) << c.what;
    } else {
      EXPECT_THROW(c.assign(), csl::range_error) << c.what;
    }
  }
  EXPECT_EQ(a.harmonic[0].c758, -99);
  EXPECT_EQ(a.harmonic[1].c758, 99);
  EXPECT_EQ(a.pmode[0].c753, 12);
  EXPECT_EQ(a.pmode[1].c751, 9999);
  EXPECT_EQ(a.harmonic[2].c757, 0);
  EXPECT_EQ(a.c709, 499);
  EXPECT_EQ(a.c756, 0);
  EXPECT_EQ(a.c702.value(), series_type::modu);
  EXPECT_EQ(g.last_tonal_used, 40);
  EXPECT_EQ(x.c726, 9999);
  EXPECT_EQ(x.c727, 0);
}

// The one-byte enumerations store only their own literals; a byte read from a file
// is taken as it is, and its image says it is none.
TEST_F(nb_test, EnumerationFieldsRefuseOtherBytesAndKeepTheOldValue) {
  common::prop_mode_dependent c = common::prop_mode_dependent_defaults();
  spd_bld::spd_bld_tonals s = spd_bld::spd_bld_tonals_default();
  aux_int::aux_int_tonal x = aux_int::aux_int_tonal_default();
  mod::modu_tonal m = mod::modu_tonal_default();
  c.c750 = common_types::c750_type::random;
  s.c712 = spd_bld_types::c712_type::multi_shaft;
  x.c725 = aux_int_types::c725_type::fish_hook;
  x.c728 = aux_int_types::c728_type::accel;
  m.c742 = mod_types::c742_type::eng_machine;
  m.c743 = mod_types::c743_type::multiple;
  EXPECT_THROW(c.c750 = static_cast<common_types::c750_type>(4), csl::range_error);
  EXPECT_THROW(s.c712 = static_cast<spd_bld_types::c712_type>(2), csl::range_error);
  EXPECT_THROW(x.c725 = static_cast<aux_int_types::c725_type>(4), csl::range_error);
  EXPECT_THROW(x.c728 = static_cast<aux_int_types::c728_type>(255), csl::range_error);
  EXPECT_THROW(m.c742 = static_cast<mod_types::c742_type>(3), csl::range_error);
  EXPECT_THROW(m.c743 = static_cast<mod_types::c743_type>(2), csl::range_error);
  EXPECT_EQ(c.c750, common_types::c750_type::random);
  EXPECT_EQ(s.c712, spd_bld_types::c712_type::multi_shaft);
  EXPECT_EQ(x.c725, aux_int_types::c725_type::fish_hook);
  EXPECT_EQ(x.c728, aux_int_types::c728_type::accel);
  EXPECT_EQ(m.c742, mod_types::c742_type::eng_machine);
  EXPECT_EQ(m.c743, mod_types::c743_type::multiple);

  bytes foreign(sizeof m, 0);
  put_u8(foreign, 12, 3);  // c742
  put_u8(foreign, 13, 7);  // c743
  std::memcpy(&m, foreign.data(), sizeof m);
  EXPECT_THROW(mod_types::c742.image_of(m.c742), csl::range_error);
  EXPECT_THROW(mod_types::c743.image_of(m.c743), csl::range_error);
  EXPECT_EQ(bytes_of(m), foreign);
}

TEST_F(nb_test, GradesDoubleThenRiseAndStopAt12) {
  const std::array<float, 13> expected{0.0F, 0.05F, 0.1F, 0.2F,  0.4F,  0.8F, 1.6F,
                                       3.2F, 6.4F,  8.0F, 10.0F, 12.0F, 15.0F};
  for (int i = 0; i <= 12; ++i) {
    EXPECT_EQ(common_types::grades(i).value(), expected[static_cast<std::size_t>(i)]) << i;
  }
  EXPECT_EQ(common_types::grades(0).value(), 0.0F);
  EXPECT_EQ(common_types::grades(12).value(), 15.0F);
  EXPECT_THROW(common_types::grades(13), csl::range_error);
  // An index read from a file is checked where it is used.
  const auto read = std::bit_cast<common_types::c753_type>(std::uint8_t{13});
  EXPECT_THROW(common_types::grades(read), csl::range_error);
}

// ---- Descriptors ----

TEST_F(nb_test, LevelAndSpeedLimitsAreStoredConverted) {
  EXPECT_EQ(fir_types::c733.max().count(), 32755);
  EXPECT_EQ(csl_levels::value_of(fir_types::c733.max()), 511.796875F);
  EXPECT_EQ(fir_types::c733.min().count(), 0);
  EXPECT_EQ(common_types::c764.min().count(), -6336);
  EXPECT_EQ(common_types::c765.max().count(), 6336);
  EXPECT_EQ(common_types::c764.default_().count(), 0);
  EXPECT_EQ(spd_types::c780.min().count(), -19200);
  EXPECT_EQ(bld_types::c713.max().count(), 19200);
  EXPECT_EQ(aux_int_types::c723.min().count(), 0);
  EXPECT_EQ(aux_int_types::c723.max().count(), 19200);

  const float factor = vdb_bytes::knots_to_metres_per_second;
  EXPECT_EQ(bld_types::c772.max().value(), 999.9F * factor);
  EXPECT_NEAR(bld_types::c772.max().value(), 514.7219F, 0.0001F);
  EXPECT_EQ(bld_types::c774.max().value(), 999.9F * factor);
  EXPECT_EQ(fir_types::c736.max().value(), 99.9F * factor);
  EXPECT_NEAR(fir_types::c737.max().value(), 51.42586F, 0.00001F);
  EXPECT_EQ(bld_types::c772.default_().value(), 0.0F);
  EXPECT_EQ(catalogue::find(772)->max->text, "999.9 kn");
  EXPECT_EQ(catalogue::find(733)->max->text, "511.8 dB");
  EXPECT_EQ(bld_types::c771.default_(), 1.0F);
}

struct bound_images {
  const char* name;
  const char* min_image;
  const char* max_image;
};

TEST_F(nb_test, BoundImagesThroughTheCatalogue) {
  const std::vector<bound_images> table{
      // The common part and the shaft table.
      {"tonal_series_no", " 0", " 799"},
      {"c709", " 0", " 499"},
      {"c751", " 0", " 9999"},
      {"c752", " 0.000", "99.999"},
      {"c753", " 0", " 12"},
      {"c756", " 0", " 10"},
      {"c757", " 0", " 999"},
      {"c758", "-99", " 99"},
      {"c764", " -99.0", "  99.0"},
      {"c765", " -99.0", "  99.0"},
      {"c786", "-100.0", " 100.0"},
      {"c789", "-100.0", " 100.0"},
      // The sources.
      {"c782", "  0.000", "999.999"},
      {"c780", "-300.0", " 300.0"},
      {"c781", "-9.99998", " 9.99998"},
      {"c713", "-300.0", " 300.0"},
      {"c771", "-99.99", " 99.99"},
      {"c772", "   0.0", " 999.9"},
      {"c774", "   0.0", " 999.9"},
      {"c775", "-99.99", " 99.99"},
      {"c720", "   0.00", "9999.99"},
      {"c723", "   0.0", " 300.0"},
      {"c726", " 0", " 9999"},
      {"c727", " 0", " 9999"},
      {"c783", "  0", "999"},
      {"c730", "   0.00", "9999.99"},
      // 99.99 rounds to 100.0, of which the image keeps the last two digits.
      {"c731", " 0.0", "00.0"},
      {"c733", "   0.0", " 511.8"},
      {"c736", "   0.0", "  99.9"},
      {"c737", "   0.0", "  99.9"},
      {"c784", "  0", "999"},
      {"c785", "  0.000", "999.999"},
  };
  for (const auto& c : table) {
    const catalogue::row* r = catalogue::find(c.name);
    ASSERT_NE(r, nullptr) << c.name;
    ASSERT_TRUE(r->min_image && r->max_image) << c.name;
    EXPECT_EQ(*r->min_image, c.min_image) << c.name;
    EXPECT_EQ(*r->max_image, c.max_image) << c.name;
  }
  EXPECT_EQ(common_types::tonal_series_no_min_image(), " 0");
  EXPECT_EQ(common_types::tonal_series_no_max_image(), " 799");
  EXPECT_EQ(fir_types::c733.max_image(), " 511.8");
}

struct rows_of {
  const char* types_module;
  std::vector<int> numbers;
};

TEST_F(nb_test, EveryCharacteristicHasOneRowInItsModule) {
  const std::vector<rows_of> modules{
      {"sm_model_vehicle_nb_common_types",
       {700, 701, 702, 709, 750, 751, 752, 753, 756, 757, 758, 764, 765, 786, 787, 788, 789}},
      {"sm_model_vehicle_nb_spd_bld_types", {712, 782}},
      {"sm_model_vehicle_nb_spd_types", {780, 781}},
      {"sm_model_vehicle_nb_bld_types", {713, 771, 772, 773, 774, 775}},
      {"sm_model_vehicle_nb_aux_int_types", {720, 723, 725, 726, 727, 728, 783}},
      {"sm_model_vehicle_nb_fir_types", {730, 731, 733, 736, 737, 784}},
      {"sm_model_vehicle_nb_mod_types", {742, 743, 785}},
  };
  for (const rows_of& m : modules) {
    std::vector<int> numbers;
    for (const catalogue::row* r : catalogue::rows()) {
      if (r->types_module != m.types_module || !r->number) continue;
      numbers.push_back(*r->number);
      EXPECT_EQ(r->group, "nb") << r->name;
      const bool time = r->number == 751 || r->number == 726 || r->number == 727;
      EXPECT_EQ(r->kind_ == catalogue::kind::time, time) << r->name;
      EXPECT_EQ(r->has_duration, time) << r->name;
      EXPECT_EQ(r->has_interval, time) << r->name;
    }
    EXPECT_EQ(numbers, m.numbers) << m.types_module;
  }
  const catalogue::row* series_no = catalogue::find("tonal_series_no");
  ASSERT_NE(series_no, nullptr);
  EXPECT_EQ(series_no->types_module, "sm_model_vehicle_nb_common_types");
  EXPECT_EQ(catalogue::find(700)->kind_, catalogue::kind::text);
  EXPECT_EQ(catalogue::find(700)->default_.text, "NONAME");
  EXPECT_EQ(catalogue::find(752)->alias, "instability_deviation");
  EXPECT_EQ(catalogue::find(782)->alias, "ratio_of_fundamental_with_shaft_rate");
  EXPECT_EQ(catalogue::find(737)->alias, "flow_max_speed");
  EXPECT_EQ(catalogue::find(764)->image_name, "csl_image_utilities.db_image_of");
  EXPECT_EQ(catalogue::find(736)->image_name, "csl_image_utilities.image_in_knots_of");
}

struct choices {
  const char* name;
  std::string list;
};

TEST_F(nb_test, ChoiceListsJoinTheNamesInOrder) {
  const std::vector<choices> lists{
      {"c701", "SPD,BLD,AUX,FIR,MODU"},
      {"c702", "SPD,BLD,AUX,FIR,MODU"},
      {"c750", "STABLE,SINUSOIDAL,SAWTOOTH,RANDOM"},
      {"c712", "SINGLE_SHAFT,MULTI_SHAFT"},
      {"c725", "CONTINUOUS,INTERMITTENT,KNEE_SS,FISH_HOOK"},
      {"c728", "NORMAL,DIVE_SURF,TURNING,ACCEL"},
      {"c742", "PROP_SHAFT,PROP_BLADE,ENG_MACHINE"},
      {"c743", "SINGLE,MULTIPLE"},
  };
  for (const choices& c : lists) {
    const catalogue::row* r = catalogue::find(c.name);
    ASSERT_NE(r, nullptr) << c.name;
    EXPECT_EQ(r->choice_list_image, c.list) << c.name;
    EXPECT_FALSE(r->min_image) << c.name;
  }
  EXPECT_EQ(common_types::c701.choice_list_image(), "SPD,BLD,AUX,FIR,MODU");
  EXPECT_EQ(common_types::c702.choice_list().options(series_type::bld, series_type::fir),
            "BLD,AUX,FIR");
  EXPECT_EQ(common_types::c702.choice_list().options(series_type::modu, series_type::spd), "");
  EXPECT_EQ(catalogue::find(701)->choices.front().stored, 1);
  using c725 = aux_int_types::c725_type;
  EXPECT_EQ(aux_int_types::c725.choice_list().options(c725::knee_ss, c725::knee_ss), "KNEE_SS");
  EXPECT_EQ(aux_int_types::c725.choice_list().start(c725::intermittent), 12);
  EXPECT_EQ(aux_int_types::c725.choice_list().finish(c725::fish_hook), 41);
}

TEST_F(nb_test, ImagesOfValues) {
  EXPECT_EQ(common_types::c701.image_of(common_types::c701_type(series_type::modu)), "MODU");
  EXPECT_EQ(common_types::c702.image_of(series_type::aux), "AUX");
  EXPECT_THROW(common_types::c701.image_of(series_type::pres), csl::range_error);
  EXPECT_THROW(common_types::c702.image_of(series_type::null_tonal), csl::range_error);
  EXPECT_EQ(common_types::c750.image_of(common_types::c750_type::sawtooth), "SAWTOOTH");
  EXPECT_THROW(common_types::c750.image_of(static_cast<common_types::c750_type>(4)),
               csl::range_error);
  EXPECT_THROW(mod_types::c742.image_of(static_cast<mod_types::c742_type>(3)), csl::range_error);
  EXPECT_EQ(mod_types::c743.image_of(mod_types::c743_type::multiple), "MULTIPLE");
  EXPECT_EQ(spd_bld_types::c712.image_of(spd_bld_types::c712_type::multi_shaft), "MULTI_SHAFT");
  EXPECT_EQ(aux_int_types::c728.image_of(aux_int_types::c728_type::dive_surf), "DIVE_SURF");

  EXPECT_EQ(common_types::tonal_series_no_image_of(0), " 0");
  EXPECT_EQ(common_types::tonal_series_no_image_of(799), " 799");
  const auto read = std::bit_cast<common_types::tonal_series_no>(std::uint16_t{800});
  EXPECT_THROW(common_types::tonal_series_no_image_of(read), csl::range_error);
  EXPECT_EQ(common_types::c758.image_of(-99), "-99");
  EXPECT_EQ(common_types::c752.image_of(csl_statistical::percentage(12.5F)), "12.500");
  EXPECT_EQ(common_types::c786.image_of(-12.3F), " -12.3");
  EXPECT_EQ(spd_types::c781.image_of(-0.5F), "-0.50000");
  EXPECT_EQ(aux_int_types::c720.image_of(csl_frequency::offset(50.0F)), "  50.00");
  EXPECT_EQ(aux_int_types::c783.image_of(csl_statistical::percentage(49.96F)), " 50");
  EXPECT_EQ(fir_types::c731.image_of(csl_statistical::percentage(9.95F)), " 9.9");
  EXPECT_EQ(mod_types::c785.image_of(1.0F), "  1.000");
}

TEST_F(nb_test, TimesConvertToDurationsAndIntervals) {
  EXPECT_EQ(aux_int_types::c726.duration_of(9999), std::chrono::seconds(9999));
  EXPECT_EQ(aux_int_types::c727.duration_of(0), std::chrono::seconds(0));
  EXPECT_EQ(aux_int_types::c727.interval_of(9999), (csl_time::interval{0, 2, 46, 39, 0}));
  EXPECT_EQ(common_types::c751.interval_of(0), (csl_time::interval{0, 0, 0, 0, 0}));
  EXPECT_EQ(common_types::c751.duration_of(61), std::chrono::seconds(61));
}

TEST_F(nb_test, StartingTheGroupStartsEveryNarrowbandModule) {
  EXPECT_TRUE(common_types::started());
  EXPECT_TRUE(common::started());
  EXPECT_TRUE(spd_bld_types::started() && spd_bld::started());
  EXPECT_TRUE(spd_types::started() && spd::started());
  EXPECT_TRUE(bld_types::started() && bld::started());
  EXPECT_TRUE(aux_int_types::started() && aux_int::started());
  EXPECT_TRUE(fir_types::started() && fir::started());
  EXPECT_TRUE(mod_types::started() && mod::started());
  EXPECT_TRUE(nb::started());
  // Starting again rebuilds the same defaults.
  const bytes before = bytes_of(nb::group_default());
  nb::start_up();
  EXPECT_EQ(bytes_of(nb::group_default()), before);
}

}  // namespace
