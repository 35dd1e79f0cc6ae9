#include "app/focus_ring.h"

#include <QAbstractButton>
#include <QEvent>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOptionButton>

namespace strikepad {

void paintFocusRing(QWidget& surface, const QRect& edge, const QColor& colour) {
  QPainter painter(&surface);
  const int w = kFocusRingWidth;
  painter.setClipRegion(QRegion(edge).subtracted(edge.adjusted(w, w, -w, -w)));
  painter.fillRect(edge, colour);
}

void FocusRing::attachTo(QAbstractButton& button) { new FocusRing(button); }

FocusRing::FocusRing(QAbstractButton& button) : QWidget(button.parentWidget()), button_(button) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  button.installEventFilter(this);
  connect(&button, &QObject::destroyed, this, [this] {
    hide();
    deleteLater();
  });
  follow();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide: follow(); break;
    default: break;
  }
  return QWidget::eventFilter(watched, event);
}

void FocusRing::follow() {
  QRect edge = button_.geometry();
  if (qobject_cast<const QRadioButton*>(&button_)) {
    QStyleOptionButton option;
    option.initFrom(&button_);
    option.text = button_.text();
    const QRect mark = button_.style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, &button_);
    const QRect label = button_.style()->subElementRect(QStyle::SE_RadioButtonFocusRect, &option, &button_);
    const int margin = kFocusRingWidth + 1;
    edge = mark.united(label).translated(button_.pos()).adjusted(-margin, -margin, margin, margin);
  }
  setGeometry(edge);
  setVisible(button_.isVisible() && button_.hasFocus());
  raise();
}

void FocusRing::paintEvent(QPaintEvent*) { paintFocusRing(*this, rect(), palette().color(QPalette::Highlight)); }

}  // namespace strikepad
