// strikepad: the window onto the catalogue in the current folder (sp.dat) and the adapter.
// It takes no options; message boxes carry the executable's name as their caption.

#include <QApplication>

#include "app/artwork.h"
#include "app/main_dialog.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setWindowIcon(strikepad::applicationIcon());
  strikepad::MainDialog window;
  window.initialise();
  window.exec();
  return 0;
}
