#include "DialogDriver.h"
#include "app/Session.h"
#include "base/platform/SingleInstanceLock.h"
#include "store/ConfigStore.h"
#include "support/FakePrompter.h"
#include "support/TempDir.h"
#include "ui/EditMenu.h"
#include "ui/MainWindow.h"
#include "ui/ModeSelectionDialog.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

using namespace qb;

class MainWindowGuiTest : public QObject, private test::SessionFixture {
    Q_OBJECT

private:
    void clickCell(int row, int column) {
        QTableWidget* grid = window().grid();
        grid->scrollToItem(grid->item(row - 1, column));
        const QRect cell = grid->visualRect(grid->model()->index(row - 1, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    void pressSave() {
        auto* save = window().findChild<QPushButton*>("save");
        QTest::mouseClick(save, Qt::LeftButton);
    }

private slots:
    void init() { QVERIFY(startSession()); }

    void cleanup() { endSession(); }

    void startUpShowsTheZonePage() {
        QCOMPARE(window().windowTitle(), QString("Fire Alarm System --> Zone Setup"));
        QCOMPARE(window().grid()->rowCount(), 32);
        QCOMPARE(window().grid()->horizontalHeaderItem(2)->text(), QString("Position"));
        QCOMPARE(window().grid()->item(0, 1)->text(), QString("√"));
        QVERIFY(std::filesystem::is_directory(m_folder->path() / "Data"));
        QVERIFY(m_prompter.messages.empty());
    }

    void typingAZoneNameThenSaveWritesTheZoneFile() {
        clickCell(3, 2);
        QLineEdit* editor = window().cellTextEditor();
        QTRY_VERIFY(editor->isVisible());
        QTest::keyClicks(editor, "Boiler roomXY"); // the thirteenth character is refused
        pressSave();
        QTRY_VERIFY(!editor->isVisible());
        QCOMPARE(window().grid()->item(2, 2)->text(), QString("Boiler roomX"));
        const auto bytes = test::readAll(store().dataFolder() / "M001ZONE.BIN");
        QCOMPARE(bytes.size(), std::size_t(548));
        QCOMPARE(std::string(bytes.begin() + 65, bytes.begin() + 78),
                 std::string("Boiler roomX\0", 13));
        QVERIFY(!store().zones.modified());
    }

    void aLongerLoadedTextOpensWholeAndTypingNeverLengthensIt() {
        store().displays.working.display(2).name.assign(std::u16string(40, u'D'));
        window().runCommand(commands::kDisplaySetup);
        clickCell(2, 4);
        QLineEdit* editor = window().cellTextEditor();
        QTRY_VERIFY(editor->isVisible());
        QCOMPARE(editor->text(), QString(40, 'D'));
        editor->end(false);
        QTest::keyClick(editor, 'E'); // no room to grow
        QCOMPARE(editor->text(), QString(40, 'D'));
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClick(editor, Qt::Key_Backspace);
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(editor, 'E'); // back to its own length, no further
        }
        QCOMPARE(editor->text(), QString(38, 'D') + "EE");
        pressSave();
        QTRY_VERIFY(!editor->isVisible());
        QCOMPARE(store().displays.working.display(2).name.view(), std::u16string(38, u'D') + u"EE");
    }

    void choosingHostFiveThenSaveWritesItsNetworkFiles() {
        window().runCommand(commands::kNetSetup);
        QCOMPARE(window().windowTitle(), QString("Fire Alarm System --> NET Setup"));
        QComboBox* hosts = window().firstSelector();
        QVERIFY(hosts->isVisible());
        QCOMPARE(hosts->itemText(4), QString("005"));
        emit hosts->activated(4);
        QCOMPARE(hosts->currentText(), QString("005"));
        pressSave();
        QVERIFY(std::filesystem::exists(store().dataFolder() / "M005NET_.BIN"));
        QVERIFY(std::filesystem::exists(store().dataFolder() / "M005SYS_.BIN"));
        QVERIFY(!std::filesystem::exists(store().dataFolder() / "M001NET_.BIN"));
        QCOMPARE(window().grid()->item(4, 1)->text(), QString("√"));
    }

    void columnBatchFromTheCaptionChangesTheChosenRange() {
        window().runCommand(commands::kDeviceSetup);
        QCOMPARE(window().windowTitle(), QString("Loop --> Detector/Module Setup"));
        QCOMPARE(window().grid()->rowCount(), 324);
        bool seen = false;
        test::whenModal([&](QWidget* dialog) {
            seen = dialog->objectName() == "columnBatchDialog";
            auto* values = dialog->findChild<QComboBox*>("values");
            values->setCurrentIndex(2);
            emit values->activated(2); // "Slow"
            dialog->findChild<QLineEdit*>("startAddress")->setText("20");
            dialog->findChild<QLineEdit*>("endAddress")->setText("22");
            QTest::mouseClick(dialog->findChild<QPushButton*>("ok"), Qt::LeftButton);
        });
        test::doubleClickCaption(window().grid(), 6);
        QVERIFY(seen);
        const BoardDevices& board = store().devices(1).working;
        QCOMPARE(board.device(1, 19).workMode, std::uint8_t(1));
        QCOMPARE(board.device(1, 20).workMode, std::uint8_t(2));
        QCOMPARE(board.device(1, 22).workMode, std::uint8_t(2));
        QCOMPARE(board.device(1, 23).workMode, std::uint8_t(1));
        QCOMPARE(window().grid()->item(20, 6)->text(), QString("Slow"));
    }

    void aSecondInstanceIsRefused() {
        test::FakePrompter second;
        bool asked = false;
        auto refused = Session::start(options(), second, [&] {
            asked = true;
            return SystemCode::TwoLoopSo3;
        });
        QVERIFY(!refused);
        QVERIFY(!asked);
        QCOMPARE(second.messages.size(), std::size_t(1));
        QCOMPARE(second.messages[0].text, std::string("The application is already running!"));
        QCOMPARE(second.messages[0].caption, std::string("Error"));
        QVERIFY(window().isVisible()); // the first copy is undisturbed
    }

    void modeSelectionGivesTheChosenSystemCode() {
        ui::ModeSelectionDialog dialog;
        test::whenModal([](QWidget* modal) {
            auto* panel = modal->findChild<QComboBox*>("panelType");
            panel->setCurrentIndex(0);
            emit panel->activated(0); // "1 Loop Fire alarm Panel"
            QVERIFY(!modal->findChild<QRadioButton*>("firstOption")->isVisible());
            QCOMPARE(modal->findChild<QRadioButton*>("secondOption")->text(), QString("SO.***1"));
            QTest::mouseClick(modal->findChild<QPushButton*>("ok"), Qt::LeftButton);
        });
        QCOMPARE(dialog.choose(), SystemCode::OneLoop);

        ui::ModeSelectionDialog closed;
        test::whenModal([](QWidget* modal) { modal->close(); });
        QCOMPARE(closed.choose(), SystemCode::TwoLoopSo12);
    }

    // A screen reader toggles buttons through the accessibility interface, without a click:
    // the program follows the button all the same.
    void choicesFollowTheAccessibilityInterfaceAsTheyFollowClicks() {
        const auto toggle = [](QWidget* widget) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            QVERIFY(accessible && accessible->actionInterface());
            accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        };
        ui::ModeSelectionDialog dialog;
        test::whenModal([&](QWidget* modal) {
            toggle(modal->findChild<QRadioButton*>("firstOption"));
            QTest::mouseClick(modal->findChild<QPushButton*>("ok"), Qt::LeftButton);
        });
        QCOMPARE(dialog.choose(), SystemCode::TwoLoopSo12);

        auto* resound = window().findChild<QCheckBox*>("resound");
        QVERIFY(resound);
        const bool before = window().logic().state().resound.checked;
        toggle(resound);
        QCOMPARE(window().logic().state().resound.checked, !before);
        QCOMPARE(resound->isChecked(), !before);
    }

    void theMimicPageSaveWritesTheMimicFile() {
        window().runCommand(commands::kMimicSetup);
        QCOMPARE(window().windowTitle(), QString("Mimic Setup"));
        QCOMPARE(window().grid()->rowCount(), 32);
        auto* mode = window().findChild<QCheckBox*>("mdmMode");
        QVERIFY(mode && mode->isVisible() && mode->isChecked());
        QTest::mouseClick(mode, Qt::LeftButton, {}, QPoint(8, mode->height() / 2));
        QVERIFY(!mode->isChecked());
        clickCell(4, 1);
        QTest::mouseDClick(
            window().grid()->viewport(), Qt::LeftButton, {},
            window().grid()->visualRect(window().grid()->model()->index(3, 1)).center());
        QCOMPARE(window().grid()->item(3, 1)->text(), QString("√"));
        pressSave();
        const auto bytes = test::readAll(store().dataFolder() / "M001MDM_.BIN");
        QCOMPARE(bytes.size(), std::size_t(68));
        QCOMPARE(int(bytes[32 + 3]), 1);
        QCOMPARE(int(bytes[64]), 0);
        QVERIFY(!store().mimic.modified());
    }

    void theAboutMenuOpensTheAboutBoxWithTheProgramIconAndTheDataFolder() {
        QAction* about = nullptr;
        for (QAction* menu : window().menuBar()->actions()) {
            if (menu->text() == "About") {
                for (QAction* entry : menu->menu()->actions()) {
                    about = entry->text() == "About Quillbarrow" ? entry : about;
                }
            }
        }
        QVERIFY(about);
        QString caption;
        QString text;
        bool iconShown = false;
        test::whenModal([&](QWidget* box) {
            caption = box->windowTitle();
            const auto* message = qobject_cast<QMessageBox*>(box);
            iconShown = message && !message->iconPixmap().isNull();
            text = message ? message->text() : QString();
            box->close();
        });
        about->trigger();
        QCOMPARE(caption, QString(" Quillbarrow"));
        QVERIFY(iconShown);
        const QString dataLine =
            "Data folder: " + QString::fromStdString(store().dataFolder().string());
        QVERIFY2(text.split('\n').contains(dataLine), qPrintable(text));
        QVERIFY(!window().windowIcon().pixmap(48).isNull());
    }

    // Closing the window is the same question as "Exit"; a cell still being typed counts.
    void closingWithAnUnsavedEditAsksAndCancelKeepsTheWindow() {
        clickCell(2, 2);
        QLineEdit* editor = window().cellTextEditor();
        QTRY_VERIFY(editor->isVisible());
        QTest::keyClicks(editor, "Plant");
        m_prompter.answers = {false, true};
        QVERIFY(!window().close());
        QVERIFY(window().isVisible());
        QCOMPARE(m_prompter.questions.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(m_prompter.questions[0].text).contains("Zone"));
        QVERIFY(window().close());
        QCOMPARE(m_prompter.questions.size(), std::size_t(2));
    }

    // Without a mouse: typing opens a cell, Enter stores, F2 opens, Escape drops, Space toggles
    // a registration cell, Ctrl+S saves.
    void theGridWorksFromTheKeyboard() {
        QTableWidget* grid = window().grid();
        QLineEdit* editor = window().cellTextEditor();
        grid->setFocus();
        QTRY_VERIFY(grid->hasFocus());
        grid->setCurrentCell(1, 2);
        QTest::keyClick(grid, 'H');
        QTRY_VERIFY(editor->hasFocus());
        QTest::keyClicks(editor, "all");
        QCOMPARE(editor->text(), QString("Hall"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!editor->isVisible());
        QCOMPARE(grid->item(1, 2)->text(), QString("Hall"));

        QTRY_VERIFY(grid->hasFocus());
        QTest::keyClick(grid, Qt::Key_F2);
        QTRY_VERIFY(editor->hasFocus());
        QCOMPARE(editor->text(), QString("Hall"));
        QTest::keyClicks(editor, "Lobby");
        QTest::keyClick(editor, Qt::Key_Escape);
        QTRY_VERIFY(!editor->isVisible());
        QCOMPARE(grid->item(1, 2)->text(), QString("Hall"));
        QCOMPARE(store().zones.working.zone(2).name.view(), std::u16string_view(u"Hall"));

        QTRY_VERIFY(grid->hasFocus());
        grid->setCurrentCell(1, 1);
        QCOMPARE(grid->item(1, 1)->text(), QString("×"));
        QTest::keyClick(grid, Qt::Key_Space);
        QCOMPARE(grid->item(1, 1)->text(), QString("√"));
        QCOMPARE(store().zones.working.zone(2).registration, 1);

        QTest::keyClick(grid, Qt::Key_S, Qt::ControlModifier);
        QTRY_VERIFY(!store().zones.modified());
        QVERIFY(std::filesystem::exists(store().dataFolder() / "M001ZONE.BIN"));
    }

    // The status bar names the Data folder, host and system code, follows unsaved edits and
    // keeps the last command's line.
    void theStatusBarFollowsEditsAndCommands() {
        const auto field = [this](const char* name) {
            return window().findChild<QLabel*>(name)->text();
        };
        QCOMPARE(field("statusHost"), QString("Host 1"));
        QVERIFY(field("statusDataFolder").endsWith("Data"));
        QVERIFY(field("statusSystemCode").startsWith("System code"));
        QCOMPARE(field("statusUnsaved"), QString("All pages saved"));
        clickCell(2, 2);
        QTRY_VERIFY(window().cellTextEditor()->isVisible());
        QTest::keyClicks(window().cellTextEditor(), "Plant");
        window().runCommand(commands::kIoBoardSetup);
        QCOMPARE(field("statusUnsaved"), QString("Unsaved: Zone"));
        window().runCommand(commands::kDataExport);
        QVERIFY2(field("statusCommand").startsWith("Exported "),
                 qPrintable(field("statusCommand")));
        QCOMPARE(field("statusUnsaved"), QString("All pages saved"));
    }

    void enterAndEscapeNeverCloseTheWindow() {
        clickCell(1, 2);
        QTRY_VERIFY(window().cellTextEditor()->isVisible());
        QTest::keyClick(window().cellTextEditor(), Qt::Key_Return);
        QTest::keyClick(&window(), Qt::Key_Escape);
        QTest::keyClick(&window(), Qt::Key_Return);
        QVERIFY(window().isVisible());
        QVERIFY(!std::filesystem::exists(store().dataFolder() / "M001ZONE.BIN"));
    }

    // Ctrl+Z in an open cell text box is the box's own undo; on the grid it undoes the committed
    // edit, and the Edit menu follows.
    void ctrlZUndoesACellEditAndTheEditMenuFollows() {
        QAction* undo = window().editMenu()->undoAction();
        QAction* redo = window().editMenu()->redoAction();
        QCOMPARE(undo->text(), QString("Undo"));
        QVERIFY(!undo->isEnabled());
        clickCell(2, 2);
        QLineEdit* editor = window().cellTextEditor();
        QTRY_VERIFY(editor->hasFocus());
        QTest::keyClicks(editor, "Hall");
        QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(editor->isVisible()); // the box undid its typing; nothing was committed
        QVERIFY(!undo->isEnabled());
        QTest::keyClicks(editor, "Hall");
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!editor->isVisible());
        QCOMPARE(undo->text(), QString("Undo Edit Zone-2 Position"));
        QVERIFY(undo->isEnabled());
        QTRY_VERIFY(window().grid()->hasFocus());
        QTest::keyClick(window().grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window().grid()->item(1, 2)->text(), QString(""));
        QVERIFY(!undo->isEnabled());
        QCOMPARE(redo->text(), QString("Redo Edit Zone-2 Position"));
        QTest::keyClick(window().grid(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(window().grid()->item(1, 2)->text(), QString("Hall"));
    }

    // Ctrl+V pastes the clipboard's rows from the current cell on; a Shift+click and Shift+arrow
    // select a range without opening an editor, and Ctrl+C copies it.
    void ctrlVPastesAndASelectedRangeCopies() {
        window().runCommand(commands::kDeviceSetup);
        QTableWidget* grid = window().grid();
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText("Pulse\tSlow\r\nPulse\tFast\r\n");
        grid->setFocus();
        QTRY_VERIFY(grid->hasFocus());
        grid->setCurrentCell(4, 5);
        QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(grid->item(4, 5)->text(), QString("Pulse"));
        QCOMPARE(grid->item(4, 6)->text(), QString("Slow"));
        QCOMPARE(grid->item(5, 5)->text(), QString("Pulse"));
        QCOMPARE(window().editMenu()->undoAction()->text(),
                 QString("Undo Paste: rows 5-6, columns Output-Work"));

        clickCell(5, 1); // a registration cell: no editor
        const QRect work = grid->visualRect(grid->model()->index(5, 6));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier, work.center());
        QVERIFY(!window().cellList()->isVisible());
        QTest::keyClick(grid, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QString("×\tOptDet\tOptDet\t1\tPulse\tSlow\t\n"
                                            "×\tOptDet\tOptDet\t1\tPulse\tFast\t\n"));
    }
};

QTEST_MAIN(MainWindowGuiTest)
#include "MainWindowGuiTest.moc"
