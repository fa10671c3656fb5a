#include "ui/SplashScreenWindow.h"

#include <QApplication>
#include <QMouseEvent>

#include <QLabel>
#include <QVBoxLayout>

#include "ui/LUMCustomView.h"

namespace slotsmith {

namespace {

// Room around the picture for its shadow.
constexpr int kShadowMargin = 24;

}  // namespace

SplashScreenWindow::SplashScreenWindow(QWidget* parent)
    : LUMCustomWindow(parent), view_(new LUMCustomView), versionTextSplash_(new QLabel(view_)) {
  setObjectName(QStringLiteral("splashScreenWindow"));
  setWindowFlag(Qt::SplashScreen);
  view_->setObjectName(QStringLiteral("splashView"));
  versionTextSplash_->setObjectName(QStringLiteral("versionTextSplash"));
  versionTextSplash_->setText(tr("version unknown"));
  versionTextSplash_->setStyleSheet(QStringLiteral("color: rgb(170, 185, 235);"));
  view_->awakeFromNib();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kShadowMargin, kShadowMargin, kShadowMargin, kShadowMargin);
  layout->addWidget(view_);
  awakeFromNib();
  adjustSize();
  versionTextSplash_->setGeometry(42, 142, 300, 22);
}

void SplashScreenWindow::mousePressEvent(QMouseEvent* event) {
  pressedAt_ = event->globalPosition();
  LUMCustomWindow::mousePressEvent(event);
}

void SplashScreenWindow::mouseReleaseEvent(QMouseEvent* event) {
  const QPointF moved = event->globalPosition() - pressedAt_;
  if (moved.manhattanLength() < QApplication::startDragDistance()) Q_EMIT clicked();
  LUMCustomWindow::mouseReleaseEvent(event);
}

}  // namespace slotsmith
