#include "sensor_rules.h"

#include <cmath>

#include "rounding.h"

namespace ombrelune {

void ApplyWidthHeightRule(TelescopeConfig& c) {
  // A width of 0 with a height typed gives an infinite or undefined aspect;
  // only the diagonal rule reads it, and it converts nothing to an integer.
  c.sensorAspect = c.sensorHeight / c.sensorWidth;
  c.sensorDiagonal =
      TruncTowardZero(std::sqrt(c.sensorWidth * c.sensorWidth + c.sensorHeight * c.sensorHeight)) +
      1;
}

void ApplyDiagonalRule(TelescopeConfig& c) {
  if (c.sensorDiagonal > 100) c.sensorDiagonal = 100;
  const double a = std::atan(c.sensorAspect);
  c.sensorWidth = TruncTowardZero(c.sensorDiagonal * std::cos(a));
  c.sensorHeight = TruncTowardZero(c.sensorDiagonal * std::sin(a));
}

}  // namespace ombrelune
