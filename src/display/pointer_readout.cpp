#include "display/pointer_readout.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "optics/illumination.h"
#include "optics/number_text.h"

namespace ombrelune {

namespace {

// The offset under the pointer, or nothing when the pointer is outside the
// plot. Integer differences are taken in 64 bits: client coordinates near the
// int limits must not overflow.
std::optional<double> OffsetUnderPointer(DisplayMode mode, int x, int y, const FrameRect& frame,
                                         double D) {
  const double W = static_cast<double>(std::int64_t{frame.right} - frame.left);
  const double H = static_cast<double>(std::int64_t{frame.bottom} - frame.top);
  const double yb = static_cast<double>(std::int64_t{frame.bottom} - y);
  if (mode == DisplayMode::Curve) {
    const double xc = static_cast<double>(std::int64_t{x} - frame.left - 20);
    if (!(0 < xc && xc < W - 40 && 0 < yb && yb < H)) return std::nullopt;
    return xc / (W - 40) * D * 0.5;
  }
  const double xm = static_cast<double>(std::int64_t{x} - frame.left);
  if (!(0 < xm && xm < W && 0 < yb && yb < H)) return std::nullopt;
  const double u = (xm - W * 0.5) / W * D;
  const double v = (yb - H * 0.5) / H * D;
  return std::sqrt(v * v + u * u);
}

}  // namespace

ReadoutTexts PointerReadout(DisplayMode mode, int x, int y, const FrameRect& frame,
                            const TelescopeConfig& config, double& fullFieldDiameter,
                            const ReadoutTexts& shown) {
  if (mode == DisplayMode::List) return {"", "", shown.magLoss};
  if (mode != DisplayMode::Curve && mode != DisplayMode::Map) return shown;

  const std::optional<double> r = OffsetUnderPointer(mode, x, y, frame, config.sensorDiagonal);
  if (!r) return {};
  const double q = IlluminationAt(config, *r, fullFieldDiameter) * 100;
  return {FormatFixed(*r, 1, 5) + " mm", FormatFixed(q, 1, 5) + " %",
          FormatFixed(MagnitudeLoss(q * 0.01), 2, 5) + " mag"};
}

}  // namespace ombrelune
