// The window as a whole: what it opens with, Enter, the ways to close it, the
// display modes, the menu check mark and the exchange of values.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <QSignalSpy>
#include <cmath>
#include <sstream>

#include "app/control_ids.h"
#include "optics/result_table.h"
#include "optics/sensor_rules.h"
#include "window_fixture.h"

namespace ombrelune {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST_F(WindowTest, OpensWithTheBuiltInConfigurationAndItsResult) {
  const std::pair<int, const char*> edits[] = {
      {1000, "402"}, {1001, "1809"}, {1002, "102"}, {1003, "350"},  {1009, "50.8"},
      {1010, "101"}, {1017, "46"},   {1019, "110"}, {1042, "1.15"}, {1043, "30"},
      {1027, "44"},  {1029, "26"},   {1007, "44"},  {1008, "36"},   {1037, "24"},
  };
  for (const auto& [id, text] : edits) {
    SCOPED_TRACE(id);
    EXPECT_EQ(Edit(id)->text(), QString::fromUtf8(text));
  }
  EXPECT_EQ(Combo(ids::CorrectorList)->currentText(), "Televue Paracorr");
  EXPECT_EQ(Combo(ids::SensorList)->currentText(), "24x36");
  EXPECT_EQ(Combo(ids::CorrectorList)->count(), 0);
  EXPECT_EQ(Combo(ids::SensorList)->count(), 0);
  EXPECT_TRUE(Button(ids::SecondaryEnabled)->isChecked());
  for (int id :
       {ids::FocuserEnabled, ids::CorrectorEnabled, ids::FilterEnabled, ids::ObstructionEnabled}) {
    EXPECT_FALSE(Button(id)->isChecked()) << id;
  }
  EXPECT_EQ(dialog->ControlAs<QGroupBox>(ids::FocuserGroup)->title(), "      Porte oculaire");

  EXPECT_EQ(dialog->windowTitle(), "ombrelune");
  EXPECT_TRUE(dialog->MenuCommand(ids::MenuLoadAtStart)->isCheckable());
  EXPECT_FALSE(dialog->MenuCommand(ids::MenuLoadAtStart)->isChecked());
  EXPECT_EQ(FocusedId(), ids::PrimaryDiameter);
  // The About entry of the window's own menu: a right click on its background.
  EXPECT_EQ(dialog->contextMenuPolicy(), Qt::ActionsContextMenu);
  ASSERT_EQ(dialog->actions().size(), 1);
  EXPECT_EQ(dialog->actions().front()->text(), "&A propos de ombrelune...");

  // List mode.
  EXPECT_TRUE(Button(ids::ModeList)->isChecked());
  EXPECT_TRUE(List(ids::ListEdit)->isVisible());
  EXPECT_FALSE(List(ids::ShortListEdit)->isVisible());
  EXPECT_FALSE(dialog->Control(ids::DrawingFrame)->isVisible());

  // The worked example of the defaults: 23 rows, 0 to 22 mm.
  const std::vector<std::string> lines = Lines(ListText());
  const std::vector<std::string> head = {
      "Champ pleine lumiere",
      " 30.0 mm",
      " 57.1 '",
      "",
      "Décalage secondaire:  5.16 mm",
      "Obstruction: 25.4 %",
      "",
      "Offset\tIllumination\tPerte mag",
      " (mm)\t     (%)",
      "   0\t   100.0\t\t    0.00",
  };
  ASSERT_EQ(lines.size(), head.size() + 22);
  for (std::size_t i = 0; i < head.size(); ++i) EXPECT_EQ(lines[i], head[i]) << "line " << i;
  EXPECT_EQ(lines[25], "  16\t    99.7\t\t    0.00");  // 2.5 log10(1 / 0.997) = 0.003
  EXPECT_EQ(lines.back(), "  22\t    94.3\t\t    0.06");

