#pragma once

#include "check/ConfigReport.h"

#include <QDialog>
#include <QString>

#include <vector>

class QListWidget;
class QTextBrowser;

namespace qb::ui {

// The printable configuration report: its sections listed on the left, the chosen one shown on
// the right as it will print. Only the chosen section is laid out for the screen, so the window
// opens at once whatever the size of the configuration. "Print..." goes through the printer
// dialog, "Save as PDF..." asks for a file offering `pdfSuggestion` first.
class ReportDialog : public QDialog {
public:
    ReportDialog(std::vector<ReportSection> sections, QString pdfSuggestion, QWidget* parent);

    // Writes the report as a PDF to `path`, showing how far it got; a failure is shown in a box
    // that names the file. True when the file was written.
    bool saveAsPdf(const QString& path);

    QListWidget* sectionList() const { return m_list; }
    QTextBrowser* preview() const { return m_preview; }

private:
    void showSection(int row);
    void print();
    void chooseAndSavePdf();

    std::vector<ReportSection> m_sections;
    QString m_pdfSuggestion;
    QListWidget* m_list = nullptr;
    QTextBrowser* m_preview = nullptr;
};

} // namespace qb::ui
