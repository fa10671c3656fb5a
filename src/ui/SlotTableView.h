// A slot list: 1000 rows that can be dragged and dropped between two rows of the same list. A
// drop is offered to the model as a drop *between* rows (parent invalid, row = the gap, 0..1000,
// 1000 meaning below the last row); drops onto a row and drags from anywhere else are refused
// here, before the model is asked. Holding the platform's copy modifier narrows the drag to a
// copy; every other drag is a move.
//
// A list can be filtered: rows that do not match are hidden, never removed, so that a row is
// always its slot. A selection then holds only shown rows, and a drop into the list is refused,
// because the gap between two shown rows may hide any number of slots.
//
// Files dragged in from another program (a file manager) are offered to the model too, which takes
// the ones it knows; such a drop is always a copy, so that the program they come from never
// deletes them.
//
// While a drag hovers over a gap the view announces it, so that the rows the drop would move can
// be tinted (setPreviewRows) and what it would do told, before the mouse is released.
#pragma once

#include <QMimeData>
#include <QPointer>
#include <QTableView>
#include <vector>

class QPainter;

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

  // Hides every row for which shown is false (all rows are shown for an empty vector), and takes
  // the hidden rows out of the selection.
  void showOnlyRows(const std::vector<bool>& shown);
  bool isFiltered() const { return filtered_; }

  // Rows tinted while a drag hovers: those the drop moves, and those it pushes out of the bank
  // (in a warning colour). Empty vectors clear the tint.
  void setPreviewRows(std::vector<bool> moving, std::vector<bool> leaving);

  void setSelectionModel(QItemSelectionModel* selectionModel) override;

  // Every column but column (the name) and yieldingFirst (a sound's model references) is as wide
  // as its widest cell, so that a number or a status is never cut. Those share the room that is
  // left: where it holds them all whole, the name takes what is over; with less, the yielding
  // columns are shortened first, down to a few characters, and the name last, down to nine of
  // the widest letters; each elides its texts. Call once the model is set.
  void setElidingColumn(int column, QList<int> yieldingFirst = {});
  // The width the list needs with the name and the yielding columns at their shortest.
  int neededWidth() const;
  // The width that shows every column whole.
  int wholeWidth() const;
  // Opens the editor of the current row's name cell, as F2 does; false when there is none.
  bool editCurrentName();

 Q_SIGNALS:
  // The gap a drag hovers over changed: -1 when it left the list, ended, or has no gap to land in.
  // data and action are the drag's (null with gap -1), valid only during the call.
  void dropTargetChanged(int gap, const QMimeData* data, Qt::DropAction action);
  // A drag came into the list while it is filtered: its drop is refused.
  void dropRefusedWhileFiltered();
  // neededWidth() or wholeWidth() changed: a model filled the list, its widest cells changed, the
  // font or the style did.
  void neededWidthChanged();

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  // The drag shows a small badge ("3 rows") below and right of the pointer instead of a picture
  // of the rows, which would cover the line that shows where the block will land.
  void startDrag(Qt::DropActions supportedActions) override;
  void keyPressEvent(QKeyEvent* event) override;
  // A rename runs its edit while the editor commits, and the lists redraw from the edit's rescan,
  // which takes the editor (and with it the keyboard focus and the current row) away. Both come
  // back to the renamed row, committed or cancelled, so that the arrows and Ctrl+Z go on working.
  void commitData(QWidget* editor) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
  // The view lays out its header and scroll bars here whenever its columns change, the first
  // time when it is shown: the moment to tell the window what the list needs.
  void updateGeometries() override;
  // What the shared columns need is measured again when their cells, the font or the style change.
  void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                   const QList<int>& roles = QList<int>()) override;
  void reset() override;
  void changeEvent(QEvent* event) override;

 public:
  // Besides its own rows, the view takes drops dragged from this view (another database's list).
  void acceptDropsFrom(const QWidget* source) { dropSources_.append(source); }

 private:
  bool isDropSource(const QObject* source) const {
    return source == this || dropSources_.contains(source);
  }
  // Rows from this view or one it was told about, or files from outside the application.
  bool acceptsDragOf(const QDropEvent* event) const;
  // Accepts the event's action; a file from another program only as a copy (or not at all).
  static void acceptAction(QDropEvent* event);
  QList<const QObject*> dropSources_;
  void paintEvent(QPaintEvent* event) override;
  void paintPreview(QPainter& painter) const;

 private:
  // The gap of an acceptable drop at the event's position, or -1 when it must be refused.
  int acceptableGap(const QDropEvent* event) const;
  void setIndicatorGap(int gap, const QMimeData* data = nullptr,
                       Qt::DropAction action = Qt::IgnoreAction);
  void dropHiddenRowsFromSelection();
  void keepKeysOn(int row, int column);

  bool sharesRoom(int column) const {
    return column == elidingColumn_ || yieldingColumns_.contains(column);
  }
  // The widths of the columns that do not share the room, summed.
  int unsharedWidth() const;
  // The list's width with the shared columns at these widths.
  int widthWith(int name, const QList<int>& yielding) const;
  void measureSharedColumns();
  // Gives the shared columns their widths in the room the others leave.
  void shareRoom();

  int elidingColumn_ = -1;
  QList<int> yieldingColumns_;
  bool measured_ = false;
  int nameWhole_ = 0;
  int nameShortest_ = 0;
  QList<int> yieldingWhole_;
  QList<int> yieldingShortest_;
  int neededWidth_ = -1;
  int wholeWidth_ = -1;
  int indicatorGap_ = -1;
  Qt::DropAction indicatorAction_ = Qt::IgnoreAction;
  // The drag hovering over the list: where the pointer is and what it carries, so that the gap
  // follows the rows when they scroll under a still pointer.
  QPoint hoverPos_;
  QPointer<const QMimeData> hoverData_;
  bool filtered_ = false;
  std::vector<bool> previewMoving_;
  std::vector<bool> previewLeaving_;
};

}  // namespace slotsmith
