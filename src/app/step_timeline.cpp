#include "app/step_timeline.h"

#include <QInputDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <functional>

namespace strikepad {
namespace {

constexpr int kAxisPerPixel = 2;  // an axis drag covers -127..127 in about 130 pixels

// A button's action; its tooltip names the key that does the same on the timeline.
QAction* stepAction(StepTimeline* timeline, const QString& text, const QString& key, std::function<void()> run) {
  auto* action = new QAction(text, timeline);
  action->setToolTip(QStringLiteral("%1 (%2)").arg(text, key));
  QObject::connect(action, &QAction::triggered, timeline, std::move(run));
  return action;
}

}  // namespace

StepTimeline::StepTimeline(QWidget* parent)
    : QWidget(parent),
      insert_(stepAction(this, tr("Insert"), tr("Insert"), [this] { insertStep(); })),
      duplicate_(stepAction(this, tr("Duplicate"), tr("Ctrl+D"), [this] { duplicateSelection(); })),
      delete_(stepAction(this, tr("Delete"), tr("Delete"), [this] { deleteSelection(); })),
      moveLeft_(stepAction(this, tr("Move left"), tr("Alt+Left"), [this] { moveSelection(-1); })),
      moveRight_(stepAction(this, tr("Move right"), tr("Alt+Right"), [this] { moveSelection(1); })),
      clear_(stepAction(this, tr("Clear"), tr("Backspace"), [this] { clearSelection(); })),
      time_(stepAction(this, tr("Hold time"), tr("T"), [this] { askSelectionTime(); })) {
  setObjectName("stepTimeline");
  measureText();
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);  // the pointer turns into a resize arrow over a step's right edge
  updateActions();
}

QList<QAction*> StepTimeline::stepActions() const {
  return {insert_, duplicate_, delete_, moveLeft_, moveRight_, clear_, time_};
}

void StepTimeline::showBlock(const ComboBlock& block) {
  block_ = block;
  stale_ = false;
  setCurrent(current_, lane_, anchor_ != current_);
  updateGeometry();
  update();
}

void StepTimeline::showStale() {
  stale_ = true;
  updateActions();
  update();
}

StepRange StepTimeline::selection() const {
  if (stepCount() == 0) return {0, 0};
  const int first = std::min(current_, anchor_);
  return {static_cast<std::size_t>(first), static_cast<std::size_t>(std::abs(current_ - anchor_) + 1)};
}

void StepTimeline::setCurrent(int step, int laneIndex, bool extendSelection) {
  const int last = std::max(0, static_cast<int>(stepCount()) - 1);
  current_ = std::clamp(step, 0, last);
  anchor_ = extendSelection ? std::clamp(anchor_, 0, last) : current_;
  lane_ = std::clamp(laneIndex, 0, kLaneCount - 1);
  updateActions();
  update();
  if (stepCount() > 0) emit currentCellMoved(cellRect(current_, lane_).adjusted(0, -headerHeight(), 0, 0));
}

void StepTimeline::updateActions() {
  const bool any = editable();
  const StepRange chosen = selection();
  const ComboSteps all = steps();
  insert_->setEnabled(!stale_ && all.hasRoomFor(1));
  duplicate_->setEnabled(any && all.hasRoomFor(chosen.count));
  delete_->setEnabled(any);
  clear_->setEnabled(any);
  time_->setEnabled(any);
  moveLeft_->setEnabled(any && chosen.first > 0);
  moveRight_->setEnabled(any && chosen.end() < all.count());
}

void StepTimeline::emitEdit(const ComboSteps& edited, const QString& what) { emit this->edited(edited.block(), what); }

void StepTimeline::refuseEndMarker(int step) {
  emit refused(tr("step %1 can not hold all 16 buttons with lx and ly at 127: that reads as the end of the combo")
                   .arg(step + 1));
}

void StepTimeline::toggleCurrent() {
  if (!editable()) return;
  if (lane_ >= kButtonLanes) return askAxisValue();
  ComboSteps all = steps();
  if (!all.toggle(current_, lane_)) return refuseEndMarker(current_);
  emitEdit(all, tr("Toggle a button"));
}

