#include "ui/LUMModalProgressWindow.h"

#include <QCoreApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace slotsmith {

LUMModalProgressWindow::LUMModalProgressWindow(QWidget* parentWindow)
    : QObject(parentWindow), window_(new QDialog(parentWindow)) {
  window_->setObjectName(QStringLiteral("progressWindow"));
  window_->setWindowTitle(QStringLiteral("Working"));
  window_->setWindowModality(Qt::ApplicationModal);
  // No close button: an operation, once started, runs to its end.
  window_->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  progressText_ = new QLabel(window_);
  progressText_->setObjectName(QStringLiteral("progressText"));
  progressBar_ = new QProgressBar(window_);
  progressBar_->setObjectName(QStringLiteral("progressBar"));
  progressBar_->setTextVisible(false);
  progressBar_->setMinimum(0);
  auto* layout = new QVBoxLayout(window_);
  layout->addWidget(progressText_);
  layout->addWidget(progressBar_);
  window_->setMinimumWidth(360);
}

LUMModalProgressWindow::~LUMModalProgressWindow() {
  if (window_ != nullptr && window_->parent() == nullptr) delete window_;
}

void LUMModalProgressWindow::setParentWindow(QWidget* parentWindow) {
  if (window_ == nullptr || window_->parentWidget() == parentWindow || session_) return;
  const Qt::WindowFlags flags = window_->windowFlags();
  window_->setParent(parentWindow, flags);
}

void LUMModalProgressWindow::openWithText(const QString& text, int sliderMax) {
  setText(text);
  setSliderMax(sliderMax);
  setSlider(0);
  open();
}

void LUMModalProgressWindow::open() {
  window_->adjustSize();
  QRect frame = window_->frameGeometry();
  if (const QWidget* owner = window_->parentWidget(); owner != nullptr && owner->isVisible()) {
    frame.moveCenter(owner->frameGeometry().center());
    window_->move(frame.topLeft());
  } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    frame.moveCenter(screen->availableGeometry().center());
    window_->move(frame.topLeft());
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
  session_ = true;
  runSessionOnce();
}

void LUMModalProgressWindow::waitNextEvent() {
  if (session_) runSessionOnce();
}

void LUMModalProgressWindow::setText(const QString& text) {
  progressText_->setText(text);
  progressText_->update();
  if (session_) runSessionOnce();
}

void LUMModalProgressWindow::setSlider(int position) {
  slider_ = position;
  // The bar ignores values outside its range; a position past the end shows a full bar.
  progressBar_->setValue(qBound(progressBar_->minimum(), position, progressBar_->maximum()));
  // An edit moves the bar once per step, a thousand times a second; the screen shows one frame in
  // sixteen milliseconds, and letting the events through more often only slows the edit down.
  constexpr qint64 kFrameMilliseconds = 16;
  if (session_ && (!sinceEvents_.isValid() || sinceEvents_.elapsed() >= kFrameMilliseconds)) {
    runSessionOnce();
  }
}

void LUMModalProgressWindow::setSliderMax(int maximum) {
  progressBar_->setMaximum(maximum);
  if (session_) runSessionOnce();
}

void LUMModalProgressWindow::close() {
  session_ = false;
  window_->hide();
  // The keys go back to the window the user works in. The panel's own activation may still be on
  // its way when it hides, and not every window manager hands the focus back when a transient
  // window goes: the focus would stay with a hidden window, and no shortcut of the window's menus
  // would work until a click. Once the pending window events are through, the owner takes it.
  QTimer::singleShot(0, window_, [panel = QPointer<QWidget>(window_)] {
    if (panel.isNull() || panel->isVisible()) return;
    QWidget* owner = panel->parentWidget();
    if (owner != nullptr && owner->isVisible() &&
        QGuiApplication::focusWindow() == panel->windowHandle()) {
      owner->activateWindow();
    }
  });
}

QString LUMModalProgressWindow::text() const {
  return progressText_->text();
}

int LUMModalProgressWindow::sliderMax() const {
  return progressBar_->maximum();
}

void LUMModalProgressWindow::runSessionOnce() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  sinceEvents_.start();
}

}  // namespace slotsmith
