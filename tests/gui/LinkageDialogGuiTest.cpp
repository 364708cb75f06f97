#include "DialogDriver.h"
#include "app/Session.h"
#include "linkage/GeneralLinkageEditor.h"
#include "store/ConfigStore.h"
#include "support/FakePrompter.h"
#include "support/TempDir.h"
#include "ui/LinkageDialog.h"
#include "ui/MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

#include <algorithm>

using namespace qb;
using namespace qb::test;

namespace {

constexpr int kGeneralCommand = commands::kGeneralLinkageSetup;
constexpr int kZoneCommand = commands::kZoneLinkageSetup;
constexpr int kSpecificCommand = commands::kSpecificLinkageSetup;

// Where one kind keeps its "Reg" byte (the delay follows it) and its first output link within
// a condition record.
struct KindLayout {
    int kind;
    std::size_t reg;
    std::size_t firstOutput;
};
constexpr KindLayout kGeneral{1, 30, 32};
constexpr KindLayout kZone{2, 31, 34};
constexpr KindLayout kSpecific{6, 44, 46};

std::uint16_t u16At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes.at(offset) | bytes.at(offset + 1) << 8);
}

// The parts every kind shares: delay, "Reg" and one output from board 01.
void chooseTimingAndOutput(QWidget* dialog) {
    choose(dialog, "delay", "005s");
    tick(dialog, "reg");
    choose(dialog, "loopBoards", "01");
    selectRow(dialog, "modules", "005SmkFan");
    press(dialog, "addOutput");
    auto* results = control<QListWidget>(dialog, "results");
    QVERIFY(results);
    QCOMPARE(results->count(), 1);
}

} // namespace

class LinkageDialogGuiTest : public QObject, private test::SessionFixture {
    Q_OBJECT

private:
    // Checks the rule stored in record 0 and its output in record 0 of the result pool.
    void checkWrittenRule(const KindLayout& layout) {
        QVERIFY(std::filesystem::exists(dataFile("M001LDCO.BIN")));
        QVERIFY(std::filesystem::exists(dataFile("M001LDRE.BIN")));
        const auto conditions = test::readAll(dataFile("M001LDCO.BIN"));
        const auto outputs = test::readAll(dataFile("M001LDRE.BIN"));
        QCOMPARE(conditions.size(), LinkageInputTable::kSize);
        QCOMPARE(outputs.size(), LinkageResultTable::kSize);

        QCOMPARE(u16At(conditions, 32 + 2 * static_cast<std::size_t>(layout.kind - 1)), 0);
        const std::size_t rule = 48;
        QCOMPARE(int(conditions[rule]), layout.kind);
        QCOMPARE(int(conditions[rule + 1]), 1);
        QCOMPARE(int(conditions[rule + layout.reg]), 1);
        QCOMPARE(int(conditions[rule + layout.reg + 1]), 5);
        QCOMPARE(u16At(conditions, rule + layout.firstOutput), 0);

        const std::size_t output = 32;
        QCOMPARE(int(outputs[output]), 0);     // host
        QCOMPARE(int(outputs[output + 1]), 0); // board 01, loop 1
        QCOMPARE(u16At(outputs, output + 2), 5);
        QCOMPARE(u16At(outputs, output + 4), kChainEnd);
        QVERIFY(!store().linkageInputs.modified());
        QVERIFY(!store().linkageResults.modified());
    }

    void checkNothingKept() {
        QVERIFY(!std::filesystem::exists(dataFile("M001LDCO.BIN")));
        QVERIFY(!std::filesystem::exists(dataFile("M001LDRE.BIN")));
        QVERIFY(store().linkageInputs.working == store().linkageInputs.saved);
        QVERIFY(store().linkageResults.working == store().linkageResults.saved);
    }

private slots:
    void init() {
        QVERIFY(startSession());

        // A fan module on board 01, loop 1, address 5: something a rule can switch on.
        DeviceRecord& fan = store().devices(1).working.device(1, 5);
        fan.registration = 1;
        fan.productType = 52;
        fan.equipType = 48;
    }

    void cleanup() { endSession(); }

    void generalRuleIsWrittenOnOk() {
        const QString caption = runDialog(kGeneralCommand, [this](QWidget* dialog) {
            QVERIFY(!dialog->findChild<QComboBox*>("zone"));
            QVERIFY(!dialog->findChild<QLineEdit*>("addr0"));
            QCOMPARE(control<QLabel>(dialog, "pageLabel")->text(), QString("Cond. 1/1"));
            QCOMPARE(control<QPushButton>(dialog, "exit")->text(), QString("Exit"));
            chooseTimingAndOutput(dialog);

            // Without an input type the rule is incomplete: OK says so and keeps the dialog.
            press(dialog, "ok");
            QVERIFY(dialog->isVisible());
            QCOMPARE(m_prompter.texts(),
                     std::vector<std::string>{std::string(LinkageEditor::kNotComplete) +
                                              "\nNo input type is chosen. No number of fire "
                                              "signals is chosen."});

            tick(dialog, "box0");
            QCOMPARE(control<QCheckBox>(dialog, "box0")->text(), QString("OptDet"));
            choose(dialog, "fireSignals", "01");
            press(dialog, "ok");
        });
        QCOMPARE(caption, QString("General Linkage Setting"));
        checkWrittenRule(kGeneral);
        QCOMPARE(m_prompter.messages.size(), std::size_t(1));
    }

