// The refused-text rule with Qt's own message box, which hands the focus back
// to whatever had it when it closes.
#include <QMessageBox>
#include <QTimer>

#include "app/control_ids.h"
#include "window_fixture.h"

namespace ombrelune {
namespace {

TEST_F(WorkingFolderTest, AfterTheRealMessageBoxTheFocusIsOnTheRefusedText) {
  struct Seen {
    QString title, text;
    QMessageBox::Icon icon;
  };
  std::vector<Seen> seen;
  // Answers each box as soon as it is up.
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&seen] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      seen.push_back({box->windowTitle(), box->text(), box->icon()});
      box->accept();
    }
  });
  answer.start(5);

  QtModals modals;
  CMainDlg dialog(modals);
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  auto* secondary = dialog.ControlAs<QLineEdit>(ids::SecondaryDiameter);
  secondary->setText("abc");  // two boxes: the handler's reading and the run's
  // "Quitter" takes the focus when clicked, and Qt would give it back to it.
  QTest::mouseClick(dialog.Control(ids::Quit), Qt::LeftButton);
  QTest::qWait(50);

  ASSERT_EQ(seen.size(), 3u);
  for (const Seen& s : seen) {
    EXPECT_EQ(s.title, QCoreApplication::applicationName());
    EXPECT_EQ(s.text, "Tapez un nombre.");
    EXPECT_EQ(s.icon, QMessageBox::Warning);
  }
  EXPECT_TRUE(dialog.isVisible());
  // The window's focus is on the refused edit, not on the button that had it.
  EXPECT_EQ(dialog.focusWidget(), secondary);
  QApplication::setActiveWindow(&dialog);
  EXPECT_EQ(QApplication::focusWidget(), secondary);
  EXPECT_EQ(secondary->selectedText(), "abc");
}

}  // namespace
}  // namespace ombrelune
