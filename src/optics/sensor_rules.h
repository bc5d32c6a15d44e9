#pragma once

#include "telescope_config.h"

namespace ombrelune {

// A width or a height greater than 0 was typed: the aspect becomes height/width
// and the diagonal TruncTowardZero(sqrt(w^2 + h^2)) + 1 (3 x 4 gives 6).
void ApplyWidthHeightRule(TelescopeConfig& config);

// A diagonal greater than 0 was typed: capped at 100, then width and height
// derived from it and the aspect, truncated to whole millimetres.
void ApplyDiagonalRule(TelescopeConfig& config);

}  // namespace ombrelune
