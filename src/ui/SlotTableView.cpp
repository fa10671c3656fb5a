#include "ui/SlotTableView.h"

#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <memory>

namespace slotsmith {

SlotTableView::SlotTableView(QWidget* parent) : QTableView(parent) {
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  // Only a name cell is editable: F2 or a double click on it renames the slot; a double click on
  // any other cell still reveals the slot's file.
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDragDropMode(QAbstractItemView::DragDrop);
  setDefaultDropAction(Qt::MoveAction);
  setDropIndicatorShown(false);  // painted here, as a line in the gap
  setContextMenuPolicy(Qt::CustomContextMenu);
  setAlternatingRowColors(true);
  setWordWrap(false);
  // Tab moves the focus on to the next control, as everywhere else; within a list the arrows,
  // Home/End and the page keys move, and Shift/Ctrl extend the selection.
  setTabKeyNavigation(false);
  verticalHeader()->setVisible(false);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setStretchLastSection(true);
  horizontalHeader()->setHighlightSections(false);
}

int SlotTableView::dropGapAt(const QPoint& pos) const {
  if (model() == nullptr) return -1;
  const int rows = model()->rowCount();
  const int row = rowAt(pos.y());
  if (row < 0) {
    const bool belowLastRow =
        rows > 0 && pos.y() >= rowViewportPosition(rows - 1) + rowHeight(rows - 1);
    return belowLastRow ? rows : -1;
  }
  const int top = rowViewportPosition(row);
  const int height = rowHeight(row);
  const int margin = qMax(2, height / 4);
  if (pos.y() < top + margin) return row;
  if (pos.y() >= top + height - margin) return row + 1;
  return -1;
}

int SlotTableView::acceptableGap(const QDropEvent* event) const {
  if (!isDropSource(event->source()) || model() == nullptr) return -1;
  const int gap = dropGapAt(event->position().toPoint());
  if (gap < 0) return -1;
  if (!model()->canDropMimeData(event->mimeData(), event->dropAction(), gap, 0, QModelIndex())) {
    return -1;
  }
  return gap;
}

void SlotTableView::dragEnterEvent(QDragEnterEvent* event) {
  if (!isDropSource(event->source())) {
    event->ignore();
    return;
  }
  setState(DraggingState);
  event->acceptProposedAction();
}

void SlotTableView::dragMoveEvent(QDragMoveEvent* event) {
  const int gap = acceptableGap(event);
  setIndicatorGap(gap);
  if (gap < 0) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  QTableView::dragMoveEvent(event);  // auto-scrolls near the edges
  event->acceptProposedAction();
}

void SlotTableView::dragLeaveEvent(QDragLeaveEvent* event) {
  setIndicatorGap(-1);
  QTableView::dragLeaveEvent(event);
}

void SlotTableView::dropEvent(QDropEvent* event) {
  const int gap = acceptableGap(event);
  setIndicatorGap(-1);
  setState(NoState);
  if (gap < 0) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  // The drop starts an edit with a confirmation alert and a progress panel. Running it once the
  // drag has fully ended keeps the drag's pointer grab and cursor out of the alert.
  auto payload = std::make_shared<QMimeData>();
  for (const QString& format : event->mimeData()->formats()) {
    payload->setData(format, event->mimeData()->data(format));
  }
  const Qt::DropAction action = event->dropAction();
  QPointer<QAbstractItemModel> target = model();
  QTimer::singleShot(0, this, [payload, action, gap, target] {
    if (target) target->dropMimeData(payload.get(), action, gap, 0, QModelIndex());
  });
}

void SlotTableView::keyPressEvent(QKeyEvent* event) {
  // F2 renames the current row whatever column the cursor is in: it edits the row's name cell.
  if (event->key() == Qt::Key_F2 && currentIndex().isValid()) {
    const QModelIndex current = currentIndex();
    for (int column = 0; column < model()->columnCount(); ++column) {
      const QModelIndex cell = model()->index(current.row(), column);
      if (model()->flags(cell) & Qt::ItemIsEditable) {
        setCurrentIndex(cell);
        edit(cell);
        return;
      }
    }
  }
  QTableView::keyPressEvent(event);
}

void SlotTableView::startDrag(Qt::DropActions supportedActions) {
  const QModelIndexList rows = selectionModel()->selectedRows();
  if (rows.isEmpty()) return;
  QMimeData* data = model()->mimeData(selectedIndexes());
  if (data == nullptr) return;
  const QString text = rows.size() == 1 ? tr("1 row") : tr("%1 rows").arg(rows.size());
  const QFontMetrics metrics(font());
  QPixmap badge(metrics.horizontalAdvance(text) + 12, metrics.height() + 6);
  badge.fill(palette().color(QPalette::Highlight));
  QPainter painter(&badge);
  painter.setPen(palette().color(QPalette::HighlightedText));
  painter.drawText(badge.rect(), Qt::AlignCenter, text);
  painter.end();
  auto* drag = new QDrag(this);
  drag->setMimeData(data);
  drag->setPixmap(badge);
  drag->setHotSpot(QPoint(-14, -14));
  drag->exec(supportedActions, defaultDropAction());
}

void SlotTableView::setIndicatorGap(int gap) {
  if (gap == indicatorGap_) return;
  indicatorGap_ = gap;
  viewport()->update();
}

void SlotTableView::paintEvent(QPaintEvent* event) {
  QTableView::paintEvent(event);
  if (indicatorGap_ < 0 || model() == nullptr || model()->rowCount() == 0) return;
  const int rows = model()->rowCount();
  const int y = indicatorGap_ < rows ? rowViewportPosition(indicatorGap_)
                                     : rowViewportPosition(rows - 1) + rowHeight(rows - 1);
  QPainter painter(viewport());
  painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
  painter.drawLine(0, y, viewport()->width(), y);
}

}  // namespace slotsmith
