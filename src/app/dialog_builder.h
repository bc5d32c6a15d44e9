#pragma once

#include <QHash>
#include <span>
#include <vector>

#include "app/dialog_layout.h"
#include "app/dialog_units.h"

class QWidget;

namespace ombrelune {

struct BuiltControls {
  QHash<int, QWidget*> byId;      // the controls that have an identifier
  std::vector<QWidget*> inOrder;  // every control, in the order of the rows
};

// Creates one child of `parent` per row, placed `topOffsetPx` below the top of
// the parent (the height of its menu bar), in the parent's font. Besides
// geometry and caption it sets what the rows imply: objectName (the id), tab
// order and focus policy, each text as the buddy of the edit it names, static
// texts, group boxes and the frame transparent to the pointer, hidden default
// button.
BuiltControls BuildControls(QWidget* parent, std::span<const ControlDef> layout,
                            const DialogUnits& units, int topOffsetPx);

}  // namespace ombrelune
