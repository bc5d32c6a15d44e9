#pragma once

#include <QString>
#include <optional>

class QDialog;
class QWidget;

// Everything that stops the program to wait for the user, behind one interface:
// the window never calls QMessageBox, QFileDialog or QDesktopServices itself,
// so tests replace the lot with a fake that answers at once.
namespace ombrelune {

class Modals {
 public:
  enum class Icon { Information, Warning, Critical };

  virtual ~Modals() = default;

  // A message box with an OK button, captioned with the application's name.
  virtual void ShowMessage(QWidget* parent, const QString& text, Icon icon) = 0;

  // The open and save dialogs of the configuration text files: one file type,
  // "Fichiers Ombrelune (*.txt)"; no confirmation before replacing a file; the
  // path as chosen, with no suffix added. Nothing when the user cancels.
  virtual std::optional<QString> AskOpenFile(QWidget* parent) = 0;
  virtual std::optional<QString> AskSaveFile(QWidget* parent) = 0;

  // Hands an address to the user's browser; false when that failed.
  virtual bool OpenUrl(const QString& address) = 0;

  // Runs a dialog of the program's own (help drawings, About box) modally and
  // returns its result.
  virtual int RunDialog(QDialog& dialog) = 0;
};

// The real thing, with Qt's boxes and dialogs.
class QtModals final : public Modals {
 public:
  void ShowMessage(QWidget* parent, const QString& text, Icon icon) override;
  std::optional<QString> AskOpenFile(QWidget* parent) override;
  std::optional<QString> AskSaveFile(QWidget* parent) override;
  bool OpenUrl(const QString& address) override;
  int RunDialog(QDialog& dialog) override;
};

}  // namespace ombrelune
