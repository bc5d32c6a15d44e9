#include "telescope_config.h"

#include "rounding.h"

namespace ombrelune {

TelescopeConfig StartupDefaults() {
  TelescopeConfig c;
  c.primaryDiameter = 402;
  c.primaryFocalLength = 1809;
  c.secondaryEnabled = 1;
  c.secondaryDiameter = 102;
  c.secondaryToFocus = 350;
  c.obstructionEnabled = 0;
  c.focuserEnabled = 0;
  c.focuserDiameter = 50.8;
  c.focuserToFocus = 101;
  c.correctorEnabled = 0;
  c.filterEnabled = 0;
  c.filterDiameter = 44;
  c.filterToFocus = 26;
  c.sensorDiagonal = 44;
  c.sensorWidth = 36;
  c.sensorHeight = 24;
  c.sensorAspect = 24.0 / 36.0;
  // The built-in corrector: 46 mm lens 110 mm before focus, x1.15, and a shift
  // of 0.01666 mm per mm of focal length, in whole millimetres.
  c.correctorDiameter = 46;
  c.correctorToFocus = 110;
  c.correctorMagnification = 1.15;
  c.correctorShift = RoundHalfTowardZero(0.01666 * c.primaryFocalLength);
  return c;
}

int NormalizeFlag(long long flag) {
  return (flag >= 0 && flag <= 2) ? static_cast<int>(flag) : 0;
}

}  // namespace ombrelune
