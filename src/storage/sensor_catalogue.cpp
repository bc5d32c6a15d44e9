#include "sensor_catalogue.h"

#include <cmath>
#include <cstdio>
#include <memory>

#include "cp1252.h"
#include "optics/number_text.h"
#include "optics/rounding.h"

namespace ombrelune {
namespace {

constexpr std::size_t kNameBytes = 30;
constexpr std::size_t kWidthAt = 30;
constexpr std::size_t kHeightAt = 37;
constexpr std::size_t kNumberBytes = 6;

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

FilePtr OpenCatalogue(const std::string& path) {
  return FilePtr(std::fopen(path.c_str(), "r+b"), &std::fclose);
}

bool ReadRecord(std::FILE* file, std::string& record) {
  record.assign(SensorRecordBytes, ' ');
  return std::fread(record.data(), 1, SensorRecordBytes, file) == SensorRecordBytes;
}

// The bytes of one field; a record shorter than the field gives what it has.
std::string_view Field(std::string_view record, std::size_t at, std::size_t size) {
  if (at >= record.size()) return {};
  return record.substr(at, size);
}

}  // namespace

SensorEntry ParseSensorRecord(std::string_view record) {
  SensorEntry entry;
  std::string_view name = Field(record, 0, kNameBytes);
  name = name.substr(0, name.find('\0'));
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  entry.name = Cp1252ToUtf8(name);
  entry.width = ParseLeadingNumber(Field(record, kWidthAt, kNumberBytes));
  entry.height = ParseLeadingNumber(Field(record, kHeightAt, kNumberBytes));
  return entry;
}

std::vector<std::string> LoadSensorList(const std::string& path) {
  std::vector<std::string> names;
  FilePtr file = OpenCatalogue(path);
  if (!file) return names;
  std::string record;
  while (ReadRecord(file.get(), record)) names.push_back(ParseSensorRecord(record).name);
  return names;
}

std::optional<SensorEntry> ReadSensorEntry(const std::string& path, int index) {
  if (index < 0) return std::nullopt;
  FilePtr file = OpenCatalogue(path);
  if (!file) return std::nullopt;
  const auto offset = static_cast<off_t>(index) * static_cast<off_t>(SensorRecordBytes);
  std::string record;
  if (fseeko(file.get(), offset, SEEK_SET) != 0 || !ReadRecord(file.get(), record)) {
    return std::nullopt;
  }
  return ParseSensorRecord(record);
}

void ApplySensorEntry(TelescopeConfig& config, double width, double height) {
  config.sensorWidth = width;
  config.sensorHeight = height;
  config.sensorAspect = height / width;
  const double hundredths = TruncTowardZero(100 * std::sqrt(width * width + height * height));
  config.sensorDiagonal = (hundredths + 1) * 0.01;
}

}  // namespace ombrelune
