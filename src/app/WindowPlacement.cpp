#include "app/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QWidget>
#include <algorithm>

namespace slotsmith {

namespace {

constexpr const char* kPlacedProperty = "slotsmithSidePlaced";

// The frame adds the title bar and borders to the client size; before the window is shown the
// window manager has not told it yet, so a usual frame is allowed for.
QSize frameExtra(const QWidget* window) {
  const QSize known = window->frameGeometry().size() - window->geometry().size();
  return window->isVisible() ? known : known.expandedTo({16, 48});
}

// Saves a side window's geometry each time it is hidden: closed by its keys, its title bar or the
// end of the program.
class PlacementKeeper : public QObject {
 public:
  PlacementKeeper(QWidget* window, QString settingsKey)
      : QObject(window), settingsKey_(std::move(settingsKey)) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide && watched == parent()) {
      saveWindowPlacement(static_cast<QWidget*>(watched), settingsKey_);
    }
    return false;
  }

 private:
  QString settingsKey_;
};

}  // namespace

void placeWindow(QWidget* window, const QString& settingsKey) {
  const QByteArray saved = QSettings().value(settingsKey).toByteArray();
  if (saved.isEmpty() || !window->restoreGeometry(saved)) {
    if (const QScreen* screen =
            window->screen() ? window->screen() : QGuiApplication::primaryScreen()) {
      QRect frame = window->frameGeometry();
      frame.moveCenter(screen->availableGeometry().center());
      window->move(frame.topLeft());
    }
  }
  keepWindowOnScreen(window);
}

void saveWindowPlacement(const QWidget* window, const QString& settingsKey) {
  QSettings().setValue(settingsKey, window->saveGeometry());
}

void keepWindowOnScreen(QWidget* window) {
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect available = screen->availableGeometry();
  const QSize maximum = available.size() - frameExtra(window);
  const QSize size = window->size().boundedTo(maximum);
  if (size != window->size()) window->resize(size);
  const QRect frame = window->frameGeometry();
  QRect inside = frame;
  inside.moveLeft(std::clamp(frame.left(), available.left(),
                             std::max(available.left(), available.right() - frame.width() + 1)));
  inside.moveTop(std::clamp(frame.top(), available.top(),
                            std::max(available.top(), available.bottom() - frame.height() + 1)));
  // Moved by the difference only, and only when there is one: before the window manager has
  // framed a window, its frame is taken for its client area, and moving that "frame" to where it
  // is would put the client area a title bar lower, a little more at each start.
  const QPoint shift = inside.topLeft() - frame.topLeft();
  if (!shift.isNull()) window->move(window->pos() + shift);
}

QRect sideWindowFrame(const QRect& available, const QRect& anchor, QSize wanted,
                      const QSize& minimum) {
  wanted = wanted.boundedTo(available.size()).expandedTo(minimum);
  const int roomRight = available.right() - anchor.right();
  const int roomLeft = anchor.left() - available.left();
  const int roomBelow = available.bottom() - anchor.bottom();
  const int roomAbove = anchor.top() - available.top();
  const auto within = [](int start, int length, int first, int last) {
    return std::clamp(start, first, std::max(first, last - length + 1));
  };
  // Level with the anchor's top, on the given side of it.
  const auto beside = [&](QSize size, bool right) {
    QRect frame(QPoint(), size);
    frame.moveTop(within(anchor.top(), size.height(), available.top(), available.bottom()));
    if (right) {
      frame.moveLeft(anchor.right() + 1);
    } else {
      frame.moveRight(anchor.left() - 1);
    }
    return frame;
  };
  if (wanted.width() <= roomRight) return beside(wanted, true);
  if (wanted.width() <= roomLeft) return beside(wanted, false);
  const bool rightIsWider = roomRight >= roomLeft;
  if (const int room = std::max(roomRight, roomLeft); room >= minimum.width()) {
    return beside({room, wanted.height()}, rightIsWider);
  }
  // A wide anchor on a screen taller than it: below or above it, in line with its left edge.
  if (const int room = std::max(roomBelow, roomAbove); room >= minimum.height()) {
    QRect frame(QPoint(), QSize(wanted.width(), std::min(wanted.height(), room)));
    frame.moveLeft(within(anchor.left(), frame.width(), available.left(), available.right()));
    if (roomBelow >= roomAbove) {
      frame.moveTop(anchor.bottom() + 1);
    } else {
      frame.moveBottom(anchor.top() - 1);
    }
    return frame;
  }
  // No free space holds the content: it lies at the screen's edge on the wider side, at the size
  // that shows its content, over part of the anchor.
  QRect frame = beside(wanted, true);
  frame.moveLeft(rightIsWider ? available.right() - frame.width() + 1 : available.left());
  frame.moveLeft(std::max(frame.left(), available.left()));
  return frame;
}

void placeBeside(QWidget* window, const QWidget* anchor) {
  const QScreen* screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QSize extra = frameExtra(window);
  // At least the size its content asks for: a comparison whose table is cut hides the very
  // difference it is opened for.
  const QSize wanted = window->size().expandedTo(window->sizeHint()) + extra;
  const QSize minimum = window->minimumSizeHint().expandedTo(window->minimumSize()) + extra;
  const QRect frame =
      sideWindowFrame(screen->availableGeometry(), anchor->frameGeometry(), wanted, minimum);
  window->resize(frame.size() - extra);
  window->move(frame.topLeft());
}

void showSideWindow(QWidget* window, const QWidget* anchor, const QString& settingsKey) {
  if (!window->property(kPlacedProperty).toBool()) {
    window->setProperty(kPlacedProperty, true);
    closeWithKeys(window);
    new PlacementKeeper(window, settingsKey);
    const QByteArray saved = QSettings().value(settingsKey).toByteArray();
    if (saved.isEmpty() || !window->restoreGeometry(saved)) placeBeside(window, anchor);
  }
  window->show();
  keepWindowOnScreen(window);
  window->raise();
  window->activateWindow();
}

void closeWithKeys(QWidget* window) {
  // Ctrl+W besides the platform's Close keys (Ctrl+F4 on some desktops, Ctrl+W on others), each
  // once: two shortcuts of the same keys in one window are ambiguous, and neither would fire.
  QList<QKeySequence> keys{QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)};
  for (const QKeySequence& platform : QKeySequence::keyBindings(QKeySequence::Close)) {
    if (!keys.contains(platform)) keys << platform;
  }
  for (const QKeySequence& sequence : keys) {
    auto* shortcut = new QShortcut(sequence, window);
    QObject::connect(shortcut, &QShortcut::activated, window, &QWidget::close);
  }
}

}  // namespace slotsmith
