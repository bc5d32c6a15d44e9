// The drawing frame in the window: what a repaint puts on screen and when it
// does the work, the pointer read-out under the labels, and both on a screen
// with more device pixels than logical ones.
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QProcess>
#include <QWindow>
#include <cmath>
#include <functional>

#include "app/control_ids.h"
#include "app/device_pixels.h"
#include "display/result_display.h"
#include "window_fixture.h"

namespace ombrelune {
namespace {

// The sentinel left in fullFieldDiameter before a repaint: positive, so that
// the drawing's validity test still passes, and far from any field the
// configurations below give.
constexpr double kUntouched = 1234.5;

class DisplayTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    // Qt drops a move to where the pointer already is, and the pointer stays
    // where the previous test left it: start from the menu bar's empty end.
    MoveTo(QPoint(dialog->width() - 2, 2));
  }

  QWidget* Frame() const { return dialog->Control(ids::DrawingFrame); }
  double Ratio() const { return dialog->devicePixelRatioF(); }
  double& FullField() { return dialog->Results().fullFieldDiameter; }

  // The pointer moves over the window as the window system reports it: Qt
  // picks the control under it, so the controls that let the pointer through
  // are really tested.
  void MoveTo(QPoint at) { QTest::mouseMove(dialog->windowHandle(), at); }

  QString LabelText(int id) const { return dialog->ControlAs<QLabel>(id)->text(); }
  std::vector<std::string> Readout() const {
    return {LabelText(ids::ReadoutOffset).toStdString(),
            LabelText(ids::ReadoutIllumination).toStdString(),
            LabelText(ids::ReadoutMagLoss).toStdString()};
  }
  void SetReadout(const QString& text) {
    for (int id : {ids::ReadoutOffset, ids::ReadoutIllumination, ids::ReadoutMagLoss}) {
      dialog->ControlAs<QLabel>(id)->setText(text);
    }
  }

  // The frame's outer rectangle in the window picture's pixels, rounded edge
  // by edge.
  QRect DeviceFrame() const {
    const QRect f = Frame()->geometry();
    const double r = Ratio();
    const auto px = [r](int v) { return static_cast<int>(std::lround(v * r)); };
    return QRect(QPoint(px(f.left()), px(f.top())),
                 QPoint(px(f.left() + f.width()) - 1, px(f.top() + f.height()) - 1));
  }

  // How many device pixels in from each side the frame's edge, drawn over the
  // picture, may cover: its width scaled, and at a fractional ratio one more,
  // where the edge's lines straddle pixels.
  int Border() const {
    const double r = Ratio();
    return static_cast<int>(std::ceil(Frame()->contentsRect().left() * r)) +
           (r == std::floor(r) ? 0 : 1);
  }

  // The frame's pixels as the window shows them; taking the picture repaints.
  QImage FrameShot() const {
    const QImage window = dialog->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return window.copy(DeviceFrame());
  }
};

