// The 12-byte propagation path record.
#include "csl_paths.hpp"

#include <gtest/gtest.h>

#include <cstring>

#include "csl_exceptions.hpp"
#include "vdb_bytes.hpp"

namespace {

using csl_paths::path;
using csl_paths::path_class;

TEST(path_layout, FourFieldsAndOnePaddingByte) {
  const path p{csl_length::distance(1000.0F), csl_angle::angle(-1.5F),
               csl_decibel::db::from_count(-6400), path_class::tertiary};
  vdb_bytes::bytes expected(12);
  vdb_bytes::put_f32(expected, 0, 1000.0F);
  vdb_bytes::put_f32(expected, 4, -1.5F);
  vdb_bytes::put_u16(expected, 8, 0x10000 - 6400);
  vdb_bytes::put_u8(expected, 10, 2);
  vdb_bytes::bytes got(12);
  std::memcpy(got.data(), &p, 12);
  EXPECT_EQ(got, expected);
}

TEST(path_equality, ThePaddingTakesNoPart) {
  path a{csl_length::distance(5.0F), csl_angle::zero_degrees, csl_decibel::db(3.0F),
         path_class::primary};
  path b = a;
  b.gap[0] = 0x55;
  EXPECT_EQ(a, b);
  b.the_class = path_class::secondary;
  EXPECT_NE(a, b);
  b = a;
  b.the_prop_loss = csl_decibel::db(3.015625F);
  EXPECT_NE(a, b);
}

TEST(path_fields, SetUpFillsWhatTheAccessorsReadBack) {
  path p{};
  csl_paths::set_up(p, path_class::secondary, csl_length::distance(250.0F), csl_angle::angle(-0.5F),
                    csl_decibel::db(-40.0F));
  EXPECT_EQ(csl_paths::class_(p), path_class::secondary);
  EXPECT_EQ(csl_paths::length_of(p), csl_length::distance(250.0F));
  EXPECT_EQ(csl_paths::angle_of_arrival(p), csl_angle::angle(-0.5F));
  EXPECT_EQ(csl_paths::propagation_loss(p), csl_decibel::db(-40.0F));
  const path before = p;
  EXPECT_THROW(csl_paths::set_up(p, static_cast<path_class>(3), csl_length::zero_distance,
                                 csl_angle::zero_degrees, csl_decibel::db()),
               csl::range_error);
  EXPECT_EQ(p, before);
}

}  // namespace
