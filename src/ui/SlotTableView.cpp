#include "ui/SlotTableView.h"

#include "ui/PaletteContrast.h"

#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <algorithm>
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
  // A drag near the top or bottom edge scrolls the list under a pointer that does not move; the
  // gap, and the preview of what the drop would do, follow the rows, so that what is shown is
  // where the drop lands.
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
    if (hoverData_.isNull() || indicatorGap_ < 0 || model() == nullptr) return;
    int gap = dropGapAt(hoverPos_);
    if (gap >= 0 &&
        !model()->canDropMimeData(hoverData_, indicatorAction_, gap, 0, QModelIndex())) {
      gap = -1;
    }
    setIndicatorGap(gap, hoverData_, indicatorAction_);
  });
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

bool SlotTableView::acceptsDragOf(const QDropEvent* event) const {
  return isDropSource(event->source()) ||
         (event->source() == nullptr && event->mimeData()->hasUrls());
}

void SlotTableView::acceptAction(QDropEvent* event) {
  if (event->source() != nullptr) {
    event->acceptProposedAction();
    return;
  }
  // Accepting a move would have the file manager delete the file once it is read.
  if (!(event->possibleActions() & Qt::CopyAction)) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
}

int SlotTableView::acceptableGap(const QDropEvent* event) const {
  if (filtered_ || !acceptsDragOf(event) || model() == nullptr) return -1;
  const int gap = dropGapAt(event->position().toPoint());
  if (gap < 0) return -1;
  if (!model()->canDropMimeData(event->mimeData(), event->dropAction(), gap, 0, QModelIndex())) {
    return -1;
  }
  return gap;
}

void SlotTableView::dragEnterEvent(QDragEnterEvent* event) {
  if (filtered_) {
    // Rows this list would take, but not while it hides some: say why, once per drag.
    if (model() != nullptr &&
        model()->canDropMimeData(event->mimeData(), event->dropAction(), 0, 0, QModelIndex())) {
      Q_EMIT dropRefusedWhileFiltered();
    }
    event->ignore();
    return;
  }
  if (!acceptsDragOf(event)) {
    event->ignore();
    return;
  }
  setState(DraggingState);
  acceptAction(event);
}

void SlotTableView::dragMoveEvent(QDragMoveEvent* event) {
  const int gap = acceptableGap(event);
  hoverPos_ = event->position().toPoint();
  hoverData_ = event->mimeData();
  setIndicatorGap(gap, event->mimeData(), event->dropAction());
  if (gap < 0) {
    event->ignore();
    return;
  }
  acceptAction(event);
  QTableView::dragMoveEvent(event);  // auto-scrolls near the edges
  acceptAction(event);
}

void SlotTableView::dragLeaveEvent(QDragLeaveEvent* event) {
  hoverData_ = nullptr;
  setIndicatorGap(-1);
  QTableView::dragLeaveEvent(event);
}

void SlotTableView::dropEvent(QDropEvent* event) {
  const int gap = acceptableGap(event);
  hoverData_ = nullptr;
  setIndicatorGap(-1);
  setState(NoState);
  if (gap < 0) {
    event->ignore();
    return;
  }
  acceptAction(event);
  if (!event->isAccepted()) return;
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

bool SlotTableView::editCurrentName() {
  const QModelIndex current = currentIndex();
  if (!current.isValid()) return false;
  for (int column = 0; column < model()->columnCount(); ++column) {
    const QModelIndex cell = model()->index(current.row(), column);
    if (model()->flags(cell) & Qt::ItemIsEditable) {
      setCurrentIndex(cell);
      setFocus(Qt::OtherFocusReason);
      return edit(cell, AllEditTriggers, nullptr);
    }
  }
  return false;
}

void SlotTableView::keyPressEvent(QKeyEvent* event) {
  // F2 renames the current row whatever column the cursor is in: it edits the row's name cell.
  if (event->key() == Qt::Key_F2 && editCurrentName()) return;
  QTableView::keyPressEvent(event);
}

void SlotTableView::commitData(QWidget* editor) {
  const QModelIndex edited = currentIndex();
  QTableView::commitData(editor);
  // Still editing: the view closes the editor next, and closeEditor brings the keys back.
  if (state() != EditingState) keepKeysOn(edited.row(), edited.column());
}

void SlotTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  const QModelIndex edited = currentIndex();
  QTableView::closeEditor(editor, hint);
  // Without a hint the editor lost the focus to a click elsewhere, which keeps it.
  if (hint != QAbstractItemDelegate::NoHint) keepKeysOn(edited.row(), edited.column());
}

