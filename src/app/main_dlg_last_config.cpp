#include <QAction>
#include <QComboBox>
#include <optional>
#include <string>

#include "app/control_ids.h"
#include "app/main_dlg.h"
#include "storage/last_config_record.h"
#include "storage/last_config_store.h"

// ombrelune.cfg, the configuration of the last run: opened at start-up, held
// open for the whole run, written once when the window goes.
namespace ombrelune {

namespace {

const std::string kLastConfigFile = "ombrelune.cfg";

// The one record of the process and its open file. Each start-up begins with a
// fresh record, as a new process would. The store belongs to the window that
// opened it: a window that is destroyed after a newer one has opened the file
// (which only a test does) writes nothing.
std::optional<LastConfigStore> store;
const CMainDlg* storeOwner = nullptr;

}  // namespace

void CMainDlg::OpenLastConfig() {
  store.emplace();
  storeOwner = this;
  ombrelune::OpenLastConfig(*store, kLastConfigFile);
  // A file that could neither be opened nor created is never read or written:
  // the start uses the built-in configuration.
  loadAtStart = store->usable && ombrelune::LoadAtStart(store->record) ? 1 : 0;
}

void CMainDlg::ApplyStoredConfig() {
  // Flags come back normalised and the aspect from the stored sides;
  // currentCorrector stays the catalogue's last line, whatever name is shown.
  if (storeOwner != this || !store) return;
  const StoredConfig stored = DecodeLastConfig(store->record);
  config = stored.config;
  correctorList->setEditText(QString::fromStdString(stored.correctorName));
  sensorList->setEditText(QString::fromStdString(stored.sensorName));
}

void CMainDlg::ToggleLoadAtStart() {
  // Nothing is written here: the record's flag reaches the file at exit.
  loadAtStart = loadAtStart != 0 ? 0 : 1;
  if (storeOwner == this && store) SetLoadAtStart(store->record, loadAtStart != 0);
  menuActions.value(ids::MenuLoadAtStart)->setChecked(loadAtStart != 0);
}

void CMainDlg::StoreLastConfig() {
  if (storeOwner != this || !store) return;
  // The values held, not the controls: a text left that is not a number is
  // stored as its last accepted value. A write error has no one to go to.
  ombrelune::StoreLastConfig(*store, config, correctorList->currentText().toStdString(),
                             sensorList->currentText().toStdString());
  store.reset();
  storeOwner = nullptr;
}

}  // namespace ombrelune
