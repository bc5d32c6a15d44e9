#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "app/modals.h"

namespace ombrelune {

namespace {

QMessageBox::Icon ToQt(Modals::Icon icon) {
  switch (icon) {
    case Modals::Icon::Information:
      return QMessageBox::Information;
    case Modals::Icon::Warning:
      return QMessageBox::Warning;
    case Modals::Icon::Critical:
      return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

const QString kFileTypes = QStringLiteral("Fichiers Ombrelune (*.txt)");

// The dialog of both file commands: Qt's own rather than the desktop's, so that
// it behaves alike everywhere. One file type; no suffix of its own (the
// commands add ".txt" to a name without an extension); no question before a
// file is replaced; no read-only choice (Qt's dialog offers none; its ReadOnly
// option would instead make the dialog itself read-only). It never moves the
// working folder, where the catalogues and ombrelune.cfg are found.
class ConfigFileDialog final : public QFileDialog {
 public:
  ConfigFileDialog(QWidget* parent, AcceptMode mode)
      : QFileDialog(parent, QString(), QString(), kFileTypes) {
    setOptions(DontUseNativeDialog | DontConfirmOverwrite);
    setAcceptMode(mode);
    // Opening takes an existing file only; Qt checks that itself.
    setFileMode(mode == AcceptOpen ? ExistingFile : AnyFile);
    selectNameFilter(kFileTypes);
  }

 protected:
  void accept() override {
    // Qt's save dialog would return a name typed into a folder that does not
    // exist, where nothing can be written: it stays open instead, with Qt's own
    // words for it.
    const QStringList files = selectedFiles();
    if (!files.isEmpty()) {
      const QFileInfo chosen(files.front());
      if (!chosen.absoluteDir().exists()) {
        QMessageBox::warning(this, windowTitle(),
                             QFileDialog::tr("%1\nDirectory not found.\nPlease verify the "
                                             "correct directory name was given.")
                                 .arg(chosen.path()));
        return;
      }
    }
    QFileDialog::accept();
  }
};

std::optional<QString> AskFile(QWidget* parent, QFileDialog::AcceptMode mode) {
  ConfigFileDialog dialog(parent, mode);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QString path = dialog.selectedFiles().value(0);
  if (path.isEmpty()) return std::nullopt;
  return path;
}

}  // namespace

void QtModals::ShowMessage(QWidget* parent, const QString& text, Icon icon) {
  QMessageBox box(ToQt(icon), QCoreApplication::applicationName(), text, QMessageBox::Ok, parent);
  box.exec();
}

std::optional<QString> QtModals::AskOpenFile(QWidget* parent) {
  return AskFile(parent, QFileDialog::AcceptOpen);
}

std::optional<QString> QtModals::AskSaveFile(QWidget* parent) {
  return AskFile(parent, QFileDialog::AcceptSave);
}

bool QtModals::OpenUrl(const QString& address) {
  return QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

int QtModals::RunDialog(QDialog& dialog) {
  return dialog.exec();
}

}  // namespace ombrelune
