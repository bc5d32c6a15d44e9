#include "storage/config_text_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "storage/file_replace.h"
#include "test_files.h"

namespace ombrelune {
namespace {

const std::string kDefaultParameters = test::Crlf(
    "402.000000   # diametre miroir primaire\n"
    "1809.000000   # focale miroir primaire\n"
    "1            # calcul ombrelune du miroir secondaire\n"
    "102.000000   # diametre miroir secondaire\n"
    "350.000000   # tirage (secondaire, plan focal)\n"
    "0            # pourcentage d'illumination affect\xE9 par l'obstruction\n"
    "0            # calcul ombrelune du porte oculaire\n"
    "50.800000   # diametre interne tube porte oculaire\n"
    "101.000000   # distance entree tube porte oculaire, plan focal\n"
    "0            # calcul ombrelune du correcteur de champ\n"
    "Televue Paracorr\n"
    "46.000000   # diametre premiere lentille correcteur de champ (la plus proche du miroir "
    "secondaire)\n"
    "110.000000   # distance premiere lentille correcteur de champ, plan focal\n"
    "1.150000   # Facteur de grossissement\n"
    "30.000000   # Allongement sortie\n"
    "0            # calcul ombrelune du filtre\n"
    "44.000000   # diametre interne du filtre\n"
    "26.000000   # distance filtre, plan focal\n"
    "44.000000   # diagonale capteur\n"
    "36.000000   # largeur du capteur\n"
    "24.000000   # hauteur du capteur\n"
    "24x36\n");

TEST(ConfigTextFile, DefaultParameterSectionByteForByte) {
  EXPECT_EQ(FormatParameterSection(StartupDefaults(), "Televue Paracorr", "24x36"),
            kDefaultParameters);
}

// The expected file comes from tests/data/storage/expected_defaults.py, which
// computes the rows from the geometry on its own.
TEST(ConfigTextFile, SavedDefaultsMatchTheHandComputedFile) {
  const TelescopeConfig config = StartupDefaults();
  ResultTable table;
  ComputeResult(config, table);
  const std::string expected = test::ReadBytes(OMBRELUNE_STORAGE_FIXTURES "/defaults_saved.txt");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(FormatConfigFile(config, "Televue Paracorr", "24x36", table), expected);
  EXPECT_NEAR(table.fullFieldArcmin, 57.077, 0.001);  // kept for the window
}

// A table as a run leaves it, without running the model.
ResultTable TableOf(int rows, double fullField) {
  ResultTable table;
  for (int i = 0; i < rows; ++i) table.rows[i] = {"   " + std::to_string(i), "100.0", " 0.00"};
  table.rowCount = rows;
  table.fullFieldDiameter = fullField;
  return table;
}

TEST(ConfigTextFile, ResultBlocksFollowTheirConditions) {
  TelescopeConfig config = StartupDefaults();
  const std::string rowsBlock = test::Crlf(
      "\n\nOffset  Illumination   Perte mag\n (mm)        (%)\n"
      "   0        100.0         0.00\n   1        100.0         0.00\n");
  const std::string fieldBlock = test::Crlf("\n\nchamp pleine lumiere\n 30.0 mm\n 57.1 '\n\n");
  const std::string secondaryBlock = test::Crlf(
      "\nd\xE9"
      "calage secondaire :  5.16 mm\nObstruction : 25.4 %");
  const struct {
    const char* what;
    int rows;
    double field;
    int secondary;
    std::string result;
  } cases[] = {
      {"everything", 2, 30.0329, 1, rowsBlock + fieldBlock + secondaryBlock},
      {"no rows: no header either", 0, 30.0329, 1, fieldBlock + secondaryBlock},
      {"secondary off: ends after the field's empty line", 2, 30.0329, 0, rowsBlock + fieldBlock},
      {"secondary off, no field limit: ends after the last row", 2, NoFieldLimit, 0, rowsBlock},
      {"nothing at all", 0, NoFieldLimit, 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    config.secondaryEnabled = c.secondary;
    ResultTable table = TableOf(c.rows, c.field);
    EXPECT_EQ(FormatResultSection(config, table), c.result);
  }
}

TEST(ConfigTextFile, FieldAngleComputedLeftToRightAndKept) {
  TelescopeConfig config = StartupDefaults();
  ResultTable table = TableOf(0, 12.345);
  FormatResultSection(config, table);
  EXPECT_EQ(table.fullFieldArcmin, 12.345 * 57.3 / 1809 * 60);
}

class ConfigFile : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::string path = dir.File("config.txt");

  struct Loaded {
    TelescopeConfig config;
    std::string corrector = "unchanged";
    std::string sensor = "unchanged";
  };
  Loaded Load(const TelescopeConfig& before = TelescopeConfig()) {
    Loaded loaded{before};
    EXPECT_TRUE(LoadConfigFile(path, loaded.config, loaded.corrector, loaded.sensor));
    return loaded;
  }
};

TEST_F(ConfigFile, SaveThenLoadGivesTheSameConfiguration) {
  TelescopeConfig saved;
  saved.primaryDiameter = 203.2;
  saved.secondaryDiameter = 47.5;
  saved.primaryFocalLength = 812.8;
  saved.secondaryToFocus = 160.25;
  saved.sensorDiagonal = 28.3;
  saved.focuserToFocus = 95.5;
  saved.focuserDiameter = 47.6;
  saved.focuserEnabled = 1;
  saved.correctorDiameter = 42;
  saved.correctorToFocus = 77.5;
  saved.correctorEnabled = 1;
  saved.secondaryEnabled = 1;
  saved.filterToFocus = 21;
  saved.filterEnabled = 1;
  saved.filterDiameter = 31.75;
  saved.sensorWidth = 23.5;
  saved.sensorHeight = 15.7;
  saved.correctorMagnification = 0.95;
  saved.correctorShift = -12.123456789;  // more than six decimals: rounded by "%f"
  saved.obstructionEnabled = 1;
  saved.sensorAspect = 0.5;  // not stored
  ResultTable table;
  ComputeResult(saved, table);
  const std::string corrector =
      "R\xC3\xA9"
      "ducteur \xE2\x82\xAC\xC5\x93 100%";  // "Réducteur €œ 100%"
  ASSERT_TRUE(WriteFileReplacing(path, FormatConfigFile(saved, corrector, "%s %d", table)));

  TelescopeConfig before;
  before.sensorAspect = 0.25;
  const Loaded loaded = Load(before);
  TelescopeConfig expected = saved;
  expected.correctorShift = -12.123457;
  expected.sensorAspect = 0.25;  // loading leaves it alone
  const TelescopeConfig& got = loaded.config;
  for (auto member : {&TelescopeConfig::primaryDiameter, &TelescopeConfig::secondaryDiameter,
                      &TelescopeConfig::primaryFocalLength, &TelescopeConfig::secondaryToFocus,
                      &TelescopeConfig::sensorDiagonal, &TelescopeConfig::focuserToFocus,
                      &TelescopeConfig::focuserDiameter, &TelescopeConfig::correctorDiameter,
                      &TelescopeConfig::correctorToFocus, &TelescopeConfig::filterToFocus,
                      &TelescopeConfig::filterDiameter, &TelescopeConfig::sensorWidth,
                      &TelescopeConfig::sensorHeight, &TelescopeConfig::correctorMagnification,
                      &TelescopeConfig::correctorShift, &TelescopeConfig::sensorAspect}) {
    EXPECT_EQ(got.*member, expected.*member);
  }
  for (auto member : {&TelescopeConfig::focuserEnabled, &TelescopeConfig::correctorEnabled,
                      &TelescopeConfig::secondaryEnabled, &TelescopeConfig::filterEnabled,
                      &TelescopeConfig::obstructionEnabled}) {
    EXPECT_EQ(got.*member, 1);
  }
  EXPECT_EQ(loaded.corrector, corrector);
  EXPECT_EQ(loaded.sensor, "%s %d");
}

TEST_F(ConfigFile, LongNameIsSavedCutTo49) {
  const std::string name(60, 'n');
  ResultTable table = TableOf(0, NoFieldLimit);
  test::WriteBytes(path, FormatConfigFile(StartupDefaults(), name, "", table));
  const Loaded loaded = Load();
  EXPECT_EQ(loaded.corrector, std::string(49, 'n'));
  EXPECT_EQ(loaded.sensor, "") << "an empty text gives an empty line";
}

TEST_F(ConfigFile, OnlyTheLinesPresentChangeAnything) {
  test::WriteBytes(path, "250\r\n1000\r\n0\r\n60.5\r\n200");  // five lines, the last unended
  TelescopeConfig before = StartupDefaults();
  const Loaded loaded = Load(before);
  EXPECT_EQ(loaded.config.primaryDiameter, 250);
  EXPECT_EQ(loaded.config.primaryFocalLength, 1000);
  EXPECT_EQ(loaded.config.secondaryEnabled, 0);
  EXPECT_EQ(loaded.config.secondaryDiameter, 60.5);
  EXPECT_EQ(loaded.config.secondaryToFocus, 200);
  EXPECT_EQ(loaded.config.obstructionEnabled, before.obstructionEnabled);
  EXPECT_EQ(loaded.config.focuserToFocus, before.focuserToFocus);
  EXPECT_EQ(loaded.config.sensorHeight, before.sensorHeight);
  EXPECT_EQ(loaded.corrector, "unchanged");
  EXPECT_EQ(loaded.sensor, "unchanged");
}

TEST_F(ConfigFile, LastLineWithoutLineEndAndWhatFollowsLine22) {
  std::string bytes = kDefaultParameters;
  bytes.resize(bytes.size() - 2);  // "24x36" without its CR LF
  test::WriteBytes(path, bytes);
  EXPECT_EQ(Load().sensor, "24x36");
  test::WriteBytes(path, kDefaultParameters + "999   # not a parameter\r\nname\r\n");
  const Loaded loaded = Load();
  EXPECT_EQ(loaded.config.primaryDiameter, 402);
  EXPECT_EQ(loaded.sensor, "24x36");
}

TEST_F(ConfigFile, FlagLines) {
  const struct {
    const char* what;
    const char* line;
    int flag;
  } cases[] = {
      {"one", "1            # comment", 1},
      {"two is kept, as the check box shows it", "2", 2},
      {"out of range: off", "7", 0},
      {"negative: off", "-1", 0},
      {"huge: off, no overflow", "99999999999999999999", 0},
      {"text: off", "oui", 0},
      {"blanks in front", "   1", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::WriteBytes(path, std::string("402\r\n1809\r\n") + c.line + "\r\n");
    TelescopeConfig before;
    before.secondaryEnabled = 1;
    EXPECT_EQ(Load(before).config.secondaryEnabled, c.flag);
  }
}

TEST_F(ConfigFile, HugeNumberLines) {
  // "%f" of 1e101 gives 108 characters: with its comment, line 12 holds 197
  // characters and still loads. One digit more makes it 198 characters, a
  // piece without its line end: the line end becomes an empty line 13 and the
  // later parameters read the line above their own.
  TelescopeConfig config = StartupDefaults();
  ResultTable table = TableOf(0, NoFieldLimit);
  config.correctorDiameter = 1e101;
  test::WriteBytes(path, FormatConfigFile(config, "Televue Paracorr", "24x36", table));
  Loaded loaded = Load();
  EXPECT_EQ(loaded.config.correctorDiameter, 1e101);
  EXPECT_EQ(loaded.config.correctorToFocus, 110);
  EXPECT_EQ(loaded.sensor, "24x36");

  config.correctorDiameter = 2e101;
  test::WriteBytes(path, FormatConfigFile(config, "Televue Paracorr", "24x36", table));
  loaded = Load();
  EXPECT_EQ(loaded.config.correctorDiameter, 2e101);
  EXPECT_EQ(loaded.config.correctorToFocus, 0);          // the empty piece
  EXPECT_EQ(loaded.config.correctorMagnification, 110);  // line 13
  EXPECT_EQ(loaded.config.correctorShift, 1.15);         // line 14
  EXPECT_EQ(loaded.config.filterEnabled, 0);             // line 15, "30.000000": 30, out of range
  EXPECT_EQ(loaded.config.sensorHeight, 36);             // line 20
  EXPECT_EQ(loaded.sensor, "24.000000   # hauteur du capteur");  // line 21
}

TEST_F(ConfigFile, MissingFileChangesNothing) {
  TelescopeConfig config = StartupDefaults();
  std::string corrector = "c", sensor = "s";
  EXPECT_FALSE(LoadConfigFile(dir.File("missing.txt"), config, corrector, sensor));
  EXPECT_EQ(config.primaryDiameter, 402);
  EXPECT_EQ(corrector, "c");
}

TEST(ConfigTextFile, ExtensionRule) {
  const struct {
    const char* path;
    const char* used;
  } cases[] = {
      {"config", "config.txt"},
      {"config.", "config..txt"},
      {"config.dat", "config.dat"},
      {"config.txt", "config.txt"},
      {"/home/u/dir.d/config", "/home/u/dir.d/config.txt"},
      {"/home/u/dir.d/config.v2", "/home/u/dir.d/config.v2"},
      {".hidden", ".hidden"},
  };
  for (const auto& c : cases) EXPECT_EQ(WithConfigExtension(c.path), c.used) << c.path;
  const std::string longPath = "/tmp/" + std::string(300, 'd') + "/" + std::string(200, 'f');
  EXPECT_EQ(WithConfigExtension(longPath), longPath + ".txt") << "no length limit";
}

}  // namespace
}  // namespace ombrelune
