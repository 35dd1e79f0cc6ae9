#include "app/combo_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "app/qt_text.h"
#include "flows/clipboard_flows.h"

namespace strikepad {

std::unique_ptr<QMimeData> mimeDataOf(const ClipboardCombo& combo) {
  auto data = std::make_unique<QMimeData>();
  // The printer ends lines with CR LF; the clipboard takes "\n" and gives each platform its own.
  data->setText(toQString(combo.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  if (combo.bytes)
    data->setData(QString::fromLatin1(kComboMimeType),
                  QByteArray(reinterpret_cast<const char*>(combo.bytes->data()), static_cast<qsizetype>(combo.bytes->size())));
  return data;
}

ClipboardCombo clipboardComboOf(const QMimeData& data) {
  ClipboardCombo combo{toStdString(data.text()), std::nullopt};
  const QString type = QString::fromLatin1(kComboMimeType);
  if (data.hasFormat(type)) {
    const QByteArray bytes = data.data(type);
    combo.bytes.emplace(bytes.begin(), bytes.end());
  }
  return combo;
}

void copyComboToClipboard(Catalogue& catalogue) {
  const std::optional<ClipboardCombo> copied = OnCopyCombo(catalogue);
  // The clipboard takes the data over.
  if (copied) QGuiApplication::clipboard()->setMimeData(mimeDataOf(*copied).release());
}

void pasteComboFromClipboard(Catalogue& catalogue) {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  OnPasteCombo(catalogue, data ? clipboardComboOf(*data) : ClipboardCombo{});
}

}  // namespace strikepad
