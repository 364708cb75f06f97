#include "DialogDriver.h"
#include "excel/DeviceWorkbook.h"
#include "excel/WorkbookReader.h"
#include "excel/WorkbookWriter.h"
#include "support/DeviceSheetCell.h"

#include <QHeaderView>
#include <QProgressBar>
#include <QProgressDialog>
#include <QTableWidget>

using namespace qb;
using namespace qb::test;

namespace {

// Notes every progress window the program shows: its range and modality, and each count
// it showed with whether it was on screen at that moment.
class ProgressWatch : public QObject {
public:
    struct Step {
        int value;
        bool visible;
    };
    int maximum = -1;
    Qt::WindowModality modality = Qt::NonModal;
    int shown = 0;
    std::vector<Step> steps;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<QProgressDialog*>(watched);
        if (dialog && event->type() == QEvent::Show) {
            ++shown;
            maximum = dialog->maximum();
            modality = dialog->windowModality();
            auto* bar = dialog->findChild<QProgressBar*>();
            connect(bar, &QProgressBar::valueChanged, this, [this, dialog](int value) {
                steps.push_back({value, dialog->isVisible()});
            });
        }
        return false;
    }
};

} // namespace

class DeviceWorkbookDialogGuiTest : public QObject, private test::SessionFixture {
    Q_OBJECT

private slots:
    void init() { QVERIFY(startSession()); }
    void cleanup() { endSession(); }

    void exportThenImportShowsTheChangedCellOnTheDevicePage() {
        window().runCommand(commands::kDeviceSetup);
        const std::filesystem::path file = m_folder->path() / device_workbook::kFileName;
        ProgressWatch watch;
        qApp->installEventFilter(&watch);
        QAction* exportEntry = toolsEntry("Export Devices to Workbook");
        QVERIFY(exportEntry);
        exportEntry->trigger();
        QCOMPARE(m_prompter.messages.size(), std::size_t(1));
        QVERIFY(m_prompter.messages[0].text.starts_with(device_workbook::kExported));
        QVERIFY(std::filesystem::exists(file));
        QCOMPARE(watch.shown, 1);
        QCOMPARE(watch.maximum, 40);
        QCOMPARE(watch.modality, Qt::WindowModal);
        QCOMPARE(int(watch.steps.size()), 41);
        QCOMPARE(watch.steps.back().value, 40);
        QVERIFY(watch.steps.back().visible);
        QVERIFY(!QApplication::activeModalWidget());

        Result<Workbook> workbook = readWorkbookFile(file);
        QVERIFY(workbook);
        CellValue* zone = nullptr;
        for (Sheet& sheet : workbook->sheets) {
            zone = sheet.name == "IO1_1" ? deviceCell(sheet, 3, "Zone") : zone;
        }
        QVERIFY(zone);
        *zone = std::int32_t{17};
        const auto bytes = writeWorkbook(*workbook);
        QVERIFY(bytes);
        writeAll(file, *bytes);

        QAction* importEntry = toolsEntry("Import Devices from Workbook");
        QVERIFY(importEntry);
        importEntry->trigger();
        QCOMPARE(m_prompter.questions.size(), std::size_t(2));
        QCOMPARE(m_prompter.questions[1].caption, std::string("warning!"));
        QCOMPARE(m_prompter.messages.size(), std::size_t(2));
        QVERIFY(m_prompter.messages[1].text.starts_with(device_workbook::kImported));
        QCOMPARE(watch.shown, 2);
        QTableWidget* grid = window().grid();
        int zoneColumn = -1;
        for (int column = 0; column < grid->columnCount(); ++column) {
            if (grid->horizontalHeaderItem(column)->text() == "Zone") {
                zoneColumn = column;
            }
        }
        QVERIFY(zoneColumn >= 0);
        QCOMPARE(grid->item(2, zoneColumn)->text(), QString("17"));
        QVERIFY(store().devices(1).modified());
    }
};

QTEST_MAIN(DeviceWorkbookDialogGuiTest)
#include "DeviceWorkbookDialogGuiTest.moc"