  // The same text as the core gives for the built-in configuration, in both
  // result edits.
  ResultTable table;
  EXPECT_EQ(ListText(), AsShown(ComputeResult(StartupDefaults(), table)));
  EXPECT_EQ(ListText(ids::ShortListEdit), ListText());
  EXPECT_EQ(dialog->Results().rowCount, 23);
  EXPECT_TRUE(modals.messages.empty());
}

TEST_F(WindowTest, EnterComputesInEditsComboBoxesAndResultLists) {
  Click(ids::CorrectorEnabled);  // the corrector's list takes input
  const std::string computed = ListText();
  // A catalogue entry equal to the combo text: neither Return nor leaving the
  // field may apply it, only a pick from the list (here, an arrow key).
  QComboBox* correctors = Combo(ids::CorrectorList);
  correctors->addItems({"Lumicon", "Televue Paracorr"});
  correctors->setCurrentIndex(-1);
  correctors->setEditText("Televue Paracorr");
  QSignalSpy picks(correctors, &QComboBox::activated);

  struct Case {
    const char* name;
    int id;
  } cases[] = {{"edit", ids::SecondaryToFocus},
               {"corrector combo box", ids::CorrectorList},
               {"sensor combo box", ids::SensorList},
               {"result list", ids::ListEdit}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    List(ids::ListEdit)->setPlainText("stale");
    QWidget* target = dialog->Control(c.id);
    target->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(ListText(), computed);
    EXPECT_EQ(FocusedId(), c.id);
  }
  correctors->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(picks.count(), 0);
  EXPECT_EQ(correctors->currentText(), "Televue Paracorr");
  correctors->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_EQ(picks.count(), 1);
  EXPECT_TRUE(modals.messages.empty());
}

TEST_F(WindowTest, ClosingPaths) {
  const QString refused = QStringLiteral("Tapez un nombre.");
  // With edit 1000 emptied: only "Quitter" reads the fields and stays open.
  struct Case {
    const char* name;
    std::function<void()> close;
    bool staysOpen;
    int messagesAfterClose;
  } cases[] = {
      {"Quitter", [this] { Click(ids::Quit); }, true, 3},
      {"Escape", [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }, false, 2},
      {"close box", [this] { dialog->close(); }, false, 2},
      {"menu Quitter", [this] { dialog->MenuCommand(ids::MenuQuit)->trigger(); }, false, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OpenWindow();
    modals.messages.clear();
    Paste(ids::PrimaryDiameter, "");
    ASSERT_EQ(MessageCount(refused), 2);  // the handler's reading and the run's
    c.close();
    EXPECT_EQ(dialog->isVisible(), c.staysOpen);
    EXPECT_EQ(MessageCount(refused), c.messagesAfterClose);
    if (c.staysOpen) {
      EXPECT_EQ(FocusedId(), ids::PrimaryDiameter);
    }
  }
  OpenWindow();
  Click(ids::Quit);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(WindowTest, ModeButtonsSwapTheListForTheFrame) {
  struct Case {
    int button;
    DisplayMode mode;
    bool list, shortList, frame;
  } cases[] = {{ids::ModeCurve, DisplayMode::Curve, false, true, true},
               {ids::ModeMap, DisplayMode::Map, false, true, true},
               {ids::ModeList, DisplayMode::List, true, false, false}};
  const std::string computed = ListText();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    Click(c.button);
    EXPECT_EQ(dialog->Mode(), c.mode);
    EXPECT_EQ(List(ids::ListEdit)->isVisible(), c.list);
    EXPECT_EQ(List(ids::ShortListEdit)->isVisible(), c.shortList);
    EXPECT_EQ(dialog->Control(ids::DrawingFrame)->isVisible(), c.frame);
    EXPECT_EQ(ListText(ids::ShortListEdit), computed);
  }
}

TEST_F(WindowTest, LoadAtStartCommandKeepsFlagAndCheckMarkTogether) {
  QAction* command = dialog->MenuCommand(ids::MenuLoadAtStart);
  command->trigger();
  EXPECT_EQ(dialog->LoadAtStart(), 1);
  EXPECT_TRUE(command->isChecked());
  command->trigger();
  EXPECT_EQ(dialog->LoadAtStart(), 0);
  EXPECT_FALSE(command->isChecked());
}

TEST_F(WindowTest, FlagsAreShownAsPlainBoxesAndOutOfRangeOnesReset) {
  dialog->Config().focuserEnabled = 7;
  dialog->Config().filterEnabled = 2;
  dialog->Config().obstructionEnabled = -1;
  dialog->TransferOut();
  auto* filter = dialog->ControlAs<QCheckBox>(ids::FilterEnabled);
  EXPECT_EQ(filter->checkState(), Qt::Checked);
  EXPECT_FALSE(filter->isTristate());
  EXPECT_FALSE(Button(ids::FocuserEnabled)->isChecked());
  EXPECT_FALSE(Button(ids::ObstructionEnabled)->isChecked());
  EXPECT_EQ(dialog->Config().focuserEnabled, 0);
  EXPECT_EQ(dialog->Config().obstructionEnabled, 0);
  EXPECT_TRUE(dialog->TransferIn());
  EXPECT_EQ(dialog->Config().filterEnabled, 1);
}

TEST_F(WindowTest, WhatIsWrittenIsReadBackWithoutComplaint) {
  // Minus zero: a width of -36 leaves an aspect of -2/3 once a height is
  // typed; a diagonal of 1 then truncates the height to -0, which "%g" alone
  // would write as "-0", a text the reading refuses.
  TelescopeConfig negativeAspect;
  negativeAspect.sensorAspect = 24.0 / -36.0;
  negativeAspect.sensorDiagonal = 1;
  ApplyDiagonalRule(negativeAspect);
  ASSERT_TRUE(std::signbit(negativeAspect.sensorHeight) && negativeAspect.sensorHeight == 0);
  Paste(ids::SensorWidth, "-36");
  Paste(ids::SensorHeight, "24");
  Paste(ids::SensorDiagonal, "1");
  EXPECT_EQ(Edit(ids::SensorHeight)->text(), "0");
  EXPECT_EQ(Edit(ids::SensorWidth)->text(), "0");
  // Infinity, which a number too large for a double reads as.
  Paste(ids::FocuserToFocus, "1e400");
  EXPECT_TRUE(std::isinf(dialog->Config().focuserToFocus));
  dialog->TransferOut();
  EXPECT_EQ(Edit(ids::FocuserToFocus)->text(), "1e999");
  EXPECT_TRUE(dialog->TransferIn());
  EXPECT_TRUE(modals.messages.empty());
}

}  // namespace
}  // namespace ombrelune
