// The desktop in the user's language. Which language is wanted follows the environment as the
// system's programs read it (LC_ALL=C is English whatever LANGUAGE lists) unless Preferences
// chose one; every catalogue is complete and keeps each message's placeholders and access key;
// and, run in German (CTest sets SLOTSMITH_TEST_LANGUAGE=de), the menu bar, Qt's own buttons,
// the status bar and an edit's outcome are German.
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QTest>
#include <QXmlStreamReader>

#include "AppTestSupport.h"
#include "app/DesktopEdits.h"
#include "app/Translations.h"
#include "ui/ListWindow.h"

using namespace slotsmith;

namespace {

// A message of a catalogue: its source and its translations (one per plural form).
struct CatalogueMessage {
  QString context;
  QString source;
  QStringList translations;
  bool unfinished = false;
};

QList<CatalogueMessage> readCatalogue(const QString& path, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = file.errorString();
    return {};
  }
  QList<CatalogueMessage> messages;
  QXmlStreamReader xml(&file);
  QString context;
  bool numerus = false;
  while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
    if (!xml.isStartElement()) continue;
    const QStringView name = xml.name();
    if (name == u"name") {
      context = xml.readElementText();
    } else if (name == u"message") {
      messages.append({context, {}, {}, false});
      numerus = xml.attributes().value(QStringLiteral("numerus")) == QStringLiteral("yes");
    } else if (name == u"source" && !messages.isEmpty()) {
      messages.last().source = xml.readElementText();
    } else if (name == u"translation" && !messages.isEmpty()) {
      messages.last().unfinished =
          xml.attributes().value(QStringLiteral("type")) == QStringLiteral("unfinished");
      if (!numerus) {
        messages.last().translations << xml.readElementText();
      }
    } else if (name == u"numerusform" && !messages.isEmpty()) {
      messages.last().translations << xml.readElementText();
    }
  }
  if (xml.hasError()) error = xml.errorString();
  return messages;
}

// The placeholders of a text, each once: the windows' %1 … %9 and %n, the engine's {name}.
QSet<QString> placeholders(const QString& text) {
  static const QRegularExpression pattern(QStringLiteral("%[1-9n]|\\{[a-z]+\\}"));
  QSet<QString> found;
  for (const QRegularExpressionMatch& match : pattern.globalMatch(text))
    found.insert(match.captured());
  return found;
}

// How many access keys a text marks ("&&" is a literal ampersand, "& " a word).
int accessKeys(const QString& text) {
  int keys = 0;
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] == u'&') {
      ++i;
    } else if (!text[i + 1].isSpace()) {
      ++keys;
    }
  }
  return keys;
}

// Sets the variables for one case and puts the old values back when it ends.
class Environment {
 public:
  explicit Environment(const QList<std::pair<const char*, QByteArray>>& values) {
    for (const auto& [name, value] : values) {
      saved_.append({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
      if (value.isNull()) {
        qunsetenv(name);
      } else {
        qputenv(name, value);
      }
    }
  }
  ~Environment() {
    for (const Saved& saved : saved_) {
      if (saved.set) {
        qputenv(saved.name, saved.value);
      } else {
        qunsetenv(saved.name);
      }
    }
  }

 private:
  struct Saved {
    const char* name;
    QByteArray value;
    bool set;
  };
  QList<Saved> saved_;
};

}  // namespace

class TranslationTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { failOnQtWarnings(); }

  void theWantedLanguageFollowsTheEnvironmentUnlessChosen_data() {
    QTest::addColumn<QByteArray>("lcAll");
    QTest::addColumn<QByteArray>("lcMessages");
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("wanted");
    const QByteArray unset;
    const QStringList english{QStringLiteral("en")};
    QTest::newRow("LANG") << unset << unset << QByteArray("de_DE.UTF-8") << unset << QString()
                          << QStringList{QStringLiteral("de_DE")};
    QTest::newRow("LC_MESSAGES before LANG")
        << unset << QByteArray("de_AT.UTF-8@euro") << QByteArray("en_GB.UTF-8") << unset
        << QString() << QStringList{QStringLiteral("de_AT")};
    QTest::newRow("LC_ALL before both")
        << QByteArray("fr_FR.UTF-8") << QByteArray("de_DE.UTF-8") << QByteArray("de_DE.UTF-8")
        << unset << QString() << QStringList{QStringLiteral("fr_FR")};
    QTest::newRow("LANGUAGE first")
        << unset << unset << QByteArray("en_US.UTF-8") << QByteArray("fr:de_CH") << QString()
        << QStringList{QStringLiteral("fr"), QStringLiteral("de_CH"), QStringLiteral("en_US")};
    QTest::newRow("C is English whatever LANGUAGE says")
        << QByteArray("C") << unset << QByteArray("de_DE.UTF-8") << QByteArray("de") << QString()
        << english;
    QTest::newRow("C.UTF-8 too") << QByteArray("C.UTF-8") << unset << unset << QByteArray("de")
                                 << QString() << english;
    QTest::newRow("POSIX too") << unset << QByteArray("POSIX") << QByteArray("de_DE.UTF-8") << unset
                               << QString() << english;
    QTest::newRow("nothing set") << unset << unset << unset << unset << QString() << english;
    QTest::newRow("chosen in Preferences")
        << QByteArray("C") << unset << unset << unset << QStringLiteral("de")
        << QStringList{QStringLiteral("de")};
  }

