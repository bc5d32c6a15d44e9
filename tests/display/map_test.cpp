#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "display/result_display.h"
#include "optics/illumination.h"
#include "optics/result_table.h"
#include "optics/telescope_config.h"
#include "test_images.h"

namespace ombrelune {
namespace {

using testing::ReadPlainImage;
using testing::SameImage;

// The map the plain way: one evaluation per pixel, columns outside, rows inside.
Canvas ReferenceMap(int W, int H, const TelescopeConfig& config, double& fullField) {
  Canvas canvas(W, H, MakeRgb(1, 2, 3));
  const double D = config.sensorDiagonal;
  for (double i = 0; i < W; ++i) {
    const double u = (i - W * 0.5) / W;
    for (double j = 0; j < H; ++j) {
      const double v = (j - H * 0.5) / H;
      const double r = std::sqrt((v * D) * (v * D) + (u * D) * (u * D));
      const double p = IlluminationAt(config, r, fullField);
      const double g = 255 * p;
      const int grey = std::isnan(g) ? 0 : static_cast<int>(g) & 0xFF;  // p stays in 0..1 here
      canvas.SetPixel(static_cast<int>(i), static_cast<int>(j), MakeGrey(grey));
    }
  }
  if (D != 0) {
    const double a = W * config.sensorWidth / D * 0.5;
    const double b = H * config.sensorHeight / D * 0.5;
    const int x0 = static_cast<int>(W * 0.5 - a), x1 = static_cast<int>(W * 0.5 + a);
    const int y0 = static_cast<int>(H * 0.5 - b), y1 = static_cast<int>(H * 0.5 + b);
    canvas.MoveTo(x0, y0);
    canvas.LineTo(x1, y0);
    canvas.LineTo(x1, y1);
    canvas.LineTo(x0, y1);
    canvas.LineTo(x0, y0);
  }
  return canvas;
}

// Secondary, focuser, corrector and filter all on, each one vignetting part of
// the frame, with obstruction: no two neighbouring rings share a grey.
TelescopeConfig AllAperturesClipping() {
  TelescopeConfig config = StartupDefaults();
  config.focuserEnabled = 1;
  config.correctorEnabled = 1;
  config.filterEnabled = 1;
  config.obstructionEnabled = 1;
  return config;
}

TEST(IlluminationMap, DefaultConfigurationMatchesTheWorkedOutImages) {
  for (const char* name : {"map_default_60x50.pgm", "map_default_41x57.pgm"}) {
    SCOPED_TRACE(name);
    const Canvas expected = ReadPlainImage(name);
    Canvas canvas(expected.Width(), expected.Height());
    double fullField = 0;
    DrawIlluminationMap(canvas, StartupDefaults(), fullField);
    EXPECT_TRUE(SameImage(canvas, expected));
  }
}

// Every speed-up must leave the image and the final field value as the plain
// per-pixel loop leaves them, for any frame: odd and even, wide and tall, tiny.
TEST(IlluminationMap, SameAsOneEvaluationPerPixel) {
  struct Config {
    const char* name;
    TelescopeConfig config;
  };
  std::vector<Config> configs = {{"defaults", StartupDefaults()},
                                 {"all apertures clipping", AllAperturesClipping()}};
  TelescopeConfig wideSensor = AllAperturesClipping();
  wideSensor.sensorDiagonal = 61.3;  // not a whole number of mm
  wideSensor.sensorWidth = 80;       // the outline leaves the frame
  configs.push_back({"odd diagonal, outline beyond the frame", wideSensor});
  TelescopeConfig negative = AllAperturesClipping();
  negative.sensorDiagonal = -37;
  configs.push_back({"negative diagonal", negative});
  TelescopeConfig zero = AllAperturesClipping();
  zero.sensorDiagonal = 0;
  configs.push_back({"diagonal 0", zero});
  TelescopeConfig huge = AllAperturesClipping();
  huge.sensorDiagonal = std::numeric_limits<double>::infinity();
  configs.push_back({"infinite diagonal", huge});

  const std::vector<std::pair<int, int>> sizes = {{60, 50}, {61, 50}, {60, 51}, {61, 51},
                                                  {57, 57}, {58, 58}, {1, 1},   {2, 2},
                                                  {1, 7},   {3, 4},   {4, 4},   {392, 362}};
  for (const Config& c : configs) {
    for (auto [W, H] : sizes) {
      SCOPED_TRACE(std::string(c.name) + ", " + std::to_string(W) + "x" + std::to_string(H));
      double fullField = -1;
      double expectedField = -1;
      Canvas canvas(W, H, MakeRgb(1, 2, 3));
      DrawIlluminationMap(canvas, c.config, fullField);
      ASSERT_TRUE(SameImage(canvas, ReferenceMap(W, H, c.config, expectedField)));
      if (std::isnan(expectedField)) {
        EXPECT_TRUE(std::isnan(fullField));
      } else {
        EXPECT_EQ(fullField, expectedField);
      }
    }
  }
}

// The field value depends on the offset: with the focuser alone it is 9999
// up to 15 mm and 30.0323 from 16 mm on. In a 4 x 4 frame the last pixel
// (3, 3) lies at u = v = -0.25, r = D * 0.3536, and the corners at D * 0.7071.
TEST(IlluminationMap, LeavesTheFieldOfTheLastPixel) {
  struct FieldCase {
    const char* name;
    int W, H;
    double diagonal;
    double expected;
  };
  const std::vector<FieldCase> cases = {
      {"last pixel at 21.2 mm", 4, 4, 60, 30.0323},
      {"last pixel at 14.1 mm, corners at 28 mm", 4, 4, 40, NoFieldLimit},
      {"last pixel of 60x50 at 30 mm, centre at 0", 60, 50, 44, 30.0323},
  };
  for (const FieldCase& c : cases) {
    SCOPED_TRACE(c.name);
    TelescopeConfig config = StartupDefaults();
    config.secondaryEnabled = 0;
    config.focuserEnabled = 1;
    config.sensorDiagonal = c.diagonal;
    Canvas canvas(c.W, c.H);
    double fullField = 0;
    DrawIlluminationMap(canvas, config, fullField);
    EXPECT_NEAR(fullField, c.expected, 5e-5);
  }
}

// With no aperture on, the light is full everywhere: all white but the outline
// of a 36 x 24 sensor on a 44 mm diagonal, half-width W * 36 / 88 and
// half-height H * 24 / 88 pixels about the centre.
TEST(IlluminationMap, SensorOutlineIsCentredAndScaledPerAxis) {
  struct OutlineCase {
    const char* name;
    int W, H;
    int x0, y0, x1, y1;
  };
  const std::vector<OutlineCase> cases = {
      {"square 88 x 88: 36 and 24 px", 88, 88, 8, 20, 80, 68},
      {"wide 110 x 66: 45 and 18 px", 110, 66, 10, 15, 100, 51},
      // a = 24.5454, b = 13.6364: corners truncated to 5.45 -> 5, 54.55 -> 54,
      // 11.36 -> 11 and 38.64 -> 38.
      {"60 x 50, fractional", 60, 50, 5, 11, 54, 38},
  };
  TelescopeConfig config = StartupDefaults();
  config.secondaryEnabled = 0;
  for (const OutlineCase& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(c.W, c.H);
    double fullField = 0;
    DrawIlluminationMap(canvas, config, fullField);
    Canvas expected(c.W, c.H, White);
    for (int x = c.x0; x <= c.x1; ++x) {
      expected.SetPixel(x, c.y0, Black);
      expected.SetPixel(x, c.y1, Black);
    }
    for (int y = c.y0; y <= c.y1; ++y) {
      expected.SetPixel(c.x0, y, Black);
      expected.SetPixel(c.x1, y, Black);
    }
    EXPECT_TRUE(SameImage(canvas, expected));
    EXPECT_EQ(fullField, NoFieldLimit);
  }
}

// A side of 1e300 mm puts the outline's corners at the int limits: the long
// sides cross the whole frame, the others lie far outside it.
TEST(IlluminationMap, OutlineOfAbsurdSidesIsClipped) {
  TelescopeConfig config = StartupDefaults();
  config.secondaryEnabled = 0;
  config.sensorWidth = 1e300;
  Canvas canvas(60, 50);
  double fullField = 0;
  DrawIlluminationMap(canvas, config, fullField);
  Canvas expected(60, 50, White);
  for (int x = 0; x < 60; ++x) {
    expected.SetPixel(x, 11, Black);  // b = 50 * 24 / 44 * 0.5 = 13.64
    expected.SetPixel(x, 38, Black);
  }
  EXPECT_TRUE(SameImage(canvas, expected));

  config.sensorHeight = -1e300;
  config.sensorDiagonal = 1e-300;
  DrawIlluminationMap(canvas, config, fullField);
  EXPECT_TRUE(SameImage(canvas, Canvas(60, 50, White)));
}

TEST(IlluminationMap, ZeroDiagonalIsUniformWithoutOutline) {
  TelescopeConfig config = StartupDefaults();
  config.sensorDiagonal = 0;
  config.obstructionEnabled = 1;  // o = 1 - (102/402)^2 = 0.935621: grey 238
  Canvas canvas(31, 20);
  double fullField = 0;
  DrawIlluminationMap(canvas, config, fullField);
  EXPECT_TRUE(SameImage(canvas, Canvas(31, 20, MakeGrey(238))));
}

TEST(MapGreyLevel, TruncatesToTheLow8Bits) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct GreyCase {
    const char* name;
    double illumination;
    int grey;
  };
  const std::vector<GreyCase> cases = {
      {"full light", 1, 255},
      {"half", 0.5, 127},
      {"none", 0, 0},
      {"just below full", 0.9999, 254},
      {"not a number", nan, 0},
      {"+inf saturates", inf, 255},
      {"-inf saturates", -inf, 0},
      {"slightly negative", -0.01, 254},
  };
  for (const GreyCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(MapGreyLevel(c.illumination), c.grey);
  }
}

TEST(RenderResultDisplay, FillsAndTestsValidityPerMode) {
  const TelescopeConfig valid = StartupDefaults();
  TelescopeConfig invalid = valid;
  invalid.secondaryToFocus = invalid.primaryFocalLength;  // at the focal plane

  {
    SCOPED_TRACE("curve, invalid: white, no axes");
    double fullField = 30;
    const Canvas canvas = RenderResultDisplay(DisplayMode::Curve, 80, 60, invalid, fullField);
    EXPECT_TRUE(SameImage(canvas, Canvas(80, 60, White)));
    EXPECT_EQ(fullField, 30);
  }
  {
    SCOPED_TRACE("map, invalid: black");
    double fullField = 30;
    const Canvas canvas = RenderResultDisplay(DisplayMode::Map, 80, 60, invalid, fullField);
    EXPECT_TRUE(SameImage(canvas, Canvas(80, 60, Black)));
  }
  {
    SCOPED_TRACE("curve, field not above 0: white");
    double fullField = 0;
    const Canvas canvas = RenderResultDisplay(DisplayMode::Curve, 80, 60, valid, fullField);
    EXPECT_TRUE(SameImage(canvas, Canvas(80, 60, White)));
  }
  {
    SCOPED_TRACE("curve, valid: white with the curve");
    double fullField = 30;
    double expectedField = 30;
    Canvas expected(80, 60, White);
    DrawIlluminationCurve(expected, valid, expectedField);
    const Canvas canvas = RenderResultDisplay(DisplayMode::Curve, 80, 60, valid, fullField);
    EXPECT_TRUE(SameImage(canvas, expected));
    EXPECT_EQ(fullField, expectedField);
  }
  {
    SCOPED_TRACE("map, valid: the map");
    double fullField = 30;
    double expectedField = 30;
    const Canvas canvas = RenderResultDisplay(DisplayMode::Map, 80, 60, valid, fullField);
    EXPECT_TRUE(SameImage(canvas, ReferenceMap(80, 60, valid, expectedField)));
  }
  {
    SCOPED_TRACE("list: nothing");
    double fullField = 30;
    const Canvas canvas = RenderResultDisplay(DisplayMode::List, 80, 60, valid, fullField);
    EXPECT_EQ(canvas.Width(), 0);
    EXPECT_EQ(fullField, 30);
  }
}

}  // namespace
}  // namespace ombrelune
