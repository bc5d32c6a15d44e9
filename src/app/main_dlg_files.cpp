#include <QComboBox>
#include <QFile>
#include <optional>
#include <string>

#include "app/main_dlg.h"
#include "app/modals.h"
#include "storage/config_text_file.h"
#include "storage/file_replace.h"

// The configuration text files of the "Fichier" menu.
namespace ombrelune {

namespace {

// The path of the file a command works on: the dialog's choice in the file
// system's encoding, with ".txt" added to a name without an extension. Used
// whole, however long.
std::optional<std::string> ChosenPath(const std::optional<QString>& chosen) {
  if (!chosen || chosen->isEmpty()) return std::nullopt;
  return WithConfigExtension(QFile::encodeName(*chosen).toStdString());
}

}  // namespace

void CMainDlg::OnLoadConfigFile() {
  const std::optional<std::string> path = ChosenPath(modals.AskOpenFile(this));
  if (!path) return;  // cancelled: nothing at all happens

  // The loader changes a name only when the file has its line; a file that
  // cannot be opened changes nothing, and the panel is refreshed all the same.
  const std::string correctorBefore = correctorList->currentText().toStdString();
  const std::string sensorBefore = sensorList->currentText().toStdString();
  std::string correctorName = correctorBefore;
  std::string sensorName = sensorBefore;
  LoadConfigFile(*path, config, correctorName, sensorName);
  // Only the editable text: the list's selection stays, and no catalogue row is
  // applied (the values are the file's).
  if (correctorName != correctorBefore) {
    correctorList->setEditText(QString::fromStdString(correctorName));
  }
  if (sensorName != sensorBefore) sensorList->setEditText(QString::fromStdString(sensorName));

  // The loader keeps a flag of 0 to 2 and turns any other value into 0, so a
  // group is enabled exactly when TransferOut ticks its box.
  EnableInputGroups();
  // The edits' handlers are silenced during the transfer: they neither clear
  // the names just loaded nor recompute on the way.
  TransferOut();
  RunComputation();
}

void CMainDlg::OnSaveConfigFile() {
  // The file describes what is on screen, computed from it, whether or not the
  // user goes on.
  TransferIn();
  RunComputation();
  const std::optional<std::string> path = ChosenPath(modals.AskSaveFile(this));
  if (!path) return;

  // The result table is taken as it is now: a repaint of the curve or the map
  // behind the dialog re-evaluates the model and leaves its own full-field
  // diameter, and that is the value written.
  const std::string bytes = FormatConfigFile(config, correctorList->currentText().toStdString(),
                                             sensorList->currentText().toStdString(), resultTable);
  // A file that could not be written must not pass for a saved one; an
  // existing file of that name is left as it was.
  if (!WriteFileReplacing(*path, bytes)) {
    modals.ShowMessage(this, QStringLiteral("Impossible d'écrire le fichier."),
                       Modals::Icon::Warning);
  }
}

}  // namespace ombrelune
