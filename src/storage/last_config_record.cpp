#include "last_config_record.h"

#include <bit>
#include <cstdint>

#include "cp1252.h"
#include "optics/rounding.h"

namespace ombrelune {
namespace {

constexpr std::size_t kLoadAtStartAt = 0;

struct DoubleField {
  std::size_t offset;
  double TelescopeConfig::*member;
};

struct FlagField {
  std::size_t offset;
  int TelescopeConfig::*member;
};

struct TextField {
  std::size_t offset;
  std::size_t size;
};

constexpr DoubleField kDoubles[] = {
    {8, &TelescopeConfig::primaryDiameter},          {16, &TelescopeConfig::primaryFocalLength},
    {32, &TelescopeConfig::secondaryDiameter},       {40, &TelescopeConfig::secondaryToFocus},
    {56, &TelescopeConfig::focuserDiameter},         {64, &TelescopeConfig::focuserToFocus},
    {176, &TelescopeConfig::correctorDiameter},      {184, &TelescopeConfig::correctorToFocus},
    {192, &TelescopeConfig::correctorMagnification}, {200, &TelescopeConfig::correctorShift},
    {216, &TelescopeConfig::filterDiameter},         {224, &TelescopeConfig::filterToFocus},
    {336, &TelescopeConfig::sensorDiagonal},         {344, &TelescopeConfig::sensorWidth},
    {352, &TelescopeConfig::sensorHeight},
};

constexpr FlagField kFlags[] = {
    {24, &TelescopeConfig::secondaryEnabled}, {48, &TelescopeConfig::obstructionEnabled},
    {49, &TelescopeConfig::focuserEnabled},   {72, &TelescopeConfig::correctorEnabled},
    {208, &TelescopeConfig::filterEnabled},
};

constexpr TextField kCorrectorName = {73, 103};
constexpr TextField kSensorName = {232, 104};

double ReadDouble(const LastConfigRecord& record, std::size_t at) {
  std::uint64_t bits = 0;
  for (std::size_t i = 0; i < 8; ++i) {
    bits |= static_cast<std::uint64_t>(record.bytes[at + i]) << (8 * i);
  }
  return std::bit_cast<double>(bits);
}

void WriteDouble(LastConfigRecord& record, std::size_t at, double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  for (std::size_t i = 0; i < 8; ++i) {
    record.bytes[at + i] = static_cast<unsigned char>(bits >> (8 * i));
  }
}

std::string ReadText(const LastConfigRecord& record, TextField field) {
  std::string bytes;
  for (std::size_t i = 0; i < field.size && record.bytes[field.offset + i] != 0; ++i) {
    bytes.push_back(static_cast<char>(record.bytes[field.offset + i]));
  }
  return Cp1252ToUtf8(bytes);
}

void WriteText(LastConfigRecord& record, TextField field, std::string_view utf8) {
  const std::string bytes = EncodeName(utf8);  // 49 bytes at most: always fits with its NUL
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    record.bytes[field.offset + i] = static_cast<unsigned char>(bytes[i]);
  }
  record.bytes[field.offset + bytes.size()] = 0;
}

}  // namespace

StoredConfig DecodeLastConfig(const LastConfigRecord& record) {
  StoredConfig stored;
  for (const DoubleField& f : kDoubles) stored.config.*f.member = ReadDouble(record, f.offset);
  for (const FlagField& f : kFlags) stored.config.*f.member = NormalizeFlag(record.bytes[f.offset]);
  stored.config.sensorAspect = stored.config.sensorHeight / stored.config.sensorWidth;
  stored.correctorName = ReadText(record, kCorrectorName);
  stored.sensorName = ReadText(record, kSensorName);
  stored.loadAtStart = LoadAtStart(record);
  return stored;
}

void EncodeLastConfig(LastConfigRecord& record, const TelescopeConfig& config,
                      std::string_view correctorName, std::string_view sensorName) {
  for (const DoubleField& f : kDoubles) WriteDouble(record, f.offset, config.*f.member);
  for (const FlagField& f : kFlags) {
    record.bytes[f.offset] = static_cast<unsigned char>(NormalizeFlag(config.*f.member));
  }
  WriteText(record, kCorrectorName, correctorName);
  WriteText(record, kSensorName, sensorName);
}

bool LoadAtStart(const LastConfigRecord& record) {
  return record.bytes[kLoadAtStartAt] != 0;
}

void SetLoadAtStart(LastConfigRecord& record, bool load) {
  record.bytes[kLoadAtStartAt] = load ? 1 : 0;
}

LastConfigRecord DefaultLastConfigRecord() {
  // The record a first start writes differs from the start-up defaults in two
  // values only; it is never applied, since its flag is 0.
  TelescopeConfig config = StartupDefaults();
  config.focuserToFocus = 133;
  config.correctorShift = RoundHalfTowardZero(1809 * 0.01666666666);
  LastConfigRecord record;
  EncodeLastConfig(record, config, "Televue Paracorr", "24x36");
  return record;
}

}  // namespace ombrelune
