#include "storage/corrector_catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_files.h"

namespace ombrelune {
namespace {

void ExpectEntry(const CorrectorEntry& e, const CorrectorEntry& expected) {
  EXPECT_EQ(e.name, expected.name);
  EXPECT_DOUBLE_EQ(e.diameter, expected.diameter);
  EXPECT_DOUBLE_EQ(e.toFocus, expected.toFocus);
  EXPECT_DOUBLE_EQ(e.magnification, expected.magnification);
  EXPECT_DOUBLE_EQ(e.shift, expected.shift);
  EXPECT_DOUBLE_EQ(e.shiftPerFocalLength, expected.shiftPerFocalLength);
}

TEST(ParseCorrectorLine, Fields) {
  const struct {
    const char* what;
    const char* line;
    CorrectorEntry entry;
  } cases[] = {
      {"the catalogue's own example",
       "Televue Paracorr,46,110,1.15,0,0.01666",
       {"Televue Paracorr", 46, 110, 1.15, 0, 0.01666}},
      {"spaces in front of the name stay",
       "  Spaced name ,1,2,3,4,5",
       {"  Spaced name ", 1, 2, 3, 4, 5}},
      {"a sixth number is ignored", "A,1,2,3,4,5,6", {"A", 1, 2, 3, 4, 5}},
      {"missing numbers are 0", "A,46,110", {"A", 46, 110, 0, 0, 0}},
      {"no comma: the whole line is the name", "Lonely", {"Lonely", 0, 0, 0, 0, 0}},
      {"empty line: empty name", "", {"", 0, 0, 0, 0, 0}},
      {"an empty field reads 0 and shifts nothing", "A,,110,1.15", {"A", 0, 110, 1.15, 0, 0}},
      {"text in a field reads 0", "A,abc,2", {"A", 0, 2, 0, 0, 0}},
      {"blanks before a number, text after it", "A, 46 mm,\t110", {"A", 46, 110, 0, 0, 0}},
      {"exponent and sign", "A,4.6e1,-2,+1.5", {"A", 46, -2, 1.5, 0, 0}},
      {"no inf, nan or hex", "A,inf,nan,0x10", {"A", 0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectEntry(ParseCorrectorLine(c.line), c.entry);
  }
}

class CorrectorFile : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::string path = dir.File("correcteur.txt");
  // Last line without line end; a name in Windows-1252 ("Réducteur ASA").
  void SetUp() override {
    test::WriteBytes(path, test::Crlf("Televue Paracorr,46,110,1.15,0,0.01666\n"
                                      "R\xE9"
                                      "ducteur ASA,60,85,0.73,-20,0\n"
                                      "Sans allongement,40,70,1,12,0"));
  }
};

TEST_F(CorrectorFile, ListHoldsTheNamesAndLeavesTheLastLineCurrent) {
  CorrectorEntry current;
  EXPECT_EQ(LoadCorrectorList(path, current), (std::vector<std::string>{"Televue Paracorr",
                                                                        "R\xC3\xA9"
                                                                        "ducteur ASA",
                                                                        "Sans allongement"}));
  ExpectEntry(current, {"Sans allongement", 40, 70, 1, 12, 0});
}

TEST_F(CorrectorFile, SelectionReadsUpToItsLine) {
  CorrectorEntry current;
  EXPECT_TRUE(ReadCorrectorEntry(path, 1, current));
  ExpectEntry(current, {"R\xC3\xA9"
                        "ducteur ASA",
                        60, 85, 0.73, -20, 0});

  // A catalogue shortened while the program runs: the last line read applies.
  EXPECT_TRUE(ReadCorrectorEntry(path, 7, current));
  ExpectEntry(current, {"Sans allongement", 40, 70, 1, 12, 0});
}

TEST_F(CorrectorFile, NothingSelectedOrNoFileLeavesTheCurrentEntry) {
  const CorrectorEntry before{"Typed by hand", 1, 2, 3, 4, 0};
  CorrectorEntry current = before;
  EXPECT_FALSE(ReadCorrectorEntry(path, -1, current));
  ExpectEntry(current, before);
  EXPECT_FALSE(ReadCorrectorEntry(dir.File("missing.txt"), 0, current));
  ExpectEntry(current, before);
  EXPECT_TRUE(LoadCorrectorList(dir.File("missing.txt"), current).empty());
  ExpectEntry(current, before);
  test::WriteBytes(path, "");
  EXPECT_FALSE(ReadCorrectorEntry(path, 0, current));
  ExpectEntry(current, before);
}

TEST_F(CorrectorFile, LongLineGivesOneEntryPerPiece) {
  const std::string line = std::string(240, 'N') + ",1,2,3,4,5";
  ASSERT_EQ(line.size(), 250u);
  test::WriteBytes(path, line + "\r\nLast,1,1,1,0,0\r\n");
  CorrectorEntry current;
  EXPECT_EQ(LoadCorrectorList(path, current),
            (std::vector<std::string>{std::string(198, 'N'), std::string(42, 'N'), "Last"}));
  // The second entry is the line's last 52 characters, numbers included.
  EXPECT_TRUE(ReadCorrectorEntry(path, 1, current));
  ExpectEntry(current, {std::string(42, 'N'), 1, 2, 3, 4, 5});
}

TEST(ApplyCorrectorEntry, ShiftFixedOrFollowingTheFocalLength) {
  TelescopeConfig config;
  config.primaryFocalLength = 1809;
  config.correctorEnabled = 0;
  ApplyCorrectorEntry(config, {"Televue Paracorr", 46, 110, 1.15, 0, 0.01666});
  EXPECT_EQ(config.correctorDiameter, 46);
  EXPECT_EQ(config.correctorToFocus, 110);
  EXPECT_EQ(config.correctorMagnification, 1.15);
  EXPECT_EQ(config.correctorShift, 30);  // 0.01666 x 1809 = 30.138
  EXPECT_EQ(config.correctorEnabled, 0);

  for (double focal : {500.0, 1809.0, 4000.0}) {
    config.primaryFocalLength = focal;
    ApplyCorrectorEntry(config, {"Fixed", 40, 70, 1, 12, 0});
    EXPECT_EQ(config.correctorShift, 12) << focal;
  }
}

}  // namespace
}  // namespace ombrelune