void SlotTableView::keepKeysOn(int row, int column) {
  if (model() == nullptr || row < 0 || row >= model()->rowCount()) return;
  const QModelIndex cell = model()->index(row, column);
  if (currentIndex() != cell) setCurrentIndex(cell);
  setFocus(Qt::OtherFocusReason);
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

void SlotTableView::setIndicatorGap(int gap, const QMimeData* data, Qt::DropAction action) {
  if (gap < 0) action = Qt::IgnoreAction;
  if (gap == indicatorGap_ && action == indicatorAction_) return;
  indicatorGap_ = gap;
  indicatorAction_ = action;
  Q_EMIT dropTargetChanged(gap, gap < 0 ? nullptr : data, action);
  viewport()->update();
}

void SlotTableView::showOnlyRows(const std::vector<bool>& shown) {
  if (model() == nullptr) return;
  const int rows = model()->rowCount();
  bool filtered = false;
  setUpdatesEnabled(false);
  for (int row = 0; row < rows; ++row) {
    const bool hide = !shown.empty() && (row >= static_cast<int>(shown.size()) || !shown[row]);
    filtered = filtered || hide;
    if (isRowHidden(row) != hide) setRowHidden(row, hide);
  }
  setUpdatesEnabled(true);
  filtered_ = filtered;
  dropHiddenRowsFromSelection();
}

void SlotTableView::setSelectionModel(QItemSelectionModel* selectionModel) {
  QTableView::setSelectionModel(selectionModel);
  // Whatever selects (a click, Shift+arrows, Select All, a program), hidden rows drop out again.
  connect(selectionModel, &QItemSelectionModel::selectionChanged, this,
          [this](const QItemSelection& selected) {
            if (filtered_ && !selected.isEmpty()) dropHiddenRowsFromSelection();
          });
}

void SlotTableView::setElidingColumn(int column, QList<int> yieldingFirst) {
  elidingColumn_ = column;
  yieldingColumns_ = std::move(yieldingFirst);
  measured_ = false;
  QHeaderView* header = horizontalHeader();
  header->setStretchLastSection(false);
  setTextElideMode(Qt::ElideRight);
  for (int section = 0; section < header->count(); ++section) {
    header->setSectionResizeMode(
        section, sharesRoom(section) ? QHeaderView::Fixed : QHeaderView::ResizeToContents);
  }
}

int SlotTableView::unsharedWidth() const {
  const QHeaderView* header = horizontalHeader();
  int width = 0;
  for (int section = 0; section < header->count(); ++section) {
    if (!sharesRoom(section) && !header->isSectionHidden(section)) {
      width += header->sectionSize(section);
    }
  }
  return width;
}

int SlotTableView::widthWith(int name, const QList<int>& yielding) const {
  int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width() + unsharedWidth() + name;
  for (int column : yielding)
    width += column;
  return width;
}

int SlotTableView::neededWidth() const {
  return widthWith(nameShortest_, yieldingShortest_);
}

int SlotTableView::wholeWidth() const {
  return widthWith(nameWhole_, yieldingWhole_);
}

void SlotTableView::measureSharedColumns() {
  measured_ = true;
  const QHeaderView* header = horizontalHeader();
  const auto whole = [&](int column) {
    return std::max(sizeHintForColumn(column), header->sectionSizeHint(column));
  };
  // The margins the delegate keeps around a text.
  const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
  nameWhole_ = elidingColumn_ >= 0 ? whole(elidingColumn_) : 0;
  // Enough of a name to tell it, even one of wide capitals.
  nameShortest_ =
      std::min(nameWhole_, fontMetrics().horizontalAdvance(QString(9, QChar('W'))) + margins);
  yieldingWhole_.clear();
  yieldingShortest_.clear();
  for (int column : yieldingColumns_) {
    const int full = whole(column);
    // A model reference keeps its number and the start of the model's name: "12 (Ba…".
    const int few =
        std::max(header->sectionSizeHint(column), fontMetrics().averageCharWidth() * 8 + margins);
    yieldingWhole_ << full;
    yieldingShortest_ << std::min(full, few);
  }
}

void SlotTableView::shareRoom() {
  if (elidingColumn_ < 0) return;
  QHeaderView* header = horizontalHeader();
  const int room = viewport()->width() - unsharedWidth();
  int yieldingWhole = 0;
  int yieldingShortest = 0;
  for (int i = 0; i < yieldingColumns_.size(); ++i) {
    yieldingWhole += yieldingWhole_[i];
    yieldingShortest += yieldingShortest_[i];
  }
  // The names whole first; the yielding columns have what is over, between their shortest and
  // their whole widths, each shortened in proportion to what it can give.
  const int yieldingRoom = std::clamp(room - nameWhole_, yieldingShortest, yieldingWhole);
  const int giving = yieldingWhole - yieldingShortest;
  int given = 0;
  for (int i = 0; i < yieldingColumns_.size(); ++i) {
    const int canGive = yieldingWhole_[i] - yieldingShortest_[i];
    const int width = yieldingShortest_[i] +
                      (giving > 0 ? canGive * (yieldingRoom - yieldingShortest) / giving : 0);
    given += width;
    if (header->sectionSize(yieldingColumns_[i]) != width) {
      header->resizeSection(yieldingColumns_[i], width);
    }
  }
  const int name = std::max(nameShortest_, room - given);
  if (header->sectionSize(elidingColumn_) != name) header->resizeSection(elidingColumn_, name);
}

void SlotTableView::updateGeometries() {
  if (!measured_ && model() != nullptr && elidingColumn_ >= 0) measureSharedColumns();
  shareRoom();
  QTableView::updateGeometries();
  const int needed = neededWidth();
  const int whole = wholeWidth();
  if (needed == neededWidth_ && whole == wholeWidth_) return;
  neededWidth_ = needed;
  wholeWidth_ = whole;
  Q_EMIT neededWidthChanged();
}

void SlotTableView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                const QList<int>& roles) {
  QTableView::dataChanged(topLeft, bottomRight, roles);
  measured_ = false;
  updateGeometries();
}

