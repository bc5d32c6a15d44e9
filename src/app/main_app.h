#pragma once

namespace ombrelune {

// The application object: it builds the main window, runs it modally and ends
// the program when it closes. It holds nothing of its own.
class CMainApp {
 public:
  // Needs a QApplication. Returns the program's exit code.
  int InitInstance();
};

}  // namespace ombrelune
