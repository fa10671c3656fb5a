#include "app/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
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
  QRect frame = window->frameGeometry();
  frame.moveLeft(std::clamp(frame.left(), available.left(),
                            std::max(available.left(), available.right() - frame.width() + 1)));
  frame.moveTop(std::clamp(frame.top(), available.top(),
                           std::max(available.top(), available.bottom() - frame.height() + 1)));
  window->move(frame.topLeft());
}

}  // namespace slotsmith
