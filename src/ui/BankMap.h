// A compact picture of a bank's 1000 slots beside its list: 20 cells a row, 50 rows, slot 0 at
// the top left, each cell coloured by what its slot holds and framed when it is selected. A click
// on a cell picks that slot, a drag across cells picks the range from the first cell to the one
// under the pointer; what picking means (selecting rows, scrolling) is up to whoever listens.
//
// The map keeps only one byte per slot and paints from it, so that a redraw after a scan is 1000
// rectangle fills.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <vector>

namespace slotsmith {

class BankMap : public QWidget {
  Q_OBJECT

 public:
  // What a slot holds, as the map colours it.
  enum class Cell : unsigned char {
    Empty,
    Occupied,       // a sound
    InUse,          // a model some switched-on reference plays
    InUseDisabled,  // a model only switched-off references name
    Unused,         // a model no sound refers to
  };
  static constexpr int kSlotCount = 1000;  // a bank's slots
  static constexpr int kColumns = 20;
  static constexpr int kRows = kSlotCount / kColumns;

  explicit BankMap(QWidget* parent = nullptr);

  // What every slot holds, which are selected, which the list hides (drawn faint).
  void setCells(const std::array<Cell, kSlotCount>& cells);
  void setSelected(const std::array<bool, kSlotCount>& selected);
  void setShown(const std::array<bool, kSlotCount>& shown);
  // While rows are dragged: the slots the drop would move, and those it would push out of the
  // bank, marked over their colour (empty vectors clear the marks).
  void setPreview(const std::vector<bool>& moving, const std::vector<bool>& leaving);
  // Whether the slot's cell carries a mark of the preview.
  bool isPreviewed(int slot) const { return preview_[slot] != Mark::None; }

  // The slot whose cell holds pos (widget coordinates), -1 outside every cell.
  int slotAt(const QPoint& pos) const;
  // The rectangle of a slot's cell, in widget coordinates.
  QRect cellRect(int slot) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 Q_SIGNALS:
  // A click on a slot's cell; extend is true with Shift or Ctrl held.
  void slotClicked(int slot, Qt::KeyboardModifiers modifiers);
  // A drag from the cell of first to the cell of last (in either order), while it goes on.
  void rangeDragged(int first, int last);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;  // tool tips name the slot under the pointer

 public:
  // The tool tip of a slot; set by whoever knows the names.
  void setToolTipText(std::function<QString(int slot)> text) { toolTipText_ = std::move(text); }

 private:
  int cellSize() const;
  QColor colourOf(Cell cell) const;

  std::array<Cell, kSlotCount> cells_{};
  std::array<bool, kSlotCount> selected_{};
  std::array<bool, kSlotCount> shown_{};
  enum class Mark : unsigned char { None, Moving, Leaving };
  std::array<Mark, kSlotCount> preview_{};
  std::function<QString(int)> toolTipText_;
  int pressedSlot_ = -1;
  int lastDraggedSlot_ = -1;
};

}  // namespace slotsmith
