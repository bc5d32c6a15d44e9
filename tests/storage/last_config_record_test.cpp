#include "storage/last_config_record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace ombrelune {
namespace {

using Bytes = std::array<unsigned char, LastConfigRecordBytes>;

// Writes little-endian bytes given as hex text, in file order.
void Put(Bytes& bytes, std::size_t at, const char* hex) {
  for (std::size_t i = 0; hex[2 * i] != 0; ++i) {
    bytes[at + i] = static_cast<unsigned char>(std::stoi(std::string(hex + 2 * i, 2), nullptr, 16));
  }
}

void PutText(Bytes& bytes, std::size_t at, const std::string& text) {
  std::memcpy(bytes.data() + at, text.data(), text.size());
  bytes[at + text.size()] = 0;
}

// The default record, byte by byte: the doubles as IEEE 754 little-endian
// (402 = 0x4079200000000000 ...), everything else zero.
Bytes HandWrittenDefaultRecord() {
  Bytes b{};
  Put(b, 8, "0000000000207940");   // primaryDiameter 402
  Put(b, 16, "0000000000449c40");  // primaryFocalLength 1809
  b[24] = 1;                       // secondaryEnabled
  Put(b, 32, "0000000000805940");  // secondaryDiameter 102
  Put(b, 40, "0000000000e07540");  // secondaryToFocus 350
  Put(b, 56, "6666666666664940");  // focuserDiameter 50.8
  Put(b, 64, "0000000000a06040");  // focuserToFocus 133
  PutText(b, 73, "Televue Paracorr");
  Put(b, 176, "0000000000004740");  // correctorDiameter 46
  Put(b, 184, "0000000000805b40");  // correctorToFocus 110
  Put(b, 192, "666666666666f23f");  // correctorMagnification 1.15
  Put(b, 200, "0000000000003e40");  // correctorShift 30 (1809 x 0.01666666666 = 30.15)
  Put(b, 216, "0000000000004640");  // filterDiameter 44
  Put(b, 224, "0000000000003a40");  // filterToFocus 26
  PutText(b, 232, "24x36");
  Put(b, 336, "0000000000004640");  // sensorDiagonal 44
  Put(b, 344, "0000000000004240");  // sensorWidth 36
  Put(b, 352, "0000000000003840");  // sensorHeight 24
  return b;
}

TEST(LastConfigRecord, DefaultRecordByteForByte) {
  EXPECT_EQ(DefaultLastConfigRecord().bytes, HandWrittenDefaultRecord());
}

TEST(LastConfigRecord, DecodesEveryFieldAtItsOffset) {
  LastConfigRecord record{HandWrittenDefaultRecord()};
  record.bytes[0] = 1;
  record.bytes[49] = 1;  // focuserEnabled, right after obstructionEnabled
  const StoredConfig s = DecodeLastConfig(record);
  EXPECT_TRUE(s.loadAtStart);
  EXPECT_EQ(s.config.primaryDiameter, 402);
  EXPECT_EQ(s.config.primaryFocalLength, 1809);
  EXPECT_EQ(s.config.secondaryEnabled, 1);
  EXPECT_EQ(s.config.secondaryDiameter, 102);
  EXPECT_EQ(s.config.secondaryToFocus, 350);
  EXPECT_EQ(s.config.obstructionEnabled, 0);
  EXPECT_EQ(s.config.focuserEnabled, 1);
  EXPECT_EQ(s.config.focuserDiameter, 50.8);
  EXPECT_EQ(s.config.focuserToFocus, 133);
  EXPECT_EQ(s.config.correctorEnabled, 0);
  EXPECT_EQ(s.correctorName, "Televue Paracorr");
  EXPECT_EQ(s.config.correctorDiameter, 46);
  EXPECT_EQ(s.config.correctorToFocus, 110);
  EXPECT_EQ(s.config.correctorMagnification, 1.15);
  EXPECT_EQ(s.config.correctorShift, 30);
  EXPECT_EQ(s.config.filterEnabled, 0);
  EXPECT_EQ(s.config.filterDiameter, 44);
  EXPECT_EQ(s.config.filterToFocus, 26);
  EXPECT_EQ(s.sensorName, "24x36");
  EXPECT_EQ(s.config.sensorDiagonal, 44);
  EXPECT_EQ(s.config.sensorWidth, 36);
  EXPECT_EQ(s.config.sensorHeight, 24);
  EXPECT_DOUBLE_EQ(s.config.sensorAspect, 24.0 / 36.0);
}

TEST(LastConfigRecord, FlagsGoThroughNormalizeFlag) {
  const struct {
    unsigned char byte;
    int flag;
  } cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {255, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.byte));
    LastConfigRecord record;
    for (std::size_t at : {24, 48, 49, 72, 208}) record.bytes[at] = c.byte;
    const TelescopeConfig config = DecodeLastConfig(record).config;
    EXPECT_EQ(config.secondaryEnabled, c.flag);
    EXPECT_EQ(config.obstructionEnabled, c.flag);
    EXPECT_EQ(config.focuserEnabled, c.flag);
    EXPECT_EQ(config.correctorEnabled, c.flag);
    EXPECT_EQ(config.filterEnabled, c.flag);
  }
}

