#include "display/canvas.h"

#include <algorithm>
#include <cstddef>

namespace ombrelune {

namespace {

using std::int64_t;
using std::uint64_t;

int64_t ClampCoordinate(int64_t v) {
  return std::clamp(v, -PenCoordinateLimit, PenCoordinateLimit);
}

uint64_t Magnitude(int64_t v) {
  return v < 0 ? static_cast<uint64_t>(-v) : static_cast<uint64_t>(v);
}

// Lines whose error term would tie step towards the minor axis in these
// octants and not in the others, which makes a line and its reverse light the
// same pixels. Octants are numbered counter-clockwise from +x with y downwards.
int OctantBias(int64_t dx, int64_t dy) {
  if (dy > 0) {
    if (dx > 0) return 0;     // octants 1 and 2
    return -dx > dy ? 0 : 1;  // octant 4, else 3
  }
  if (dx < 0) return 1;     // octants 5 and 6
  return dx > -dy ? 1 : 0;  // octant 8, else 7
}

struct QuotientRemainder {
  uint64_t quotient;
  uint64_t remainder;
};

// floor(a * b / n) and its remainder for a <= n < 2^62, without a wider type:
// the product of two coordinates' differences would not fit in 64 bits.
QuotientRemainder MulDiv(uint64_t a, uint64_t b, uint64_t n) {
  uint64_t q = 0;
  uint64_t r = 0;
  for (int bit = 63; bit >= 0; --bit) {
    q <<= 1;
    r <<= 1;
    if (r >= n) {
      r -= n;
      ++q;
    }
    if ((b >> bit) & 1) {
      r += a;
      if (r >= n) {
        r -= n;
        ++q;
      }
    }
  }
  return {q, r};
}

// The one rule of the pen. With M the length along the major axis (x when
// |dx| > |dy|, else y) and m along the minor axis, pixel i (0 <= i < M) lies i
// steps along the major axis and floor((2*m*i + M - 1 + bias) / (2*M)) steps
// along the minor axis, each in the direction of the line. Only the pixels
// whose major coordinate lies inside the clip rectangle are walked, so a line
// with huge end points costs no more than one across the image.
template <class Plot>
void TraceLine(int64_t x0, int64_t y0, int64_t x1, int64_t y1, const ClipRect& clip, Plot&& plot) {
  x0 = ClampCoordinate(x0);
  y0 = ClampCoordinate(y0);
  x1 = ClampCoordinate(x1);
  y1 = ClampCoordinate(y1);
  const int64_t dx = x1 - x0;
  const int64_t dy = y1 - y0;
  const bool xMajor = Magnitude(dx) > Magnitude(dy);
  const int64_t major0 = xMajor ? x0 : y0;
  const int64_t minor0 = xMajor ? y0 : x0;
  const int64_t majorDelta = xMajor ? dx : dy;
  const int64_t minorDelta = xMajor ? dy : dx;
  const uint64_t major = Magnitude(majorDelta);
  const uint64_t minor = Magnitude(minorDelta);
  if (major == 0) return;

  const int64_t majorLo = ClampCoordinate(xMajor ? clip.left : clip.top);
  const int64_t majorHi = ClampCoordinate(xMajor ? clip.right : clip.bottom);
  const int64_t minorLo = ClampCoordinate(xMajor ? clip.top : clip.left);
  const int64_t minorHi = ClampCoordinate(xMajor ? clip.bottom : clip.right);
  if (majorLo >= majorHi || minorLo >= minorHi) return;

  const int64_t majorStep = majorDelta > 0 ? 1 : -1;
  const int64_t minorStep = minorDelta >= 0 ? 1 : -1;
  int64_t first = majorStep > 0 ? majorLo - major0 : major0 - (majorHi - 1);
  int64_t end = majorStep > 0 ? majorHi - major0 : major0 - majorLo + 1;
  first = std::max<int64_t>(first, 0);
  end = std::min<int64_t>(end, static_cast<int64_t>(major));
  if (first >= end) return;

  const uint64_t twoMajor = 2 * major;
  const uint64_t twoMinor = 2 * minor;
  auto [offset, error] = MulDiv(twoMinor, static_cast<uint64_t>(first), twoMajor);
  error += major - 1 + static_cast<uint64_t>(OctantBias(dx, dy));
  if (error >= twoMajor) {
    error -= twoMajor;
    ++offset;
  }
  int64_t majorPos = major0 + majorStep * first;
  for (int64_t i = first; i < end; ++i) {
    const int64_t minorPos = minor0 + minorStep * static_cast<int64_t>(offset);
    if (minorPos >= minorLo && minorPos < minorHi) {
      if (xMajor) {
        plot(majorPos, minorPos);
      } else {
        plot(minorPos, majorPos);
      }
    }
    majorPos += majorStep;
    error += twoMinor;
    if (error >= twoMajor) {
      error -= twoMajor;
      ++offset;
    }
  }
}

}  // namespace

std::vector<PixelPos> LinePixels(int64_t x0, int64_t y0, int64_t x1, int64_t y1,
                                 const ClipRect& clip) {
  std::vector<PixelPos> pixels;
  TraceLine(x0, y0, x1, y1, clip, [&](int64_t x, int64_t y) { pixels.push_back({x, y}); });
  return pixels;
}

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {
  if (width_ == 0 || height_ == 0) width_ = height_ = 0;
}

void Canvas::Fill(Rgb colour) {
  std::fill(pixels_.begin(), pixels_.end(), colour);
}

void Canvas::SetPixel(int64_t x, int64_t y, Rgb colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
          static_cast<std::size_t>(x)] = colour;
}

Rgb Canvas::Pixel(int64_t x, int64_t y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return Black;
  return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                 static_cast<std::size_t>(x)];
}

void Canvas::MoveTo(int64_t x, int64_t y) {
  penX_ = x;
  penY_ = y;
}

void Canvas::LineTo(int64_t x, int64_t y) {
  const ClipRect image{0, 0, width_, height_};
  Rgb* pixels = pixels_.data();
  const auto stride = static_cast<std::size_t>(width_);
  TraceLine(penX_, penY_, x, y, image, [&](int64_t px, int64_t py) {
    pixels[static_cast<std::size_t>(py) * stride + static_cast<std::size_t>(px)] = Black;
  });
  penX_ = x;
  penY_ = y;
}

}  // namespace ombrelune
