#include "DialogDriver.h"
#include "ui/FindDeviceView.h"

#include <QLineEdit>
#include <QTableWidget>
#include <QTreeWidget>

using namespace qb;
using namespace qb::test;

class FindDeviceGuiTest : public QObject, private test::SessionFixture {
    Q_OBJECT

private slots:
    void init() { QVERIFY(startSession()); }
    void cleanup() { endSession(); }

    // From the keyboard alone: Ctrl+F, typing, Tab into the list, Enter on the hit; the main window
    // shows the device's board with its row current and takes the focus.
    void ctrlFTypingAndEnterShowTheDeviceRow() {
        store().ioBoards.working.registration(2) = 1;
        store().ioBoards.working.registration(6) = 1;
        store().devices(6).working.device(1, 250).position.assign(u"Küche Herd");

        QTest::keySequence(&window(), QKeySequence::Find);
        ui::FindDeviceView* dialog = window().findChild<ui::FindDeviceView*>();
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QTRY_COMPARE(QApplication::focusWidget(), dialog->textBox());
        QVERIFY(dialog->frameGeometry().width() <= 1024 && dialog->frameGeometry().height() <= 768);

        QTest::keyClicks(dialog->textBox(), "KÜCHE");
        QTreeWidget* list = dialog->list();
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(5), QString("Küche Herd"));
        QTest::keyClick(dialog->textBox(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), list);
        QTest::keyClick(list, Qt::Key_Return);

        QCOMPARE(window().logic().state().page, PageId::Devices);
        QCOMPARE(window().firstSelector()->currentText(), QString("06"));
        QTableWidget* grid = window().grid();
        QCOMPARE(grid->currentRow(), 249);
        QCOMPARE(grid->currentItem()->text(), QString("Küche Herd"));
        QTRY_VERIFY(grid->hasFocus());

        // Ctrl+F again brings the one window back with the text to type over.
        QTest::keySequence(&window(), QKeySequence::Find);
        QCOMPARE(window().findChildren<ui::FindDeviceView*>().size(), 1);
        QTRY_COMPARE(QApplication::focusWidget(), dialog->textBox());
        QCOMPARE(dialog->textBox()->selectedText(), QString("KÜCHE"));
    }
};

QTEST_MAIN(FindDeviceGuiTest)
#include "FindDeviceGuiTest.moc"
