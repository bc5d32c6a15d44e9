#pragma once

#include <string>

#include "display/result_display.h"
#include "optics/telescope_config.h"

// What the three labels under the drawing frame say about the point under the
// pointer. Worked out from the configuration alone: it neither reads the result
// rows nor cares whether the plot was drawn.
namespace ombrelune {

struct ReadoutTexts {
  std::string offset;        // "%5.1f mm"
  std::string illumination;  // "%5.1f %"
  std::string magLoss;       // "%5.2f mag"
  friend bool operator==(const ReadoutTexts&, const ReadoutTexts&) = default;
};

// The drawing frame's outer rectangle in the window's client coordinates.
struct FrameRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The texts after a pointer movement to (x, y), in the same coordinates as the
// frame, given the texts shown before. List mode empties the offset and the
// illumination and keeps the magnitude loss; in Curve or Map mode a pointer
// inside the plot (or map) gives the three values there and a pointer outside
// it three empty texts; any other mode changes nothing. An evaluation rewrites
// fullFieldDiameter, as every evaluation does.
ReadoutTexts PointerReadout(DisplayMode mode, int x, int y, const FrameRect& frame,
                            const TelescopeConfig& config, double& fullFieldDiameter,
                            const ReadoutTexts& shown);

}  // namespace ombrelune
