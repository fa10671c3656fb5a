#include "app/OtherDatabase.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QShortcut>

#include "app/ListAids.h"
#include "app/ModelListModel.h"
#include "app/RowDragPayload.h"
#include "app/SoundListModel.h"
#include "app/Summaries.h"
#include "ui/BankMap.h"
#include "ui/ListWindow.h"
#include "ui/SlotTableView.h"

namespace slotsmith {

OtherDatabase::OtherDatabase(const QString& folder, std::shared_ptr<FileSystem> view,
                             QObject* parent)
    : QObject(parent),
      SilentUi(Answer::Decline),
      folder_(folder),
      view_(std::move(view)),
      database_(*this, view_ ? *view_ : realFileSystem()),
      window_(std::make_unique<ListWindow>()),
      soundModel_(new SoundListModel(database_.tables(), this, rowdrag::kOtherSoundRowsMimeType)),
      modelModel_(new ModelListModel(database_.tables(), this,
                                     QStringLiteral("application/x-slotsmith-other-model-rows"))) {
  const QByteArray root = QFile::encodeName(folder);
  soundModel_->addDragData(rowdrag::kOtherRootMimeType, root);
  window_->setObjectName(QStringLiteral("otherDatabaseWindow"));
  window_->soundList()->setModel(soundModel_);
  soundModel_->markOddScriptsOf(database_);
  window_->unusedList()->setModel(modelModel_);
  for (SlotTableView* view : {window_->soundList(), window_->unusedList()}) {
    view->setAcceptDrops(false);  // read only: nothing is dropped into the other database
  }
  // The names give way last: after the sound list's model references (columns 2 and 3).
  window_->soundList()->setElidingColumn(1, {2, 3});
  window_->unusedList()->setElidingColumn(1);
  window_->realtimeSearch()->hide();
  window_->showDatabasePath(folder);
  window_->setWindowTitle(tr("%1 (read only) — Slotsmith").arg(QDir::toNativeSeparators(folder)));
  window_->showStatusMessage(
      tr("Drag sounds from here into the sound list of your database to import them"));
  // Filtering the other database finds what to bring over; a filtered list still drags out.
  attachListAids(database_.tables(), *window_, this);
  // This window has no menu bar: Ctrl+F reaches its sound filter as in the main window.
  auto* find = new QShortcut(QKeySequence::Find, window_.get());
  connect(find, &QShortcut::activated, this, [this] {
    window_->soundFilter()->setFocus(Qt::ShortcutFocusReason);
    window_->soundFilter()->selectAll();
  });
  window_->setBankMapsWanted(QSettings().value(kShowBankMapsKey, true).toBool());
  database_.setRoot(root.toStdString());
  database_.evaluateNeuronDb();
}

OtherDatabase::~OtherDatabase() = default;

SlotTableView* OtherDatabase::soundList() const {
  return window_->soundList();
}

void OtherDatabase::redrawList(SlotList list) {
  if (list == SlotList::Sounds) {
    soundModel_->redraw();
    window_->soundSummary()->setText(soundSummaryText(database_.tables()));
  } else {
    modelModel_->redraw();
    window_->modelSummary()->setText(modelSummaryText(database_.tables()));
  }
  window_->showCounts(countsText(database_.tables()));
}

}  // namespace slotsmith
