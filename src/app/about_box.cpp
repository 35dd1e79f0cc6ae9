#include "app/about_box.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "app/artwork.h"

namespace strikepad {

QString aboutEntryText() { return QStringLiteral("关于 Strikepad(&A)..."); }

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("关于 Strikepad 2.0 Velocade"));
  auto* icon = new QLabel(this);
  icon->setPixmap(applicationIcon().pixmap(32, 32));
  auto* name = new QLabel(QStringLiteral("Strikepad 2.0 Velocade"), this);
  name->setObjectName("productName");
  auto* version = new QLabel(tr("Version %1").arg(QStringLiteral(STRIKEPAD_VERSION)), this);
  version->setObjectName("productVersion");
  auto* ok = new QPushButton(tr("OK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QGridLayout(this);
  layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
  layout->addWidget(name, 0, 1);
  layout->addWidget(version, 1, 1);
  layout->addWidget(ok, 0, 2, Qt::AlignTop);
  layout->setColumnMinimumWidth(1, name->sizeHint().width() * 3 / 2);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace strikepad
