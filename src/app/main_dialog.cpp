#include "app/main_dialog.h"

#include <QAction>
#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include "app/about_box.h"
#include "app/adapter_slots_command.h"
#include "app/artwork.h"
#include "app/busy_indicator.h"
#include "app/combo_clipboard.h"
#include "app/combo_preview.h"
#include "app/commands.h"
#include "app/drop_hint.h"
#include "app/find_command.h"
#include "app/focus_ring.h"
#include "app/menu_lists.h"
#include "app/next_step_hint.h"
#include "app/status_line.h"
#include "app/qt_pick_list.h"
#include "app/qt_prompts.h"
#include "app/system_menu_win.h"
#include "app/worker_transfer_runner.h"
#include "device/slot_protocol.h"
#include "flows/catalogue_flows.h"
#include "flows/catalogue_switch.h"
#include "flows/device_flows.h"
#include "flows/device_messages.h"
#include "flows/exchange_flows.h"
#include "flows/lookup_notices.h"
#include "operations/catalogue_file.h"

namespace strikepad {

namespace {

constexpr const char* kNewComboShortcut = "Ctrl+N";
constexpr const char* kEditComboShortcut = "Ctrl+E";
constexpr const char* kOpenCatalogueShortcut = "Ctrl+O";
constexpr const char* kNewCatalogueShortcut = "Ctrl+Shift+N";

QString comboListHint() {
  return QObject::tr("Right-click for the combo commands; %1 types a new combo as a script, %2 edits the selected one.")
      .arg(QKeySequence(kNewComboShortcut).toString(QKeySequence::NativeText),
           QKeySequence(kEditComboShortcut).toString(QKeySequence::NativeText));
}

QString gameListHint(const std::filesystem::path& catalogue) {
  return QObject::tr("The catalogue %1\nRight-click for the game commands; Import and Export read and write .SPK "
                     "files, and an .SPK file dropped on the window is imported.")
      .arg(QDir::toNativeSeparators(QFileInfo(catalogue).absoluteFilePath()));
}

QString characterListHint() {
  return QObject::tr("Right-click for the character commands; %1 renames the selected character, %2 deletes it.")
      .arg(QKeySequence(Qt::Key_F2).toString(QKeySequence::NativeText),
           QKeySequence(Qt::Key_Delete).toString(QKeySequence::NativeText));
}

QString indicatorHint() {
  return QObject::tr("The adapter: a red badge while a transfer runs, with how far it has got; other commands "
                     "are refused until it ends.");
}

QString slotButtonHint(int slot) {
  return QObject::tr("Slot %1 of the adapter: DownLoad writes the selected combo to it; the combo list's Add and "
                     "Reload read it.")
      .arg(slot);
}

// The keys that end the window, which a list passes on to it.
bool isEndingKey(const QKeyEvent& event) {
  return event.key() == Qt::Key_Escape || event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

// A pick in a list: any press but the right button's and the command keys, which open the
// command menu or run its commands (refused with the busy notice, as a chosen item is).
bool isPick(const QObject& list, const QEvent& event) {
  if (isCommandKey(list, event)) return false;
  switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      return static_cast<const QMouseEvent&>(event).button() != Qt::RightButton;
    case QEvent::Wheel: return true;
    case QEvent::KeyPress: return !isEndingKey(static_cast<const QKeyEvent&>(event));
    default: return false;
  }
}

}  // namespace

MainDialog::MainDialog(std::unique_ptr<HidTransport> adapter, LinkTiming timing, std::filesystem::path catalogue)
    : MainDialog(nullptr, std::move(adapter), nullptr, std::move(timing), std::move(catalogue)) {}

MainDialog::MainDialog(Prompts& prompts, HidTransport& adapter, LinkTiming timing, std::filesystem::path catalogue)
    : MainDialog(&prompts, nullptr, &adapter, std::move(timing), std::move(catalogue)) {}

MainDialog::MainDialog(Prompts* prompts, std::unique_ptr<HidTransport> ownAdapter, HidTransport* adapter,
                       LinkTiming timing, std::filesystem::path catalogue)
    : ownPrompts_(prompts ? nullptr : std::make_unique<QtPrompts>(*this)),
      prompts_(prompts ? *prompts : *ownPrompts_),
      ownAdapter_(std::move(ownAdapter)),
      link_(adapter ? *adapter : *ownAdapter_, std::move(timing)) {
  buildControls();
  buildMenus();
  connectControls();
  if (ownPrompts_) ownPrompts_->setReportLine([this](const QString& text) { statusLine_->report(text); });
  file_ = std::make_unique<CatalogueFile>(std::move(catalogue));
  catalogue_ = std::make_unique<Catalogue>(*file_, prompts_, CatalogueLists{*games_, *characters_, *combos_});
  transfers_ = std::make_unique<WorkerTransferRunner>();
  connect(transfers_.get(), &WorkerTransferRunner::finished, this, &MainDialog::endAfterTransfer);
  device_ = std::make_unique<DeviceCommands>(link_, *catalogue_, *file_, *this, *transfers_);
  comboPreview_ = new ComboHoverPreview(*comboList_, *catalogue_, comboListHint());
  auto* adapterSlots = new AdapterSlotsCommand(*this, link_, *transfers_, prompts_, *file_);
  backgroundMenu_->insertAction(backgroundMenu_->actions().value(0), adapterSlots->action());
  catalogueSwitch_ = std::make_unique<CatalogueSwitch>(
      *catalogue_, [this] { return device_->busy(); }, [this] { showCatalogue(); });
  addCatalogueCommands();
}

MainDialog::~MainDialog() = default;

void MainDialog::buildControls() {
  // A window of its own with a minimise box and no maximise box, kept above other windows.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
  setWindowTitle(QString::fromUtf8(kWindowTitle));
  setWindowIcon(applicationIcon());

  gameList_ = new MenuComboBox(this);
  gameList_->setObjectName("gameList");
  gameList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  gameList_->setMinimumContentsLength(20);
  characterList_ = new MenuListBox(this);
  characterList_->setObjectName("characterList");
  characterList_->setToolTip(characterListHint());
  comboList_ = new MenuListBox(this);
  comboList_->setObjectName("comboList");
  comboList_->setToolTip(comboListHint());

  auto* slotBox = new QGroupBox(QStringLiteral("Memory Index"), this);
  auto* slotColumn = new QVBoxLayout(slotBox);
  slots_ = new QButtonGroup(this);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    auto* button = new QRadioButton(QString::number(slot + 1), slotBox);
    slots_->addButton(button, slot);
    button->setToolTip(slotButtonHint(slot + 1));
    FocusRing::attachTo(*button);
    slotColumn->addWidget(button);
  }
  slotButton(0)->setChecked(true);
  download_ = new QPushButton(QStringLiteral("DownLoad"), this);
  download_->setObjectName("download");
  FocusRing::attachTo(*download_);
  indicator_ = new BusyIndicator(this);
  indicator_->setToolTip(indicatorHint());
  dropHint_ = new DropHint(this);
  setAcceptDrops(true);

