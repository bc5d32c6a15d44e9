// Saves a picture of the main window, menu bar included, as a user sees it:
//   ombrelune_render OUTPUT.png [STEP...]
// Each STEP acts on a control before the picture is taken, in order:
//   ID=TEXT  types TEXT over the text of edit ID (as one paste)
//   ID       clicks button, check box or radio button ID (1034 shows the
//            curve, 1035 the map)
//   @X,Y     moves the pointer to (X, Y) in the window, for the read-out
// e.g. "ombrelune_render warn.png 1011 1020 1009=40" or
// "ombrelune_render map.png 1035 @420,430". Runs without a display; with
// QT_SCALE_FACTOR=2 the picture has the pixels of a high-density screen.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
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
  if (step.startsWith(QLatin1Char('@'))) {
    const QStringList xy = step.mid(1).split(QLatin1Char(','));
    bool okX = false;
    bool okY = false;
    const QPointF at(xy.value(0).toInt(&okX), xy.value(1).toInt(&okY));
    if (xy.size() != 2 || !okX || !okY) return false;
    QMouseEvent move(QEvent::MouseMove, at, dialog.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&dialog, &move);
    return true;
  }
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
    std::fprintf(stderr, "usage: %s OUTPUT.png [ID=TEXT | ID | @X,Y]...\n", argv[0]);
    return 2;
  }
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  SilentModals modals;
  ombrelune::CMainDlg dialog(modals);
  dialog.show();
  for (int i = 2; i < argc; ++i) {
    if (!Apply(dialog, QString::fromLocal8Bit(argv[i]))) {
      std::fprintf(stderr, "no such control or point for step %s\n", argv[i]);
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
