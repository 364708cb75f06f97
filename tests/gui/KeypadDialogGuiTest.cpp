#include "DialogDriver.h"
#include "app/Session.h"
#include "devices/KeypadEditor.h"
#include "store/ConfigStore.h"
#include "support/FakePrompter.h"
#include "support/TempDir.h"
#include "ui/MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

using namespace qb;
using namespace qb::test;

namespace {

constexpr int kKeypadCommand = commands::kZcpSetup;
constexpr std::size_t kFirstRecord = 32;

using Bytes = std::vector<std::uint8_t>;

QString label(QWidget* dialog) {
    auto* pageLabel = control<QLabel>(dialog, "pageLabel");
    return pageLabel ? pageLabel->text() : QString();
}

} // namespace

class KeypadDialogGuiTest : public QObject, private test::SessionFixture {
    Q_OBJECT

private:
    std::filesystem::path keypadFile() { return dataFile("M001KPAD.BIN"); }

    QString runDialog(const std::function<void(QWidget*)>& act) {
        return SessionFixture::runDialog(kKeypadCommand, act);
    }

    Bytes writtenRecord(int index) {
        const Bytes file = test::readAll(keypadFile());
        if (file.size() < kFirstRecord + 8 * static_cast<std::size_t>(index + 1)) {
            return {};
        }
        const auto start = file.begin() + static_cast<std::ptrdiff_t>(kFirstRecord + 8 * index);
        return Bytes(start, start + 8);
    }

private slots:
    void init() {
        QVERIFY(startSession());
        store().zones.working.zone(7).registration = 1;
    }

    void cleanup() { endSession(); }

    void zonePointIsWrittenOnOk() {
        const QString caption = runDialog([](QWidget* dialog) {
            QCOMPARE(label(dialog), QString("Cond. 1/1"));
            QVERIFY(!control<QComboBox>(dialog, "loopBoards")->isEnabled());
            QVERIFY(!control<QCheckBox>(dialog, "fieldDevice")->isChecked());
            QCOMPARE(control<QComboBox>(dialog, "button")->count(), 32);
            choose(dialog, "button", "Button No.03");
            selectRow(dialog, "modules", "Zone 07");
            press(dialog, "addTarget");
            auto* outputs = control<QListWidget>(dialog, "outputs");
            QVERIFY(outputs);
            QCOMPARE(outputs->count(), 1);
            QCOMPARE(outputs->item(0)->text(), QString("Zone 07"));
            QVERIFY(!control<QPushButton>(dialog, "addTarget")->isEnabled());
            QVERIFY(control<QPushButton>(dialog, "removeTarget")->isEnabled());
            press(dialog, "ok");
            QVERIFY(!dialog->isVisible());
        });
        QCOMPARE(caption, QString("Manual Control Panel Setting"));
        QVERIFY(std::filesystem::exists(keypadFile()));
        QCOMPARE(test::readAll(keypadFile()).size(), std::size_t(432));
        const Bytes record = writtenRecord(0);
        QCOMPARE(record.size(), std::size_t(8));
        QVERIFY(record[0] == 0 || record[0] == 1);
        QCOMPARE(Bytes(record.begin() + 1, record.end()), (Bytes{0, 3, 7, 0xFF, 0xFF, 0xFF, 0xFF}));
        QVERIFY(!store().keypad.modified());
        QVERIFY(m_prompter.messages.empty());
    }

    void fieldDevicePointOnASecondPage() {
        store().ioBoards.working.registration(5) = 1;
        DeviceRecord& fan = store().devices(5).working.device(1, 12);
        fan.registration = 1;
        fan.productType = 52;
        fan.equipType = 48;
        runDialog([this](QWidget* dialog) {
            tick(dialog, "reg");
            choose(dialog, "button", "Button No.03");
            selectRow(dialog, "modules", "Zone 07");
            press(dialog, "addTarget");

            // Leaving is refused until the new page has a target too.
            press(dialog, "add");
            QCOMPARE(label(dialog), QString("Cond. 2/2"));
            QCOMPARE(control<QComboBox>(dialog, "button")->currentText(), QString("Button No.04"));
            press(dialog, "lastPage");
            QCOMPARE(m_prompter.texts(),
                     std::vector<std::string>{std::string(KeypadEditor::kNotComplete) +
                                              "\nNo target is chosen."});
            QCOMPARE(label(dialog), QString("Cond. 2/2"));

            choose(dialog, "button", "Button No.01");
            tick(dialog, "fieldDevice");
            QVERIFY(control<QComboBox>(dialog, "loopBoards")->isEnabled());
            // Nothing to choose until a board is: the list holds only why.
            QCOMPARE(control<QListWidget>(dialog, "modules")->count(), 1);
            QCOMPARE(control<QListWidget>(dialog, "modules")->item(0)->flags(), Qt::NoItemFlags);
            choose(dialog, "loopBoards", "05");
            selectRow(dialog, "modules", "012SmkFan");
            press(dialog, "addTarget");
            QCOMPARE(control<QListWidget>(dialog, "outputs")->item(0)->text(),
                     QString("05-1-012SmkFan"));
            QVERIFY(!control<QCheckBox>(dialog, "fieldDevice")->isEnabled());
            press(dialog, "lastPage");
            QCOMPARE(label(dialog), QString("Cond. 1/2"));
            QVERIFY(control<QCheckBox>(dialog, "reg")->isChecked());
            QVERIFY(!control<QCheckBox>(dialog, "fieldDevice")->isChecked());
            press(dialog, "ok");
        });
        QCOMPARE(writtenRecord(0), (Bytes{1, 0, 3, 7, 0xFF, 0xFF, 0xFF, 0xFF}));
        QCOMPARE(writtenRecord(1), (Bytes{0, 1, 1, 5, 1, 0xFF, 12, 0}));
        QCOMPARE(writtenRecord(2), Bytes(8, 0xFF));
    }

    void exitAndTheCloseBoxKeepNothing_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("exit button") << false;
        QTest::newRow("close box") << true;
    }

    void exitAndTheCloseBoxKeepNothing() {
        QFETCH(bool, closeBox);
        const KeypadTable before = store().keypad.working;
        runDialog([closeBox](QWidget* dialog) {
            choose(dialog, "button", "Button No.05");
            selectRow(dialog, "modules", "Zone 07");
            press(dialog, "addTarget");
            press(dialog, "add");
            if (closeBox) {
                dialog->close();
            } else {
                press(dialog, "exit");
            }
            QVERIFY(!dialog->isVisible());
        });
        QVERIFY(!std::filesystem::exists(keypadFile()));
        QVERIFY(store().keypad.working == before);
    }
};

QTEST_MAIN(KeypadDialogGuiTest)
#include "KeypadDialogGuiTest.moc"
