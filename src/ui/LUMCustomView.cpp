#include "ui/LUMCustomView.h"

#include <QGraphicsDropShadowEffect>
#include <QPainter>

#include "ui/SplashImage.h"

namespace slotsmith {

LUMCustomView::LUMCustomView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TranslucentBackground);
  auto* shadow = new QGraphicsDropShadowEffect(this);
  shadow->setBlurRadius(18.0);
  shadow->setOffset(0.0, 4.0);
  shadow->setColor(QColor(0, 0, 0, 140));
  setGraphicsEffect(shadow);
}

void LUMCustomView::awakeFromNib() {
  backImage_ = splashImage();
  updateGeometry();
  update();
}

QSize LUMCustomView::sizeHint() const {
  return backImage_.isNull() ? QSize(1, 1) : backImage_.size() / backImage_.devicePixelRatio();
}

void LUMCustomView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.fillRect(rect(), Qt::transparent);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (!backImage_.isNull()) painter.drawImage(QPointF(0, 0), backImage_);
}

}  // namespace slotsmith
