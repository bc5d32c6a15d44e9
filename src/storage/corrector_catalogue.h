#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "optics/telescope_config.h"

// The corrector catalogue correcteur.txt: one corrector per line,
// "name,diameter,toFocus,magnification,shift,shiftPerFocalLength", in
// Windows-1252, read in pieces of at most 198 characters (text_lines.h).
namespace ombrelune {

struct CorrectorEntry {
  std::string name;                // UTF-8; empty when the values were typed by hand
  double diameter = 0;             // mm, first lens
  double toFocus = 0;              // mm, first lens to the new focal plane
  double magnification = 0;        // factor
  double shift = 0;                // mm, used when shiftPerFocalLength is 0
  double shiftPerFocalLength = 0;  // mm of shift per mm of primary focal length
};

// The built-in corrector of a start without a stored configuration
// ("Televue Paracorr", 46, 110, 1.15, 0, 0.01666).
CorrectorEntry DefaultCorrector();

// One line (UTF-8, without its line end). The name is everything before the
// first comma, spaces kept; then five numbers read with ParseLeadingNumber, each
// from its own comma-separated field. A missing field reads 0, so a line
// without a comma is a name with all values 0; fields after the fifth number
// are ignored. The name is kept whole (a piece allows up to 197 characters);
// it is only cut when stored.
CorrectorEntry ParseCorrectorLine(std::string_view line);

// The names of all entries, in file order (the list index is the line index).
// currentCorrector is left at the last line read, as the window expects after
// filling its list. A file that cannot be opened gives an empty list and leaves
// currentCorrector untouched.
std::vector<std::string> LoadCorrectorList(const std::string& path,
                                           CorrectorEntry& currentCorrector);

// Reads lines 0..index into currentCorrector; when the file has fewer lines
// (shortened while the program runs) the last line read stays applied. Returns
// false, with currentCorrector untouched, when the file cannot be opened, has
// no line, or index is negative (no entry selected): the caller then applies
// the unchanged currentCorrector as for a missing file.
bool ReadCorrectorEntry(const std::string& path, int index, CorrectorEntry& currentCorrector);

// Copies the entry into the corrector fields; a non-zero shiftPerFocalLength
// gives a shift in whole millimetres that follows the focal length.
// correctorEnabled is not changed.
void ApplyCorrectorEntry(TelescopeConfig& config, const CorrectorEntry& entry);

}  // namespace ombrelune
