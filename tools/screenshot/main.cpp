// strikepad-screenshot OUTPUT.png [busy]: renders the main window on the catalogue in the
// current folder (sp.dat) into a PNG, as if an adapter were attached. For the documentation;
// run it with QT_QPA_PLATFORM=offscreen.

#include <QApplication>
#include <QPixmap>
#include <iostream>
#include <string_view>

#include "app/artwork.h"
#include "app/main_dialog.h"
#include "catalogue/prompts.h"
#include "device/hid_transport.h"

namespace {

// Nobody is there to answer: nothing is asked during start-up except by accident.
class SilentPrompts final : public strikepad::Prompts {
 public:
  explicit SilentPrompts(QWidget*& window) : window_(window) {}
  void notice(const std::string& text) override { std::cerr << "notice: " << text << "\n"; }
  void warning(const std::string& text) override { std::cerr << "warning: " << text << "\n"; }
  bool ask(const std::string&, const std::string&) override { return false; }
  std::string askName(const std::string&, const std::string&) override { return {}; }
  std::string chooseOpenFile(const strikepad::FileFilter&) override { return {}; }
  std::string chooseSaveFile(const strikepad::FileFilter&) override { return {}; }
  void editScript(strikepad::ComboBlock&) override {}
  void setTitle(const std::string& title) override {
    if (window_) window_->setWindowTitle(QString::fromStdString(title));
  }

 private:
  QWidget*& window_;
};

// An adapter that is found and opened, and never asked for anything else here.
class AttachedAdapter final : public strikepad::HidTransport {
 public:
  strikepad::OpenResult open(std::uint16_t, std::uint16_t) override {
    open_ = true;
    return strikepad::OpenResult::Opened;
  }
  bool isOpen() const override { return open_; }
  void close() override { open_ = false; }
  bool write(const strikepad::Report&) override { return false; }
  strikepad::ReadResult read(std::vector<std::uint8_t>&, std::chrono::milliseconds) override {
    return strikepad::ReadResult::Failed;
  }
  std::string lastError() const override { return {}; }

 private:
  bool open_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc < 2 || argc > 3 || (argc == 3 && std::string_view(argv[2]) != "busy")) {
    std::cerr << "usage: strikepad-screenshot OUTPUT.png [busy]\n";
    return 2;
  }
  QApplication::setWindowIcon(strikepad::applicationIcon());
  QWidget* window = nullptr;
  SilentPrompts prompts(window);
  AttachedAdapter adapter;
  strikepad::MainDialog dialog(prompts, adapter, {});
  window = &dialog;
  dialog.initialise();
  if (argc == 3) dialog.drawBusyIndicator(true, {3, 8});
  dialog.show();
  dialog.adjustSize();
  return dialog.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
