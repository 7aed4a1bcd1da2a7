// The 24-byte tonal record: packed bits, the two variants and equality.
#include "csl_tonals.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <type_traits>

#include "csl_exceptions.hpp"
#include "vdb_bytes.hpp"

namespace {

using namespace csl_tonals;
using csl_levels::db;
using csl_paths::path_class;

vdb_bytes::bytes bytes_of(const tonal& t) {
  vdb_bytes::bytes b(sizeof(tonal));
  std::memcpy(b.data(), &t, sizeof(tonal));
  return b;
}

db count(std::int16_t n) {
  return db::from_count(n);
}

TEST(tonal_layout, NonModulatingRecordBytes) {
  tonal t(series_type::bld);
  t.set_harmonic(10);
  t.set_shaft_number(3);
  t.set_for_unmanned(true);
  t.set_width(internal_width(-1.0F));
  t.set_frequency(csl_frequency::hertz(125.5F));
  t.set_series_index(50);
  t.set_ob_level(levels(count(1), count(2), count(-3)));
  t.set_own_ta_level(levels(count(0x0405), count(6), count(7)));
  t.set_radiated_level(count(-32768));

  vdb_bytes::bytes expected(24);
  vdb_bytes::put_u8(expected, 0, 0x0A | (3 << 4) | 0x80);
  // -512 counts of 1/512 Hz in 24 bits.
  vdb_bytes::put_u8(expected, 1, 0x00);
  vdb_bytes::put_u8(expected, 2, 0xFE);
  vdb_bytes::put_u8(expected, 3, 0xFF);
  vdb_bytes::put_f32(expected, 4, 125.5F);
  vdb_bytes::put_u16(expected, 8, 1);
  vdb_bytes::put_u16(expected, 10, 2);
  vdb_bytes::put_u16(expected, 12, 0xFFFD);
  vdb_bytes::put_u16(expected, 14, 0x0405);
  vdb_bytes::put_u16(expected, 16, 6);
  vdb_bytes::put_u16(expected, 18, 7);
  vdb_bytes::put_u16(expected, 20, 0x8000);
  vdb_bytes::put_u8(expected, 22, 2);  // bld
  vdb_bytes::put_u8(expected, 23, 50);
  EXPECT_EQ(bytes_of(t), expected);
}

TEST(tonal_layout, ModulatingRecordBytes) {
  tonal t(series_type::modu);
  t.set_width(internal_width(1.0F));
  t.set_component_modulation(modulation(0.5F));
  t.set_ob_modulation(modulation(0.25F));
  t.set_own_ta_modulation(modulation(1.0F));

  vdb_bytes::bytes expected(24);
  vdb_bytes::put_u8(expected, 0, 1);  // harmonic 1 of a fresh record
  vdb_bytes::put_u8(expected, 1, 0x00);
  vdb_bytes::put_u8(expected, 2, 0x02);  // 512 counts
  vdb_bytes::put_f32(expected, 8, 0.5F);
  vdb_bytes::put_f32(expected, 12, 0.25F);
  vdb_bytes::put_f32(expected, 16, 1.0F);
  vdb_bytes::put_u8(expected, 22, 5);  // modu
  vdb_bytes::put_u8(expected, 23, 1);
  EXPECT_EQ(bytes_of(t), expected);
  EXPECT_EQ(t.width().count(), 512);
  EXPECT_EQ(t.width().value(), 1.0F);
}

TEST(tonal_fields, PackedFieldsLeaveEachOtherUnchanged) {
  tonal t;
  t.set_harmonic(7);
  t.set_shaft_number(4);
  t.set_for_unmanned(true);
  t.set_width(internal_width::from_count(-8388608));
  t.set_shaft_number(0);
  EXPECT_EQ(t.harmonic(), 7);
  EXPECT_EQ(t.shaft_number(), 0);
  EXPECT_TRUE(t.for_unmanned());
  EXPECT_EQ(t.width().count(), -8388608);
  t.set_for_unmanned(false);
  t.set_harmonic(1);
  EXPECT_FALSE(t.for_unmanned());
  EXPECT_EQ(t.harmonic(), 1);
  EXPECT_EQ(t.width().value(), -16384.0F);
  t.set_width(internal_width::from_count(8388607));
  EXPECT_EQ(t.width().count(), 8388607);
  EXPECT_EQ(t.harmonic(), 1);
}

TEST(tonal_fields, FieldTypesRefuseValuesOutsideTheirRanges) {
  tonal t;
  EXPECT_THROW(t.set_harmonic(0), csl::range_error);
  EXPECT_THROW(t.set_harmonic(11), csl::range_error);
  EXPECT_THROW(t.set_shaft_number(5), csl::range_error);
  EXPECT_THROW(t.set_series_index(51), csl::range_error);
  EXPECT_THROW(t.set_series_index(0), csl::range_error);
  EXPECT_EQ(t.harmonic(), 1);
  EXPECT_EQ(t.series_index(), 1);
  EXPECT_THROW(tonal(static_cast<series_type>(9)), csl::range_error);
}

TEST(tonal_variants, TheAbsentVariantIsARangeError) {
  tonal modulating(series_type::modu);
  EXPECT_THROW(modulating.ob_level(), csl::range_error);
  EXPECT_THROW(modulating.set_own_ta_level(dummy), csl::range_error);
  EXPECT_THROW(modulating.radiated_level(), csl::range_error);
  EXPECT_EQ(modulating.own_ta_modulation(), modulation(0.0F));

  for (series_type c : {series_type::null_tonal, series_type::spd, series_type::lres}) {
    tonal other(c);
    EXPECT_EQ(other.class_(), c);
    EXPECT_THROW(other.component_modulation(), csl::range_error);
    EXPECT_THROW(other.set_ob_modulation(modulation(0.5F)), csl::range_error);
    EXPECT_EQ(other.ob_level(), dummy);
    EXPECT_EQ(other.radiated_level(), csl_levels::zero_dbs);
  }
}

TEST(tonal_variants, AssigningAWholeRecordChangesItsClass) {
  tonal t(series_type::spd);
  t = tonal(series_type::modu);
  EXPECT_EQ(t.class_(), series_type::modu);
  EXPECT_NO_THROW(t.set_ob_modulation(modulation(0.75F)));
  EXPECT_EQ(t.ob_modulation().value(), 0.75F);
}

TEST(tonal_equality, ComparesTheClassAndThePresentVariant) {
  tonal a(series_type::fir);
  tonal b(series_type::fir);
  EXPECT_EQ(a, b);
  b.set_radiated_level(count(1));
  EXPECT_NE(a, b);
  a.set_radiated_level(count(1));
  EXPECT_EQ(a, b);
  b.set_for_unmanned(true);
  EXPECT_NE(a, b);

  EXPECT_NE(tonal(series_type::fir), tonal(series_type::aux));

  tonal m1(series_type::modu);
  tonal m2(series_type::modu);
  m2.set_component_modulation(modulation(-0.0F));  // equal as a real
  EXPECT_EQ(m1, m2);
  m2.set_component_modulation(modulation(0.1F));
  EXPECT_NE(m1, m2);
}

TEST(tonal_levels, OneLevelPerPath) {
  levels l(count(1), count(2), count(3));
  EXPECT_EQ(l[path_class::primary], count(1));
  EXPECT_EQ(l[path_class::secondary], count(2));
  EXPECT_EQ(l[path_class::tertiary], count(3));
  l[path_class::secondary] = count(-5);
  EXPECT_EQ(l, levels(count(1), count(-5), count(3)));
  EXPECT_THROW(l[static_cast<path_class>(3)], csl::range_error);
  static_assert(std::is_trivially_copyable_v<tonal> && std::is_trivially_copyable_v<levels>);
}

using csl_frequency::hertz;

tonal sample_line(series_type c) {
  return create_non_modulating(c, 12, 3, 2, true, hertz(440.0F), hertz(1.0F), count(5000));
}

tonal sample_modulating() {
  return create_modulating(7, 4, 1, false, hertz(12.5F), hertz(-0.25F), modulation(0.6F));
}

TEST(tonal_making, NonModulatingLinesStartWithZeroReceivedLevels) {
  const tonal t = sample_line(series_type::aux);
  EXPECT_EQ(t.class_(), series_type::aux);
  EXPECT_EQ(t.width().count(), 512);
  EXPECT_EQ(width(t), hertz(1.0F));
  EXPECT_EQ(frequency(t), hertz(440.0F));
  EXPECT_TRUE(unmanned_requirement(t));
  EXPECT_EQ(source_level(t), count(5000));
  const id_data ids = get_id_data(t);
  EXPECT_EQ(ids.series_index, 12);
  EXPECT_EQ(ids.harmonic, 3);
  EXPECT_EQ(ids.shaft_number, 2);
  for (auto p : {path_class::primary, path_class::secondary, path_class::tertiary}) {
    EXPECT_EQ(level(t, p, receiver::own_boat), csl_levels::zero_dbs);
    EXPECT_EQ(level(t, p, receiver::own_towed_array), csl_levels::zero_dbs);
  }
  EXPECT_THROW(base_depth(t), csl::range_error);
  EXPECT_THROW(depth(t, receiver::own_boat), csl::range_error);
}

TEST(tonal_making, ModulatingLinesStartWithZeroReceiverDepths) {
  const tonal t = sample_modulating();
  EXPECT_EQ(t.class_(), series_type::modu);
  EXPECT_EQ(t.width().count(), -128);
  EXPECT_EQ(base_depth(t), modulation(0.6F));
  EXPECT_EQ(depth(t, receiver::own_boat), modulation(0.0F));
  EXPECT_EQ(depth(t, receiver::own_towed_array), modulation(0.0F));
  EXPECT_FALSE(unmanned_requirement(t));
  EXPECT_THROW(level(t, path_class::primary, receiver::own_boat), csl::range_error);
  EXPECT_THROW(source_level(t), csl::range_error);
}

TEST(tonal_making, RefusalsLeaveNothingMade) {
  try {
    sample_line(series_type::modu);
    ADD_FAILURE() << "modu accepted";
  } catch (const class_error& e) {
    EXPECT_EQ(e.full_name(), "CSL_TONALS.CLASS_ERROR");
    EXPECT_EQ(e.message(), "csl_tonals.create_non_modulating");
  }
  // Beyond the 24 bits of 1/512 Hz.
  EXPECT_THROW(create_modulating(1, 1, 0, false, hertz(1.0F), hertz(16384.0F), modulation(0.0F)),
               csl::range_error);
  EXPECT_NO_THROW(
      create_modulating(1, 1, 0, false, hertz(1.0F), hertz(16383.998F), modulation(0.0F)));
  EXPECT_THROW(create_non_modulating(static_cast<series_type>(9), 1, 1, 0, false, hertz(1.0F),
                                     hertz(1.0F), count(0)),
               csl::range_error);
}

TEST(tonal_making, FillingARecordKeepsItsClass) {
  tonal line(series_type::fir);
  create_non_modulating(line, series_type::fir, 12, 3, 2, true, hertz(440.0F), hertz(1.0F),
                        count(5000));
  EXPECT_EQ(line, sample_line(series_type::fir));

  tonal modulating(series_type::modu);
  create_modulating(modulating, 7, 4, 1, false, hertz(12.5F), hertz(-0.25F), modulation(0.6F));
  EXPECT_EQ(modulating, sample_modulating());

  const tonal before = sample_line(series_type::spd);
  tonal kept = before;
  EXPECT_THROW(create_non_modulating(kept, series_type::bld, 1, 1, 0, false, hertz(1.0F),
                                     hertz(1.0F), count(0)),
               csl::range_error);
  EXPECT_THROW(create_modulating(kept, 1, 1, 0, false, hertz(1.0F), hertz(1.0F), modulation(0.0F)),
               csl::range_error);
  EXPECT_THROW(create_non_modulating(kept, series_type::modu, 1, 1, 0, false, hertz(1.0F),
                                     hertz(1.0F), count(0)),
               class_error);
  EXPECT_EQ(kept, before);
  EXPECT_EQ(bytes_of(kept), bytes_of(before));
}

// A record made without a class holds no line yet: the procedure forms fill it as
// any class, exactly as the function forms make one.
TEST(tonal_making, FillingADefaultRecordGivesItAnyClass) {
  for (series_type c : {series_type::spd, series_type::fir, series_type::lres}) {
    tonal line;
    create_non_modulating(line, c, 12, 3, 2, true, hertz(440.0F), hertz(1.0F), count(5000));
    EXPECT_EQ(line.class_(), c);
    EXPECT_EQ(bytes_of(line), bytes_of(sample_line(c)));
  }
  tonal modulating;
  create_modulating(modulating, 7, 4, 1, false, hertz(12.5F), hertz(-0.25F), modulation(0.6F));
  EXPECT_EQ(modulating.class_(), series_type::modu);
  EXPECT_EQ(bytes_of(modulating), bytes_of(sample_modulating()));
  // Once filled it has the class it was filled with.
  EXPECT_THROW(create_non_modulating(modulating, series_type::spd, 1, 1, 0, false, hertz(1.0F),
                                     hertz(1.0F), count(0)),
               csl::range_error);
}

TEST(tonal_receivers, EachReceiverHasItsOwnLevelsOrDepth) {
  tonal t = sample_line(series_type::hres);
  set_received_data(t, levels(count(1), count(2), count(3)), receiver::own_towed_array);
  set_received_data(t, levels(count(-1), count(-2), count(-3)), receiver::own_boat);
  EXPECT_EQ(level(t, path_class::secondary, receiver::own_towed_array), count(2));
  EXPECT_EQ(level(t, path_class::tertiary, receiver::own_boat), count(-3));
  EXPECT_THROW(set_receiver_modulation(t, modulation(0.5F), receiver::own_boat), csl::range_error);
  EXPECT_THROW(set_received_data(t, dummy, static_cast<receiver>(2)), csl::range_error);

  tonal m = sample_modulating();
  set_receiver_modulation(m, modulation(0.25F), receiver::own_towed_array);
  EXPECT_EQ(depth(m, receiver::own_towed_array), modulation(0.25F));
  EXPECT_EQ(m.own_ta_modulation(), modulation(0.25F));
  EXPECT_EQ(depth(m, receiver::own_boat), modulation(0.0F));
  EXPECT_THROW(set_received_data(m, dummy, receiver::own_boat), csl::range_error);
}

TEST(tonal_width, ReadAsHertzItIsCheckedAgainstTheHertzRange) {
  tonal t;
  t.set_width(internal_width(-999.0F));
  EXPECT_EQ(width(t), hertz(-999.0F));
  t.set_width(internal_width(-1000.0F));
  EXPECT_THROW(width(t), csl::range_error);
}

TEST(tonal_modulation, ArithmeticStaysWithinZeroToOne) {
  const modulation m(0.6F);
  EXPECT_THROW(m * 2, csl::range_error);
  EXPECT_THROW(2 * m, csl::range_error);
  EXPECT_THROW(m * -1.0F, csl::range_error);
  EXPECT_FLOAT_EQ((m * 1.5F).value(), 0.9F);
  EXPECT_FLOAT_EQ((0.5F * m).value(), 0.3F);
  EXPECT_EQ(modulation(0.25F) * 4, modulation(1.0F));
  EXPECT_EQ(3 * modulation(0.25F), modulation(0.75F));
  EXPECT_EQ(modulation(0.5F) / 2, modulation(0.25F));
  EXPECT_EQ(modulation(0.5F) / 0.5F, modulation(1.0F));
  EXPECT_THROW(modulation(0.5F) / 0, csl::range_error);
  EXPECT_THROW(modulation(0.0F) / 0.0F, csl::range_error);
  EXPECT_THROW(modulation(0.5F) / -2.0F, csl::range_error);
}

}  // namespace
