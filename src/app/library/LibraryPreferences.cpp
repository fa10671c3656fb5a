#include "app/library/LibraryPreferences.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QSettings>
#include <QVBoxLayout>

#include "app/library/LibraryActions.h"

namespace slotsmith {

namespace {

QString tr(const char* text) {
  return QCoreApplication::translate("LibraryPreferences", text);
}

}  // namespace

void showLibraryPreferences(QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(tr("Preferences"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* follow =
      new QCheckBox(tr("&Keep the open database in the library: add it when it is opened, and read "
                       "its changes after each edit"),
                    &dialog);
  follow->setObjectName(QStringLiteral("followOpenDatabase"));
  follow->setChecked(QSettings().value(kFollowOpenDatabaseKey, true).toBool());
  QObject::connect(follow, &QCheckBox::toggled, &dialog,
                   [](bool on) { QSettings().setValue(kFollowOpenDatabaseKey, on); });
  layout->addWidget(follow);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  dialog.exec();
}

}  // namespace slotsmith
