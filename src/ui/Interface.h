// Every window of the application, made together at start-up: what the controller links to.
// The main window holds the drop zone; the list window both lists; the find and replace panel and
// the progress panel belong to them so that they never count as the application's last window.
#pragma once

#include <memory>

#include "ui/FindReplaceWindow.h"
#include "ui/LUMModalProgressWindow.h"
#include "ui/ListWindow.h"
#include "ui/MainWindow.h"
#include "ui/SplashScreenWindow.h"

namespace slotsmith {

struct Interface {
  Interface();

  std::unique_ptr<MainWindow> mainWindow;
  std::unique_ptr<ListWindow> listWindow;
  std::unique_ptr<SplashScreenWindow> splashScreenWindow;
  FindReplaceWindow* findReplaceWindow;    // owned by the list window
  LUMModalProgressWindow* progressWindow;  // owned by the main window
};

}  // namespace slotsmith