void StepTimeline::changeHoldTime(int by) {
  if (!editable()) return;
  ComboSteps all = steps();
  all.changeHoldTime(selection(), by);
  emitEdit(all, tr("Change the hold time"));
}

void StepTimeline::insertStep() {
  ComboSteps all = steps();
  const int at = all.count() == 0 ? 0 : current_ + 1;
  if (stale_ || !all.insertEmpty(at)) return;
  current_ = anchor_ = at;
  emitEdit(all, tr("Insert a step"));
}

void StepTimeline::duplicateSelection() {
  ComboSteps all = steps();
  const StepRange chosen = selection();
  if (!editable() || !all.duplicate(chosen)) return;
  anchor_ = static_cast<int>(chosen.end());
  current_ = static_cast<int>(chosen.end() + chosen.count - 1);
  emitEdit(all, tr("Duplicate steps"));
}

void StepTimeline::deleteSelection() {
  if (!editable()) return;
  ComboSteps all = steps();
  const StepRange chosen = selection();
  all.remove(chosen);
  current_ = anchor_ = static_cast<int>(chosen.first);
  emitEdit(all, tr("Delete steps"));
}

void StepTimeline::moveSelection(int by) {
  ComboSteps all = steps();
  if (!editable() || !all.move(selection(), by)) return;
  current_ += by;
  anchor_ += by;
  emitEdit(all, tr("Move steps"));
}

void StepTimeline::clearSelection() {
  if (!editable()) return;
  ComboSteps all = steps();
  all.clear(selection());
  emitEdit(all, tr("Clear steps"));
}

void StepTimeline::askSelectionTime() {
  if (!editable()) return;
  const StepRange chosen = selection();
  bool ok = false;
  const int time = QInputDialog::getInt(this, tr("Hold time"), tr("Hold time of the selected steps:"),
                                        steps().holdTime(chosen.first), 0, kMaxHoldTime, kTimeStep, &ok);
  if (!ok) return;
  ComboSteps all = steps();
  all.setHoldTime(chosen, time);
  emitEdit(all, tr("Set the hold time"));
}

void StepTimeline::askAxisValue() {
  if (!editable() || lane_ < kButtonLanes) return;
  const int axis = lane_ - kButtonLanes;
  bool ok = false;
  const int value = QInputDialog::getInt(this, tr("Stick value"), tr("Value, from -127 to 127:"),
                                         steps().axisValue(current_, axis), -kMaxAxisValue, kMaxAxisValue, 1, &ok);
  if (!ok) return;
  ComboSteps all = steps();
  if (!all.setAxisValue(current_, axis, value)) return refuseEndMarker(current_);
  emitEdit(all, tr("Set a stick value"));
}

void StepTimeline::keyPressEvent(QKeyEvent* event) {
  const bool shift = event->modifiers() & Qt::ShiftModifier;
  const bool alt = event->modifiers() & Qt::AltModifier;
  switch (event->key()) {
    case Qt::Key_Left: return alt ? moveSelection(-1) : setCurrent(current_ - 1, lane_, shift);
    case Qt::Key_Right: return alt ? moveSelection(1) : setCurrent(current_ + 1, lane_, shift);
    case Qt::Key_Home: return setCurrent(0, lane_, shift);
    case Qt::Key_End: return setCurrent(static_cast<int>(stepCount()) - 1, lane_, shift);
    case Qt::Key_Up: return setCurrent(current_, lane_ - 1, anchor_ != current_);
    case Qt::Key_Down: return setCurrent(current_, lane_ + 1, anchor_ != current_);
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (event->modifiers() & Qt::ControlModifier) break;  // Ctrl+Return is the editor's OK
      return toggleCurrent();
    case Qt::Key_Plus:
    case Qt::Key_Equal: return changeHoldTime(kTimeStep);
    case Qt::Key_Minus: return changeHoldTime(-kTimeStep);
    case Qt::Key_Insert: return insertStep();
    case Qt::Key_Delete: return deleteSelection();
    case Qt::Key_Backspace: return clearSelection();
    case Qt::Key_T: return askSelectionTime();
    case Qt::Key_D:
      if (event->modifiers() & Qt::ControlModifier) return duplicateSelection();
      break;
    default: break;
  }
  QWidget::keyPressEvent(event);
}

