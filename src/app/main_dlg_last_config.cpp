#include <QAction>

#include "app/control_ids.h"
#include "app/main_dlg.h"

// ombrelune.cfg, the configuration of the last run. Until it is read and
// written, every start uses the built-in configuration.
namespace ombrelune {

void CMainDlg::OpenLastConfig() {
  loadAtStart = 0;
  // To come: open ombrelune.cfg (or create it with the default record) and
  // read its record, which sets loadAtStart.
}

void CMainDlg::ApplyStoredConfig() {
  // To come: the stored fields into config, the two stored names into the
  // combo texts (no entry selected, currentCorrector untouched), then
  // sensorAspect := sensorHeight / sensorWidth.
}

void CMainDlg::ToggleLoadAtStart() {
  loadAtStart = loadAtStart != 0 ? 0 : 1;
  menuActions.value(ids::MenuLoadAtStart)->setChecked(loadAtStart != 0);
}

void CMainDlg::StoreLastConfig() {
  // To come: the values held (the controls are not read) and the two combo
  // texts into the record, written to ombrelune.cfg, file closed.
}

}  // namespace ombrelune
