#include "optics/sensor_rules.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ombrelune {
namespace {

TEST(SensorRules, WidthAndHeightGiveAspectAndWholeDiagonalPlusOne) {
  struct Case {
    const char* name;
    double width, height, diagonal;
  } cases[] = {{"24x36", 36, 24, 44},
               {"3x4 adds one to a whole root", 3, 4, 6},
               {"four thirds", 17.3, 13, 22}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TelescopeConfig config;
    config.sensorWidth = c.width;
    config.sensorHeight = c.height;
    ApplyWidthHeightRule(config);
    EXPECT_EQ(config.sensorDiagonal, c.diagonal);
    EXPECT_DOUBLE_EQ(config.sensorAspect, c.height / c.width);
  }
}

TEST(SensorRules, DiagonalIsCappedAndGivesWholeSides) {
  struct Case {
    const char* name;
    double diagonal, width, height, keptDiagonal;
  } cases[] = {{"150 is capped at 100", 150, 83, 55, 100},
               {"100 itself stays", 100, 83, 55, 100},
               {"44 gives back 36 x 24", 44, 36, 24, 44}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TelescopeConfig config;
    config.sensorAspect = 2.0 / 3.0;
    config.sensorDiagonal = c.diagonal;
    ApplyDiagonalRule(config);
    EXPECT_EQ(config.sensorDiagonal, c.keptDiagonal);
    EXPECT_EQ(config.sensorWidth, c.width);
    EXPECT_EQ(config.sensorHeight, c.height);
  }
}

TEST(SensorRules, WidthZeroLeavesANonFiniteAspectThatTheDiagonalRuleSurvives) {
  TelescopeConfig config;
  config.sensorWidth = 0;
  config.sensorHeight = 24;
  ApplyWidthHeightRule(config);
  EXPECT_TRUE(std::isinf(config.sensorAspect));
  EXPECT_EQ(config.sensorDiagonal, 25);
  config.sensorDiagonal = 44;
  ApplyDiagonalRule(config);  // atan(inf) = pi/2: all of the diagonal goes to the height
  EXPECT_EQ(config.sensorWidth, 0);
  EXPECT_EQ(config.sensorHeight, 44);
}

}  // namespace
}  // namespace ombrelune
