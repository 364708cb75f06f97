#include "DialogDriver.h"
#include "app/Session.h"
#include "devices/MimicLedEditor.h"
#include "linkage/LinkageRules.h"
#include "store/ConfigStore.h"
#include "support/FakePrompter.h"
#include "support/TempDir.h"
#include "ui/MainWindow.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace qb;
using namespace qb::test;

namespace {

constexpr int kMimicLinkageCommand = commands::kMimicLinkageSetup;

std::uint16_t u16At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes.at(offset) | bytes.at(offset + 1) << 8);
}

// Row and column as the editor counts them: rows from 1, column 0 the LED number.
void clickCell(QWidget* dialog, int row, int column) {
    auto* grid = control<QTableWidget>(dialog, "ledGrid");
    QVERIFY(grid);
    grid->scrollToItem(grid->item(row - 1, column));
    const QRect cell = grid->visualRect(grid->model()->index(row - 1, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

QString cellText(QWidget* dialog, int row, int column) {
    auto* grid = dialog->findChild<QTableWidget*>("ledGrid");
    return grid && grid->item(row - 1, column) ? grid->item(row - 1, column)->text() : QString();
}

// Opens the cell's list, picks the entry, and leaves the list for the grid as a click elsewhere
// would; the pick counts once the list is gone.
void pick(QWidget* dialog, int row, int column, const QString& text) {
    clickCell(dialog, row, column);
    auto* list = control<QComboBox>(dialog, "cellList");
    QVERIFY(list);
    QTRY_VERIFY(list->isVisible());
    QTRY_VERIFY(list->hasFocus());
    const int index = list->findText(text);
    QVERIFY2(index >= 0, qPrintable(QString("the list has no \"%1\"").arg(text)));
    list->setCurrentIndex(index);
    giveFocus(control<QTableWidget>(dialog, "ledGrid"), Qt::MouseFocusReason);
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(cellText(dialog, row, column), text);
}

void clickCaption(QWidget* dialog, int column) {
    auto* grid = control<QTableWidget>(dialog, "ledGrid");
    QVERIFY(grid);
    QHeaderView* header = grid->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

// Acts on the modal dialog of that name once it is up; the dialog it opens over may be the
// active modal for a moment before it.
void whenModalNamed(const QString& name, const std::function<void(QWidget*)>& act) {
    test::whenModal([name, act](QWidget* modal) {
        if (modal->objectName() == name) {
            act(modal);
        } else {
            whenModalNamed(name, act);
        }
    });
}

} // namespace

class MimicLedDialogGuiTest : public QObject, private test::SessionFixture {
    Q_OBJECT

private:
    QString runDialog(const std::function<void(QWidget*)>& act) {
        return SessionFixture::runDialog(kMimicLinkageCommand, act);
    }

private slots:
    void init() {
        QVERIFY(startSession());
        store().mimic.working.registration(1) = 1;
        store().zones.working.zone(2).registration = 1;
    }

    void cleanup() { endSession(); }

    void zoneLedIsWrittenOnSave() {
        const QString caption = runDialog([this](QWidget* dialog) {
            QCOMPARE(control<QComboBox>(dialog, "mimic")->currentText(), QString("01"));
            QCOMPARE(control<QComboBox>(dialog, "board")->currentText(), QString("00(Main Board)"));
            auto* grid = control<QTableWidget>(dialog, "ledGrid");
            QVERIFY(grid);
            QCOMPARE(grid->rowCount(), 32);
            QCOMPARE(grid->horizontalHeaderItem(2)->text(), QString("C&E Type"));

            pick(dialog, 1, MimicLedEditor::Cause, "Zone to LED");
            pick(dialog, 1, MimicLedEditor::Indication, "Fire");
            pick(dialog, 1, MimicLedEditor::Zone, "02");
            clickCell(dialog, 1, MimicLedEditor::Reg);
            QCOMPARE(cellText(dialog, 1, MimicLedEditor::Reg), QString("√"));
            QVERIFY(m_prompter.messages.empty());
            press(dialog, "save");
        });
        QCOMPARE(caption, QString("MDM Setup"));

        const auto conditions = test::readAll(dataFile("M001LDCO.BIN"));
        QCOMPARE(conditions.size(), LinkageInputTable::kSize);
        QCOMPARE(test::readAll(dataFile("M001LDRE.BIN")).size(), LinkageResultTable::kSize);
        QCOMPARE(u16At(conditions, 32 + 2 * 4), std::uint16_t(0));
        const std::size_t r = 48;
        QCOMPARE(int(conditions[r]), 5);
        QCOMPARE(int(conditions[r + 4]), 1);
        QCOMPARE(int(conditions[r + 5]), 1);
        QCOMPARE(int(conditions[r + 6]), 1);
        QCOMPARE(int(conditions[r + 8]), 1);
        QCOMPARE(int(conditions[r + 12]), 2);
        QCOMPARE(u16At(conditions, r + 14), std::uint16_t(2));
        QCOMPARE(u16At(conditions, r + 56), kChainEnd);
        QVERIFY(!store().linkageInputs.modified());
        QVERIFY(m_prompter.messages.empty());
    }

    void refusedSaveStaysAndCancelWritesNothing() {
        bool stayed = false;
        runDialog([&](QWidget* dialog) {
            clickCell(dialog, 3, MimicLedEditor::Reg); // registered without a cause
            press(dialog, "save");
            stayed = dialog->isVisible();
            press(dialog, "cancel");
        });
        QVERIFY(stayed);
        QCOMPARE(m_prompter.texts(), std::vector<std::string>{MimicLedEditor::kCheckData});
        QVERIFY(!std::filesystem::exists(dataFile("M001LDCO.BIN")));
        QCOMPARE(store().linkageInputs.working.head(LinkageKind::RoomAndMimic), kFreeLink);
    }

    void listsGettingTheFocusCheckTheGridOnce() {
        runDialog([this](QWidget* dialog) {
            auto* mimic = control<QComboBox>(dialog, "mimic");
            auto* board = control<QComboBox>(dialog, "board");
            QVERIFY(mimic && board);
            clickCell(dialog, 3, MimicLedEditor::Reg);
            giveFocus(mimic, Qt::TabFocusReason);
            QCOMPARE(m_prompter.texts(), std::vector<std::string>{MimicLedEditor::kCheckData});
            // The dialog coming back to the front is no move of the installer's.
            dialog->activateWindow();
            QCOMPARE(m_prompter.messages.size(), std::size_t(1));
            board->setCurrentIndex(1);
            emit board->activated(1);
            QCOMPARE(cellText(dialog, 3, MimicLedEditor::Reg), QString("×"));
            giveFocus(board, Qt::TabFocusReason);
            QCOMPARE(m_prompter.messages.size(), std::size_t(1)); // board 01 is consistent
            press(dialog, "cancel");
        });
    }

    void invalidCellsAndBatchRefusalAreSaid() {
        runDialog([this](QWidget* dialog) {
            clickCell(dialog, 2, MimicLedEditor::Zone); // cause "NULL"
            QVERIFY(!control<QComboBox>(dialog, "cellList")->isVisible());
            clickCaption(dialog, MimicLedEditor::Input);
            QCOMPARE(m_prompter.texts(), (std::vector<std::string>{MimicLedEditor::kInvalid,
                                                                   MimicLedEditor::kNoBatch}));
            press(dialog, "cancel");
        });
    }

    void columnBatchSetsTheChosenRowsOfTheShownBoard() {
        bool batchSeen = false;
        runDialog([&](QWidget* dialog) {
            auto* board = control<QComboBox>(dialog, "board");
            QVERIFY(board);
            board->setCurrentIndex(3);
            emit board->activated(3);
            whenModalNamed("columnBatchDialog", [&](QWidget* batch) {
                const auto fill = [&] {
                    batchSeen = batch->windowTitle() == "Column Batch Setting";
                    choose(batch, "values", "NC Input to LED");
                    typeAndLeave(batch, "startAddress", "2", "endAddress");
                    typeAndLeave(batch, "endAddress", "32", "values");
                    press(batch, "ok");
                };
                fill();
                if (batch->isVisible()) { // a step failed: do not leave the test waiting on it
                    batch->close();
                }
            });
            clickCaption(dialog, MimicLedEditor::Cause);
            QTRY_VERIFY(batchSeen);
            QTRY_COMPARE(cellText(dialog, 32, MimicLedEditor::Cause), QString("NC Input to LED"));
            QCOMPARE(cellText(dialog, 2, MimicLedEditor::Cause), QString("NC Input to LED"));
            QCOMPARE(cellText(dialog, 1, MimicLedEditor::Cause), QString("NULL"));
            // Offscreen, the dialog does not get active again by itself after the batch.
            QVERIFY(makeActive(dialog));
            pick(dialog, 7, MimicLedEditor::Input, "15(EX Board 3-3)");
            press(dialog, "save");
        });
        QVERIFY(batchSeen);
        QVERIFY(m_prompter.messages.empty());
        // Rows 2..32 have a cause.
        QCOMPARE(countRules(store().linkageInputs.working, LinkageKind::RoomAndMimic), 31);
    }
};

QTEST_MAIN(MimicLedDialogGuiTest)
#include "MimicLedDialogGuiTest.moc"
