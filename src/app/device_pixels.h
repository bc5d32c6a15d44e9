#pragma once

#include <QPointF>
#include <QRect>
#include <cmath>

#include "display/pointer_readout.h"
#include "optics/rounding.h"

// Widgets are placed in logical pixels; the drawing frame is drawn, and read
// under the pointer, in the screen's own pixels, so that the curve and the map
// stay sharp on a high-density screen. Both go through the one mapping below.
namespace ombrelune {

// A logical coordinate in device pixels: scaled by the ratio and rounded to
// the nearest whole pixel, halves upwards (at 1.25, 270 -> 337.5 -> 338).
// Widget coordinates and ratios are small, so the product is far inside the
// int range; TruncToInt guards the absurd cases all the same.
inline int ToDevicePixels(double logical, double ratio) {
  return TruncToInt(std::floor(logical * ratio + 0.5));
}

// Each edge is rounded on its own, so that the image ends on the pixel where
// the frame's edge falls. The width is then round(right x ratio) -
// round(left x ratio): at a whole ratio exactly width x ratio, at a
// fractional one width x ratio rounded either way (at 1.5 a width of 301 from
// x = 269 gives 855 - 404 = 451, from x = 270, 857 - 405 = 452).
inline FrameRect DeviceFrameRect(const QRect& logical, double ratio) {
  return {ToDevicePixels(logical.left(), ratio), ToDevicePixels(logical.top(), ratio),
          ToDevicePixels(logical.left() + logical.width(), ratio),
          ToDevicePixels(logical.top() + logical.height(), ratio)};
}

// The device pixel under a pointer at a logical position.
inline QPoint DevicePoint(const QPointF& logical, double ratio) {
  return {ToDevicePixels(logical.x(), ratio), ToDevicePixels(logical.y(), ratio)};
}

}  // namespace ombrelune
