#include "ModalHelper.h"
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

namespace {

constexpr int kKeypadCommand = 32810;
constexpr std::size_t kFirstRecord = 32;

using Bytes = std::vector<std::uint8_t>;

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
    QVERIFY2(combo->isEnabled(), name);
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(QString("%1 has no \"%2\"").arg(name, text)));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    QCOMPARE(combo->currentText(), text);
}

void tick(QWidget* dialog, const char* name) {
    auto* box = control<QCheckBox>(dialog, name);
    QVERIFY(box);
    QVERIFY(box->isEnabled());
    const bool before = box->isChecked();
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator =
        box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, indicator.center());
    QCOMPARE(box->isChecked(), !before);
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

QString label(QWidget* dialog) {
    auto* pageLabel = control<QLabel>(dialog, "pageLabel");
    return pageLabel ? pageLabel->text() : QString();
}

} // namespace

class KeypadDialogGuiTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempDir> m_folder;
    test::FakePrompter m_prompter;
    std::unique_ptr<Session> m_session;

    ui::MainWindow& window() { return m_session->window(); }
    ConfigStore& store() { return m_session->store(); }
    std::filesystem::path keypadFile() { return store().dataFolder() / "M001KPAD.BIN"; }

    StartOptions options() const {
        StartOptions o;
        o.programFolder = m_folder->path();
        o.lockFolder = m_folder->path();
        return o;
    }

    // Runs "ZCP Setup" and acts on its dialog; the dialog is closed afterwards whatever
    // happened, so a failing step cannot leave the test waiting on it.
    QString runDialog(const std::function<void(QWidget*)>& act) {
        QString caption;
        test::whenModal([&](QWidget* dialog) {
            caption = dialog->windowTitle();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            act(dialog);
            if (dialog->isVisible()) {
                dialog->close();
            }
        });
        window().runCommand(kKeypadCommand);
        return caption;
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
        m_folder = std::make_unique<test::TempDir>();
        m_prompter = {};
        m_session = Session::start(options(), m_prompter, [] { return SystemCode::TwoLoopSo3; });
        QVERIFY(m_session);
        window().activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
        store().zones.working.zone(7).registration = 1;
    }

    void cleanup() {
        m_session.reset();
        m_folder.reset();
    }

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
            QCOMPARE(m_prompter.texts(), std::vector<std::string>{KeypadEditor::kNotComplete});
            QCOMPARE(label(dialog), QString("Cond. 2/2"));

            choose(dialog, "button", "Button No.01");
            tick(dialog, "fieldDevice");
            QVERIFY(control<QComboBox>(dialog, "loopBoards")->isEnabled());
            QCOMPARE(control<QListWidget>(dialog, "modules")->count(), 0);
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
