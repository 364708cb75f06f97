#pragma once

#include "base/Result.h"
#include "check/ConfigReport.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <vector>

class QPrinter;

namespace qb::ui {

// Tells how many sections are on paper so far.
using ReportProgress = std::function<void(std::size_t sectionsDone)>;

// Lays the report out on the printer's pages, each section from a new page: headings, paragraphs
// and lists by Qt's rich text, every table as wide as the page and no wider with its header rows
// repeated on each page it runs onto (ReportTable), the section's title and the page number at
// the foot of every page. Printing and PDF files go through here alike. False when the printer
// would not start (an output file that cannot be opened) or refused a new page.
bool printReport(const std::vector<ReportSection>& sections, QPrinter& printer,
                 const ReportProgress& progress = {});

// Prints the report as printReport does, and tells what went wrong in words that name the
// printer or the file. A printer that writes a PDF file writes a scratch file first, which must
// come out as a PDF, and only then is the file put in place whole.
Result<void> sendReport(const std::vector<ReportSection>& sections, QPrinter& printer,
                        const ReportProgress& progress = {});

// The report as an A4 portrait PDF at `path`, through sendReport.
Result<void> saveReportPdf(const std::vector<ReportSection>& sections,
                           const std::filesystem::path& path, const ReportProgress& progress = {});

} // namespace qb::ui