    void pagingShowsEachRuleAsStored() {
        runDialog(kGeneralCommand, [](QWidget* dialog) {
            auto* label = control<QLabel>(dialog, "pageLabel");
            auto* fireSignals = control<QComboBox>(dialog, "fireSignals");
            QVERIFY(label && fireSignals);
            chooseTimingAndOutput(dialog);
            tick(dialog, "box0");
            choose(dialog, "fireSignals", "01");
            QVERIFY(!control<QPushButton>(dialog, "prev")->isEnabled());

            press(dialog, "add");
            QCOMPARE(label->text(), QString("Cond. 2/2"));
            QVERIFY(control<QPushButton>(dialog, "prev")->isEnabled());
            QVERIFY(!control<QPushButton>(dialog, "next")->isEnabled());
            QCOMPARE(control<QComboBox>(dialog, "delay")->currentIndex(), -1);
            QVERIFY(!control<QCheckBox>(dialog, "box0")->isChecked());
            // No output yet: the list holds only why, which cannot be chosen.
            QCOMPARE(control<QListWidget>(dialog, "results")->count(), 1);
            QCOMPARE(control<QListWidget>(dialog, "results")->item(0)->flags(), Qt::NoItemFlags);

            choose(dialog, "delay", "010s");
            tick(dialog, "box1");
            choose(dialog, "fireSignals", "02");
            choose(dialog, "loopBoards", "01");
            selectRow(dialog, "modules", "005SmkFan");
            press(dialog, "addOutput");

            // The page number is typed, not signalled: "To" must hand it over first.
            auto* page = control<QLineEdit>(dialog, "toPage");
            QVERIFY(page);
            QTest::keyClicks(page, "1");
            press(dialog, "to");
            QCOMPARE(label->text(), QString("Cond. 1/2"));
            QCOMPARE(page->text(), QString());
            QCOMPARE(control<QComboBox>(dialog, "delay")->currentText(), QString("005s"));
            QVERIFY(control<QCheckBox>(dialog, "reg")->isChecked());
            QVERIFY(control<QCheckBox>(dialog, "box0")->isChecked());
            QVERIFY(!control<QCheckBox>(dialog, "box1")->isChecked());
            QCOMPARE(fireSignals->currentText(), QString("01"));
            QCOMPARE(control<QListWidget>(dialog, "results")->count(), 1);

            press(dialog, "next");
            QCOMPARE(label->text(), QString("Cond. 2/2"));
            QCOMPARE(control<QComboBox>(dialog, "delay")->currentText(), QString("010s"));
            QVERIFY(control<QCheckBox>(dialog, "box1")->isChecked());
            QCOMPARE(fireSignals->currentText(), QString("02"));
            press(dialog, "ok");
        });
        QVERIFY(std::filesystem::exists(dataFile("M001LDCO.BIN")));
        QVERIFY(m_prompter.messages.empty());
    }

    void zoneRuleIsWrittenOnOk() {
        store().zones.working.zone(3).registration = 1;
        const QString caption = runDialog(kZoneCommand, [](QWidget* dialog) {
            QCOMPARE(control<QPushButton>(dialog, "exit")->text(), QString("Cancel"));
            chooseTimingAndOutput(dialog);
            choose(dialog, "zone", "03");
            tick(dialog, "box0");
            choose(dialog, "fireSignals", "01");
            press(dialog, "ok");
        });
        QCOMPARE(caption, QString("Zone Linkage Setting"));
        checkWrittenRule(kZone);
    }

    void specificRuleIsWrittenOnOk() {
        const QString caption = runDialog(kSpecificCommand, [this](QWidget* dialog) {
            QVERIFY(!dialog->findChild<QCheckBox*>("box0"));
            chooseTimingAndOutput(dialog);
            choose(dialog, "host0", "001");
            choose(dialog, "board0", "01");
            typeAndLeave(dialog, "addr0", "12", "addr1");
            QCOMPARE(control<QLineEdit>(dialog, "addr0")->text(), QString("12"));
            QVERIFY(m_prompter.messages.empty());

            // Leaving a box with an address off the loop empties it.
            typeAndLeave(dialog, "addr1", "400", "addr2");
            QCOMPARE(control<QLineEdit>(dialog, "addr1")->text(), QString());
            QCOMPARE(m_prompter.texts(),
                     std::vector<std::string>{"Address value within 1-324 is required!"});
            press(dialog, "ok");
        });
        QCOMPARE(caption, QString("Specific Linkage Setting"));
        checkWrittenRule(kSpecific);
    }

    void exitWritesNothing() {
        runDialog(kGeneralCommand, [](QWidget* dialog) {
            chooseTimingAndOutput(dialog);
            tick(dialog, "box0");
            choose(dialog, "fireSignals", "01");
            press(dialog, "exit");
            QVERIFY(!dialog->isVisible());
        });
        checkNothingKept();
    }

    // The view itself restores the tables however the dialog is left, without relying on its
    // caller to do so.
    void everyWayOutButOkRestoresTheTables_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("exit button") << "exit";
        QTest::newRow("escape key") << "escape";
        QTest::newRow("close box") << "close";
    }

    void everyWayOutButOkRestoresTheTables() {
        QFETCH(QString, way);
        GeneralLinkageEditor editor(store(), m_prompter);
        editor.open();
        bool changed = false;
        test::whenModal([&](QWidget* dialog) {
            QVERIFY(makeActive(dialog));
            chooseTimingAndOutput(dialog);
            changed = store().linkageInputs.modified() || store().linkageResults.modified();
            if (way == "exit") {
                QTest::mouseClick(control<QPushButton>(dialog, "exit"), Qt::LeftButton);
            } else if (way == "escape") {
                QTest::keyClick(dialog, Qt::Key_Escape);
            }
            if (dialog->isVisible()) {
                dialog->close();
            }
        });
        QVERIFY(!ui::runLinkageDialog(&window(), editor));
        QVERIFY(changed);
        checkNothingKept();
    }
};

QTEST_MAIN(LinkageDialogGuiTest)
#include "LinkageDialogGuiTest.moc"
