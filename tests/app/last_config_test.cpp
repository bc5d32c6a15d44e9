// ombrelune.cfg seen from the window: created at the first start, written at
// every exit, applied at the next start when the menu's check mark says so.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <string>

#include "app/control_ids.h"
#include "window_fixture.h"

namespace ombrelune {
namespace {

// The record's layout as files on disk have it: little-endian doubles, one
// byte per flag, NUL-ended Windows-1252 names.
constexpr int kLoadAtStartAt = 0;
constexpr int kPrimaryDiameterAt = 8;
constexpr int kPrimaryFocalLengthAt = 16;
constexpr int kFocuserEnabledAt = 49;
constexpr int kFocuserDiameterAt = 56;
constexpr int kFocuserToFocusAt = 64;
constexpr int kCorrectorEnabledAt = 72;
constexpr int kCorrectorNameAt = 73;
constexpr int kCorrectorNameBytes = 103;
constexpr int kCorrectorShiftAt = 200;
constexpr int kSecondaryToFocusAt = 40;
constexpr int kSensorNameAt = 232;
constexpr int kSensorWidthAt = 344;

double DoubleAt(const std::string& record, int at) {
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(record[at + i]);
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

void PutDouble(std::string& record, int at, double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  for (int i = 0; i < 8; ++i) record[at + i] = static_cast<char>(bits >> (8 * i));
}

std::string NameAt(const std::string& record, int at) {
  return std::string(record.c_str() + at);  // up to its NUL
}

// Windows-1252 bytes to UTF-8, for the three letters these tests use.
QString FromCp1252(const std::string& bytes) {
  QString text;
  for (unsigned char b : bytes) {
    text += b == 0x80 ? QChar(0x20AC) : b == 0x9C ? QChar(0x0153) : QChar(b);
  }
  return text;
}

class LastConfigTest : public WindowTest {
 protected:
  void SetUp() override { WorkingFolderTest::SetUp(); }

  static std::string ReadCfg() {
    QFile file(QStringLiteral("ombrelune.cfg"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
  }

  static void WriteCfg(const std::string& bytes) {
    QFile file(QStringLiteral("ombrelune.cfg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())),
              static_cast<qint64>(bytes.size()));
  }

  // The user closes the window with Escape; the program then destroys it.
  void CloseWithEscape() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    ASSERT_FALSE(dialog->isVisible());
    dialog.reset();
  }

  void ToggleLoadAtStart() { dialog->MenuCommand(ids::MenuLoadAtStart)->trigger(); }
  bool CheckMark() const { return dialog->MenuCommand(ids::MenuLoadAtStart)->isChecked(); }
  QString ComboText(int id) const { return Combo(id)->currentText(); }
};

TEST_F(LastConfigTest, FirstStartCreatesTheDefaultRecordAndExitStoresTheRun) {
  OpenWindow();
  EXPECT_EQ(Combo(ids::CorrectorList)->count(), 0);
  EXPECT_EQ(Combo(ids::SensorList)->count(), 0);
  // Created at once, before any exit, with the record's own defaults: its
  // focuser distance is 133 where the window starts with 101.
  const std::string created = ReadCfg();
  ASSERT_EQ(created.size(), 360u);
  EXPECT_EQ(created[kLoadAtStartAt], 0);
  EXPECT_EQ(DoubleAt(created, kPrimaryDiameterAt), 402);
  EXPECT_EQ(DoubleAt(created, kFocuserToFocusAt), 133);
  EXPECT_EQ(DoubleAt(created, kCorrectorShiftAt), 30);
  EXPECT_EQ(NameAt(created, kCorrectorNameAt), "Televue Paracorr");
  EXPECT_EQ(NameAt(created, kSensorNameAt), "24x36");
  EXPECT_EQ(Edit(ids::FocuserToFocus)->text(), "101");
  EXPECT_FALSE(CheckMark());
  EXPECT_EQ(dialog->LoadAtStart(), 0);
  EXPECT_EQ(dialog->Results().rowCount, 23);

  CloseWithEscape();
  const std::string stored = ReadCfg();
  ASSERT_EQ(stored.size(), 360u);
  EXPECT_EQ(stored[kLoadAtStartAt], 0);
  EXPECT_EQ(DoubleAt(stored, kFocuserToFocusAt), 101);
  EXPECT_EQ(NameAt(stored, kCorrectorNameAt), "Televue Paracorr");
  EXPECT_EQ(NameAt(stored, kSensorNameAt), "24x36");
}

TEST_F(LastConfigTest, EveryWayOutStoresTheValuesHeld) {
  struct Case {
    const char* name;
    std::function<void()> close;
    bool refusedTextLeft;  // "Quitter" would stay open on one
  } cases[] = {
      {"Quitter", [this] { Click(ids::Quit); }, false},
      {"Escape", [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }, true},
      {"close box", [this] { dialog->close(); }, true},
      {"menu Quitter", [this] { dialog->MenuCommand(ids::MenuQuit)->trigger(); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(QFile::remove(QStringLiteral("ombrelune.cfg")) || ReadCfg().empty());
    OpenWindow();
    Paste(ids::PrimaryDiameter, "300");
    // Not a number: the last value accepted (350) is what is held and stored.
    if (c.refusedTextLeft) Paste(ids::SecondaryToFocus, "abc");
    const std::size_t messages = modals.messages.size();
    c.close();
    ASSERT_FALSE(dialog->isVisible());
    dialog.reset();
    EXPECT_EQ(modals.messages.size(), messages);  // the store read no control
    const std::string stored = ReadCfg();
    ASSERT_EQ(stored.size(), 360u);
    EXPECT_EQ(DoubleAt(stored, kPrimaryDiameterAt), 300);
    EXPECT_EQ(DoubleAt(stored, kSecondaryToFocusAt), 350);
  }
}

TEST_F(LastConfigTest, CheckMarkDecidesWhetherTheNextStartShowsTheStoredRun) {
  // A catalogue whose last line follows the focal length at 0.02 mm per mm.
  {
    QFile catalogue(QStringLiteral("correcteur.txt"));
    ASSERT_TRUE(catalogue.open(QIODevice::WriteOnly));
    catalogue.write("Televue Paracorr,46,110,1.15,0,0.01666\r\nC\x9Cur,60,100,1.1,0,0.02\r\n");
  }
  OpenWindow();
  Paste(ids::PrimaryDiameter, "300");
  Click(ids::FocuserEnabled);
  Click(ids::CorrectorEnabled);
  Paste(ids::FocuserDiameter, "40");  // narrower than the 46 mm lens: warning
  ASSERT_EQ(dialog->ControlAs<QGroupBox>(ids::FocuserGroup)->title(),
            "      Porte oculaire      !!! diamètre trop petit !!!");
  Paste(ids::SensorWidth, "30");  // typed by hand: the sensor name is emptied
  ASSERT_EQ(ComboText(ids::SensorList), "");
  ToggleLoadAtStart();
  EXPECT_TRUE(CheckMark());
  CloseWithEscape();
  EXPECT_EQ(ReadCfg()[kLoadAtStartAt], 1);

  OpenWindow();
  EXPECT_TRUE(CheckMark());
  EXPECT_EQ(dialog->LoadAtStart(), 1);
  EXPECT_EQ(Edit(ids::PrimaryDiameter)->text(), "300");
  EXPECT_EQ(Edit(ids::FocuserDiameter)->text(), "40");
  EXPECT_EQ(Edit(ids::SensorWidth)->text(), "30");
  EXPECT_TRUE(Button(ids::FocuserEnabled)->isChecked());
  EXPECT_TRUE(Edit(ids::FocuserDiameter)->isEnabled());
  EXPECT_TRUE(Combo(ids::CorrectorList)->isEnabled());
  EXPECT_EQ(ComboText(ids::CorrectorList), "Televue Paracorr");
  EXPECT_EQ(Combo(ids::CorrectorList)->currentIndex(), -1);
  EXPECT_EQ(ComboText(ids::SensorList), "");
  // 24 / 30: a diagonal typed now keeps that aspect (50 -> 40 x 30).
  EXPECT_DOUBLE_EQ(dialog->Config().sensorAspect, 24.0 / 30);
  // The caption is not evaluated at start-up.
  EXPECT_EQ(dialog->ControlAs<QGroupBox>(ids::FocuserGroup)->title(), "      Porte oculaire");
  // The corrector held is the catalogue's last line, whatever name is shown:
  // 0.02 x 1500 = 30.
  Paste(ids::PrimaryFocalLength, "1500");
  EXPECT_EQ(Edit(ids::CorrectorShift)->text(), "30");

  // Twice: the mark is as it was, and the next start applies the record again.
  ToggleLoadAtStart();
  EXPECT_FALSE(CheckMark());
  ToggleLoadAtStart();
  EXPECT_TRUE(CheckMark());
  CloseWithEscape();
  OpenWindow();
  EXPECT_TRUE(CheckMark());
  EXPECT_EQ(Edit(ids::PrimaryFocalLength)->text(), "1500");

  // Once more: the built-in configuration again, and no mark.
  ToggleLoadAtStart();
  CloseWithEscape();
  EXPECT_EQ(ReadCfg()[kLoadAtStartAt], 0);
  OpenWindow();
  EXPECT_FALSE(CheckMark());
  EXPECT_EQ(dialog->LoadAtStart(), 0);
  EXPECT_EQ(Edit(ids::PrimaryDiameter)->text(), "402");
  EXPECT_EQ(ComboText(ids::SensorList), "24x36");
  EXPECT_TRUE(modals.messages.empty());
}

TEST_F(LastConfigTest, ComboTextsAreStoredAsWindows1252CutTo49Characters) {
  const std::string sixty = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz01234567";
  struct Case {
    const char* name;
    QString typed;
    std::string storedBytes;  // Windows-1252
  } cases[] = {
      {"60 characters", QString::fromStdString(sixty), sixty.substr(0, 49)},
      // One byte each in the file: 49 of them, not 49 bytes of UTF-8.
      {"60 euro signs", QString(60, QChar(0x20AC)), std::string(49, '\x80')},
      {"percent signs", "100% Paracorr %s %d", "100% Paracorr %s %d"},
      {"e acute, euro, oe", "Réducteur à 150 € œil",
       "R\xE9"
       "ducteur \xE0 150 \x80 \x9Cil"},
      // Not in Windows-1252: a question mark shows where it was lost.
      {"Greek letter", "Ω 0.8x", "? 0.8x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (int id : {ids::CorrectorList, ids::SensorList}) {
      SCOPED_TRACE(id);
      ASSERT_TRUE(QFile::remove(QStringLiteral("ombrelune.cfg")) || ReadCfg().empty());
      OpenWindow();
      ToggleLoadAtStart();
      Combo(id)->setEditText(c.typed);
      CloseWithEscape();
      const std::string stored = ReadCfg();
      ASSERT_EQ(stored.size(), 360u);
      EXPECT_EQ(NameAt(stored, id == ids::CorrectorList ? kCorrectorNameAt : kSensorNameAt),
                c.storedBytes);

      OpenWindow();
      EXPECT_EQ(ComboText(id), FromCp1252(c.storedBytes));
      dialog.reset();
    }
  }
}

TEST_F(LastConfigTest, AFileThatCannotBeOpenedIsNeitherReadNorWritten) {
  // A folder in the file's place; permissions would not stop root.
  ASSERT_TRUE(QDir().mkdir(QStringLiteral("ombrelune.cfg")));
  for (int run = 0; run < 2; ++run) {
    SCOPED_TRACE(run);
    OpenWindow();
    EXPECT_FALSE(CheckMark());
    EXPECT_EQ(Edit(ids::PrimaryDiameter)->text(), "402");
    EXPECT_EQ(Edit(ids::FocuserToFocus)->text(), "101");
    EXPECT_EQ(dialog->Results().rowCount, 23);
    // The command still works on the window's own flag; nothing reaches a file.
    ToggleLoadAtStart();
    EXPECT_TRUE(CheckMark());
    Paste(ids::PrimaryDiameter, "300");
    CloseWithEscape();
    EXPECT_TRUE(QFileInfo(QStringLiteral("ombrelune.cfg")).isDir());
    EXPECT_TRUE(
        QDir(QStringLiteral("ombrelune.cfg"))
            .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
  }
  EXPECT_EQ(QDir().entryList(QDir::Files), QStringList());
  EXPECT_TRUE(modals.messages.empty());
}

TEST_F(LastConfigTest, ShortOrDamagedFilesAreReadAsFarAsTheyGoAndRewrittenWhole) {
  auto record = [](std::size_t size, auto fill) {
    std::string bytes(360, '\0');
    fill(bytes);
    return bytes.substr(0, size);
  };
  struct Case {
    const char* name;
    std::string file;
    bool storedApplied;
    const char *primaryDiameter, *primaryFocalLength, *focuserToFocus;
    QString correctorText;
    bool focuserTicked;
  } cases[] = {
      {"empty file: the built-in configuration", "", false, "402", "1809", "101",
       "Televue Paracorr", false},
      {"flag alone: everything else 0", std::string(1, '\x01'), true, "0", "0", "0", "", false},
      {"24 bytes: the primary, the rest 0",
       record(24,
              [](std::string& b) {
                b[kLoadAtStartAt] = 1;
                PutDouble(b, kPrimaryDiameterAt, 300);
                PutDouble(b, kPrimaryFocalLengthAt, 1500);
              }),
       true, "300", "1500", "0", "", false},
      // A name without its NUL ends with its field; a flag of 255 reads 0;
      // a flag byte of 2 applies the record.
      {"whole record, damaged fields",
       record(360,
              [](std::string& b) {
                b[kLoadAtStartAt] = 2;
                PutDouble(b, kPrimaryDiameterAt, 250);
                PutDouble(b, kPrimaryFocalLengthAt, 1000);
                PutDouble(b, kFocuserToFocusAt, 90);
                b[kFocuserEnabledAt] = '\xFF';
                b[kCorrectorEnabledAt] = 1;
                std::memset(&b[kCorrectorNameAt], 'A', kCorrectorNameBytes);
                PutDouble(b, kFocuserDiameterAt, std::numeric_limits<double>::quiet_NaN());
                PutDouble(b, kSensorWidthAt, 1e300);
              }),
       true, "250", "1000", "90", QString(kCorrectorNameBytes, QChar('A')), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteCfg(c.file);
    OpenWindow();
    EXPECT_EQ(CheckMark(), c.storedApplied);
    EXPECT_EQ(Edit(ids::PrimaryDiameter)->text(), c.primaryDiameter);
    EXPECT_EQ(Edit(ids::PrimaryFocalLength)->text(), c.primaryFocalLength);
    EXPECT_EQ(Edit(ids::FocuserToFocus)->text(), c.focuserToFocus);
    EXPECT_EQ(ComboText(ids::CorrectorList), c.correctorText);
    EXPECT_EQ(Button(ids::FocuserEnabled)->isChecked(), c.focuserTicked);
    CloseWithEscape();
    const std::string stored = ReadCfg();
    ASSERT_EQ(stored.size(), 360u);
    EXPECT_EQ(stored[kLoadAtStartAt] != 0, c.storedApplied);
    EXPECT_EQ(DoubleAt(stored, kFocuserToFocusAt), QString(c.focuserToFocus).toDouble());
    // Stored names hold 49 characters at most.
    EXPECT_EQ(NameAt(stored, kCorrectorNameAt), c.correctorText.left(49).toStdString());
  }
  EXPECT_TRUE(modals.messages.empty());
}

}  // namespace
}  // namespace ombrelune
