#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "storage/corrector_catalogue.h"
#include "storage/cp1252.h"
#include "storage/sensor_catalogue.h"
#include "test_files.h"

namespace ombrelune {
namespace {

// The catalogues are read from a copy, as the program reads them from its own
// working folder: the sensor list needs a file it may write.
class ShippedCatalogues : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteBytes(correctorsPath, test::ReadBytes(OMBRELUNE_SHIPPED_DATA "/correcteur.txt"));
    test::WriteBytes(sensorsPath, test::ReadBytes(OMBRELUNE_SHIPPED_DATA "/l_ccd.txt"));
  }
  test::TempDir dir;
  const std::string correctorsPath = dir.File("correcteur.txt");
  const std::string sensorsPath = dir.File("l_ccd.txt");
};

// The file's lines as bytes, each ended by CR LF.
std::vector<std::string> CrlfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  for (std::size_t end; (end = bytes.find("\r\n", at)) != std::string::npos; at = end + 2) {
    lines.push_back(bytes.substr(at, end - at));
  }
  EXPECT_EQ(at, bytes.size()) << "every line ends with CR LF";
  return lines;
}

TEST_F(ShippedCatalogues, CorrectorsParseWithTheBuiltInLineAndAFixedShiftLast) {
  const std::vector<std::string> lines = CrlfLines(test::ReadBytes(correctorsPath));
  ASSERT_GE(lines.size(), 8u);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Televue Paracorr,46,110,1.15,0,0.01666"),
            lines.end());

  CorrectorEntry current;
  const std::vector<std::string> names = LoadCorrectorList(correctorsPath, current);
  ASSERT_EQ(names.size(), lines.size());
  EXPECT_EQ(current.shiftPerFocalLength, 0) << "the current corrector after a stored start";
  for (std::size_t i = 0; i < names.size(); ++i) {
    SCOPED_TRACE(lines[i]);
    EXPECT_EQ(Utf8ToCp1252(names[i]), lines[i].substr(0, lines[i].find(','))) << "decodes back";
    CorrectorEntry e;
    ASSERT_TRUE(ReadCorrectorEntry(correctorsPath, static_cast<int>(i), e));
    EXPECT_EQ(e.name, names[i]);
    EXPECT_GT(e.diameter, 20);
    EXPECT_GT(e.toFocus, 40);
    EXPECT_GT(e.magnification, 0.5);
    EXPECT_LT(e.magnification, 1.5);
  }
}

TEST_F(ShippedCatalogues, SensorsAreWholeRecordsWithSensibleSizes) {
  const std::string bytes = test::ReadBytes(sensorsPath);
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(bytes.size() % SensorRecordBytes, 0u);
  const std::vector<std::string> names = LoadSensorList(sensorsPath);
  ASSERT_EQ(names.size(), bytes.size() / SensorRecordBytes);
  bool hasFullFrame = false;
  for (std::size_t i = 0; i < names.size(); ++i) {
    SCOPED_TRACE(names[i]);
    const std::string record = bytes.substr(i * SensorRecordBytes, SensorRecordBytes);
    EXPECT_EQ(record.substr(64), "\r\n");
    EXPECT_EQ(Utf8ToCp1252(names[i]), record.substr(0, names[i].size())) << "decodes back";
    EXPECT_FALSE(names[i].empty());
    const auto e = ReadSensorEntry(sensorsPath, static_cast<int>(i));
    ASSERT_TRUE(e.has_value());
    EXPECT_GT(e->width, 3);
    EXPECT_GT(e->height, 3);
    EXPECT_LT(e->width, 60);
    EXPECT_LT(e->height, 60);
    if (e->name == "24x36") hasFullFrame = e->width == 36 && e->height == 24;
  }
  EXPECT_TRUE(hasFullFrame);
}

}  // namespace
}  // namespace ombrelune
