#pragma once

#include <cstdint>
#include <vector>

// A small off-screen RGB raster: the drawings are made here and the window
// copies the finished image to the screen in one go.
namespace ombrelune {

// One pixel as 0xFFRRGGBB. The top byte is always 0xFF so that the buffer has
// the layout of an opaque 32-bit RGB image and can be handed to a toolkit image
// without converting a pixel.
using Rgb = std::uint32_t;

constexpr Rgb MakeRgb(int red, int green, int blue) {
  return 0xFF000000u | (static_cast<Rgb>(red & 0xFF) << 16) |
         (static_cast<Rgb>(green & 0xFF) << 8) | static_cast<Rgb>(blue & 0xFF);
}
constexpr Rgb MakeGrey(int grey) {
  return MakeRgb(grey, grey, grey);
}

inline constexpr Rgb White = MakeRgb(255, 255, 255);
inline constexpr Rgb Black = MakeRgb(0, 0, 0);

struct PixelPos {
  std::int64_t x = 0;
  std::int64_t y = 0;
  friend bool operator==(const PixelPos&, const PixelPos&) = default;
};

// The rectangle [left, right) x [top, bottom) to which a line is limited.
struct ClipRect {
  std::int64_t left = 0;
  std::int64_t top = 0;
  std::int64_t right = 0;
  std::int64_t bottom = 0;
};

// Coordinates are clamped to +-PenCoordinateLimit before a line is traced, so
// that every difference and product of the tracing stays inside 64 bits. No
// coordinate of the drawings comes near it: they are ints (at most 2^31) plus
// small margins.
inline constexpr std::int64_t PenCoordinateLimit = std::int64_t{1} << 60;

// The pixels the pen sets for a line from (x0, y0) towards (x1, y1), in order
// from the start, the end point excluded, limited to the clip rectangle.
// The canvas draws its lines with the same rule.
std::vector<PixelPos> LinePixels(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                                 const ClipRect& clip);

class Canvas {
 public:
  Canvas() = default;
  // A width or height below 0 makes an empty image.
  Canvas(int width, int height, Rgb fill = Black);

  int Width() const { return width_; }
  int Height() const { return height_; }

  // Row-major, Width() pixels per row with no padding, Height() rows.
  const Rgb* Data() const { return pixels_.data(); }
  Rgb* Data() { return pixels_.data(); }

  void Fill(Rgb colour);
  // Pixels outside the image are ignored.
  void SetPixel(std::int64_t x, std::int64_t y, Rgb colour);
  // Black for a position outside the image.
  Rgb Pixel(std::int64_t x, std::int64_t y) const;

  // The black 1-pixel pen. LineTo draws from the pen position up to but not
  // including (x, y) and leaves the pen there, so the corners of a polyline are
  // set once. Anything outside the image is clipped.
  void MoveTo(std::int64_t x, std::int64_t y);
  void LineTo(std::int64_t x, std::int64_t y);

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Rgb> pixels_;
  std::int64_t penX_ = 0;
  std::int64_t penY_ = 0;
};

}  // namespace ombrelune
