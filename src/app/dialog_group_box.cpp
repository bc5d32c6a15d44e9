#include "app/dialog_group_box.h"

#include <qdrawutil.h>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

namespace ombrelune {

DialogGroupBox::DialogGroupBox(const QString& title, int captionIndentPx, QWidget* parent)
    : QGroupBox(title, parent), indent(captionIndentPx) {}

QRect DialogGroupBox::captionRect() const {
  const QFontMetrics metrics(font());
  return QRect(indent, 0, metrics.horizontalAdvance(title()), metrics.height());
}

void DialogGroupBox::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QRect caption = captionRect();
  const int frameTop = caption.height() / 2;

  // An etched line, drawn here rather than by the style: styles put their
  // group frame below the caption, not through it. The line stops on either
  // side of the caption.
  const QRect frame(0, frameTop, frameWidth > 0 ? frameWidth : width(), height() - frameTop);
  painter.save();
  painter.setClipRegion(QRegion(rect()) - QRegion(caption.adjusted(-2, 0, 2, 0)));
  qDrawShadeRect(&painter, frame, palette(), true, 1, 0);
  painter.restore();

  style()->drawItemText(&painter, caption, Qt::AlignLeft | Qt::AlignTop, palette(), isEnabled(),
                        title(), QPalette::WindowText);
}

}  // namespace ombrelune
