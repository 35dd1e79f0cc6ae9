#include "app/drop_hint.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QPainter>
#include <QUrl>

namespace strikepad {

std::optional<DraggedFile> draggedFile(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().size() != 1) return std::nullopt;
  const QUrl& url = data->urls().front();
  if (!url.isLocalFile()) return std::nullopt;
  const QString path = url.toLocalFile();
  const QFileInfo file(path);
  if (file.isDir() && QFileInfo::exists(QDir(path).filePath(QStringLiteral("sp.dat"))))
    return DraggedFile{path, DraggedFile::Use::OpenCatalogue};
  const QString suffix = file.suffix();
  if (suffix.compare(QLatin1String("spk"), Qt::CaseInsensitive) == 0) return DraggedFile{path, DraggedFile::Use::Import};
  if (suffix.compare(QLatin1String("dat"), Qt::CaseInsensitive) == 0)
    return DraggedFile{path, DraggedFile::Use::OpenCatalogue};
  return std::nullopt;
}

DropHint::DropHint(QWidget* window) : QWidget(window) {
  setObjectName("dropHint");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void DropHint::showFor(const DraggedFile& file) {
  const QString what = file.use == DraggedFile::Use::Import ? tr("Drop to import\n%1") : tr("Drop to open the catalogue\n%1");
  text_ = what.arg(QFileInfo(file.path).fileName());
  setGeometry(parentWidget()->rect());
  raise();
  show();
  update();
}

void DropHint::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QColor veil = palette().color(QPalette::Window);
  veil.setAlpha(215);
  painter.fillRect(rect(), veil);
  const QColor accent = palette().color(QPalette::Highlight);
  painter.setPen(QPen(accent, 3, Qt::DashLine));
  painter.drawRoundedRect(QRectF(rect()).adjusted(8, 8, -8, -8), 12, 12);
  QFont large = font();
  large.setPointSizeF(large.pointSizeF() * 1.4);
  large.setBold(true);
  painter.setFont(large);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(rect(), Qt::AlignCenter, text_);
}

}  // namespace strikepad
