#include "DialogDriver.h"
#include "ui/FindingsDialog.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTreeWidget>

using namespace qb;
using namespace qb::test;

class FindingsDialogGuiTest : public QObject, private test::SessionFixture {
    Q_OBJECT

private slots:
    void init() { QVERIFY(startSession()); }
    void cleanup() { endSession(); }

    // Through the Tools menu and the keyboard: the list sorted by severity, Enter on a device
    // finding shows its board on the Detector/Module page, and the list stays open.
    void enterOnAFindingShowsItsBoard() {
        store().ioBoards.working.registration(3) = 1;
        DeviceRecord& device = store().devices(3).working.device(1, 7);
        device.registration = 1;
        device.zone = 8; // zone 9 is not registered

        QAction* entry = toolsEntry("Check Configuration");
        QVERIFY(entry);
        entry->trigger();
        ui::FindingsDialog* dialog = window().findChild<ui::FindingsDialog*>();
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QVERIFY(makeActive(dialog));
        QTreeWidget* list = dialog->list();

        // Errors (nothing exported yet), then warnings, then notes, whatever the alphabet says.
        int rank = 0;
        const QStringList order{"error", "warning", "note"};
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            const int now = order.indexOf(list->topLevelItem(row)->text(0));
            QVERIFY2(now >= rank, qPrintable(list->topLevelItem(row)->text(4)));
            rank = now;
        }
        QCOMPARE(rank, 2);
        list->header()->setSortIndicator(0, Qt::DescendingOrder);
        QCOMPARE(list->topLevelItem(0)->text(0), QString("note"));

        const auto found = list->findItems("IO03-L1-007", Qt::MatchExactly, 2);
        QCOMPARE(found.size(), 1);
        giveFocus(list, Qt::TabFocusReason);
        list->setCurrentItem(found[0]);
        QTest::keyClick(list, Qt::Key_Return);

        QCOMPARE(window().logic().state().page, PageId::Devices);
        QCOMPARE(window().firstSelector()->currentText(), QString("03"));
        QVERIFY(dialog->isVisible());

        // A second Tools entry brings the same window back, checked again.
        store().zones.working.zone(9).registration = 1;
        entry->trigger();
        QCOMPARE(window().findChildren<ui::FindingsDialog*>().size(), 1);
        QVERIFY(list->findItems("IO03-L1-007", Qt::MatchExactly, 2).isEmpty());
    }
};

QTEST_MAIN(FindingsDialogGuiTest)
#include "FindingsDialogGuiTest.moc"
