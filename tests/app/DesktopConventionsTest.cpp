// The desktop as a Linux user expects it: a selection never outlives its meaning, the window the
// user works in stays in front, Tab leaves a list, texts say "1 sound", windows fit the screen,
// actions are enabled only when they can run, failures look like failures, and nothing happens
// without a word.
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <functional>

#include "AppTestSupport.h"
#include "app/Alerts.h"
#include "app/AppMenus.h"
#include "app/OtherDatabase.h"
#include "app/SelectionFollower.h"
#include "app/SlotListModel.h"
#include "app/Summaries.h"
#include "ui/SlotTableView.h"
#include "ui/myDropSpace.h"

#if defined(SLOTSMITH_SOUND_LIBRARY)
#include "app/library/LibraryWindow.h"
#endif

class DesktopConventionsTest : public QObject {
  Q_OBJECT

 private:
  // Ten sounds S0..S9 and ten models M0..M9; sound n plays model n.
  static void fillBank(TestDatabase& db) {
    for (int n = 0; n < 10; ++n) {
      db.addModel(n, QStringLiteral("M%1").arg(n));
      db.addSound(n, QStringLiteral("S%1").arg(n), n, 1);
    }
  }

  static QList<int> selected(TestApplication& app, SlotList list) {
    return app.controller.lists().selectedRows(list);
  }

 private Q_SLOTS:
  void aSelectionFollowsTheEditsAndDiesWithItsDatabase() {
    TestDatabase first;
    TestDatabase second;
    fillBank(first);
    fillBank(second);
    TestApplication app;
    app.open(first.path());

    app.answerNext({kAlertDefault});
    app.controller.acceptDrop(SlotList::Sounds, {7, 8}, 2, Qt::MoveAction);
    QCOMPARE(selected(app, SlotList::Sounds), QList<int>({2, 3}));
    QCOMPARE(app.cell(SlotList::Sounds, 2, "soundName"), QStringLiteral("S7"));
    QCOMPARE(app.interface.listWindow->statusMessage(), QStringLiteral("Moved 2 sounds to slot 2"));

    app.answerNext({kAlertDefault});
    app.controller.acceptDrop(SlotList::Models, {0}, 5, Qt::CopyAction);
    QCOMPARE(selected(app, SlotList::Models), QList<int>({5}));
    QCOMPARE(app.interface.listWindow->statusMessage(), QStringLiteral("Copied 1 model to slot 5"));

    app.answerNext({kAlertAlternate});  // "Delete"
    app.edits.doDeleteSelectedModels();
    QVERIFY(selected(app, SlotList::Models).isEmpty());

    app.selectRows(SlotList::Sounds, {0, 1, 2});
    app.selectRows(SlotList::Models, {4, 5});
    app.open(second.path());
    QVERIFY(selected(app, SlotList::Sounds).isEmpty());
    QVERIFY(selected(app, SlotList::Models).isEmpty());
  }

  void noEditStartsWhileADroppedFolderWaitsToBeOpened() {
    TestDatabase first;
    TestDatabase second;
    fillBank(first);
    fillBank(second);
    TestApplication app;
    app.open(first.path());
    myDropSpace* zone = app.interface.mainWindow->dropSpaceView();
    zone->setPath(second.path());
    zone->concludeDragOperation();
    QVERIFY(zone->notificationPending());
    const EditOutcome outcome = app.controller.edits().run(MoveRequest{Bank::Sounds, {1}, 0});
    QCOMPARE(outcome.kind, EditOutcome::Kind::Cancelled);
    QVERIFY(app.controller.ui().alerts().history().empty());
    QCOMPARE(first.scriptValue(0, "SoundNameC01"), QStringLiteral("48"));  // "S0" unmoved
  }

