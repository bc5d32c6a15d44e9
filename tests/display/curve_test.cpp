#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "display/result_display.h"
#include "optics/illumination.h"
#include "optics/telescope_config.h"
#include "test_images.h"

namespace ombrelune {
namespace {

using testing::ReadPlainImage;
using testing::SameImage;

// Axes and illumination ticks, set pixel by pixel from the frame geometry:
// vertical axis at columns 19 and 20 from row 15, horizontal axis at rows
// H - 20 and H - 19 up to column W - 21, one 8-pixel tick (columns 13..20) per
// 10 % with rows 0 %, 50 % and 100 % doubled. For H = 50 the plot is 10
// pixels high, so tick k is at row 30 - k.
Canvas AxesAndIlluminationTicks50(int W) {
  const int H = 50;
  Canvas image(W, H, White);
  for (int y = 15; y < H - 20; ++y) image.SetPixel(20, y, Black);
  for (int y = 15; y < H - 19; ++y) image.SetPixel(19, y, Black);
  for (int x = 20; x < W - 20; ++x) image.SetPixel(x, H - 20, Black);
  for (int x = 19; x < W - 20; ++x) image.SetPixel(x, H - 19, Black);
  for (int k = 0; k <= 10; ++k) {
    for (int x = 13; x <= 20; ++x) {
      image.SetPixel(x, 30 - k, Black);
      if (k % 5 == 0) image.SetPixel(x, 31 - k, Black);
    }
  }
  return image;
}

TEST(IlluminationCurve, DefaultConfigurationMatchesTheWorkedOutImages) {
  for (const char* name : {"curve_default_60x50.pbm", "curve_default_157x93.pbm"}) {
    SCOPED_TRACE(name);
    const Canvas expected = ReadPlainImage(name);
    Canvas canvas(expected.Width(), expected.Height(), White);
    double fullField = 0;
    DrawIlluminationCurve(canvas, StartupDefaults(), fullField);
    EXPECT_TRUE(SameImage(canvas, expected));
    // The secondary alone gives the same field at every offset.
    EXPECT_NEAR(fullField, 30.0329, 5e-5);
  }
}

TEST(IlluminationCurve, NoPositiveHalfDiagonalDrawsAxesAndIlluminationTicksOnly) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (double diagonal : {0.0, -0.0, -10.0, nan, -std::numeric_limits<double>::infinity()}) {
    SCOPED_TRACE(diagonal);
    TelescopeConfig config = StartupDefaults();
    config.sensorDiagonal = diagonal;
    Canvas canvas(60, 50, White);
    double fullField = 123;
    DrawIlluminationCurve(canvas, config, fullField);
    EXPECT_TRUE(SameImage(canvas, AxesAndIlluminationTicks50(60)));
    EXPECT_EQ(fullField, 123) << "no point, no evaluation";
  }
}

// 216 additions of 0.2 give slightly more than 43.2, so the last point is the
// 216th, at about 43.0 mm: px = trunc(1000 * 43.0 / 43.2) + 20 = 1015. As the
// pen leaves out a line's end, the curve's rightmost pixel is in column 1014; a
// point at 43.2 would have carried it to column 1019.
TEST(IlluminationCurve, AccumulatedOffsetDriftLeavesOutThePointAtTheBound) {
  TelescopeConfig config = StartupDefaults();
  config.sensorDiagonal = 86.4;
  const int W = 1040;
  const int H = 100;
  Canvas canvas(W, H, White);
  double fullField = 0;
  DrawIlluminationCurve(canvas, config, fullField);
  int rightmost = -1;
  for (int y = 0; y < H - 20; ++y) {  // above the horizontal axis and its ticks
    for (int x = 21; x < W; ++x) {
      if (canvas.Pixel(x, y) == Black) rightmost = std::max(rightmost, x);
    }
  }
  EXPECT_EQ(rightmost, 1014);
}

// A diagonal that nobody's sensor has, typed or read from a file: the offset
// loop would step r += 0.2 towards it forever (r + 0.2 == r from about 1e15).
TEST(IlluminationCurve, HugeOrNonFiniteDiagonalsTerminate) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (double diagonal : {1e9, 1e300, std::numeric_limits<double>::max(), inf, nan}) {
    SCOPED_TRACE(diagonal);
    TelescopeConfig config = StartupDefaults();
    config.sensorDiagonal = diagonal;
    Canvas canvas(392, 362, White);
    double fullField = 0;
    DrawIlluminationCurve(canvas, config, fullField);
    // Still the two axes at least.
    EXPECT_EQ(canvas.Pixel(20, 100), Black);
    EXPECT_EQ(canvas.Pixel(200, 362 - 19), Black);
  }
}