  auto* gameRow = new QHBoxLayout;
  gameRow->addWidget(new QLabel(QStringLiteral("Game List:"), this));
  gameRow->addWidget(gameList_, 1);
  auto* rightColumn = new QVBoxLayout;
  rightColumn->addWidget(indicator_, 0, Qt::AlignHCenter);
  rightColumn->addWidget(slotBox);
  rightColumn->addWidget(download_);
  rightColumn->addStretch();

  auto* grid = new QGridLayout(this);
  grid->addLayout(gameRow, 0, 0, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Character List:"), this), 1, 0, Qt::AlignBottom);
  grid->addWidget(new QLabel(QStringLiteral("Ultra/Super Combos List:"), this), 1, 1, Qt::AlignBottom);
  grid->addWidget(characterList_, 2, 0);
  grid->addWidget(comboList_, 2, 1);
  grid->addLayout(rightColumn, 0, 2, 3, 1);
  grid->setRowStretch(2, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);

  // The order in which Tab visits the controls: the three lists, "DownLoad", the slot buttons.
  setTabOrder(gameList_, characterList_);
  setTabOrder(characterList_, comboList_);
  setTabOrder(comboList_, download_);
  setTabOrder(download_, slotButton(0));
  gameList_->setFocus();

  for (QWidget* list : {static_cast<QWidget*>(gameList_), static_cast<QWidget*>(characterList_),
                        characterList_->viewport(), static_cast<QWidget*>(comboList_), comboList_->viewport()})
    list->installEventFilter(this);

  games_ = std::make_unique<QtPickList>(*gameList_);
  characters_ = std::make_unique<QtPickList>(*characterList_);
  combos_ = std::make_unique<QtPickList>(*comboList_);
  nextStep_ = new NextStepHint(*gameList_->model(), *characterList_->model(), *comboList_->model(),
                               QKeySequence(kNewComboShortcut), this);
  grid->addWidget(nextStep_, 3, 0, 1, 3);
  statusLine_ = new StatusLine(this);
  grid->addWidget(statusLine_, 4, 0, 1, 3);
}

void MainDialog::buildMenus() {
  gameList_->setCommandMenu(buildCommandMenu(kGameMenu, this));
  characterList_->setCommandMenu(buildCommandMenu(kCharacterMenu, this));
  comboList_->setCommandMenu(buildCommandMenu(kComboMenu, this));
  backgroundMenu_ = new QMenu(this);
  backgroundMenu_->addAction(aboutEntryText(), this, &MainDialog::showAbout);
#ifdef Q_OS_WIN
  appendAboutToSystemMenu(*this, aboutEntryText());
#endif
}

void MainDialog::addCatalogueCommands() {
  // Before "About", with keys that work wherever the focus is.
  QAction* about = backgroundMenu_->actions().value(backgroundMenu_->actions().size() - 1);
  const auto add = [&](const QString& text, const char* key, void (CatalogueSwitch::*command)()) {
    auto* action = new QAction(text, this);
    action->setShortcut(QKeySequence(key));
    connect(action, &QAction::triggered, this,
            [this, command] { runShowingEntries([this, command] { (catalogueSwitch_.get()->*command)(); }); });
    addAction(action);
    backgroundMenu_->insertAction(about, action);
  };
  add(tr("Open catalogue\u2026"), kOpenCatalogueShortcut, &CatalogueSwitch::OnOpenCatalogue);
  add(tr("New catalogue\u2026"), kNewCatalogueShortcut, &CatalogueSwitch::OnNewCatalogue);
  backgroundMenu_->insertSeparator(about);
}

void MainDialog::showCatalogue() {
  gameList_->setToolTip(gameListHint(file_->path()));
  nextStep_->setCatalogue(file_->path(), file_->isOpen());
}

void MainDialog::connectControls() {
  for (auto* list : {characterList_, comboList_}) connect(list, &MenuListBox::commandChosen, this, &MainDialog::runCommand);
  connect(gameList_, &MenuComboBox::commandChosen, this, &MainDialog::runCommand);

  // The lists change their entries without signals (QtPickList), so these are the user's picks.
  connect(gameList_, &QComboBox::currentIndexChanged, this, [this] { catalogue_->FillCharacterList(); });
  connect(characterList_, &MenuListBox::itemSelectionChanged, this, [this] { catalogue_->FillComboList(); });
  connect(download_, &QPushButton::clicked, this, [this] { device_->OnDownload(); });

  connect(new QShortcut(QKeySequence(kNewComboShortcut), this), &QShortcut::activated, this,
          [this] { runCommand(kNewComboFromScript); });
  connect(new QShortcut(QKeySequence(kEditComboShortcut), this), &QShortcut::activated, this,
          [this] { runCommand(kEditCombo); });
  connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, &MainDialog::showAbout);
  // The combo list runs Copy and Paste from its menu's keys; a paste on a character is the same.
  connect(new QShortcut(QKeySequence::Paste, characterList_, nullptr, nullptr, Qt::WidgetShortcut), &QShortcut::activated,
          this, [this] { runCommand(kPasteCombo); });
  connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, this, [this] { runCommand(kUndo); });
  connect(new QShortcut(QKeySequence(QStringLiteral("Ctrl+F")), this), &QShortcut::activated, this, [this] {
    if (device_->busy()) return prompts_.notice(device_messages::kBusy);
    runShowingEntries([this] { runFindBox(*this, *catalogue_); });
  });
}

