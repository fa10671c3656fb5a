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

// The texts of this file, under one name for the translators.
class PreferenceTexts {
  Q_DECLARE_TR_FUNCTIONS(PreferenceTexts)
};

}  // namespace

QWidget* makeLibraryPreferences(QWidget* parent) {
  auto* follow = new QCheckBox(
      PreferenceTexts::tr(
          "&Keep the open database in the library: add it when it is opened, and read "
          "its changes after each edit"),
      parent);
  follow->setObjectName(QStringLiteral("followOpenDatabase"));
  follow->setChecked(QSettings().value(kFollowOpenDatabaseKey, true).toBool());
  QObject::connect(follow, &QCheckBox::toggled, follow,
                   [](bool on) { QSettings().setValue(kFollowOpenDatabaseKey, on); });
  return follow;
}

}  // namespace slotsmith
