// The window as laid out on screen: everything inside it, every caption
// readable in full, edits named by their labels, the pointer reaching the
// edits through the group boxes, and the keyboard order.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWindow>

#include "app/control_ids.h"
#include "app/dialog_group_box.h"
#include "window_fixture.h"

namespace ombrelune {
namespace {

// Title bar and frame of a common desktop.
constexpr int kTitleBarPx = 30;
constexpr int kFramePx = 2;

QString Named(QWidget* w) {
  return w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName();
}

TEST_F(WindowTest, EverythingFitsTheScreenAndTheWindow) {
  EXPECT_LE(dialog->width() + 2 * kFramePx, 1366);
  EXPECT_LE(dialog->height() + kTitleBarPx + kFramePx, 768);
  EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());  // fixed size
  EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMaximizeButtonHint);
  const QRect client = dialog->rect();
  for (QWidget* w : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (w->isWindow()) continue;
    EXPECT_TRUE(client.contains(w->geometry())) << Named(w).toStdString();
    // Nothing of the panel lies under the menu bar.
    if (w != dialog->MenuBar()) {
      EXPECT_GE(w->y(), dialog->MenuBar()->height()) << Named(w).toStdString();
    }
  }
}

TEST_F(WindowTest, NoCaptionIsCutOff) {
  // The focuser's warning is the longest group caption.
  dialog->ControlAs<QGroupBox>(ids::FocuserGroup)
      ->setTitle(QStringLiteral("      Porte oculaire      !!! diamètre trop petit !!!"));
  for (QLabel* label : dialog->findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;
    SCOPED_TRACE(label->text().toStdString());
    if (label->wordWrap()) {
      EXPECT_LE(label->heightForWidth(label->width()), label->height());
    } else {
      EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
    }
    // A label ends before the edit it names.
    if (label->buddy() != nullptr) {
      EXPECT_LT(label->geometry().right(), label->buddy()->x());
    }
  }
  for (auto* group : dialog->findChildren<DialogGroupBox*>()) {
    SCOPED_TRACE(group->title().toStdString());
    EXPECT_LE(group->captionRect().right(), group->width());
  }
  // Check boxes and radio buttons draw their text right of the indicator.
  auto textRoom = [](QAbstractButton* button, QStyle::SubElement contents) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(contents, &option, button).width();
  };
  for (auto* box : dialog->findChildren<QCheckBox*>()) {
    if (box->text().isEmpty()) continue;  // the group boxes' check boxes
    EXPECT_LE(box->fontMetrics().horizontalAdvance(box->text()),
              textRoom(box, QStyle::SE_CheckBoxContents))
        << Named(box).toStdString();
  }
  for (auto* radio : dialog->findChildren<QRadioButton*>()) {
    EXPECT_LE(radio->fontMetrics().horizontalAdvance(radio->text()),
              textRoom(radio, QStyle::SE_RadioButtonContents))
        << Named(radio).toStdString();
  }
  for (auto* button : dialog->findChildren<QPushButton*>()) {
    if (button->isHidden()) continue;
    EXPECT_LT(button->fontMetrics().horizontalAdvance(button->text()), button->width())
        << Named(button).toStdString();
  }
}

TEST_F(WindowTest, CheckBoxesCoverTheBlanksOfTheirGroupCaptions) {
  const std::pair<int, const char*> boxes[] = {
      {ids::SecondaryEnabled, "      Miroir secondaire"},
      {ids::FocuserEnabled, "      Porte oculaire"},
      {ids::CorrectorEnabled, "      Correcteur de champ"},
      {ids::FilterEnabled, "      Filtre"},
  };
  const int indicator = dialog->style()->pixelMetric(QStyle::PM_IndicatorWidth);
  for (const auto& [id, caption] : boxes) {
    SCOPED_TRACE(caption);
    DialogGroupBox* group = nullptr;
    for (auto* g : dialog->findChildren<DialogGroupBox*>()) {
      if (g->title() == QString::fromUtf8(caption)) group = g;
    }
    ASSERT_NE(group, nullptr);
    const QRect blanks = group->captionRect().translated(group->pos());
    const int textStart = blanks.left() + group->fontMetrics().horizontalAdvance("      ");
    const QRect box = Button(id)->geometry();
    EXPECT_GE(box.left(), blanks.left() - 2);
    EXPECT_LE(box.left() + indicator, textStart);
    EXPECT_TRUE(box.intersects(blanks));
  }
}

