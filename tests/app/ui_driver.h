#pragma once
// Driving modal dialogs and popup menus from a test: the action runs from the event loop of
// the dialog or menu once it is showing, while the test's own call is still inside exec().

#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <functional>

namespace strikepad::testing {

// Waits, without a fixed delay, until `condition` holds (five seconds at most).
inline bool eventually(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, 5000); }

// Polls until `find` yields a widget, hands it to `act` once, and gives up after five seconds
// (the test that expected it fails on its own).
template <class W>
void whenShown(std::function<W*()> find, std::function<void(W&)> act) {
  auto* poll = new QTimer;
  auto* clock = new QElapsedTimer;
  clock->start();
  QObject::connect(poll, &QTimer::timeout, [poll, clock, find = std::move(find), act = std::move(act)] {
    W* widget = find();
    if (!widget && clock->elapsed() < 5000) return;
    poll->stop();
    poll->deleteLater();
    delete clock;
    if (widget) act(*widget);
  });
  poll->start(1);
}

// The next modal widget of type W that shows gets `act`.
template <class W>
void whenModal(std::function<void(W&)> act) {
  whenShown<W>([] { return qobject_cast<W*>(QApplication::activeModalWidget()); }, std::move(act));
}

// The next popup menu that opens gets `act`.
inline void whenMenu(std::function<void(QMenu&)> act) {
  whenShown<QMenu>([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }, std::move(act));
}

// Chooses the menu item with this text as a user does: highlight it, press Enter.
inline void chooseItem(QMenu& menu, const QString& text) {
  for (QAction* action : menu.actions()) {
    if (action->text() == text) {
      menu.setActiveAction(action);
      QTest::keyClick(&menu, Qt::Key_Return);
      return;
    }
  }
  menu.close();
}

}  // namespace strikepad::testing
