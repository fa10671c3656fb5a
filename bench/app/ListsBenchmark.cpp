// How long the window takes for its heavy moments on a full bank: a scan with both lists
// redrawn, the look at an unchanged disk, following a selection of all 1000 models into the sound
// list, the drop preview as a drag moves from one gap to the next, the bank map redrawn, a filter
// typed. Measured, never asserted: run it with -median or -iterations for numbers.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

#include "AppTestSupport.h"
#include "app/DatabaseSession.h"
#include "app/DropPreviewer.h"
#include "app/RowDragPayload.h"
#include "app/SelectionFollower.h"
#include "app/SlotListModel.h"
#include "core/DemoDatabase.h"
#include "ui/BankMap.h"
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
      app.controller.session().database().evaluateNeuronDb();
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
  // rescan, both lists redrawn. Models 100 to 199 go to the top of the bank each time. Beside it
  // the same edit as the command line makes it (the engine on the same database, every question
  // answered yes, nothing drawn), in the same run, so that the two are compared on one disk.
  void moveHundredModelsRoundTrip_data() {
    QTest::addColumn<bool>("desktop");
    QTest::newRow("desktop") << true;
    QTest::newRow("engine as the command line runs it") << false;
  }

  void moveHundredModelsRoundTrip() {
    QFETCH(bool, desktop);
    std::vector<int> block;
    for (int slot = 100; slot < 200; ++slot)
      block.push_back(slot);
    const MoveRequest move{Bank::Models, block, 0};
    if (!desktop) {
      SilentUi ui(SilentUi::Answer::Confirm);
      Database database(ui);
      database.setRoot(databaseRootFromPath(QFile::encodeName(root_).toStdString()));
      QBENCHMARK {
        QVERIFY(runEdit(database, move).isDone());
      }
      return;
    }
    TestApplication app;
    app.open(root_);
    app.interface.listWindow->show();
    QBENCHMARK {
      app.answerNext({kAlertDefault});
      QVERIFY(app.controller.edits().run(move).isDone());
      app.interface.listWindow->repaint();
    }
  }

  // From the moment another program's edit has ended to the lists showing it: the watch's event,
  // the settling of the burst, the scan and the redraw. Printed, not asserted.
  void listsFollowAnOutsideChange() {
    TestApplication app;
    app.open(root_);
    app.interface.listWindow->show();
    SilentUi ui(SilentUi::Answer::Confirm);
    Database other(ui);
    other.setRoot(databaseRootFromPath(QFile::encodeName(root_).toStdString()));
    QList<qint64> times;
    for (int round = 0; round < 5; ++round) {
      const QString before = app.cell(SlotList::Sounds, 0, "soundName");
      QVERIFY(runEdit(other, MoveRequest{Bank::Sounds, {0}, 500}).isDone());
      QElapsedTimer elapsed;
      elapsed.start();
      QTRY_VERIFY_WITH_TIMEOUT(app.cell(SlotList::Sounds, 0, "soundName") != before, 5000);
      times << elapsed.elapsed();
      QVERIFY(runEdit(other, MoveRequest{Bank::Sounds, {500}, 0}).isDone());
      QTRY_VERIFY_WITH_TIMEOUT(app.cell(SlotList::Sounds, 0, "soundName") == before, 5000);
    }
    std::sort(times.begin(), times.end());
    qInfo("lists follow an outside change in %lld ms (median of 5; %lld-%lld ms)", times[2],
          times.front(), times.back());
  }

  // The look at the disk made twice a second while the window is active, when nothing changed:
  // the times of the watched folders and the entries of every sound script and model name. It
  // runs on the event loop, so it has to stay well inside a frame.
  void lookAtAnUnchangedDisk() {
    TestApplication app;
    app.open(root_);
    QBENCHMARK {
      app.controller.session().followDiskIfTouched();
    }
    QVERIFY(!app.interface.listWindow->statusMessage().contains(QStringLiteral("outside")));
  }

  // One step of a drag: 100 sounds hover over the next gap; the preview is computed, the rows
  // tinted, the list and the bank map repainted. Each iteration moves on by one row.
  void dropPreviewPerRowChange() {
    TestApplication app;
    app.open(root_);
    SlotTableView* sounds = app.controller.lists().view(SlotList::Sounds);
    app.interface.listWindow->show();
    QList<int> block;
    for (int slot = 400; slot < 500; ++slot)
      block << slot;
    QMimeData rows;
    rows.setData(rowdrag::kSoundRowsMimeType, rowdrag::encode(block));
    int gap = 0;
    QBENCHMARK {
      app.controller.lists().previewer()->preview(SlotList::Sounds, gap, &rows, Qt::MoveAction);
      sounds->viewport()->repaint();
      app.interface.listWindow->soundMap()->repaint();
      gap = (gap + 1) % 900;
    }
  }

  // The map of the full model bank after a scan: its cells taken from the tables and painted.
  void bankMapRedraw() {
    TestApplication app;
    app.open(root_);
    app.interface.listWindow->show();
    BankMap* map = app.interface.listWindow->modelMap();
    QBENCHMARK {
      app.controller.session().database().tables().modelSlots[0].sIsUsed ^= 1;  // a change to show
      app.controller.lists().model(SlotList::Models)->redraw();
      map->repaint();
    }
  }

  // A filter typed into the sound list, one key: every slot matched, rows hidden, the list
  // repainted.
  void filterOneKey() {
    TestApplication app;
    app.open(root_);
    app.interface.listWindow->show();
    QLineEdit* field = app.interface.listWindow->soundFilter();
    bool longer = false;
    QBENCHMARK {
      field->setText(longer ? QStringLiteral("pa") : QStringLiteral("p"));
      app.controller.lists().view(SlotList::Sounds)->viewport()->repaint();
      longer = !longer;
    }
  }

  void followAllModelsIntoTheSoundList() {
    TestApplication app;
    app.open(root_);
    app.interface.listWindow->realtimeSearch()->setChecked(true);
    app.controller.lists().view(SlotList::Models)->selectAll();
    QBENCHMARK {
      app.controller.lists().follower()->selectRow(SlotList::Models);
    }
    QVERIFY(!app.controller.lists().selectedRows(SlotList::Sounds).isEmpty());
  }
};

QTEST_MAIN(ListsBenchmark)
#include "ListsBenchmark.moc"
