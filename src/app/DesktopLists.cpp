#include "app/DesktopLists.h"

#include <QCheckBox>
#include <QSettings>

#include "app/Alerts.h"
#include "app/DropPreviewer.h"
#include "app/ModelListModel.h"
#include "app/SelectionFollower.h"
#include "app/SoundListModel.h"
#include "app/Summaries.h"
#include "app/WindowPlacement.h"
#include "ui/ListWindow.h"
#include "ui/SlotTableView.h"

namespace slotsmith {

namespace {

const QString kSelectionFollowsKey = QStringLiteral("selectionFollows");

}  // namespace

DesktopLists::DesktopLists(ListWindow& window, const SlotTables& tables, QObject* parent)
    : QObject(parent),
      window_(window),
      tables_(tables),
      soundModel_(new SoundListModel(tables, this)),
      modelModel_(new ModelListModel(tables, this)),
      previewer_(new DropPreviewer(
          tables, window, [this](const QString& text) { showStatus(text); }, this)) {
  window_.soundList()->setModel(soundModel_);
  window_.unusedList()->setModel(modelModel_);
  // The names give way last: after the sound list's model references (columns 2 and 3).
  window_.soundList()->setElidingColumn(1, {2, 3});
  window_.unusedList()->setElidingColumn(1);
}

void DesktopLists::prepareAids() {
  follower_ = new SelectionFollower(tables_, window_.soundList(), window_.unusedList(),
                                    window_.realtimeSearch(), this);
  // The check box is the user's one setting; it keeps its state from one run to the next.
  window_.realtimeSearch()->setChecked(QSettings().value(kSelectionFollowsKey, false).toBool());
  connect(window_.realtimeSearch(), &QCheckBox::toggled, this,
          [](bool checked) { QSettings().setValue(kSelectionFollowsKey, checked); });
  for (SlotList list : {SlotList::Sounds, SlotList::Models}) {
    connect(view(list)->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &DesktopLists::showSelectionCount);
  }
  showSelectionCount();
  aids_ = attachListAids(tables_, window_, this);
}

void DesktopLists::markAtRisk(std::vector<bool> slots) {
  soundModel_->setAtRiskSlots(std::move(slots));
}

void DesktopLists::markOddScriptsOf(Database& database) {
  soundModel_->markOddScriptsOf(database);
}

SlotListModel* DesktopLists::model(SlotList list) const {
  if (list == SlotList::Sounds) return soundModel_;
  return modelModel_;
}

SlotTableView* DesktopLists::view(SlotList list) const {
  return listView(window_, list);
}

QList<int> DesktopLists::selectedRows(SlotList list) const {
  QList<int> rows;
  for (const QItemSelectionRange& range : view(list)->selectionModel()->selection()) {
    for (int row = range.top(); row <= range.bottom(); ++row)
      rows << row;
  }
  sortAndDeduplicate(rows);
  return rows;
}

int DesktopLists::firstSelectedRow(SlotList list) const {
  int first = -1;
  for (const QItemSelectionRange& range : view(list)->selectionModel()->selection()) {
    if (first < 0 || range.top() < first) first = range.top();
  }
  return first;
}

void DesktopLists::showStatus(const QString& text) {
  window_.showStatusMessage(printable(text));
}

void DesktopLists::showWindow() {
  window_.show();
  keepWindowOnScreen(&window_);
  window_.raise();
  window_.activateWindow();
}

void DesktopLists::showSelectionCount() {
  window_.showSelectionCount(
      selectionCountText(tables_, selectedRows(SlotList::Sounds), selectedRows(SlotList::Models)));
}

}  // namespace slotsmith
