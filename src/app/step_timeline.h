#pragma once
// The script editor's timeline: one column per step, as wide as its hold time (never narrower
// than its time's digits), a lane for each of the 16 buttons, then one for each of the 4 axes.
// It shows a block and asks for edits: each edit is emitted as the block it makes, and the
// editor shows that block back once it has recorded it. While the script does not parse it
// shows the last good block dimmed and takes no edits.
//
// Mouse: a click on a button cell toggles it; dragging a step's right edge changes its hold
// time; dragging an axis cell up or down changes its value, a double click types it; Shift
// extends the selection of steps. Keys: arrows move the current step and lane (Shift extends
// the selection), Space or Enter toggles the button or types the axis value, + and - change
// the hold time, Insert adds a step, Delete removes the selected ones, Ctrl+D duplicates
// them, Alt+Left and Alt+Right move them, Backspace clears them, T gives them a hold time.
// A step never comes to read as the end marker: that toggle or value is refused with a reason.

#include <QAction>
#include <QWidget>
#include <optional>

#include "combo/combo_block.h"
#include "combo/combo_steps.h"

class QPainter;

namespace strikepad {

class StepTimeline final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kButtonLanes = 16;
  static constexpr int kLaneCount = kButtonLanes + 4;
  static constexpr int kTimeStep = 10;  // what + and - add and take

  explicit StepTimeline(QWidget* parent = nullptr);

  void showBlock(const ComboBlock& block);
  void showStale();
  const ComboBlock& block() const { return block_; }
  bool isStale() const { return stale_; }
  std::size_t stepCount() const { return strikepad::stepCount(block_); }

  int currentStep() const { return current_; }
  int currentLane() const { return lane_; }
  StepRange selection() const;
  void setCurrent(int step, int lane, bool extendSelection = false);

  // Where a cell is drawn (lane -1: the step's header, which stays at the top of the part in
  // sight while the lanes scroll), and x of a step's right edge.
  QRect cellRect(int step, int lane) const;
  int rightEdge(int step) const;

  QAction* insertAction() const { return insert_; }
  QList<QAction*> stepActions() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 signals:
  // An edit: `block` is the whole block it makes, `what` names it for the undo history.
  void edited(const ComboBlock& block, const QString& what);
  // The current cell moved: `area` is the cell and the header's room above it, which the
  // scroll area around the timeline keeps in sight.
  void currentCellMoved(const QRect& area);
  // An edit was refused; `why` is for the status line.
  void refused(const QString& why);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct Drag {
    enum class Kind { HoldTime, Axis, Selection } kind;
    int step;
    QPoint start;
    int startValue;
    ComboBlock before;
  };

  ComboSteps steps() const { return ComboSteps(block_); }
  bool editable() const { return !stale_ && stepCount() > 0; }
  void emitEdit(const ComboSteps& steps, const QString& what);
  // A toggle or value would make `step` read as the end marker and drop it and every later one.
  void refuseEndMarker(int step);
  void updateActions();

  void toggleCurrent();
  void changeHoldTime(int by);
  void insertStep();
  void duplicateSelection();
  void deleteSelection();
  void moveSelection(int by);
  void clearSelection();
  void askSelectionTime();
  void askAxisValue();

  // Layout. Text is measured once per font, as a paint asks for hundreds of cells.
  void measureText();
  void paintHeader(QPainter& painter, const QRect& exposed);
  int lane() const { return buttonLaneHeight_; }  // the height of a button lane
  int laneTop(int lane) const;
  int laneHeight(int lane) const;
  int headerHeight() const { return 2 * lane(); }
  int labelWidth() const { return labelWidth_; }
  int minimumColumn() const { return minimumColumn_; }
  std::vector<int> columnEdges() const;  // stepCount() + 1 x positions
  int stepAt(int x) const;               // -1 outside the columns
  int laneAt(int y) const;               // -1 in the header, kLaneCount below the lanes
  int edgeNear(int x) const;             // the step whose right edge is within reach, or -1

  ComboBlock block_ = emptyComboBlock();
  bool stale_ = false;
  int current_ = 0;
  int anchor_ = 0;
  int lane_ = 0;
  std::optional<Drag> drag_;
  int buttonLaneHeight_ = 0;
  int labelWidth_ = 0;
  int minimumColumn_ = 0;
  int headerTop_ = 0;  // where the header is drawn

  QAction* insert_;
  QAction* duplicate_;
  QAction* delete_;
  QAction* moveLeft_;
  QAction* moveRight_;
  QAction* clear_;
  QAction* time_;
};

}  // namespace strikepad
