#include <QImage>
#include <QPainter>
#include <QRegion>

#include "app/control_ids.h"
#include "app/device_pixels.h"
#include "app/main_dlg.h"
#include "display/pointer_readout.h"
#include "display/result_display.h"

// The drawing frame and the pointer read-out. The frame is drawn, and the
// pointer read, in device pixels: the curve's 1-pixel pen and the map's
// per-pixel greys would otherwise be scaled up, blurred, on a high-density
// screen.
namespace ombrelune {

void CMainDlg::PaintResultDisplay(const QRegion& dirty) {
  if (displayMode == DisplayMode::List) return;
  // The frame's outer rectangle, its edge included. A repaint elsewhere (a
  // caret, a read-out label) must not rebuild the picture: the map costs
  // milliseconds, and every rebuild rewrites fullFieldDiameter.
  const QRect outer = Control(ids::DrawingFrame)->geometry();
  if (!dirty.intersects(outer)) return;

  const double ratio = devicePixelRatioF();
  const FrameRect device = DeviceFrameRect(outer, ratio);
  const int width = device.right - device.left;
  const int height = device.bottom - device.top;
  const Canvas canvas =
      RenderResultDisplay(displayMode, width, height, config, resultTable.fullFieldDiameter);
  if (canvas.Width() <= 0 || canvas.Height() <= 0) return;

  // The canvas already has the layout of an opaque 32-bit image: wrapped, not
  // converted, and copied in one go. At the window's ratio the image covers
  // exactly the frame's device pixels, placed at the device pixel of its
  // top-left corner. The frame, a child, then draws its border over the
  // image's edge, as a frame around a picture does.
  QImage image(reinterpret_cast<const uchar*>(canvas.Data()), canvas.Width(), canvas.Height(),
               canvas.Width() * 4, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  QPainter painter(this);
  painter.drawImage(QPointF(device.left / ratio, device.top / ratio), image);
}

void CMainDlg::UpdatePointerReadout(int x, int y) {
  // A move over a control that keeps the pointer for itself is that control's
  // business. Check boxes and radio buttons track the pointer for their hover
  // look and pass on the moves they ignore; the controls that let the pointer
  // through (texts, group boxes, the frame) are not found here.
  if (childAt(x, y) != nullptr) return;
  TransferIn();
  const double ratio = devicePixelRatioF();
  const FrameRect frame = DeviceFrameRect(Control(ids::DrawingFrame)->geometry(), ratio);
  const QPoint at = DevicePoint(QPointF(x, y), ratio);
  const ReadoutTexts shown{readoutOffsetText, readoutIlluminationText, readoutMagLossText};
  const ReadoutTexts texts = PointerReadout(displayMode, at.x(), at.y(), frame, config,
                                            resultTable.fullFieldDiameter, shown);
  readoutOffsetText = texts.offset;
  readoutIlluminationText = texts.illumination;
  readoutMagLossText = texts.magLoss;
  TransferOut();
}

}  // namespace ombrelune
