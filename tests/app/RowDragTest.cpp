// Row drag and drop: the payload, which drops are offered to the model, and which notification a
// drop posts with which rows and target.
#include <QMimeData>
#include <QTest>

#include "AppTestSupport.h"
#include "app/RowDragPayload.h"
#include "app/SlotListModel.h"
#include "ui/SlotTableView.h"

using slotsmith::SlotList;

class RowDragTest : public QObject {
  Q_OBJECT

 private:
  struct Posted {
    QString name;
    QList<int> rows;
    int row = -2;
  };

  // Records the row drops the lists hand on instead of running the edits.
  struct Recorder {
    explicit Recorder(TestApplication& app) {
      for (SlotList list : {SlotList::Sounds, SlotList::Models}) {
        app.controller.lists().model(list)->setDropHandler(
            [this, list](const QList<int>& rows, int row, Qt::DropAction action) {
              const QString name = QString(action == Qt::CopyAction ? "copy " : "move ") +
                                   (list == SlotList::Sounds ? "sounds" : "models");
              posted.push_back({name, rows, row});
            });
      }
    }
    std::vector<Posted> posted;
  };

  static std::unique_ptr<QMimeData> dragOf(TestApplication& app, SlotList list,
                                           const QList<int>& rows) {
    SlotListModel* model = app.controller.lists().model(list);
    QModelIndexList indexes;
    for (int row : rows) {
      for (int column = 0; column < model->columnCount(); ++column) {
        indexes << model->index(row, column);
      }
    }
    return std::unique_ptr<QMimeData>(model->mimeData(indexes));
  }

 private Q_SLOTS:
  void payloadCarriesTheRowSetLosslessly() {
    QCOMPARE(rowdrag::decode(rowdrag::encode({9, 3, 9})), QList<int>({3, 9}));
    QCOMPARE(rowdrag::decode(rowdrag::encode({})), QList<int>());
    QVERIFY(!rowdrag::decode(QByteArray("garbage")));
    QVERIFY(!rowdrag::decode(rowdrag::encode({1, 2, 3}).left(10)));
  }

  void dropBetweenRowsHandsOnMoveOrCopyWithRowsAndTarget() {
    TestApplication app;
    Recorder recorder(app);
    const auto sounds = dragOf(app, SlotList::Sounds, {5, 6, 7});
    SlotListModel* soundModel = app.controller.lists().model(SlotList::Sounds);
    QVERIFY(soundModel->dropMimeData(sounds.get(), Qt::MoveAction, 21, 0, QModelIndex()));
    QVERIFY(soundModel->dropMimeData(sounds.get(), Qt::CopyAction, 21, 0, QModelIndex()));
    const auto models = dragOf(app, SlotList::Models, {3, 9});
    SlotListModel* modelModel = app.controller.lists().model(SlotList::Models);
    QVERIFY(modelModel->dropMimeData(models.get(), Qt::MoveAction, 1000, 0, QModelIndex()));
    QVERIFY(modelModel->dropMimeData(models.get(), Qt::CopyAction, 0, 0, QModelIndex()));
    QCOMPARE(recorder.posted.size(), size_t{4});
    QCOMPARE(recorder.posted[0].name, QStringLiteral("move sounds"));
    QCOMPARE(recorder.posted[0].rows, QList<int>({5, 6, 7}));
    QCOMPARE(recorder.posted[0].row, 21);
    QCOMPARE(recorder.posted[1].name, QStringLiteral("copy sounds"));
    QCOMPARE(recorder.posted[2].name, QStringLiteral("move models"));
    QCOMPARE(recorder.posted[2].rows, QList<int>({3, 9}));
    QCOMPARE(recorder.posted[2].row, 1000);  // below the last row, passed on as it is
    QCOMPARE(recorder.posted[3].name, QStringLiteral("copy models"));
    QCOMPARE(recorder.posted[3].rows, QList<int>({3, 9}));
    QCOMPARE(recorder.posted[3].row, 0);
  }

  void rowsOfOneListAreRefusedByTheOther() {
    TestApplication app;
    Recorder recorder(app);
    const auto sounds = dragOf(app, SlotList::Sounds, {1});
    SlotListModel* modelModel = app.controller.lists().model(SlotList::Models);
    QVERIFY(!modelModel->canDropMimeData(sounds.get(), Qt::MoveAction, 4, 0, QModelIndex()));
    QVERIFY(!modelModel->dropMimeData(sounds.get(), Qt::MoveAction, 4, 0, QModelIndex()));
    QVERIFY(recorder.posted.empty());
  }

  void dropOntoARowIsRefused() {
    TestApplication app;
    const auto sounds = dragOf(app, SlotList::Sounds, {1});
    SlotListModel* model = app.controller.lists().model(SlotList::Sounds);
    QVERIFY(!model->canDropMimeData(sounds.get(), Qt::MoveAction, -1, -1, model->index(4, 0)));
    QVERIFY(model->canDropMimeData(sounds.get(), Qt::MoveAction, 4, 0, QModelIndex()));
  }

  void viewOffersOnlyGapsBetweenRows() {
    TestApplication app;
    SlotTableView* view = app.controller.lists().view(SlotList::Sounds);
    view->resize(400, 300);
    view->show();
    const int top = view->rowViewportPosition(2);
    const int height = view->rowHeight(2);
    QCOMPARE(view->dropGapAt(QPoint(20, top + 1)), 2);
    QCOMPARE(view->dropGapAt(QPoint(20, top + height - 1)), 3);
    QCOMPARE(view->dropGapAt(QPoint(20, top + height / 2)), -1);
    view->scrollToBottom();
    const int last = view->rowViewportPosition(999) + view->rowHeight(999);
    if (last < view->viewport()->height()) {
      QCOMPARE(view->dropGapAt(QPoint(20, last + 2)), 1000);
    }
    QCOMPARE(view->dropGapAt(QPoint(20, view->rowViewportPosition(999) + view->rowHeight(999) - 1)),
             1000);
  }

  void dragFromAnotherWidgetIsRefusedByTheView() {
    TestApplication app;
    SlotTableView* view = app.controller.lists().view(SlotList::Sounds);
    view->resize(400, 300);
    view->show();
    const auto sounds = dragOf(app, SlotList::Sounds, {1});
    QDragEnterEvent enter(QPoint(20, 20), Qt::MoveAction, sounds.get(), Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(view->viewport(), &enter);
    QVERIFY(!enter.isAccepted());  // no drag of this list is running: the source is not the list
  }
};

QTEST_MAIN(RowDragTest)
#include "RowDragTest.moc"
