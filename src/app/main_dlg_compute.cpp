#include <QApplication>
#include <QPlainTextEdit>

#include "app/control_ids.h"
#include "app/main_dlg.h"

namespace ombrelune {

namespace {

// The wait cursor for the length of the sampling, put back however it ends.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

void CMainDlg::RunComputation() {
  // A refused text has been reported; the run goes on with the values held.
  TransferIn();
  {
    WaitCursor wait;
    lastListText = ComputeResult(config, resultTable);
  }
  // Both edits get the same text, set once each (setPlainText takes CR LF as
  // one line break).
  const QString text = QString::fromUtf8(lastListText);
  ControlAs<QPlainTextEdit>(ids::ListEdit)->setPlainText(text);
  ControlAs<QPlainTextEdit>(ids::ShortListEdit)->setPlainText(text);
  // The drawing follows at the repaint. The frame is all the window paints
  // itself: the controls repaint on their own when their text changes, and
  // invalidating the whole window would repaint every one of them for nothing.
  update(Control(ids::DrawingFrame)->geometry());
}

}  // namespace ombrelune
