#include "DialogDriver.h"
#include "ui/ReportDialog.h"
#include "ui/ReportPrinter.h"

#include <QListWidget>
#include <QTextBrowser>

#include <string>

using namespace qb;
using namespace qb::test;

namespace {

// The page objects of a PDF; the page tree's own objects are "/Type /Pages".
int pagesIn(const std::string& pdf) {
    int pages = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos;
         at = pdf.find("/Type /Page", at + 1)) {
        pages += pdf.compare(at, 12, "/Type /Pages") != 0;
    }
    return pages;
}

} // namespace

class ReportDialogGuiTest : public QObject, private test::SessionFixture {
    Q_OBJECT

private slots:
    void init() { QVERIFY(startSession()); }
    void cleanup() { endSession(); }

    // Through the Tools menu: the arrows step through the sections, and the PDF saved from the
    // dialog runs a loop of 324 devices over several pages.
    void savesTheReportAsAPdfOfSeveralPages() {
        store().ioBoards.working.registration(1) = 1;
        for (int address = 1; address <= 324; ++address) {
            DeviceRecord& device = store().devices(1).working.device(1, address);
            device.registration = 1;
            device.position.assign(u"Corridor north, beside the stair door");
        }
        const std::filesystem::path pdf = m_folder->path() / "report.pdf";
        int row = -1;
        bool previewChanged = false;
        bool saved = false;
        const QString caption = runTool("Print Configuration Report", [&](QWidget* modal) {
            auto* dialog = dynamic_cast<ui::ReportDialog*>(modal);
            QVERIFY(dialog);
            const QString first = dialog->preview()->toPlainText();
            QTest::keyClick(dialog->sectionList(), Qt::Key_Down);
            row = dialog->sectionList()->currentRow();
            previewChanged =
                QTest::qWaitFor([&] { return dialog->preview()->toPlainText() != first; });
            saved = dialog->saveAsPdf(QString::fromStdString(pdf.string()));
            QTest::keyClick(dialog, Qt::Key_Escape);
            QVERIFY(!dialog->isVisible());
        });
        QCOMPARE(caption, QString("Print Configuration Report"));
        QCOMPARE(row, 1);
        QVERIFY(previewChanged);
        QVERIFY(saved);
        const std::vector<std::uint8_t> bytes = readAll(pdf);
        const std::string text(bytes.begin(), bytes.end());
        QCOMPARE(text.substr(0, 4), std::string("%PDF"));
        QVERIFY2(pagesIn(text) > 3, qPrintable(QString::number(pagesIn(text))));
    }

    // A rule with hundreds of outputs makes a row longer than a page: it runs on over the pages
    // that it needs instead of being cut off or stalling the layout.
    void aRowLongerThanAPageRunsOnOverPages() {
        std::string html = "<h2>Linkage rules</h2><table><thead><tr><th>Rule</th><th>Outputs</th>"
                           "</tr></thead><tbody><tr><td>general rule 1</td><td>";
        for (int n = 1; n <= 300; ++n) {
            html += "01-1-" + std::to_string(n) + " SmkFan<br>";
        }
        html += "</td></tr></tbody></table>";
        const std::filesystem::path pdf = m_folder->path() / "rule.pdf";
        const auto saved = ui::saveReportPdf({{"Linkage rules", html}}, pdf);
        QVERIFY(saved);
        const std::vector<std::uint8_t> bytes = readAll(pdf);
        QVERIFY(pagesIn(std::string(bytes.begin(), bytes.end())) >= 4);
    }

    // A PDF that cannot be put in place is a failure naming the file, and leaves nothing there.
    void aFailedSaveNamesTheFile() {
        const std::filesystem::path pdf = m_folder->path() / "no such folder" / "report.pdf";
        const auto saved = ui::saveReportPdf({{"Zones", "<h2>Zones</h2>"}}, pdf);
        QVERIFY(!saved);
        QVERIFY2(saved.error().text.find("report.pdf") != std::string::npos,
                 saved.error().text.c_str());
        QVERIFY(!std::filesystem::exists(pdf));
    }
};

QTEST_MAIN(ReportDialogGuiTest)
#include "ReportDialogGuiTest.moc"