void StepTimeline::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() != Qt::LeftButton || stale_) return QWidget::mousePressEvent(event);
  if (const int edge = edgeNear(at.x()); edge >= 0 && laneAt(at.y()) < kLaneCount) {
    drag_ = Drag{Drag::Kind::HoldTime, edge, at, steps().holdTime(edge), block_};
    setCurrent(edge, lane_);
    return;
  }
  const int step = stepAt(at.x());
  const int laneIndex = laneAt(at.y());
  if (step < 0 || laneIndex >= kLaneCount) return;
  const bool shift = event->modifiers() & Qt::ShiftModifier;
  setCurrent(step, laneIndex < 0 ? lane_ : laneIndex, shift);
  if (shift) return;
  if (laneIndex < 0) {
    drag_ = Drag{Drag::Kind::Selection, step, at, 0, block_};
  } else if (laneIndex < kButtonLanes) {
    toggleCurrent();
  } else {
    drag_ = Drag{Drag::Kind::Axis, step, at, steps().axisValue(step, laneIndex - kButtonLanes), block_};
  }
}

void StepTimeline::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (!drag_) {
    const bool overEdge = !stale_ && edgeNear(at.x()) >= 0 && laneAt(at.y()) < kLaneCount;
    setCursor(overEdge ? Qt::SizeHorCursor : Qt::ArrowCursor);
    return;
  }
  ComboSteps all(drag_->before);
  switch (drag_->kind) {
    case Drag::Kind::Selection:
      if (const int step = stepAt(at.x()); step >= 0) setCurrent(step, lane_, true);
      return;
    case Drag::Kind::HoldTime: {
      // Time per pixel as the columns share out the room at the press; at least one per pixel.
      const std::vector<int> edges = columnEdges();
      const int share = edges[drag_->step + 1] - edges[drag_->step] - minimumColumn();
      const double perPixel = drag_->startValue > 0 && share > 0 ? std::max(1.0, double(drag_->startValue) / share) : 1.0;
      all.setHoldTime({static_cast<std::size_t>(drag_->step), 1},
                      drag_->startValue + static_cast<int>((at.x() - drag_->start.x()) * perPixel));
      break;
    }
    case Drag::Kind::Axis:
      // A refused value leaves the last one shown.
      if (!all.setAxisValue(drag_->step, lane_ - kButtonLanes, drag_->startValue + (drag_->start.y() - at.y()) * kAxisPerPixel))
        return refuseEndMarker(drag_->step);
      break;
  }
  block_ = all.block();
  update();
}

void StepTimeline::mouseReleaseEvent(QMouseEvent* event) {
  if (!drag_ || event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  const Drag done = *drag_;
  drag_.reset();
  if (block_ == done.before) {
    // A click beside an edge that did not drag it is a click on the cell.
    if (done.kind == Drag::Kind::HoldTime && laneAt(done.start.y()) >= 0 && laneAt(done.start.y()) < kButtonLanes) {
      setCurrent(stepAt(done.start.x()), laneAt(done.start.y()));
      toggleCurrent();
    }
    return update();
  }
  const ComboSteps made(block_);
  block_ = done.before;  // shown again once the editor has recorded the edit
  emitEdit(made, done.kind == Drag::Kind::HoldTime ? tr("Change the hold time") : tr("Set a stick value"));
}

void StepTimeline::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  const int step = stepAt(at.x());
  const int laneIndex = laneAt(at.y());
  if (laneIndex >= 0 && laneIndex < kButtonLanes) return mousePressEvent(event);  // a second click toggles again
  if (event->button() != Qt::LeftButton || step < 0 || laneIndex < kButtonLanes || laneIndex >= kLaneCount) return;
  setCurrent(step, laneIndex);
  askAxisValue();
}

void StepTimeline::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void StepTimeline::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

}  // namespace strikepad
