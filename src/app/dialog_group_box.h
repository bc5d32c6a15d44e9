#pragma once

#include <QGroupBox>

namespace ombrelune {

// A group box drawn the way the layout expects: the frame's top line runs
// through the middle of the caption, and the caption starts a fixed indent in
// from the left edge, where the group's check box covers its leading blanks.
// The frame takes `frameWidthPx` of the widget's width; the rest is room for a
// caption longer than the frame (the focuser's warning), which would otherwise
// be cut off.
class DialogGroupBox : public QGroupBox {
 public:
  DialogGroupBox(const QString& title, int captionIndentPx, QWidget* parent);

  void setFrameWidth(int frameWidthPx) { frameWidth = frameWidthPx; }
  int captionIndent() const { return indent; }
  // Where the caption is drawn, in the widget's coordinates.
  QRect captionRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int indent;
  int frameWidth = 0;
};

}  // namespace ombrelune
