#include "app/main_dlg.h"

// Help drawings, help text, About box and update check. Modal windows go
// through `modals` (RunDialog, ShowMessage, OpenUrl) so that tests never block.
namespace ombrelune {

void CMainDlg::OnHelpSecondary() {}

void CMainDlg::OnHelpFocuser() {}

void CMainDlg::OnHelpCorrector() {}

void CMainDlg::OnHelpFilter() {}

void CMainDlg::OnHelpText() {}

void CMainDlg::OnAboutBox() {}

void CMainDlg::OnCheckUpdate() {}

}  // namespace ombrelune
