#pragma once
// The script editor's key-word palette: a button for each of the script's 20 key words, in the
// order the printer writes them, so that the language can be learnt by clicking. It only says
// which word was picked; the editor puts it into the text, where its undo history covers it.

#include <QString>
#include <QWidget>

namespace strikepad {

class KeywordPalette final : public QWidget {
  Q_OBJECT

 public:
  // What an axis key word brings with it: full tilt, selected in the text so that typing
  // replaces it.
  static constexpr int kAxisValue = 127;

  explicit KeywordPalette(QWidget* parent = nullptr);

 signals:
  // `word` was clicked; `isAxis`: it is one of lx, ly, rx, ry and takes a value.
  void picked(const QString& word, bool isAxis);
};

}  // namespace strikepad
