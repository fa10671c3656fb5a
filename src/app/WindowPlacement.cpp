#include "app/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QWidget>
#include <algorithm>

namespace slotsmith {

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
  // The frame adds the title bar and borders to the client size; before the window is shown the
  // window manager has not told it yet, so a usual frame is allowed for.
  const QSize knownExtra = window->frameGeometry().size() - window->geometry().size();
  const QSize frameExtra = window->isVisible() ? knownExtra : knownExtra.expandedTo({16, 48});
  const QSize maximum = available.size() - frameExtra;
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

void placeBeside(QWidget* window, const QWidget* anchor) {
  const QScreen* screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect available = screen->availableGeometry();
  const QRect beside = anchor->frameGeometry();
  const int roomRight = available.right() - beside.right();
  const int roomLeft = beside.left() - available.left();
  const int frameExtra = window->frameGeometry().width() - window->width();
  int width = window->frameGeometry().width();
  // Where neither side has room for the window as it is, it is narrowed to the wider side rather
  // than laid over the window it belongs to (a pack's window over the list it drops into).
  if (width > roomRight && width > roomLeft) {
    const int room = std::max(roomRight, roomLeft);
    const int narrowest = window->minimumSizeHint().width() + frameExtra;
    width = std::max(room, narrowest);
    window->resize(width - frameExtra, window->height());
  }
  int left = available.left();
  if (width <= roomRight) {
    left = beside.right() + 1;
  } else if (width <= roomLeft) {
    left = beside.left() - width;
  } else if (roomRight >= roomLeft) {
    left = available.right() - width + 1;
  }
  window->move(left, beside.top());
  keepWindowOnScreen(window);
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