TEST_F(WindowTest, EditsAreNamedByTheirLabels) {
  const std::pair<const char*, int> labels[] = {
      {"Focale", 1001},
      {"Tirage", 1003},
      {"Diamètre interne", 1009},
      {"Distance début du tube, plan focal", 1010},
      {"Diamètre lentille", 1017},
      {"Distance lentille, nouveau plan focal", 1019},
      {"Facteur de grossissement", 1042},
      {"Allongement sortie", 1043},
      {"Diamètre filtre", 1027},
      {"Distance filtre, plan focal", 1029},
      {"Diagonale capteur", 1007},
      {"Dimensions capteur", 1008},
  };
  for (const auto& [text, id] : labels) {
    SCOPED_TRACE(text);
    int found = 0;
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
      if (label->text() == QString::fromUtf8(text)) {
        ++found;
        EXPECT_EQ(label->buddy(), dialog->Control(id));
      }
    }
    EXPECT_EQ(found, 1);
  }
  // "Diamètre" names both mirrors' edits.
  std::vector<QWidget*> diameters;
  for (QLabel* label : dialog->findChildren<QLabel*>()) {
    if (label->text() == "Diamètre") diameters.push_back(label->buddy());
  }
  EXPECT_EQ(diameters, (std::vector<QWidget*>{dialog->Control(1000), dialog->Control(1002)}));
}

TEST_F(WindowTest, ThePointerReachesEditsThroughGroupBoxesAndTheWindowThroughTexts) {
  // Each group box is made after its edits and lies on top of them; 1007 lies
  // under the "Capteur" group box, made last of all.
  Click(ids::FocuserEnabled);
  for (int id : {ids::PrimaryDiameter, ids::SensorDiagonal, ids::FocuserDiameter}) {
    SCOPED_TRACE(id);
    const QPoint centre = dialog->Control(id)->geometry().center();
    EXPECT_EQ(dialog->childAt(centre), dialog->Control(id));
    dialog->Control(ids::ListEdit)->setFocus();
    QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(FocusedId(), id);
  }
  // Over texts, group boxes and the frame the window itself sees the pointer.
  Click(ids::ModeCurve);
  for (int id :
       {ids::FocuserDiameterLabel, ids::FocuserGroup, ids::DrawingFrame, ids::ReadoutOffset}) {
    SCOPED_TRACE(id);
    const QWidget* w = dialog->Control(id);
    EXPECT_EQ(dialog->childAt(QPoint(w->geometry().left() + 3, w->geometry().center().y())),
              nullptr);
  }
  EXPECT_TRUE(dialog->hasMouseTracking());
}

TEST_F(WindowTest, TabFollowsTheKeyboardOrder) {
  for (int id : {ids::FocuserEnabled, ids::CorrectorEnabled, ids::FilterEnabled}) Click(id);
  const std::vector<int> expected = {1000, 1001, 1002, 1003, 1009, 1010, 1045, 1017, 1019, 1042,
                                     1043, 1027, 1029, 1007, 1008, 1037, 1011, 1014, 1015, 1020,
                                     1021, 1022, 1023, 1030, 1031, 1032, 1050, 1051, 1000};
  dialog->Control(1000)->setFocus();
  std::vector<int> visited = {FocusedId()};
  while (visited.size() < expected.size()) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(FocusedId());
  }
  EXPECT_EQ(visited, expected);
  // Radio buttons and "Quitter" take the focus only when clicked.
  for (int id : {ids::ModeList, ids::ModeCurve, ids::ModeMap, ids::Quit}) {
    EXPECT_EQ(dialog->Control(id)->focusPolicy(), Qt::ClickFocus) << id;
  }
}

}  // namespace
}  // namespace ombrelune
