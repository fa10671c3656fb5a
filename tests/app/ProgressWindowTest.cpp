// The progress panel's two states and what each call leaves on the panel.
#include <QDialog>
#include <QTest>
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
};

QTEST_MAIN(ProgressWindowTest)
#include "ProgressWindowTest.moc"
