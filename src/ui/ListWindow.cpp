#include "ui/ListWindow.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QSplitter>
#include <QVBoxLayout>

#include "ui/SlotTableView.h"

namespace slotsmith {

ListWindow::ListWindow(QWidget* parent)
    : QMainWindow(parent),
      soundList_(new SlotTableView),
      unusedList_(new SlotTableView),
      realtimeSearch_(new QCheckBox(tr("Selection follows: selected sounds select their models, "
                                       "selected models select the sounds that use them"))),
      soundSummary_(new QLabel),
      modelSummary_(new QLabel) {
  setObjectName(QStringLiteral("listWindow"));
  soundList_->setObjectName(QStringLiteral("soundList"));
  unusedList_->setObjectName(QStringLiteral("unusedList"));
  realtimeSearch_->setObjectName(QStringLiteral("realtimeSearch"));
  soundSummary_->setObjectName(QStringLiteral("soundSummary"));
  modelSummary_->setObjectName(QStringLiteral("modelSummary"));

  auto* splitter = new QSplitter(Qt::Horizontal);
  splitter->addWidget(makeColumn(tr("Sounds"), soundSummary_, soundList_));
  splitter->addWidget(makeColumn(tr("Models"), modelSummary_, unusedList_));
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 2);

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(splitter, 1);
  layout->addWidget(realtimeSearch_);
  setCentralWidget(central);
  showDatabasePath(QString());
  resize(1100, 720);
}

QWidget* ListWindow::makeColumn(const QString& title, QLabel* summary, SlotTableView* list) {
  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* heading = new QLabel(QStringLiteral("<b>%1</b>").arg(title));
  layout->addWidget(heading);
  layout->addWidget(summary);
  layout->addWidget(list, 1);
  return column;
}

void ListWindow::showDatabasePath(const QString& path) {
  setWindowTitle(path.isEmpty() ? tr("Slotsmith")
                                : tr("%1 — Slotsmith").arg(QDir::toNativeSeparators(path)));
}

}  // namespace slotsmith
