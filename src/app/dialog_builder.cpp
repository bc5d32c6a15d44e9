#include "app/dialog_builder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "app/control_ids.h"
#include "app/dialog_group_box.h"
#include "optics/rounding.h"

namespace ombrelune {

namespace {

// Multi-line edits set their tab stops every 32 units: the "\t" and "\t\t"
// columns of the result list were laid out for that width.
constexpr double kTabStopUnits = 32;

// A text tall enough for two lines of the font (8 units each) wraps.
constexpr int kTwoLineUnits = 16;

// Group captions start this far in from the group's left edge: the groups'
// check boxes sit there, over the six blanks that open their captions.
constexpr int kGroupCaptionIndentUnits = 7;
// A group's caption may run past the frame's right edge by this much, up to
// the result list: the focuser's warning is longer than its group is wide.
constexpr int kGroupCaptionOverflowUnits = 10;

QWidget* MakeWidget(const ControlDef& def, QWidget* parent, const DialogUnits& units) {
  const QString caption = QString::fromUtf8(def.caption);
  switch (def.kind) {
    case ControlKind::Edit:
      return new QLineEdit(parent);
    case ControlKind::MultiLineEdit: {
      auto* edit = new QPlainTextEdit(parent);
      edit->setTabChangesFocus(true);
      edit->setLineWrapMode(QPlainTextEdit::NoWrap);
      edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      edit->setTabStopDistance(kTabStopUnits * units.x);
      return edit;
    }
    case ControlKind::ComboBox: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(true);
      combo->setInsertPolicy(QComboBox::NoInsert);
      // The default completer would turn "T" into a whole catalogue name.
      combo->setCompleter(nullptr);
      return combo;
    }
    case ControlKind::CheckBox:
      return new QCheckBox(caption, parent);
    case ControlKind::RadioButton:
      return new QRadioButton(caption, parent);
    case ControlKind::PushButton:
      return new QPushButton(caption, parent);
    case ControlKind::DefaultButton: {
      auto* button = new QPushButton(caption, parent);
      button->setDefault(true);
      button->setFocusPolicy(Qt::NoFocus);
      button->hide();
      return button;
    }
    case ControlKind::Text: {
      auto* label = new QLabel(caption, parent);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label->setWordWrap(def.height >= kTwoLineUnits);
      label->setTextFormat(Qt::PlainText);
      return label;
    }
    case ControlKind::GroupBox:
      return new DialogGroupBox(caption, units.ToPixelsX(kGroupCaptionIndentUnits), parent);
    case ControlKind::Frame: {
      auto* frame = new QFrame(parent);
      // A thin black line, drawn over the edge of the copied picture.
      frame->setFrameStyle(QFrame::Box | QFrame::Plain);
      frame->setLineWidth(1);
      QPalette palette = frame->palette();
      palette.setColor(QPalette::WindowText, Qt::black);
      frame->setPalette(palette);
      return frame;
    }
  }
  return nullptr;
}

bool LetsPointerThrough(ControlKind kind) {
  return kind == ControlKind::Text || kind == ControlKind::GroupBox || kind == ControlKind::Frame;
}

// A one-line caption such as "Facteur de grossissement" is wider than the 80
// units of its box in any font but the one the template was drawn for, so a
// text that names an edit may use all the room up to that edit.
int TextWidthUnits(const ControlDef& def, std::span<const ControlDef> layout) {
  if (def.labels == 0) return def.width;
  const auto edit = std::find_if(layout.begin(), layout.end(),
                                 [&](const ControlDef& d) { return d.id == def.labels; });
  if (edit == layout.end()) return def.width;
  return std::max(def.width, edit->x - def.x);
}

void Place(QWidget* widget, const ControlDef& def, std::span<const ControlDef> layout,
           const DialogUnits& units, int topOffsetPx) {
  int widthUnits = def.width;
  if (def.kind == ControlKind::Text) widthUnits = TextWidthUnits(def, layout);
  if (def.kind == ControlKind::GroupBox) {
    static_cast<DialogGroupBox*>(widget)->setFrameWidth(
        units.ToPixels(def.x, def.y, def.width, def.height).width());
    widthUnits += kGroupCaptionOverflowUnits;
  }
  QRect rect = units.ToPixels(def.x, def.y, widthUnits, def.height).translated(0, topOffsetPx);
  if (def.kind == ControlKind::ComboBox) {
    // The template gives the height with the list dropped; closed, the box
    // takes its natural height and the list shows as many rows as fit in the
    // rest.
    auto* combo = static_cast<QComboBox*>(widget);
    const int closed = combo->sizeHint().height();
    const int rowHeight = QFontMetrics(combo->font()).height() + 4;
    const double listPx = def.height * units.y - closed;
    combo->setMaxVisibleItems(std::max(1, TruncToInt(listPx / rowHeight)));
    rect.setHeight(closed);
  }
  widget->setGeometry(rect);
}

}  // namespace

BuiltControls BuildControls(QWidget* parent, std::span<const ControlDef> layout,
                            const DialogUnits& units, int topOffsetPx) {
  BuiltControls built;
  QWidget* previousTabStop = nullptr;
  for (const ControlDef& def : layout) {
    QWidget* widget = MakeWidget(def, parent, units);
    Place(widget, def, layout, units, topOffsetPx);
    if (def.id != ids::None) {
      widget->setObjectName(QString::number(def.id));
      built.byId.insert(def.id, widget);
    }
    if (LetsPointerThrough(def.kind)) widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (def.tabStop) {
      widget->setFocusPolicy(Qt::StrongFocus);
      if (previousTabStop != nullptr) QWidget::setTabOrder(previousTabStop, widget);
      previousTabStop = widget;
    } else if (widget->focusPolicy() != Qt::NoFocus) {
      widget->setFocusPolicy(Qt::ClickFocus);
    }
    built.inOrder.push_back(widget);
  }
  for (const ControlDef& def : layout) {
    if (def.kind != ControlKind::Text || def.labels == 0) continue;
    auto* label = qobject_cast<QLabel*>(built.inOrder[&def - layout.data()]);
    label->setBuddy(built.byId.value(def.labels));
  }
  return built;
}

}  // namespace ombrelune
