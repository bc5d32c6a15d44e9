#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
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

// Saving over an existing file asks nothing. (The catalogues and ombrelune.cfg
// are found by relative name; Qt's dialogs never move the working folder.)
constexpr QFileDialog::Options kFileOptions = QFileDialog::DontConfirmOverwrite;

std::optional<QString> Chosen(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  return path;
}

}  // namespace

void QtModals::ShowMessage(QWidget* parent, const QString& text, Icon icon) {
  QMessageBox box(ToQt(icon), QCoreApplication::applicationName(), text, QMessageBox::Ok, parent);
  box.exec();
}

std::optional<QString> QtModals::AskOpenFile(QWidget* parent) {
  QString selected = kFileTypes;
  return Chosen(QFileDialog::getOpenFileName(parent, QString(), QString(), kFileTypes, &selected,
                                             kFileOptions));
}

std::optional<QString> QtModals::AskSaveFile(QWidget* parent) {
  QString selected = kFileTypes;
  return Chosen(QFileDialog::getSaveFileName(parent, QString(), QString(), kFileTypes, &selected,
                                             kFileOptions));
}

bool QtModals::OpenUrl(const QString& address) {
  return QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

int QtModals::RunDialog(QDialog& dialog) {
  return dialog.exec();
}

}  // namespace ombrelune
