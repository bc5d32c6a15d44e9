// The corrector and sensor lists: filled from the catalogues in the working
// folder, and a pick from a list puts that row's values in the window and
// recomputes.
#include <QAbstractItemView>
#include <QFile>
#include <QGroupBox>
#include <QSignalSpy>
#include <cmath>
#include <functional>
#include <string>

#include "app/control_ids.h"
#include "optics/result_table.h"
#include "window_fixture.h"

namespace ombrelune {
namespace {

// Windows-1252 bytes: é E9, € 80, œ 9C. The last line ends with LF alone.
const char kCorrectors[] =
    "Televue Paracorr,46,110,1.15,0,0.01666\r\n"
    "R\xE9"
    "ducteur 0.8x,52,85,0.8,12,0\r\n"
    "C\x9Cur 145 \x80,60,100,1.1,0,0.02\n";

// One 66-byte record of l_ccd.txt: name padded to 30, width in 6, a separator,
// height in 6, blanks, CR LF.
std::string SensorRecord(const std::string& name, const std::string& width,
                         const std::string& height) {
  std::string record = name + std::string(30 - name.size(), ' ') + width + "x" + height;
  record += std::string(64 - record.size(), ' ');
  return record + "\r\n";
}

const std::string kSensors = SensorRecord("24x36", " 36.00", " 24.00") +
                             SensorRecord("APS-C \x80\x9C\xE9", " 23.50", " 15.70") +
                             SensorRecord("Largeur nulle", "  0.00", " 10.00");

// A window opened on catalogue files written first into its working folder.
class CatalogueTest : public WindowTest {
 protected:
  void SetUp() override { WorkingFolderTest::SetUp(); }

  static void WriteFile(const char* name, const std::string& bytes) {
    QFile file(QString::fromLatin1(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())),
              static_cast<qint64>(bytes.size()));
  }

  void OpenOnCatalogues() {
    WriteFile("correcteur.txt", kCorrectors);
    WriteFile("l_ccd.txt", kSensors);
    OpenWindow();
  }

  // The user drops the list down and clicks entry `index`.
  void Pick(int comboId, int index) {
    QComboBox* combo = Combo(comboId);
    ASSERT_TRUE(combo->isEnabled());
    QSignalSpy picks(combo, &QComboBox::activated);
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QRect row = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row.center());
    ASSERT_EQ(picks.count(), 1);
    ASSERT_EQ(picks.front().front().toInt(), index);
  }

  void Choose(int comboId, int row) {
    if (row >= 0) {
      Pick(comboId, row);
    } else {
      emit Combo(comboId)->activated(-1);
    }
  }

  QStringList Items(int comboId) const {
    QStringList items;
    for (int i = 0; i < Combo(comboId)->count(); ++i) items << Combo(comboId)->itemText(i);
    return items;
  }
};

TEST_F(CatalogueTest, ListsShowTheCatalogueNamesWithNoEntrySelected) {
  OpenOnCatalogues();
  EXPECT_EQ(Items(ids::CorrectorList),
            QStringList({"Televue Paracorr", "Réducteur 0.8x", "Cœur 145 €"}));
  EXPECT_EQ(Items(ids::SensorList), QStringList({"24x36", "APS-C €œé", "Largeur nulle"}));
  // The built-in configuration writes its own texts over the unselected lists.
  EXPECT_EQ(Combo(ids::CorrectorList)->currentIndex(), -1);
  EXPECT_EQ(Combo(ids::SensorList)->currentIndex(), -1);
  EXPECT_EQ(Combo(ids::CorrectorList)->currentText(), "Televue Paracorr");
  EXPECT_EQ(Combo(ids::SensorList)->currentText(), "24x36");
  // The corrector of a start without a stored configuration is the built-in
  // one, not the catalogue's last line (0.02 mm per mm): a focal length of
  // 1200 gives RoundHalfTowardZero(0.01666 x 1200 = 19.99) = 20, not 24.
  Paste(ids::PrimaryFocalLength, "1200");
  EXPECT_EQ(Edit(ids::CorrectorShift)->text(), "20");
  EXPECT_TRUE(modals.messages.empty());
}

