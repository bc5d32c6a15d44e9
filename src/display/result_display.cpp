#include "display/result_display.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "optics/illumination.h"
#include "optics/result_table.h"
#include "optics/rounding.h"

namespace ombrelune {

namespace {

using std::int64_t;

void Segment(Canvas& canvas, int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
  canvas.MoveTo(x0, y0);
  canvas.LineTo(x1, y1);
}

}  // namespace

int MapGreyLevel(double illumination) {
  return static_cast<int>(static_cast<unsigned>(TruncToInt(255 * illumination)) & 0xFFu);
}

void DrawIlluminationCurve(Canvas& canvas, const TelescopeConfig& config,
                           double& fullFieldDiameter) {
  const int64_t W = canvas.Width();
  const int64_t H = canvas.Height();
  const double plotWidth = static_cast<double>(W - 40);
  const double plotHeight = static_cast<double>(H - 40);

  // Two polylines one pixel apart make each axis two pixels thick.
  canvas.MoveTo(20, 15);
  canvas.LineTo(20, H - 20);
  canvas.LineTo(W - 20, H - 20);
  canvas.MoveTo(19, 15);
  canvas.LineTo(19, H - 19);
  canvas.LineTo(W - 20, H - 19);

  // One tick per 10 % of illumination; 0, 50 and 100 % are two pixels thick.
  for (double k = 0; k < 11; k += 1) {
    const int64_t y = H - TruncToInt(k * 0.1 * plotHeight) - 20;
    Segment(canvas, 20, y, 12, y);
    if (k == 0 || k == 5 || k == 10) Segment(canvas, 20, y + 1, 12, y + 1);
  }

  const double R = config.sensorDiagonal * 0.5;
  if (!(R > 0)) return;

  // One tick per millimetre of offset, every fifth one two pixels thick.
  for (double j = 0; j < R && j < CurveMaxOffsetTicks; j += 1) {
    const int64_t x = TruncToInt(plotWidth * j / R);
    Segment(canvas, x + 20, H - 20, x + 20, H - 12);
    if (TruncToInt(j) % 5 == 0) Segment(canvas, x + 19, H - 20, x + 19, H - 12);
  }

  // The offset grows by repeated addition, so its drift decides whether the
  // last point lands just below R or is left out.
  double r = 0;
  for (int n = 0; r <= R && n < CurveMaxPoints; ++n, r += 0.2) {
    const double p = IlluminationAt(config, r, fullFieldDiameter);
    const int64_t px = int64_t{TruncToInt(plotWidth * r / R)} + 20;
    const int64_t py = H - TruncToInt(p * plotHeight) - 20;
    if (n == 0) {
      canvas.MoveTo(px, py);
    } else {
      canvas.LineTo(px, py);
    }
  }
}

void DrawIlluminationMap(Canvas& canvas, const TelescopeConfig& config, double& fullFieldDiameter) {
  const int W = canvas.Width();
  const int H = canvas.Height();
  const double w = W;
  const double h = H;
  const double D = config.sensorDiagonal;

  if (W > 0 && H > 0) {
    // Column i stands at (i - W/2) / W of the diagonal and column W - i at the
    // exact negative of that (both differences are exact for a whole W), so
    // the two squares, the offset and the grey are bit for bit the same; rows
    // likewise. Only columns 0..W/2 and rows 0..H/2 are evaluated, the rest
    // are copies.
    const int lastColumn = W / 2;
    const int lastRow = H / 2;
    std::vector<double> uSquared(static_cast<std::size_t>(lastColumn) + 1);
    for (int i = 0; i <= lastColumn; ++i) {
      const double u = (i - w * 0.5) / w;
      uSquared[static_cast<std::size_t>(i)] = (u * D) * (u * D);
    }
    const auto stride = static_cast<std::size_t>(W);
    Rgb* pixels = canvas.Data();
    for (int j = 0; j <= lastRow; ++j) {
      const double v = (j - h * 0.5) / h;
      const double vSquared = (v * D) * (v * D);
      Rgb* row = pixels + static_cast<std::size_t>(j) * stride;
      for (int i = 0; i <= lastColumn; ++i) {
        const double r = std::sqrt(vSquared + uSquared[static_cast<std::size_t>(i)]);
        const Rgb grey = MakeGrey(MapGreyLevel(IlluminationAt(config, r, fullFieldDiameter)));
        row[i] = grey;
        if (i > 0 && W - i > lastColumn) row[W - i] = grey;
      }
      if (j > 0 && H - j > lastRow) {
        std::copy(row, row + stride, pixels + static_cast<std::size_t>(H - j) * stride);
      }
    }

    // The value left in fullFieldDiameter is the one of the last pixel drawn
    // in column order: column W - 1, row H - 1.
    const double u = (W - 1 - w * 0.5) / w;
    const double v = (H - 1 - h * 0.5) / h;
    IlluminationAt(config, std::sqrt((v * D) * (v * D) + (u * D) * (u * D)), fullFieldDiameter);
  }

  if (D != 0) {
    const double a = w * config.sensorWidth / D * 0.5;
    const double b = h * config.sensorHeight / D * 0.5;
    const int64_t x0 = TruncToInt(w * 0.5 - a);
    const int64_t x1 = TruncToInt(w * 0.5 + a);
    const int64_t y0 = TruncToInt(h * 0.5 - b);
    const int64_t y1 = TruncToInt(h * 0.5 + b);
    canvas.MoveTo(x0, y0);
    canvas.LineTo(x1, y0);
    canvas.LineTo(x1, y1);
    canvas.LineTo(x0, y1);
    canvas.LineTo(x0, y0);
  }
}

Canvas RenderResultDisplay(DisplayMode mode, int width, int height, const TelescopeConfig& config,
                           double& fullFieldDiameter) {
  switch (mode) {
    case DisplayMode::Curve: {
      Canvas canvas(width, height, White);
      if (ResultIsValid(config, fullFieldDiameter)) {
        DrawIlluminationCurve(canvas, config, fullFieldDiameter);
      }
      return canvas;
    }
    case DisplayMode::Map: {
      // A map that is not drawn shows black rather than whatever memory held.
      Canvas canvas(width, height, Black);
      if (ResultIsValid(config, fullFieldDiameter)) {
        DrawIlluminationMap(canvas, config, fullFieldDiameter);
      }
      return canvas;
    }
    case DisplayMode::List:
      break;
  }
  return Canvas();
}

}  // namespace ombrelune
