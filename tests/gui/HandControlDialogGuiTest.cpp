#include "DialogDriver.h"
#include "store/ConfigStore.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace qb;
using namespace qb::test;

namespace {

constexpr int kHandControlCommand = commands::kHandControlSetup;

void makeDevice(ConfigStore& store, int address, std::uint8_t product, std::uint8_t equip) {
    DeviceRecord& d = store.devices(1).working.device(1, address);
    d.registration = 1;
    d.productType = product;
    d.equipType = equip;
}

} // namespace

class HandControlDialogGuiTest : public QObject, private test::SessionFixture {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(startSession());
        makeDevice(store(), 4, 56, 76);  // ManualCtrl
        makeDevice(store(), 12, 52, 48); // SmkFan
    }

    void cleanup() { endSession(); }

    void aPointMadeInTheDialogIsWrittenOnOk() {
        const QString caption = runDialog(kHandControlCommand, [](QWidget* dialog) {
            QCOMPARE(control<QLabel>(dialog, "pageLabel")->text(), QString("Cond. 1/1"));
            tick(dialog, "reg");
            choose(dialog, "inputBoards", "01");
            choose(dialog, "inputLoops", "01");
            selectRow(dialog, "manualCtrls", "004 ManualCtrl");
            choose(dialog, "hosts", "001");
            choose(dialog, "loopBoards", "01");
            choose(dialog, "loops", "01");
            selectRow(dialog, "modules", "012SmkFan");
            press(dialog, "addOutput");
            auto* results = control<QListWidget>(dialog, "results");
            QVERIFY(results);
            QCOMPARE(results->count(), 1);
            QVERIFY(!control<QPushButton>(dialog, "addOutput")->isEnabled());
            press(dialog, "ok");
            QVERIFY(!dialog->isVisible());
        });
        QCOMPARE(caption, QString("Manual Control Panel Setting"));
        QCOMPARE(test::readAll(dataFile("M001LDMA.BIN")).size(), std::size_t(43244));
        QVERIFY(!store().handControl.modified());
        QCOMPARE(store().handControl.saved.pointCount(), 1);
        QVERIFY(m_prompter.messages.empty());
    }
};

QTEST_MAIN(HandControlDialogGuiTest)
#include "HandControlDialogGuiTest.moc"
