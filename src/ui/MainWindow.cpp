#include "ui/MainWindow.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/myDropSpace.h"

namespace slotsmith {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      dropSpaceView_(new myDropSpace),
      pathAsText_(new QLabel(tr("No database open"))),
      versionText_(new QLabel(tr("version unknown"))) {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(tr("Slotsmith"));
  dropSpaceView_->setObjectName(QStringLiteral("dropSpaceView"));
  pathAsText_->setObjectName(QStringLiteral("pathAsText"));
  pathAsText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  pathAsText_->setWordWrap(true);
  versionText_->setObjectName(QStringLiteral("versionText"));
  versionText_->setAlignment(Qt::AlignRight);

  auto* hint =
      new QLabel(tr("Drop your Neuron database folder below, or choose File ▸ Open "
                    "Database…"));
  hint->setWordWrap(true);

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(hint);
  layout->addWidget(dropSpaceView_, 1);
  layout->addWidget(pathAsText_);
  layout->addWidget(versionText_);
  setCentralWidget(central);
  resize(420, 420);
}

}  // namespace slotsmith