void SlotTableView::reset() {
  QTableView::reset();
  measured_ = false;
}

void SlotTableView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
    measured_ = false;
  }
  QTableView::changeEvent(event);
}

void SlotTableView::dropHiddenRowsFromSelection() {
  if (!filtered_ || selectionModel() == nullptr) return;
  QItemSelection hidden;
  for (const QItemSelectionRange& range : selectionModel()->selection()) {
    for (int row = range.top(); row <= range.bottom(); ++row) {
      if (isRowHidden(row)) hidden.select(model()->index(row, 0), model()->index(row, 0));
    }
  }
  if (!hidden.isEmpty()) {
    selectionModel()->select(hidden, QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
  }
}

void SlotTableView::setPreviewRows(std::vector<bool> moving, std::vector<bool> leaving) {
  if (moving == previewMoving_ && leaving == previewLeaving_) return;
  previewMoving_ = std::move(moving);
  previewLeaving_ = std::move(leaving);
  viewport()->update();
}

void SlotTableView::paintEvent(QPaintEvent* event) {
  QTableView::paintEvent(event);
  if (model() == nullptr || model()->rowCount() == 0) return;
  QPainter painter(viewport());
  paintPreview(painter);
  if (indicatorGap_ < 0) return;
  const int rows = model()->rowCount();
  const int y = indicatorGap_ < rows ? rowViewportPosition(indicatorGap_)
                                     : rowViewportPosition(rows - 1) + rowHeight(rows - 1);
  painter.setPen(QPen(colourStandingOut(palette().color(QPalette::Base),
                                        palette().color(QPalette::Highlight), kMarkContrast),
                      2));
  painter.drawLine(0, y, viewport()->width(), y);
}

void SlotTableView::paintPreview(QPainter& painter) const {
  if (previewMoving_.empty() && previewLeaving_.empty()) return;
  // Only the rows in sight are looked at, so the tint costs the same on a full bank.
  const int first = std::max(0, rowAt(0));
  int last = rowAt(viewport()->height() - 1);
  if (last < 0) last = model()->rowCount() - 1;
  // Opaque tints that stand out from the base on a light and on a dark palette alike.
  const QColor base = palette().color(QPalette::Base);
  const QColor moving =
      colourStandingOut(base, palette().color(QPalette::Highlight), kMarkContrast);
  const QColor leaving = colourStandingOut(base, QColor(220, 50, 40), kMarkContrast);
  for (int row = first; row <= last; ++row) {
    const bool leaves = row < static_cast<int>(previewLeaving_.size()) && previewLeaving_[row];
    const bool moves = row < static_cast<int>(previewMoving_.size()) && previewMoving_[row];
    if (isRowHidden(row) || !(leaves || moves)) continue;
    const QRect rect(0, rowViewportPosition(row), viewport()->width(), rowHeight(row));
    if (selectionModel() == nullptr || !selectionModel()->isRowSelected(row)) {
      tintOverBase(painter, rect, base, leaves ? leaving : moving);
      continue;
    }
    // A selected row keeps the palette's selection colours, whose contrast the theme chose (a
    // tint over them made mid-blue text on navy); a frame in the tint, standing out from the
    // selection, marks it instead.
    const QColor selection = palette().color(
        isActiveWindow() ? QPalette::Active : QPalette::Inactive, QPalette::Highlight);
    painter.save();
    painter.setPen(QPen(colourStandingOut(selection, leaves ? leaving : moving, kMarkContrast), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter.restore();
  }
}

}  // namespace slotsmith
