// From a keystroke in the primary diameter's edit to the result lists updated,
// in List mode, offscreen. Goal: 2 ms or less per keystroke. Then the same in
// Curve and Map mode, and a pointer movement over the map.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
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

// Types into edit 1000 with the display in the mode of radio button
// `modeButton`. Without `repaint` the time ends when both lists hold the new
// text; with it, it includes the repaint the computation asks for (the caret's
// too), which in Curve and Map mode rebuilds the drawing at the frame's size.
void KeystrokeInPrimaryDiameter(benchmark::State& state, int modeButton, bool repaint) {
  SilentModals modals;
  ombrelune::CMainDlg dialog(modals);
  dialog.show();
  dialog.ControlAs<QAbstractButton>(modeButton)->click();
  QApplication::processEvents();
  auto* edit = dialog.ControlAs<QLineEdit>(ombrelune::ids::PrimaryDiameter);
  edit->setFocus();
  edit->end(false);
  bool digit = true;
  for (auto _ : state) {
    Type(edit, digit);
    digit = !digit;
    if (repaint) QApplication::processEvents();
  }
  if (dialog.Config().primaryDiameter != 402 && dialog.Config().primaryDiameter != 4021) {
    state.SkipWithError("the keystrokes did not reach the edit");
  }
}
BENCHMARK_CAPTURE(KeystrokeInPrimaryDiameter, list, ombrelune::ids::ModeList, false)
    ->Name("KeystrokeToListsUpdated")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(KeystrokeInPrimaryDiameter, list_repainted, ombrelune::ids::ModeList, true)
    ->Name("KeystrokeToListsRepainted")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(KeystrokeInPrimaryDiameter, curve, ombrelune::ids::ModeCurve, true)
    ->Name("KeystrokeRepaintedInCurveMode")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(KeystrokeInPrimaryDiameter, map, ombrelune::ids::ModeMap, true)
    ->Name("KeystrokeRepaintedInMapMode")
    ->Unit(benchmark::kMicrosecond);

// A pointer movement over the map: both transfers, one evaluation, the three
// labels rewritten and repainted (never the frame).
void BM_PointerMoveOverMap(benchmark::State& state) {
  SilentModals modals;
  ombrelune::CMainDlg dialog(modals);
  dialog.show();
  dialog.ControlAs<QAbstractButton>(ombrelune::ids::ModeMap)->click();
  QApplication::processEvents();
  const QRect frame = dialog.Control(ombrelune::ids::DrawingFrame)->geometry();
  int step = 0;
  for (auto _ : state) {
    // Alternate between two points of different offsets, so that the labels
    // change every time.
    const QPointF at = frame.center() + QPointF(step % 2 == 0 ? 40 : 90, 0);
    ++step;
    QMouseEvent move(QEvent::MouseMove, at, dialog.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&dialog, &move);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_PointerMoveOverMap)->Name("PointerMoveOverMap")->Unit(benchmark::kMicrosecond);

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
