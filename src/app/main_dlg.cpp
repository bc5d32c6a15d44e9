#include "app/main_dlg.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <utility>

#include "app/control_ids.h"
#include "app/corrector_entry.h"
#include "app/dialog_builder.h"
#include "app/dialog_layout.h"
#include "app/dialog_units.h"
#include "app/modals.h"
#include "app/window_icon.h"

namespace ombrelune {

CMainDlg::CMainDlg(Modals& modals, QWidget* parent) : QDialog(parent), modals(modals) {
  BuildWindow();
  ConnectControls();
  OnInitDialog();
}

CMainDlg::~CMainDlg() {
  // Every way out (Quitter, Escape, the close box, menu Quitter) ends here,
  // once, while the controls still exist: the combo texts are part of what is
  // stored.
  StoreLastConfig();
}

void CMainDlg::BuildWindow() {
  setWindowTitle(QStringLiteral("ombrelune"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFont(DialogFont());
  setMouseTracking(true);

  BuildMenuBar();
  const int menuHeight = menuBar->sizeHint().height();
  const DialogUnits units = DialogUnits::FromFont(font());
  menuBar->setGeometry(0, 0, units.ToPixelsX(MainDialogWidth), menuHeight);

  controls = BuildControls(this, MainDialogLayout(), units, menuHeight).byId;
  correctorList = ControlAs<QComboBox>(ids::CorrectorList);
  sensorList = ControlAs<QComboBox>(ids::SensorList);
  setFixedSize(units.ToPixelsX(MainDialogWidth), menuHeight + units.ToPixelsY(MainDialogHeight));
}

void CMainDlg::Notify(void (CMainDlg::*handler)()) {
  if (!transferring) (this->*handler)();
}

void CMainDlg::ConnectControls() {
  using Handler = void (CMainDlg::*)();
  const std::pair<int, Handler> editHandlers[] = {
      {ids::PrimaryDiameter, &CMainDlg::OnChangePrimaryDiameter},
      {ids::PrimaryFocalLength, &CMainDlg::OnChangePrimaryFocalLength},
      {ids::SecondaryDiameter, &CMainDlg::OnChangeSecondaryDiameter},
      {ids::SecondaryToFocus, &CMainDlg::OnChangeSecondaryToFocus},
      {ids::SensorDiagonal, &CMainDlg::OnChangeSensorDiagonal},
      {ids::SensorWidth, &CMainDlg::OnChangeSensorWidth},
      {ids::FocuserDiameter, &CMainDlg::OnChangeFocuserDiameter},
      {ids::FocuserToFocus, &CMainDlg::OnChangeFocuserToFocus},
      {ids::CorrectorDiameter, &CMainDlg::OnChangeCorrectorDiameter},
      {ids::CorrectorToFocus, &CMainDlg::OnChangeCorrectorToFocus},
      {ids::FilterDiameter, &CMainDlg::OnChangeFilterDiameter},
      {ids::FilterToFocus, &CMainDlg::OnChangeFilterToFocus},
      {ids::SensorHeight, &CMainDlg::OnChangeSensorHeight},
      {ids::CorrectorMagnification, &CMainDlg::OnChangeCorrectorMagnification},
      {ids::CorrectorShift, &CMainDlg::OnChangeCorrectorShift},
  };
  for (const auto& [id, handler] : editHandlers) {
    auto* edit = ControlAs<QLineEdit>(id);
    connect(edit, &QLineEdit::textChanged, this, [this, h = handler] { Notify(h); });
    // The hidden default button "Calculer" is never pressed by Qt: Enter in an
    // edit is wired to its command directly.
    connect(edit, &QLineEdit::returnPressed, this, [this] { Notify(&CMainDlg::OnCalculate); });
  }

  const std::pair<int, Handler> clickHandlers[] = {
      {ids::Calculate, &CMainDlg::OnCalculate},
      {ids::FocuserEnabled, &CMainDlg::OnFocuserEnabled},
      {ids::CorrectorEnabled, &CMainDlg::OnCorrectorEnabled},
      {ids::SecondaryEnabled, &CMainDlg::OnSecondaryEnabled},
      {ids::FilterEnabled, &CMainDlg::OnFilterEnabled},
      {ids::ObstructionEnabled, &CMainDlg::OnObstructionEnabled},
      {ids::HelpSecondary, &CMainDlg::OnHelpSecondary},
      {ids::HelpFocuser, &CMainDlg::OnHelpFocuser},
      {ids::HelpCorrector, &CMainDlg::OnHelpCorrector},
      {ids::HelpFilter, &CMainDlg::OnHelpFilter},
      {ids::HelpText, &CMainDlg::OnHelpText},
      {ids::ModeList, &CMainDlg::SelectListMode},
      {ids::ModeCurve, &CMainDlg::SelectPlotMode},
      {ids::ModeMap, &CMainDlg::SelectPlotMode},
      {ids::Quit, &CMainDlg::OnQuit},
  };
  for (const auto& [id, handler] : clickHandlers) {
    connect(ControlAs<QAbstractButton>(id), &QAbstractButton::clicked, this,
            [this, h = handler] { Notify(h); });
  }

  // A catalogue row is applied only when the user picks it: from the dropped
  // list or with the arrow keys. QComboBox also reports an "activation" when
  // Return is pressed or the field is left with a text equal to an entry;
  // those would overwrite values the user typed, so the line edit's
  // Return and editing-finished signals are cut from the combo box.
  // Return then runs the computation, as in every edit.
  const std::pair<QComboBox*, void (CMainDlg::*)(int)> lists[] = {
      {correctorList, &CMainDlg::ReadCorrectorEntry},
      {sensorList, &CMainDlg::ReadSensorEntry},
  };
  for (const auto& [combo, reader] : lists) {
    QLineEdit* edit = combo->lineEdit();
    disconnect(edit, SIGNAL(editingFinished()), combo, nullptr);
    disconnect(edit, SIGNAL(returnPressed()), combo, nullptr);
    connect(edit, &QLineEdit::returnPressed, this, [this] { Notify(&CMainDlg::OnCalculate); });
    connect(combo, &QComboBox::activated, this, [this, r = reader](int index) {
      if (!transferring) (this->*r)(index);
    });
  }

  // The result edits keep Return for the computation; Tab already moves on.
  for (int id : {ids::ListEdit, ids::ShortListEdit}) Control(id)->installEventFilter(this);
}

bool CMainDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Notify(&CMainDlg::OnCalculate);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void CMainDlg::OnInitDialog() {
  // 1. The controls exist; they show the values of a newly built window.
  TransferOut();
  // 2. The About entry of the window's own menu; 3. the window icon. (Qt keeps
  // the wait and arrow cursors itself.)
  AddAboutToWindowMenu();
  setWindowIcon(MakeWindowIcon());
  // 5-7. Catalogues and the last-configuration file.
  LoadCorrectorList();
  LoadSensorList();
  OpenLastConfig();
  // 8. The stored configuration or the built-in one.
  if (loadAtStart != 0) {
    ApplyStoredConfig();
  } else {
    ApplyStartupDefaults();
  }
  // 9, 10. Check mark and input groups; the focuser caption starts normal.
  menuActions.value(ids::MenuLoadAtStart)->setChecked(loadAtStart != 0);
  EnableInputGroups();
  // 11, 12. List mode, then a full repaint.
  Control(ids::ListEdit)->show();
  Control(ids::ShortListEdit)->hide();
  Control(ids::DrawingFrame)->hide();
  update();
  // 13, 14. Values into the controls, and the first result.
  TransferOut();
  resultTable.rowCount = 0;
  RunComputation();
  // 15. The first tab stop.
  Control(ids::PrimaryDiameter)->setFocus();
}

void CMainDlg::ApplyStartupDefaults() {
  // The built-in corrector, applied at the default focal length (a shift of
  // RoundHalfTowardZero(0.01666 x 1809) = 30 mm).
  config = StartupDefaults();
  currentCorrector = DefaultCorrector();
  ApplyCorrectorEntry(config, currentCorrector);
  sensorList->setEditText(QStringLiteral("24x36"));
  correctorList->setEditText(QStringLiteral("Televue Paracorr"));
}

void CMainDlg::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  PaintResultDisplay(event->region());
}

void CMainDlg::mouseMoveEvent(QMouseEvent* event) {
  QDialog::mouseMoveEvent(event);
  const QPoint at = event->position().toPoint();
  UpdatePointerReadout(at.x(), at.y());
}

void CMainDlg::OnCalculate() {
  RunComputation();
}

void CMainDlg::OnQuit() {
  // Unlike the other ways out, "Quitter" reads the fields first and stays open
  // on a text that is not a number.
  if (TransferIn()) accept();
}

}  // namespace ombrelune
