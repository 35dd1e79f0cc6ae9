#include "app/find_box.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/qt_text.h"

namespace strikepad {

FindBox::FindBox(Search search, QWidget* parent)
    : QDialog(parent),
      search_(std::move(search)),
      field_(new QLineEdit(this)),
      matches_(new QListWidget(this)),
      status_(new QLabel(this)) {
  setWindowTitle(tr("Find"));
  field_->setObjectName("findField");
  field_->setPlaceholderText(tr("Part of a game, character or combo name"));
  matches_->setObjectName("findMatches");
  // The field keeps the focus: Up and Down move through the matches from there.
  matches_->setFocusPolicy(Qt::NoFocus);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(field_);
  layout->addWidget(matches_, 1);
  layout->addWidget(status_);
  resize(field_->fontMetrics().averageCharWidth() * 60, field_->fontMetrics().height() * 20);

  connect(field_, &QLineEdit::textChanged, this, &FindBox::showMatches);
  connect(matches_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { choose(matches_->row(item)); });
}

void FindBox::showMatches(const QString& text) {
  matches_->clear();
  paths_.clear();
  status_->clear();
  if (text.isEmpty()) return;
  const FindResult found = search_(toStdString(text));
  if (!found.done()) return status_->setText(toQString(found.reason));
  for (const FoundRecord& match : found.matches) {
    matches_->addItem(toQString(matchLine(match, [](std::string_view name) { return std::string(name); })));
    paths_.push_back(match.path);
  }
  if (found.matches.empty()) status_->setText(tr("Nothing matches."));
  else if (found.more) status_->setText(tr("More records match than are shown: type more of the name."));
  matches_->setCurrentRow(0);
}

void FindBox::choose(int row) {
  if (row < 0 || row >= static_cast<int>(paths_.size())) return;
  chosen_ = paths_[static_cast<std::size_t>(row)];
  accept();
}

void FindBox::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return choose(matches_->currentRow());
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: return static_cast<void>(QCoreApplication::sendEvent(matches_, event));
    default: return QDialog::keyPressEvent(event);
  }
}

}  // namespace strikepad
