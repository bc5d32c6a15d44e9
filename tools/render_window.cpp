// Saves a picture of the main window, menu bar included, as a user sees it:
//   ombrelune_render OUTPUT.png [STEP...]
// Each STEP acts on a control before the picture is taken, in order:
//   ID=TEXT  types TEXT over the text of edit ID (as one paste)
//   ID       clicks button, check box or radio button ID
// e.g. "ombrelune_render warn.png 1011 1020 1009=40". Runs without a display.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QStyleFactory>
#include <cstdio>
#include <optional>

#include "app/main_dlg.h"
#include "app/modals.h"

namespace {

// Nothing may wait for a user here.
class SilentModals final : public ombrelune::Modals {
 public:
  void ShowMessage(QWidget*, const QString& text, Icon) override {
    std::fprintf(stderr, "message: %s\n", qPrintable(text));
  }
  std::optional<QString> AskOpenFile(QWidget*) override { return std::nullopt; }
  std::optional<QString> AskSaveFile(QWidget*) override { return std::nullopt; }
  bool OpenUrl(const QString&) override { return false; }
  int RunDialog(QDialog&) override { return 0; }
};

bool Apply(ombrelune::CMainDlg& dialog, const QString& step) {
  const int equals = step.indexOf(QLatin1Char('='));
  const int id = step.left(equals < 0 ? step.size() : equals).toInt();
  if (equals >= 0) {
    auto* edit = dialog.ControlAs<QLineEdit>(id);
    if (edit == nullptr) return false;
    edit->selectAll();
    edit->insert(step.mid(equals + 1));
    return true;
  }
  auto* button = dialog.ControlAs<QAbstractButton>(id);
  if (button == nullptr) return false;
  button->click();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png [ID=TEXT | ID]...\n", argv[0]);
    return 2;
  }
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  SilentModals modals;
  ombrelune::CMainDlg dialog(modals);
  dialog.show();
  for (int i = 2; i < argc; ++i) {
    if (!Apply(dialog, QString::fromLocal8Bit(argv[i]))) {
      std::fprintf(stderr, "no such control for step %s\n", argv[i]);
      return 2;
    }
  }
  QApplication::processEvents();
  const QPixmap picture = dialog.grab();
  if (!picture.save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  std::printf("%s: %d x %d\n", argv[1], picture.width(), picture.height());
  return 0;
}