  void theWindowTheUserWorksInStaysInFrontAndFitsTheScreen() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    QCOMPARE(app.interface.progressWindow->window()->parentWidget(),
             static_cast<QWidget*>(app.interface.listWindow.get()));
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    for (QWidget* window : {static_cast<QWidget*>(app.interface.listWindow.get()),
                            static_cast<QWidget*>(app.interface.mainWindow.get())}) {
      QVERIFY2(available.contains(window->frameGeometry()),
               qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 leaves %6x%7")
                              .arg(window->objectName())
                              .arg(window->frameGeometry().x())
                              .arg(window->frameGeometry().y())
                              .arg(window->frameGeometry().width())
                              .arg(window->frameGeometry().height())
                              .arg(available.width())
                              .arg(available.height())));
    }
  }

  void tabMovesBetweenTheListsAndKeepsTheirSelections() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    SlotTableView* sounds = app.controller.lists().view(SlotList::Sounds);
    app.selectRows(SlotList::Sounds, {1, 2, 3});
    app.interface.listWindow->show();
    QApplication::setActiveWindow(app.interface.listWindow.get());
    sounds->setFocus();
    // On to the model list's filter field, then into the model list.
    QTest::keyClick(sounds, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(),
             static_cast<QWidget*>(app.interface.listWindow->modelFilter()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(),
             static_cast<QWidget*>(app.controller.lists().view(SlotList::Models)));
    QCOMPARE(selected(app, SlotList::Sounds), QList<int>({1, 2, 3}));
  }

  void theModelSummaryCountsModelsNotReferences() {
    TestDatabase db;
    db.addModel(0, QStringLiteral("Only"));
    db.addSound(0, QStringLiteral("A"), 0, 1, 7, 1);  // model 7 has no folder
    TestApplication app;
    app.open(db.path());
    const QString summary = modelSummaryText(app.controller.session().database().tables());
    QVERIFY2(summary.startsWith(QStringLiteral("1 model: 1 in use")), qPrintable(summary));
    QVERIFY2(summary.endsWith(QStringLiteral("; 1 empty slot referred to")), qPrintable(summary));
    // A reference to an empty slot may be the user's choice: the summary tells it, and opening
    // does not raise it as a finding of the health check.
    QTest::qWait(50);
    QVERIFY2(app.interface.listWindow->statusMessage().startsWith(QStringLiteral("Opened ")),
             qPrintable(app.interface.listWindow->statusMessage()));
    // Counts read as English does, from the English catalogue's plural forms.
    for (const auto& [count, text] : {std::pair{1, "1 sound"}, {2, "2 sounds"}, {0, "0 sounds"}})
      QCOMPARE(QCoreApplication::translate("SummaryTexts", "%n sound(s)", "", count),
               QString::fromLatin1(text));
  }

  void actionsAreEnabledOnlyWhenTheyCanRun() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    AppMenus menus(app.controller.menuParts(app.edits));
    for (const char* name :
         {"consolidate", "writeNames", "reload", "findReplace", "selectAll", "copySelectedSounds",
          "deleteSelectedModels", "slotLists", "filterSounds", "filterModels"}) {
      QVERIFY2(!menus.action(name)->isEnabled(), name);
    }
    QVERIFY(menus.action("openDatabase")->isEnabled());
    app.open(db.path());
    QVERIFY(menus.action("consolidate")->isEnabled());
    QVERIFY(!menus.action("copySelectedSounds")->isEnabled());
    app.selectRows(SlotList::Sounds, {4});
    QVERIFY(menus.action("copySelectedSounds")->isEnabled());
    QVERIFY(!menus.action("deleteSelectedModels")->isEnabled());
  }

  void failuresAndSilentRefusalsAreSaid() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    app.controller.edits().run(CopyRequest{Bank::Sounds, {1, 2}, 999});
    QVERIFY(!app.controller.ui().alerts().history().empty());
    QVERIFY(app.controller.ui().alerts().history().back().problem);
    QVERIFY(app.interface.listWindow->statusMessage().startsWith(
        QStringLiteral("Copy sounds refused: A block of 2 sounds does not fit")));

    QTemporaryDir notADatabase;
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(notADatabase.path())});
    myDropSpace* zone = app.interface.mainWindow->dropSpaceView();
    QVERIFY(zone->performDragOperation(&dropped));
    zone->concludeDragOperation();
    QVERIFY(app.interface.listWindow->statusMessage().startsWith(
        QStringLiteral("Not a Neuron database")));
  }

  void followingASelectionShowsTheFirstRowItSelected() {
    TestDatabase db;
    db.addModel(3, QStringLiteral("Far"));
    db.addSound(900, QStringLiteral("Far away"), 3, 1);
    TestApplication app;
    app.open(db.path());
    app.interface.listWindow->show();
    app.interface.listWindow->realtimeSearch()->setChecked(true);
    app.selectRows(SlotList::Models, {3});
    app.controller.lists().follower()->selectRow(SlotList::Models);
    SlotTableView* sounds = app.controller.lists().view(SlotList::Sounds);
    QCOMPARE(selected(app, SlotList::Sounds), QList<int>({900}));
    QVERIFY(sounds->verticalScrollBar()->value() > 0);
  }

  void namesAreEditedInPlaceOrFromANamesFile() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    SlotListModel* sounds = app.controller.lists().model(SlotList::Sounds);
    const int name = sounds->columnOf("soundName");
    QVERIFY(sounds->flags(sounds->index(3, name)) & Qt::ItemIsEditable);
    QVERIFY(!(sounds->flags(sounds->index(3, 0)) & Qt::ItemIsEditable));
    QVERIFY(!(sounds->flags(sounds->index(500, name)) & Qt::ItemIsEditable));  // empty slot

    app.answerNext({kAlertDefault});
    QVERIFY(sounds->setData(sounds->index(3, name), QStringLiteral("Warm Pad")));
    QCOMPARE(app.cell(SlotList::Sounds, 3, "soundName"), QStringLiteral("Warm Pad"));

    QTemporaryDir dir;
    QFile names(dir.filePath("ModelNames"));
    QVERIFY(names.open(QIODevice::WriteOnly));
    names.write("000\tBright Tine \n001\t--<empty>--\n002\tM2\n");
    names.close();
    app.answerNext({kAlertDefault});
    app.edits.applyNamesFile(SlotList::Models, names.fileName());
    QCOMPARE(db.modelName(0), QStringLiteral("Bright Tine"));
    QCOMPARE(db.modelName(1), QStringLiteral("M1"));
  }

  void soundsDraggedFromAnotherDatabaseAreImportedAtTheDropRow() {
    TestDatabase mine;
    fillBank(mine);
    TestDatabase other;
    other.addModel(0, QStringLiteral("Far Model"));
    other.addSound(0, QStringLiteral("Far Sound"), 0, 1);
    const QStringList otherBefore = QDir(other.path()).entryList(QDir::AllEntries | QDir::Hidden);
    TestApplication app;
    app.open(mine.path());
    app.controller.openOtherDatabase(other.path());
    OtherDatabase* source = app.controller.sideWindows().otherDatabase();
    QVERIFY(source != nullptr);
    QVERIFY(!source->soundList()->acceptDrops());
    SlotListModel* from = static_cast<SlotListModel*>(source->soundList()->model());
    std::unique_ptr<QMimeData> drag(from->mimeData({from->index(0, 0)}));
    SlotListModel* to = app.controller.lists().model(SlotList::Sounds);
    QVERIFY(to->canDropMimeData(drag.get(), Qt::CopyAction, 4, 0, {}));
    QVERIFY(!app.controller.lists()
                 .model(SlotList::Models)
                 ->canDropMimeData(drag.get(), Qt::CopyAction, 4, 0, {}));
    app.answerNext({kAlertDefault, kAlertDefault});
    QVERIFY(to->dropMimeData(drag.get(), Qt::CopyAction, 4, 0, {}));
    QCOMPARE(app.cell(SlotList::Sounds, 4, "soundName"), QStringLiteral("Far Sound"));
    QCOMPARE(app.cell(SlotList::Sounds, 5, "soundName"), QStringLiteral("S4"));
    QCOMPARE(QDir(other.path()).entryList(QDir::AllEntries | QDir::Hidden), otherBefore);
  }

  void editsAreUndoneFromTheEditMenuAndStaleListsStopAnEdit() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    AppMenus menus(app.controller.menuParts(app.edits));
    app.open(db.path());
    QVERIFY(!menus.action("undo")->isEnabled());
    app.answerNext({kAlertDefault});
    app.controller.edits().run(MoveRequest{Bank::Sounds, {7}, 0});
    QCOMPARE(menus.action("undo")->text(), QStringLiteral("&Undo Move sounds"));
    menus.action("undo")->trigger();
    QCOMPARE(app.cell(SlotList::Sounds, 0, "soundName"), QStringLiteral("S0"));
    QCOMPARE(menus.action("redo")->text(), QStringLiteral("&Redo Move sounds"));

    // Another program changes the database: the edit's own scan stops it and the lists reload.
    db.addSound(500, QStringLiteral("From elsewhere"), 0, 1);
    const EditOutcome stale = app.controller.edits().run(DeleteRequest{Bank::Sounds, {1}});
    QCOMPARE(stale.kind, EditOutcome::Kind::Refused);
    QVERIFY(stale.stale);
    QCOMPARE(app.cell(SlotList::Sounds, 500, "soundName"), QStringLiteral("From elsewhere"));
    QCOMPARE(app.cell(SlotList::Sounds, 1, "soundName"), QStringLiteral("S1"));
  }

  // Whatever is typed stays in the field; a name the bank cannot hold says why at the field, and
  // Return does not take it until it can be stored.
  void aNameThatCannotBeStoredSaysWhy_data() {
    QTest::addColumn<SlotList>("list");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("why");
    const QString accented = QStringLiteral("Caf\u00e9 Pad");
    QTest::newRow("an accent, sound")
        << SlotList::Sounds << accented << QStringLiteral("\"\u00e9\"");
    QTest::newRow("an accent, model")
        << SlotList::Models << accented << QStringLiteral("\"\u00e9\"");
    QTest::newRow("17 characters, sound")
        << SlotList::Sounds << QStringLiteral("Warm Pad - 2 Osc!") << QStringLiteral("at most 16");
    QTest::newRow("16 characters, model")
        << SlotList::Models << QStringLiteral("Warm Pad - 2 Osc") << QStringLiteral("at most 15");
    QTest::newRow("16 characters, sound")
        << SlotList::Sounds << QStringLiteral("Warm Pad - 2 Osc") << QString();
  }

  void aNameThatCannotBeStoredSaysWhy() {
    QFETCH(SlotList, list);
    QFETCH(QString, typed);
    QFETCH(QString, why);
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    SlotTableView* view = app.controller.lists().view(list);
    view->setCurrentIndex(view->model()->index(2, 0));
    QVERIFY(view->editCurrentName());
    QPointer<QLineEdit> editor = view->findChild<QLineEdit*>();
    QVERIFY(editor != nullptr);
    editor->selectAll();
    for (const QChar character : typed) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
      QApplication::sendEvent(editor, &press);
    }
    QCOMPARE(editor->text(), typed);
    if (why.isEmpty()) {
      QVERIFY2(editor->toolTip().isEmpty(), qPrintable(editor->toolTip()));
      return;
    }
    QVERIFY2(editor->toolTip().contains(why), qPrintable(editor->toolTip()));
    app.answerNext({kAlertDefault});
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    QVERIFY2(editor && editor->isVisible(), "the name was taken");
    const QString identifier =
        list == SlotList::Sounds ? QStringLiteral("soundName") : QStringLiteral("modelName");
    QCOMPARE(app.cell(list, 2, identifier), list == SlotList::Sounds ? "S2" : "M2");
  }

  // Every window gives each of its buttons, boxes, labelled fields and menu titles its own access
  // key, in every language (CTest runs this in German too): two that share one take turns at
  // Alt+key instead of doing what the user asked. The windows the program opens are all swept,
  // and the Preferences dialog while it asks.
  void windowsGiveEachControlItsOwnKey() {
    TestDatabase db;
    fillBank(db);
    TestApplication app(TestApplication::Menus::AsTheProgramBuildsThem);
    app.open(db.path());
    app.interface.listWindow->show();
    for (const char* opens : {"findReplace", "findDuplicates", "library"}) {
      if (QAction* action = app.menus->action(QString::fromLatin1(opens))) action->trigger();
    }
#if defined(SLOTSMITH_SOUND_LIBRARY)
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* library = qobject_cast<LibraryWindow*>(window)) library->showRules();
    }
