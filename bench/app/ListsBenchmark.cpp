// How long the window takes for its two heavy moments on a full bank: a scan with both lists
// redrawn, and following a selection of all 1000 models into the sound list. Measured, never
// asserted: run it with -median or -iterations for numbers.
#include <QCheckBox>
#include <QTest>

#include "AppTestSupport.h"
#include "app/SelectionFollower.h"
#include "core/DemoDatabase.h"
#include "ui/ListWindow.h"
#include "ui/SlotTableView.h"

class ListsBenchmark : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  QString root_;

 private Q_SLOTS:
  void initTestCase() {
    root_ = dir_.filePath("full");
    slotsmith::DemoOptions options;
    options.full = true;
    QVERIFY(slotsmith::writeDemoDatabase(QFile::encodeName(root_).toStdString(), options).isOk());
  }

  void scanAndRedrawFullBank() {
    TestApplication app;
    app.open(root_);
    app.interface.listWindow->show();
    QBENCHMARK {
      app.controller.database().evaluateNeuronDb();
    }
    QVERIFY(app.cell(SlotList::Sounds, 999, "soundName") != QStringLiteral("--<empty>--"));
  }

  // From the folder given to the lists painted: recovery, the scan, both lists redrawn.
  void openToPaintedLists() {
    TestApplication app;
    app.interface.listWindow->show();
    QBENCHMARK {
      app.open(root_);
      app.interface.listWindow->repaint();
    }
  }

  // An edit's round trip as the user sees it: the confirmation answered, the transaction, the
  // rescan, both lists redrawn. Models 100 to 199 go to the top of the bank each time.
  void moveHundredModelsRoundTrip() {
    TestApplication app;
    app.open(root_);
    app.interface.listWindow->show();
    QBENCHMARK {
      app.answerNext({kAlertDefault});
      std::vector<int> block;
      for (int slot = 100; slot < 200; ++slot)
        block.push_back(slot);
      const EditOutcome outcome = app.controller.runEdit(MoveRequest{Bank::Models, block, 0});
      QVERIFY(outcome.isDone());
      app.interface.listWindow->repaint();
    }
  }

  void followAllModelsIntoTheSoundList() {
    TestApplication app;
    app.open(root_);
    app.interface.listWindow->realtimeSearch()->setChecked(true);
    app.controller.listView(SlotList::Models)->selectAll();
    QBENCHMARK {
      app.controller.selectionFollower()->selectRow(SlotList::Models);
    }
    QVERIFY(!app.controller.selectedRows(SlotList::Sounds).isEmpty());
  }
};

QTEST_MAIN(ListsBenchmark)
#include "ListsBenchmark.moc"
