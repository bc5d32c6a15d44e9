#include "app/main_dlg.h"

// The corrector and sensor catalogues. Until they are read, both lists stay
// empty and the built-in corrector of the start-up defaults is the current one.
namespace ombrelune {

void CMainDlg::LoadCorrectorList() {
  // To come: fill correctorList from correcteur.txt, leaving currentCorrector
  // at the last line; then setCurrentIndex(-1) so that no entry is selected
  // before start-up writes the text.
}

void CMainDlg::LoadSensorList() {
  // To come: fill sensorList from l_ccd.txt; then setCurrentIndex(-1).
}

void CMainDlg::ReadCorrectorEntry(int /*index*/) {
  // To come: read row `index` into currentCorrector, apply it to the
  // configuration, the combo text := its name, UpdateFocuserCaption when the
  // focuser is on, TransferOut, RunComputation.
}

void CMainDlg::ReadSensorEntry(int /*index*/) {
  // To come: read row `index`, apply its width and height (and the diagonal
  // in hundredths), TransferOut, RunComputation.
}

}  // namespace ombrelune