QRadioButton* MainDialog::slotButton(int slot) const { return qobject_cast<QRadioButton*>(slots_->button(slot)); }

bool MainDialog::isSlotButtonChecked(int slot) const { return slotButton(slot)->isChecked(); }

void MainDialog::drawBusyIndicator(bool busy, TransferState transfer) {
  indicator_->setState(busy, transfer.done, transfer.total);
}

void MainDialog::invalidateClientArea() { update(); }

void MainDialog::initialise() {
  lookUpAdapter(link_, prompts_);
  const Result opened = file_->open();
  showCatalogue();
  if (!opened.done()) return prompts_.warning(opened.reason);
  runShowingEntries([this] { catalogue_->FillGameList(); });
}

void MainDialog::runCommand(int command) {
  if (device_->busy()) return prompts_.notice(device_messages::kBusy);
  runShowingEntries([this, command] { dispatch(command); });
}

void MainDialog::runShowingEntries(const std::function<void()>& work) {
  work();
  showHeldReport();
  for (QtPickList* list : {games_.get(), characters_.get(), combos_.get()}) list->showEntries();
}

void MainDialog::dispatch(int command) {
  Catalogue& catalogue = *catalogue_;
  switch (command) {
    case kAddCharacter: return catalogue.OnAddCharacter();
    case kDeleteCharacter: return catalogue.OnDeleteCharacter();
    case kRenameCharacter: return catalogue.OnRenameCharacter();
    case kDeleteCombo: return catalogue.OnDeleteCombo();
    case kRenameCombo: return catalogue.OnRenameCombo();
    case kAddGame: return catalogue.OnAddGame();
    case kDeleteGame: return catalogue.OnDeleteGame();
    case kRenameGame: return catalogue.OnRenameGame();
    case kCaptureCombo: return device_->OnCapture();
    case kReloadCombo: return device_->OnReload();
    case kImportGame: OnImportGame(catalogue, *file_); return;
    case kExportGame: OnExportGame(catalogue, *file_); return;
    case kNewComboFromScript: return catalogue.OnNewComboFromScript();
    case kEditCombo: return catalogue.OnEditCombo();
    case kUndo: return catalogue.OnUndo();
    case kCopyCombo: return copyComboToClipboard(catalogue);
    case kPasteCombo: return pasteComboFromClipboard(catalogue);
    default: return;
  }
}

