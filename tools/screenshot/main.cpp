// strikepad-screenshot OUTPUT.png [busy|editor|preview|drop]: renders the main window on the
// catalogue in the current folder (sp.dat) into a PNG, as if an adapter were attached. For the
// documentation; run it with QT_QPA_PLATFORM=offscreen.
//   busy     the indicator during a transfer
//   editor   the script editor on a script with an error in its fourth step
//   preview  the preview of the first combo shown over the window, as when hovering over it
//   drop     the window while an .SPK file is dragged over it
//   slots    the overview of the adapter's slots

#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <iostream>
#include <string_view>

#include "app/artwork.h"
#include "app/combo_preview.h"
#include "app/drop_hint.h"
#include "app/main_dialog.h"
#include "app/menu_lists.h"
#include "app/script_editor.h"
#include "app/slot_overview_dialog.h"
#include "app/step_timeline.h"
#include "flows/prompts.h"
#include "combo/script_parser.h"
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
  std::string chooseSaveFile(const strikepad::FileFilter&, const std::string&) override { return {}; }
  bool editScript(strikepad::ComboBlock&) override { return false; }
  void setTitle(const std::string& title) override {
    if (window_) window_->setWindowTitle(QString::fromStdString(title));
  }
  void report(const std::string&) override {}

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

QPixmap scriptEditorWithAnError() {
  strikepad::ComboBlock block = strikepad::emptyComboBlock();
  strikepad::ScriptEditor editor(block);
  // Typed up to the error: the timeline keeps the three good steps, dimmed.
  editor.textBox()->setPlainText(QStringLiteral("100 down rx -127 square cross\n\n50  30 up\n"));
  editor.textBox()->moveCursor(QTextCursor::End);
  editor.textBox()->insertPlainText(QStringLiteral("80 right circel\n60 lx 90"));
  editor.show();
  editor.adjustSize();
  QApplication::processEvents();  // the scroll area fits its bars to the laid out timeline
  return editor.grab();
}

// The editor on a good script, with a range of steps selected on its timeline.
QPixmap scriptEditorWithItsTimeline() {
  strikepad::ComboBlock block =
      *strikepad::parseScript("120 down\n80 down right\n100 right square\n60 lx 90 ly -40\n200 r1 circle\n").block;
  strikepad::ScriptEditor editor(block);
  editor.show();
  editor.timeline()->setFocus();
  editor.timeline()->setCurrent(1, 1);
  editor.timeline()->setCurrent(2, 1, true);
  QApplication::processEvents();  // the scroll area fits its bars to the laid out timeline
  return editor.grab();
}

// The window with the preview of its first combo where hovering over it would show it.
QPixmap windowWithPreview(strikepad::MainDialog& window) {
  QListView& list = *window.comboList();
  const QPoint point = list.visualRect(list.model()->index(0, 0)).center();
  QHelpEvent rest(QEvent::ToolTip, point, list.viewport()->mapToGlobal(point));
  QApplication::sendEvent(list.viewport(), &rest);
  strikepad::ComboPreview& preview = *window.comboPreview()->popup();
  const QPixmap popup = preview.grab();
  const QPoint at = list.viewport()->mapTo(&window, point) + QPoint(16, 16);
  QPixmap canvas(QSize(std::max(window.width(), at.x() + popup.width()), std::max(window.height(), at.y() + popup.height())) *
                 window.devicePixelRatio());
  canvas.setDevicePixelRatio(window.devicePixelRatio());
  canvas.fill(Qt::transparent);
  QPainter painter(&canvas);
  painter.drawPixmap(0, 0, window.grab());
  painter.drawPixmap(at, popup);
  return canvas;
}

// The overview of five slots as "Adapter slots…" shows it, on a catalogue of fighting games.
QPixmap slotOverview() {
  strikepad::SlotOverview overview;
  const auto match = [](const char* game, const char* character, const char* combo, bool tailDiffers) {
    return strikepad::SlotMatch{{}, game, character, combo, tailDiffers};
  };
  overview.contents[0] = {{}, strikepad::SlotHolds::Catalogued, {match("Street Fighter IV", "Ryu", "Hadouken", false)}};
  overview.contents[1] = {{}, strikepad::SlotHolds::Catalogued, {match("Tekken 6", "Jin", "Electric", true)}};
  overview.contents[2] = {{}, strikepad::SlotHolds::Uncatalogued, {}};
  overview.contents[3] = {{}, strikepad::SlotHolds::Empty, {}};
  overview.contents[4] = {{}, strikepad::SlotHolds::Catalogued,
                          {match("Street Fighter IV", "Ryu", "Shoryuken", false), match("Street Fighter IV", "Ken", "Shoryuken", false)}};
  strikepad::SlotOverviewDialog dialog(overview, QStringLiteral("Hadouken"), QStringLiteral("Ryu"), 2);
  dialog.show();
  dialog.adjustSize();
  return dialog.grab();
}

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const std::string_view mode = argc == 3 ? argv[2] : "";
  if (argc < 2 || argc > 3 || (argc == 3 && mode != "busy" && mode != "editor" && mode != "timeline" && mode != "preview" && mode != "drop" && mode != "slots")) {
    std::cerr << "usage: strikepad-screenshot OUTPUT.png [busy|editor|timeline|preview|drop|slots]\n";
    return 2;
  }
  const QString output = QString::fromLocal8Bit(argv[1]);
  if (mode == "editor") return scriptEditorWithAnError().save(output) ? 0 : 1;
  if (mode == "timeline") return scriptEditorWithItsTimeline().save(output) ? 0 : 1;
  if (mode == "slots") return slotOverview().save(output) ? 0 : 1;
  QApplication::setWindowIcon(strikepad::applicationIcon());
  QWidget* window = nullptr;
  SilentPrompts prompts(window);
  AttachedAdapter adapter;
  strikepad::MainDialog dialog(prompts, adapter, {});
  window = &dialog;
  dialog.initialise();
  if (mode == "busy") dialog.drawBusyIndicator(true, {3, 8});
  dialog.show();
  dialog.adjustSize();
  if (mode == "preview") return windowWithPreview(dialog).save(output) ? 0 : 1;
  if (mode == "drop") dialog.dropHint()->showFor({QStringLiteral("Street Fighter IV.SPK"), strikepad::DraggedFile::Use::Import});
  return dialog.grab().save(output) ? 0 : 1;
}
