#include "ui/SplashImage.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace slotsmith {

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 300;

void paintCard(QPainter& painter) {
  QPainterPath card;
  card.addRoundedRect(QRectF(0.5, 0.5, kWidth - 1.0, kHeight - 1.0), 28.0, 28.0);
  QLinearGradient background(0, 0, 0, kHeight);
  background.setColorAt(0.0, QColor(38, 44, 78));
  background.setColorAt(1.0, QColor(14, 16, 32));
  painter.fillPath(card, background);
  painter.setPen(QPen(QColor(120, 140, 230, 180), 1.5));
  painter.drawPath(card);
}

// Ten rows of slot cells, some lit: the banks of sounds and models the tool arranges.
void paintSlots(QPainter& painter) {
  const QColor lit(122, 200, 255);
  const QColor dim(70, 80, 130);
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 20; ++column) {
      const bool on = ((column * 7 + row * 3) % 5) < 3;
      const QRectF cell(40 + column * 20.0, 178 + row * 16.0, 14.0, 10.0);
      painter.fillRect(cell, on ? lit : dim);
    }
  }
}

void paintTitle(QPainter& painter) {
  QFont title(QStringLiteral("DejaVu Sans"));
  title.setStyleHint(QFont::SansSerif);
  title.setPixelSize(52);
  title.setBold(true);
  painter.setFont(title);
  painter.setPen(QColor(236, 240, 255));
  painter.drawText(QRectF(40, 44, kWidth - 80, 64), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Slotsmith"));
  QFont subtitle = title;
  subtitle.setBold(false);
  subtitle.setPixelSize(17);
  painter.setFont(subtitle);
  painter.setPen(QColor(170, 185, 235));
  painter.drawText(QRectF(42, 110, kWidth - 80, 28), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Sound and model slots, kept in order"));
}

QImage paintSplash() {
  QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  paintCard(painter);
  paintSlots(painter);
  paintTitle(painter);
  return image;
}

}  // namespace

const QImage& splashImage() {
  static const QImage image = paintSplash();
  return image;
}

}  // namespace slotsmith
