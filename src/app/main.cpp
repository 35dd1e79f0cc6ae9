// strikepad: the window onto a catalogue (sp.dat in the current folder, or the folder or file
// named on the command line) and the adapter (the real one, or the simulated one
// STRIKEPAD_ADAPTER names). Message boxes carry the executable's name as their caption.

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "app/artwork.h"
#include "app/main_dialog.h"
#include "app/message_boxes.h"
#include "device/adapter_choice.h"
#include "operations/catalogue_file.h"

namespace {

// The catalogue the command line names: the file, or the sp.dat of a folder (none: sp.dat in
// the current folder). Empty when the command line is not understood.
std::optional<std::filesystem::path> catalogueArgument(const QApplication& application) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("The catalogue of combos and the adapter's five slots."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("catalogue"),
                               QStringLiteral("A catalogue file, or a folder that holds sp.dat (default: sp.dat in "
                                              "the current folder)."),
                               QStringLiteral("[FOLDER | FILE]"));
  parser.process(application);  // --help and --version end the program here
  const QStringList arguments = parser.positionalArguments();
  if (arguments.size() > 1) {
    std::fputs(qPrintable(QStringLiteral("strikepad: one catalogue at most\n") + parser.helpText()), stderr);
    return std::nullopt;
  }
  if (arguments.isEmpty()) return std::filesystem::path("sp.dat");
#ifdef Q_OS_WIN
  return strikepad::catalogueFileAt(arguments.front().toStdWString());
#else
  return strikepad::catalogueFileAt(QFile::encodeName(arguments.front()).toStdString());
#endif
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationVersion(QStringLiteral(STRIKEPAD_VERSION));
  QApplication::setWindowIcon(strikepad::applicationIcon());
  // The desktop entry's name: Wayland compositors match the window to its entry (and icon) by it.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.strikepad.strikepad"));
  const std::optional<std::filesystem::path> catalogue = catalogueArgument(application);
  if (!catalogue) return 2;
  strikepad::AdapterChoice adapter = strikepad::adapterFromEnvironment();
  if (!adapter.transport) {
    strikepad::showMessage(nullptr, QString::fromStdString(adapter.problem), QMessageBox::Critical);
    return 1;
  }
  strikepad::MainDialog window(std::move(adapter.transport), std::move(adapter.timing), *catalogue);
  window.initialise();
  window.exec();
  return 0;
}
