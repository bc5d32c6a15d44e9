#pragma once

#include <QDialog>
#include <QHash>
#include <span>
#include <string>

#include "display/display_mode.h"
#include "optics/result_table.h"
#include "optics/telescope_config.h"

class QAction;
class QComboBox;
class QLineEdit;
class QMenuBar;
class QRegion;

namespace ombrelune {

class Modals;

// The main window: the input panel on the left, the result on the right. Every
// event is one handler, run to its end; handlers read the controls with
// TransferIn, write derived values back with TransferOut and recompute.
//
// The class is spread over files by concern:
//   main_dlg.cpp             construction, start-up, wiring of the events, closing
//   main_dlg_transfer.cpp    TransferIn / TransferOut and the refused-text rule
//   main_dlg_input.cpp       input panel: edits, check boxes, groups, focuser caption
//   main_dlg_compute.cpp     RunComputation
//   main_dlg_menus.cpp       menu bar and the About entry of the window's own menu
//   main_dlg_modes.cpp       List / Curve / Map switch
// and the parts that other work fills in:
//   main_dlg_display.cpp     drawing frame and pointer read-out
//   main_dlg_catalogues.cpp  corrector and sensor lists
//   main_dlg_last_config.cpp ombrelune.cfg
//   main_dlg_files.cpp       configuration text files
//   main_dlg_help.cpp        help buttons, About box, update check
class CMainDlg : public QDialog {
  Q_OBJECT

 public:
  // Builds the controls and runs the start-up sequence: when this returns, the
  // window holds its configuration and a first result, ready to be shown.
  explicit CMainDlg(Modals& modals, QWidget* parent = nullptr);
  // Stores the last configuration, whichever way the window was closed.
  ~CMainDlg() override;

  // --- Data exchange --------------------------------------------------------
  // All controls into the values held, in their fixed order. A text that is not
  // a number stops the reading there: message, focus and selection on that edit,
  // the later fields keep their values, and false is returned (callers other
  // than "Quitter" go on regardless).
  bool TransferIn();
  // All values into their controls; texts that already read the same are left
  // alone (rewriting would move the caret).
  void TransferOut();

  // Reads the controls, computes, lists the result in both result edits and
  // has the window repainted.
  void RunComputation();

  // Enables or disables the four optional input groups from their flags.
  void EnableInputGroups();
  // The focuser group's caption warns when its drawtube is narrower than the
  // corrector's first lens.
  void UpdateFocuserCaption();

  // Radio buttons "Liste" and "Courbe"/"Map".
  void SelectListMode();
  void SelectPlotMode();

