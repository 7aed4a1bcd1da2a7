// Reading operator text back into stored numbers: every default and bound image
// of the started catalogue reads back as itself, and each kind reads what an
// operator types (units, rounding, literals by name and number) and refuses what
// is no value of its type with a message that says why.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>

#include "csl_host.hpp"
#include "csl_levels.hpp"
#include "radar_vdb_access.h"
#include "sm_model_radar_general_types.hpp"
#include "sm_model_radar_kind.hpp"
#include "sm_model_sonar_general_types.hpp"
#include "sm_model_sonar_kind.hpp"
#include "sm_model_vehicle.hpp"
#include "sm_model_vehicle_associated_fit.hpp"
#include "sm_model_vehicle_associated_fit_types.hpp"
#include "sm_model_vehicle_bb.hpp"
#include "sm_model_vehicle_bb_aural.hpp"
#include "sm_model_vehicle_bb_aural_types.hpp"
#include "sm_model_vehicle_bb_flow.hpp"
#include "sm_model_vehicle_bb_flow_types.hpp"
#include "sm_model_vehicle_bb_machinery.hpp"
#include "sm_model_vehicle_bb_machinery_types.hpp"
#include "sm_model_vehicle_bb_propeller.hpp"
#include "sm_model_vehicle_bb_propeller_modulation.hpp"
#include "sm_model_vehicle_bb_propeller_modulation_types.hpp"
#include "sm_model_vehicle_bb_propeller_types.hpp"
#include "sm_model_vehicle_catalogue.hpp"
#include "sm_model_vehicle_enhanced_aural.hpp"
#include "sm_model_vehicle_enhanced_aural_types.hpp"
#include "sm_model_vehicle_general.hpp"
#include "sm_model_vehicle_general_types.hpp"
#include "sm_model_vehicle_nb.hpp"
#include "sm_model_vehicle_nb_aux_int.hpp"
#include "sm_model_vehicle_nb_aux_int_types.hpp"
#include "sm_model_vehicle_nb_bld.hpp"
#include "sm_model_vehicle_nb_bld_types.hpp"
#include "sm_model_vehicle_nb_common.hpp"
#include "sm_model_vehicle_nb_common_types.hpp"
#include "sm_model_vehicle_nb_fir.hpp"
#include "sm_model_vehicle_nb_fir_types.hpp"
#include "sm_model_vehicle_nb_mod.hpp"
#include "sm_model_vehicle_nb_mod_types.hpp"
#include "sm_model_vehicle_nb_spd.hpp"
#include "sm_model_vehicle_nb_spd_bld.hpp"
#include "sm_model_vehicle_nb_spd_bld_types.hpp"
#include "sm_model_vehicle_nb_spd_types.hpp"
#include "sm_model_vehicle_physical.hpp"
#include "sm_model_vehicle_physical_types.hpp"
#include "sm_model_vehicle_project_specific.hpp"
#include "sm_model_vehicle_project_specific_types.hpp"
#include "sm_model_vehicle_propulsion_mode.hpp"
#include "sm_model_vehicle_propulsion_mode_types.hpp"
#include "sm_model_vehicle_speed.hpp"
#include "sm_model_vehicle_speed_types.hpp"
#include "sm_model_vehicle_turning_diving.hpp"
#include "sm_model_vehicle_turning_diving_types.hpp"
#include "sm_model_vehicle_wb.hpp"
#include "sm_model_vehicle_wb_types.hpp"