// Where the shot differs from the canvas inside the frame's border, or
// nothing.
::testing::AssertionResult SameInside(const QImage& shot, const Canvas& canvas, int border) {
  if (shot.width() != canvas.Width() || shot.height() != canvas.Height()) {
    return ::testing::AssertionFailure()
           << "shot " << shot.width() << " x " << shot.height() << ", canvas " << canvas.Width()
           << " x " << canvas.Height();
  }
  int differing = 0;
  std::string first;
  for (int y = border; y < shot.height() - border; ++y) {
    for (int x = border; x < shot.width() - border; ++x) {
      if ((shot.pixel(x, y) & 0xFFFFFFu) == (canvas.Pixel(x, y) & 0xFFFFFFu)) continue;
      if (differing++ == 0) {
        first = "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
      }
    }
  }
  if (differing == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << differing << " pixels differ, the first at " << first;
}

// The single colour of the shot inside the border, or -1 when it has several.
long long UniformColour(const QImage& shot, int border) {
  const QRgb colour = shot.pixel(border, border) & 0xFFFFFFu;
  for (int y = border; y < shot.height() - border; ++y) {
    for (int x = border; x < shot.width() - border; ++x) {
      if ((shot.pixel(x, y) & 0xFFFFFFu) != colour) return -1;
    }
  }
  return colour;
}

TEST_F(DisplayTest, TheFrameShowsTheCurveOrTheMapPixelForPixel) {
  struct Case {
    const char* name;
    std::function<void()> setUp;
    int modeButton;
  } cases[] = {
      {"curve, built-in configuration", [] {}, ids::ModeCurve},
      {"map, built-in configuration", [] {}, ids::ModeMap},
      {"curve, focuser and corrector on",
       [this] {
         Click(ids::FocuserEnabled);
         Click(ids::CorrectorEnabled);
       },
       ids::ModeCurve},
      {"map, focuser and corrector on",
       [this] {
         Click(ids::FocuserEnabled);
         Click(ids::CorrectorEnabled);
       },
       ids::ModeMap},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OpenWindow();
    c.setUp();
    Click(c.modeButton);
    ASSERT_TRUE(Frame()->isVisible());
    // The drawing at as many pixels as the frame covers on the screen: on a
    // screen of ratio 2, twice as many each way, not a drawing scaled up.
    const QImage shot = FrameShot();
    double fullField = FullField();
    const Canvas expected = RenderResultDisplay(dialog->Mode(), shot.width(), shot.height(),
                                                dialog->Config(), fullField);
    EXPECT_TRUE(SameInside(shot, expected, Border()));
    // Something was drawn: the curve's black axis, the map's white centre
    // (full light at offset 0).
    if (c.modeButton == ids::ModeCurve) {
      EXPECT_EQ(shot.pixel(20, shot.height() / 2) & 0xFFFFFFu, 0u);
    } else {
      EXPECT_EQ(shot.pixel(shot.width() / 2, shot.height() / 2) & 0xFFFFFFu, 0xFFFFFFu);
    }
    EXPECT_TRUE(modals.messages.empty());
  }
}

TEST_F(DisplayTest, AnInvalidGeometryLeavesTheCurveWhiteAndTheMapBlack) {
  // The secondary as far from the focus as the focal length: the list says
  // "Champ pleine lumiere < 0" and nothing is drawn.
  Paste(ids::SecondaryToFocus, "1809");
  ASSERT_NE(ListText().find("Champ pleine lumiere < 0"), std::string::npos);
  Click(ids::ModeCurve);
  EXPECT_EQ(UniformColour(FrameShot(), Border()), 0xFFFFFF);
  Click(ids::ModeMap);
  EXPECT_EQ(UniformColour(FrameShot(), Border()), 0x000000);
}

TEST_F(DisplayTest, ARepaintLeavesTheFieldOfItsLastPoint) {
  // A focuser of 40 mm at 101 mm limits the field to
  // (40 x 1809 - 402 x 101) / (1809 - 101) = 31758 / 1708 = 18.594 mm, but
  // vignettes only beyond 9.3 mm: at the centre the secondary's 30.03 mm
  // stands. The map ends on its far corner, the curve on the sensor corner;
  // both are beyond. List mode draws nothing.
  struct Case {
    const char* name;
    int modeButton;
    double expected;
  } cases[] = {{"map", ids::ModeMap, 31758.0 / 1708.0},
               {"curve", ids::ModeCurve, 31758.0 / 1708.0},
               {"list", ids::ModeList, kUntouched}};
  Click(ids::FocuserEnabled);
  Paste(ids::FocuserDiameter, "40");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Click(c.modeButton);
    QApplication::processEvents();
    FullField() = kUntouched;
    dialog->repaint();
    EXPECT_NEAR(FullField(), c.expected, 1e-9);
  }
}

