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
  const int width = window->frameGeometry().width();
  int left = beside.right() + 1;
  if (left + width - 1 > available.right()) {
    left = beside.left() - width >= available.left() ? beside.left() - width
                                                     : available.right() - width + 1;
  }
  window->move(left, beside.top());
  keepWindowOnScreen(window);
}

void closeWithKeys(QWidget* window) {
  // Ctrl+W besides the platform's Close keys, which are Ctrl+F4 on some desktops.
  for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close),
                                   QKeySequence(Qt::CTRL | Qt::Key_W)}) {
    if (keys == QKeySequence(QKeySequence::Close) && keys == QKeySequence(Qt::CTRL | Qt::Key_W))
      continue;
    auto* shortcut = new QShortcut(keys, window);
    QObject::connect(shortcut, &QShortcut::activated, window, &QWidget::close);
  }
}

}  // namespace slotsmith
