#include "app/main_dlg.h"

// The configuration text files of the "Fichier" menu.
namespace ombrelune {

void CMainDlg::OnLoadConfigFile() {
  // To come: modals.AskOpenFile; read the 22 parameter lines; EnableInputGroups;
  // TransferOut; RunComputation.
}

void CMainDlg::OnSaveConfigFile() {
  // To come: TransferIn and RunComputation first, then modals.AskSaveFile and
  // write the parameters and the result.
}

}  // namespace ombrelune
