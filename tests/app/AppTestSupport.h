// Shared helpers of the desktop tests: a small database written into a temporary folder, and the
// whole application (windows, controller, edit actions) with its alerts scripted and its fades
// instant, so that no test ever waits on a dialog.
#pragma once

#include <QPalette>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>

#include "app/AppController.h"
#include "app/AppMenus.h"
#include "app/DatabaseSession.h"
#include "app/DesktopLists.h"
#include "app/DesktopUi.h"
#include "app/EditActions.h"
#include "app/SideWindows.h"
#include "ui/Interface.h"

// The desktop tests are about the application's own classes; they read best unqualified.
using namespace slotsmith;

class TestDatabase {
 public:
  TestDatabase();

  QString path() const { return dir_.path(); }
  void addModel(int slot, const QString& name);
  void addSound(int slot, const QString& name, int model1, int switch1, int model2 = 0,
                int switch2 = 0);
  bool exists(const QString& relativePath) const;
  QString modelName(int slot) const;
  // The value of the first line with the key in the sound's script; missing: an empty string.
  QString scriptValue(int slot, const QString& key) const;

 private:
  QTemporaryDir dir_;
};

// Makes the running test function fail on any Qt warning: a warning (a failed connection, a
// layout that cannot be met) is a fault the user never sees but pays for. Qt forgets the request
// at the end of each test function, so the widget tests call it from init().
void failOnQtWarnings();

// The controls of a window that share an access key with another of it: Alt+F reaches only one
// of "&Favourite" and "Re&fresh" at a time. Buttons, boxes, labelled fields, group boxes, tabs
// and the menu bar's titles count, where the window shows them; one text per clash, none when
// every key is its own.
QStringList sharedAccessKeys(const QWidget* window);

// The colours of a common dark desktop theme.
QPalette darkDesktopPalette();

struct TestApplication {
  // With menus, they are built and installed in the order slotsmith-gui's main() builds them:
  // before the controller's start-up sequence.
  enum class Menus { None, AsTheProgramBuildsThem };
  explicit TestApplication(Menus menus = Menus::None,
                           slotsmith::FileSystem& fs = slotsmith::realFileSystem());

  // First, so that the warnings of building the windows count too.
  struct FailOnWarnings {
    FailOnWarnings() { failOnQtWarnings(); }
  } failOnWarnings;

  // Opens the database the way a drop does once its second has passed.
  void open(const QString& folder);
  void answerNext(std::deque<int> answers) {
    controller.ui().alerts().setNextAnswers(std::move(answers));
  }
  void selectRows(slotsmith::SlotList list, const QList<int>& rows);
  QString cell(slotsmith::SlotList list, int row, const QString& identifier) const;

  Interface interface;
  AppController controller;
  EditActions edits;
  std::unique_ptr<AppMenus> menus;
};
