#include "app/keyword_palette.h"

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

#include "combo/script_keywords.h"

namespace strikepad {
namespace {

constexpr int kColumns = 4;

QToolButton* keywordButton(const QString& word, const QString& tip, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setText(word);
  button->setObjectName(QStringLiteral("keyword-") + word);
  button->setToolTip(tip);
  button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  button->setFocusPolicy(Qt::NoFocus);  // the text box keeps the focus and its cursor
  return button;
}

}  // namespace

KeywordPalette::KeywordPalette(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("keywordPalette"));
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(2);
  const auto addHeading = [&](const QString& text) { grid->addWidget(new QLabel(text, this), grid->rowCount(), 0, 1, kColumns); };
  const auto addWords = [&](auto keywords, bool isAxis) {
    const int firstRow = grid->rowCount();
    int at = 0;
    for (const auto& key : keywords) {
      const QString word = QString::fromLatin1(key.word);
      const QString tip = isAxis ? tr("Insert %1 %2 at the cursor, the value selected to type over").arg(word).arg(kAxisValue)
                                 : tr("Insert %1 at the cursor").arg(word);
      QToolButton* button = keywordButton(word, tip, this);
      grid->addWidget(button, firstRow + at / kColumns, at % kColumns);
      ++at;
      connect(button, &QToolButton::clicked, this, [this, word, isAxis] { emit picked(word, isAxis); });
    }
  };
  addHeading(tr("Buttons held:"));
  addWords(kButtonKeywords, false);
  addHeading(tr("Sticks, -127 to 127, 0 at rest:"));
  addWords(kAxisKeywords, true);
  grid->setRowStretch(grid->rowCount(), 1);
}

}  // namespace strikepad
