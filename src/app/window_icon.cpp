#include "app/window_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace ombrelune {

namespace {

QPixmap DrawIcon(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF sky(0.5, 0.5, size - 1.0, size - 1.0);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(20, 30, 70));
  painter.drawRoundedRect(sky, size * 0.15, size * 0.15);

  // The lit disc, less the disc of the shadow that eats into it.
  const QRectF moon = sky.adjusted(size * 0.15, size * 0.15, -size * 0.15, -size * 0.15);
  QPainterPath lit;
  lit.addEllipse(moon);
  QPainterPath shadow;
  shadow.addEllipse(moon.translated(size * 0.28, -size * 0.08));
  painter.setBrush(QColor(245, 235, 180));
  painter.drawPath(lit.subtracted(shadow));
  painter.setBrush(QColor(60, 70, 110));
  painter.drawPath(lit.intersected(shadow));
  return pixmap;
}

}  // namespace

QIcon MakeWindowIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64}) icon.addPixmap(DrawIcon(size));
  return icon;
}

}  // namespace ombrelune
