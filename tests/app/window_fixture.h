#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_dlg.h"
#include "app/modals.h"

namespace ombrelune {

// Answers every modal at once and remembers what was asked.
class FakeModals final : public Modals {
 public:
  struct Message {
    QString text;
    Icon icon;
  };
  std::vector<Message> messages;

  void ShowMessage(QWidget*, const QString& text, Icon icon) override {
    messages.push_back({text, icon});
  }
  // What the file dialogs answer (nothing: cancelled), and what happens while
  // one is open (the window behind it may repaint).
  std::optional<QString> openAnswer, saveAnswer;
  std::function<void()> whileFileDialogOpen;

  std::optional<QString> AskOpenFile(QWidget*) override { return AnswerFileDialog(openAnswer); }
  std::optional<QString> AskSaveFile(QWidget*) override { return AnswerFileDialog(saveAnswer); }
  bool OpenUrl(const QString&) override { return false; }
  int RunDialog(QDialog&) override { return 0; }

 private:
  std::optional<QString> AnswerFileDialog(const std::optional<QString>& answer) {
    if (whileFileDialogOpen) whileFileDialogOpen();
    return answer;
  }
};

// A fresh working folder for each test: the window reads and writes its files
// in the current folder.
class WorkingFolderTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (QApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "ombrelune_window_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
  }

  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    previousFolder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
  }

  void TearDown() override { QDir::setCurrent(previousFolder); }

  QTemporaryDir folder;
  QString previousFolder;
};

// One window, shown and active, whose message boxes and dialogs answer at once.
class WindowTest : public WorkingFolderTest {
 protected:
  void SetUp() override {
    WorkingFolderTest::SetUp();
    OpenWindow();
  }

  void TearDown() override {
    dialog.reset();
    WorkingFolderTest::TearDown();
  }

  void OpenWindow() {
    dialog = std::make_unique<CMainDlg>(modals);
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
  }

  QLineEdit* Edit(int id) const { return dialog->ControlAs<QLineEdit>(id); }
  QComboBox* Combo(int id) const { return dialog->ControlAs<QComboBox>(id); }
  QAbstractButton* Button(int id) const { return dialog->ControlAs<QAbstractButton>(id); }
  QPlainTextEdit* List(int id) const { return dialog->ControlAs<QPlainTextEdit>(id); }

  // The user replaces the whole text of an edit at once (a paste over a
  // selection): one change notification.
  void Paste(int id, const QString& text) {
    QLineEdit* edit = Edit(id);
    edit->setFocus();
    edit->selectAll();
    edit->insert(text);
  }

  // Clicks a check box, radio or push button with the mouse.
  void Click(int id) { QTest::mouseClick(Button(id), Qt::LeftButton); }

  // The control that holds the keyboard focus, by id (the line edit inside a
  // combo box counts as the combo box).
  int FocusedId() const {
    for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget()) {
      bool ok = false;
      const int id = w->objectName().toInt(&ok);
      if (ok) return id;
    }
    return 0;
  }

  std::string ListText(int id = 1032) const { return List(id)->toPlainText().toStdString(); }

  int MessageCount(const QString& text) const {
    int n = 0;
    for (const auto& m : modals.messages) n += m.text == text ? 1 : 0;
    return n;
  }

  FakeModals modals;
  std::unique_ptr<CMainDlg> dialog;
};

// A list with CR LF line ends as an edit shows it, with LF alone.
inline std::string AsShown(const std::string& text) {
  std::string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    shown += text[i];
  }
  return shown;
}

}  // namespace ombrelune
