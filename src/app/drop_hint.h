#pragma once
// The main window's answer to a dragged file: which .SPK file would be imported, or which
// catalogue opened, shown over the whole window while the drag is over it.

#include <QString>
#include <QWidget>
#include <optional>

class QMimeData;

namespace strikepad {

// What a drop does with the file it carries.
struct DraggedFile {
  enum class Use { Import, OpenCatalogue };
  QString path;
  Use use;
};

// The one local file the drag carries that the window takes: an .SPK file (suffix in any case)
// to import, or a catalogue (.dat, or a folder holding sp.dat) to open; none for anything
// else, several files included.
std::optional<DraggedFile> draggedFile(const QMimeData* data);

class DropHint final : public QWidget {
  Q_OBJECT

 public:
  explicit DropHint(QWidget* window);

  // Covers the window, says what the drop does and names the file.
  void showFor(const DraggedFile& file);
  QString text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
};

}  // namespace strikepad
