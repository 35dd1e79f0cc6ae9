#pragma once
// The main window's answer to a dragged .SPK file: which file would be imported, shown over
// the whole window while the drag is over it.

#include <QString>
#include <QWidget>
#include <optional>

class QMimeData;

namespace strikepad {

// The one local .SPK file (suffix in any case) the drag carries; none for anything else,
// several files included.
std::optional<QString> draggedExchangeFile(const QMimeData* data);

class DropHint final : public QWidget {
  Q_OBJECT

 public:
  explicit DropHint(QWidget* window);

  // Covers the window and names the file.
  void showFor(const QString& path);
  QString text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
};

}  // namespace strikepad
