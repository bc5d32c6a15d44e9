#include "config_text_file.h"

#include <cstdio>
#include <iterator>
#include <memory>

#include "cp1252.h"
#include "optics/number_text.h"
#include "text_lines.h"

namespace ombrelune {
namespace {

enum class LineKind { Number, Flag, CorrectorName, SensorName };

struct ParameterLine {
  LineKind kind;
  double TelescopeConfig::*number;  // for Number
  int TelescopeConfig::*flag;       // for Flag
  const char* comment;              // UTF-8
};

constexpr ParameterLine Number(double TelescopeConfig::*m, const char* comment) {
  return {LineKind::Number, m, nullptr, comment};
}
constexpr ParameterLine Flag(int TelescopeConfig::*m, const char* comment) {
  return {LineKind::Flag, nullptr, m, comment};
}
constexpr ParameterLine Name(LineKind kind) {
  return {kind, nullptr, nullptr, ""};
}

using C = TelescopeConfig;
constexpr ParameterLine kLines[ConfigParameterLines] = {
    Number(&C::primaryDiameter, "diametre miroir primaire"),
    Number(&C::primaryFocalLength, "focale miroir primaire"),
    Flag(&C::secondaryEnabled, "calcul ombrelune du miroir secondaire"),
    Number(&C::secondaryDiameter, "diametre miroir secondaire"),
    Number(&C::secondaryToFocus, "tirage (secondaire, plan focal)"),
    Flag(&C::obstructionEnabled, "pourcentage d'illumination affecté par l'obstruction"),
    Flag(&C::focuserEnabled, "calcul ombrelune du porte oculaire"),
    Number(&C::focuserDiameter, "diametre interne tube porte oculaire"),
    Number(&C::focuserToFocus, "distance entree tube porte oculaire, plan focal"),
    Flag(&C::correctorEnabled, "calcul ombrelune du correcteur de champ"),
    Name(LineKind::CorrectorName),
    Number(&C::correctorDiameter,
           "diametre premiere lentille correcteur de champ (la plus proche du miroir secondaire)"),
    Number(&C::correctorToFocus, "distance premiere lentille correcteur de champ, plan focal"),
    Number(&C::correctorMagnification, "Facteur de grossissement"),
    Number(&C::correctorShift, "Allongement sortie"),
    Flag(&C::filterEnabled, "calcul ombrelune du filtre"),
    Number(&C::filterDiameter, "diametre interne du filtre"),
    Number(&C::filterToFocus, "distance filtre, plan focal"),
    Number(&C::sensorDiagonal, "diagonale capteur"),
    Number(&C::sensorWidth, "largeur du capteur"),
    Number(&C::sensorHeight, "hauteur du capteur"),
    Name(LineKind::SensorName),
};

// Written as a Windows text file is, whatever system writes it, so that files
// move between users unchanged.
constexpr const char* kNewline = "\r\n";

// The file is assembled from Windows-1252 pieces: the fixed texts (two of them
// hold an é) through this, the names through EncodeName, cut after encoding.
std::string Encoded(std::string_view utf8) {
  return Utf8ToCp1252(utf8);
}

std::string FormatLine(const ParameterLine& line, const TelescopeConfig& config,
                       std::string_view correctorName, std::string_view sensorName) {
  switch (line.kind) {
    case LineKind::Number:  // "%f   # comment"
      return FormatFixed(config.*line.number, 6) + Encoded(std::string("   # ") + line.comment);
    case LineKind::Flag:  // "%d            # comment"
      return std::to_string(config.*line.flag) +
             Encoded(std::string("            # ") + line.comment);
    case LineKind::CorrectorName:
      return EncodeName(correctorName);
    case LineKind::SensorName:
      return EncodeName(sensorName);
  }
  return {};
}

void ApplyLine(const ParameterLine& line, const std::string& text, TelescopeConfig& config,
               std::string& correctorName, std::string& sensorName) {
  switch (line.kind) {
    case LineKind::Number:
      config.*line.number = ParseLeadingNumber(text);
      break;
    case LineKind::Flag:
      config.*line.flag = NormalizeFlag(ParseLeadingInt(text));
      break;
    case LineKind::CorrectorName:
      correctorName = Cp1252ToUtf8(text);
      break;
    case LineKind::SensorName:
      sensorName = Cp1252ToUtf8(text);
      break;
  }
}

std::string FormatRows(const ResultTable& table) {
  std::string out =
      std::string(kNewline) + kNewline + "Offset  Illumination   Perte mag" + kNewline;
  out += std::string(" (mm)        (%)") + kNewline;
  const int rows = table.rowCount < ResultCapacity ? table.rowCount : ResultCapacity;
  for (int i = 0; i < rows; ++i) {
    const ResultRow& row = table.rows[i];
    out +=
        Encoded(row.offsetText + "        " + row.illuminationText + "        " + row.magLossText) +
        kNewline;
  }
  return out;
}

std::string FormatField(const TelescopeConfig& config, ResultTable& table) {
  // Left to right, as the list does: the same double as on screen.
  table.fullFieldArcmin = table.fullFieldDiameter * 57.3 / config.primaryFocalLength * 60;
  return std::string(kNewline) + kNewline + "champ pleine lumiere" + kNewline +
         FormatFixed(table.fullFieldDiameter, 1, 5) + " mm" + kNewline +
         FormatFixed(table.fullFieldArcmin, 1, 5) + " '" + kNewline + kNewline;
}

std::string FormatSecondary(const TelescopeConfig& config) {
  const double offset = SecondaryOffset(config.primaryDiameter, config.primaryFocalLength,
                                        config.secondaryDiameter, config.secondaryToFocus);
  const double obstruction = config.secondaryDiameter * 100 / config.primaryDiameter;
  return std::string(kNewline) + Encoded("décalage secondaire : ") + FormatFixed(offset, 2, 5) +
         " mm" + kNewline + "Obstruction : " + FormatFixed(obstruction, 1, 4) + " %";
}

}  // namespace

std::string FormatParameterSection(const TelescopeConfig& config, std::string_view correctorName,
                                   std::string_view sensorName) {
  std::string out;
  for (const ParameterLine& line : kLines) {
    out += FormatLine(line, config, correctorName, sensorName) + kNewline;
  }
  return out;
}

std::string FormatResultSection(const TelescopeConfig& config, ResultTable& table) {
  std::string out;
  if (table.rowCount >= 1) out += FormatRows(table);
  if (table.fullFieldDiameter != NoFieldLimit) out += FormatField(config, table);
  if (config.secondaryEnabled != 0) out += FormatSecondary(config);
  return out;
}

std::string FormatConfigFile(const TelescopeConfig& config, std::string_view correctorName,
                             std::string_view sensorName, ResultTable& table) {
  return FormatParameterSection(config, correctorName, sensorName) +
         FormatResultSection(config, table);
}

void ApplyConfigLines(const std::vector<std::string>& lines, TelescopeConfig& config,
                      std::string& correctorName, std::string& sensorName) {
  for (std::size_t i = 0; i < lines.size() && i < std::size(kLines); ++i) {
    ApplyLine(kLines[i], lines[i], config, correctorName, sensorName);
  }
}

bool LoadConfigFile(const std::string& path, TelescopeConfig& config, std::string& correctorName,
                    std::string& sensorName) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                       &std::fclose);
  if (!file) return false;
  std::vector<std::string> lines;
  std::string piece;
  while (lines.size() < std::size(kLines) && ReadTextPiece(file.get(), piece)) {
    lines.push_back(piece);
  }
  ApplyConfigLines(lines, config, correctorName, sensorName);
  return true;
}

std::string WithConfigExtension(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = path.rfind('.');
  const bool hasExtension = dot != std::string::npos && dot >= nameAt && dot + 1 < path.size();
  return hasExtension ? path : path + ".txt";
}

}  // namespace ombrelune