  // --- State, for the integrations and the tests ---------------------------
  TelescopeConfig& Config() { return config; }
  ResultTable& Results() { return resultTable; }
  DisplayMode Mode() const { return displayMode; }
  int LoadAtStart() const { return loadAtStart; }
  // The result list as the computation wrote it (UTF-8, CR LF line ends); the
  // edits hold the same text with LF alone.
  const std::string& LastListText() const { return lastListText; }
  QWidget* Control(int id) const { return controls.value(id); }
  template <class T>
  T* ControlAs(int id) const {
    return qobject_cast<T*>(Control(id));
  }
  QAction* MenuCommand(int id) const { return menuActions.value(id); }
  QMenuBar* MenuBar() const { return menuBar; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Binding;
  static std::span<const Binding> Bindings();

  // Construction and start-up (main_dlg.cpp).
  void BuildWindow();
  void ConnectControls();
  void OnInitDialog();
  void ApplyStartupDefaults();
  // Wraps a handler so that notifications are ignored while a transfer runs.
  void Notify(void (CMainDlg::*handler)());

  // Transfers (main_dlg_transfer.cpp).
  void RefuseText(QLineEdit* edit);

  // Menus (main_dlg_menus.cpp).
  void BuildMenuBar();
  void AddAboutToWindowMenu();

  // Event handlers, in the order of the event table.
  void OnCalculate();
  void OnSecondaryEnabled();
  void OnFocuserEnabled();
  void OnCorrectorEnabled();
  void OnFilterEnabled();
  void OnObstructionEnabled();
  void OnQuit();
  void OnChangePrimaryDiameter();
  void OnChangePrimaryFocalLength();
  void OnChangeSecondaryDiameter();
  void OnChangeSecondaryToFocus();
  void OnChangeFocuserDiameter();
  void OnChangeFocuserToFocus();
  void OnChangeCorrectorDiameter();
  void OnChangeCorrectorToFocus();
  void OnChangeCorrectorMagnification();
  void OnChangeCorrectorShift();
  void OnChangeFilterDiameter();
  void OnChangeFilterToFocus();
  void OnChangeSensorDiagonal();
  void OnChangeSensorWidth();
  void OnChangeSensorHeight();

  // Input panel helpers (main_dlg_input.cpp).
  void SetGroupEnabled(int checkBoxId, bool enabled);
  void ForgetCatalogueCorrector();
  void ForgetCatalogueSensor();

  // --- Filled by the drawing work (main_dlg_display.cpp) --------------------
  // Paints the curve or the map into frame 1006 on every repaint of the window;
  // `dirty` is the region being repainted (a caret blinking in an edit repaints
  // a few pixels only: skip the drawing when it misses the frame).
  void PaintResultDisplay(const QRegion& dirty);
  // Pointer moved to (x, y), window coordinates, over the window itself or a
  // control that lets the pointer through (texts, group boxes, the frame):
  // TransferIn, the three read-out texts for the mode, TransferOut.
  void UpdatePointerReadout(int x, int y);

  // --- Filled by the catalogue work (main_dlg_catalogues.cpp) ---------------
  // Start-up: fill combo box 1045 from correcteur.txt (currentCorrector left at
  // the last line) and combo box 1051 from l_ccd.txt. After filling a list, set
  // its current index to -1 before any text is written into it.
  void LoadCorrectorList();
  void LoadSensorList();
  // The user picked entry `index` from a list (click in the dropped list or
  // arrow keys; never Return, typing or leaving the field): read that row,
  // apply it, write back, compute.
  void ReadCorrectorEntry(int index);
  void ReadSensorEntry(int index);

  // --- Filled by the last-configuration work (main_dlg_last_config.cpp) ------
  // Start-up: loadAtStart := 0, open or create ombrelune.cfg, read its record.
  void OpenLastConfig();
  // Start-up when loadAtStart is set: fields, the two combo texts, the aspect.
  void ApplyStoredConfig();
  // Menu 32773: flips loadAtStart and the check mark.
  void ToggleLoadAtStart();
  // Called once, from the destructor: write the values held and the two combo
  // texts to ombrelune.cfg.
  void StoreLastConfig();

  // --- Filled by the configuration-file work (main_dlg_files.cpp) -----------
  void OnLoadConfigFile();  // menu 32771 "Charger"
  void OnSaveConfigFile();  // menu 32772 "Sauvegarder"

  // --- Filled by the help and update work (main_dlg_help.cpp) ---------------
  void OnHelpSecondary();  // "?" 1014
  void OnHelpFocuser();    // "?" 1015
  void OnHelpCorrector();  // "?" 1021
  void OnHelpFilter();     // "?" 1031
  void OnHelpText();       // "?" 1022: the help text in a message box
  void OnAboutBox();       // menu 16 and the window menu's About entry
  void OnCheckUpdate();    // menu 32774

  Modals& modals;
  QHash<int, QWidget*> controls;
  QHash<int, QAction*> menuActions;
  QMenuBar* menuBar = nullptr;
  QComboBox* correctorList = nullptr;
  QComboBox* sensorList = nullptr;

  TelescopeConfig config;
  ResultTable resultTable;
  std::string lastListText;
  DisplayMode displayMode = DisplayMode::List;
  std::string readoutOffsetText;
  std::string readoutIlluminationText;
  std::string readoutMagLossText;
  // Whether the stored configuration is applied at the next start: a copy of
  // the last-configuration record's flag, which is what reaches the file.
  int loadAtStart = 0;
  // True while values move between the controls and the record: the controls'
  // notifications are then ignored.
  bool transferring = false;
};

}  // namespace ombrelune
