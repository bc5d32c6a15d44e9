#pragma once

#include "storage/corrector_catalogue.h"

namespace ombrelune {

// The one corrector of the process: the last catalogue row read, or the
// built-in one of a first start. A non-empty name with a non-zero
// shiftPerFocalLength makes the shift follow the focal length.
extern CorrectorEntry currentCorrector;

}  // namespace ombrelune
