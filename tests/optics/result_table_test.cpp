#include "optics/result_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace ombrelune {
namespace {

const double inf = std::numeric_limits<double>::infinity();
const double nan = std::numeric_limits<double>::quiet_NaN();

std::string Row(const char* offset, const char* illumination, const char* loss) {
  return std::string(offset) + "\t   " + illumination + "\t\t   " + loss + "\r\n";
}

// The list of the default configuration, written out line by line: field
// 30.0329 mm = 57.077', secondary offset 5.16 mm, obstruction 102/402.
TEST(ResultList, DefaultsByteForByte) {
  std::string expected =
      "Champ pleine lumiere\r\n"
      " 30.0 mm\r\n"
      " 57.1 '\r\n"
      "\r\n"
      "D\xC3\xA9"
      "calage secondaire:  5.16 mm\r\n"
      "Obstruction: 25.4 %\r\n"
      "\r\n"
      "Offset\tIllumination\tPerte mag\r\n"
      " (mm)\t     (%)\r\n";
  const char* offsets[] = {"   0", "   1", "   2", "   3", "   4", "   5", "   6", "   7",
                           "   8", "   9", "  10", "  11", "  12", "  13", "  14", "  15"};
  for (const char* offset : offsets) expected += Row(offset, "100.0", " 0.00");
  expected += Row("  16", " 99.7", " 0.00") + Row("  17", " 99.0", " 0.01") +
              Row("  18", " 98.3", " 0.02") + Row("  19", " 97.4", " 0.03") +
              Row("  20", " 96.4", " 0.04") + Row("  21", " 95.4", " 0.05") +
              Row("  22", " 94.3", " 0.06");

  ResultTable table;
  EXPECT_EQ(ComputeResult(StartupDefaults(), table), expected);
  EXPECT_EQ(table.rowCount, 23);
  EXPECT_NEAR(table.fullFieldDiameter, 30.0329, 5e-5);
  EXPECT_NEAR(table.fullFieldArcmin, 57.077, 5e-4);
  EXPECT_TRUE(table.rows[23].offsetText.empty());
}

TEST(ResultList, Variants) {
  struct Case {
    const char* name;
    void (*change)(TelescopeConfig&);
    const char* begins;  // start of the list
    int rows;
    std::string lastRow;  // "" when the list has no rows
  } cases[] = {
      {"corrector on", [](TelescopeConfig& c) { c.correctorEnabled = 1; },
       "Focale: 2080.3 mm\r\n\r\nChamp pleine lumiere\r\n", 23, Row("  22", " 79.1", " 0.25")},
      {"obstruction on", [](TelescopeConfig& c) { c.obstructionEnabled = 1; },
       "Champ pleine lumiere\r\n", 23, Row("  22", " 88.3", " 0.14")},
      {"secondary off: no field, no secondary lines",
       [](TelescopeConfig& c) { c.secondaryEnabled = 0; },
       "\r\nOffset\tIllumination\tPerte mag\r\n (mm)\t     (%)\r\n   0\t   100.0", 23,
       Row("  22", "100.0", " 0.00")},
      {"secondary at the focal length",
       [](TelescopeConfig& c) { c.secondaryToFocus = c.primaryFocalLength; },
       "\r\nChamp pleine lumiere < 0\r\n", 23, ""},
      {"secondary too small: negative field", [](TelescopeConfig& c) { c.secondaryDiameter = 50; },
       "\r\nChamp pleine lumiere < 0\r\n", 23, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TelescopeConfig config = StartupDefaults();
    c.change(config);
    ResultTable table;
    const std::string list = ComputeResult(config, table);
    EXPECT_EQ(list.substr(0, std::string(c.begins).size()), c.begins);
    EXPECT_EQ(table.rowCount, c.rows);
    if (c.lastRow.empty()) {
      EXPECT_EQ(list, c.begins);  // the invalid list holds nothing else
    } else {
      EXPECT_EQ(list.substr(list.size() - c.lastRow.size()), c.lastRow);
    }
  }
}

TEST(ResultList, NoLightShows99Magnitudes) {
  TelescopeConfig config = StartupDefaults();
  config.secondaryDiameter = 50;
  ResultTable table;
  ComputeResult(config, table);
  EXPECT_EQ(table.rows[0].illuminationText, "  0.0");
  EXPECT_EQ(table.rows[0].magLossText, "99.00");
}

TEST(Sampling, RowCountFollowsTheHalfDiagonalRoundedUp) {
  struct Case {
    double diagonal;
    int rows;
  } cases[] = {{0, 1},  {43.3, 23}, {44, 23},   {45, 24},     {-1, 2},    {-3, 1},
               {-4, 0}, {198, 100}, {200, 100}, {1e300, 100}, {inf, 100}, {nan, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.diagonal);
    TelescopeConfig config = StartupDefaults();
    config.sensorDiagonal = c.diagonal;
    ResultTable table;
    ComputeResult(config, table);
    EXPECT_EQ(table.rowCount, c.rows);
    if (c.rows == 100) {
      EXPECT_EQ(table.rows[99].offsetText, "  99");
    }
  }
}

TEST(SecondaryOffset, DefaultMirror) {
  EXPECT_NEAR(SecondaryOffset(402, 1809, 102, 350), 5.16, 0.005);
}

// Hostile configurations run through the whole computation: under the
// sanitizers this proves no undefined behaviour; the list stays bounded.
TEST(ResultList, HostileConfigurationsStayBounded) {
  const double values[] = {0, -1, -1e308, 1e308, nan, inf, -inf, 1809};
  for (double v : values) {
    for (int field = 0; field < 6; ++field) {
      SCOPED_TRACE(testing::Message() << "value " << v << " field " << field);
      TelescopeConfig config = StartupDefaults();
      config.focuserEnabled = config.correctorEnabled = config.filterEnabled = 1;
      config.obstructionEnabled = 1;
      double* targets[] = {&config.primaryDiameter,   &config.primaryFocalLength,
                           &config.secondaryDiameter, &config.correctorMagnification,
                           &config.correctorShift,    &config.sensorDiagonal};
      *targets[field] = v;
      if (field == 5 && v == 1809) config.sensorDiagonal = 1000;
      ResultTable table;
      const std::string list = ComputeResult(config, table);
      EXPECT_LE(table.rowCount, ResultCapacity);
      EXPECT_LT(list.size(), 4000u);
      for (int i = 0; i < table.rowCount; ++i) {
        EXPECT_LE(table.rows[i].illuminationText.size(), 24u);
        EXPECT_LE(table.rows[i].magLossText.size(), 24u);
      }
    }
  }
}

}  // namespace
}  // namespace ombrelune
