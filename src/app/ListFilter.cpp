#include "app/ListFilter.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "ui/SlotTableView.h"

namespace slotsmith {

namespace {

// The widest a reason for a filter not understood may be beside the field, in pixels.
constexpr int kReasonWidth = 260;

}  // namespace

ListFilter::ListFilter(const SlotTables& tables, Bank bank, QLineEdit* field, QLabel* count,
                       SlotTableView* view, QObject* parent)
    : QObject(parent), tables_(tables), bank_(bank), field_(field), count_(count), view_(view) {
  connect(field_, &QLineEdit::textChanged, this, &ListFilter::textChanged);
  // A scan changes what matches: the list is filtered again whenever its cells change.
  connect(view_->model(), &QAbstractItemModel::dataChanged, this, &ListFilter::apply);
  field_->installEventFilter(this);
}

void ListFilter::textChanged(const QString& text) {
  SlotFilter parsed;
  // Names are bytes, shown one byte per character; the filter reads the text the same way.
  const Status status = SlotFilter::parse(text.toLatin1().toStdString(), parsed);
  if (!status.isOk()) {
    // Half-typed words ("model:") are normal while typing: the rows stay as they were and the
    // reason shows where the count was.
    // The reason can be long; the field keeps its room, and the whole reason is the tool tip.
    const QString reason = QString::fromStdString(status.message());
    count_->setText(count_->fontMetrics().elidedText(reason, Qt::ElideRight, kReasonWidth));
    count_->setToolTip(reason);
    return;
  }
  count_->setToolTip(QString());
  filter_ = std::move(parsed);
  hasFilter_ = !text.trimmed().isEmpty();
  apply();
}

void ListFilter::apply() {
  int shownCount = kSlotCount;
  if (!hasFilter_) {
    view_->showOnlyRows({});
    count_->clear();
  } else {
    std::vector<bool> shown(kSlotCount, false);
    shownCount = 0;
    for (int slot : filter_.matchingSlots(tables_, bank_)) {
      shown[slot] = true;
      ++shownCount;
    }
    view_->showOnlyRows(shown);
    count_->setText(tr("%1 of %2 rows").arg(shownCount).arg(kSlotCount));
  }
  active_ = shownCount < kSlotCount;
  Q_EMIT applied();
}

bool ListFilter::eventFilter(QObject* watched, QEvent* event) {
  // Esc also closes a side window; while the field holds a filter, clearing it comes first.
  if (watched == field_ && event->type() == QEvent::ShortcutOverride &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !field_->text().isEmpty()) {
    event->accept();
    return true;
  }
  if (watched == field_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape && !field_->text().isEmpty()) {
      field_->clear();
      return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down) {
      view_->setFocus(Qt::ShortcutFocusReason);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace slotsmith