TEST_F(CatalogueTest, PickingACorrectorAppliesItsRowAndRecomputes) {
  struct Case {
    const char* name;
    int index;
    bool focuserOn;
    const char* comboText;
    double diameter, toFocus, magnification, shift;
    const char* focuserCaption;
    const char* shiftAtFocal1500;  // after the pick, 1500 typed as focal length
  } cases[] = {
      // 0.01666 x 1809 = 30.14 -> 30; x 1500 = 24.99 -> 25.
      {"shift per focal length", 0, false, "Televue Paracorr", 46, 110, 1.15, 30,
       "      Porte oculaire", "25"},
      // A fixed shift stays whatever the focal length. With the focuser on,
      // its 50.8 mm tube is narrower than the 52 mm lens.
      {"fixed shift, lens wider than the focuser", 1, true, "Réducteur 0.8x", 52, 85, 0.8, 12,
       "      Porte oculaire      !!! diamètre trop petit !!!", "12"},
      // 0.02 x 1809 = 36.18 -> 36; x 1500 = 30.
      {"last line, names in Windows-1252", 2, true, "Cœur 145 €", 60, 100, 1.1, 36,
       "      Porte oculaire      !!! diamètre trop petit !!!", "30"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OpenOnCatalogues();
    Click(ids::CorrectorEnabled);  // so that the corrector shapes the result
    if (c.focuserOn) Click(ids::FocuserEnabled);
    Paste(ids::CorrectorDiameter, "30");  // typed by hand: no catalogue name
    ASSERT_EQ(Combo(ids::CorrectorList)->currentText(), "");

    Pick(ids::CorrectorList, c.index);
    EXPECT_EQ(Combo(ids::CorrectorList)->currentText(), QString::fromUtf8(c.comboText));
    const TelescopeConfig& held = dialog->Config();
    EXPECT_EQ(held.correctorDiameter, c.diameter);
    EXPECT_EQ(held.correctorToFocus, c.toFocus);
    EXPECT_EQ(held.correctorMagnification, c.magnification);
    EXPECT_EQ(held.correctorShift, c.shift);
    EXPECT_EQ(Edit(ids::CorrectorDiameter)->text(), QString::number(c.diameter));
    EXPECT_EQ(Edit(ids::CorrectorShift)->text(), QString::number(c.shift));
    EXPECT_EQ(dialog->ControlAs<QGroupBox>(ids::FocuserGroup)->title(),
              QString::fromUtf8(c.focuserCaption));

    // The list is that of the picked values.
    TelescopeConfig expected = StartupDefaults();
    expected.correctorEnabled = 1;
    expected.focuserEnabled = c.focuserOn ? 1 : 0;
    expected.correctorDiameter = c.diameter;
    expected.correctorToFocus = c.toFocus;
    expected.correctorMagnification = c.magnification;
    expected.correctorShift = c.shift;
    ResultTable table;
    EXPECT_EQ(ListText(), AsShown(ComputeResult(expected, table)));

    // The picked row is the current corrector: the shift follows the focal
    // length when it is given per millimetre of it.
    Paste(ids::PrimaryFocalLength, "1500");
    EXPECT_EQ(Edit(ids::CorrectorShift)->text(), c.shiftAtFocal1500);
    EXPECT_TRUE(modals.messages.empty());
  }
}

TEST_F(CatalogueTest, PickingASensorAppliesItsSidesAndRecomputes) {
  struct Case {
    const char* name;
    int index;
    const char* comboText;
    const char *width, *height, *diagonal;
    double aspect;
    int rows;
  } cases[] = {
      // sqrt(36^2 + 24^2) = 43.2666 -> 43.27; half 21.6 -> offsets 0..22.
      {"24x36", 0, "24x36", "36", "24", "43.27", 24.0 / 36.0, 23},
      // sqrt(23.5^2 + 15.7^2) = 28.2618 -> 28.27; offsets 0..15.
      {"name in Windows-1252", 1, "APS-C €œé", "23.5", "15.7", "28.27", 15.7 / 23.5, 16},
      // Width 0: the aspect is not finite, which harms nothing; the diagonal
      // is the height's, 10.01, and offsets 0..6 are listed.
      {"width 0", 2, "Largeur nulle", "0", "10", "10.01", INFINITY, 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OpenOnCatalogues();
    Paste(ids::SensorDiagonal, "20");  // offsets 0..10
    ASSERT_EQ(dialog->Results().rowCount, 11);
    ASSERT_EQ(Combo(ids::SensorList)->currentText(), "");

    Pick(ids::SensorList, c.index);
    EXPECT_EQ(Combo(ids::SensorList)->currentText(), QString::fromUtf8(c.comboText));
    EXPECT_EQ(Edit(ids::SensorWidth)->text(), c.width);
    EXPECT_EQ(Edit(ids::SensorHeight)->text(), c.height);
    EXPECT_EQ(Edit(ids::SensorDiagonal)->text(), c.diagonal);
    EXPECT_DOUBLE_EQ(dialog->Config().sensorAspect, c.aspect);
    EXPECT_EQ(dialog->Results().rowCount, c.rows);
    EXPECT_TRUE(modals.messages.empty());
  }
}

// No row to read: no entry selected, a catalogue shortened or removed while
// the program runs. Values set behind the controls' back show that the values
// held are written back and computed.
TEST_F(CatalogueTest, NothingToReadKeepsTheValuesHeldWritesThemBackAndComputes) {
  struct Case {
    const char* name;
    int row;  // the row picked last; -1: the list reports a pick with none selected
    std::function<void()> changeFiles;
  } cases[] = {
      {"no entry selected", -1, [] {}},
      {"catalogues shortened: no line, one record", 2,
       [] {
         WriteFile("correcteur.txt", "");
         WriteFile("l_ccd.txt", SensorRecord("24x36", " 36.00", " 24.00"));
       }},
      {"catalogues removed", 2,
       [] {
         ASSERT_TRUE(QFile::remove("correcteur.txt"));
         ASSERT_TRUE(QFile::remove("l_ccd.txt"));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OpenOnCatalogues();
    Click(ids::CorrectorEnabled);  // the corrector's list takes input
    Pick(ids::CorrectorList, 1);   // "Réducteur 0.8x", 52 mm, shift 12
    c.changeFiles();

    // Sensor: nothing changes but what the window shows and lists.
    TelescopeConfig& held = dialog->Config();
    held.sensorDiagonal = 10;  // offsets 0..5
    held.sensorWidth = 8;
    Choose(ids::SensorList, c.row);
    EXPECT_EQ(Edit(ids::SensorDiagonal)->text(), "10");
    EXPECT_EQ(Edit(ids::SensorWidth)->text(), "8");
    EXPECT_EQ(Edit(ids::SensorHeight)->text(), "24");
    EXPECT_EQ(dialog->Results().rowCount, 6);

    // Corrector: the corrector held (the row picked before) is applied again
    // over values set by hand, and its name shown.
    held.correctorDiameter = 99;
    Choose(ids::CorrectorList, c.row);
    EXPECT_EQ(Edit(ids::CorrectorDiameter)->text(), "52");
    EXPECT_EQ(Edit(ids::CorrectorShift)->text(), "12");
    EXPECT_EQ(Combo(ids::CorrectorList)->currentText(), "Réducteur 0.8x");
    EXPECT_TRUE(modals.messages.empty());
  }
}

TEST_F(CatalogueTest, APickBeyondAShortenedCorrectorCatalogueGivesItsLastLine) {
  OpenOnCatalogues();
  Click(ids::CorrectorEnabled);
  WriteFile("correcteur.txt",
            "Televue Paracorr,46,110,1.15,0,0.01666\r\n"
            "R\xE9"
            "ducteur 0.8x,52,85,0.8,12,0");
  Pick(ids::CorrectorList, 2);
  EXPECT_EQ(Combo(ids::CorrectorList)->currentText(), "Réducteur 0.8x");
  EXPECT_EQ(Edit(ids::CorrectorDiameter)->text(), "52");
  EXPECT_EQ(Edit(ids::CorrectorShift)->text(), "12");
}

}  // namespace
}  // namespace ombrelune
