// "Sauvegarder" and "Charger" through the real window: what reaches the file,
// what a file changes in the panel, the extension rule, cancelled dialogs and
// failed writes. The window stays in List mode unless a test says otherwise,
// so no drawing re-evaluates the model behind a save.
#include <sys/resource.h>

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QTimer>
#include <csignal>
#include <functional>

#include "app/control_ids.h"
#include "window_fixture.h"

namespace ombrelune {
namespace {

const QString kWriteFailed = QStringLiteral("Impossible d'écrire le fichier.");

// The parameter lines of the built-in configuration as the file holds them
// (Windows-1252: the é of line 6 is the byte E9).
const std::vector<std::string> kDefaultLines = {
    "402.000000   # diametre miroir primaire",
    "1809.000000   # focale miroir primaire",
    "1            # calcul ombrelune du miroir secondaire",
    "102.000000   # diametre miroir secondaire",
    "350.000000   # tirage (secondaire, plan focal)",
    "0            # pourcentage d'illumination affect\xE9 par l'obstruction",
    "0            # calcul ombrelune du porte oculaire",
    "50.800000   # diametre interne tube porte oculaire",
    "101.000000   # distance entree tube porte oculaire, plan focal",
    "0            # calcul ombrelune du correcteur de champ",
    "Televue Paracorr",
    "46.000000   # diametre premiere lentille correcteur de champ (la plus proche du miroir "
    "secondaire)",
    "110.000000   # distance premiere lentille correcteur de champ, plan focal",
    "1.150000   # Facteur de grossissement",
    "30.000000   # Allongement sortie",
    "0            # calcul ombrelune du filtre",
    "44.000000   # diametre interne du filtre",
    "26.000000   # distance filtre, plan focal",
    "44.000000   # diagonale capteur",
    "36.000000   # largeur du capteur",
    "24.000000   # hauteur du capteur",
    "24x36",
};

// The default lines with some replaced, by line number (1 to 22).
std::string ParameterFile(const std::vector<std::pair<int, std::string>>& changes) {
  std::vector<std::string> lines = kDefaultLines;
  for (const auto& [number, text] : changes) lines.at(number - 1) = text;
  std::string file;
  for (const std::string& line : lines) file += line + "\r\n";
  return file;
}

std::string ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

void WriteBytes(const QString& path, const std::string& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())),
            static_cast<qint64>(bytes.size()));
}

std::vector<std::string> SplitCrlf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  for (std::size_t end; (end = bytes.find("\r\n", at)) != std::string::npos; at = end + 2) {
    lines.push_back(bytes.substr(at, end - at));
  }
  lines.push_back(bytes.substr(at));
  return lines;
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

constexpr int kNumberEdits[] = {1000, 1001, 1002, 1003, 1009, 1010, 1017, 1019,
                                1042, 1043, 1027, 1029, 1007, 1008, 1037};
constexpr int kCheckBoxes[] = {ids::SecondaryEnabled, ids::ObstructionEnabled, ids::FocuserEnabled,
                               ids::CorrectorEnabled, ids::FilterEnabled};

class ConfigFileTest : public WindowTest {
 protected:
  QString Path(const QString& name) const { return folder.filePath(name); }

  void Save(const QString& answer) {
    modals.saveAnswer = answer;
    dialog->MenuCommand(ids::MenuSaveConfig)->trigger();
  }
  void Load(const QString& answer) {
    modals.openAnswer = answer;
    dialog->MenuCommand(ids::MenuLoadConfig)->trigger();
  }

