#include "DialogDriver.h"

using namespace qb;
using namespace qb::test;

class BatchPlacementDialogGuiTest : public QObject, private test::SessionFixture {
    Q_OBJECT

private slots:
    void init() { QVERIFY(startSession()); }
    void cleanup() { endSession(); }

    void setFromTheToolsMenuPlacesAndWritesAndTheDialogStaysOpen() {
        bool openAfterSet = false;
        const QString caption = runTool("Batch Device Placement", [&](QWidget* dialog) {
            QCOMPARE(control<QComboBox>(dialog, "loops")->currentText(), QString("No Set"));
            choose(dialog, "boards", "01");
            QCOMPARE(control<QComboBox>(dialog, "loops")->currentText(), QString("01"));
            choose(dialog, "loops", "02");
            typeAndLeave(dialog, "startAddress", "3", "endAddress");
            typeAndLeave(dialog, "endAddress", "5", "set");
            press(dialog, "set");
            openAfterSet = dialog->isVisible();
            press(dialog, "exit");
            QTRY_VERIFY(!dialog->isVisible());
        });
        QCOMPARE(caption, QString("Module/Detector Place Setting"));
        QVERIFY(openAfterSet);
        QCOMPARE(m_prompter.texts(), std::vector<std::string>{"Set successfully!"});
        QVERIFY(std::filesystem::exists(dataFile("M001ID01.BIN")));
        for (int address : {3, 5}) {
            QCOMPARE(int(store().devices(1).working.device(2, address).registration), 1);
        }
        QCOMPARE(int(store().devices(1).working.device(2, 6).registration), 0);
        QVERIFY(!store().devices(1).modified());
    }
};

QTEST_MAIN(BatchPlacementDialogGuiTest)
#include "BatchPlacementDialogGuiTest.moc"
