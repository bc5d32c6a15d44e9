#include "app/main_app.h"

#include <QApplication>
#include <QFileInfo>
#include <QStyleFactory>

#include "app/main_dlg.h"
#include "app/modals.h"

namespace ombrelune {

int CMainApp::InitInstance() {
  // Every message box is captioned with the program file's name. The display
  // name stays unset: Qt would append it to every window title.
  QCoreApplication::setApplicationName(
      QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
  // One style everywhere, so the window's layout in dialog units looks the same
  // on every desktop.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

  QtModals modals;
  {
    CMainDlg dialog(modals);
    dialog.exec();
  }  // The window stores its configuration as it goes.
  return 0;
}

}  // namespace ombrelune
