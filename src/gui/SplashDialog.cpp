#include "gui/SplashDialog.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/SystemInfo.h"

namespace arkwell::gui {

SplashDialog::SplashDialog(Use use, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("splash"));
  if (use == Use::Splash) setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
  setWindowTitle(QStringLiteral("Arkwell Backup"));

  auto* icon = new QLabel(this);
  const QString iconFile = QCoreApplication::applicationDirPath() + QStringLiteral("/icons/arkwellbackup-48.png");
  if (QFileInfo::exists(iconFile)) icon->setPixmap(QPixmap(iconFile));
  auto* product = new QLabel(QStringLiteral("Arkwell Backup"), this);
  product->setObjectName(QStringLiteral("productLabel"));
  QFont big = product->font();
  big.setPointSizeF(big.pointSizeF() * 2);
  big.setBold(true);
  product->setFont(big);
  // A label shows "&" as it is, so the doubled ampersand of the caption is one here.
  auto* line = new QLabel(QStringLiteral("Disk & FTP-backup/restore utility"), this);
  line->setObjectName(QStringLiteral("taglineLabel"));

  versionPanel_ = new QWidget(this);
  auto* versionRow = new QHBoxLayout(versionPanel_);
  versionRow->setContentsMargins(0, 0, 0, 0);
  version_ = new QLabel(core::FileVersionString(), versionPanel_);
  version_->setObjectName(QStringLiteral("versionLabel"));
  versionRow->addWidget(new QLabel(QStringLiteral("Version:"), versionPanel_));
  versionRow->addWidget(version_, 1);
  close_ = new QPushButton(QStringLiteral("&Close"), this);
  close_->setObjectName(QStringLiteral("closeButton"));
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);

  auto* header = new QHBoxLayout;
  header->addWidget(icon);
  auto* titles = new QVBoxLayout;
  titles->addWidget(product);
  titles->addWidget(line);
  header->addLayout(titles, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(header);
  layout->addWidget(versionPanel_);
  layout->addWidget(close_, 0, Qt::AlignRight);

  const bool information = use == Use::Information;
  versionPanel_->setVisible(information);
  close_->setVisible(information);
  setModal(information);
}

}  // namespace arkwell::gui
