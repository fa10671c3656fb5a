// The folder drop zone: which dropped folder becomes the root, when the announcement follows,
// and what a disabled zone does.
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include "AppTestSupport.h"
#include "ui/myDropSpace.h"

using namespace slotsmith;

class DropSpaceTest : public QObject {
  Q_OBJECT

 private:
  static std::unique_ptr<QMimeData> filesDrag(const QStringList& paths) {
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& path : paths)
      urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
  }

  // Only folders whose name ends in "db" pass the database test.
  static void useNameTest(myDropSpace& zone) {
    zone.setDatabaseTest(
        [](const QString& folder) { return folder.endsWith(QLatin1String("db")); });
  }

 private Q_SLOTS:
  void init() { failOnQtWarnings(); }

  void startsEmptyEnabledAndQuiet() {
    myDropSpace zone;
    QCOMPARE(zone.path(), QString());
    QVERIFY(zone.dropEnabled());
    QVERIFY(!zone.highlighted());
    QVERIFY(!zone.notificationPending());
  }

  void firstPassingFolderBecomesTheRoot() {
    myDropSpace zone;
    useNameTest(zone);
    const auto drag = filesDrag({"/tmp/notes", "/tmp/second-db", "/tmp/third-db"});
    QVERIFY(zone.performDragOperation(drag.get()));
    QCOMPARE(zone.path(), QStringLiteral("/tmp/second-db"));
  }

  void dropWithoutDatabaseChangesNothingAndAnnouncesNothing() {
    myDropSpace zone;
    useNameTest(zone);
    QSignalSpy posted(&zone, &myDropSpace::folderWasDropped);
    const auto drag = filesDrag({"/tmp/notes"});
    QVERIFY(zone.performDragOperation(drag.get()));
    zone.concludeDragOperation();
    QCOMPARE(zone.path(), QString());
    QVERIFY(!zone.notificationPending());
    QCOMPARE(posted.count(), 0);
  }

  void disabledZoneRefusesAndClearsItsHighlight() {
    myDropSpace zone;
    useNameTest(zone);
    zone.setPath("/tmp/old-db");
    const auto drag = filesDrag({"/tmp/new-db"});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, drag.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&zone, &enter);
    QVERIFY(zone.highlighted());  // a disabled zone highlights too; it refuses only the drop
    zone.setDropDisabled();
    QVERIFY(!zone.performDragOperation(drag.get()));
    QVERIFY(!zone.highlighted());
    QCOMPARE(zone.path(), QStringLiteral("/tmp/old-db"));
  }

  void dragsWithoutFilesOrFromItselfAreRefusedOnEntry() {
    myDropSpace zone;
    QMimeData text;
    text.setText("hello");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&zone, &enter);
    QVERIFY(!enter.isAccepted());
    QVERIFY(!zone.highlighted());
    const auto files = filesDrag({"/tmp/x-db"});
    QVERIFY(zone.acceptsDragOf(files.get(), nullptr));
    QVERIFY(!zone.acceptsDragOf(files.get(), &zone));
  }

  void quickDropsAnnounceOnceTheLatestRoot() {
    myDropSpace zone;
    useNameTest(zone);
    zone.setNotificationDelay(200);
    QSignalSpy posted(&zone, &myDropSpace::folderWasDropped);
    const auto first = filesDrag({"/tmp/first-db"});
    zone.performDragOperation(first.get());
    zone.concludeDragOperation();
    QTest::qWait(50);
    const auto second = filesDrag({"/tmp/second-db"});
    zone.performDragOperation(second.get());
    zone.concludeDragOperation();
    QVERIFY(posted.wait(5000));
    QTest::qWait(400);
    QCOMPARE(posted.count(), 1);
    QCOMPARE(posted.at(0).at(0).value<myDropSpace*>(), &zone);
    QCOMPARE(zone.path(), QStringLiteral("/tmp/second-db"));
  }

  void announcementWaitsWhileDropsAreOff() {
    myDropSpace zone;
    useNameTest(zone);
    zone.setNotificationDelay(10);
    QSignalSpy posted(&zone, &myDropSpace::folderWasDropped);
    const auto drag = filesDrag({"/tmp/new-db"});
    zone.performDragOperation(drag.get());
    zone.concludeDragOperation();
    zone.setDropDisabled();  // an edit starts before the second is over
    QTest::qWait(100);
    QCOMPARE(posted.count(), 0);
    zone.setDropEnabled();
    QVERIFY(posted.wait(5000));
    QCOMPARE(posted.count(), 1);
  }

  void disabledZoneDrawsTheCross() {
    myDropSpace zone;
    zone.resize(320, 240);
    const QImage enabled = zone.grab().toImage();
    zone.setDropDisabled();
    const QImage disabled = zone.grab().toImage();
    const QPoint middle(160, 120);
    QCOMPARE(enabled.pixelColor(middle), QColor(224, 227, 255));
    QVERIFY(enabled.pixelColor(0, 0) == QColor(85, 85, 85));
    QVERIFY(disabled != enabled);
  }
};

QTEST_MAIN(DropSpaceTest)
#include "DropSpaceTest.moc"
