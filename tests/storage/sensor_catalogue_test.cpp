#include "storage/sensor_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "test_files.h"

namespace ombrelune {
namespace {

// A record as a catalogue holds it: 30 name bytes, 6 width bytes, 1 separator,
// 6 height bytes, 21 filler bytes, CR LF.
std::string Record(std::string name30, std::string width6, std::string height6,
                   char separator = 'x', std::string filler = std::string(21, ' ')) {
  std::string r = name30 + width6 + separator + height6 + filler + "\r\n";
  EXPECT_EQ(r.size(), SensorRecordBytes) << name30;
  return r;
}

std::string Padded(std::string name) {
  return name + std::string(30 - name.size(), ' ');
}

TEST(ParseSensorRecord, EachFieldAlone) {
  const struct {
    const char* what;
    std::string record;
    SensorEntry entry;
  } cases[] = {
      {"trailing spaces dropped", Record(Padded("24x36"), " 36.00", " 24.00"), {"24x36", 36, 24}},
      {"a 30-character name is whole",
       Record("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123", "23.5  ", "15.6  "),
       {"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123", 23.5, 15.6}},
      {"spaces inside and in front stay",
       Record(Padded(" Canon  APS-C"), "  22.3", "  14.9"),
       {" Canon  APS-C", 22.3, 14.9}},
      {"name in Windows-1252",
       Record(Padded("Cam\xE9ra \x80"), "    10", "     5"),
       {"Cam\xC3\xA9ra \xE2\x82\xAC", 10, 5}},
      {"a NUL ends the name",
       Record(Padded(std::string("KAF\0junk", 8)), "17.96 ", "13.52 "),
       {"KAF", 17.96, 13.52}},
      {"the width does not run into the separator",
       Record(Padded("W"), "123456", "1     ", '7'),
       {"W", 123456, 1}},
      {"the height does not run into the filler",
       Record(Padded("H"), "1     ", "    24", 'x', "999" + std::string(18, ' ')),
       {"H", 1, 24}},
      {"an exponent cut by the field end",
       Record(Padded("E"), "  36e1", "2.5e-1", 'e', "5" + std::string(20, ' ')),
       {"E", 360, 0.25}},
      {"no number reads 0", Record(Padded("Z"), "  abc ", "      "), {"Z", 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const SensorEntry e = ParseSensorRecord(c.record);
    EXPECT_EQ(e.name, c.entry.name);
    EXPECT_DOUBLE_EQ(e.width, c.entry.width);
    EXPECT_DOUBLE_EQ(e.height, c.entry.height);
  }
}

TEST(SensorFile, WholeRecordsOnly) {
  test::TempDir dir;
  const std::string path = dir.File("l_ccd.txt");
  // 150 bytes: two records and 18 bytes of a third, which is ignored.
  const std::string bytes = Record(Padded("24x36"), "    36", "    24") +
                            Record(Padded("APS-C Canon"), "  22.3", "  14.9") +
                            std::string(18, 'T');
  ASSERT_EQ(bytes.size(), 150u);
  test::WriteBytes(path, bytes);
  EXPECT_EQ(LoadSensorList(path), (std::vector<std::string>{"24x36", "APS-C Canon"}));

  const auto second = ReadSensorEntry(path, 1);
  ASSERT_TRUE(second.has_value());
  EXPECT_EQ(second->name, "APS-C Canon");
  EXPECT_DOUBLE_EQ(second->width, 22.3);
  EXPECT_DOUBLE_EQ(second->height, 14.9);

  EXPECT_FALSE(ReadSensorEntry(path, 2).has_value()) << "the short last record";
  EXPECT_FALSE(ReadSensorEntry(path, 1000).has_value()) << "beyond a shortened file";
  EXPECT_FALSE(ReadSensorEntry(path, -1).has_value()) << "no entry selected";
  EXPECT_FALSE(ReadSensorEntry(dir.File("missing"), 0).has_value());
  EXPECT_TRUE(LoadSensorList(dir.File("missing")).empty());
  EXPECT_TRUE(LoadSensorList(dir.path()).empty()) << "a folder in the file's place";
}

TEST(ApplySensorEntry, DiagonalInHundredths) {
  const struct {
    const char* what;
    double width, height, diagonal;
  } cases[] = {
      {"full frame: root 43.2666", 36, 24, 43.27},
      {"3 x 4: exact root 5 still gets its hundredth", 3, 4, 5.01},
      {"APS-C Canon: root 26.8196", 22.3, 14.9, 26.82},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TelescopeConfig config;
    ApplySensorEntry(config, c.width, c.height);
    EXPECT_EQ(config.sensorWidth, c.width);
    EXPECT_EQ(config.sensorHeight, c.height);
    EXPECT_DOUBLE_EQ(config.sensorAspect, c.height / c.width);
    EXPECT_DOUBLE_EQ(config.sensorDiagonal, c.diagonal);
  }
}

TEST(ApplySensorEntry, ZeroWidthLeavesAnAspectThatIsNotFinite) {
  TelescopeConfig config;
  ApplySensorEntry(config, 0, 24);
  EXPECT_FALSE(std::isfinite(config.sensorAspect));
  EXPECT_DOUBLE_EQ(config.sensorDiagonal, 24.01);
  ApplySensorEntry(config, 0, 0);
  EXPECT_TRUE(std::isnan(config.sensorAspect));
  EXPECT_DOUBLE_EQ(config.sensorDiagonal, 0.01);
}

}  // namespace
}  // namespace ombrelune
