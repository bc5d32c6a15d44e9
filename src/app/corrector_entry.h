#pragma once

#include <string>

// The field corrector the window works with. Stands in for the catalogue's own
// entry type until the catalogues are wired in (same name, fields and meaning).
namespace ombrelune {

struct CorrectorEntry {
  std::string name;                // UTF-8; empty when the values were typed by hand
  double diameter = 0;             // mm, first lens
  double toFocus = 0;              // mm, first lens to the new focal plane
  double magnification = 0;        // factor
  double shift = 0;                // mm, used when shiftPerFocalLength is 0
  double shiftPerFocalLength = 0;  // mm of shift per mm of primary focal length
};

// The one corrector of the process: the last catalogue row read, or the
// built-in one of a first start. A non-empty name with a non-zero
// shiftPerFocalLength makes the shift follow the focal length.
extern CorrectorEntry currentCorrector;

}  // namespace ombrelune