// The plain drawing, without any bound on its loops.
Canvas UnboundedCurve(int W, int H, const TelescopeConfig& config, double& fullField) {
  Canvas canvas(W, H, White);
  canvas.MoveTo(20, 15);
  canvas.LineTo(20, H - 20);
  canvas.LineTo(W - 20, H - 20);
  canvas.MoveTo(19, 15);
  canvas.LineTo(19, H - 19);
  canvas.LineTo(W - 20, H - 19);
  for (double k = 0; k < 11; ++k) {
    const int w = static_cast<int>(k * 0.1 * (H - 40));
    canvas.MoveTo(20, H - w - 20);
    canvas.LineTo(12, H - w - 20);
    if (k == 0 || k == 5 || k == 10) {
      canvas.MoveTo(20, H - w - 19);
      canvas.LineTo(12, H - w - 19);
    }
  }
  const double R = config.sensorDiagonal * 0.5;
  for (double j = 0; j < R; ++j) {
    const int x = static_cast<int>((W - 40) * j / R);
    canvas.MoveTo(x + 20, H - 20);
    canvas.LineTo(x + 20, H - 12);
    if (static_cast<int>(j) % 5 == 0) {
      canvas.MoveTo(x + 19, H - 20);
      canvas.LineTo(x + 19, H - 12);
    }
  }
  bool first = true;
  for (double r = 0; r <= R; r += 0.2) {
    const double p = IlluminationAt(config, r, fullField);
    const int px = static_cast<int>((W - 40) * r / R) + 20;
    const int py = H - static_cast<int>(p * (H - 40)) - 20;
    if (first) {
      canvas.MoveTo(px, py);
    } else {
      canvas.LineTo(px, py);
    }
    first = false;
  }
  return canvas;
}

// The bound on the loops must not touch a real sensor, even one far larger
// than the frame can show tick by tick, up to the largest drawn in full.
TEST(IlluminationCurve, LargeSensorsAreDrawnInFull) {
  TelescopeConfig config = StartupDefaults();
  config.secondaryEnabled = 0;
  config.focuserEnabled = 1;
  config.correctorEnabled = 1;
  for (double diagonal : {100.0, 1000.0, 7999.7, 8000.0}) {
    SCOPED_TRACE(diagonal);
    config.sensorDiagonal = diagonal;
    double fullField = 0;
    double expectedField = 0;
    Canvas canvas(392, 362, White);
    DrawIlluminationCurve(canvas, config, fullField);
    EXPECT_TRUE(SameImage(canvas, UnboundedCurve(392, 362, config, expectedField)));
    EXPECT_EQ(fullField, expectedField);
  }
}

TEST(IlluminationCurve, FramesNarrowerThanTheMarginsStayInside) {
  for (auto [W, H] : {std::pair{1, 1}, {10, 10}, {39, 300}, {300, 39}, {41, 41}}) {
    SCOPED_TRACE(std::to_string(W) + "x" + std::to_string(H));
    Canvas canvas(W, H, White);
    double fullField = 0;
    DrawIlluminationCurve(canvas, StartupDefaults(), fullField);
  }
}

}  // namespace
}  // namespace ombrelune
