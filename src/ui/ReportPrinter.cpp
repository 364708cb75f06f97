#include "ReportPrinter.h"

#include "ReportTable.h"
#include "files/FileIo.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <memory>
#include <optional>

namespace qb::ui {

namespace {

// A report of a full configuration runs to a few megabytes; anything near this is no report.
constexpr std::size_t kLargestPdf = std::size_t{1} << 30;
constexpr double kMarginMm = 15.0;
constexpr double kFooterPoints = 8.0;

// The pages as they fill: where the next piece goes, and each page's foot with the section's
// title and the page number, drawn as the page is begun.
class Pages {
public:
    Pages(QPainter& painter, QPrinter& printer) : m_painter(painter), m_printer(printer) {
        m_footerFont = painter.font();
        m_footerFont.setPointSizeF(kFooterPoints);
        // The painter's origin is the printable area's corner; the foot of it holds the number.
        const QSizeF area = printer.pageRect(QPrinter::DevicePixel).size();
        const double footer = QFontMetricsF(m_footerFont, &printer).height() * 2;
        m_body = QSizeF(area.width(), std::max(1.0, area.height() - footer));
        m_footer = QRectF(0, m_body.height(), area.width(), footer);
    }

    QPainter& painter() { return m_painter; }
    double width() const { return m_body.width(); }
    double pageHeight() const { return m_body.height(); }
    double y() const { return m_y; }
    double room() const { return m_body.height() - m_y; }
    bool atTop() const { return m_y <= 0; }
    void advance(double height) { m_y += height; }

    // Every section begins a page.
    bool beginSection(const QString& title) {
        m_title = title;
        return newPage();
    }
    bool newPage() {
        if (m_number > 0 && !m_printer.newPage()) {
            return false;
        }
        ++m_number;
        m_y = 0;
        drawFooter();
        return true;
    }

private:
    void drawFooter() {
        m_painter.save();
        m_painter.setFont(m_footerFont);
        m_painter.setPen(QColor(0x55, 0x55, 0x55));
        const QString number = QStringLiteral("Page %1").arg(m_number);
        const QFontMetricsF metrics(m_footerFont, &m_printer);
        const double room = m_footer.width() - metrics.horizontalAdvance(number) - metrics.height();
        m_painter.drawText(m_footer, Qt::AlignLeft | Qt::AlignBottom,
                           metrics.elidedText(m_title, Qt::ElideRight, std::max(0.0, room)));
        m_painter.drawText(m_footer, Qt::AlignRight | Qt::AlignBottom, number);
        m_painter.restore();
    }

    QPainter& m_painter;
    QPrinter& m_printer;
    QFont m_footerFont;
    QSizeF m_body;
    QRectF m_footer;
    QString m_title;
    int m_number = 0;
    double m_y = 0;
};

// The headings, paragraphs and lists from `start` to `end` of the section, as a document of
// their own laid out by Qt across the page's width; none when they hold no text.
std::unique_ptr<QTextDocument> flowOf(QTextDocument& section, int start, int end,
                                      QPaintDevice* device, double width) {
    QTextCursor cursor(&section);
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    const QTextDocumentFragment piece(cursor);
    if (piece.toPlainText().trimmed().isEmpty()) {
        return nullptr;
    }
    auto flow = std::make_unique<QTextDocument>();
    flow->setUndoRedoEnabled(false);
    flow->setDocumentMargin(0);
    flow->setDefaultFont(section.defaultFont());
    // Measured on the printer itself, so that point sizes come out as points on paper.
    flow->documentLayout()->setPaintDevice(device);
    flow->setTextWidth(width);
    QTextCursor(flow.get()).insertFragment(piece);
    return flow;
}

// Draws the flow where the pages stand; on a new page when it and the `keepWithNext` beneath
// it do not fit, over as many pages as it needs when it is longer than one.
bool drawFlow(Pages& pages, QTextDocument& flow, double keepWithNext) {
    const double height = flow.size().height();
    if (height + keepWithNext > pages.room() && !pages.atTop() && !pages.newPage()) {
        return false;
    }
    QPainter& painter = pages.painter();
    if (height <= pages.room()) {
        painter.save();
        painter.translate(0, pages.y());
        flow.drawContents(&painter);
        painter.restore();
        pages.advance(height);
        return true;
    }
    // Longer than a page: Qt's own pagination, which keeps lines whole.
    const double page = pages.pageHeight();
    flow.setPageSize(QSizeF(pages.width(), page));
    const int count = flow.pageCount();
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !pages.newPage()) {
            return false;
        }
        painter.save();
        painter.translate(0, -i * page);
        flow.drawContents(&painter, QRectF(0, i * page, pages.width(), page));
        painter.restore();
    }
    const QRectF last = flow.documentLayout()->blockBoundingRect(flow.lastBlock());
    pages.advance(std::max(0.0, last.bottom() - (count - 1) * page));
    return true;
}

