// Every edit started from the window, end to end on a database in a temporary folder, with the
// alerts answered by script: the folders and references on disk afterwards, and the lists.
#include <QComboBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

#include "AppTestSupport.h"
#include "ui/FindReplaceWindow.h"
#include "ui/myDropSpace.h"

using slotsmith::kAlertAlternate;
using slotsmith::kAlertDefault;
using slotsmith::kAlertOther;
using slotsmith::SlotList;

class EditFromWindowTest : public QObject {
  Q_OBJECT

 private:
  // Sounds 0..9 named S0..S9; models 0..9 named M0..M9; sound n uses model n (on) as first model,
  // except sound 5, which uses model 5 switched off, and sounds 1, 3, 4, 6, 7 and 8, which use
  // model 0.
  static void fillBank(TestDatabase& db) {
    for (int n = 0; n < 10; ++n)
      db.addModel(n, QStringLiteral("M%1").arg(n));
    const int modelOf[10] = {0, 0, 2, 0, 0, 5, 0, 0, 0, 9};
    for (int n = 0; n < 10; ++n) {
      db.addSound(n, QStringLiteral("S%1").arg(n), modelOf[n], n == 5 ? 0 : 1);
    }
  }

  static QStringList soundNames(TestApplication& app, int count) {
    QStringList names;
    for (int row = 0; row < count; ++row)
      names << app.cell(SlotList::Sounds, row, "soundName");
    return names;
  }

 private Q_SLOTS:
  void rowDropMovesSounds() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    app.answerNext({kAlertDefault});
    app.controller.acceptDrop(SlotList::Sounds, {7, 8}, 2, Qt::MoveAction);
    QCOMPARE(app.controller.alerts().history().back().message, QStringLiteral("Move sounds"));
    QCOMPARE(soundNames(app, 10),
             QStringList({"S0", "S1", "S7", "S8", "S2", "S3", "S4", "S5", "S6", "S9"}));
    QVERIFY(!db.exists("Sounds/1000.sound"));
    QVERIFY(app.interface.mainWindow->dropSpaceView()->dropEnabled());
    QVERIFY(!app.interface.progressWindow->sessionIsOpen());
  }

  void rowDropWithCopyCopiesSounds() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    app.answerNext({kAlertDefault});
    app.controller.acceptDrop(SlotList::Sounds, {2, 3}, 5, Qt::CopyAction);
    QCOMPARE(app.controller.alerts().history().back().message, QStringLiteral("Copy sounds"));
    QCOMPARE(soundNames(app, 12),
             QStringList({"S0", "S1", "S2", "S3", "S4", "S2", "S3", "S5", "S6", "S7", "S8", "S9"}));
  }

  void declinedDropChangesNothing() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    app.answerNext({kAlertAlternate});  // "Cancel"
    app.controller.acceptDrop(SlotList::Models, {9}, 0, Qt::MoveAction);
    QCOMPARE(db.modelName(0), QStringLiteral("M0"));
    QCOMPARE(db.modelName(9), QStringLiteral("M9"));
  }

  void movedModelsKeepTheirSounds() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    app.answerNext({kAlertDefault});
    app.controller.acceptDrop(SlotList::Models, {9}, 0, Qt::MoveAction);
    QCOMPARE(db.modelName(0), QStringLiteral("M9"));
    QCOMPARE(db.scriptValue(9, "R1ModellIndex"), QStringLiteral("0"));
    QCOMPARE(app.cell(SlotList::Sounds, 9, "model1"), QStringLiteral("0 (M9)"));
    QCOMPARE(app.cell(SlotList::Sounds, 2, "model1"), QStringLiteral("3 (M2)"));
  }

  void removeFromTheMenuClosesTheGaps() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    app.selectRows(SlotList::Sounds, {3, 5});
    app.answerNext({kAlertOther});  // "Remove"
    app.edits.doDeleteSelectedSounds();
    const Alerts::Record& alert = app.controller.alerts().history().back();
    QCOMPARE(alert.buttons.defaultButton, std::string("Cancel"));
    QCOMPARE(alert.buttons.alternateButton, std::string("Delete"));
    QCOMPARE(alert.buttons.otherButton, std::string("Remove"));
    QCOMPARE(soundNames(app, 9),
             QStringList({"S0", "S1", "S2", "S4", "S6", "S7", "S8", "S9", "--<empty>--"}));
  }

  void consolidationRemovesUnusedModelsAndRenumbers() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    app.answerNext({kAlertAlternate});  // "Yes"
    app.edits.consolidate();
    QCOMPARE(db.modelName(0), QStringLiteral("M0"));
    QCOMPARE(db.modelName(1), QStringLiteral("M2"));
    QCOMPARE(db.modelName(2), QStringLiteral("M5"));
    QCOMPARE(db.modelName(3), QStringLiteral("M9"));
    QVERIFY(!db.exists("Models/004.model"));
    QCOMPARE(db.scriptValue(2, "R1ModellIndex"), QStringLiteral("1"));
    QCOMPARE(db.scriptValue(5, "R1ModellIndex"), QStringLiteral("2"));
    QCOMPARE(db.scriptValue(9, "R1ModellIndex"), QStringLiteral("3"));
  }

  void findAndReplaceChangesTheSelectedSoundsOnly() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    app.selectRows(SlotList::Sounds, {1, 3, 9});
    app.edits.showFindAndReplace();
    FindReplaceWindow* window = app.interface.findReplaceWindow;
    window->source()->setCurrentIndex(0);
    window->destination()->setCurrentIndex(7);
    window->replaceButton()->click();
    QVERIFY(!window->isVisible());
    const Alerts::Record& result = app.controller.alerts().history().back();
    QCOMPARE(result.message, QStringLiteral("Find & replace complete"));
    // Sounds 1 and 3 refer to model 0 twice (the second reference switched off), sound 9 once.
    QCOMPARE(result.informative, QStringLiteral("Replaced 5 occurrences."));
    QCOMPARE(db.scriptValue(1, "R1ModellIndex"), QStringLiteral("7"));
    QCOMPARE(db.scriptValue(9, "R2ModellIndex"), QStringLiteral("7"));
    QCOMPARE(db.scriptValue(3, "R1ModellIndex"), QStringLiteral("7"));
    QCOMPARE(db.scriptValue(4, "R1ModellIndex"), QStringLiteral("0"));  // not selected
  }

  void namesExportWritesBothFiles() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    app.edits.updateSoundAndModelFiles();
    QCOMPARE(QFileInfo(db.path() + "/SoundNames").size(), 21000);
    QCOMPARE(QFileInfo(db.path() + "/ModelNames").size(), 16000);
    const Alerts::Record& alert = app.controller.alerts().history().back();
    QCOMPARE(alert.message, QStringLiteral("File update complete"));
    QCOMPARE(alert.buttons.defaultButton, std::string("Good!"));
  }

  void menuCopyToSlotGoesTheDropsWay() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    app.selectRows(SlotList::Sounds, {0});
    app.answerNext({kAlertDefault});
    app.edits.copyOrMoveSelectedTo(SlotList::Sounds, true, 10);
    QCOMPARE(app.cell(SlotList::Sounds, 10, "soundName"), QStringLiteral("S0"));
  }
};

QTEST_MAIN(EditFromWindowTest)
#include "EditFromWindowTest.moc"