void MainDialog::showAbout() {
  AboutBox about(this);
  about.exec();
}

void MainDialog::keyPressEvent(QKeyEvent* event) {
  // The window has no OK button, yet Enter ends it like Escape does, unless a push button has
  // the focus (then Enter presses that button, which handles the key before it gets here).
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool MainDialog::eventFilter(QObject* watched, QEvent* event) {
  if (device_ && device_->busy() && isPick(*watched, *event)) return true;
  return QDialog::eventFilter(watched, event);
}

void MainDialog::done(int result) {
  if (transfers_->isRunning()) {
    pendingEnd_ = result;
    return;
  }
  QDialog::done(result);
}

void MainDialog::showHeldReport() {
  // A store failure no command has told yet, or a notice from a successful one.
  catalogue_->warnOfStoreReport();
}

void MainDialog::endAfterTransfer() {
  showHeldReport();
  if (!pendingEnd_) return;
  const int result = *pendingEnd_;
  pendingEnd_.reset();
  QDialog::done(result);
}

void MainDialog::contextMenuEvent(QContextMenuEvent* event) { backgroundMenu_->exec(event->globalPos()); }

void MainDialog::dragEnterEvent(QDragEnterEvent* event) {
  const std::optional<DraggedFile> file = draggedFile(event->mimeData());
  if (!file || device_->busy()) return;
  event->acceptProposedAction();
  dropHint_->showFor(*file);
}

void MainDialog::dragLeaveEvent(QDragLeaveEvent*) { dropHint_->hide(); }

void MainDialog::dropEvent(QDropEvent* event) {
  dropHint_->hide();
  const std::optional<DraggedFile> file = draggedFile(event->mimeData());
  if (!file) return;
  event->acceptProposedAction();
  // The import and the switch ask and tell through modal boxes: run them once the drop has
  // returned to the program the file came from, not inside the drag.
  QTimer::singleShot(0, this, [this, path = QFile::encodeName(file->path).toStdString(), use = file->use] {
    runShowingEntries([&] {
      if (use == DraggedFile::Use::OpenCatalogue) catalogueSwitch_->openCatalogue(path);
      else importGameFlow(*catalogue_, *file_, path);
    });
  });
}

#ifdef Q_OS_WIN
bool MainDialog::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
  if (!isAboutSystemCommand(eventType, message)) return QDialog::nativeEvent(eventType, message, result);
  showAbout();
  *result = 0;
  return true;
}
#endif

}  // namespace strikepad
