#include "app/control_ids.h"
#include "app/main_dlg.h"

namespace ombrelune {

// Neither switch computes: the new mode shows at the repaint that follows.

void CMainDlg::SelectListMode() {
  TransferIn();
  update();
  TransferOut();
  Control(ids::ListEdit)->show();
  Control(ids::ShortListEdit)->hide();
  Control(ids::DrawingFrame)->hide();
}

void CMainDlg::SelectPlotMode() {
  TransferIn();
  update();
  TransferOut();
  Control(ids::ListEdit)->hide();
  Control(ids::ShortListEdit)->show();
  Control(ids::DrawingFrame)->show();
}

}  // namespace ombrelune
