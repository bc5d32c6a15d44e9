#pragma once

#include "display/canvas.h"
#include "display/display_mode.h"
#include "optics/telescope_config.h"

// The curve of illumination against offset and the grey-level map of the focal
// plane. Both evaluate the model afresh for every point they draw, and every
// evaluation rewrites fullFieldDiameter (the value the result list shows and
// the save command writes), so they take it by reference.
namespace ombrelune {

// The plot of a drawing frame is drawn exactly as long as the half-diagonal
// stays within this many millimetres (a sensor 8 m across). Beyond it the
// offset ticks and the curve points stop at the count they would have there:
// stepping 0.2 mm towards a huge bound would never end (r + 0.2 == r from
// about 1e15 on), and long before that no frame has pixels to show the ticks.
inline constexpr int CurveMaxOffsetTicks = 4000;
inline constexpr int CurveMaxPoints = 5 * CurveMaxOffsetTicks + 1;

// Axes, ticks and curve in black over whatever the canvas holds; the size of
// the canvas is the frame's size. No fill and no validity test. Afterwards
// fullFieldDiameter holds the value at the last point of the curve.
void DrawIlluminationCurve(Canvas& canvas, const TelescopeConfig& config,
                           double& fullFieldDiameter);

// The grey of a map pixel: trunc(255 * illumination), kept to its low 8 bits.
// The illumination stays within 0..1 or is NaN for a degenerate geometry; NaN
// gives 0 (black), and an infinite product saturates (+inf 255, -inf 0) instead
// of being undefined.
int MapGreyLevel(double illumination);

// Sets every pixel to the grey of the illumination there, then draws the
// sensor outline when the diagonal is not 0. Afterwards fullFieldDiameter holds
// the value at the last pixel (last column, last row).
void DrawIlluminationMap(Canvas& canvas, const TelescopeConfig& config, double& fullFieldDiameter);

// The content of the drawing frame for a repaint, width x height pixels.
// Curve: white, with the curve when the result is valid. Map: black, covered by
// the map when the result is valid. List (or any other value): an empty canvas,
// nothing is drawn. Validity is tested with the fullFieldDiameter of that moment.
Canvas RenderResultDisplay(DisplayMode mode, int width, int height, const TelescopeConfig& config,
                           double& fullFieldDiameter);

}  // namespace ombrelune
