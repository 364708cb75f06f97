#include "DialogDriver.h"

#include <QComboBox>
#include <QListWidget>
#include <QtTest>

using namespace qb;
using namespace qb::test;

// On a configuration with nothing set up, the linkage editors' empty lists say why, on screen and
// to a screen reader, without offering the reason as something to choose.
class EmptyListGuiTest : public QObject, private SessionFixture {
    Q_OBJECT

private slots:
    void init() { QVERIFY(startSession()); }
    void cleanup() { endSession(); }

    void theModuleListOfAnEmptyLoopSaysWhatToSetWhere() {
        const QString reason = "no output modules on board 01 loop 1: set an output product "
                               "type on the Detector/Module page";
        runDialog(commands::kGeneralLinkageSetup, [&](QWidget* dialog) {
            choose(dialog, "loopBoards", "01");
            auto* modules = control<QListWidget>(dialog, "modules");
            QVERIFY(modules);
            QCOMPARE(modules->count(), 1);
            QCOMPARE(modules->item(0)->text(), reason);
            QVERIFY(!modules->item(0)->flags().testFlag(Qt::ItemIsSelectable));
            QVERIFY(modules->item(0)->font().italic());
            QCOMPARE(modules->accessibleDescription(), reason);

            // A click on the reason chooses nothing: "<<" still asks for a module.
            QTest::mouseClick(modules->viewport(), Qt::LeftButton, {},
                              modules->visualItemRect(modules->item(0)).center());
            QCOMPARE(modules->currentRow(), -1);
            QVERIFY(!control<QPushButton>(dialog, "addOutput")->isEnabled());
        });
    }

    void anEmptyDropDownShowsWhatIsMissingAndCarriesTheWholeReason() {
        for (int zone = 1; zone <= ZoneTable::kZones; ++zone) {
            store().zones.working.zone(zone).registration = 0;
        }
        runDialog(commands::kZoneLinkageSetup, [](QWidget* dialog) {
            auto* zones = control<QComboBox>(dialog, "zone");
            QVERIFY(zones);
            QCOMPARE(zones->count(), 0);
            QCOMPARE(zones->placeholderText(), QString("no zones registered"));
            QCOMPARE(zones->accessibleDescription(),
                     QString("no zones registered: register zones on the Zone page"));
        });
    }
};

QTEST_MAIN(EmptyListGuiTest)
#include "EmptyListGuiTest.moc"
