#include "ReportTable.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace qb::ui {

namespace {

// What the document's lengths are given in: pixels of a 96 dpi screen, which Qt's own layout
// scales to the device too.
constexpr double kDocumentDpi = 96.0;
constexpr double kUnbounded = 1e9;

struct TextWidths {
    double natural = 0; // the longest line
    double least = 0;   // the longest word
};

TextWidths measure(const QFontMetricsF& metrics, const QString& text) {
    if (!text.contains(QLatin1Char(' ')) && !text.contains(QLatin1Char('\n'))) {
        const double width = metrics.horizontalAdvance(text);
        return {width, width};
    }
    TextWidths widths;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        widths.natural = std::max(widths.natural, metrics.horizontalAdvance(line));
        for (const QString& word : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            widths.least = std::max(widths.least, metrics.horizontalAdvance(word));
        }
    }
    return widths;
}

QString cellText(const QTextTableCell& cell) {
    QString text;
    bool first = true;
    for (auto it = cell.begin(); !it.atEnd(); ++it) {
        const QTextBlock block = it.currentBlock();
        if (!block.isValid()) {
            continue; // a frame inside the cell: the report writes none
        }
        if (!first) {
            text += QLatin1Char('\n');
        }
        text += block.text();
        first = false;
    }
    // A <br> arrives as a line separator.
    return text.replace(QChar::LineSeparator, QLatin1Char('\n'));
}

// The format of the cell's text: that of its first piece of text, else its paragraph's.
QTextCharFormat textFormat(const QTextBlock& block) {
    const auto piece = block.begin();
    return piece.atEnd() ? block.charFormat() : piece.fragment().charFormat();
}

} // namespace

ReportTable::ReportTable(QTextTable& table, const QPaintDevice& device, double width)
    : m_device(device) {
    const double scale = device.logicalDpiY() / kDocumentDpi;
    readCells(table, scale);
    fitColumns(width);
    measureRows();
}

int ReportTable::fontIndex(const QFont& font) {
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
        if (m_fonts[i].font == font) {
            return static_cast<int>(i);
        }
    }
    const QFontMetricsF metrics(font, &m_device);
    const QRectF unbounded(0, 0, kUnbounded, kUnbounded);
    const double lineStep = metrics.boundingRect(unbounded, 0, QStringLiteral("X\nX")).height() -
                            metrics.boundingRect(unbounded, 0, QStringLiteral("X")).height();
    m_fonts.push_back({font, metrics, lineStep});
    return static_cast<int>(m_fonts.size()) - 1;
}

void ReportTable::readCells(QTextTable& table, double scale) {
    const QTextTableFormat format = table.format();
    m_headerRows = std::clamp(format.headerRowCount(), 0, table.rows());
    m_bottomMargin = format.bottomMargin() * scale;
    m_edges.assign(static_cast<std::size_t>(table.columns()) + 1, 0.0);
    double border = format.border();
    QBrush borderBrush = format.borderBrush();
    m_rows.resize(static_cast<std::size_t>(table.rows()));
    for (int r = 0; r < table.rows(); ++r) {
        for (int c = 0; c < table.columns(); ++c) {
            const QTextTableCell cell = table.cellAt(r, c);
            if (!cell.isValid() || cell.row() != r || cell.column() != c) {
                continue; // covered by a cell that spans it
            }
            const QTextTableCellFormat look = cell.format().toTableCellFormat();
            const QTextBlock first = cell.firstCursorPosition().block();
            const QTextCharFormat chars = textFormat(first);
            const auto padding = [&](QTextFormat::Property property, double value) {
                return (look.hasProperty(property) ? value : format.cellPadding()) * scale;
            };
            Cell item;
            item.text = cellText(cell);
            item.font = fontIndex(chars.font());
            item.color = chars.foreground().style() == Qt::NoBrush ? QColor(Qt::black)
                                                                   : chars.foreground().color();
            item.alignment = first.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
            item.background = look.background();
            item.column = c;
            item.span = std::clamp(cell.columnSpan(), 1, table.columns() - c);
            item.left = padding(QTextFormat::TableCellLeftPadding, look.leftPadding());
            item.right = padding(QTextFormat::TableCellRightPadding, look.rightPadding());
            item.top = padding(QTextFormat::TableCellTopPadding, look.topPadding());
            item.bottom = padding(QTextFormat::TableCellBottomPadding, look.bottomPadding());
            if (look.hasProperty(QTextFormat::TableCellLeftBorder)) {
                border = std::max(border, look.leftBorder());
                borderBrush = look.leftBorderBrush();
            }
            m_rows[static_cast<std::size_t>(r)].push_back(std::move(item));
        }
    }
    if (border > 0) {
        const QColor color =
            borderBrush.style() == Qt::NoBrush ? QColor(Qt::darkGray) : borderBrush.color();
        m_grid = QPen(color, border * scale);
    } else {
        m_grid = QPen(Qt::NoPen);
    }
}

