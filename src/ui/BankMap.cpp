#include "ui/BankMap.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace slotsmith {

namespace {

constexpr int kLargestCell = 7;
constexpr int kSmallestCell = 4;

}  // namespace

BankMap::BankMap(QWidget* parent) : QWidget(parent) {
  shown_.fill(true);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
  setMouseTracking(false);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BankMap::setCells(const std::array<Cell, kSlotCount>& cells) {
  if (cells == cells_) return;
  cells_ = cells;
  update();
}

void BankMap::setSelected(const std::array<bool, kSlotCount>& selected) {
  if (selected == selected_) return;
  selected_ = selected;
  update();
}

void BankMap::setShown(const std::array<bool, kSlotCount>& shown) {
  if (shown == shown_) return;
  shown_ = shown;
  update();
}

void BankMap::setPreview(const std::vector<bool>& moving, const std::vector<bool>& leaving) {
  std::array<Mark, kSlotCount> preview{};
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (slot < static_cast<int>(leaving.size()) && leaving[slot]) {
      preview[slot] = Mark::Leaving;
    } else if (slot < static_cast<int>(moving.size()) && moving[slot]) {
      preview[slot] = Mark::Moving;
    }
  }
  if (preview == preview_) return;
  preview_ = preview;
  update();
}

int BankMap::cellSize() const {
  // Cells grow with the list's height, up to a size where the map stays a side note.
  return std::clamp(height() / kRows, kSmallestCell, kLargestCell);
}

QSize BankMap::sizeHint() const {
  return {kColumns * kLargestCell + 1, kRows * kLargestCell + 1};
}

QSize BankMap::minimumSizeHint() const {
  return {kColumns * kSmallestCell + 1, kRows * kSmallestCell + 1};
}

QRect BankMap::cellRect(int slot) const {
  const int size = cellSize();
  return {(slot % kColumns) * size, (slot / kColumns) * size, size, size};
}

int BankMap::slotAt(const QPoint& pos) const {
  const int size = cellSize();
  if (pos.x() < 0 || pos.y() < 0) return -1;
  const int column = pos.x() / size;
  const int row = pos.y() / size;
  if (column >= kColumns || row >= kRows) return -1;
  return row * kColumns + column;
}

QColor BankMap::colourOf(Cell cell) const {
  // Colours that read the same on light and dark palettes: only empty cells take the palette's.
  switch (cell) {
    case Cell::Empty:
      return palette().color(QPalette::Base);
    case Cell::Occupied:
      return {70, 130, 200};
    case Cell::InUse:
      return {60, 160, 80};
    case Cell::InUseDisabled:
      return {220, 160, 40};
    case Cell::Unused:
      return {200, 70, 60};
  }
  return {};
}

void BankMap::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  const int size = cellSize();
  const QColor grid = palette().color(QPalette::Mid);
  painter.fillRect(0, 0, kColumns * size + 1, kRows * size + 1, grid);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    QColor colour = colourOf(cells_[slot]);
    if (!shown_[slot]) colour.setAlpha(50);  // hidden by the list's filter
    const QRect cell = cellRect(slot).adjusted(1, 1, 0, 0);
    painter.fillRect(cell, palette().color(QPalette::Base));
    painter.fillRect(cell, colour);
  }
  // A drag's preview: a dot in each cell that would move, red where the slot would leave the
  // bank, so that the whole bank shows what the list shows only in part.
  const QColor moving = palette().color(QPalette::Text);
  const QColor leaving(220, 50, 40);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (preview_[slot] == Mark::None) continue;
    const QRect cell = cellRect(slot);
    const int inset = std::max(2, size / 3);
    painter.fillRect(cell.adjusted(inset, inset, -inset + 1, -inset + 1),
                     preview_[slot] == Mark::Leaving ? leaving : moving);
  }
  // The selection is framed on top, so it shows on every colour.
  const QColor frame = palette().color(QPalette::Highlight);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (!selected_[slot]) continue;
    const QRect cell = cellRect(slot);
    painter.fillRect(cell.adjusted(0, 0, 1, 1), frame);
    painter.fillRect(cell.adjusted(2, 2, -1, -1), colourOf(cells_[slot]));
  }
}

void BankMap::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  pressedSlot_ = slotAt(event->position().toPoint());
  lastDraggedSlot_ = pressedSlot_;
  if (pressedSlot_ >= 0) Q_EMIT slotClicked(pressedSlot_, event->modifiers());
}

void BankMap::mouseMoveEvent(QMouseEvent* event) {
  if (pressedSlot_ < 0 || !(event->buttons() & Qt::LeftButton)) return;
  const QPoint pos = event->position().toPoint();
  const int size = cellSize();
  // Past the edge the drag keeps to the nearest cell, so a range can end on the first or last.
  const int column = std::clamp(pos.x() / size, 0, kColumns - 1);
  const int row = std::clamp(pos.y() < 0 ? 0 : pos.y() / size, 0, kRows - 1);
  const int slot = row * kColumns + column;
  if (slot == lastDraggedSlot_) return;
  lastDraggedSlot_ = slot;
  Q_EMIT rangeDragged(std::min(pressedSlot_, slot), std::max(pressedSlot_, slot));
}

void BankMap::mouseReleaseEvent(QMouseEvent* event) {
  pressedSlot_ = -1;
  lastDraggedSlot_ = -1;
  QWidget::mouseReleaseEvent(event);
}

bool BankMap::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const int slot = slotAt(help->pos());
    if (slot >= 0 && toolTipText_) {
      QToolTip::showText(help->globalPos(), toolTipText_(slot), this, cellRect(slot));
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
  return QWidget::event(event);
}

}  // namespace slotsmith
