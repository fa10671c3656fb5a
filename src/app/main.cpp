// slotsmith-gui [DATABASE]: the desktop application. With a folder argument that database is
// opened at start, exactly as if it had been dropped on the window.
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QMenuBar>

#include "app/AppController.h"
#include "app/AppMenus.h"
#include "app/DesktopUi.h"
#include "app/EditActions.h"
#include "app/Translations.h"
#include "ui/Interface.h"

namespace {

// Answers --help and --version before the QApplication exists: that one needs a display, and
// neither answer should. Anything else, unknown options included, is left to the full parse
// once the QApplication has taken its own options (-platform, -style, …) out of the arguments.
void answerHelpAndVersion(int argc, char* argv[], QCommandLineParser& parser) {
  const QCoreApplication preflight(argc, argv);
  // The help is in the user's language, as the windows are.
  slotsmith::installTranslations();
  parser.setApplicationDescription(
      QCoreApplication::translate("main", "Organises the sound database of a Neuron synthesizer."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(
      QStringLiteral("database"),
      QCoreApplication::translate("main", "The database folder to open (optional)."),
      QCoreApplication::translate("main", "[database]"));
  parser.parse(QCoreApplication::arguments());
  if (parser.isSet(QStringLiteral("help"))) parser.showHelp();
  if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
}

}  // namespace

int main(int argc, char* argv[]) {
  using slotsmith::AppController;
  using slotsmith::AppMenus;
  using slotsmith::EditActions;
  using slotsmith::Interface;

  QApplication::setApplicationName(QStringLiteral("Slotsmith"));
  QApplication::setOrganizationName(QStringLiteral("Slotsmith"));
  QApplication::setApplicationVersion(QStringLiteral(SLOTSMITH_VERSION));

  QCommandLineParser parser;
  answerHelpAndVersion(argc, argv, parser);

  QApplication application(argc, argv);
  slotsmith::installTranslations();
  // Ties the windows to the installed .desktop file and icon (the Wayland app id, the X11 icon).
  QApplication::setDesktopFileName(QStringLiteral(SLOTSMITH_APP_ID));
  // The installed theme icon, or the copy built into the program when it runs uninstalled.
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(SLOTSMITH_APP_ID),
                                               QIcon(QStringLiteral(":/icons/slotsmith.png"))));
  parser.process(application);

  Interface interface;
  AppController controller(interface);
  EditActions edits(controller.session(), controller.edits(), controller.lists(),
                    *interface.findReplaceWindow, controller.ui());
  AppMenus menus(controller.menuParts(edits));
  menus.installIn(interface.mainWindow->menuBar());
  menus.installIn(interface.listWindow->menuBar());
  menus.installToolBarIn(interface.listWindow.get());

  interface.mainWindow->show();
  controller.awakeFromNib();

  const QStringList folders = parser.positionalArguments();
  if (!folders.isEmpty()) controller.openDatabaseFolder(folders.first());
  return application.exec();
}
