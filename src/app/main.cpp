// strikepad: the window onto the catalogue in the current folder (sp.dat) and the adapter
// (the real one, or the simulated one STRIKEPAD_ADAPTER names). It takes no options; message
// boxes carry the executable's name as their caption.

#include <QApplication>

#include "app/artwork.h"
#include "app/main_dialog.h"
#include "app/message_boxes.h"
#include "device/adapter_choice.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setWindowIcon(strikepad::applicationIcon());
  // The desktop entry's name: Wayland compositors match the window to its entry (and icon) by it.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.strikepad.strikepad"));
  strikepad::AdapterChoice adapter = strikepad::adapterFromEnvironment();
  if (!adapter.transport) {
    strikepad::showMessage(nullptr, QString::fromStdString(adapter.problem), QMessageBox::Critical);
    return 1;
  }
  strikepad::MainDialog window(std::move(adapter.transport), std::move(adapter.timing));
  window.initialise();
  window.exec();
  return 0;
}
