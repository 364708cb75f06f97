#include "DialogDriver.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

using namespace qb;
using namespace qb::test;

class HydrantDialogGuiTest : public QObject, private test::SessionFixture {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(startSession());
        store().ioBoards.working.registration(5) = 1;
        for (auto [address, product, equip] : {std::tuple{3, 58, 2}, {12, 52, 14}}) {
            DeviceRecord& d = store().devices(5).working.device(1, address);
            d.registration = 1;
            d.productType = static_cast<std::uint8_t>(product);
            d.equipType = static_cast<std::uint8_t>(equip);
        }
    }

    void cleanup() { endSession(); }

    void onePageFromTheToolsMenuIsWrittenOnOk() {
        QAction* entry = toolsEntry("Hydrant Setup");
        QVERIFY(entry);
        QString caption;
        whenModal([&](QWidget* dialog) {
            caption = dialog->windowTitle();
            [&] {
                QVERIFY(makeActive(dialog));
                QCOMPARE(control<QLabel>(dialog, "pageLabel")->text(), QString("1/1"));
                tick(dialog, "reg");
                choose(dialog, "inputBoards", "05");
                choose(dialog, "inputLoops", "01");
                selectRow(dialog, "inputs", "003 HydrCP");
                choose(dialog, "loopBoards", "05");
                choose(dialog, "loops", "01");
                selectRow(dialog, "modules", "012HydrCP");
                press(dialog, "addOutput");
                auto* results = control<QListWidget>(dialog, "results");
                QVERIFY(results && results->count() == 1);
                press(dialog, "ok");
                QVERIFY(!dialog->isVisible());
            }();
            if (dialog->isVisible()) {
                dialog->close(); // a failed step must not leave the test waiting
            }
        });
        entry->trigger();
        QCOMPARE(caption, QString("Four wire  hydrant setting"));
        const auto written = test::readAll(dataFile("M001XHSB.BIN"));
        QCOMPARE(written.size(), std::size_t(8432));
        QCOMPARE(int(written[32]), 1); // input 1 is in use and registered
        QVERIFY(!store().hydrant.modified());
        QVERIFY(m_prompter.messages.empty());
    }
};

QTEST_MAIN(HydrantDialogGuiTest)
#include "HydrantDialogGuiTest.moc"
