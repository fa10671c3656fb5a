#include "ui/LUMCustomWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QScreen>
#include <QThread>

namespace slotsmith {

namespace {

constexpr int kFadeSteps = 26;
constexpr int kTopMargin = 22;
constexpr int kTransitionMilliseconds = 1000;

}  // namespace

LUMCustomWindow::LUMCustomWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
  setAttribute(Qt::WA_TranslucentBackground);
  setAutoFillBackground(false);
  setOpacity(1.0f);
}

void LUMCustomWindow::setOpacity(float opacity) {
  opacity_ = opacity;
  setWindowOpacity(opacity);
}

void LUMCustomWindow::awakeFromNib() {
  setAllowsDragging(true);
}

QRect LUMCustomWindow::cmzStripRect() const {
  return {horizCMZButtonOffset_, vertCMZButtonOffset_ - 20, 3 * cmzButtonSpacing_, 20};
}

void LUMCustomWindow::mousePressEvent(QMouseEvent* event) {
  initialLocation_ = event->globalPosition() - QPointF(frameGeometry().topLeft());
  event->accept();
}

void LUMCustomWindow::mouseMoveEvent(QMouseEvent* event) {
  if (!allowsDragging_ || !(event->buttons() & Qt::LeftButton)) return;
  move(originForDragTo(event->globalPosition()));
}

QPoint LUMCustomWindow::originForDragTo(const QPointF& globalMouse) const {
  QPoint origin = (globalMouse - initialLocation_).toPoint();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const int highestTop = screen->geometry().top() + kTopMargin;
    if (origin.y() < highestTop) origin.setY(highestTop);
  }
  return origin;
}

void LUMCustomWindow::closeEvent(QCloseEvent* event) {
  if (closingDirectly_) {
    event->accept();
    return;
  }
  fadeOut();
  event->accept();
  QCoreApplication::quit();
}

void LUMCustomWindow::closeDirectly() {
  closingDirectly_ = true;
  close();
  closingDirectly_ = false;
}

void LUMCustomWindow::fadeIn() {
  fade(0.01f, 1.2);
  setOpacity(1.0f);
}

void LUMCustomWindow::fadeOut() {
  fade(1.0f, 5.0 / 6.0);
}

void LUMCustomWindow::fade(float startOpacity, double factor) {
  float opacity = startOpacity;
  for (int step = 0; step < kFadeSteps; ++step) {
    QThread::usleep(static_cast<unsigned long>(fadeStepSeconds_ * 1e6));
    setOpacity(opacity);
    // Lets the new opacity reach the screen; input waits until the fade is over.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    opacity = static_cast<float>(opacity * factor);
  }
}

void LUMCustomWindow::zoomIn() {
  const QRect target = geometry();
  const QRect start(target.center(), QSize(1, 1));
  animateGeometry(start, target, false);
}

void LUMCustomWindow::zoomOut() {
  const QRect start = geometry();
  animateGeometry(start, QRect(start.center(), QSize(1, 1)), false);
}

void LUMCustomWindow::doTest() {
  const QRect start = geometry();
  animateGeometry(start, QRect(start.center(), QSize(1, 1)), true);
}

void LUMCustomWindow::animateGeometry(const QRect& from, const QRect& to, bool quitAfterwards) {
  auto* animation = new QPropertyAnimation(this, "geometry", this);
  animation->setDuration(kTransitionMilliseconds);
  animation->setStartValue(from);
  animation->setEndValue(to);
  if (quitAfterwards) {
    connect(animation, &QPropertyAnimation::finished, qApp, &QCoreApplication::quit);
  }
  animation->start(QAbstractAnimation::DeleteWhenStopped);
}

}  // namespace slotsmith
