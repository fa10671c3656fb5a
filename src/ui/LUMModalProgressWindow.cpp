#include "ui/LUMModalProgressWindow.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
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
  window_->installEventFilter(this);
  // The keys leaving for nowhere right after the panel closed is the window manager's late answer
  // to the panel, not the user going to another program: nobody is that quick.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now == nullptr && justClosed()) {
      QTimer::singleShot(0, this, &LUMModalProgressWindow::giveKeysBack);
    }
  });
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
  // One edit may open the panel several times, and the keys may still be with nobody after the
  // previous time: the widget that had them last is kept then.
  QWidget* keys = QApplication::focusWidget();
  if (!session_ && keys != nullptr && keys->window() != window_) {
    if (keys_ != nullptr) keys_->window()->removeEventFilter(this);
    keys_ = keys;
    keys_->window()->installEventFilter(this);
    keysWereOurs_ = QApplication::activeWindow() != nullptr;
  }
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
  // A fast edit shows the panel and hides it within one turn of the event loop, while the window
  // manager is still answering the panel's activation: the answer may come after the panel is
  // gone, in any order (nothing active, the hidden panel active, the owner active with nobody
  // holding the keys), and not every window manager hands the focus back when a transient window
  // goes. Keys with nobody are dead to every shortcut until the user leaves the window and comes
  // back, so they go back now, once the pending window events are through, and whenever the
  // hidden panel or the owner is activated later.
  sinceClose_.start();
  giveKeysBack();
  QTimer::singleShot(0, this, &LUMModalProgressWindow::giveKeysBack);
}

bool LUMModalProgressWindow::justClosed() const {
  // Longer than any window manager takes to answer, shorter than a user takes to leave.
  constexpr qint64 kAnswerMilliseconds = 500;
  return !session_ && sinceClose_.isValid() && sinceClose_.elapsed() < kAnswerMilliseconds;
}

bool LUMModalProgressWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::WindowActivate && !session_ &&
      (watched == window_ || (keys_ != nullptr && watched == keys_->window()))) {
    QTimer::singleShot(0, this, &LUMModalProgressWindow::giveKeysBack);
  }
  return QObject::eventFilter(watched, event);
}

void LUMModalProgressWindow::giveKeysBack() {
  if (session_ || keys_.isNull() || !keys_->isVisible() || !keys_->isEnabled()) return;
  QWidget* active = QApplication::activeWindow();
  const QWidget* holder = QApplication::focusWidget();
  // The window system may still name the hidden panel as the window the keys go to, while the
  // widgets already call nothing active: the keys are dead then too.
  const bool withPanel = active == window_ || (holder != nullptr && holder->window() == window_) ||
                         QGuiApplication::focusWindow() == window_->windowHandle();
  if (withPanel || (active == nullptr && keysWereOurs_ && justClosed())) {
    QWidget* owner = keys_->window();
    owner->activateWindow();
    // The window system may already call the owner active while the widgets still think the
    // panel or nothing is: a request to activate it again changes nothing there, so the widgets
    // are brought in step with the window system directly.
    if (QGuiApplication::focusWindow() == owner->windowHandle()) {
      QApplication::setActiveWindow(owner);
    }
  }
  if (withPanel || QApplication::focusWidget() == nullptr) keys_->setFocus(Qt::OtherFocusReason);
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
