#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "optics/result_table.h"
#include "optics/telescope_config.h"

// Configuration text files: 22 parameter lines (a number with "%f", a flag with
// "%d", or one of the two list texts), then a copy of the result for the reader,
// in Windows-1252 with CR LF line ends. Only the parameter lines are ever read
// back. Files written by older versions and edited by hand must keep loading,
// so the reader follows the line rules of text_lines.h exactly.
namespace ombrelune {

inline constexpr int ConfigParameterLines = 22;

// Lines 1-22 with their comments; the names are encoded and cut to 49
// characters.
std::string FormatParameterSection(const TelescopeConfig& config, std::string_view correctorName,
                                   std::string_view sensorName);

// The result blocks: the rows (when rowCount >= 1), the fully illuminated field
// (when fullFieldDiameter is not NoFieldLimit; fullFieldArcmin is computed here
// as fullFieldDiameter * 57.3 / primaryFocalLength * 60 and kept in `table`),
// and the secondary mirror (when it is on), ending on "%" without a newline.
// Written whether or not the result is valid.
std::string FormatResultSection(const TelescopeConfig& config, ResultTable& table);

// The whole file as it goes to disk: both sections.
std::string FormatConfigFile(const TelescopeConfig& config, std::string_view correctorName,
                             std::string_view sensorName, ResultTable& table);

// Assigns the lines given (raw Windows-1252 pieces, line ends removed) to the
// parameters 1, 2, ...: numbers with ParseLeadingNumber, flags with
// ParseLeadingInt then NormalizeFlag (0..2 kept, anything else 0, so that the
// enabled group and its check box always agree), names whole and converted to
// UTF-8. Lines after the 22nd are ignored; parameters without a line keep
// their values.
void ApplyConfigLines(const std::vector<std::string>& lines, TelescopeConfig& config,
                      std::string& correctorName, std::string& sensorName);

// Reads at most the first 22 lines of `path` and applies them. Returns false,
// changing nothing, when the file cannot be opened.
bool LoadConfigFile(const std::string& path, TelescopeConfig& config, std::string& correctorName,
                    std::string& sensorName);

// The path a save or a load uses: ".txt" is appended when the file name (after
// the last '/') has no full stop or ends with one ("config" -> "config.txt",
// "config." -> "config..txt", "config.dat" unchanged). Any length.
std::string WithConfigExtension(const std::string& path);

}  // namespace ombrelune