TEST_F(DisplayTest, OnlyARepaintThatTouchesTheFrameRedraws) {
  Click(ids::ModeMap);
  QApplication::processEvents();
  const QRect frame = Frame()->geometry();
  struct Case {
    const char* name;
    QRect region;
    bool redraws;
  } cases[] = {
      {"a read-out label", dialog->Control(ids::ReadoutOffset)->geometry(), false},
      {"an edit's caret", dialog->Control(ids::PrimaryDiameter)->geometry(), false},
      {"the short list above the frame", dialog->Control(ids::ShortListEdit)->geometry(), false},
      {"the pixel left of the frame", QRect(frame.left() - 1, frame.top(), 1, 1), false},
      {"the frame's bottom right pixel", QRect(frame.bottomRight(), QSize(1, 1)), true},
      {"the whole window", dialog->rect(), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FullField() = kUntouched;
    dialog->repaint(c.region);
    EXPECT_EQ(FullField() != kUntouched, c.redraws);
  }
  // A label whose text changes is repainted through the window, in its own
  // rectangle only.
  FullField() = kUntouched;
  dialog->ControlAs<QLabel>(ids::ReadoutOffset)->setText(QStringLiteral("changed"));
  QApplication::processEvents();
  EXPECT_EQ(FullField(), kUntouched);
}

TEST_F(DisplayTest, MapReadoutInsideTheFrameOnly) {
  // A frame of 260 x 248 pixels keeps the arithmetic whole: the map's centre
  // is 130 pixels in from the left and 124 up from the bottom edge (at ratios
  // 1.5 and 2 too: 195 and 186, 260 and 248 device pixels).
  const QPoint origin = Frame()->pos();
  Frame()->resize(260, 248);
  Click(ids::ModeMap);
  const std::vector<std::string> none = {"", "", ""};
  // Offset 0 of the built-in configuration: full light (first row of its list).
  const std::vector<std::string> centre = {"  0.0 mm", "100.0 %", " 0.00 mag"};
  struct Case {
    const char* name;
    QPoint at;  // from the frame's top-left corner, logical pixels
    std::vector<std::string> expected;
  } cases[] = {
      {"centre", {130, 124}, centre},
      {"on the top edge", {130, 0}, none},
      {"above the frame", {130, -3}, none},
      {"on the left edge", {0, 124}, none},
      {"beyond the right edge", {261, 124}, none},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetReadout(QStringLiteral("-"));
    MoveTo(origin + c.at);
    EXPECT_EQ(Readout(), c.expected);
  }
  // Points symmetric about the centre read the same, and inside the map.
  MoveTo(origin + QPoint(130 - 40, 124 + 30));
  const std::vector<std::string> one = Readout();
  MoveTo(origin + QPoint(130 + 40, 124 - 30));
  EXPECT_EQ(Readout(), one);
  EXPECT_NE(one, none);
  EXPECT_TRUE(modals.messages.empty());
}

TEST_F(DisplayTest, CurveReadoutAlongTheOffsetsAndInListMode) {
  // The plot spans 220 pixels between the axis (20 in) and 20 pixels short of
  // the right edge: 10 pixels per millimetre of the 22 mm half-diagonal. The
  // expected texts are rows 11 and 16 of the built-in configuration's list.
  const QPoint origin = Frame()->pos();
  Frame()->resize(260, 248);
  Click(ids::ModeCurve);
  const std::vector<std::string> none = {"", "", ""};
  const std::vector<std::string> at11 = {" 11.0 mm", "100.0 %", " 0.00 mag"};
  struct Case {
    const char* name;
    QPoint at;
    std::vector<std::string> expected;
  } cases[] = {
      {"16 mm", {20 + 160, 100}, {" 16.0 mm", " 99.7 %", " 0.00 mag"}},
      {"11 mm", {20 + 110, 100}, at11},
      {"11 mm, near the bottom: the height plays no part", {20 + 110, 247}, at11},
      {"at the end of the axis", {20 + 220, 100}, none},
      {"above the frame", {20 + 110, -3}, none},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetReadout(QStringLiteral("-"));
    MoveTo(origin + c.at);
    EXPECT_EQ(Readout(), c.expected);
  }
  // List mode empties offset and illumination and leaves the loss as it was.
  // (The full list then covers the frame: the pointer goes to a group box.)
  MoveTo(origin + QPoint(20 + 160, 100));
  Click(ids::ModeList);
  EXPECT_EQ(Readout()[0], " 16.0 mm");  // the switch itself changes nothing
  const QRect group = dialog->Control(ids::FocuserGroup)->geometry();
  MoveTo(QPoint(group.left() + 3, group.center().y()));
  EXPECT_EQ(Readout(), (std::vector<std::string>{"", "", " 0.00 mag"}));
}

TEST_F(DisplayTest, TheCurveIsReadFromItsAxisOnTheScreensPixels) {
  // The plot's margins are 20 device pixels, whatever the ratio: the pointer
  // meets the axis 20 / ratio logical pixels in (on it at 20, 10; at 1.5 the
  // logical pixel 13 lands on device pixel 19.5 -> 20). One logical pixel
  // further it reads the first device pixels of the plot: 1 of 220 at ratio
  // 1, 2 of 480 at 2, 1 of 350 at 1.5, all "  0.1 mm". Halfway, at 130
  // logical pixels (110, 240 and 175 device pixels into the plot): 11 mm.
  const QPoint origin = Frame()->pos();
  Frame()->resize(260, 248);
  Click(ids::ModeCurve);
  const int axis = static_cast<int>(std::floor(20 / Ratio()));
  struct Case {
    const char* name;
    int x;
    std::vector<std::string> expected;
  } cases[] = {
      {"on the axis", axis, {"", "", ""}},
      {"just right of it", axis + 1, {"  0.1 mm", "100.0 %", " 0.00 mag"}},
      {"halfway", 130, {" 11.0 mm", "100.0 %", " 0.00 mag"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetReadout(QStringLiteral("-"));
    MoveTo(origin + QPoint(c.x, 100));
    EXPECT_EQ(Readout(), c.expected);
  }
}

TEST_F(DisplayTest, ThePointerIsReadOverTextsGroupBoxesAndTheFrameOnly) {
  Click(ids::FocuserEnabled);  // an enabled group, its edits and button
  Click(ids::ModeMap);
  auto leftEdge = [this](int id) {
    const QRect r = dialog->Control(id)->geometry();
    return QPoint(r.left() + 3, r.center().y());
  };
  auto centre = [this](int id) { return dialog->Control(id)->geometry().center(); };
  struct Case {
    const char* name;
    QPoint at;
    bool read;
  } cases[] = {
      {"group box", leftEdge(ids::FocuserGroup), true},
      {"text", leftEdge(ids::FocuserDiameterLabel), true},
      {"read-out label", leftEdge(ids::ReadoutMagLoss), true},
      {"frame", centre(ids::DrawingFrame), true},
      {"window background", Frame()->geometry().topLeft() - QPoint(0, 3), true},
      {"edit", centre(ids::FocuserDiameter), false},
      {"combo box", centre(ids::SensorList), false},
      {"push button", centre(ids::HelpFocuser), false},
      {"radio button", centre(ids::ModeCurve), false},
      {"check box", leftEdge(ids::ObstructionEnabled), false},
      {"result list", centre(ids::ShortListEdit), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetReadout(QStringLiteral("-"));
    MoveTo(c.at);
    EXPECT_EQ(LabelText(ids::ReadoutOffset) != "-", c.read);
  }
}

TEST_F(DisplayTest, APointerMovementRewritesEditsInTheirHeldForm) {
  // Typing in a corrector field makes the corrector a hand-typed one: the
  // focal length then no longer rewrites the shift, nor its own edit.
  Click(ids::CorrectorEnabled);
  Paste(ids::CorrectorShift, "30");
  Click(ids::ModeCurve);
  struct Case {
    const char* name;
    int id;
    const char* typed;
    const char* rewritten;
    int messages;
  } cases[] = {
      {"a number with a trailing point", ids::PrimaryFocalLength, "1809.", "1809", 0},
      {"a text that is not a number", ids::PrimaryDiameter, "4o2", "402", 1},
  };
  // Each case has its own point: a move to where the pointer is is dropped.
  QPoint at = Frame()->geometry().center();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Paste(c.id, c.typed);
    ASSERT_EQ(Edit(c.id)->text(), c.typed);
    modals.messages.clear();
    at += QPoint(5, 0);
    MoveTo(at);
    EXPECT_EQ(Edit(c.id)->text(), c.rewritten);
    EXPECT_EQ(MessageCount(QStringLiteral("Tapez un nombre.")), c.messages);
  }
}

TEST(DevicePixelsTest, FrameAndPointerShareOneGrid) {
  // The frame of the window at 1.54 x 1.375 pixels per dialog unit, and the
  // pointer on its top-left pixel and inside it.
  const QRect frame(270, 306, 303, 249);
  struct Case {
    const char* name;
    double ratio;
    FrameRect device;
    QPointF pointer;
    QPoint devicePointer;
  } cases[] = {
      {"ratio 1", 1, {270, 306, 573, 555}, {270, 306}, {270, 306}},
      // Everything doubles, W = 606 and H = 498.
      {"ratio 2", 2, {540, 612, 1146, 1110}, {300.4, 400.6}, {601, 801}},
      // 337.5 -> 338, 382.5 -> 383, 716.25 -> 716, 693.75 -> 694: W = 378,
      // though 303 x 1.25 = 378.75.
      {"ratio 1.25", 1.25, {338, 383, 716, 694}, {270, 306}, {338, 383}},
      // 405, 459, 859.5 -> 860, 832.5 -> 833: W = 455 (454.5), H = 374 (373.5).
      {"ratio 1.5", 1.5, {405, 459, 860, 833}, {271, 307}, {407, 461}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const FrameRect d = DeviceFrameRect(frame, c.ratio);
    EXPECT_EQ(d.left, c.device.left);
    EXPECT_EQ(d.top, c.device.top);
    EXPECT_EQ(d.right, c.device.right);
    EXPECT_EQ(d.bottom, c.device.bottom);
    EXPECT_EQ(DevicePoint(c.pointer, c.ratio), c.devicePointer);
  }
}

// The tests above that hold at any ratio, run again in a process whose screen
// has more device pixels than logical ones: the picture has the screen's
// pixels, not the window's scaled up, and the pointer lands on the same grid.
class DisplayRatioTest : public WorkingFolderTest {};

TEST_F(DisplayRatioTest, TheFrameAndTheReadoutHoldAtOtherRatios) {
  const QStringList anyRatio = {
      QStringLiteral("TheFrameShowsTheCurveOrTheMapPixelForPixel"),
      QStringLiteral("AnInvalidGeometryLeavesTheCurveWhiteAndTheMapBlack"),
      QStringLiteral("ARepaintLeavesTheFieldOfItsLastPoint"),
      QStringLiteral("MapReadoutInsideTheFrameOnly"),
      QStringLiteral("TheCurveIsReadFromItsAxisOnTheScreensPixels"),
  };
  const QString filter = QStringLiteral("--gtest_filter=DisplayTest.") +
                         anyRatio.join(QStringLiteral(":DisplayTest."));
  const std::string passed = "[  PASSED  ] " + std::to_string(anyRatio.size()) + " tests";
  struct Case {
    const char* name;
    const char* ratio;
  } cases[] = {{"whole ratio", "2"}, {"fractional ratio, edges on half pixels", "1.5"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromUtf8(c.ratio));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // fontconfig keeps its caches until exit, as in this process.
    environment.insert(QStringLiteral("ASAN_OPTIONS"),
                       QStringLiteral("detect_leaks=0:abort_on_error=1"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {filter, QStringLiteral("--gtest_brief=1")});
    ASSERT_TRUE(child.waitForFinished(240000));
    const std::string output = QString::fromLocal8Bit(child.readAll()).toStdString();
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << output;
    EXPECT_NE(output.find(passed), std::string::npos) << output;
  }
}

}  // namespace
}  // namespace ombrelune