  void theWantedLanguageFollowsTheEnvironmentUnlessChosen() {
    QFETCH(QByteArray, lcAll);
    QFETCH(QByteArray, lcMessages);
    QFETCH(QByteArray, lang);
    QFETCH(QByteArray, language);
    QFETCH(QString, chosen);
    QFETCH(QStringList, wanted);
    const Environment environment(
        {{"LC_ALL", lcAll}, {"LC_MESSAGES", lcMessages}, {"LANG", lang}, {"LANGUAGE", language}});
    QSettings().setValue(QString::fromLatin1(kLanguageKey), chosen);
    QCOMPARE(wantedDesktopLanguages(), wanted);
    QSettings().remove(QString::fromLatin1(kLanguageKey));
  }

  // Every message of every catalogue is translated, each translation (each plural form) keeps
  // the placeholders of its source and, where the source marks an access key, marks one.
  void everyCatalogueIsCompleteAndKeepsPlaceholdersAndAccessKeys() {
    const QStringList catalogues =
        QDir(QStringLiteral(SLOTSMITH_TRANSLATIONS_DIR))
            .entryList({QStringLiteral("slotsmith_*.ts")}, QDir::Files, QDir::Name);
    QVERIFY(catalogues.contains(QStringLiteral("slotsmith_de.ts")));
    for (const QString& name : catalogues) {
      QString error;
      const QList<CatalogueMessage> messages = readCatalogue(
          QStringLiteral(SLOTSMITH_TRANSLATIONS_DIR) + QStringLiteral("/") + name, error);
      QVERIFY2(error.isEmpty(), qPrintable(name + QStringLiteral(": ") + error));
      QVERIFY(!messages.isEmpty());
      for (const CatalogueMessage& message : messages) {
        const QString where =
            name + QStringLiteral(": ") + message.context + QStringLiteral(": ") + message.source;
        QVERIFY2(!message.unfinished, qPrintable(QStringLiteral("unfinished: ") + where));
        QVERIFY2(!message.translations.isEmpty(), qPrintable(where));
        for (const QString& translation : message.translations) {
          QVERIFY2(!translation.isEmpty(), qPrintable(QStringLiteral("empty: ") + where));
          QVERIFY2(placeholders(translation) == placeholders(message.source),
                   qPrintable(QStringLiteral("placeholders: ") + where + QStringLiteral(" → ") +
                              translation));
          QVERIFY2((accessKeys(translation) > 0) == (accessKeys(message.source) > 0),
                   qPrintable(QStringLiteral("access key: ") + where + QStringLiteral(" → ") +
                              translation));
        }
      }
    }
  }

  // In German the menu bar, Qt's own buttons, the status bar and an edit's outcome are German.
  void theDesktopSpeaksGerman() {
    if (qgetenv("SLOTSMITH_TEST_LANGUAGE") != "de") QSKIP("run by CTest in German");
    TestDatabase db;
    for (int n = 0; n < 4; ++n) {
      db.addModel(n, QStringLiteral("M%1").arg(n));
      db.addSound(n, QStringLiteral("S%1").arg(n), n, 1);
    }
    TestApplication app(TestApplication::Menus::AsTheProgramBuildsThem);
    QStringList menus;
    for (QAction* menu : app.interface.listWindow->menuBar()->actions())
      menus << menu->text();
    QCOMPARE(menus, (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Bearbeiten"),
                                 QStringLiteral("&Sounds"), QStringLiteral("&Modelle"),
                                 QStringLiteral("&Ansicht"), QStringLiteral("&Fenster"),
                                 QStringLiteral("&Hilfe")}));

