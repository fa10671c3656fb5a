#include "app/Preferences.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QSettings>
#include <QVBoxLayout>

#include "app/Translations.h"
#if defined(SLOTSMITH_SOUND_LIBRARY)
#include "app/library/LibraryPreferences.h"
#endif

namespace slotsmith {

namespace {

class PreferenceTexts {
  Q_DECLARE_TR_FUNCTIONS(PreferenceTexts)
};

// The language box: the session's language first, then each language with a catalogue, named in
// its own words ("Deutsch"), so that a user who cannot read the current one finds theirs.
QComboBox* makeLanguageBox(QWidget* parent, QLabel* note) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QStringLiteral("language"));
  box->addItem(PreferenceTexts::tr("The system's language"), QString());
  for (const QString& code : availableLanguages()) {
    const QLocale locale(code);
    QString name = locale.nativeLanguageName();
    if (!name.isEmpty()) name[0] = name[0].toUpper();
    box->addItem(name.isEmpty() ? code : name, code);
  }
  const QString chosen = QSettings().value(QString::fromLatin1(kLanguageKey)).toString();
  box->setCurrentIndex(std::max(0, box->findData(chosen)));
  QObject::connect(box, &QComboBox::currentIndexChanged, box, [box, note] {
    QSettings().setValue(QString::fromLatin1(kLanguageKey), box->currentData().toString());
    note->setVisible(true);
  });
  return box;
}

}  // namespace

void showPreferences(QWidget* parent) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("preferences"));
  dialog.setWindowTitle(PreferenceTexts::tr("Preferences"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* form = new QFormLayout;
  auto* note =
      new QLabel(PreferenceTexts::tr("The new language is spoken from the next start."), &dialog);
  note->setObjectName(QStringLiteral("languageNote"));
  note->setWordWrap(true);
  note->setVisible(false);
  QComboBox* language = makeLanguageBox(&dialog, note);
  form->addRow(PreferenceTexts::tr("&Language:"), language);
  form->addRow(QString(), note);
  layout->addLayout(form);
#if defined(SLOTSMITH_SOUND_LIBRARY)
  layout->addWidget(makeLibraryPreferences(&dialog));
#endif
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  dialog.exec();
}

}  // namespace slotsmith
