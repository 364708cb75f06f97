#include "DialogDriver.h"

#include <QLabel>
#include <QTableWidget>

using namespace qb;
using namespace qb::test;

namespace {

constexpr int kControllerCommand = commands::kBroadcastControllerSetup;
constexpr int kPointCommand = commands::kBroadcastPointSetup;

QString cellText(QWidget* dialog, int row, int column) {
    auto* grid = dialog->findChild<QTableWidget*>("controllerGrid");
    return grid && grid->item(row - 1, column) ? grid->item(row - 1, column)->text() : QString();
}

void clickCell(QWidget* dialog, int row, int column) {
    auto* grid = control<QTableWidget>(dialog, "controllerGrid");
    QVERIFY(grid);
    grid->scrollToItem(grid->item(row - 1, column));
    const QRect cell = grid->visualRect(grid->model()->index(row - 1, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

} // namespace

class BroadcastDialogGuiTest : public QObject, private test::SessionFixture {
    Q_OBJECT

private slots:
    void init() { QVERIFY(startSession()); }
    void cleanup() { endSession(); }

    void controllerGridIsWrittenOnOk() {
        const QString caption = runDialog(kControllerCommand, [](QWidget* dialog) {
            QCOMPARE(control<QTableWidget>(dialog, "controllerGrid")->rowCount(), 30);
            clickCell(dialog, 2, 1);
            QCOMPARE(cellText(dialog, 2, 1), QString("×"));
            clickCell(dialog, 1, 2);
            auto* list = control<QComboBox>(dialog, "cellList");
            QVERIFY(list);
            QTRY_VERIFY(list->isVisible() && list->hasFocus());
            QCOMPARE(list->currentText(), QString("30"));
            list->setCurrentIndex(list->findText("60"));
            giveFocus(control<QTableWidget>(dialog, "controllerGrid"), Qt::MouseFocusReason);
            QTRY_VERIFY(!list->isVisible());
            QCOMPARE(cellText(dialog, 1, 2), QString("60"));
            press(dialog, "ok");
            QVERIFY(!dialog->isVisible());
        });
        QCOMPARE(caption, QString("BroadCast Controller Setting"));
        QCOMPARE(test::readAll(dataFile("M001BROD.BIN")).size(), std::size_t(152));
        QCOMPARE(int(store().broadcast.working.registration(2)), 0);
        QCOMPARE(int(store().broadcast.working.sizeCode(1)), 1);
        QVERIFY(!store().broadcast.modified());
        QVERIFY(m_prompter.messages.empty());
    }

    void pointPagesAreWrittenOnOk() {
        store().broadcast.working.registration(1) = 1;
        DeviceRecord& module = store().devices(1).working.device(1, 3);
        module.registration = 1;
        module.equipType = 77;
        const QString caption = runDialog(kPointCommand, [](QWidget* dialog) {
            QCOMPARE(control<QLabel>(dialog, "pageLabel")->text(), QString("1/1"));
            QCOMPARE(control<QPushButton>(dialog, "exit")->text(), QString("Eixt"));
            choose(dialog, "controllers", "1");
            choose(dialog, "points", "2");
            choose(dialog, "loopBoards", "01");
            choose(dialog, "loops", "01");
            selectRow(dialog, "modules", "003BCST-M");
            press(dialog, "addOutput");
            auto* results = control<QListWidget>(dialog, "results");
            QVERIFY(results);
            QCOMPARE(results->count(), 1);
            QCOMPARE(results->item(0)->text(), QString("001  01-1-003 B-module"));
            press(dialog, "add");
            QCOMPARE(control<QLabel>(dialog, "pageLabel")->text(), QString("2/2"));
            QCOMPARE(control<QComboBox>(dialog, "points")->currentText(), QString("3"));
            press(dialog, "ok");
            QVERIFY(!dialog->isVisible());
        });
        QCOMPARE(caption, QString("Broadcasting control point setting"));
        QCOMPARE(test::readAll(dataFile("M001BCPD.BIN")).size(), std::size_t(2064));
        QVERIFY(store().broadcastPoints.working.used(0));
        QVERIFY(!store().broadcastPoints.working.used(1));
        QVERIFY(!store().broadcastPoints.modified());
        QVERIFY(m_prompter.messages.empty());
    }
};

QTEST_MAIN(BroadcastDialogGuiTest)
#include "BroadcastDialogGuiTest.moc"