// Draws the table row by row, its header rows first on every page it reaches. A row goes whole
// to the next page when it does not fit, unless it is taller than a page: then it is cut
// between two lines of text.
bool drawTable(Pages& pages, const ReportTable& table) {
    QPainter& painter = pages.painter();
    const double header = table.headerHeight();
    const bool repeatHeader = header <= pages.pageHeight() / 3;
    if (table.keptTogether(pages.pageHeight()) > pages.room() && !pages.atTop() &&
        !pages.newPage()) {
        return false;
    }
    pages.advance(table.drawHeader(painter, pages.y()));
    double rowsTop = pages.y();
    const auto nextPage = [&] {
        if (!pages.newPage()) {
            return false;
        }
        if (repeatHeader) {
            pages.advance(table.drawHeader(painter, pages.y()));
        }
        rowsTop = pages.y();
        return true;
    };
    for (int row = 0; row < table.bodyRows(); ++row) {
        const double height = table.bodyRowHeight(row);
        for (double from = 0; from < height;) {
            const double rest = height - from;
            const bool fitsNextPage = rest <= pages.pageHeight() - (repeatHeader ? header : 0);
            if (pages.room() <= 0 || (rest > pages.room() && pages.y() > rowsTop && fitsNextPage)) {
                if (!nextPage()) {
                    return false;
                }
                continue;
            }
            const double slice = table.sliceThatFits(row, from, pages.room());
            table.drawBodyRow(painter, row, pages.y(), from, slice);
            pages.advance(slice);
            from += slice;
            if (from < height && !nextPage()) {
                return false;
            }
        }
    }
    pages.advance(table.bottomMargin());
    return true;
}

bool printSection(Pages& pages, const ReportSection& section, const QString& styleSheet,
                  QPrinter& printer) {
    if (!pages.beginSection(QString::fromStdString(section.title))) {
        return false;
    }
    QTextDocument document;
    document.setUndoRedoEnabled(false);
    document.setDefaultStyleSheet(styleSheet);
    document.setHtml(QString::fromStdString(section.html));
    // What lies between the tables goes to the page as one flow, before the table it leads to.
    std::optional<std::pair<int, int>> flow;
    const auto drawPendingFlow = [&](double keepWithNext) {
        if (!flow) {
            return true;
        }
        const auto piece = flowOf(document, flow->first, flow->second, &printer, pages.width());
        flow.reset();
        return !piece || drawFlow(pages, *piece, keepWithNext);
    };
    const auto extendFlow = [&flow](int start, int end) {
        flow = flow ? std::pair{std::min(flow->first, start), std::max(flow->second, end)}
                    : std::pair{start, end};
    };
    QTextFrame* root = document.rootFrame();
    for (auto it = root->begin(); !it.atEnd(); ++it) {
        if (auto* frame = it.currentFrame()) {
            if (auto* imported = qobject_cast<QTextTable*>(frame)) {
                const ReportTable table(*imported, printer, pages.width());
                if (!drawPendingFlow(table.keptTogether(pages.pageHeight())) ||
                    !drawTable(pages, table)) {
                    return false;
                }
            } else {
                extendFlow(frame->firstPosition() - 1, frame->lastPosition() + 1);
            }
        } else if (const QTextBlock block = it.currentBlock(); block.isValid()) {
            extendFlow(block.position(), block.position() + block.length() - 1);
        }
    }
    return drawPendingFlow(0);
}

} // namespace

bool printReport(const std::vector<ReportSection>& sections, QPrinter& printer,
                 const ReportProgress& progress) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    Pages pages(painter, printer);
    const QString styleSheet = QString::fromUtf8(reportStyleSheet().data(),
                                                 static_cast<qsizetype>(reportStyleSheet().size()));
    for (std::size_t s = 0; s < sections.size(); ++s) {
        if (!printSection(pages, sections[s], styleSheet, printer)) {
            return false;
        }
        if (progress) {
            progress(s + 1);
        }
    }
    return painter.end();
}

Result<void> sendReport(const std::vector<ReportSection>& sections, QPrinter& printer,
                        const ReportProgress& progress) {
    const QString target = printer.outputFileName();
    if (printer.outputFormat() != QPrinter::PdfFormat || target.isEmpty()) {
        if (!printReport(sections, printer, progress)) {
            const QString name = printer.printerName();
            return Error{Cause::IoFailure,
                         {},
                         name.isEmpty() ? std::string("Cannot print the report")
                                        : "Cannot print the report on " + name.toStdString()};
        }
        return {};
    }
    const std::filesystem::path path = target.toStdString();
    const auto failed = [&path](const char* why) {
        return Error{Cause::IoFailure, {}, "Cannot write " + path.filename().string() + ": " + why};
    };
    const QTemporaryDir scratch;
    if (!scratch.isValid()) {
        return failed("no room for a scratch file");
    }
    const QString scratchFile = scratch.filePath(QStringLiteral("report.pdf"));
    printer.setOutputFileName(scratchFile);
    const bool printed = printReport(sections, printer, progress);
    printer.setOutputFileName(target);
    // The printer tells of a failed write poorly, if at all: what it left is the proof.
    const auto made = printed ? readFileStart(scratchFile.toStdString(), kLargestPdf)
                              : Result<FileStart>(FileStart{});
    static constexpr std::uint8_t kPdfStart[] = {'%', 'P', 'D', 'F'};
    if (!made || made->bytes.size() < sizeof kPdfStart ||
        !std::equal(std::begin(kPdfStart), std::end(kPdfStart), made->bytes.begin())) {
        return failed("the PDF could not be made");
    }
    if (made->size != made->bytes.size()) {
        return failed("the PDF is too large"); // never half a file
    }
    return writeFile(path, made->bytes);
}

Result<void> saveReportPdf(const std::vector<ReportSection>& sections,
                           const std::filesystem::path& path, const ReportProgress& progress) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path.string()));
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                      QPageLayout::Millimeter));
    printer.setCreator(QStringLiteral("Quillbarrow"));
    return sendReport(sections, printer, progress);
}

} // namespace qb::ui
