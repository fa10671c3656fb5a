#include "ui/myDropSpace.h"

#include <cmath>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QUrl>

namespace slotsmith {

namespace {

QStringList localPathsOf(const QMimeData* data) {
  QStringList paths;
  if (data == nullptr || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) paths << url.toLocalFile();
  }
  return paths;
}

}  // namespace

myDropSpace::myDropSpace(QWidget* parent) : QWidget(parent) {
  setPath(QString());
  // Helvetica where it is installed; the style hint picks the system's sans font elsewhere.
  attributesFont_ = QFont(QStringLiteral("Helvetica"));
  attributesFont_.setStyleHint(QFont::SansSerif);
  attributesFont_.setPixelSize(200);
  attributesColor_ = QColor::fromRgbF(1.0f, 1.0f, 1.0f, 0.8f);
  setAcceptDrops(true);
  setDropEnabled();
  hasNewPath_ = false;
  timer_.setSingleShot(true);
  timer_.setInterval(1000);
  connect(&timer_, &QTimer::timeout, this, &myDropSpace::sendDropNotification);
}

void myDropSpace::setPath(const QString& path) {
  path_ = path;
  update();
  hasNewPath_ = true;
}

void myDropSpace::setDropEnabled() {
  dropEnabled_ = true;
  update();
  if (notificationDeferred_) {
    notificationDeferred_ = false;
    timer_.start();
  }
}

void myDropSpace::setDropDisabled() {
  dropEnabled_ = false;
  update();
}

void myDropSpace::setHighlighted(bool highlighted) {
  highlighted_ = highlighted;
  update();
}

bool myDropSpace::acceptsDragOf(const QMimeData* data, const QObject* source) const {
  if (source == this) return false;
  return !localPathsOf(data).isEmpty();
}

bool myDropSpace::performDragOperation(const QMimeData* data) {
  if (!dropEnabled_) {
    setHighlighted(false);
    return false;
  }
  const QStringList candidates = localPathsOf(data);
  for (const QString& candidate : candidates) {
    if (isValidDatabase_ && isValidDatabase_(candidate)) {
      setPath(candidate);
      return true;
    }
  }
  if (!candidates.isEmpty()) Q_EMIT folderRefused(candidates.first());
  return true;
}

void myDropSpace::concludeDragOperation() {
  setHighlighted(false);
  if (!hasNewPath_) return;
  timer_.start();  // restarting cancels a pending announcement: only the latest root is posted
  hasNewPath_ = false;
}

void myDropSpace::sendDropNotification() {
  if (!dropEnabled_) {
    notificationDeferred_ = true;
    return;
  }
  Q_EMIT folderWasDropped(this);
}

void myDropSpace::dragEnterEvent(QDragEnterEvent* event) {
  if (!acceptsDragOf(event->mimeData(), event->source())) {
    event->ignore();
    return;
  }
  setHighlighted(true);
  event->setDropAction(Qt::CopyAction);
  event->accept();
}

void myDropSpace::dragLeaveEvent(QDragLeaveEvent* event) {
  setHighlighted(false);
  event->accept();
}

void myDropSpace::dropEvent(QDropEvent* event) {
  if (!performDragOperation(event->mimeData())) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
  concludeDragOperation();
}

void myDropSpace::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRectF bounds = rect();
  painter.fillRect(bounds, QColor::fromRgbF(1.0f / 3, 1.0f / 3, 1.0f / 3));
  const QColor inner = highlighted_ ? palette().color(QPalette::Highlight)
                                    : QColor::fromRgbF(224.0f / 255, 227.0f / 255, 1.0f);
  painter.fillRect(bounds.adjusted(1.0, 1.0, -1.0, -1.0), inner);
  if (!dropEnabled_) {
    drawStringCenteredIn(painter, bounds, QStringLiteral("X"), legibleOn(inner));
  }
}

QColor myDropSpace::legibleOn(const QColor& background) const {
  // The described colour is kept where it can be read; on a light fill (or with a palette whose
  // colours would vanish on it) the palette's text colour, or plain black, takes its place.
  const auto lightness = [](const QColor& colour) { return colour.toHsl().lightnessF(); };
  const auto readable = [&](const QColor& colour) {
    return std::abs(lightness(colour) - lightness(background)) >= 0.4;
  };
  if (readable(attributesColor_)) return attributesColor_;
  const QColor text = palette().color(QPalette::WindowText);
  return readable(text) ? text : QColor(Qt::black);
}

void myDropSpace::drawStringCenteredIn(QPainter& painter, const QRectF& rect, const QString& string,
                                       const QColor& colour) const {
  painter.setFont(attributesFont_);
  painter.setPen(colour);
  const QFontMetricsF metrics(attributesFont_);
  const qreal width = metrics.horizontalAdvance(string);
  const qreal height = metrics.height();
  const QPointF topLeft(rect.x() + (rect.width() - width) * 0.5,
                        rect.y() + (rect.height() - height) * 0.5);
  painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), string);
}

}  // namespace slotsmith
