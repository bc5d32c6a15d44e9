#include "corrector_catalogue.h"

#include <cstdio>
#include <memory>

#include "cp1252.h"
#include "optics/number_text.h"
#include "optics/rounding.h"
#include "text_lines.h"

namespace ombrelune {
namespace {

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

FilePtr OpenCatalogue(const std::string& path) {
  // Binary mode: ReadTextPiece does the text-mode CR LF handling itself, the
  // same on every system.
  return FilePtr(std::fopen(path.c_str(), "rb"), &std::fclose);
}

// The next field of a comma-separated line, from `pos`; moves pos past its comma.
std::string_view NextField(std::string_view line, std::size_t& pos) {
  const std::size_t comma = line.find(',', pos);
  const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
  std::string_view field = line.substr(pos, end - pos);
  pos = comma == std::string_view::npos ? std::string_view::npos : comma + 1;
  return field;
}

}  // namespace

CorrectorEntry DefaultCorrector() {
  return {"Televue Paracorr", 46, 110, 1.15, 0, 0.01666};
}

CorrectorEntry ParseCorrectorLine(std::string_view line) {
  CorrectorEntry entry;
  std::size_t pos = 0;
  entry.name = std::string(NextField(line, pos));
  double* const numbers[] = {&entry.diameter, &entry.toFocus, &entry.magnification, &entry.shift,
                             &entry.shiftPerFocalLength};
  for (double* number : numbers) {
    if (pos == std::string_view::npos) break;  // missing fields stay 0
    *number = ParseLeadingNumber(NextField(line, pos));
  }
  return entry;
}

std::vector<std::string> LoadCorrectorList(const std::string& path,
                                           CorrectorEntry& currentCorrector) {
  std::vector<std::string> names;
  FilePtr file = OpenCatalogue(path);
  if (!file) return names;
  std::string piece;
  while (ReadTextPiece(file.get(), piece)) {
    currentCorrector = ParseCorrectorLine(Cp1252ToUtf8(piece));
    names.push_back(currentCorrector.name);
  }
  return names;
}

bool ReadCorrectorEntry(const std::string& path, int index, CorrectorEntry& currentCorrector) {
  if (index < 0) return false;
  FilePtr file = OpenCatalogue(path);
  if (!file) return false;
  std::string piece;
  bool readAny = false;
  for (int count = 0; count <= index && ReadTextPiece(file.get(), piece); ++count) {
    currentCorrector = ParseCorrectorLine(Cp1252ToUtf8(piece));
    readAny = true;
  }
  return readAny;
}

void ApplyCorrectorEntry(TelescopeConfig& config, const CorrectorEntry& entry) {
  config.correctorDiameter = entry.diameter;
  config.correctorToFocus = entry.toFocus;
  config.correctorMagnification = entry.magnification;
  config.correctorShift =
      entry.shiftPerFocalLength == 0
          ? entry.shift
          : RoundHalfTowardZero(entry.shiftPerFocalLength * config.primaryFocalLength);
}

}  // namespace ombrelune
