#include "ui/Interface.h"

namespace slotsmith {

Interface::Interface()
    : mainWindow(std::make_unique<MainWindow>()),
      listWindow(std::make_unique<ListWindow>()),
      splashScreenWindow(std::make_unique<SplashScreenWindow>()),
      findReplaceWindow(new FindReplaceWindow(listWindow.get())),
      progressWindow(new LUMModalProgressWindow(mainWindow.get())) {}

}  // namespace slotsmith