void ReportTable::fitColumns(double width) {
    const std::size_t columns = m_edges.size() - 1;
    std::vector<double> natural(columns, 0.0);
    std::vector<double> least(columns, 0.0);
    for (auto& row : m_rows) {
        for (Cell& cell : row) {
            const TextWidths text =
                measure(m_fonts[static_cast<std::size_t>(cell.font)].metrics, cell.text);
            cell.natural = text.natural;
            cell.least = text.least;
            if (cell.span != 1) {
                continue; // takes what the columns it spans are given
            }
            const auto c = static_cast<std::size_t>(cell.column);
            natural[c] = std::max(natural[c], text.natural + cell.left + cell.right);
            least[c] = std::max(least[c], text.least + cell.left + cell.right);
        }
    }
    const double naturalSum = std::accumulate(natural.begin(), natural.end(), 0.0);
    const double leastSum = std::accumulate(least.begin(), least.end(), 0.0);
    std::vector<double> widths(columns, columns ? width / static_cast<double>(columns) : 0.0);
    if (naturalSum > 0 && naturalSum <= width) {
        // Room to spare, shared out as the texts are long.
        for (std::size_t c = 0; c < columns; ++c) {
            widths[c] = natural[c] * width / naturalSum;
        }
    } else if (naturalSum > width && leastSum <= width) {
        // Every word fits: the columns whose texts would wrap most give up the most.
        const double give = naturalSum - leastSum;
        for (std::size_t c = 0; c < columns; ++c) {
            widths[c] = least[c] + (width - leastSum) * (natural[c] - least[c]) / give;
        }
    } else if (leastSum > width) {
        // Not even the words fit: they are broken where they reach a column's edge.
        for (std::size_t c = 0; c < columns; ++c) {
            widths[c] = least[c] * width / leastSum;
        }
    }
    for (std::size_t c = 0; c < columns; ++c) {
        m_edges[c + 1] = m_edges[c] + widths[c];
    }
}

void ReportTable::measureRows() {
    m_heights.assign(m_rows.size(), 0.0);
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        for (Cell& cell : m_rows[r]) {
            const QFontMetricsF& metrics = m_fonts[static_cast<std::size_t>(cell.font)].metrics;
            const auto c = static_cast<std::size_t>(cell.column);
            const double inner = std::max(1.0, m_edges[c + static_cast<std::size_t>(cell.span)] -
                                                   m_edges[c] - cell.left - cell.right);
            cell.flags = cell.least > inner ? Qt::TextWrapAnywhere : Qt::TextWordWrap;
            const double height =
                cell.natural <= inner && !cell.text.contains(QLatin1Char('\n'))
                    ? metrics.height()
                    : metrics.boundingRect(QRectF(0, 0, inner, kUnbounded), cell.flags, cell.text)
                          .height();
            m_heights[r] = std::max(m_heights[r], height + cell.top + cell.bottom);
        }
    }
}

