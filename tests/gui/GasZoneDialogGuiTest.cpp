#include "DialogDriver.h"

using namespace qb;
using namespace qb::test;

class GasZoneDialogGuiTest : public QObject, private test::SessionFixture {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(startSession());
        store().gasZones.working.zone(2)[GasZoneTable::kRegistered] = 1;
    }

    void cleanup() { endSession(); }

    void okFromTheToolsMenuWritesTheZoneAndStaysOpen() {
        const QString caption = runTool("Gas Zone Parameters", [](QWidget* dialog) {
            QCOMPARE(control<QComboBox>(dialog, "zones")->currentText(), QString("2"));
            choose(dialog, "valveDrive", "Constant");
            choose(dialog, "heatCount", "3");
            press(dialog, "ok");
            QVERIFY(dialog->isVisible());
            QCOMPARE(control<QComboBox>(dialog, "heatCount")->currentText(), QString("3"));
            press(dialog, "cancel");
            QVERIFY(!dialog->isVisible());
        });
        QCOMPARE(caption, QString("Gas fire extinguishing zone parameter setting"));
        QCOMPARE(m_prompter.texts(), std::vector<std::string>{"Save success!"});
        QCOMPARE(test::readAll(dataFile("M001QMPS.BIN")).size(), std::size_t(1056));
        QCOMPARE(int(store().gasZones.saved.zone(2)[GasZoneTable::kHeatCount]), 3);
    }
};

QTEST_MAIN(GasZoneDialogGuiTest)
#include "GasZoneDialogGuiTest.moc"
