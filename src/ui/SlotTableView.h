// A slot list: 1000 rows that can be dragged and dropped between two rows of the same list. A
// drop is offered to the model as a drop *between* rows (parent invalid, row = the gap, 0..1000,
// 1000 meaning below the last row); drops onto a row and drags from anywhere else are refused
// here, before the model is asked. Holding the platform's copy modifier narrows the drag to a
// copy; every other drag is a move.
#pragma once

#include <QTableView>

namespace slotsmith {

class SlotTableView : public QTableView {
  Q_OBJECT

 public:
  explicit SlotTableView(QWidget* parent = nullptr);

  // The gap a drop at pos (viewport coordinates) lands in: row r's upper quarter is gap r, its
  // lower quarter gap r + 1, anything below the last row gap rowCount; -1 for the middle of a row.
  int dropGapAt(const QPoint& pos) const;
  // The gap the drag hovers over, -1 when none.
  int dropIndicatorGap() const { return indicatorGap_; }

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  // The drag shows a small badge ("3 rows") below and right of the pointer instead of a picture
  // of the rows, which would cover the line that shows where the block will land.
  void startDrag(Qt::DropActions supportedActions) override;
  void keyPressEvent(QKeyEvent* event) override;

 public:
  // Besides its own rows, the view takes drops dragged from this view (another database's list).
  void acceptDropsFrom(const QWidget* source) { dropSources_.append(source); }

 private:
  bool isDropSource(const QObject* source) const {
    return source == this || dropSources_.contains(source);
  }
  QList<const QObject*> dropSources_;
  void paintEvent(QPaintEvent* event) override;

 private:
  // The gap of an acceptable drop at the event's position, or -1 when it must be refused.
  int acceptableGap(const QDropEvent* event) const;
  void setIndicatorGap(int gap);

  int indicatorGap_ = -1;
};

}  // namespace slotsmith