double ReportTable::headerHeight() const {
    return std::accumulate(m_heights.begin(), m_heights.begin() + m_headerRows, 0.0);
}

double ReportTable::keptTogether(double pageHeight) const {
    const double first = bodyRows() > 0 ? bodyRowHeight(0) : 0;
    return headerHeight() + std::min(first, pageHeight / 4);
}

void ReportTable::drawRow(QPainter& painter, int index, double top) const {
    const auto r = static_cast<std::size_t>(index);
    const double height = m_heights[r];
    int font = -1;
    for (const Cell& cell : m_rows[r]) {
        const auto c = static_cast<std::size_t>(cell.column);
        const QRectF box(m_edges[c], top,
                         m_edges[c + static_cast<std::size_t>(cell.span)] - m_edges[c], height);
        if (cell.background.style() != Qt::NoBrush) {
            painter.fillRect(box, cell.background);
        }
        if (cell.font != font) {
            font = cell.font;
            painter.setFont(m_fonts[static_cast<std::size_t>(font)].font);
        }
        painter.setPen(cell.color);
        painter.drawText(box.adjusted(cell.left, cell.top, -cell.right, -cell.bottom),
                         cell.flags | static_cast<int>(cell.alignment) | Qt::AlignTop, cell.text);
    }
    if (m_grid.style() == Qt::NoPen) {
        return;
    }
    painter.setPen(m_grid);
    const double left = m_edges.front();
    const double right = m_edges.back();
    painter.drawLine(QPointF(left, top), QPointF(right, top));
    painter.drawLine(QPointF(left, top + height), QPointF(right, top + height));
    for (const Cell& cell : m_rows[r]) {
        const double x = m_edges[static_cast<std::size_t>(cell.column)];
        painter.drawLine(QPointF(x, top), QPointF(x, top + height));
    }
    painter.drawLine(QPointF(right, top), QPointF(right, top + height));
}

double ReportTable::drawHeader(QPainter& painter, double top) const {
    double y = top;
    for (int r = 0; r < m_headerRows; ++r) {
        drawRow(painter, r, y);
        y += m_heights[static_cast<std::size_t>(r)];
    }
    return y - top;
}

void ReportTable::drawBodyRow(QPainter& painter, int row, double top, double from,
                              double height) const {
    const int index = bodyIndex(row);
    if (from <= 0 && height >= m_heights.at(static_cast<std::size_t>(index))) {
        drawRow(painter, index, top);
        return;
    }
    // A row taller than a page, drawn a page's slice at a time and boxed on each.
    const double pen = m_grid.widthF();
    painter.save();
    painter.setClipRect(
        QRectF(m_edges.front() - pen, top, m_edges.back() - m_edges.front() + 2 * pen, height),
        Qt::IntersectClip);
    drawRow(painter, index, top - from);
    painter.restore();
    if (m_grid.style() != Qt::NoPen) {
        painter.setPen(m_grid);
        painter.drawLine(QPointF(m_edges.front(), top), QPointF(m_edges.back(), top));
        painter.drawLine(QPointF(m_edges.front(), top + height),
                         QPointF(m_edges.back(), top + height));
    }
}

double ReportTable::sliceThatFits(int row, double from, double room) const {
    const auto index = static_cast<std::size_t>(bodyIndex(row));
    const double rest = m_heights.at(index) - from;
    if (rest <= room) {
        return rest;
    }
    // The lines of every cell lie `step` apart below its top padding.
    double step = 0;
    double padding = 0;
    for (const Cell& cell : m_rows[index]) {
        step = std::max(step, m_fonts[static_cast<std::size_t>(cell.font)].lineStep);
        padding = std::max(padding, cell.top);
    }
    if (step <= 0) {
        return room;
    }
    const double end = padding + std::floor((from + room - padding) / step) * step;
    return end > from ? end - from : room;
}

} // namespace qb::ui
