#include "ReportDialog.h"

#include "DialogFrame.h"
#include "DialogWidgets.h"
#include "Mirror.h"
#include "ReportPrinter.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

#include <filesystem>

namespace qb::ui {

namespace {

const QString kCaption = QStringLiteral("Print Configuration Report");
const QString kErrorCaption = QStringLiteral("Error");
constexpr int kSettleMs = 80;

// Lays the report out behind a window that counts its sections. A full configuration takes
// seconds; there is no stopping half-way, as a printer would be left with half a report.
class ReportProgressWindow {
public:
    ReportProgressWindow(QWidget* parent, std::size_t sections)
        : m_window(QStringLiteral("Laying out the report..."), QString(), 0,
                   static_cast<int>(sections), parent) {
        m_window.setWindowTitle(kCaption);
        m_window.setWindowModality(Qt::WindowModal);
        m_window.setMinimumDuration(300);
        m_window.setAutoClose(false);
        m_window.setAutoReset(false);
    }
    ReportProgress step() {
        return [this](std::size_t done) { m_window.setValue(static_cast<int>(done)); };
    }

private:
    QProgressDialog m_window;
};

} // namespace

ReportDialog::ReportDialog(std::vector<ReportSection> sections, QString pdfSuggestion,
                           QWidget* parent)
    : QDialog(parent), m_sections(std::move(sections)), m_pdfSuggestion(std::move(pdfSuggestion)) {
    setWindowTitle(kCaption);
    setObjectName(QStringLiteral("reportDialog"));
    auto* layout = new QVBoxLayout(this);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    m_list = listBox(splitter, QStringLiteral("sections"));
    m_list->setAccessibleName(QStringLiteral("Sections"));
    for (const ReportSection& section : m_sections) {
        m_list->addItem(qs(section.title));
    }
    m_preview = new QTextBrowser(splitter);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setAccessibleName(QStringLiteral("Section"));
    m_preview->setOpenLinks(false);
    m_preview->setTabChangesFocus(true);
    m_preview->document()->setDefaultStyleSheet(QString::fromUtf8(
        reportStyleSheet().data(), static_cast<qsizetype>(reportStyleSheet().size())));
    splitter->addWidget(m_list);
    splitter->addWidget(m_preview);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 760});
    splitter->setChildrenCollapsible(false);
    layout->addWidget(splitter, 1);

    QPushButton* print = button(this, QStringLiteral("Print..."), QStringLiteral("print"));
    QPushButton* save = button(this, QStringLiteral("Save as PDF..."), QStringLiteral("savePdf"));
    QPushButton* close = button(this, QStringLiteral("Close"), QStringLiteral("close"));
    layout->addLayout(buttonRow({print, save, close}));
    frameDialog(this);
    const bool any = !m_sections.empty();
    print->setEnabled(any);
    save->setEnabled(any);

    // A section of a loop's devices takes a third of a second to lay out for the screen: the
    // preview follows the list once it rests, so that holding an arrow key down does not stall.
    auto* settle = new QTimer(this);
    settle->setSingleShot(true);
    settle->setInterval(kSettleMs);
    connect(settle, &QTimer::timeout, this, [this] { showSection(m_list->currentRow()); });
    connect(m_list, &QListWidget::currentRowChanged, settle, qOverload<>(&QTimer::start));
    connect(print, &QPushButton::clicked, this, [this] { this->print(); });
    connect(save, &QPushButton::clicked, this, [this] { chooseAndSavePdf(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    m_list->setCurrentRow(0);
    settle->stop();
    showSection(0);
    m_list->setFocus();
    resize(1000, 700);
}

void ReportDialog::showSection(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= m_sections.size()) {
        m_preview->clear();
        return;
    }
    m_preview->setHtml(qs(m_sections[static_cast<std::size_t>(row)].html));
}

void ReportDialog::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(kCaption);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    Result<void> sent;
    {
        ReportProgressWindow progress(this, m_sections.size());
        sent = sendReport(m_sections, printer, progress.step());
    }
    if (!sent) {
        QMessageBox::warning(this, kErrorCaption, qs(sent.error().text));
    }
}

void ReportDialog::chooseAndSavePdf() {
    QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Save as PDF"), m_pdfSuggestion, QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".pdf");
    }
    saveAsPdf(path);
}

bool ReportDialog::saveAsPdf(const QString& path) {
    Result<void> saved;
    {
        ReportProgressWindow progress(this, m_sections.size());
        saved =
            saveReportPdf(m_sections, std::filesystem::path(path.toStdString()), progress.step());
    }
    if (!saved) {
        QMessageBox::warning(this, kErrorCaption, qs(saved.error().text));
        return false;
    }
    return true;
}

} // namespace qb::ui
