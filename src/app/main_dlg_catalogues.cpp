#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/corrector_entry.h"
#include "app/main_dlg.h"
#include "storage/corrector_catalogue.h"
#include "storage/sensor_catalogue.h"

// The corrector and sensor catalogues, in the current folder. The lists are
// filled once; a pick reads its row from the file again, so a catalogue edited
// while the program runs gives the row now at that place.
namespace ombrelune {

namespace {

const std::string kCorrectorCatalogue = "correcteur.txt";
const std::string kSensorCatalogue = "l_ccd.txt";

void FillList(QComboBox* list, const std::vector<std::string>& names) {
  list->clear();
  for (const std::string& name : names) list->addItem(QString::fromStdString(name));
  // Filling selects the first entry; start-up writes the text itself and no
  // entry is selected until the user picks one.
  list->setCurrentIndex(-1);
  // Catalogue names are often longer than the box: the dropped list widens to
  // show them whole rather than cutting them.
  QAbstractItemView* view = list->view();
  const int wanted = view->sizeHintForColumn(0) + view->verticalScrollBar()->sizeHint().width() +
                     2 * view->frameWidth() + 8;
  view->setMinimumWidth(std::max(list->width(), wanted));
}

}  // namespace

void CMainDlg::LoadCorrectorList() {
  FillList(correctorList, ombrelune::LoadCorrectorList(kCorrectorCatalogue, currentCorrector));
}

void CMainDlg::LoadSensorList() {
  FillList(sensorList, ombrelune::LoadSensorList(kSensorCatalogue));
}

void CMainDlg::ReadCorrectorEntry(int index) {
  // When nothing can be read (file gone, no entry selected) the corrector held
  // is applied and shown again; a row beyond a shortened file gives its last line.
  ombrelune::ReadCorrectorEntry(kCorrectorCatalogue, index, currentCorrector);
  ApplyCorrectorEntry(config, currentCorrector);
  correctorList->setEditText(QString::fromStdString(currentCorrector.name));
  if (config.focuserEnabled == 1) UpdateFocuserCaption();
  TransferOut();
  RunComputation();
}

void CMainDlg::ReadSensorEntry(int index) {
  // Without a row to read the values held stay; they are written back and
  // computed all the same.
  const std::optional<SensorEntry> entry = ombrelune::ReadSensorEntry(kSensorCatalogue, index);
  if (entry) ApplySensorEntry(config, entry->width, entry->height);
  TransferOut();
  RunComputation();
}

}  // namespace ombrelune
