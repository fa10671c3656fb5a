#include "app/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include "core/Languages.h"
#include "core/UserText.h"

namespace slotsmith {

namespace {

constexpr char kCatalogues[] = ":/i18n";

}  // namespace

QStringList wantedDesktopLanguages() {
  const QString chosen = QSettings().value(QString::fromLatin1(kLanguageKey)).toString();
  if (!chosen.isEmpty()) return {chosen};
  QStringList wanted;
  for (const std::string& code : slotsmith::wantedLanguages())
    wanted << QString::fromStdString(code);
  return wanted;
}

QStringList availableLanguages() {
  QStringList codes{QStringLiteral("en")};
  for (const QString& file :
       QDir(QString::fromLatin1(kCatalogues)).entryList({QStringLiteral("slotsmith_*.qm")})) {
    const QString code = file.mid(10).chopped(3);
    if (!codes.contains(code)) codes << code;
  }
  return codes;
}

QString installTranslations() {
  QCoreApplication* application = QCoreApplication::instance();
  // The engine's texts come from the same catalogues as the windows'.
  setTextTranslator([](const char* context, const char* english,
                       std::optional<long long> count) -> std::optional<std::string> {
    const QString translated = QCoreApplication::translate(context, english, nullptr,
                                                           count ? static_cast<int>(*count) : -1);
    if (translated == QLatin1String(english)) return std::nullopt;
    return translated.toStdString();
  });
  // English, the language of the code, has a catalogue only for its plural forms; it comes last.
  QStringList languages = wantedDesktopLanguages();
  languages << QStringLiteral("en");
  for (const QString& wanted : languages) {
    // QTranslator::load tries "slotsmith_de_DE", then "slotsmith_de".
    auto* own = new QTranslator(application);
    if (!own->load(QStringLiteral("slotsmith_") + wanted, QString::fromLatin1(kCatalogues))) {
      delete own;
      continue;
    }
    const QString code = own->language().isEmpty() ? wanted : own->language();
    // Qt's own dialogs and buttons (file dialogs, Cancel, Yes) follow from its catalogue, where
    // it is installed (Debian's qt6-translations-l10n).
    auto* qt = new QTranslator(application);
    if (qt->load(QStringLiteral("qtbase_") + wanted,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QCoreApplication::installTranslator(qt);
    } else {
      delete qt;
    }
    QCoreApplication::installTranslator(own);
    QLocale::setDefault(QLocale(code));
    return code;
  }
  return QStringLiteral("en");
}

}  // namespace slotsmith
