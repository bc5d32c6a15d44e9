#include <QApplication>
#include <clocale>

#include "app/main_app.h"

namespace {

ombrelune::CMainApp theApp;

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // Qt sets the C locale from the environment; numbers are written and read
  // with a full stop regardless, but nothing else should see a decimal comma.
  std::setlocale(LC_NUMERIC, "C");
  return theApp.InitInstance();
}