    // Qt's catalogue: the standard buttons of every dialog.
    QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Close);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text().remove(u'&'),
             QStringLiteral("Abbrechen"));
    QCOMPARE(buttons.button(QDialogButtonBox::Close)->text().remove(u'&'),
             QStringLiteral("Schließen"));

    app.open(db.path());
    QCOMPARE(app.interface.listWindow->statusMessage(),
             QStringLiteral("%1 geöffnet").arg(QDir::toNativeSeparators(db.path())));
    app.controller.edits().run(RenameRequest{Bank::Sounds, {{2, "Neu"}}}, nullptr,
                               DesktopEdits::Asked::Already);
    QCOMPARE(app.interface.listWindow->statusMessage(),
             QStringLiteral("Sound 2 in \"Neu\" umbenannt"));
    QCOMPARE(db.scriptValue(2, QStringLiteral("SoundNameC00")), QStringLiteral("78"));

    // The engine's question, worded by the catalogue as a whole, its slots too.
    app.controller.ui().alerts().clearHistory();
    app.answerNext({kAlertDefault});  // Cancel
    app.controller.edits().run(DeleteRequest{Bank::Sounds, {1, 2, 3}, Removal::Delete, true});
    const auto& asked = app.controller.ui().alerts().history();
    QCOMPARE(asked.size(), std::size_t{1});
    QCOMPARE(asked.front().message, QStringLiteral("Ausgewählte Sounds löschen/entfernen"));
    QVERIFY2(asked.front().informative.startsWith(
                 QStringLiteral("Möchten Sie die 3 ausgewählten Sounds jetzt wirklich löschen")),
             qPrintable(asked.front().informative));
    QVERIFY2(
        asked.front().informative.endsWith(QStringLiteral("Die ausgewählten Sounds: Plätze 1–3.")),
        qPrintable(asked.front().informative));
    QCOMPARE(asked.front().buttons.otherButton, std::string("Entfernen"));
  }

  // Every kind of edit's question comes from the catalogue whole: the title, the sentence with its
  // counts and slots, and the buttons. Each is declined, so the next row starts from the same bank.
  void theEnginesQuestionsAreGerman() {
    if (qgetenv("SLOTSMITH_TEST_LANGUAGE") != "de") QSKIP("run by CTest in German");
    TestDatabase db;
    for (int n = 0; n < 4; ++n) {
      db.addModel(n, QStringLiteral("M%1").arg(n));
      db.addSound(n, QStringLiteral("S%1").arg(n), n, 1);
    }
    // Sorted by name it comes first; it refers to model 7, an empty slot.
    db.addSound(5, QStringLiteral("A5"), 7, 1);
    struct Row {
      const char* name;
      EditRequest request;
      QString message;
      QString informativeStart;
      QString informativeEnd;
      AlertButtons buttons;
    };
    const std::vector<Row> rows{
        {"rename",
         RenameRequest{Bank::Sounds, {{2, "Neu"}}},
         "Sounds umbenennen",
         "Möchten Sie wirklich 1 Sound umbenennen? Rückgängig macht es ungeschehen.",
         "\"S2\" -> \"Neu\"",
         {"OK", "Abbrechen", ""}},
        {"consolidate",
         ConsolidateRequest{},
         "Modellbank verdichten",
         "Das Verdichten entfernt unbenutzte Modelle",
         "Es entfernt kein Modell.",
         {"Abbrechen", "Ja", ""}},
        {"consolidate from a slot",
         ConsolidateRequest{2, true},
         "Modellbank verdichten",
         "Das Verdichten entfernt unbenutzte Modelle",
         "„Ja – alle“ entfernt kein Modell; „Ja – ab #2“ entfernt kein Modell.",
         {"Abbrechen", "Ja – alle", "Ja – ab #2"}},
        {"arrange",
         ArrangeRequest{Bank::Sounds, {0, 1, 2, 3, 4, 5}, Arrangement::ByName},
         "Sounds nach Namen sortieren",
         "Möchten Sie Plätze 0–5 wirklich anordnen? 5 Sounds kommen auf einen anderen Platz.",
         "Rückgängig macht es ungeschehen.",
         {"OK", "Abbrechen", ""}},
        {"clear references",
         ClearEmptyReferencesRequest{},
         "Verweise auf leere Plätze löschen",
         "Möchten Sie den 1 Verweis auf das leere Modell Platz 7 wirklich auf -1 (kein Modell) "
         "setzen?",
         "Rückgängig macht es ungeschehen.",
         {"Abbrechen", "Leeren", ""}},
    };
    TestApplication app;
    app.open(db.path());
    for (const Row& row : rows) {
      app.controller.ui().alerts().clearHistory();
      QCOMPARE(app.controller.edits().run(row.request).kind, EditOutcome::Kind::Cancelled);
      const auto& asked = app.controller.ui().alerts().history();
      QVERIFY2(asked.size() == 1, row.name);
      QCOMPARE(asked.front().message, row.message);
      QVERIFY2(asked.front().informative.startsWith(row.informativeStart),
               qPrintable(asked.front().informative));
      QVERIFY2(asked.front().informative.endsWith(row.informativeEnd),
               qPrintable(asked.front().informative));
      QCOMPARE(asked.front().buttons.defaultButton, row.buttons.defaultButton);
      QCOMPARE(asked.front().buttons.alternateButton, row.buttons.alternateButton);
      QCOMPARE(asked.front().buttons.otherButton, row.buttons.otherButton);
    }
  }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
