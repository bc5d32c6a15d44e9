#include "optics/illumination.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace ombrelune {
namespace {

// Reference values worked out by hand from the geometry (defaults: 402 mm
// f/4.5 primary, 102 mm secondary 350 mm before focus: k = 1.3114).
TEST(Illumination, DefaultSecondaryOnly) {
  const TelescopeConfig config = StartupDefaults();
  struct Case {
    double r, illumination;
  } cases[] = {{0, 1}, {15, 1}, {16, 0.99652}, {20, 0.96422}, {22, 0.94331}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.r);
    double field = -1;
    EXPECT_NEAR(IlluminationAt(config, c.r, field), c.illumination, 5e-6);
    EXPECT_NEAR(field, 30.0329, 5e-5);
  }
}

TEST(Illumination, ObstructionScalesEveryValue) {
  TelescopeConfig config = StartupDefaults();
  config.obstructionEnabled = 1;
  double field;
  const Illumination at20 = EvaluateIllumination(config, 20, field);
  EXPECT_NEAR(at20.obstruction, 1 - (102.0 / 402) * (102.0 / 402), 1e-12);
  EXPECT_NEAR(at20.obstruction, 0.935621, 1e-6);
  EXPECT_NEAR(IlluminationAt(config, 20, field), 0.96422 * 0.935621, 1e-5);
  config.secondaryEnabled = 0;  // the obstruction counts only with the secondary on
  EXPECT_EQ(EvaluateIllumination(config, 20, field).obstruction, 1);
}

TEST(Illumination, FocuserLowersTheFieldOnlyWhereItVignettesMore) {
  TelescopeConfig config = StartupDefaults();
  config.secondaryEnabled = 0;
  double field;
  EXPECT_EQ(IlluminationAt(config, 22, field), 1);
  EXPECT_EQ(field, NoFieldLimit);

  config.focuserEnabled = 1;
  struct Case {
    double r, illumination, field;
  } cases[] = {
      {0, 1, NoFieldLimit}, {15, 1, NoFieldLimit}, {16, 0.98154, 30.0323}, {22, 0.71354, 30.0323}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.r);
    EXPECT_NEAR(IlluminationAt(config, c.r, field), c.illumination, 5e-6);
    EXPECT_NEAR(field, c.field, 5e-5);
  }
}

TEST(Illumination, CorrectorDividesItsOffsetByTheClampedMagnification) {
  TelescopeConfig config = StartupDefaults();
  config.secondaryEnabled = 0;
  config.correctorEnabled = 1;
  config.correctorMagnification = 0;  // the offset is divided by 0.0001 instead
  double field;
  EXPECT_EQ(IlluminationAt(config, 1, field), 0);
  // ...while the field value is scaled by the magnification as it is.
  EXPECT_EQ(field, 0);
}

TEST(Illumination, NaNTermIsReplacedByALaterOrdinaryTerm) {
  // A secondary of diameter 0 seen with a beam offset of exactly one radius
  // (F - L = L, r = D / 2) gives k = 0, c = 1 and an undefined term; the
  // focuser's ordinary term must still count as less than that NaN.
  TelescopeConfig config = StartupDefaults();
  config.secondaryDiameter = 0;
  config.secondaryToFocus = 904.5;
  config.focuserDiameter = 380;
  double field;
  ASSERT_TRUE(std::isnan(IlluminationAt(config, 201, field)));
  EXPECT_EQ(field, -402);
  config.focuserEnabled = 1;
  EXPECT_NEAR(IlluminationAt(config, 201, field), 0.506336, 5e-7);
  EXPECT_EQ(field, -402);  // the focuser's field is not below the secondary's
}

TEST(BeamFraction, OverlapOfBeamAndAperture) {
  struct Case {
    const char* name;
    double k, h, expected;
  } cases[] = {{"beam inside the aperture", 2, 0.5, 1},
               {"disjoint", 0.5, 2, 0},
               {"aperture inside the beam", 0.5, 0.2, 0},
               {"equal discs one radius apart", 1, 1, 0.391002},
               {"centred, tiny offset", 1, 0.0001, 0.99994},
               {"undefined c counts as inside", 1, 0, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(BeamFraction(c.k, c.h), c.expected, 5e-6);
  }
}

TEST(MagnitudeLoss, ClampsToZeroAnd99) {
  struct Case {
    double x, expected;
  } cases[] = {{0.5, 0.752575}, {0.943, 0.063721}, {1.2, 0},         {0, 99},
               {1, 0},          {-0.5, 0},         {std::nan(""), 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_NEAR(MagnitudeLoss(c.x), c.expected, 5e-7);
  }
}

}  // namespace
}  // namespace ombrelune