TEST(LastConfigRecord, DamagedRecordNeverReadsPastAField) {
  LastConfigRecord record;
  record.bytes.fill('A');  // no NUL anywhere, and every double is garbage
  const StoredConfig s = DecodeLastConfig(record);
  EXPECT_EQ(s.correctorName, std::string(103, 'A'));
  EXPECT_EQ(s.sensorName, std::string(104, 'A'));
  EXPECT_EQ(s.config.primaryDiameter, 2261634.5098039214);  // 0x4141414141414141

  Put(record.bytes, 8, "000000000000f87f");  // a NaN primary diameter is taken as it is
  EXPECT_TRUE(std::isnan(DecodeLastConfig(record).config.primaryDiameter));
}

TEST(LastConfigRecord, EncodeKeepsPaddingLoadFlagAndBytesAfterTheNul) {
  LastConfigRecord record;
  record.bytes.fill(0xAB);
  TelescopeConfig config;
  config.primaryDiameter = 250;
  config.sensorHeight = 15.6;
  config.secondaryEnabled = 1;
  config.filterEnabled = 2;
  EncodeLastConfig(record, config, "\xE2\x82\xAC\xC5\x93", "%d %s");  // "€œ"

  Bytes expected;
  expected.fill(0xAB);
  for (std::size_t at : {8, 16, 32, 40, 56, 64, 176, 184, 192, 200, 216, 224, 336, 344, 352}) {
    Put(expected, at, "0000000000000000");
  }
  Put(expected, 8, "0000000000406f40");    // 250
  Put(expected, 352, "3333333333332f40");  // 15.6
  for (std::size_t at : {24, 48, 49, 72, 208}) expected[at] = 0;
  expected[24] = 1;
  expected[208] = 2;
  Put(expected, 73, "809c00");       // Windows-1252 bytes, then the NUL
  Put(expected, 232, "2564202573");  // stored verbatim, percent signs included
  expected[237] = 0;
  EXPECT_EQ(record.bytes, expected);
}

TEST(LastConfigRecord, RoundTripCutsNamesTo49) {
  LastConfigRecord record;
  TelescopeConfig config;
  config.primaryDiameter = 203.2;
  config.primaryFocalLength = 812.8;
  config.correctorMagnification = 0.73;
  config.correctorShift = -22.5;
  config.sensorWidth = 23.5;
  config.sensorHeight = 15.7;
  const std::string longName(60, 'x');
  EncodeLastConfig(record, config, longName, "Caméra œil");
  const StoredConfig s = DecodeLastConfig(record);
  EXPECT_EQ(s.correctorName, std::string(49, 'x'));
  EXPECT_EQ(s.sensorName, "Caméra œil");
  EXPECT_EQ(s.config.primaryDiameter, 203.2);
  EXPECT_EQ(s.config.primaryFocalLength, 812.8);
  EXPECT_EQ(s.config.correctorMagnification, 0.73);
  EXPECT_EQ(s.config.correctorShift, -22.5);
  EXPECT_EQ(s.config.sensorWidth, 23.5);
  EXPECT_EQ(s.config.sensorHeight, 15.7);
  EXPECT_EQ(record.bytes[73 + 49], 0);
}

}  // namespace
}  // namespace ombrelune
