#include "app/CompareWindow.h"

#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <string>

#include "app/DatabaseSession.h"
#include "app/DesktopEdits.h"
#include "app/SlotListModel.h"
#include "core/SoundDiff.h"
#include "core/SoundScriptFile.h"

namespace slotsmith {

namespace {

// A tint of the highlight colour over the base: it stands out on a light and on a dark theme
// alike, and the theme's text colour stays readable on it because it stays close to the base.
QColor differenceTint(const QPalette& palette) {
  const QColor base = palette.color(QPalette::Base);
  const QColor highlight = palette.color(QPalette::Highlight);
  constexpr float kShare = 0.3f;
  return QColor::fromRgbF(base.redF() + (highlight.redF() - base.redF()) * kShare,
                          base.greenF() + (highlight.greenF() - base.greenF()) * kShare,
                          base.blueF() + (highlight.blueF() - base.blueF()) * kShare);
}

}  // namespace

CompareWindow::CompareWindow(DatabaseSession& session, DesktopEdits& edits, QWidget* parent)
    : QWidget(parent, Qt::Window),
      session_(session),
      summary_(new QLabel),
      table_(new QTableWidget(0, 3)) {
  setObjectName(QStringLiteral("compareWindow"));
  summary_->setWordWrap(true);
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setWordWrap(false);
  table_->verticalHeader()->hide();
  // Each column as wide as its widest cell and its header ("Sound 5 (Deep Lead)"): the keys and
  // values are short, and a cut one would hide the difference the window is for.
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setStretchLastSection(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(table_, 1);
  resize(640, 560);

  // A failure to read shows in the summary line; the user asked for nothing just now, so no
  // alert interrupts them.
  const auto compareAgain = [this] {
    if (isVisible() && first_ >= 0) static_cast<void>(compare(first_, second_));
  };
  connect(&edits, &DesktopEdits::finished, this, compareAgain);
  connect(&session_, &DatabaseSession::diskChanged, this, compareAgain);
  // Slot numbers of the previous database mean nothing in the new one.
  connect(&session_, &DatabaseSession::opened, this, &QWidget::hide);
}

Status CompareWindow::compare(int first, int second) {
  first_ = first;
  second_ = second;
  setWindowTitle(tr("Compare Sounds %1 and %2").arg(first).arg(second));
  table_->setRowCount(0);
  table_->setHorizontalHeaderLabels({tr("Parameter"), soundTitle(first), soundTitle(second)});
  const DatabaseRoot& root = session_.root();
  if (!root) {
    summary_->setText(tr("No database is open."));
    return Status::refused(tr("No database is open.").toStdString());
  }
  std::string scripts[2];
  const int slots[2] = {first, second};
  for (int side = 0; side < 2; ++side) {
    const Status read =
        readSoundScriptFile(session_.database().fileSystem(), *root, slots[side], scripts[side]);
    if (read.isOk()) continue;
    summary_->setText(read.isNotFound()
                          ? tr("Sound %1 is empty: %2 does not exist")
                                .arg(slots[side])
                                .arg(QFile::decodeName(QByteArray::fromStdString(read.path())))
                          : tr("Sound %1 cannot be read: %2")
                                .arg(slots[side])
                                .arg(QString::fromStdString(read.message())));
    return read;
  }
  const SoundComparison comparison = compareSoundScripts(scripts[0], scripts[1]);
  fillTable(comparison);
  const auto differing = static_cast<int>(comparison.differing);
  const auto total = static_cast<int>(comparison.parameters.size());
  if (comparison.identical()) {
    summary_->setText(tr("The two sounds are identical"));
  } else {
    summary_->setText(
        (differing == 1 ? tr("%1 of %2 parameters differs") : tr("%1 of %2 parameters differ"))
            .arg(differing)
            .arg(total));
  }
  return Status::ok();
}

void CompareWindow::fillTable(const SoundComparison& comparison) {
  const QColor tint = differenceTint(palette());
  const QColor absentText = palette().color(QPalette::PlaceholderText);
  QFont bold = table_->font();
  bold.setBold(true);
  table_->setRowCount(static_cast<int>(comparison.parameters.size()));
  const auto valueItem = [&](const std::optional<std::string>& value) {
    auto* item = new QTableWidgetItem;
    if (value) {
      item->setText(nameText(*value));
    } else {
      item->setText(QStringLiteral("—"));
      item->setToolTip(tr("Absent: this sound's script has no such line"));
      item->setForeground(absentText);
    }
    return item;
  };
  int row = 0;
  for (const ParameterPair& pair : comparison.parameters) {
    QString key = nameText(pair.key);
    if (pair.occurrence > 1) key += QStringLiteral("#%1").arg(pair.occurrence);
    QTableWidgetItem* items[] = {new QTableWidgetItem(key), valueItem(pair.first),
                                 valueItem(pair.second)};
    for (int column = 0; column < 3; ++column) {
      if (pair.differs()) {
        items[column]->setBackground(tint);
        items[column]->setFont(bold);
      }
      table_->setItem(row, column, items[column]);
    }
    ++row;
  }
  table_->resizeColumnToContents(0);
  // The window is never narrower than the table's columns with their headers whole: a value cut,
  // or the second sound's column out of sight, would hide the difference the window is for.
  int columns = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width();
  const QAbstractItemView* view = table_;  // where the measure of a column's cells is public
  for (int column = 0; column < table_->columnCount(); ++column) {
    columns += std::max(view->sizeHintForColumn(column),
                        table_->horizontalHeader()->sectionSizeHint(column));
  }
  table_->setMinimumWidth(columns);
}

QString CompareWindow::soundTitle(int slot) const {
  if (slot < 0 || slot >= kSlotCount) return tr("Sound %1").arg(slot);
  return tr("Sound %1 (%2)")
      .arg(slot)
      .arg(nameText(session_.database().tables().soundSlots[static_cast<size_t>(slot)].sSoundName));
}

}  // namespace slotsmith
