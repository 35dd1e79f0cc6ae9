#include "app/combo_preview.h"

#include <QEvent>
#include <QFontDatabase>
#include <QHelpEvent>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "app/combo_timeline.h"
#include "app/qt_text.h"
#include "flows/catalogue_flows.h"
#include "combo/script_printer.h"
#include "operations/catalogue_operations.h"

namespace strikepad {

namespace {

constexpr int kTimelineWidth = 320;
constexpr QPoint kOffsetFromPointer{16, 16};

QLabel* plainLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

ComboPreview::ComboPreview(const QString& footer, QWidget* parent)
    : QFrame(parent, Qt::ToolTip),
      title_(plainLabel(this, "previewTitle")),
      script_(plainLabel(this, "previewScript")),
      timeline_(plainLabel(this, "previewTimeline")),
      footer_(plainLabel(this, "previewFooter")) {
  setObjectName("comboPreview");
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setBackgroundRole(QPalette::ToolTipBase);
  setAutoFillBackground(true);
  QFont bold = font();
  bold.setBold(true);
  title_->setFont(bold);
  script_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  script_->setTextInteractionFlags(Qt::NoTextInteraction);
  footer_->setText(footer);
  footer_->setForegroundRole(QPalette::PlaceholderText);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 6, 8, 6);
  for (QLabel* label : {title_, script_, timeline_, footer_}) layout->addWidget(label);
}

void ComboPreview::showCombo(const QString& name, const std::vector<std::uint8_t>& data, const QPoint& globalPosition) {
  title_->setText(name);
  if (data.empty()) {
    script_->setText(QString::fromLatin1(kNoComboData));
    timeline_->clear();
  } else {
    const ComboBlock block = blockFromBytes(data.data(), data.size());
    QString script = toQString(printScript(block)).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    script_->setText(script.endsWith(u'\n') ? script.chopped(1) : script);
    timeline_->setPixmap(drawComboTimeline(block, kTimelineWidth, devicePixelRatio(), font(), palette()));
  }
  timeline_->setVisible(!timeline_->pixmap().isNull());
  adjustSize();
  placeNear(globalPosition);
  show();
  raise();
}

void ComboPreview::placeNear(const QPoint& globalPosition) {
  QPoint corner = globalPosition + kOffsetFromPointer;
  if (const QScreen* screen = QGuiApplication::screenAt(globalPosition)) {
    const QRect room = screen->availableGeometry();
    // Flip to the pointer's other side where the popup would leave the screen.
    if (corner.x() + width() > room.right()) corner.setX(globalPosition.x() - kOffsetFromPointer.x() - width());
    if (corner.y() + height() > room.bottom()) corner.setY(globalPosition.y() - kOffsetFromPointer.y() - height());
    corner.setX(std::max(corner.x(), room.left()));
    corner.setY(std::max(corner.y(), room.top()));
  }
  move(corner);
}

QString ComboPreview::title() const { return title_->text(); }

QString ComboPreview::scriptText() const { return script_->text(); }

bool ComboPreview::hasTimeline() const { return !timeline_->pixmap().isNull(); }

QString ComboPreview::footer() const { return footer_->text(); }

ComboHoverPreview::ComboHoverPreview(QListView& list, Catalogue& catalogue, const QString& footer)
    : QObject(&list), list_(list), catalogue_(catalogue), popup_(new ComboPreview(footer, &list)) {
  // Moves without a button pressed tell when the pointer leaves the previewed entry.
  list_.viewport()->setMouseTracking(true);
  list_.viewport()->installEventFilter(this);
  list_.installEventFilter(this);
}

bool ComboHoverPreview::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ToolTip: {
      if (watched != list_.viewport()) return false;
      const auto* help = static_cast<QHelpEvent*>(event);
      // Away from an entry the list's own tooltip shows.
      if (showFor(list_.indexAt(help->pos()), help->globalPos())) return true;
      hide();
      return false;
    }
    case QEvent::MouseMove:
      if (shown_.isValid() && shown_ != list_.indexAt(static_cast<QMouseEvent*>(event)->position().toPoint())) hide();
      return false;
    case QEvent::Leave:
    case QEvent::Hide:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::FocusOut:
      hide();
      return false;
    default:
      return false;
  }
}

bool ComboHoverPreview::showFor(const QModelIndex& row, const QPoint& globalPosition) {
  if (!row.isValid() || !popup_) return false;
  const BlockResult data = readComboData(catalogue_.file(), row.data(Qt::UserRole).value<RecordId>());
  if (!data.done()) return false;
  popup_->showCombo(row.data().toString(), data.bytes, globalPosition);
  shown_ = row;
  return true;
}

void ComboHoverPreview::hide() {
  shown_ = QPersistentModelIndex();
  if (popup_) popup_->hide();
}

}  // namespace strikepad
