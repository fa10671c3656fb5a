#include "AppTestSupport.h"

#include "app/DesktopUi.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include "app/SlotListModel.h"
#include "app/Translations.h"
#include "ui/SlotTableView.h"
#include "ui/myDropSpace.h"

namespace {

void writeFile(const QString& path, const QByteArray& contents) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(contents);
}

// Each test program has a sound library of its own, new and empty: the application adds every
// database it opens there and reads it again after each edit, and test programs run side by side
// would otherwise wait on one another's library file and see one another's sources.
struct OwnLibrary {
  QTemporaryDir folder{QDir::tempPath() + QStringLiteral("/slotsmith-app-library-XXXXXX")};
  OwnLibrary() {
    if (folder.isValid()) {
      qputenv("SLOTSMITH_LIBRARY",
              QFile::encodeName(folder.filePath(QStringLiteral("library.sqlite"))));
    }
  }
};
const OwnLibrary ownLibrary;

}  // namespace

void failOnQtWarnings() {
  // The offscreen platform the tests run on says so whenever a window asks for what it cannot
  // do (opacity, raising): a limit of the test platform, not a fault of the program.
  QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support )")));
}

TestDatabase::TestDatabase() {
  QDir(dir_.path()).mkpath(QStringLiteral("Sounds"));
}

void TestDatabase::addModel(int slot, const QString& name) {
  writeFile(QStringLiteral("%1/Models/%2.model/MName").arg(path()).arg(slot, 3, 10, QChar('0')),
            name.toLatin1() + '\n');
}

void TestDatabase::addSound(int slot, const QString& name, int model1, int switch1, int model2,
                            int switch2) {
  QByteArray script = "OscLevel\t64\n";
  const QByteArray bytes = name.toLatin1();
  for (int k = 0; k < 16; ++k) {
    const int code = k < bytes.size() ? static_cast<unsigned char>(bytes[k]) : 0;
    script += QStringLiteral("SoundNameC%1\t%2\n").arg(k, 2, 10, QChar('0')).arg(code).toLatin1();
  }
  script += QStringLiteral("R1ModellIndex\t%1\nR1Switch\t%2\nR2ModellIndex\t%3\nR2Switch\t%4\n")
                .arg(model1)
                .arg(switch1)
                .arg(model2)
                .arg(switch2)
                .toLatin1();
  writeFile(
      QStringLiteral("%1/Sounds/%2.sound/sound.script").arg(path()).arg(slot, 3, 10, QChar('0')),
      script);
}

bool TestDatabase::exists(const QString& relativePath) const {
  return QFileInfo::exists(path() + '/' + relativePath);
}

QString TestDatabase::modelName(int slot) const {
  QFile file(QStringLiteral("%1/Models/%2.model/MName").arg(path()).arg(slot, 3, 10, QChar('0')));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromLatin1(file.readLine()).trimmed();
}

QString TestDatabase::scriptValue(int slot, const QString& key) const {
  QFile file(
      QStringLiteral("%1/Sounds/%2.sound/sound.script").arg(path()).arg(slot, 3, 10, QChar('0')));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QTextStream lines(&file);
  while (!lines.atEnd()) {
    const QStringList parts = lines.readLine().split('\t');
    if (parts.size() == 2 && parts[0] == key) return parts[1];
  }
  return {};
}

namespace {

// Keeps the tests' settings (recent databases, the check box) away from the user's own.
struct SettingsInTestMode {
  SettingsInTestMode() { QStandardPaths::setTestModeEnabled(true); }
};
const SettingsInTestMode settingsInTestMode;

}  // namespace

QStringList sharedAccessKeys(const QWidget* window) {
  QMap<QChar, QString> keys;
  QStringList clashes;
  const auto take = [&](QString text) {
    text.remove(QStringLiteral("&&"));
    const qsizetype at = text.indexOf(u'&');
    if (at < 0 || at + 1 >= text.size()) return;
    const QChar key = text.at(at + 1).toLower();
    if (keys.contains(key)) {
      clashes << QStringLiteral("%1: %2 and %3 share %4")
                     .arg(window->objectName(), keys.value(key), text, key);
    } else {
      keys.insert(key, text);
    }
  };
  for (const QWidget* widget : window->findChildren<QWidget*>()) {
    if (widget->window() != window || !widget->isVisibleTo(window)) continue;
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
      take(button->text());
    } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
      if (label->buddy() != nullptr) take(label->text());
    } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
      take(group->title());
    } else if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
      for (int tab = 0; tab < tabs->count(); ++tab)
        take(tabs->tabText(tab));
    } else if (const auto* bar = qobject_cast<const QMenuBar*>(widget)) {
      for (const QAction* menu : bar->actions())
        take(menu->text());
    }
  }
  return clashes;
}

QPalette darkDesktopPalette() {
  QPalette dark;
  dark.setColor(QPalette::Window, QColor(49, 54, 59));
  dark.setColor(QPalette::WindowText, QColor(239, 240, 241));
  dark.setColor(QPalette::Base, QColor(35, 38, 41));
  dark.setColor(QPalette::AlternateBase, QColor(42, 46, 50));
  dark.setColor(QPalette::Text, QColor(239, 240, 241));
  dark.setColor(QPalette::Button, QColor(49, 54, 59));
  dark.setColor(QPalette::ButtonText, QColor(239, 240, 241));
  dark.setColor(QPalette::Highlight, QColor(61, 174, 233));
  dark.setColor(QPalette::HighlightedText, QColor(252, 252, 252));
  return dark;
}

TestApplication::TestApplication(Menus withMenus, FileSystem& fs)
    : controller(interface, nullptr, fs),
      edits(controller.session(), controller.edits(), controller.lists(),
            *interface.findReplaceWindow, controller.ui()) {
  interface.splashScreenWindow->setFadeStepSeconds(0.0);
  controller.ui().alerts().setScripted(true);
  // The program's catalogues, as slotsmith-gui installs them, once: English (its plural forms)
  // whatever the machine's language, or the language SLOTSMITH_TEST_LANGUAGE names.
  static const QString language = [] {
    const QByteArray wanted = qgetenv("SLOTSMITH_TEST_LANGUAGE");
    QSettings().setValue(QString::fromLatin1(slotsmith::kLanguageKey),
                         wanted.isEmpty() ? QStringLiteral("en") : QString::fromLatin1(wanted));
    return slotsmith::installTranslations();
  }();
  QSettings().clear();  // every test starts as a new user
  if (withMenus == Menus::AsTheProgramBuildsThem) {
    menus = std::make_unique<AppMenus>(controller.menuParts(edits));
    menus->installIn(interface.mainWindow->menuBar());
    menus->installIn(interface.listWindow->menuBar());
    menus->installToolBarIn(interface.listWindow.get());
  }
  controller.awakeFromNib();
}

void TestApplication::open(const QString& folder) {
  myDropSpace* zone = interface.mainWindow->dropSpaceView();
  zone->setPath(folder);
  controller.folderWasDropped(zone);
}

void TestApplication::selectRows(slotsmith::SlotList list, const QList<int>& rows) {
  SlotTableView* view = controller.lists().view(list);
  view->clearSelection();
  for (int row : rows) {
    view->selectionModel()->select(view->model()->index(row, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
}

QString TestApplication::cell(slotsmith::SlotList list, int row, const QString& identifier) const {
  const SlotListModel* model = controller.lists().model(list);
  return model->data(model->index(row, model->columnOf(identifier))).toString();
}
