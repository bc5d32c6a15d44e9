#include <QRegion>

#include "app/main_dlg.h"

// The drawing frame and the pointer read-out. Nothing is drawn yet: List mode
// needs neither.
namespace ombrelune {

void CMainDlg::PaintResultDisplay(const QRegion& /*dirty*/) {
  // To come: in Curve or Map mode, when `dirty` meets frame 1006, render the
  // curve or the map at the frame's size (this also rewrites
  // resultTable.fullFieldDiameter) and copy it into the frame in one go.
}

void CMainDlg::UpdatePointerReadout(int /*x*/, int /*y*/) {
  // To come: TransferIn; the three read-out texts for the pointer and the mode
  // (readoutOffsetText, readoutIlluminationText, readoutMagLossText);
  // TransferOut.
}

}  // namespace ombrelune
