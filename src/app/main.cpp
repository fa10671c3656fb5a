// slotsmith-gui [DATABASE]: the desktop application. With a folder argument that database is
// opened at start, exactly as if it had been dropped on the window.
#include <QApplication>
#include <QMenuBar>

#include "app/AppController.h"
#include "app/AppMenus.h"
#include "app/EditActions.h"
#include "ui/Interface.h"

int main(int argc, char* argv[]) {
  using slotsmith::AppController;
  using slotsmith::AppMenus;
  using slotsmith::EditActions;
  using slotsmith::Interface;

  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Slotsmith"));
  QApplication::setOrganizationName(QStringLiteral("Slotsmith"));
  QApplication::setApplicationVersion(QStringLiteral(SLOTSMITH_VERSION));

  Interface interface;
  AppController controller(interface);
  EditActions edits(controller);
  AppMenus menus(controller, edits);
  menus.installIn(interface.mainWindow->menuBar());
  menus.installIn(interface.listWindow->menuBar());

  interface.mainWindow->show();
  controller.awakeFromNib();

  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) controller.openDatabaseFolder(arguments.at(1));
  return application.exec();
}
