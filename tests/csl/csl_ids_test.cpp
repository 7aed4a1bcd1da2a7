// Software identities: fields, images and the "N.N" form of the command line.
#include "csl_ids.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capture.hpp"
#include "csl_exceptions.hpp"

namespace {

TEST(ids, FieldsLieAtTheirBits) {
  const csl_ids::id all(4294967295U);
  EXPECT_EQ(csl_ids::csci_of(all), 15U);
  EXPECT_EQ(csl_ids::tlcsc_of(all), 15U);
  EXPECT_EQ(csl_ids::llcsc1_of(all), 31U);
  EXPECT_EQ(csl_ids::llcsc2_of(all), 31U);
  EXPECT_EQ(csl_ids::unit_of(all), 127U);
  EXPECT_EQ(csl_ids::routine_of(all), 127U);
  const csl_ids::id built = csl_ids::csci(2) + csl_ids::tlcsc(3) + csl_ids::llcsc1(4) +
                            csl_ids::llcsc2(5) + csl_ids::unit(6) + csl_ids::routine(7);
  EXPECT_EQ(built.value(), (2U << 28) | (3U << 24) | (4U << 19) | (5U << 14) | (6U << 7) | 7U);
  EXPECT_EQ(csl_ids::image_of(built), "2.3.4.5.6.7");
  EXPECT_EQ(csl_ids::image_of(csl_ids::sm_csci + csl_ids::tlcsc(3)), "2.3.0.0.0.0");
  EXPECT_EQ(csl_ids::image_of(csl_ids::unknown), "0.0.0.0.0.0");
  EXPECT_EQ(csl_ids::weapons_csci.value(), 10U << 28);
}

TEST(ids, ValuesOutsideAFieldOrTheSumAreRangeErrors) {
  EXPECT_THROW(csl_ids::csci(16), csl::range_error);
  EXPECT_THROW(csl_ids::llcsc1(32), csl::range_error);
  EXPECT_THROW(csl_ids::routine(128), csl::range_error);
  EXPECT_THROW(csl_ids::csci(15) + csl_ids::csci(1), csl::range_error);
}

struct id_case {
  std::string text;
  std::uint32_t value;
  std::vector<std::string> printed;
};

TEST(ids, IdOfReadsCsciDotTlcsc) {
  const std::vector<id_case> cases = {
      {"1.2", 301989888U, {"csl_ids: CSCI =  1 - TLCSC =  2"}},
      {"15.15", 4278190080U, {"csl_ids: CSCI =  15 - TLCSC =  15"}},
      {"0.0", 0U, {"csl_ids: CSCI =  0 - TLCSC =  0"}},
      {"16.1", 0U, {"csl_ids.id_of RANGE_ERROR"}},
      {"1.2.3", 0U, {"csl_ids.id_of RANGE_ERROR"}},
      {"5.", 0U, {"csl_ids.id_of RANGE_ERROR"}},
      {".5", 0U, {}},
      {"12", 0U, {}},
      {"", 0U, {}},
      {"1.2345", 0U, {}},
      {"1,2", 0U, {"1,2"}},
      {"-1.2", 0U, {"-1.2"}},
  };
  for (const id_case& c : cases) {
    csl_ids::id result;
    const auto printed = capture::lines_printed_by([&] { result = csl_ids::id_of(c.text); });
    EXPECT_EQ(result.value(), c.value) << c.text;
    EXPECT_EQ(printed, c.printed) << c.text;
  }
}

}  // namespace