namespace {

namespace catalogue = sm_model_vehicle_catalogue;

// Every module that hands the catalogue rows, started as the library starts them.
// Every module, started as the C interface starts them.
void start_models() {
  adainit();
}

class catalogue_parse_test : public testing::Test {
 protected:
  static void SetUpTestSuite() { start_models(); }
};

const catalogue::row& row_of(int number) {
  const catalogue::row* r = catalogue::find(number);
  if (r == nullptr) throw std::logic_error("no row c" + std::to_string(number));
  return *r;
}

double stored_of(int number, std::string_view text) {
  return row_of(number).stored_of(text);
}

// The message of the refusal of `text`, or "(accepted)".
std::string refusal(int number, std::string_view text) {
  try {
    row_of(number).stored_of(text);
  } catch (const catalogue::bad_value& e) {
    EXPECT_EQ(e.full_name(), "SM_MODEL_VEHICLE_CATALOGUE.BAD_VALUE");
    return e.message();
  }
  return "(accepted)";
}

// Images that show only the last B integer digits of a positive value, so that
// they cannot carry it back: c402's upper bound 1000000.0 ("000000.0000"),
// 9999.99 knots ("0000.0"; the upper bound of c429 and of the speeds that copy
// it, and c430's default) and c731's upper bound 99.99 ("00.0").
bool image_loses_value(const std::string& name, const std::string& image) {
  static const std::set<std::string> lossy{"c402 000000.0000", "c429 0000.0", "c430 0000.0",
                                           "c442 0000.0", "c731 00.0"};
  return lossy.count(name + " " + image) != 0;
}

TEST_F(catalogue_parse_test, ImagesOfDefaultsAndBoundsReadBackAsThemselves) {
  int checked = 0;
  int lossy = 0;
  for (const catalogue::row* r : catalogue::rows()) {
    if (!r->image_of || !r->stored_of) continue;
    for (const auto& v : {r->default_, *r->min, *r->max}) {
      ASSERT_TRUE(v.stored.has_value()) << r->name;
      const std::string image = r->image_of(*v.stored);
      if (image_loses_value(r->name, image)) {
        ++lossy;
        continue;
      }
      double read = 0.0;
      EXPECT_NO_THROW(read = r->stored_of(image)) << r->name << " \"" << image << "\"";
      EXPECT_EQ(r->image_of(read), image) << r->name;
      ++checked;
    }
  }
  EXPECT_GT(checked, 700);
  EXPECT_EQ(lossy, 6);  // c402 max; c429 max; c430 default and max; c442 max; c731 max
}

TEST_F(catalogue_parse_test, QuantitiesNameTheUnitTheirImagesShow) {
  EXPECT_EQ(row_of(650).unit, "yd");
  EXPECT_EQ(row_of(200).unit, "ft");
  EXPECT_EQ(row_of(412).unit, "ft");  // position vector
  EXPECT_EQ(row_of(312).unit, "kn");
  EXPECT_EQ(row_of(413).unit, "ft/s");  // bounds given in m/s, shown in ft/s
  EXPECT_EQ(row_of(220).unit, "deg");
  EXPECT_EQ(row_of(409).unit, "deg");
  EXPECT_EQ(row_of(420).unit, "rpm");
  EXPECT_EQ(row_of(733).unit, "dB");
  for (const catalogue::row* r : catalogue::rows()) {
    const bool quantity = r->kind_ == catalogue::kind::quantity;
    const bool readable =
        r->kind_ != catalogue::kind::text && r->kind_ != catalogue::kind::identity;
    EXPECT_EQ(r->unit.empty(), !quantity) << r->name;
    EXPECT_EQ(static_cast<bool>(r->stored_of), readable) << r->name;
  }
}

TEST_F(catalogue_parse_test, LengthsReadInTheirUnitAndAreNeverNegative) {
  // 50 yd is 45.72 m; the unit may follow, with or without a blank, in any case.
  for (const char* text : {"50", " 50 yd", "50yd", "50 YD ", "5e1", "50.", "+50"}) {
    EXPECT_FLOAT_EQ(static_cast<float>(stored_of(650, text)), 45.72F) << text;
  }
  EXPECT_FLOAT_EQ(static_cast<float>(stored_of(200, "150 ft")), 45.72F);  // c200 shows feet
  EXPECT_EQ(stored_of(650, "0"), 0.0);
  EXPECT_EQ(refusal(650, "-5"), "c650: -5 is outside 0 .. 2.1153548e+25 yd");
  EXPECT_EQ(refusal(650, "3e25 yd"), "c650: 3e25 is outside 0 .. 2.1153548e+25 yd");
  EXPECT_EQ(refusal(650, "fifty"), "c650: \"fifty\" is not a number in yd");
  EXPECT_EQ(refusal(650, "50 ft"), "c650: \"50 ft\" is not a number in yd");
  EXPECT_EQ(refusal(650, "50 yd yd"), "c650: \"50 yd yd\" is not a number in yd");
  // A position vector is signed.
  EXPECT_FLOAT_EQ(static_cast<float>(stored_of(412, "-300 ft")), -91.44F);
}

TEST_F(catalogue_parse_test, SpeedsReadInKnotsOrFeetPerSecond) {
  EXPECT_FLOAT_EQ(static_cast<float>(stored_of(312, "50 kn")), 50.0F * 0.51477337F);
  EXPECT_FLOAT_EQ(static_cast<float>(stored_of(312, "-200")), -200.0F * 0.51477337F);
  EXPECT_EQ(refusal(312, "fast"), "c312: \"fast\" is not a number in kn");
  EXPECT_EQ(refusal(312, "50 yd"), "c312: \"50 yd\" is not a number in kn");
  // 30.18 m/s is shown as 99.0 ft/s and 99.0 ft/s is 30.175 m/s.
  EXPECT_FLOAT_EQ(static_cast<float>(stored_of(413, "99.0 ft/s")), 99.0F / 3.2808399F);
  EXPECT_EQ(row_of(413).image_of(stored_of(413, "-99")), " -99.0");
}

TEST_F(catalogue_parse_test, LevelsRoundToCountsOfASixtyFourthDecibel) {
  EXPECT_EQ(stored_of(733, "0.5 dB"), 32.0);
  EXPECT_EQ(stored_of(733, "0.3"), 19.0);         // 19.2 counts
  EXPECT_EQ(stored_of(733, "0.0078125"), 1.0);    // half a count rounds away from zero
  EXPECT_EQ(stored_of(277, "-0.0078125"), -1.0);  // on either side
  EXPECT_EQ(stored_of(733, "511.8"), 32755.0);
  // The images of the end counts read back as those counts.
  EXPECT_EQ(stored_of(277, "512.0"), 32767.0);
  EXPECT_EQ(stored_of(277, "-512.0"), -32768.0);
  EXPECT_EQ(refusal(277, "512.1"), "c277: 512.1 is outside -512 .. 512 dB");
  EXPECT_EQ(refusal(277, "-600 dB"), "c277: -600 is outside -512 .. 512 dB");
}

TEST_F(catalogue_parse_test, AnglesReadInTheRangeTheirImageShows) {
  // c409 is shown in -180 .. 180 degrees.
  EXPECT_FLOAT_EQ(static_cast<float>(stored_of(409, "30")), 0.5235988F);
  EXPECT_FLOAT_EQ(static_cast<float>(stored_of(409, "-90 deg")), -1.5707964F);
  EXPECT_EQ(row_of(409).image_of(stored_of(409, "-180")), "-180.00");
  EXPECT_EQ(refusal(409, "190"), "c409: 190 is outside -180 .. 180 deg");
  // c220 is shown in 0 .. 360 degrees: 270 is stored as -90.
  EXPECT_FLOAT_EQ(static_cast<float>(stored_of(220, "270")), -1.5707964F);
  EXPECT_EQ(row_of(220).image_of(stored_of(220, "270 deg")), "270.00");
  EXPECT_NEAR(stored_of(220, "360"), 0.0, 1e-6);
  EXPECT_EQ(refusal(220, "-10"), "c220: -10 is outside 0 .. 360 deg");
  // Rates in revolutions per minute: 1 rpm is 6 degrees per second.
  EXPECT_EQ(stored_of(420, "250 rpm"), 1500.0);
  EXPECT_EQ(refusal(420, "100000"), "c420: 100000 is outside -99999.99 .. 99999.99 rpm");
}

TEST_F(catalogue_parse_test, EnumerationsReadByImageOrByNumber) {
  EXPECT_EQ(stored_of(440, "FIXED"), 0.0);
  EXPECT_EQ(stored_of(440, " cpp "), 1.0);
  EXPECT_EQ(stored_of(440, "Cpp"), 1.0);
  EXPECT_EQ(stored_of(440, "1"), 1.0);
  EXPECT_EQ(stored_of(671, "ob_side"), 2.0);
  EXPECT_EQ(refusal(440, "FOO"), "c440: \"FOO\" is not one of FIXED, CPP");
  EXPECT_EQ(refusal(440, "FIXED,CPP"), "c440: \"FIXED,CPP\" is not one of FIXED, CPP");
  EXPECT_EQ(refusal(440, "2"), "c440: 2 is outside 0 .. 1");
  // c801 takes the series types pres .. lres, numbered 6 .. 8.
  EXPECT_EQ(stored_of(801, "hres"), 7.0);
  EXPECT_EQ(stored_of(801, "6"), 6.0);
  EXPECT_EQ(refusal(801, "5"), "c801: 5 is outside 6 .. 8");
  EXPECT_EQ(refusal(801, "spd"), "c801: \"spd\" is not one of PRES, HRES, LRES");
}

TEST_F(catalogue_parse_test, IntegersAndTimesTakeWholeNumbersOfTheirType) {
  EXPECT_EQ(stored_of(5, "42"), 42.0);
  EXPECT_EQ(stored_of(5, " +7 "), 7.0);
  EXPECT_EQ(stored_of(5, "099"), 99.0);
  EXPECT_EQ(stored_of(400, "999"), 999.0);  // a time, in seconds
  EXPECT_EQ(refusal(5, "1.5"), "c005: \"1.5\" is not a whole number");
  EXPECT_EQ(refusal(5, "1e2"), "c005: \"1e2\" is not a whole number");
  EXPECT_EQ(refusal(5, "  "), "c005: \"\" is not a whole number");
  EXPECT_EQ(refusal(5, "-"), "c005: \"-\" is not a whole number");
  EXPECT_EQ(refusal(5, "1000"), "c005: 1000 is outside 0 .. 99");
  EXPECT_EQ(refusal(5, "-1"), "c005: -1 is outside 0 .. 99");
  EXPECT_EQ(refusal(5, "99999999999999999999"), "c005: 99999999999999999999 is outside 0 .. 99");
  EXPECT_EQ(refusal(400, "9.5"), "c400: \"9.5\" is not a whole number");
  EXPECT_EQ(refusal(400, "9 s"), "c400: \"9 s\" is not a whole number");
}

TEST_F(catalogue_parse_test, RealsTakeDecimalAndExponentNotation) {
  EXPECT_EQ(stored_of(210, "10"), 10.0);
  EXPECT_EQ(stored_of(210, ".5"), 0.5);
  EXPECT_EQ(stored_of(210, "-9.5"), -9.5);  // editing bounds are the caller's to check
  EXPECT_EQ(stored_of(210, "2.5E-1"), 0.25);
  EXPECT_EQ(stored_of(210, "1e-400"), 0.0);  // too small for any float
  EXPECT_EQ(stored_of(210, "0.1"), static_cast<double>(0.1F));
  // Just below the midpoint of two floats: read as a float literal is read, not
  // through a double, which would land on the midpoint and round up.
  EXPECT_EQ(stored_of(210, "1.0000001788139343"), static_cast<double>(1.0000001788139343F));
  EXPECT_EQ(stored_of(1060, " 2.5 "), 2.5);  // a time in real seconds
  EXPECT_EQ(refusal(210, "abc"), "c210: \"abc\" is not a number");
  EXPECT_EQ(refusal(210, "10 yd"), "c210: \"10 yd\" is not a number");
  EXPECT_EQ(refusal(210, "1e"), "c210: \"1e\" is not a number");
  EXPECT_EQ(refusal(210, "1.2.3"), "c210: \"1.2.3\" is not a number");
  EXPECT_EQ(refusal(210, "inf"), "c210: \"inf\" is not a number");
  EXPECT_EQ(refusal(210, "nan"), "c210: \"nan\" is not a number");
  EXPECT_EQ(refusal(210, "0x10"), "c210: \"0x10\" is not a number");
  EXPECT_EQ(refusal(210, "1e39"), "c210: 1e39 is outside -3.4028235e+38 .. 3.4028235e+38");
  EXPECT_EQ(refusal(210, "-1e400"), "c210: -1e400 is outside -3.4028235e+38 .. 3.4028235e+38");
}

}  // namespace
