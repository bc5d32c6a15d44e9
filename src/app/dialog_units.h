#pragma once

#include <QFont>
#include <QRect>

// The window is laid out in dialog units, which scale with the dialog's font:
// a horizontal unit is a quarter of the average character width, a vertical
// unit an eighth of the font's height.
namespace ombrelune {

struct DialogUnits {
  double x = 0;  // pixels per horizontal unit
  double y = 0;  // pixels per vertical unit

  // The average character width is the width of "A".."Z" + "a".."z" over 52,
  // the way dialog templates have always measured it; QFontMetrics'
  // averageCharWidth() gives a different figure.
  static DialogUnits FromFont(const QFont& font);

  // Corners are rounded separately so that controls which touch in units still
  // touch in pixels.
  QRect ToPixels(int left, int top, int width, int height) const;
  int ToPixelsX(double units) const;
  int ToPixelsY(double units) const;
};

// The dialog's font. A fixed family and pixel size keep the layout, and so the
// screenshots, the same on every machine: DejaVu Sans at 10 px gives 1.54 x
// 1.375 px per unit, so the 382 x 441-unit window with its title and menu bars
// fits a 1366 x 768 screen.
QFont DialogFont();

}  // namespace ombrelune
