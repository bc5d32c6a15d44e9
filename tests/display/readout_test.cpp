#include "display/pointer_readout.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "optics/telescope_config.h"

namespace ombrelune {
namespace {

const ReadoutTexts kShown{"12.0 mm", " 97.0 %", " 0.03 mag"};
const ReadoutTexts kEmpty{"", "", ""};
const ReadoutTexts kCentreFullLight{"  0.0 mm", "100.0 %", " 0.00 mag"};

// A frame 200 x 200 at (100, 50); the curve's plot spans x - left 20..180
// (160 pixels), the pointer's height counts up from the bottom edge at 250.
const FrameRect kSquare{100, 50, 300, 250};
// 200 wide, 100 high.
const FrameRect kWide{100, 50, 300, 150};

struct PointerCase {
  const char* name;
  DisplayMode mode;
  FrameRect frame;
  int x, y;
  ReadoutTexts expected;
};

TEST(PointerReadout, InsideAndOutsideThePlotAndTheMap) {
  const std::vector<PointerCase> cases = {
      // Curve, diagonal 22: r = (x - left - 20) / 160 * 22 * 0.5.
      {"curve: on the vertical axis", DisplayMode::Curve, kSquare, 120, 150, kEmpty},
      {"curve: just right of the axis, 1/160 of 11 mm",
       DisplayMode::Curve,
       kSquare,
       121,
       150,
       {"  0.1 mm", "100.0 %", " 0.00 mag"}},
      {"curve: halfway, half of 11 mm",
       DisplayMode::Curve,
       kSquare,
       200,
       150,
       {"  5.5 mm", "100.0 %", " 0.00 mag"}},
      {"curve: at W - 20", DisplayMode::Curve, kSquare, 280, 150, kEmpty},
      {"curve: one short of W - 20, 159/160 of 11 mm",
       DisplayMode::Curve,
       kSquare,
       279,
       150,
       {" 10.9 mm", "100.0 %", " 0.00 mag"}},
      {"curve: on the bottom edge", DisplayMode::Curve, kSquare, 200, 250, kEmpty},
      {"curve: on the top edge", DisplayMode::Curve, kSquare, 200, 50, kEmpty},
      {"curve: just below the top edge",
       DisplayMode::Curve,
       kSquare,
       200,
       51,
       {"  5.5 mm", "100.0 %", " 0.00 mag"}},
      {"curve: left of the frame", DisplayMode::Curve, kSquare, INT_MIN, 150, kEmpty},
      // Map, diagonal 22: u = (x - left - 100) / 200 * 22, likewise v.
      {"map: centre", DisplayMode::Map, kSquare, 200, 150, kCentreFullLight},
      {"map: left edge", DisplayMode::Map, kSquare, 100, 150, kEmpty},
      {"map: right edge", DisplayMode::Map, kSquare, 300, 150, kEmpty},
      {"map: one inside the left edge, u = -99/200 * 22",
       DisplayMode::Map,
       kSquare,
       101,
       150,
       {" 10.9 mm", "100.0 %", " 0.00 mag"}},
      {"map: one inside the bottom edge",
       DisplayMode::Map,
       kSquare,
       200,
       249,
       {" 10.9 mm", "100.0 %", " 0.00 mag"}},
      {"map: on the bottom edge", DisplayMode::Map, kSquare, 200, 250, kEmpty},
      {"map: far outside", DisplayMode::Map, kSquare, INT_MAX, INT_MIN, kEmpty},
      // Not square: the height is 100 pixels.
      {"wide map: above the top edge", DisplayMode::Map, kWide, 200, 49, kEmpty},
      {"wide map: on the top edge", DisplayMode::Map, kWide, 200, 50, kEmpty},
      {"wide map: just below the top edge, v = 49/100 * 22",
       DisplayMode::Map,
       kWide,
       200,
       51,
       {" 10.8 mm", "100.0 %", " 0.00 mag"}},
      {"wide map: centre", DisplayMode::Map, kWide, 200, 100, kCentreFullLight},
      {"wide curve: just below the top edge",
       DisplayMode::Curve,
       kWide,
       200,
       51,
       {"  5.5 mm", "100.0 %", " 0.00 mag"}},
      {"wide curve: above the top edge", DisplayMode::Curve, kWide, 200, 49, kEmpty},
      // List keeps only the magnitude loss; an unknown mode keeps everything.
      {"list", DisplayMode::List, kSquare, 200, 150, {"", "", " 0.03 mag"}},
      {"unknown mode", static_cast<DisplayMode>(7), kSquare, 200, 150, kShown},
  };
  TelescopeConfig config = StartupDefaults();
  config.sensorDiagonal = 22;
  for (const PointerCase& c : cases) {
    SCOPED_TRACE(c.name);
    double fullField = -1;
    const ReadoutTexts texts = PointerReadout(c.mode, c.x, c.y, c.frame, config, fullField, kShown);
    EXPECT_EQ(texts.offset, c.expected.offset);
    EXPECT_EQ(texts.illumination, c.expected.illumination);
    EXPECT_EQ(texts.magLoss, c.expected.magLoss);
    // An evaluation leaves the secondary's field; no evaluation leaves it alone.
    const bool evaluated =
        (c.mode == DisplayMode::Curve || c.mode == DisplayMode::Map) && !c.expected.offset.empty();
    if (evaluated) {
      EXPECT_NEAR(fullField, 30.0329, 5e-5);
    } else {
      EXPECT_EQ(fullField, -1);
    }
  }
}

TEST(PointerReadout, SymmetricPositionsInTheMapReadTheSame) {
  const TelescopeConfig config = StartupDefaults();
  double fullField = 0;
  for (auto [dx, dy] : {std::pair{1, 1}, {37, 152}, {99, 3}, {150, 199}}) {
    SCOPED_TRACE(std::to_string(dx) + "," + std::to_string(dy));
    const ReadoutTexts a =
        PointerReadout(DisplayMode::Map, 100 + dx, 250 - dy, kSquare, config, fullField, kEmpty);
    const ReadoutTexts b =
        PointerReadout(DisplayMode::Map, 300 - dx, 50 + dy, kSquare, config, fullField, kEmpty);
    EXPECT_FALSE(a.offset.empty());
    EXPECT_EQ(a, b);
  }
}

// The widths of the three formats at the ends of the scale, read at the
// centre of the map (r = 0, where the secondary passes the whole beam), with
// the obstruction factor setting the illumination.
TEST(PointerReadout, TextsAtFullHalfAndNoLight) {
  struct LightCase {
    const char* name;
    int obstruction;
    double primaryDiameter;
    double secondaryDiameter;
    ReadoutTexts expected;
  };
  const std::vector<LightCase> cases = {
      {"1: no leading blank for 100.0 %", 0, 402, 102, {"  0.0 mm", "100.0 %", " 0.00 mag"}},
      // o = 1 - 1 / 1.41421356^2 is 0.5 within a rounding error.
      {"0.5: 50.0 %, 0.75 mag", 1, 1.4142135623730951, 1, {"  0.0 mm", " 50.0 %", " 0.75 mag"}},
      {"0: secondary hides the primary", 1, 402, 500, {"  0.0 mm", "  0.0 %", "99.00 mag"}},
  };
  for (const LightCase& c : cases) {
    SCOPED_TRACE(c.name);
    TelescopeConfig config = StartupDefaults();
    config.obstructionEnabled = c.obstruction;
    config.primaryDiameter = c.primaryDiameter;
    config.secondaryDiameter = c.secondaryDiameter;
    double fullField = 0;
    EXPECT_EQ(PointerReadout(DisplayMode::Map, 200, 150, kSquare, config, fullField, kShown),
              c.expected);
  }
}

}  // namespace
}  // namespace ombrelune
