#include <QComboBox>
#include <QGroupBox>

#include "app/control_ids.h"
#include "app/corrector_entry.h"
#include "app/main_dlg.h"
#include "optics/rounding.h"
#include "optics/sensor_rules.h"

namespace ombrelune {

namespace {

const QString kFocuserCaption = QStringLiteral("      Porte oculaire");
const QString kFocuserWarning =
    QStringLiteral("      Porte oculaire      !!! diamètre trop petit !!!");

// The four optional groups. Disabled members keep their values, which are still
// exchanged and stored; the flag alone decides whether the model uses them.
struct InputGroup {
  int checkBox;
  int TelescopeConfig::*flag;
  std::initializer_list<int> members;
};

const InputGroup kGroups[] = {
    {ids::SecondaryEnabled,
     &TelescopeConfig::secondaryEnabled,
     {ids::SecondaryDiameterLabel, ids::SecondaryToFocusLabel, ids::SecondaryDiameter,
      ids::SecondaryToFocus, ids::HelpSecondary, ids::ObstructionEnabled}},
    {ids::FocuserEnabled,
     &TelescopeConfig::focuserEnabled,
     {ids::FocuserDiameterLabel, ids::FocuserToFocusLabel, ids::FocuserDiameter,
      ids::FocuserToFocus, ids::HelpFocuser}},
    {ids::CorrectorEnabled,
     &TelescopeConfig::correctorEnabled,
     {ids::CorrectorDiameterLabel, ids::CorrectorToFocusLabel, ids::CorrectorMagnificationLabel,
      ids::CorrectorShiftLabel, ids::CorrectorDiameter, ids::CorrectorToFocus,
      ids::CorrectorMagnification, ids::CorrectorList, ids::CorrectorShift, ids::HelpCorrector}},
    {ids::FilterEnabled,
     &TelescopeConfig::filterEnabled,
     {ids::FilterDiameterLabel, ids::FilterToFocusLabel, ids::FilterDiameter, ids::FilterToFocus,
      ids::HelpFilter}},
};

}  // namespace

// --- Groups and caption --------------------------------------------------------

void CMainDlg::SetGroupEnabled(int checkBoxId, bool enabled) {
  for (const InputGroup& group : kGroups) {
    if (group.checkBox != checkBoxId) continue;
    for (int id : group.members) Control(id)->setEnabled(enabled);
  }
}

void CMainDlg::EnableInputGroups() {
  for (const InputGroup& group : kGroups) SetGroupEnabled(group.checkBox, config.*group.flag != 0);
}

void CMainDlg::UpdateFocuserCaption() {
  const bool tooNarrow = config.focuserDiameter < config.correctorDiameter;
  ControlAs<QGroupBox>(ids::FocuserGroup)->setTitle(tooNarrow ? kFocuserWarning : kFocuserCaption);
}

// --- Check boxes -----------------------------------------------------------------

void CMainDlg::OnSecondaryEnabled() {
  TransferIn();
  SetGroupEnabled(ids::SecondaryEnabled, config.secondaryEnabled == 1);
  RunComputation();
}

void CMainDlg::OnFocuserEnabled() {
  TransferIn();
  if (config.focuserEnabled == 1) {
    SetGroupEnabled(ids::FocuserEnabled, true);
    // With the corrector off there is no lens to compare with: the caption
    // stays as it is.
    if (config.correctorEnabled == 1) UpdateFocuserCaption();
  } else {
    SetGroupEnabled(ids::FocuserEnabled, false);
    ControlAs<QGroupBox>(ids::FocuserGroup)->setTitle(kFocuserCaption);
  }
  RunComputation();
}

void CMainDlg::OnCorrectorEnabled() {
  TransferIn();
  SetGroupEnabled(ids::CorrectorEnabled, config.correctorEnabled == 1);
  RunComputation();
}

void CMainDlg::OnFilterEnabled() {
  TransferIn();
  SetGroupEnabled(ids::FilterEnabled, config.filterEnabled == 1);
  RunComputation();
}

void CMainDlg::OnObstructionEnabled() {
  TransferIn();
  RunComputation();
}

// --- Edits -----------------------------------------------------------------------
// Each reads every control, then acts only on a value greater than 0 (written
// !(x > 0) so that nothing else gets through): a zero or negative value is
// kept silently and the previous result stays on screen.

void CMainDlg::OnChangePrimaryDiameter() {
  TransferIn();
  if (!(config.primaryDiameter > 0)) return;
  RunComputation();
}

void CMainDlg::OnChangePrimaryFocalLength() {
  TransferIn();
  if (!(config.primaryFocalLength > 0)) return;
  // A catalogue corrector whose shift is given per millimetre of focal length
  // follows the focal length, even while the corrector is off.
  if (!currentCorrector.name.empty() && currentCorrector.shiftPerFocalLength != 0) {
    config.correctorShift =
        RoundHalfTowardZero(currentCorrector.shiftPerFocalLength * config.primaryFocalLength);
    TransferOut();
  }
  RunComputation();
}

void CMainDlg::OnChangeSecondaryDiameter() {
  TransferIn();
  if (!(config.secondaryDiameter > 0)) return;
  RunComputation();
}

void CMainDlg::OnChangeSecondaryToFocus() {
  TransferIn();
  if (!(config.secondaryToFocus > 0)) return;
  RunComputation();
}

void CMainDlg::OnChangeFocuserDiameter() {
  TransferIn();
  if (!(config.focuserDiameter > 0)) return;
  if (config.correctorEnabled == 1) UpdateFocuserCaption();
  RunComputation();
}

void CMainDlg::OnChangeFocuserToFocus() {
  TransferIn();
  if (!(config.focuserToFocus > 0)) return;
  RunComputation();
}

void CMainDlg::ForgetCatalogueCorrector() {
  // The values are typed by hand from now on: the focal length no longer
  // drives the shift until a catalogue entry is picked again.
  currentCorrector.name.clear();
  correctorList->setEditText(QString());
}

void CMainDlg::OnChangeCorrectorDiameter() {
  TransferIn();
  ForgetCatalogueCorrector();
  if (!(config.correctorDiameter > 0)) return;
  RunComputation();
}

void CMainDlg::OnChangeCorrectorToFocus() {
  TransferIn();
  ForgetCatalogueCorrector();
  if (!(config.correctorToFocus > 0)) return;
  RunComputation();
}

void CMainDlg::OnChangeCorrectorMagnification() {
  TransferIn();
  ForgetCatalogueCorrector();
  if (!(config.correctorMagnification > 0)) return;
  RunComputation();
}

void CMainDlg::OnChangeCorrectorShift() {
  // A shift may be zero or negative: no test.
  TransferIn();
  ForgetCatalogueCorrector();
  RunComputation();
}

void CMainDlg::OnChangeFilterDiameter() {
  TransferIn();
  if (!(config.filterDiameter > 0)) return;
  RunComputation();
}

void CMainDlg::OnChangeFilterToFocus() {
  TransferIn();
  if (!(config.filterToFocus > 0)) return;
  RunComputation();
}

void CMainDlg::ForgetCatalogueSensor() {
  // The list's entries stay; only its text shows that the sensor is no longer
  // the catalogue's (and that empty text is what gets stored).
  sensorList->setEditText(QString());
}

void CMainDlg::OnChangeSensorDiagonal() {
  TransferIn();
  ForgetCatalogueSensor();
  if (!(config.sensorDiagonal > 0)) return;
  ApplyDiagonalRule(config);
  TransferOut();
  RunComputation();
}

void CMainDlg::OnChangeSensorWidth() {
  TransferIn();
  ForgetCatalogueSensor();
  if (!(config.sensorWidth > 0)) return;
  ApplyWidthHeightRule(config);
  TransferOut();
  RunComputation();
}

void CMainDlg::OnChangeSensorHeight() {
  TransferIn();
  ForgetCatalogueSensor();
  // The height is tested, yet the rule divides by the width: with a width of 0
  // the aspect becomes infinite (or NaN for 0/0, which the test above rules
  // out). That is harmless: only the diagonal rule reads the aspect, and it
  // turns nothing into an integer.
  if (!(config.sensorHeight > 0)) return;
  ApplyWidthHeightRule(config);
  TransferOut();
  RunComputation();
}

}  // namespace ombrelune
