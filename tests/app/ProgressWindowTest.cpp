// The progress panel's two states, what each call leaves on the panel, and where the keys go
// when it closes.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "AppTestSupport.h"
#include "ui/LUMModalProgressWindow.h"

using namespace slotsmith;

class ProgressWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { failOnQtWarnings(); }

  void openWithTextShowsTextMaximumAndZero() {
    QWidget owner;
    LUMModalProgressWindow progress(&owner);
    progress.setSlider(40);
    progress.openWithText("Analyzing NeuronDB...", 999);
    QVERIFY(progress.sessionIsOpen());
    QVERIFY(progress.window()->isVisible());
    QCOMPARE(progress.window()->windowModality(), Qt::ApplicationModal);
    QCOMPARE(progress.text(), QStringLiteral("Analyzing NeuronDB..."));
    QCOMPARE(progress.sliderMax(), 999);
    QCOMPARE(progress.slider(), 0);
    progress.close();
    QVERIFY(!progress.sessionIsOpen());
    QVERIFY(!progress.window()->isVisible());
  }

  void openAloneKeepsThePreviousState() {
    LUMModalProgressWindow progress;
    progress.openWithText("Removing...", 1000);
    progress.setSlider(17);
    progress.close();
    progress.open();
    QCOMPARE(progress.text(), QStringLiteral("Removing..."));
    QCOMPARE(progress.sliderMax(), 1000);
    QCOMPARE(progress.slider(), 17);
    progress.close();
  }

  void closedPanelTakesChangesWithoutOpening() {
    LUMModalProgressWindow progress;
    progress.close();  // without a preceding open
    progress.close();  // and once more: harmless
    progress.waitNextEvent();
    progress.setText("Copying sounds...");
    progress.setSliderMax(999);
    progress.setSlider(5);
    QVERIFY(!progress.sessionIsOpen());
    QVERIFY(!progress.window()->isVisible());
    QCOMPARE(progress.text(), QStringLiteral("Copying sounds..."));
    QCOMPARE(progress.slider(), 5);
  }

  void positionBeyondTheMaximumIsKept() {
    LUMModalProgressWindow progress;
    progress.openWithText("Moving models...", 999);
    progress.setSlider(1200);
    QCOMPARE(progress.slider(), 1200);
    progress.close();
  }

  // A fast edit shows the panel and closes it within one turn of the event loop; the window
  // manager's answer to the panel's activation arrives afterwards, in whatever order it chose.
  // However it arrives, the widget that had the keys has them again.
  void theKeysGoBackWhereTheyWereAfterAFastEdit_data() {
    // What becomes the active window after the close: p the hidden panel, o the owner, - none.
    QTest::addColumn<QString>("activations");
    QTest::newRow("nothing comes") << "";
    QTest::newRow("the owner loses it") << "-";
    QTest::newRow("the hidden panel gets it") << "-p";
    QTest::newRow("the panel, then the owner") << "-po";
    QTest::newRow("the owner, then the panel") << "op";
  }

  void theKeysGoBackWhereTheyWereAfterAFastEdit() {
    QFETCH(QString, activations);
    QWidget owner;
    auto* layout = new QVBoxLayout(&owner);
    auto* first = new QLineEdit(&owner);
    auto* list = new QLineEdit(&owner);
    layout->addWidget(first);
    layout->addWidget(list);
    owner.show();
    owner.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&owner));
    list->setFocus();
    QCOMPARE(QApplication::focusWidget(), list);
    LUMModalProgressWindow progress(&owner);
    progress.openWithText("Undoing...", 10);
    progress.close();
    QCoreApplication::processEvents();  // the program's own turn is over before the answer comes
    for (const QChar step : activations) {
      QApplication::setActiveWindow(step == 'p'   ? progress.window()
                                    : step == 'o' ? &owner
                                                  : nullptr);
    }
    QTRY_COMPARE(QApplication::focusWidget(), list);
    QVERIFY(QApplication::activeWindow() == &owner);
  }
};

QTEST_MAIN(ProgressWindowTest)
#include "ProgressWindowTest.moc"
