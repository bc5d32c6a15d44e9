#include "app/dialog_units.h"

#include <QFontMetrics>
#include <QString>
#include <cmath>

#include "optics/rounding.h"

namespace ombrelune {

DialogUnits DialogUnits::FromFont(const QFont& font) {
  const QFontMetrics metrics(font);
  const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  const double averageWidth = metrics.horizontalAdvance(alphabet) / 52.0;
  return DialogUnits{averageWidth / 4.0, metrics.height() / 8.0};
}

int DialogUnits::ToPixelsX(double units) const {
  return TruncToInt(std::round(units * x));
}

int DialogUnits::ToPixelsY(double units) const {
  return TruncToInt(std::round(units * y));
}

QRect DialogUnits::ToPixels(int left, int top, int width, int height) const {
  const int l = ToPixelsX(left);
  const int t = ToPixelsY(top);
  return QRect(QPoint(l, t), QPoint(ToPixelsX(left + width) - 1, ToPixelsY(top + height) - 1));
}

QFont DialogFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(10);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace ombrelune
