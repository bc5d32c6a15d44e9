// From a keystroke in the primary diameter's edit to the result lists updated,
// in List mode, offscreen. Goal: 2 ms or less per keystroke.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <optional>

#include "app/control_ids.h"
#include "app/main_dlg.h"
#include "app/modals.h"

namespace {

class SilentModals final : public ombrelune::Modals {
 public:
  void ShowMessage(QWidget*, const QString&, Icon) override {}
  std::optional<QString> AskOpenFile(QWidget*) override { return std::nullopt; }
  std::optional<QString> AskSaveFile(QWidget*) override { return std::nullopt; }
  bool OpenUrl(const QString&) override { return false; }
  int RunDialog(QDialog&) override { return 0; }
};

// Alternately types "1" after "402" and takes it away again: every keystroke
// is an accepted value above 0, so every one runs a full computation.
void Type(QLineEdit* edit, bool digit) {
  QKeyEvent press(QEvent::KeyPress, digit ? Qt::Key_1 : Qt::Key_Backspace, Qt::NoModifier,
                  digit ? QStringLiteral("1") : QString());
  QApplication::sendEvent(edit, &press);
}

template <bool kRepaint>
void BM_KeystrokeInPrimaryDiameter(benchmark::State& state) {
  SilentModals modals;
  ombrelune::CMainDlg dialog(modals);
  dialog.show();
  QApplication::processEvents();
  auto* edit = dialog.ControlAs<QLineEdit>(ombrelune::ids::PrimaryDiameter);
  edit->setFocus();
  edit->end(false);
  bool digit = true;
  for (auto _ : state) {
    Type(edit, digit);
    digit = !digit;
    // With the repaint that the computation asks for (and the caret's).
    if (kRepaint) QApplication::processEvents();
  }
  if (dialog.Config().primaryDiameter != 402 && dialog.Config().primaryDiameter != 4021) {
    state.SkipWithError("the keystrokes did not reach the edit");
  }
}
BENCHMARK(BM_KeystrokeInPrimaryDiameter<false>)
    ->Name("KeystrokeToListsUpdated")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeystrokeInPrimaryDiameter<true>)
    ->Name("KeystrokeToListsRepainted")
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
