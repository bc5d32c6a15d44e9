#pragma once

// Every length is a double in millimetres; flags are ints, 0 (off) or 1 (on).
// A default-constructed record is all zeros, as the window holds it before
// start-up fills it; StartupDefaults() gives the values of a first start.
namespace ombrelune {

struct TelescopeConfig {
  double primaryDiameter = 0;
  double secondaryDiameter = 0;
  double primaryFocalLength = 0;
  double secondaryToFocus = 0;
  double sensorDiagonal = 0;
  double focuserToFocus = 0;
  double focuserDiameter = 0;
  int focuserEnabled = 0;
  double correctorDiameter = 0;
  double correctorToFocus = 0;
  int correctorEnabled = 0;
  int secondaryEnabled = 0;
  double filterToFocus = 0;
  int filterEnabled = 0;
  double filterDiameter = 0;
  double sensorWidth = 0;
  double sensorHeight = 0;
  double correctorMagnification = 0;
  double correctorShift = 0;
  int obstructionEnabled = 0;
  // Height over width when a width, a height or a catalogue sensor was last
  // entered; only the diagonal rule reads it, and no file stores it.
  double sensorAspect = 0;
};

// The built-in configuration of a start without a stored one, corrector values
// included (those of the built-in "Televue Paracorr" at the default focal length).
TelescopeConfig StartupDefaults();

// A flag read from a control, a file or a record can hold anything; the window
// shows 0..2 as they are (2 as a ticked box) and resets anything else to 0.
int NormalizeFlag(long long flag);

}  // namespace ombrelune
