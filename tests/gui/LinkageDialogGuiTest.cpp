#include "ModalHelper.h"
#include "app/Session.h"
#include "linkage/LinkageEditors.h"
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

namespace {

constexpr int kGeneralCommand = 32788;
constexpr int kZoneCommand = 32789;
constexpr int kSpecificCommand = 32793;

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

template <class W> W* control(QWidget* dialog, const char* name) {
    W* found = dialog->findChild<W*>(name);
    if (!found) {
        QTest::qFail(qPrintable(QString("no control \"%1\"").arg(name)), __FILE__, __LINE__);
    }
    return found;
}

// Picks the entry with this text as the installer would, and checks the view kept it after
// mirroring the editor's state back.
void choose(QWidget* dialog, const char* name, const QString& text) {
    auto* combo = control<QComboBox>(dialog, name);
    QVERIFY(combo);
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(QString("%1 has no \"%2\"").arg(name, text)));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    QCOMPARE(combo->currentText(), text);
}

void tick(QWidget* dialog, const char* name) {
    auto* box = control<QCheckBox>(dialog, name);
    QVERIFY(box);
    QVERIFY(!box->isChecked());
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator =
        box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, indicator.center());
    QVERIFY(box->isChecked());
}

void press(QWidget* dialog, const char* name) {
    auto* button = control<QPushButton>(dialog, name);
    QVERIFY(button);
    QVERIFY2(button->isEnabled(), name);
    QTest::mouseClick(button, Qt::LeftButton);
}

void selectRow(QWidget* dialog, const char* name, const QString& text) {
    auto* list = control<QListWidget>(dialog, name);
    QVERIFY(list);
    const auto found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(QString("%1 has no \"%2\"").arg(name, text)));
    list->setCurrentRow(list->row(found[0]));
    QCOMPARE(list->currentItem()->text(), text);
}

// Types into an edit box, then moves the focus on so the box is left as by Tab.
void typeAndLeave(QWidget* dialog, const char* name, const QString& text, const char* next) {
    auto* box = control<QLineEdit>(dialog, name);
    auto* following = control<QWidget>(dialog, next);
    QVERIFY(box && following);
    box->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(box->hasFocus());
    box->selectAll();
    QTest::keyClicks(box, text);
    following->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(following->hasFocus());
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

class LinkageDialogGuiTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempDir> m_folder;
    test::FakePrompter m_prompter;
    std::unique_ptr<Session> m_session;

    ui::MainWindow& window() { return m_session->window(); }
    ConfigStore& store() { return m_session->store(); }
    std::filesystem::path dataFile(const char* name) { return store().dataFolder() / name; }

    StartOptions options() const {
        StartOptions o;
        o.programFolder = m_folder->path();
        o.lockFolder = m_folder->path();
        return o;
    }

    // Runs a linkage command and acts on its dialog; the dialog is closed afterwards whatever
    // happened, so a failing step cannot leave the test waiting on it.
    QString runDialog(int command, const std::function<void(QWidget*)>& act) {
        QString caption;
        test::whenModal([&](QWidget* dialog) {
            caption = dialog->windowTitle();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            act(dialog);
            if (dialog->isVisible()) {
                dialog->close();
            }
        });
        window().runCommand(command);
        return caption;
    }

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
        m_folder = std::make_unique<test::TempDir>();
        m_prompter = {};
        m_session = Session::start(options(), m_prompter, [] { return SystemCode::TwoLoopSo3; });
        QVERIFY(m_session);
        window().activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));

        // A fan module on board 01, loop 1, address 5: something a rule can switch on.
        DeviceRecord& fan = store().devices(1).working.device(1, 5);
        fan.registration = 1;
        fan.productType = 52;
        fan.equipType = 48;
    }

    void cleanup() {
        m_session.reset();
        m_folder.reset();
    }

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
            QCOMPARE(m_prompter.texts(), std::vector<std::string>{LinkageEditor::kNotComplete});

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
            QCOMPARE(control<QListWidget>(dialog, "results")->count(), 0);

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
            QVERIFY(QTest::qWaitForWindowActive(dialog));
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
