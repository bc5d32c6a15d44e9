// The input panel: every accepted change recomputes, refused texts, derived
// values written back, groups switched by their check boxes, the focuser's
// warning caption.
#include <QGroupBox>
#include <cmath>

#include "app/control_ids.h"
#include "window_fixture.h"

namespace ombrelune {
namespace {

const QString kRefused = QStringLiteral("Tapez un nombre.");

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST_F(WindowTest, TypingRecomputesOnlyValuesAboveZero) {
  // Key by key: "1", "12", "120" each recompute; the obstruction line shows
  // the last (120 x 100 / 402 = 29.85).
  QLineEdit* secondary = Edit(ids::SecondaryDiameter);
  secondary->setFocus();
  QTest::keyClick(secondary, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(secondary, "120");
  EXPECT_TRUE(Contains(ListText(), "Obstruction: 29.9 %\n"));

  Paste(ids::PrimaryDiameter, "300");  // 120 x 100 / 300
  EXPECT_TRUE(Contains(ListText(), "Obstruction: 40.0 %\n"));
  const std::pair<const char*, double> notAboveZero[] = {{"0", 0}, {"-5", -5}};
  for (const auto& [text, value] : notAboveZero) {
    SCOPED_TRACE(text);
    Paste(ids::PrimaryDiameter, text);
    EXPECT_EQ(dialog->Config().primaryDiameter, value);  // taken, but not computed
    EXPECT_TRUE(Contains(ListText(), "Obstruction: 40.0 %\n"));
  }
  EXPECT_TRUE(modals.messages.empty());
}

TEST_F(WindowTest, RefusedTextIsReportedSelectedAndLeavesItsFieldAsItWas) {
  const std::string computed = ListText();
  // Emptied with the keyboard: the handler's reading and the run's each
  // report it; the run goes on with the value held.
  QLineEdit* primary = Edit(ids::PrimaryDiameter);
  QTest::keyClick(primary, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(primary, Qt::Key_Backspace);
  ASSERT_EQ(modals.messages.size(), 2u);
  for (const auto& message : modals.messages) {
    EXPECT_EQ(message.text, kRefused);
    EXPECT_EQ(message.icon, Modals::Icon::Warning);
  }
  EXPECT_EQ(dialog->Config().primaryDiameter, 402);
  EXPECT_EQ(ListText(), computed);

  // Letters in the first field stop every reading there: a later field keeps
  // its previous value although its own text changed, and the focus goes back
  // to the refused text, selected whole.
  Paste(ids::PrimaryDiameter, "abc");
  Paste(ids::SecondaryToFocus, "300");
  EXPECT_EQ(MessageCount(kRefused), 6);
  EXPECT_EQ(dialog->Config().secondaryToFocus, 350);
  EXPECT_EQ(Edit(ids::SecondaryToFocus)->text(), "300");
  EXPECT_EQ(FocusedId(), ids::PrimaryDiameter);
  EXPECT_EQ(primary->selectedText(), "abc");
  EXPECT_EQ(ListText(), computed);
}

TEST_F(WindowTest, SensorValuesDeriveFromOneAnother) {
  struct Case {
    const char* name;
    std::vector<std::pair<int, const char*>> typed;
    const char *diagonal, *width, *height;
  } cases[] = {
      // Key by key: "1" and "15" derive too, "150" is capped at 100.
      {"diagonal 150 with aspect 2/3", {{ids::SensorDiagonal, "150"}}, "100", "83", "55"},
      {"3 x 4: the 1 is added to a whole root", {{1008, "3"}, {1037, "4"}}, "6", "3", "4"},
      {"36 x 24", {{1008, "36"}, {1037, "24"}}, "44", "36", "24"},
      {"44 back to 36 x 24", {{1008, "36"}, {1037, "24"}, {1007, "44"}}, "44", "36", "24"},
      // The height is tested, the width divided by: the aspect becomes
      // infinite, and a diagonal typed afterwards is all height.
      {"width 0, then a height", {{1008, "0"}, {1037, "24"}}, "25", "0", "24"},
      {"width 0, then a diagonal", {{1008, "0"}, {1037, "24"}, {1007, "50"}}, "50", "0", "50"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OpenWindow();
    for (const auto& [id, text] : c.typed) {
      QLineEdit* edit = Edit(id);
      edit->setFocus();
      QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(edit, text);
    }
    EXPECT_EQ(Edit(ids::SensorDiagonal)->text(), c.diagonal);
    EXPECT_EQ(Edit(ids::SensorWidth)->text(), c.width);
    EXPECT_EQ(Edit(ids::SensorHeight)->text(), c.height);
    EXPECT_EQ(Combo(ids::SensorList)->currentText(), "");
    // The list was computed for the diagonal shown: its last row is the
    // half-diagonal rounded up.
    const std::string list = ListText();
    const int rMax = static_cast<int>(std::ceil(Edit(ids::SensorDiagonal)->text().toDouble() / 2));
    EXPECT_TRUE(Contains(list, QString("\n%1\t").arg(rMax, 4).toStdString())) << list;
    EXPECT_TRUE(modals.messages.empty());
  }
  EXPECT_TRUE(std::isinf(dialog->Config().sensorAspect));
}

TEST_F(WindowTest, ShiftFollowsTheFocalLengthUntilACorrectorValueIsTyped) {
  // The built-in corrector gives 0.01666 mm of shift per mm of focal length.
  Paste(ids::PrimaryFocalLength, "1200");
  EXPECT_EQ(Edit(ids::CorrectorShift)->text(), "20");  // 19.992
  Paste(ids::PrimaryFocalLength, "1809.");
  EXPECT_EQ(Edit(ids::PrimaryFocalLength)->text(), "1809");  // written back at once
  EXPECT_EQ(Edit(ids::CorrectorShift)->text(), "30");        // 30.138

  Paste(ids::CorrectorDiameter, "47");
  EXPECT_EQ(Combo(ids::CorrectorList)->currentText(), "");
  Paste(ids::PrimaryFocalLength, "1500.");
  EXPECT_EQ(Edit(ids::CorrectorShift)->text(), "30");
  EXPECT_EQ(Edit(ids::PrimaryFocalLength)->text(), "1500.");
  EXPECT_EQ(dialog->Config().primaryFocalLength, 1500);
  EXPECT_TRUE(modals.messages.empty());
}

TEST_F(WindowTest, FocuserCaptionWarnsOfANarrowDrawtube) {
  const QString normal = QStringLiteral("      Porte oculaire");
  const QString warning = QStringLiteral("      Porte oculaire      !!! diamètre trop petit !!!");
  auto click = [this](int id) { return [this, id] { Click(id); }; };
  auto type = [this](int id, const char* text) { return [this, id, text] { Paste(id, text); }; };
  struct Step {
    const char* name;
    std::function<void()> act;
    QString caption;
  } steps[] = {
      {"focuser on, corrector off: not compared", click(ids::FocuserEnabled), normal},
      {"corrector on: the caption is not touched", click(ids::CorrectorEnabled), normal},
      {"drawtube 40 < lens 46", type(ids::FocuserDiameter, "40"), warning},
      {"drawtube 50", type(ids::FocuserDiameter, "50"), normal},
      {"drawtube 40 again", type(ids::FocuserDiameter, "40"), warning},
      {"lens 30: not re-evaluated", type(ids::CorrectorDiameter, "30"), warning},
      {"corrector off: the warning stays", click(ids::CorrectorEnabled), warning},
      {"drawtube 45 with the corrector off", type(ids::FocuserDiameter, "45"), warning},
      {"focuser off: always normal", click(ids::FocuserEnabled), normal},
      {"focuser on with the corrector off", click(ids::FocuserEnabled), normal},
  };
  auto* group = dialog->ControlAs<QGroupBox>(ids::FocuserGroup);
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    step.act();
    EXPECT_EQ(group->title(), step.caption);
  }
}

TEST_F(WindowTest, CheckBoxesSwitchTheirGroupsAndRecompute) {
  struct Group {
    int checkBox;
    bool startsOn;
    std::vector<int> members;
    const char* lineWhenOn;  // a line of the list that shows the box took effect
  } groups[] = {
      {ids::SecondaryEnabled, true, {1024, 1025, 1002, 1003, 1014, 1050}, "Obstruction: 25.4 %"},
      {ids::FocuserEnabled, false, {1012, 1013, 1009, 1010, 1015}, nullptr},
      {ids::CorrectorEnabled,
       false,
       {1016, 1018, 1044, 1046, 1017, 1019, 1042, 1045, 1043, 1021},
       "Focale: 2080.3 mm"},  // 1.15 x 1809
      {ids::FilterEnabled, false, {1026, 1028, 1027, 1029, 1031}, nullptr},
  };
  auto membersEnabled = [this](const Group& g, bool on) {
    for (int id : g.members) {
      if (dialog->Control(id)->isEnabled() != on) return false;
    }
    return true;
  };
  for (const Group& g : groups) {
    SCOPED_TRACE(g.checkBox);
    EXPECT_TRUE(membersEnabled(g, g.startsOn));
    for (bool on : {!g.startsOn, g.startsOn}) {
      Click(g.checkBox);
      EXPECT_TRUE(membersEnabled(g, on));
      EXPECT_TRUE(Button(g.checkBox)->isEnabled());
      if (g.lineWhenOn != nullptr) {
        EXPECT_EQ(Contains(ListText(), g.lineWhenOn), on);
      }
      for (const Group& other : groups) {
        if (&other != &g) {
          EXPECT_TRUE(membersEnabled(other, other.startsOn)) << other.checkBox;
        }
      }
    }
  }
  // Check box 1050 itself recomputes: the obstruction scales the centre row.
  Click(ids::ObstructionEnabled);
  EXPECT_TRUE(Contains(ListText(), "\n   0\t    93.6\t\t    0.07\n"));
  // Switched off with the secondary, it keeps its value.
  Click(ids::SecondaryEnabled);
  EXPECT_FALSE(Button(ids::ObstructionEnabled)->isEnabled());
  EXPECT_TRUE(Button(ids::ObstructionEnabled)->isChecked());
  EXPECT_EQ(dialog->Config().obstructionEnabled, 1);
}

}  // namespace
}  // namespace ombrelune
