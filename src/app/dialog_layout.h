#pragma once

#include <span>

// The main window's controls as data: one row per control, in keyboard order,
// positions and sizes in dialog units of the client area below the menu bar.
// Moving a control or changing a caption is a one-line change here.
namespace ombrelune {

enum class ControlKind {
  Edit,           // single-line edit
  MultiLineEdit,  // result list
  ComboBox,       // drop-down with an editable text; the height is the dropped list's
  CheckBox,
  RadioButton,
  PushButton,
  DefaultButton,  // "Calculer": the command of the Enter key, never shown
  Text,           // static text
  GroupBox,
  Frame,  // the drawing area
};

struct ControlDef {
  int id;  // ids::None for controls the program never addresses
  ControlKind kind;
  const char* caption;  // UTF-8
  int x, y, width, height;
  bool tabStop;
  int labels = 0;  // for a text: the edit it names (its buddy), 0 for none
};

std::span<const ControlDef> MainDialogLayout();

// The client area of the window, without the menu bar, in dialog units.
inline constexpr int MainDialogWidth = 382;
inline constexpr int MainDialogHeight = 441;

}  // namespace ombrelune