#endif
    int swept = 0;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
      if (!window->isVisible()) continue;
      ++swept;
      const QStringList clashes = sharedAccessKeys(window);
      QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral("; "))));
    }
    QVERIFY(swept >= 3);
    if (QAction* preferences = app.menus->action(QStringLiteral("preferences"))) {
      QStringList clashes{QStringLiteral("not asked")};
      QTimer::singleShot(0, [&clashes] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) return;
        clashes = sharedAccessKeys(dialog);
        dialog->close();
      });
      preferences->trigger();
      QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral("; "))));
    }
  }

  // Every menu, the lists' own included, gives each item its own access key; an item that asks
  // before it acts says so with "…"; and the deletion has one name wherever it is offered.
  void menusGiveEachItemItsOwnKeyAndOneName() {
    TestDatabase db;
    fillBank(db);
    TestApplication app(TestApplication::Menus::AsTheProgramBuildsThem);
    app.open(db.path());
    app.selectRows(SlotList::Sounds, {1});
    app.selectRows(SlotList::Models, {1});
    QList<QMenu*> menus;
    for (QAction* top : app.interface.listWindow->menuBar()->actions())
      menus << top->menu();
    for (SlotList list : {SlotList::Sounds, SlotList::Models}) {
      QMenu* menu = list == SlotList::Sounds ? app.edits.soundContextualMenu()
                                             : app.edits.modelContextualMenu();
      app.edits.updateContextualMenu(list);
      Q_EMIT menu->aboutToShow();  // where the menu bar's actions join it
      menus << menu;
    }
    for (int at = 0; at < menus.size(); ++at) {
      QMap<QChar, QString> keys;
      for (const QAction* action : menus[at]->actions()) {
        if (action->menu() != nullptr && !menus.contains(action->menu())) menus << action->menu();
        QString text = action->text();
        const qsizetype at = text.remove(QStringLiteral("&&")).indexOf('&');
        if (at < 0 || at + 1 >= text.size()) continue;
        const QChar letter = text.at(at + 1).toLower();
        QVERIFY2(
            !keys.contains(letter),
            qPrintable(QStringLiteral("%1 and %2 share %3").arg(keys.value(letter), text, letter)));
        keys.insert(letter, text);
      }
    }
    for (const char* asking : {"copySelectedSounds", "moveSelectedModels", "sortByNameSounds",
                               "sortByModel", "closeGapsModels", "consolidate", "restore"}) {
      QVERIFY2(app.menus->action(asking)->text().endsWith(QStringLiteral("…")), asking);
    }
    for (SlotList list : {SlotList::Sounds, SlotList::Models}) {
      app.controller.lists().view(list)->setFocus();
      app.menus->updateActions();
      const QString offered = (list == SlotList::Sounds ? app.edits.soundContextualMenu()
                                                        : app.edits.modelContextualMenu())
                                  ->actions()
                                  .at(0)
                                  ->text();
      const QString bank = list == SlotList::Sounds ? "Sounds" : "Models";
      QCOMPARE(app.menus->action("deleteSelected" + bank)->text().remove('&'), offered);
      QCOMPARE(app.menus->action("deleteSelected")->text().remove('&'), offered);
    }
  }

  // Right-clicked, a list offers what the menu bar does for the row under the pointer: renaming
  // it and, for sounds, exporting the selection as a pack; Rename opens the name in place.
  void theContextualMenusOfferRenameAndExport_data() {
    QTest::addColumn<SlotList>("list");
    QTest::addColumn<QStringList>("offered");
    QStringList sounds{QStringLiteral("Rename")};
#if defined(SLOTSMITH_PACKS)
    sounds << QStringLiteral("Export Selection as Pack…");
#endif
    QTest::newRow("sounds") << SlotList::Sounds << sounds;
    QTest::newRow("models") << SlotList::Models << QStringList{QStringLiteral("Rename")};
  }

  void theContextualMenusOfferRenameAndExport() {
    QFETCH(SlotList, list);
    QFETCH(QStringList, offered);
    TestDatabase db;
    fillBank(db);
    TestApplication app(TestApplication::Menus::AsTheProgramBuildsThem);
    app.open(db.path());
    SlotTableView* view = app.controller.lists().view(list);
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    view->setFocus();
    view->setCurrentIndex(view->model()->index(4, 0));
    QMenu* menu = list == SlotList::Sounds ? app.edits.soundContextualMenu()
                                           : app.edits.modelContextualMenu();
    for (int opened = 0; opened < 2; ++opened) {  // filled anew each time, never twice over
      const QPoint at = view->visualRect(view->currentIndex()).center();
      QContextMenuEvent click(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
      QApplication::sendEvent(view->viewport(), &click);
      QVERIFY(QTest::qWaitForWindowExposed(menu));
      QStringList titles;
      for (const QAction* action : menu->actions()) {
        if (action->isEnabled()) titles << action->text().remove('&');
      }
      for (const QString& title : offered)
        QCOMPARE(titles.count(title), 1);
      menu->close();
    }
    app.menus->action("rename")->trigger();
    const auto* editor = view->findChild<QLineEdit*>();
    QVERIFY(editor != nullptr && editor->isVisible());
    QCOMPARE(editor->text(),
             app.cell(list, 4, list == SlotList::Sounds ? "soundName" : "modelName"));
  }

  // The help is read beside the lists: the keyboard page and the user guide are windows of their
  // own, not modal, within the screen, the page's button in sight and the guide open at its
  // heading, its pictures no wider than it.
  void theHelpIsReadBesideTheLists() {
    TestApplication app(TestApplication::Menus::AsTheProgramBuildsThem);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    app.menus->action("guide")->trigger();
    auto* keyboard = app.interface.listWindow->findChild<QDialog*>(QStringLiteral("keyboardGuide"));
    QVERIFY(keyboard != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(keyboard));
    QVERIFY(!keyboard->isModal());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY2(keyboard->height() <= screen.height(),
             qPrintable(QString::number(keyboard->height())));
    auto* close = keyboard->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close);
    QVERIFY(close->isVisible());
    QVERIFY(keyboard->rect().contains(QRect(close->mapTo(keyboard, QPoint(0, 0)), close->size())));
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!keyboard->isVisible());

    app.menus->action("userGuide")->trigger();
    auto* guide = app.interface.listWindow->findChild<QTextBrowser*>(QStringLiteral("userGuide"));
    QVERIFY(guide != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(guide));
    QVERIFY(guide->isWindow() && !guide->isModal());
    QVERIFY(guide->frameGeometry().height() <= screen.height() + 1);
    QTRY_COMPARE(guide->cursorForPosition(QPoint(4, 4)).block().text(),
                 QStringLiteral("User guide"));
    // Its pictures fit its width: nothing scrolls sideways.
    QCOMPARE(guide->horizontalScrollBar()->maximum(), 0);
  }

  // An alert is wide enough for its whole title, a problem gives its reason without a click on
  // Show Details, and every button of a question has an Alt key of its own, its words unchanged.
  void alertsShowTheirTitleTheirReasonAndAltKeys() {
    TestApplication app;
    Alerts alerts(app.interface.listWindow.get());
    QStringList seen;
    const auto inspectNextBox = [&seen](const std::function<void(QMessageBox*)>& inspect) {
      QTimer::singleShot(0, [&seen, inspect] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        seen << box->windowTitle();
        QVERIFY2(box->width() >= box->fontMetrics().horizontalAdvance(box->windowTitle()),
                 qPrintable(box->windowTitle()));
        inspect(box);
        box->reject();
      });
    };

    inspectNextBox([](QMessageBox* box) {
      QStringList labels;
      QString keys;
      for (const QAbstractButton* button : box->buttons()) {
        const QString text = button->text();
        QCOMPARE(text.count('&'), 1);
        keys += text.at(text.indexOf('&') + 1).toLower();
        labels << QString(text).remove('&');
      }
      labels.sort();
      QCOMPARE(labels, QStringList({"Cancel", "Delete", "Remove"}));
      for (const QChar key : keys)
        QCOMPARE(keys.count(key), 1);
    });
    const int answer = alerts.ask(QStringLiteral("Copy or delete all these sounds"), QString(),
                                  AlertButtons{"Delete", "Remove", "Cancel"}, kAlertOther);
    QCOMPARE(answer, kAlertOther);

    // A name from elsewhere that looks like markup is shown as the text it is.
    inspectNextBox([](QMessageBox* box) {
      QVERIFY2(box->informativeText().contains(QStringLiteral("No space left on device")),
               qPrintable(box->informativeText()));
      for (const QLabel* label : box->findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) QCOMPARE(label->textFormat(), Qt::PlainText);
      }
    });
    alerts.showProblem(true, QStringLiteral("Not a Neuron database at all"),
                       QStringLiteral("No backup of <b>Pad</b> was written."),
                       QStringLiteral("No space left on device"));
    QCOMPARE(seen.size(), 2);
  }

  void aClickOnTheSplashDismissesIt() {
    TestApplication app;
    SplashScreenWindow* splash = app.interface.splashScreenWindow.get();
    QVERIFY(app.controller.splashTimer().isActive());
    QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(40, 40));
    QVERIFY(!app.controller.splashTimer().isActive());
    QVERIFY(!splash->isVisible());
  }
};

QTEST_MAIN(DesktopConventionsTest)
#include "DesktopConventionsTest.moc"