  QStringList FolderEntries() const {
    return QDir(folder.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  }

  // Everything the panel shows: the edits, the boxes and the two list texts.
  std::vector<QString> PanelTexts() const {
    std::vector<QString> texts;
    for (int id : kNumberEdits) texts.push_back(Edit(id)->text());
    for (int id : kCheckBoxes) texts.push_back(Button(id)->isChecked() ? "ticked" : "clear");
    texts.push_back(Combo(ids::CorrectorList)->currentText());
    texts.push_back(Combo(ids::SensorList)->currentText());
    return texts;
  }
};

TEST_F(ConfigFileTest, SavedDefaultsMatchTheHandComputedFile) {
  // tests/data/storage/expected_defaults.py computes this file from the
  // geometry alone.
  const std::string expected = ReadBytes(OMBRELUNE_TEST_DATA "/storage/defaults_saved.txt");
  ASSERT_EQ(expected.size(), 1913u);
  Save(Path("defaults"));
  EXPECT_EQ(ReadBytes(Path("defaults.txt")), expected);
  EXPECT_TRUE(modals.messages.empty());
}

TEST_F(ConfigFileTest, ChangedValuesAndNamesComeBackFromTheirFile) {
  for (int id :
       {ids::ObstructionEnabled, ids::FocuserEnabled, ids::CorrectorEnabled, ids::FilterEnabled}) {
    Click(id);
  }
  const std::pair<int, const char*> typed[] = {
      {1000, "250.125"}, {1001, "1200"}, {1002, "70"},   {1003, "300"},  {1009, "60"},
      {1010, "95.5"},    {1017, "42"},   {1019, "105"},  {1042, "0.8"},  {1043, "-12.5"},
      {1027, "31.75"},   {1029, "20"},   {1008, "23.5"}, {1037, "15.6"},
  };
  for (const auto& [id, text] : typed) Paste(id, text);
  Click(ids::SecondaryEnabled);  // off: its box 1050 is disabled, still ticked
  // Written after the edits, which clear them; é, % and € are all in
  // Windows-1252, and % must not be taken for a format.
  Combo(ids::CorrectorList)->setEditText(QStringLiteral("Réducteur 0,8 %€"));
  Combo(ids::SensorList)->setEditText(QStringLiteral("Capteur é %d € 15.6x23.5"));
  ASSERT_EQ(Edit(ids::SensorDiagonal)->text(), "29");  // trunc(sqrt(23.5² + 15.6²)) + 1
  const std::vector<QString> saved = PanelTexts();
  const std::string savedList = ListText();

  Save(Path("round"));
  const std::vector<std::string> lines = SplitCrlf(ReadBytes(Path("round.txt")));
  ASSERT_GT(lines.size(), 22u);
  EXPECT_EQ(lines[0], "250.125000   # diametre miroir primaire");
  EXPECT_EQ(lines[2], "0            # calcul ombrelune du miroir secondaire");
  EXPECT_EQ(lines[5].substr(0, 13), "1            ");
  EXPECT_EQ(lines[10],
            "R\xE9"
            "ducteur 0,8 %\x80");
  EXPECT_EQ(lines[14], "-12.500000   # Allongement sortie");
  EXPECT_EQ(lines[21], "Capteur \xE9 %d \x80 15.6x23.5");

  // A new window, with the built-in values and corrector: loading must not run
  // the edits' handlers, or the focal length would recompute the shift (to
  // 20) and the corrector and sensor edits would clear the two names.
  dialog.reset();
  OpenWindow();
  Load(Path("round"));
  EXPECT_EQ(PanelTexts(), saved);
  EXPECT_FALSE(Button(ids::ObstructionEnabled)->isEnabled());
  EXPECT_TRUE(Edit(ids::FilterDiameter)->isEnabled());
  // The result section of the file is not read: the same values, the same
  // result.
  EXPECT_EQ(ListText(), savedList);
  EXPECT_TRUE(modals.messages.empty());
}

TEST_F(ConfigFileTest, NameWithoutExtensionGetsTxt) {
  ASSERT_TRUE(QDir(folder.path()).mkdir("my.dir"));
  // With the folder, a path well over 199 bytes: it is used whole.
  const QString longFolder(220, 'd');
  ASSERT_TRUE(QDir(folder.path()).mkdir(longFolder));
  struct Case {
    const char* name;
    QString chosen;
    QString written;
  } cases[] = {
      {"no extension", "config", "config.txt"},
      {"a full stop with nothing after it", "config.", "config..txt"},
      {"an extension of its own", "config.dat", "config.dat"},
      {"a full stop in the folder only", "my.dir/config", "my.dir/config.txt"},
      {"a long path", longFolder + "/config", longFolder + "/config.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QStringList before = FolderEntries();
    Paste(ids::PrimaryDiameter, "300");
    Save(Path(c.chosen));
    EXPECT_TRUE(QFileInfo(Path(c.written)).isFile());
    EXPECT_EQ(SplitCrlf(ReadBytes(Path(c.written))).front(),
              "300.000000   # diametre miroir primaire");
    // Loading follows the same rule: the name chosen reads the file written.
    Paste(ids::PrimaryDiameter, "500");
    Load(Path(c.chosen));
    EXPECT_EQ(Edit(ids::PrimaryDiameter)->text(), "300");
    EXPECT_EQ(FolderEntries().size(), before.size() + (c.written.contains('/') ? 0 : 1));
  }
  EXPECT_TRUE(modals.messages.empty());
}

TEST_F(ConfigFileTest, CancelledSaveHasReadAndComputedButWritesNothing) {
  // A value the window has not taken in yet, and a stale list.
  {
    const QSignalBlocker quiet(Edit(ids::PrimaryDiameter));
    Edit(ids::PrimaryDiameter)->setText("300");
  }
  List(ids::ListEdit)->setPlainText("stale");
  double diameterSeen = 0;
  std::string listSeen;
  modals.whileFileDialogOpen = [&] {
    diameterSeen = dialog->Config().primaryDiameter;
    listSeen = ListText();
  };
  const QStringList before = FolderEntries();

  dialog->MenuCommand(ids::MenuSaveConfig)->trigger();
  EXPECT_EQ(diameterSeen, 300);
  EXPECT_TRUE(Contains(listSeen, "Obstruction: 34.0 %\n")) << listSeen;  // 102 x 100 / 300
  EXPECT_EQ(ListText(), listSeen);
  EXPECT_EQ(FolderEntries(), before);
  EXPECT_TRUE(modals.messages.empty());
}

TEST_F(ConfigFileTest, CancelledLoadChangesNothing) {
  // Held values the controls do not show, a stale list and a group left
  // disabled: a cancelled load touches none of them.
  dialog->Config().primaryDiameter = 123;
  List(ids::ListEdit)->setPlainText("stale");
  Edit(ids::SecondaryDiameter)->setEnabled(false);
  dialog->MenuCommand(ids::MenuLoadConfig)->trigger();
  EXPECT_EQ(dialog->Config().primaryDiameter, 123);
  EXPECT_EQ(Edit(ids::PrimaryDiameter)->text(), "402");
  EXPECT_EQ(ListText(), "stale");
  EXPECT_FALSE(Edit(ids::SecondaryDiameter)->isEnabled());
  EXPECT_TRUE(modals.messages.empty());
}

TEST_F(ConfigFileTest, FileOfFiveLinesSetsFiveParameters) {
  // The secondary switched off, the last line without its newline, one line
  // ending in LF alone.
  WriteBytes(Path("five.txt"), "300\r\n1500   # focale\n0\r\n80.5   # diametre\r\n400");
  Load(Path("five.txt"));
  const std::pair<int, const char*> shown[] = {
      {1000, "300"},
      {1001, "1500"},
      {1002, "80.5"},
      {1003, "400"},
      // Unchanged; the shift is not re-derived from the new focal length.
      {1009, "50.8"},
      {1043, "30"},
      {1007, "44"}};
  for (const auto& [id, text] : shown) EXPECT_EQ(Edit(id)->text(), text) << id;
  EXPECT_FALSE(Button(ids::SecondaryEnabled)->isChecked());
  EXPECT_FALSE(Edit(ids::SecondaryDiameter)->isEnabled());
  EXPECT_EQ(Combo(ids::CorrectorList)->currentText(), "Televue Paracorr");
  EXPECT_EQ(Combo(ids::SensorList)->currentText(), "24x36");
  // Computed again: without the secondary, nothing limits the field.
  EXPECT_FALSE(Contains(ListText(), "secondaire")) << ListText();
  EXPECT_TRUE(modals.messages.empty());
}

TEST_F(ConfigFileTest, LoadedFlagsEnableTheGroupsTheirBoxesShow) {
  // 2 counts as on (a ticked box), anything outside 0..2 as off: the group
  // and its box agree either way.
  struct Case {
    const char* name;
    const char *secondary, *focuser, *corrector, *filter;
    bool secondaryOn, focuserOn, correctorOn, filterOn;
  } cases[] = {
      {"7, 2, 2, 7", "7", "2", "2", "7", false, true, true, false},
      {"2, 7, 7, 2", "2", "7", "7", "2", true, false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(
        Path("flags.txt"),
        ParameterFile({{3, c.secondary}, {7, c.focuser}, {10, c.corrector}, {16, c.filter}}));
    Load(Path("flags.txt"));
    const std::tuple<int, int, bool> groups[] = {
        {ids::SecondaryEnabled, ids::SecondaryDiameter, c.secondaryOn},
        {ids::SecondaryEnabled, ids::ObstructionEnabled, c.secondaryOn},
        {ids::FocuserEnabled, ids::FocuserDiameter, c.focuserOn},
        {ids::FocuserEnabled, ids::HelpFocuser, c.focuserOn},
        {ids::CorrectorEnabled, ids::CorrectorList, c.correctorOn},
        {ids::CorrectorEnabled, ids::CorrectorShift, c.correctorOn},
        {ids::FilterEnabled, ids::FilterToFocus, c.filterOn},
        {ids::FilterEnabled, ids::HelpFilter, c.filterOn},
    };
    for (const auto& [box, member, on] : groups) {
      SCOPED_TRACE(member);
      EXPECT_EQ(Button(box)->isChecked(), on);
      EXPECT_EQ(dialog->Control(member)->isEnabled(), on);
    }
    // The computation used the flags the boxes show.
    EXPECT_EQ(dialog->Config().secondaryEnabled, c.secondaryOn ? 1 : 0);
    EXPECT_EQ(Contains(ListText(), "secondaire"), c.secondaryOn);
  }
}

TEST_F(ConfigFileTest, LoadingLeavesCaptionAspectModeAndCorrectorEntryAlone) {
  Click(ids::FocuserEnabled);
  Click(ids::CorrectorEnabled);
  Paste(ids::FocuserDiameter, "40");  // narrower than the 46 mm lens
  const QString warning = dialog->ControlAs<QGroupBox>(ids::FocuserGroup)->title();
  ASSERT_TRUE(warning.contains("trop petit"));
  Paste(ids::SensorWidth, "23.5");
  Paste(ids::SensorHeight, "15.6");
  const double aspect = dialog->Config().sensorAspect;
  Click(ids::ModeMap);

  // Wide enough now, and 36 x 24: neither the caption nor the aspect follows.
  WriteBytes(Path("wide.txt"), ParameterFile({{7, "1"}, {8, "60"}, {10, "1"}}));
  Load(Path("wide.txt"));
  EXPECT_EQ(Edit(ids::FocuserDiameter)->text(), "60");
  EXPECT_EQ(Edit(ids::SensorWidth)->text(), "36");
  EXPECT_EQ(dialog->ControlAs<QGroupBox>(ids::FocuserGroup)->title(), warning);
  EXPECT_EQ(dialog->Config().sensorAspect, aspect);
  EXPECT_EQ(dialog->Mode(), DisplayMode::Map);
  EXPECT_TRUE(Button(ids::ModeMap)->isChecked());
  // The built-in corrector entry is still the current one: the shift follows
  // the focal length, RoundHalfTowardZero(0.01666 x 1200) = 20.
  Paste(ids::PrimaryFocalLength, "1200");
  EXPECT_EQ(Edit(ids::CorrectorShift)->text(), "20");
}

TEST_F(ConfigFileTest, SaveWritesTheFullFieldAsTheLatestEvaluationLeftIt) {
  // A repaint of the curve or the map behind the dialog re-evaluates the
  // model; what it leaves is what the file holds.
  struct Case {
    const char* name;
    double leftBehind;
    const char* fieldBlock;  // empty: none
  } cases[] = {
      // 12.34 x 57.3 / 1809 x 60 = 23.45 arc-minutes.
      {"a limited field", 12.34, "\r\n\r\nchamp pleine lumiere\r\n 12.3 mm\r\n 23.5 '\r\n\r\n"},
      {"nothing limits the field", NoFieldLimit, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    modals.whileFileDialogOpen = [&] { dialog->Results().fullFieldDiameter = c.leftBehind; };
    Save(Path("field.txt"));
    const std::string file = ReadBytes(Path("field.txt"));
    EXPECT_EQ(Contains(file, "champ pleine lumiere"), *c.fieldBlock != '\0');
    if (*c.fieldBlock != '\0') {
      EXPECT_TRUE(Contains(file, c.fieldBlock)) << file;
      EXPECT_NEAR(dialog->Results().fullFieldArcmin, 23.452, 0.001);
    }
    EXPECT_TRUE(Contains(file, "\r\nObstruction : 25.4 %"));
  }
}

// Sets the largest file this process may write, for as long as it exists
// (root is bound by it too, unlike permissions). Writing past it fails with
// EFBIG instead of ending the process.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &previous);
    previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = previous;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit previous{};
  void (*previousHandler)(int) = nullptr;
};

TEST_F(ConfigFileTest, FailedSaveIsReportedAndLeavesTheFolderAsItWas) {
  ASSERT_TRUE(QDir(folder.path()).mkdir("x.txt"));
  const std::string good = ParameterFile({});
  WriteBytes(Path("good.txt"), good);
  struct Case {
    const char* name;
    const char* chosen;
    rlim_t sizeLimit;  // 0: none
  } cases[] = {
      {"a folder where the file should be", "x", 0},
      {"a folder that has vanished", "gone/config", 0},
      {"a good file, and writes cut off at 100 bytes", "good", 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    modals.messages.clear();
    const QStringList before = FolderEntries();
    modals.saveAnswer = Path(c.chosen);
    {
      std::optional<FileSizeLimit> limit;
      if (c.sizeLimit != 0) limit.emplace(c.sizeLimit);
      dialog->MenuCommand(ids::MenuSaveConfig)->trigger();
    }
    ASSERT_EQ(modals.messages.size(), 1u);
    EXPECT_EQ(modals.messages[0].text, kWriteFailed);
    EXPECT_EQ(modals.messages[0].icon, Modals::Icon::Warning);
    EXPECT_EQ(FolderEntries(), before);  // no temporary file left behind
    EXPECT_TRUE(QFileInfo(Path("x.txt")).isDir());
    EXPECT_EQ(ReadBytes(Path("good.txt")), good);
  }
  // The same file saved where it can be: no message.
  modals.messages.clear();
  Save(Path("good"));
  EXPECT_EQ(ReadBytes(Path("good.txt")).size(), 1913u);
  EXPECT_TRUE(modals.messages.empty());
}

// The real dialogs of both commands, answered by a timer as a user would.
TEST_F(WorkingFolderTest, RealFileDialogsAreSetUpAndKeepTheWorkingFolder) {
  const QString startFolder = QDir::currentPath();
  struct Seen {
    QFileDialog::AcceptMode mode;
    QFileDialog::FileMode fileMode;
    QStringList nameFilters;
    QString selectedFilter, suffix;
    bool nonNative, noOverwriteQuestion, readOnly;
  };
  std::vector<Seen> dialogs;
  std::vector<QString> boxes;
  // Answers whatever is up: a message box is acknowledged; a file dialog is
  // given `chosen` and its button pressed, then cancelled if it is still up.
  // The button is pressed from a queued call: within the timer's own slot a
  // nested box would never see the timer fire again.
  QString chosen;
  enum class Stage { NotSeen, Pressing, Pressed } stage = Stage::NotSeen;
  int ticksPressing = 0;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      boxes.push_back(box->text());
      box->accept();
    } else if (auto* fileDialog = qobject_cast<QFileDialog*>(modal)) {
      if (stage == Stage::NotSeen) {
        dialogs.push_back({fileDialog->acceptMode(), fileDialog->fileMode(),
                           fileDialog->nameFilters(), fileDialog->selectedNameFilter(),
                           fileDialog->defaultSuffix(),
                           fileDialog->testOption(QFileDialog::DontUseNativeDialog),
                           fileDialog->testOption(QFileDialog::DontConfirmOverwrite),
                           fileDialog->testOption(QFileDialog::ReadOnly)});
        stage = Stage::Pressing;
        QMetaObject::invokeMethod(
            fileDialog,
            [&, fileDialog] {
              // Typed into the name box, as a user would (selectFile leaves
              // a focused box alone).
              auto* name = fileDialog->findChild<QLineEdit*>("fileNameEdit");
              ASSERT_NE(name, nullptr);
              name->setText(chosen);
              static_cast<QDialog*>(fileDialog)->accept();
              stage = Stage::Pressed;
            },
            Qt::QueuedConnection);
      } else if (stage == Stage::Pressed || ++ticksPressing > 400) {
        // Still up after its button, or stuck for two seconds: never hang.
        if (stage != Stage::Pressed) ADD_FAILURE() << "file dialog left unanswered";
        fileDialog->reject();
      }
    }
  });
  answer.start(5);
  auto choose = [&](const QString& path) {
    chosen = path;
    stage = Stage::NotSeen;
    ticksPressing = 0;
  };

  QtModals modals;
  CMainDlg dialog(modals);
  dialog.show();
  auto* primary = dialog.ControlAs<QLineEdit>(ids::PrimaryDiameter);
  primary->setText("300");
  const QString saved = QDir(startFolder).filePath("cfg.txt");

  // Save: no suffix from the dialog, the command adds ".txt".
  choose(QDir(startFolder).filePath("cfg"));
  dialog.MenuCommand(ids::MenuSaveConfig)->trigger();
  EXPECT_TRUE(QFileInfo(saved).isFile());
  // Over an existing file: no question.
  primary->setText("250");
  choose(saved);
  dialog.MenuCommand(ids::MenuSaveConfig)->trigger();
  EXPECT_EQ(SplitCrlf(ReadBytes(saved)).front(), "250.000000   # diametre miroir primaire");
  EXPECT_TRUE(boxes.empty());
  // Into a folder that does not exist: the dialog refuses it and stays up.
  choose(QDir(startFolder).filePath("gone/cfg"));
  dialog.MenuCommand(ids::MenuSaveConfig)->trigger();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(boxes[0].contains("gone")) << boxes[0].toStdString();
  EXPECT_FALSE(QDir(startFolder).exists("gone"));
  // Open: a file that does not exist is refused by the dialog itself.
  primary->setText("500");
  choose(QDir(startFolder).filePath("missing.txt"));
  dialog.MenuCommand(ids::MenuLoadConfig)->trigger();
  EXPECT_EQ(boxes.size(), 2u);
  EXPECT_EQ(primary->text(), "500");
  choose(saved);
  dialog.MenuCommand(ids::MenuLoadConfig)->trigger();
  EXPECT_EQ(primary->text(), "250");

  ASSERT_EQ(dialogs.size(), 5u);
  for (std::size_t i = 0; i < dialogs.size(); ++i) {
    SCOPED_TRACE(i);
    const Seen& s = dialogs[i];
    const bool opening = i >= 3;
    EXPECT_EQ(s.mode, opening ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    EXPECT_EQ(s.fileMode, opening ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    EXPECT_EQ(s.nameFilters, QStringList{"Fichiers Ombrelune (*.txt)"});
    EXPECT_EQ(s.selectedFilter, "Fichiers Ombrelune (*.txt)");
    EXPECT_TRUE(s.suffix.isEmpty());
    EXPECT_TRUE(s.nonNative);
    EXPECT_TRUE(s.noOverwriteQuestion);
    EXPECT_FALSE(s.readOnly);
  }
  EXPECT_EQ(QDir::currentPath(), startFolder);
}

}  // namespace
}  // namespace ombrelune
